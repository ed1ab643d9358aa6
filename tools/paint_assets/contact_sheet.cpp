#include "tools/paint_assets/contact_sheet.h"

#include <algorithm>

#include "tools/paint_assets/colour.h"
#include "tools/paint_assets/objects.h"
#include "tools/paint_assets/pixel_digits.h"
#include "tools/paint_assets/sample_island.h"
#include "tools/paint_assets/tile_codes.h"

namespace {

constexpr int Margin = 16, Gap = 12, LabelScale = 2;
constexpr int TileZoom = 4, MapZoom = 2, TilesPerRow = 8;
constexpr int SheetWidth = 2 * Margin + TilesPerRow * (TileSize * TileZoom + Gap);
const TPixel Paper = PixelOf(RGB(236, 236, 230));
const TPixel Ink = PixelOf(RGB(40, 40, 48));

TBitmap Enlarged(const TBitmap& picture, int zoom) {
  TBitmap big(picture.Width() * zoom, picture.Height() * zoom);
  for (int y = 0; y < big.Height(); ++y)
    for (int x = 0; x < big.Width(); ++x) big.Set(x, y, picture.At(x / zoom, y / zoom));
  return big;
}

// Pastes `picture` with its top left at (x, y) and returns its height.
int Paste(TBitmap& sheet, const TBitmap& picture, int x, int y) {
  sheet.CopyFrom(picture, picture.Bounds(), {x, y});
  return picture.Height();
}

// The codes, left to right, a digit's width apart; returns the label height.
int Label(TBitmap& sheet, int x, int y, const std::vector<int>& codes) {
  for (int code : codes) {
    DrawNumber(sheet, x, y, code, LabelScale, Ink);
    x += NumberWidth(code, LabelScale) + 4 * LabelScale;
  }
  return NumberHeight(LabelScale) + 4;
}

int PaintTiles(TBitmap& sheet, const TBitmap& strip, int top) {
  int cell = TileSize * TileZoom + Gap, rowHeight = cell + NumberHeight(LabelScale) + 4;
  for (int code = 0; code < TileCount; ++code) {
    int x = Margin + code % TilesPerRow * cell, y = top + code / TilesPerRow * rowHeight;
    int height = Label(sheet, x, y, {code});
    Paste(sheet, Enlarged(strip.Crop(RectOfSize(code * TileSize, 0, TileSize, TileSize)), TileZoom), x, y + height);
  }
  return top + TileCount / TilesPerRow * rowHeight + Gap;
}

TBitmap AssembledObject(const TBitmap& strip, const TObjectArt& art) {
  TBitmap whole(art.Columns * TileSize, art.Rows * TileSize);
  for (size_t i = 0; i < art.Codes.size(); ++i) {
    int column = int(i) % art.Columns, row = int(i) / art.Columns;
    whole.CopyFrom(strip, RectOfSize(art.Codes[i] * TileSize, 0, TileSize, TileSize),
                   {column * TileSize, row * TileSize});
  }
  return whole;
}

// The objects of one cell count, side by side, each under its codes.
int PaintObjects(TBitmap& sheet, const TBitmap& strip, int top, int cellCount) {
  int x = Margin, rowTop = top, rowHeight = 0;
  for (const TObjectArt& art : ObjectArts()) {
    if (int(art.Codes.size()) != cellCount) continue;
    TBitmap picture = Enlarged(AssembledObject(strip, art), TileZoom);
    if (x + picture.Width() > SheetWidth - Margin) x = Margin, rowTop += rowHeight + Gap, rowHeight = 0;
    int height = Label(sheet, x, rowTop, art.Codes);
    height += Paste(sheet, picture, x, rowTop + height);
    rowHeight = std::max(rowHeight, height);
    x += picture.Width() + Gap + Gap / 2;
  }
  return rowTop + rowHeight + 2 * Gap;
}

// Each icon at its size and at 4x, over a checkerboard to show where it is
// transparent.
int PaintIcons(TBitmap& sheet, const std::vector<TIconPicture>& icons, int top) {
  int x = Margin, height = 0;
  for (int zoom : {1, 4})
    for (const TIconPicture& icon : icons) {
      TBitmap picture = Enlarged(icon.Colour, zoom);
      for (int y = 0; y < picture.Height(); ++y)
        for (int px = 0; px < picture.Width(); ++px) {
          bool dark = (px / 8 + y / 8) % 2 == 1;
          TRgb board = dark ? Rgb(150, 150, 150) : Rgb(210, 210, 210);
          double alpha = icon.Alpha[size_t(y / zoom) * icon.Colour.Width() + px / zoom] / 255.0;
          sheet.Set(x + px, top + y, ToPixel(Mix(board, FromPixel(picture.At(px, y)), alpha)));
        }
      x += picture.Width() + Gap + Gap / 2;
      height = std::max(height, picture.Height());
    }
  return top + height + 2 * Gap;
}

}  // namespace

TBitmap PaintContactSheet(const TBitmap& strip, const std::vector<TIconPicture>& icons) {
  TBitmap map = Enlarged(RenderTileMap(strip, SampleIslandCodes()), MapZoom);
  // Tall enough for everything; cropped to what was used.
  TBitmap sheet(SheetWidth, 4000, Paper);
  int y = PaintTiles(sheet, strip, Margin);
  y = PaintObjects(sheet, strip, y, 2);
  y = PaintObjects(sheet, strip, y, 4);
  y = PaintIcons(sheet, icons, y);
  y += Paste(sheet, map, Margin, y) + Margin;
  return sheet.Crop(RectOfSize(0, 0, SheetWidth, y));
}
