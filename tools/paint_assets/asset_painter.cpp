#include "tools/paint_assets/asset_painter.h"

#include "platform/image_io.h"
#include "tools/paint_assets/ground.h"
#include "tools/paint_assets/icon_painter.h"
#include "tools/paint_assets/objects.h"
#include "tools/paint_assets/png_rgba.h"
#include "tools/paint_assets/shore.h"
#include "tools/paint_assets/single_tiles.h"
#include "tools/paint_assets/tile_codes.h"

namespace {

constexpr int FrameSize = 350;
constexpr TPixel KeyColour = PixelOf(clFuchsia);

void PaintSingleTiles(TBitmap& strip) {
  for (int code = FirstSingleCode; code <= LastSingleCode; ++code) {
    TBitmap canvas(TileSize, TileSize);
    PaintGround(canvas, canvas.Bounds(), SingleTileGround(code));
    PaintSingleTile(canvas, code);
    strip.CopyFrom(canvas, canvas.Bounds(), {code * TileSize, 0});
  }
}

void PaintObjectCells(TBitmap& strip) {
  for (const TObjectArt& art : ObjectArts()) {
    TBitmap canvas = PaintObject(art);
    for (size_t i = 0; i < art.Codes.size(); ++i) {
      int column = int(i) % art.Columns, row = int(i) / art.Columns;
      strip.CopyFrom(canvas, RectOfSize(column * TileSize, row * TileSize, TileSize, TileSize),
                     {art.Codes[i] * TileSize, 0});
    }
  }
}

}  // namespace

TBitmap PaintTileStrip() {
  TBitmap strip(TileSize * TileCount, TileSize);
  for (int code = WaterCode; code <= LastShoreCode; ++code) PaintShoreTile(strip, code * TileSize, 0, code);
  PaintSingleTiles(strip);
  PaintObjectCells(strip);
  return strip;
}

TBitmap PaintSectorFrame() {
  TBitmap frame(FrameSize, FrameSize, PixelOf(clWhite));
  frame.Fill({1, 1, FrameSize - 1, FrameSize - 1}, KeyColour);
  return frame;
}

std::vector<TPaintedAsset> PaintAssets() {
  std::vector<TPaintedAsset> assets;
  assets.push_back({"tiles_25x25.bmp", EncodeBmp24(PaintTileStrip())});
  assets.push_back({"sector_frame_350x350.bmp", EncodeBmp24(PaintSectorFrame())});
  for (int size : IconSizes) {
    TIconPicture icon = PaintIcon(size);
    assets.push_back({"icon_" + std::to_string(size) + ".png", EncodePngRgba(icon.Colour, icon.Alpha)});
  }
  return assets;
}
