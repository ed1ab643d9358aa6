#include "tools/paint_assets/contact_sheet.h"

#include <algorithm>

#include "tools/paint_assets/colour.h"
#include "tools/paint_assets/objects.h"
#include "tools/paint_assets/pixel_digits.h"
#include "tools/paint_assets/sample_island.h"
#include "tools/paint_assets/tile_codes.h"

namespace {

constexpr int kMargin = 16, kGap = 12, kLabelScale = 2;
constexpr int kTileZoom = 4, kMapZoom = 2, kTilesPerRow = 8;
constexpr int kSheetWidth = 2 * kMargin + kTilesPerRow * (kTileSize * kTileZoom + kGap);
const TPixel kPaper = PixelOf(RGB(236, 236, 230));
const TPixel kInk = PixelOf(RGB(40, 40, 48));

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
    DrawNumber(sheet, x, y, code, kLabelScale, kInk);
    x += NumberWidth(code, kLabelScale) + 4 * kLabelScale;
  }
  return NumberHeight(kLabelScale) + 4;
}

int PaintTiles(TBitmap& sheet, const TBitmap& strip, int top) {
  int cell = kTileSize * kTileZoom + kGap, rowHeight = cell + NumberHeight(kLabelScale) + 4;
  for (int code = 0; code < kTileCount; ++code) {
    int x = kMargin + code % kTilesPerRow * cell, y = top + code / kTilesPerRow * rowHeight;
    int height = Label(sheet, x, y, {code});
    Paste(sheet, Enlarged(strip.Crop(RectOfSize(code * kTileSize, 0, kTileSize, kTileSize)), kTileZoom), x, y + height);
  }
  return top + kTileCount / kTilesPerRow * rowHeight + kGap;
}

TBitmap AssembledObject(const TBitmap& strip, const TObjectArt& art) {
  TBitmap whole(art.Columns * kTileSize, art.Rows * kTileSize);
  for (size_t i = 0; i < art.Codes.size(); ++i) {
    int column = int(i) % art.Columns, row = int(i) / art.Columns;
    whole.CopyFrom(strip, RectOfSize(art.Codes[i] * kTileSize, 0, kTileSize, kTileSize),
                   {column * kTileSize, row * kTileSize});
  }
  return whole;
}

// The objects of one cell count, side by side, each under its codes.
int PaintObjects(TBitmap& sheet, const TBitmap& strip, int top, int cellCount) {
  int x = kMargin, rowTop = top, rowHeight = 0;
  for (const TObjectArt& art : ObjectArts()) {
    if (int(art.Codes.size()) != cellCount) continue;
    TBitmap picture = Enlarged(AssembledObject(strip, art), kTileZoom);
    if (x + picture.Width() > kSheetWidth - kMargin) x = kMargin, rowTop += rowHeight + kGap, rowHeight = 0;
    int height = Label(sheet, x, rowTop, art.Codes);
    height += Paste(sheet, picture, x, rowTop + height);
    rowHeight = std::max(rowHeight, height);
    x += picture.Width() + kGap + kGap / 2;
  }
  return rowTop + rowHeight + 2 * kGap;
}

// Each icon at its size and at 4x, over a checkerboard to show where it is
// transparent.
int PaintIcons(TBitmap& sheet, const std::vector<TIconPicture>& icons, int top) {
  int x = kMargin, height = 0;
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
      x += picture.Width() + kGap + kGap / 2;
      height = std::max(height, picture.Height());
    }
  return top + height + 2 * kGap;
}

}  // namespace

TBitmap PaintContactSheet(const TBitmap& strip, const std::vector<TIconPicture>& icons) {
  TBitmap map = Enlarged(RenderTileMap(strip, SampleIslandCodes()), kMapZoom);
  // Tall enough for everything; cropped to what was used.
  TBitmap sheet(kSheetWidth, 4000, kPaper);
  int y = PaintTiles(sheet, strip, kMargin);
  y = PaintObjects(sheet, strip, y, 2);
  y = PaintObjects(sheet, strip, y, 4);
  y = PaintIcons(sheet, icons, y);
  y += Paste(sheet, map, kMargin, y) + kMargin;
  return sheet.Crop(RectOfSize(0, 0, kSheetWidth, y));
}
