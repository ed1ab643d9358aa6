#include "platform/canvas.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr TPixel Back = 0x000000;
constexpr TPixel Ink = 0x00FF00;

// The bitmap as rows of '.' (background) and '#' (anything else).
std::vector<std::string> Picture(const TBitmap& b) {
  std::vector<std::string> rows;
  for (int y = 0; y < b.Height(); ++y) {
    std::string row;
    for (int x = 0; x < b.Width(); ++x) row += b.At(x, y) == Back ? '.' : '#';
    rows.push_back(row);
  }
  return rows;
}

TEST(CanvasRectangle, HollowOutlinesFollowTheExclusiveRightAndBottom) {
  struct TCase {
    int PenWidth;
    TRect Rect;
    std::vector<std::string> Expected;
  };
  const TCase cases[] = {
      {1, {1, 1, 6, 5}, {"........", ".#####..", ".#...#..", ".#...#..", ".#####..", "........"}},
      {2, {1, 1, 7, 6}, {"........", ".######.", ".######.", ".##..##.", ".######.", ".######."}},
      // Narrower than two pen widths: the outline fills it.
      {2, {0, 0, 3, 3}, {"###.....", "###.....", "###.....", "........", "........", "........"}},
      // Clipped by the bitmap: only the visible part of the outline.
      {1, {-2, -2, 3, 3}, {"..#.....", "..#.....", "###.....", "........", "........", "........"}},
  };
  for (const TCase& c : cases) {
    TBitmap bitmap(8, 6, Back);
    TCanvas canvas(bitmap);
    canvas.Pen = {RGB(0, 255, 0), c.PenWidth};
    canvas.Brush.Style = TBrushStyle::bsClear;
    canvas.Rectangle(c.Rect.Left, c.Rect.Top, c.Rect.Right, c.Rect.Bottom);
    EXPECT_EQ(Picture(bitmap), c.Expected) << "pen " << c.PenWidth << " at " << c.Rect.Left << "," << c.Rect.Top;
    EXPECT_EQ(bitmap.At(c.Rect.Right - 1 < 0 ? 0 : std::min(c.Rect.Right - 1, 7), std::max(c.Rect.Top, 0)),
              Ink);
  }
}

TEST(CanvasRectangle, SolidBrushFillsTheInside) {
  TBitmap bitmap(6, 5, Back);
  TCanvas canvas(bitmap);
  canvas.Pen = {RGB(0, 255, 0), 1};
  canvas.Brush = {RGB(0, 0, 255), TBrushStyle::bsSolid};
  canvas.Rectangle(0, 0, 5, 4);
  EXPECT_EQ(bitmap.At(0, 0), Ink);
  EXPECT_EQ(bitmap.At(2, 2), PixelOf(RGB(0, 0, 255)));
  EXPECT_EQ(bitmap.At(4, 3), Ink);
  EXPECT_EQ(bitmap.At(5, 4), Back);
}

TEST(CanvasClip, DrawingStaysInsideTheClipRegionAndFollowsTheOrigin) {
  TBitmap bitmap(10, 10, Back);
  TRegion clip(TRect{2, 2, 8, 8});
  clip.Subtract({4, 4, 6, 6});
  TCanvas canvas(bitmap, clip, {2, 2});
  canvas.Brush.Color = RGB(0, 255, 0);
  canvas.FillRect({-5, -5, 20, 20});
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 10; ++x) EXPECT_EQ(bitmap.At(x, y) == Ink, clip.Contains({x, y})) << x << "," << y;
}

// Rows that hold ink of the text drawn at the top of an 80 x 40 bitmap.
std::pair<int, int> InkRows(const TFont& font, const std::string& text) {
  TBitmap bitmap(80, 40, Back);
  TCanvas canvas(bitmap);
  canvas.Font = font;
  canvas.Font.Color = clWhite;
  canvas.TextOut(2, 0, text);
  int first = -1, last = -1;
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 80; ++x)
      if (bitmap.At(x, y) != Back) {
        if (first < 0) first = y;
        last = y;
      }
  return {first, last};
}

TEST(CanvasText, InkLiesWithinTheCellInBothHeightConventions) {
  for (int height : {-11, 14, -20, 24}) {
    TFont font{"Arial", height};
    TBitmap scratch(1, 1);
    TCanvas probe(scratch);
    probe.Font = font;
    int cell = probe.TextHeight();
    if (height > 0) EXPECT_EQ(cell, height);
    else EXPECT_GT(cell, -height);  // the cell adds room above and below the em
    auto [first, last] = InkRows(font, "ХЁф");
    EXPECT_GE(first, 0) << height;
    EXPECT_LT(last, cell) << height;
  }
}

TEST(CanvasText, CyrillicIsDrawnAndMeasured) {
  TBitmap bitmap(200, 20, Back);
  TCanvas canvas(bitmap);
  canvas.Font = TFont{"MS Sans Serif", -11, clWhite};
  int width = canvas.TextWidth("Файл");
  EXPECT_GT(width, 15);
  EXPECT_LT(width, 40);
  canvas.TextOut(0, 0, "Файл");
  int rightmost = -1;
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 200; ++x)
      if (bitmap.At(x, y) != Back) rightmost = std::max(rightmost, x);
  EXPECT_GT(rightmost, width / 2);
  EXPECT_LE(rightmost, width + 1);
}

}  // namespace
