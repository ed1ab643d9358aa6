#include "render/stored_images.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

constexpr TPixel Key = PixelOf(clFuchsia);
constexpr TPixel White = PixelOf(clWhite);

TEST(StoredImagesTest, TilePatternSizeIsReadableAtOnce) {
  TDXImageList list;
  LoadStoredImages(list);
  EXPECT_EQ(list.Items.Find(TileStripName).PatternWidth, 25);
  EXPECT_EQ(list.Items.Find(TileStripName).PatternHeight, 25);
}

struct TStoredCase {
  int Index;
  const char* Name;
  int PatternSize, PictureWidth, PictureHeight;
};

class StoredItemTest : public testing::TestWithParam<TStoredCase> {};

TEST_P(StoredItemTest, HasTheLayoutsProperties) {
  const TStoredCase& c = GetParam();
  TDXImageList list;
  LoadStoredImages(list);
  ASSERT_EQ(list.Items.Count(), 2);
  const TPictureCollectionItem& item = list.Items[c.Index];
  EXPECT_EQ(item.Name(), c.Name);
  EXPECT_EQ(item.PatternWidth, c.PatternSize);
  EXPECT_EQ(item.PatternHeight, c.PatternSize);
  EXPECT_EQ(item.SkipWidth, 0);
  EXPECT_EQ(item.SkipHeight, 0);
  EXPECT_FALSE(item.SystemMemory);
  EXPECT_TRUE(item.Transparent);
  EXPECT_EQ(item.TransparentColor, clFuchsia);
  EXPECT_EQ(item.Picture.Width(), c.PictureWidth);
  EXPECT_EQ(item.Picture.Height(), c.PictureHeight);
}

INSTANTIATE_TEST_SUITE_P(Items, StoredItemTest,
                         testing::Values(TStoredCase{0, "25\u0445" "25", 25, 1600, 25},
                                         TStoredCase{1, "350\u0445" "350", 350, 350, 350}),
                         [](const testing::TestParamInfo<TStoredCase>& info) { return "Item" + std::to_string(info.param.Index); });

TEST(StoredImagesTest, TileStripHasNoKeyColour) {
  TDXImageList list;
  LoadStoredImages(list);
  const TBitmap& strip = list.Items[0].Picture;
  ASSERT_EQ(strip.Width(), 1600);
  ASSERT_EQ(strip.Height(), 25);
  for (int y = 0; y < strip.Height(); ++y)
    for (int x = 0; x < strip.Width(); ++x) ASSERT_NE(strip.At(x, y), Key) << "at " << x << "," << y;
}

TBitmap LoadedStrip() {
  TDXImageList list;
  LoadStoredImages(list);
  return list.Items[0].Picture;
}

TPixel TilePixel(const TBitmap& strip, int code, int x, int y) { return strip.At(25 * code + x, y); }

int ChannelDistance(TPixel a, TPixel b) {
  int most = 0;
  for (int shift : {0, 8, 16}) most = std::max(most, std::abs(int(a >> shift & 0xFF) - int(b >> shift & 0xFF)));
  return most;
}

// Tiles can share their ground, but each shows something of its own that
// can be told apart on screen.
TEST(StoredImagesTest, EveryTileShowsAPictureOfItsOwn) {
  TBitmap strip = LoadedStrip();
  for (int a = 0; a < 64; ++a)
    for (int b = a + 1; b < 64; ++b) {
      int differing = 0;
      for (int y = 0; y < 25; ++y)
        for (int x = 0; x < 25; ++x)
          differing += ChannelDistance(TilePixel(strip, a, x, y), TilePixel(strip, b, x, y)) > 40;
      EXPECT_GE(differing, 30) << a << " and " << b;
    }
}

// Sand is warm (far more red than blue); water, the shallow band and the
// surf line are not.
bool IsSand(TPixel p) { return int(p >> 16 & 0xFF) > int(p & 0xFF) + 40; }

// Which corners of each ground and shore tile are sand, upper row then
// lower row: a rounded quarter where one corner differs, a half where two
// neighbouring corners do.
struct TShoreCase {
  int Code;
  const char* Corners;
};

const TShoreCase ShoreCases[] = {
    {0, "../.."}, {1, "##/##"},  {2, ".#/.."},  {3, "##/.#"},  {4, "#./.."},  {5, "../.#"},  {6, "#./##"},
    {7, ".#/##"}, {8, "##/#."},  {9, "#./#."},  {10, ".#/.#"}, {11, "##/.."}, {12, "../##"}, {13, "../#."},
};

bool CornerIsSand(const TShoreCase& c, bool right, bool lower) {
  return c.Corners[(lower ? 3 : 0) + (right ? 1 : 0)] == '#';
}

