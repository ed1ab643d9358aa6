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

constexpr int kFrameSize = 350;
constexpr TPixel kKeyColour = PixelOf(clFuchsia);

void PaintSingleTiles(TBitmap& strip) {
  for (int code = kFirstSingleCode; code <= kLastSingleCode; ++code) {
    TBitmap canvas(kTileSize, kTileSize);
    PaintGround(canvas, canvas.Bounds(), SingleTileGround(code));
    PaintSingleTile(canvas, code);
    strip.CopyFrom(canvas, canvas.Bounds(), {code * kTileSize, 0});
  }
}

void PaintObjectCells(TBitmap& strip) {
  for (const TObjectArt& art : ObjectArts()) {
    TBitmap canvas = PaintObject(art);
    for (size_t i = 0; i < art.Codes.size(); ++i) {
      int column = int(i) % art.Columns, row = int(i) / art.Columns;
      strip.CopyFrom(canvas, RectOfSize(column * kTileSize, row * kTileSize, kTileSize, kTileSize),
                     {art.Codes[i] * kTileSize, 0});
    }
  }
}

}  // namespace

TBitmap PaintTileStrip() {
  TBitmap strip(kTileSize * kTileCount, kTileSize);
  for (int code = kWaterCode; code <= kLastShoreCode; ++code) PaintShoreTile(strip, code * kTileSize, 0, code);
  PaintSingleTiles(strip);
  PaintObjectCells(strip);
  return strip;
}

TBitmap PaintSectorFrame() {
  TBitmap frame(kFrameSize, kFrameSize, PixelOf(clWhite));
  frame.Fill({1, 1, kFrameSize - 1, kFrameSize - 1}, kKeyColour);
  return frame;
}

std::vector<TPaintedAsset> PaintAssets() {
  std::vector<TPaintedAsset> assets;
  assets.push_back({"tiles_25x25.bmp", EncodeBmp24(PaintTileStrip())});
  assets.push_back({"sector_frame_350x350.bmp", EncodeBmp24(PaintSectorFrame())});
  for (int size : kIconSizes) {
    TIconPicture icon = PaintIcon(size);
    assets.push_back({"icon_" + std::to_string(size) + ".png", EncodePngRgba(icon.Colour, icon.Alpha)});
  }
  return assets;
}
