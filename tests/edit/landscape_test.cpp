#include "edit/landscape.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(RandomBelow, FollowsTheGeneratorFromAFreshStart) {
  TRandom random;
  EXPECT_EQ(random.RandomBelow(1000), 0);  // the first state is 1
  EXPECT_EQ(random.RandomSeed, 1u);
  TRandom fresh;
  std::vector<int> draws;
  for (int i = 0; i < 10; ++i) draws.push_back(fresh.RandomBelow(62));
  EXPECT_EQ(draws, (std::vector<int>{0, 1, 53, 12, 16, 41, 19, 10, 23, 26}));
  // The product is taken in 64 bits: a large n does not overflow.
  TRandom big;
  big.RandomSeed = 0xFFFFFFFFu;
  int r = big.RandomBelow(0x7FFFFFFF);
  EXPECT_EQ(uint32_t(r), uint32_t((uint64_t(big.RandomSeed) * 0x7FFFFFFFu) >> 32));
}

TEST(Landscape, TheFirstCellsOfAFreshStartOnSand) {
  TMapCells single;
  single.fill(1);
  TRandom again;
  GenerateLandscape(single, again);
  const int expected[10] = {14, 14, 25, 16, 25, 25, 17, 25, 25, 25};
  // Cells whose first-pass code is not grass stay as pass 1 left them.
  for (int j : {0, 1, 3, 6}) EXPECT_EQ(single[j], expected[j]) << j;
  // Grass cells may have become parts of objects placed later; all are
  // grass or object codes.
  for (int j : {2, 4, 5, 7, 8, 9}) EXPECT_TRUE(single[j] == 25 || single[j] >= 28) << j;
}

TEST(Landscape, ProtectedCodesNeverChangeAndObjectsAreWhole) {
  TMapCells map;
  // Sand with water, shore pieces, anchors and dotted sand among it.
  const uint8_t mix[] = {1, 1, 1, 1, 0, 5, 26, 27, 13, 1, 1, 2};
  for (int i = 0; i < MapCellCount; ++i) map[i] = mix[(i * 7 + i / 99) % 12];
  TMapCells before = map;
  TRandom random;
  GenerateLandscape(map, random);
  for (int i = 0; i < MapCellCount; ++i) {
    uint8_t b = before[i];
    if (b == 0 || (b >= 2 && b <= 13) || b == 26 || b == 27) ASSERT_EQ(map[i], b) << i;
  }
  // Every object part has its partners where the generator puts them.
  auto at = [&](int r, int c) { return (r < 0 || c < 0 || r > 98 || c > 98) ? -1 : int(map[r * 99 + c]); };
  for (int r = 0; r < 99; ++r)
    for (int c = 0; c < 99; ++c) {
      int code = at(r, c);
      if (code == 29) EXPECT_EQ(at(r + 1, c), 28);
      if (code == 34) EXPECT_EQ(at(r, c + 1), 35);
      if (code == 42) {
        EXPECT_EQ(at(r, c + 1), 43);
        EXPECT_EQ(at(r + 1, c), 40);
        EXPECT_EQ(at(r + 1, c + 1), 41);
      }
    }
}

TEST(Landscape, IsTheSameOnEveryRunAndContinuesItsSequence) {
  TMapCells a, b;
  a.fill(1);
  b.fill(1);
  TRandom ra, rb;
  GenerateLandscape(a, ra);
  GenerateLandscape(b, rb);
  EXPECT_EQ(a, b);
  EXPECT_EQ(ra.RandomSeed, rb.RandomSeed);
  TMapCells second = a;
  GenerateLandscape(second, ra);
  EXPECT_NE(second, a);  // a second run draws anew, breaking up the objects
}

TEST(Landscape, ObjectsStartOnlyWhereAllTheirCellsFit) {
  TMapCells map;
  map.fill(25);
  TRandom random;
  // Pass 1 draws for every grass cell too; what matters is that nothing is
  // placed across the last row or column.
  GenerateLandscape(map, random);
  for (int r = 0; r < 99; ++r) {
    int last = map[r * 99 + 98];
    EXPECT_TRUE(last != 34 && last != 36 && last != 42 && last != 50) << r;  // left halves need a right one
  }
  for (int c = 0; c < 99; ++c) {
    int last = map[98 * 99 + c];
    EXPECT_TRUE(last != 29 && last != 31 && last != 33 && last != 39 && last != 42) << c;  // upper parts
  }
}

}  // namespace