// The 25 pixels along one edge, from its upper or left end.
std::vector<bool> EdgeSand(const TBitmap& strip, int code, char edge) {
  std::vector<bool> sand;
  for (int i = 0; i < 25; ++i) {
    int x = edge == 'L' ? 0 : edge == 'R' ? 24 : i;
    int y = edge == 'T' ? 0 : edge == 'B' ? 24 : i;
    sand.push_back(IsSand(TilePixel(strip, code, x, y)));
  }
  return sand;
}

class ShoreTileTest : public testing::TestWithParam<TShoreCase> {};

// Along each edge: all sand between two sand corners, no sand between two
// water corners, and where the corners differ, sand from the sand corner
// to the middle of the edge, so the line meets every neighbour there.
TEST_P(ShoreTileTest, EdgesAreSandWhereTheCornersSaySo) {
  const TShoreCase& c = GetParam();
  TBitmap strip = LoadedStrip();
  struct TEdge {
    char Name;
    bool StartRight, StartLower, EndRight, EndLower;
  };
  for (TEdge edge : {TEdge{'T', false, false, true, false}, TEdge{'B', false, true, true, true},
                     TEdge{'L', false, false, false, true}, TEdge{'R', true, false, true, true}}) {
    bool startSand = CornerIsSand(c, edge.StartRight, edge.StartLower);
    bool endSand = CornerIsSand(c, edge.EndRight, edge.EndLower);
    std::vector<bool> sand = EdgeSand(strip, c.Code, edge.Name);
    int count = int(std::count(sand.begin(), sand.end(), true));
    if (startSand == endSand) {
      EXPECT_EQ(count, startSand ? 25 : 0) << "tile " << c.Code << " edge " << edge.Name;
      continue;
    }
    EXPECT_GE(count, 11) << "tile " << c.Code << " edge " << edge.Name;
    EXPECT_LE(count, 13) << "tile " << c.Code << " edge " << edge.Name;
    EXPECT_EQ(sand.front(), startSand) << "tile " << c.Code << " edge " << edge.Name;
    EXPECT_EQ(sand.back(), endSand) << "tile " << c.Code << " edge " << edge.Name;
  }
}

INSTANTIATE_TEST_SUITE_P(Codes, ShoreTileTest, testing::ValuesIn(ShoreCases),
                         [](const testing::TestParamInfo<TShoreCase>& info) { return "Code" + std::to_string(info.param.Code); });

// Any two pieces whose touching corners agree join: the last column (row)
// of one and the first of the other have sand and water in the same rows
// (columns), give or take a pixel where the line crosses.
TEST(StoredImagesTest, ShorePiecesWithMatchingCornersJoinWithoutASeam) {
  TBitmap strip = LoadedStrip();
  int pairs = 0;
  for (const TShoreCase& a : ShoreCases)
    for (const TShoreCase& b : ShoreCases) {
      bool sideBySide = CornerIsSand(a, true, false) == CornerIsSand(b, false, false) &&
                        CornerIsSand(a, true, true) == CornerIsSand(b, false, true);
      bool aboveBelow = CornerIsSand(a, false, true) == CornerIsSand(b, false, false) &&
                        CornerIsSand(a, true, true) == CornerIsSand(b, true, false);
      for (bool horizontal : {true, false}) {
        if (horizontal ? !sideBySide : !aboveBelow) continue;
        std::vector<bool> first = EdgeSand(strip, a.Code, horizontal ? 'R' : 'B');
        std::vector<bool> second = EdgeSand(strip, b.Code, horizontal ? 'L' : 'T');
        int mismatches = 0;
        for (int i = 0; i < 25; ++i) mismatches += first[i] != second[i];
        EXPECT_LE(mismatches, 1) << a.Code << (horizontal ? " left of " : " above ") << b.Code;
        ++pairs;
      }
    }
  EXPECT_GT(pairs, 0);
}

// 27 is plain sand (tile 1) inside a border of dots on every other pixel.
TEST(StoredImagesTest, DottedBorderTileIsSandWithWhiteDotsAlongItsEdges) {
  TBitmap strip = LoadedStrip();
  for (int y = 0; y < 25; ++y)
    for (int x = 0; x < 25; ++x) {
      bool edge = x == 0 || y == 0 || x == 24 || y == 24;
      TPixel pixel = TilePixel(strip, 27, x, y);
      bool dot = edge && (x + y) % 2 == 0;
      if (dot) {
        ASSERT_GE(std::min({pixel >> 16 & 0xFF, pixel >> 8 & 0xFF, pixel & 0xFF}), 240u) << x << "," << y;
      } else {
        ASSERT_EQ(pixel, TilePixel(strip, 1, x, y)) << x << "," << y;
      }
    }
}

// The objects of several cells, as the landscape lays them: codes row by
// row from the top left.
struct TObjectCase {
  int Columns;
  std::vector<int> Codes;
};

