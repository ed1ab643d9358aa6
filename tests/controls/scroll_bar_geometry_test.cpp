#include "controls/scroll_bar_geometry.h"

#include <gtest/gtest.h>

namespace {

constexpr int Arrow = 17;
constexpr int Thumb = 40;

struct TGeometryCase {
  TScrollBarKind Kind;
  int Width, Height, Min, Max, Position;
  int ExpectedTravel, ExpectedOffset;
  TRect ExpectedThumb;
};

TEST(ScrollBarGeometry, ThumbSitsAtRoundedShareOfTheTravel) {
  const TGeometryCase cases[] = {
      // The editor's horizontal bar: track 17..680, travel 663 - 40 = 623.
      {sbHorizontal, 697, 19, 0, 1753, 0, 623, 0, {17, 0, 57, 19}},
      {sbHorizontal, 697, 19, 0, 1753, 1753, 623, 623, {640, 0, 680, 19}},
      {sbHorizontal, 697, 19, 0, 1753, 1, 623, 0, {17, 0, 57, 19}},       // 0.36
      {sbHorizontal, 697, 19, 0, 1753, 10, 623, 4, {21, 0, 61, 19}},      // 3.55
      {sbHorizontal, 697, 19, 0, 1753, 876, 623, 311, {328, 0, 368, 19}},  // 311.32
      {sbHorizontal, 697, 19, 0, 100, 50, 623, 312, {329, 0, 369, 19}},   // 311.5: halves to even
      // The editor's vertical bar: track 17..560, travel 543 - 40 = 503.
      {sbVertical, 19, 577, 0, 1873, 1873, 503, 503, {0, 520, 19, 560}},
      {sbVertical, 19, 577, 0, 1873, 937, 503, 252, {0, 269, 19, 309}},   // 251.63
      // Max = Min: offset 0.
      {sbHorizontal, 697, 19, 5, 5, 5, 623, 0, {17, 0, 57, 19}},
      // A position outside the range keeps the thumb on the track.
      {sbHorizontal, 697, 19, 0, 100, 500, 623, 623, {640, 0, 680, 19}},
      {sbHorizontal, 697, 19, 0, 100, -7, 623, 0, {17, 0, 57, 19}},
      // Short bars: the thumb shrinks to the track, the arrows to half the bar.
      {sbHorizontal, 100, 19, 0, 10, 10, 26, 26, {43, 0, 83, 19}},
      {sbHorizontal, 60, 19, 0, 10, 10, 0, 0, {17, 0, 43, 19}},
      {sbHorizontal, 30, 19, 0, 10, 10, 0, 0, {15, 0, 15, 19}},
  };
  for (const TGeometryCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.Width << "x" << c.Height << " " << c.Min << ".." << c.Max << " @"
                                    << c.Position);
    TScrollBarGeometry g = ScrollBarGeometry(c.Kind, c.Width, c.Height, Arrow, Thumb, c.Min, c.Max, c.Position);
    EXPECT_EQ(g.Travel, c.ExpectedTravel);
    EXPECT_EQ(g.ThumbOffset, c.ExpectedOffset);
    EXPECT_EQ(g.Thumb, c.ExpectedThumb);
  }
}

TEST(ScrollBarGeometry, ArrowsAtBothEndsTrackBetween) {
  TScrollBarGeometry h = ScrollBarGeometry(sbHorizontal, 697, 19, Arrow, Thumb, 0, 100, 0);
  EXPECT_EQ(h.DecreaseArrow, (TRect{0, 0, 17, 19}));
  EXPECT_EQ(h.IncreaseArrow, (TRect{680, 0, 697, 19}));
  EXPECT_EQ(h.Track, (TRect{17, 0, 680, 19}));
  TScrollBarGeometry v = ScrollBarGeometry(sbVertical, 19, 577, Arrow, Thumb, 0, 100, 0);
  EXPECT_EQ(v.DecreaseArrow, (TRect{0, 0, 19, 17}));
  EXPECT_EQ(v.IncreaseArrow, (TRect{0, 560, 19, 577}));
  EXPECT_EQ(v.Track, (TRect{0, 17, 19, 560}));
  EXPECT_EQ(v.ThumbStart(), 17);
  EXPECT_EQ(v.ThumbEnd(), 57);
  EXPECT_EQ(v.Along({3, 200}), 200);
}

