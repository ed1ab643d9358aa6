#include "render/stored_images.h"

#include <gtest/gtest.h>

namespace {

constexpr TPixel kKey = PixelOf(clFuchsia);
constexpr TPixel kWhite = PixelOf(clWhite);

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
                                         TStoredCase{1, "350\u0445" "350", 350, 350, 350}));

TEST(StoredImagesTest, TileStripHasNoKeyColour) {
  TDXImageList list;
  LoadStoredImages(list);
  const TBitmap& strip = list.Items[0].Picture;
  ASSERT_EQ(strip.Width(), 1600);
  ASSERT_EQ(strip.Height(), 25);
  for (int y = 0; y < strip.Height(); ++y)
    for (int x = 0; x < strip.Width(); ++x) ASSERT_NE(strip.At(x, y), kKey) << "at " << x << "," << y;
}

// Each tile shows a colour of its own, so codes can be told apart on screen.
TEST(StoredImagesTest, EveryTileHasItsOwnBackground) {
  TDXImageList list;
  LoadStoredImages(list);
  const TBitmap& strip = list.Items[0].Picture;
  for (int a = 0; a < 64; ++a)
    for (int b = a + 1; b < 64; ++b) EXPECT_NE(strip.At(25 * a, 0), strip.At(25 * b, 0)) << a << " and " << b;
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
      ASSERT_EQ(frame.At(x, y), border ? kWhite : kKey) << "at " << x << "," << y;
    }
}

}  // namespace
