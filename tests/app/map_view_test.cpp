#include <gtest/gtest.h>

#include "render/embedded_assets.h"
#include "render/map_view.h"
#include "tests/support/app_harness.h"
#include "tests/support/view_pictures.h"

namespace {

const TBitmap& Strip() {
  static TBitmap strip = LoadEmbeddedPicture("tiles_25x25.bmp");
  return strip;
}

// Every code in a recognisable arrangement, pictures and none.
TMapCells Patterned() {
  TMapCells map{};
  for (int i = 0; i < MapCellCount; ++i) map[i] = uint8_t((i * 7 + i / 99) % 64);
  return map;
}

// Runs the next frame, then compares the map view's back surface.
void ExpectViewEquals(TAppHarness& h, const TExpectedView& expected, const char* what) {
  h.Settle();
  TBitmap want = ComposeMapView(h.Form().Map, Strip(), expected);
  const TBitmap& got = h.Form().DXDraw1->Surface()->Platform()->Pixels();
  long differing = 0;
  TPoint first{-1, -1};
  for (int y = 0; y < want.Height(); ++y)
    for (int x = 0; x < want.Width(); ++x)
      if (want.At(x, y) != got.At(x, y) && differing++ == 0) first = {x, y};
  EXPECT_EQ(differing, 0) << what << ": first difference at " << first.X << "," << first.Y;
}

TEST(MapView, WholePicturesMatchAnIndependentCompositionAtManyOffsets) {
  TAppHarness h;
  h.Form().Map = Patterned();
  const TPoint offsets[] = {{0, 0}, {3, 23}, {4, 24}, {349, 350}, {1753, 1873}, {1000, 7}, {612, 1249}};
  for (TPoint o : offsets) {
    h.Form().scrGorizontal->SetPosition(o.X);
    h.Form().scrVertical->SetPosition(o.Y);
    ExpectViewEquals(h, {o.X, o.Y, 0, 0}, "offset");
  }
}

TEST(MapView, VisibleCellCountsAtTheEdgeOffsets) {
  struct TCase {
    int Scroll, FirstColumn, Columns, FirstRow, Rows;
  };
  const TCase cases[] = {
      {0, 0, 28, 0, 24},      {3, 0, 28, 0, 24},     {4, 0, 29, 0, 24},     {23, 0, 29, 0, 24},
      {24, 0, 29, 0, 25},     {25, 1, 28, 1, 24},    {1753, 70, 28, 70, 24}, {1873, 74, 29, 74, 24},
  };
  for (const TCase& c : cases) {
    TVisibleCells v = VisibleCells({c.Scroll, c.Scroll, 25, 25, 697, 577});
    EXPECT_EQ(v.FirstColumn, c.FirstColumn) << c.Scroll;
    EXPECT_EQ(v.LastOffsetColumn + 1, c.Columns) << c.Scroll;
    EXPECT_EQ(v.FirstRow, c.FirstRow) << c.Scroll;
    EXPECT_EQ(v.LastOffsetRow + 1, c.Rows) << c.Scroll;
  }
  // At the far ends the last column and row read are 97.
  TVisibleCells far = VisibleCells({1753, 1873, 25, 25, 697, 577});
  EXPECT_EQ(far.FirstColumn + far.LastOffsetColumn, 97);
  EXPECT_EQ(far.FirstRow + far.LastOffsetRow, 97);
}

TEST(MapView, SectorLinesFallOnTheirMapPixelsWhateverTheTiles) {
  TAppHarness h;
  h.Form().Map.fill(1);
  h.Form().scrGorizontal->SetPosition(1753);
  const TBitmap& got = h.Form().DXDraw1->Surface()->Platform()->Pixels();
  // Map x 1749/1750 and 2099/2100 and 2449 lie at view x -4, 346/347, 696.
  for (int vx : {346, 347, 696}) EXPECT_EQ(got.At(vx, 300), 0xFFFFFFu) << vx;
  for (int vx : {345, 348, 695}) EXPECT_NE(got.At(vx, 300), 0xFFFFFFu) << vx;
  // Rows 349 and 350 at scroll 0.
  EXPECT_EQ(got.At(100, 349), 0xFFFFFFu);
  EXPECT_EQ(got.At(100, 350), 0xFFFFFFu);
  EXPECT_NE(got.At(100, 348), 0xFFFFFFu);
}

TEST(MapView, TheCursorSitsAtTheOriginUntilTheFirstMouseEventAndStaysWhenScrolling) {
  TAppHarness h;
  h.Form().Map.fill(1);
  ExpectViewEquals(h, {0, 0, 0, 0}, "start");
  h.MouseMove(288 + 130, 32 + 60);  // view (130, 60): cell (5, 2), cursor at (125, 50)
  EXPECT_EQ(h.Form().CursorX, 125);
  EXPECT_EQ(h.Form().CursorY, 50);
  h.Form().scrGorizontal->SetPosition(10);
  ExpectViewEquals(h, {10, 0, 125, 50}, "after scrolling");
}

TEST(MapView, CodesWithoutAPictureShowBlackNotAnEarlierFramesPixels) {
  TAppHarness h;
  h.Form().Map.fill(1);
  h.Passes(2);
  h.Form().SetCell(2, 1, 64);
  h.Form().SetCell(3, 1, 255);
  h.Passes(2);
  const TBitmap& got = h.Form().DXDraw1->Surface()->Platform()->Pixels();
  for (int x = 50; x < 100; ++x)
    for (int y = 25; y < 50; ++y) ASSERT_EQ(got.At(x, y), 0u) << x << "," << y;
  EXPECT_EQ(got.At(49, 30), Strip().At(25 + 24, 5));
}

}  // namespace
