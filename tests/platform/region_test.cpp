#include "platform/region.h"

#include <gtest/gtest.h>

TEST(Region, SubtractLeavesEveryPixelOutsideTheCut) {
  TRegion region(TRect{0, 0, 10, 10});
  region.Subtract({3, 4, 6, 8});
  EXPECT_EQ(region.Area(), 100 - 12);
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 10; ++x)
      EXPECT_EQ(region.Contains({x, y}), !(TRect{3, 4, 6, 8}.Contains({x, y}))) << x << "," << y;
}

TEST(Region, SubtractAndIntersectEdgeCases) {
  struct TCase {
    TRect Cut;
    long long Area;
  };
  const TCase cases[] = {
      {{20, 20, 30, 30}, 100},  // disjoint: nothing changes
      {{-5, -5, 15, 15}, 0},    // covers all
      {{0, 0, 10, 1}, 90},      // top row
      {{9, 0, 10, 10}, 90},     // right column, right edge exclusive
  };
  for (const TCase& c : cases) {
    TRegion region(TRect{0, 0, 10, 10});
    region.Subtract(c.Cut);
    EXPECT_EQ(region.Area(), c.Area);
  }
  TRegion region(TRect{0, 0, 10, 10});
  region.Subtract({2, 2, 4, 4});
  region.Intersect({0, 0, 3, 3});
  EXPECT_EQ(region.Area(), 9 - 1);
  EXPECT_TRUE(TRegion(TRect{5, 5, 5, 9}).IsEmpty());
}