const std::vector<TObjectCase> Objects = {
    {1, {29, 28}},         {1, {31, 30}},         {1, {33, 32}},         {1, {39, 38}},
    {2, {34, 35}},         {2, {36, 37}},         {2, {42, 43, 40, 41}}, {2, {46, 47, 44, 45}},
    {2, {50, 51, 48, 49}}, {2, {54, 55, 52, 53}}, {2, {58, 59, 56, 57}}, {2, {62, 63, 60, 61}},
};

TBitmap Assemble(const TBitmap& strip, const TObjectCase& object) {
  int rows = int(object.Codes.size()) / object.Columns;
  TBitmap whole(25 * object.Columns, 25 * rows);
  for (size_t i = 0; i < object.Codes.size(); ++i)
    whole.CopyFrom(strip, RectOfSize(25 * object.Codes[i], 0, 25, 25),
                   {25 * (int(i) % object.Columns), 25 * (int(i) / object.Columns)});
  return whole;
}

// Plants and stones stand on sand, objects on the grassy sand of tile 25:
// at the outer corners of a picture the ground shows, exactly as on the
// plain ground tile, so they sit seamlessly among those tiles.
TEST(StoredImagesTest, PicturesStandOnSandAndObjectsOnGrassySand) {
  TBitmap strip = LoadedStrip();
  for (int code = 14; code <= 26; ++code) {
    if (code == 25) continue;
    for (int x : {0, 24})
      for (int y : {0, 24})
        EXPECT_EQ(TilePixel(strip, code, x, y), TilePixel(strip, 1, x, y)) << code << " at " << x << "," << y;
  }
  for (const TObjectCase& object : Objects) {
    TBitmap whole = Assemble(strip, object);
    for (int x : {0, whole.Width() - 1})
      for (int y : {0, whole.Height() - 1})
        EXPECT_EQ(whole.At(x, y), TilePixel(strip, 25, x % 25, y % 25)) << object.Codes[0] << " at " << x << "," << y;
  }
}

// Whether each pixel along the cut of `whole` before `at` (a column when
// `vertical`, else a row) shows part of the object rather than the grassy
// ground of tile 25 at that place.
std::vector<bool> ObjectAlongCut(const TBitmap& strip, const TBitmap& whole, int at, bool vertical) {
  std::vector<bool> object;
  int length = vertical ? whole.Height() : whole.Width();
  for (int i = 0; i < length; ++i) {
    int x = vertical ? at : i, y = vertical ? i : at;
    object.push_back(ChannelDistance(whole.At(x, y), TilePixel(strip, 25, x % 25, y % 25)) > 40);
  }
  return object;
}

// Object pixels of `side` with no object pixel facing them (or diagonally
// next to that) on `other`.
int Unmatched(const std::vector<bool>& side, const std::vector<bool>& other) {
  int count = 0, n = int(side.size());
  for (int i = 0; i < n; ++i)
    if (side[i] && !(other[i] || (i > 0 && other[i - 1]) || (i + 1 < n && other[i + 1]))) ++count;
  return count;
}

// The cells of an object make one picture: its parts reach across every
// cut between cells, and what leaves one cell goes on in the next.
TEST(StoredImagesTest, ObjectCellsJoinIntoOnePicture) {
  TBitmap strip = LoadedStrip();
  for (const TObjectCase& object : Objects) {
    TBitmap whole = Assemble(strip, object);
    for (bool vertical : {true, false}) {
      if ((vertical ? whole.Width() : whole.Height()) == 25) continue;
      std::vector<bool> before = ObjectAlongCut(strip, whole, 24, vertical);
      std::vector<bool> after = ObjectAlongCut(strip, whole, 25, vertical);
      int parts = int(std::count(before.begin(), before.end(), true) + std::count(after.begin(), after.end(), true));
      const char* cut = vertical ? " left|right" : " upper/lower";
      EXPECT_GE(parts, 6) << object.Codes[0] << cut;
      EXPECT_LE(5 * (Unmatched(before, after) + Unmatched(after, before)), parts) << object.Codes[0] << cut;
    }
  }
}

TEST(StoredImagesTest, SectorFrameIsAWhiteBorderAroundTheKeyColour) {
  TDXImageList list;
  LoadStoredImages(list);
  const TBitmap& frame = list.Items[1].Picture;
  ASSERT_EQ(frame.Width(), 350);
  ASSERT_EQ(frame.Height(), 350);
  for (int y = 0; y < 350; ++y)
    for (int x = 0; x < 350; ++x) {
      bool border = x == 0 || y == 0 || x == 349 || y == 349;
      ASSERT_EQ(frame.At(x, y), border ? White : Key) << "at " << x << "," << y;
    }
}

}  // namespace
