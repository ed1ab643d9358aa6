#include "render/direct_draw_surface.h"

#include <gtest/gtest.h>

#include "tests/support/platform_harness.h"

namespace {

struct TSurfaces {
  TPlatformHarness H;
  TDirectDraw Device{H.Manager.Display()};

  std::unique_ptr<TDirectDrawSurface> Make(int w, int h, TPixel fill) {
    auto s = std::make_unique<TDirectDrawSurface>(Device);
    s->SetSize(w, h);
    s->Fill(fill);
    return s;
  }
};

// A source whose pixel (x, y) is 0x010000 * x + y + 1: every pixel tells where it came from.
std::unique_ptr<TDirectDrawSurface> Numbered(TSurfaces& t, int w, int h) {
  auto s = t.Make(w, h, 0);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) s->Platform()->Pixels().Set(x, y, TPixel(0x10000 * x + y + 1));
  return s;
}

TEST(RectangleCopy, ClipsAgainstBothSurfacesInItsOrder) {
  struct TCase {
    TPoint To;
    TRect Source;    // what of the 25 x 25 source lands
    TPoint Landing;  // where its top-left lands
  };
  const TCase cases[] = {
      {{-10, -5}, {10, 5, 25, 25}, {0, 0}},
      {{690, 570}, {0, 0, 7, 7}, {690, 570}},
      {{0, 0}, {0, 0, 25, 25}, {0, 0}},
      {{-24, 0}, {24, 0, 25, 25}, {0, 0}},
  };
  for (const TCase& c : cases) {
    TSurfaces t;
    auto dest = t.Make(697, 577, 0);
    auto src = Numbered(t, 25, 25);
    dest->Draw(c.To.X, c.To.Y, {0, 0, 25, 25}, *src, false);
    TBitmap& out = dest->Platform()->Pixels();
    long copied = 0;
    for (int y = 0; y < 577; ++y)
      for (int x = 0; x < 697; ++x)
        if (out.At(x, y)) ++copied;
    EXPECT_EQ(copied, long(c.Source.Width()) * c.Source.Height()) << c.To.X << "," << c.To.Y;
    EXPECT_EQ(out.At(c.Landing.X, c.Landing.Y), TPixel(0x10000 * c.Source.Left + c.Source.Top + 1));
    EXPECT_EQ(out.At(c.Landing.X + c.Source.Width() - 1, c.Landing.Y + c.Source.Height() - 1),
              TPixel(0x10000 * (c.Source.Right - 1) + c.Source.Bottom));
  }
}

TEST(RectangleCopy, NothingLandsAtOrBeyondTheFarEdgesOrFullyOutside) {
  const TPoint places[] = {{697, 0}, {0, 577}, {800, 10}, {-25, 0}, {0, -25}, {-100, -100}};
  for (TPoint p : places) {
    TSurfaces t;
    auto dest = t.Make(697, 577, 0);
    auto src = t.Make(25, 25, 0xFFFFFF);
    dest->Draw(p.X, p.Y, {0, 0, 25, 25}, *src, false);
    for (TPixel px : dest->Platform()->Pixels().Pixels) ASSERT_EQ(px, 0u) << p.X << "," << p.Y;
  }
}

TEST(RectangleCopy, TheColourKeyLeavesTheDestinationWhereTheSourceHasIt) {
  TSurfaces t;
  auto dest = t.Make(4, 1, 0x111111);
  auto src = t.Make(4, 1, 0);
  TBitmap& s = src->Platform()->Pixels();
  s.Set(0, 0, 0xFF00FF);
  s.Set(1, 0, 0x00FF00);
  s.Set(2, 0, 0xFF00FF);
  s.Set(3, 0, 0x0000FF);
  src->SetColorKey(src->ColorMatch(clFuchsia));
  dest->Draw(0, 0, {0, 0, 4, 1}, *src, true);
  TBitmap& d = dest->Platform()->Pixels();
  EXPECT_EQ(d.Row(0)[0], 0x111111u);
  EXPECT_EQ(d.Row(0)[1], 0x00FF00u);
  EXPECT_EQ(d.Row(0)[2], 0x111111u);
  EXPECT_EQ(d.Row(0)[3], 0x0000FFu);
  dest->Draw(0, 0, {0, 0, 4, 1}, *src, false);
  EXPECT_EQ(dest->Platform()->Pixels().Row(0)[0], 0xFF00FFu);
}

TEST(SurfaceColourMatch, GivesTheRawValueAndLeavesThePixelAsItWas) {
  TSurfaces t;
  auto s = t.Make(2, 2, 0x123456);
  EXPECT_EQ(s->ColorMatch(clFuchsia), 0xFF00FFu);
  EXPECT_EQ(s->ColorMatch(RGB(1, 2, 3)), 0x010203u);
  EXPECT_EQ(s->Platform()->Pixels().At(0, 0), 0x123456u);
  TDirectDrawSurface empty(t.Device);
  EXPECT_EQ(empty.ColorMatch(clWhite), 0u);
}

TEST(SurfaceMaking, FallsBackToSystemMemoryAndRaisesWhenBothFail) {
  TSurfaces t;
  t.H.Manager.Display().FailVideoSurfaces = true;
  TDirectDrawSurface s(t.Device);
  s.SetSize(10, 10);
  EXPECT_TRUE(s.SystemMemory);
  EXPECT_FALSE(s.InVideoMemory());
  t.H.Manager.Display().FailSystemSurfaces = true;
  TDirectDrawSurface failing(t.Device);
  try {
    failing.SetSize(10, 10);
    FAIL();
  } catch (const EDirectDrawSurfaceError& e) {
    EXPECT_EQ(e.Message, "Surface cannot be made");
  }
  s.SetSize(0, 5);
  EXPECT_EQ(s.Platform(), nullptr);
}

TEST(SurfaceCanvas, RaisesWithoutASurfaceAndOnALostOne) {
  TSurfaces t;
  TDirectDrawSurface none(t.Device);
  try {
    none.Canvas().Rectangle(0, 0, 2, 2);
    FAIL();
  } catch (const EDirectDrawSurfaceError& e) {
    EXPECT_EQ(e.Message, "IDirectDrawSurface not made");
  }
  auto s = t.Make(5, 5, 0);
  t.H.Manager.Display().LoseAllSurfaces();
  try {
    s->Canvas().Rectangle(0, 0, 2, 2);
    FAIL();
  } catch (const EInvalidOperation& e) {
    EXPECT_EQ(e.Message, "Canvas does not allow drawing");
  }
  // Fills and copies on a lost surface do nothing and raise nothing.
  s->Fill(0x00FF00);
  EXPECT_EQ(s->LastResult, DDERR_SURFACELOST);
}

TEST(SurfaceFill, ZeroIsBlack) {
  TSurfaces t;
  auto s = t.Make(3, 3, 0xABCDEF);
  s->Fill(0);
  for (TPixel p : s->Platform()->Pixels().Pixels) EXPECT_EQ(ColorOfPixel(p), clBlack);
}

}  // namespace