TEST(ScrollBarGeometry, PartsAreTestedThumbFirstThenArrowsThenTrack) {
  TScrollBarGeometry g = ScrollBarGeometry(sbHorizontal, 697, 19, Arrow, Thumb, 0, 1753, 0);
  const std::pair<TPoint, TScrollBarPart> cases[] = {
      {{5, 9}, TScrollBarPart::DecreaseArrow},  {{16, 18}, TScrollBarPart::DecreaseArrow},
      {{17, 0}, TScrollBarPart::Thumb},         {{56, 9}, TScrollBarPart::Thumb},
      {{57, 9}, TScrollBarPart::Track},         {{679, 9}, TScrollBarPart::Track},
      {{680, 0}, TScrollBarPart::IncreaseArrow}, {{696, 18}, TScrollBarPart::IncreaseArrow},
      {{-1, 5}, TScrollBarPart::None},          {{5, 19}, TScrollBarPart::None},
      {{697, 5}, TScrollBarPart::None},
  };
  for (const auto& [point, part] : cases) {
    SCOPED_TRACE(testing::Message() << point.X << "," << point.Y);
    EXPECT_EQ(ScrollBarPartAt(g, point), part);
  }
  // At the far end the thumb touches the increase arrow; each keeps its pixels.
  TScrollBarGeometry end = ScrollBarGeometry(sbHorizontal, 697, 19, Arrow, Thumb, 0, 1753, 1753);
  EXPECT_EQ(ScrollBarPartAt(end, {679, 9}), TScrollBarPart::Thumb);
  EXPECT_EQ(ScrollBarPartAt(end, {680, 9}), TScrollBarPart::IncreaseArrow);
}

TEST(ScrollBarGeometry, RoundHalfEven) {
  const struct { int64_t A, B, Expected; } cases[] = {
      {5, 2, 2}, {7, 2, 4}, {3, 2, 2}, {1, 2, 0}, {1, 3, 0}, {2, 3, 1},
      {-5, 2, -2}, {-7, 2, -4}, {-3, 2, -2}, {-1, 3, 0}, {-2, 3, -1}, {0, 9, 0}, {18, 9, 2},
  };
  for (const auto& c : cases) EXPECT_EQ(RoundHalfEven(c.A, c.B), c.Expected) << c.A << "/" << c.B;
}

TEST(ScrollBarGeometry, PositionForThumbOffsetClampsAndRoundsHalvesToEven) {
  const struct { int Travel, Min, Max, Offset, Expected; } cases[] = {
      {4, 0, 2, 1, 0},       // 0.5 -> 0
      {4, 0, 2, 2, 1},
      {4, 0, 2, 3, 2},       // 1.5 -> 2
      {4, -3, -1, 1, -3},    // -3 + 0.5 -> -3
      {4, -3, -1, 3, -1},    // -3 + 1.5 -> -1
      {4, 0, 2, -5, 0},      // f below 0
      {4, 0, 2, 99, 2},      // f above 1
      {0, 7, 9, 3, 7},       // no travel: f = 0
      {-3, 7, 9, 3, 7},
      {623, 0, 1753, 1, 3},  // 2.81
      {623, 0, 1753, 311, 875},  // 875.09
      {623, 0, 1753, 622, 1750},
      {623, 0, 1753, 623, 1753},
      {503, 0, 1873, 1, 4},  // 3.72
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "travel " << c.Travel << " " << c.Min << ".." << c.Max << " offset "
                                    << c.Offset);
    EXPECT_EQ(PositionForThumbOffset(c.Travel, c.Min, c.Max, c.Offset), c.Expected);
  }
}

TEST(ScrollBarGeometry, ThumbOffsetForExtremeRanges) {
  EXPECT_EQ(ThumbOffsetFor(623, INT32_MIN, INT32_MAX, INT32_MAX), 623);
  EXPECT_EQ(ThumbOffsetFor(623, INT32_MIN, INT32_MAX, INT32_MIN), 0);
  EXPECT_EQ(ThumbOffsetFor(623, INT32_MIN, INT32_MAX, 0), 312);  // 311.5000001
  EXPECT_EQ(PositionForThumbOffset(623, INT32_MIN, INT32_MAX, 623), INT32_MAX);
  EXPECT_EQ(ThumbOffsetFor(623, 10, 0, 5), 0);  // Max below Min
}

}  // namespace
