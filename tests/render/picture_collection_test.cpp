#include "render/picture_collection.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "render/name_key.h"
#include "render/pattern_count.h"
#include "render/stored_images.h"

namespace {

// The lookup as the editor uses it, on the list its window loads.
struct TLookupCase {
  std::string Name;
  int ExpectedIndex;  // -1: the lookup raises
};

class StoredLookupTest : public testing::TestWithParam<TLookupCase> {
 protected:
  void SetUp() override { LoadStoredImages(List); }
  TDXImageList List;
};

TEST_P(StoredLookupTest, FindsByNameIgnoringCaseOrRaisesWithTheName) {
  const TLookupCase& c = GetParam();
  if (c.ExpectedIndex >= 0) {
    EXPECT_EQ(&List.Items.Find(c.Name), &List.Items[c.ExpectedIndex]);
    return;
  }
  try {
    List.Items.Find(c.Name);
    FAIL() << "no exception for '" << c.Name << "'";
  } catch (const EPictureCollectionError& error) {
    EXPECT_EQ(error.Message, "Image '" + c.Name + "' not found");
    EXPECT_STREQ(error.ClassName(), "EPictureCollectionError");
  }
}

// "25x25" and "25a25" fall into the bucket of "25х25" and are told apart by
// the comparison.
INSTANTIATE_TEST_SUITE_P(Cases, StoredLookupTest,
                         testing::Values(TLookupCase{"25\u044525", 0},     // х, as stored
                                         TLookupCase{"25\u042525", 0},     // Х, capital Kha
                                         TLookupCase{"350\u0445350", 1},   //
                                         TLookupCase{"350\u0425350", 1},   //
                                         TLookupCase{"25x25", -1},         // Latin x
                                         TLookupCase{"25a25", -1},         //
                                         TLookupCase{"250\u0445250", -1},  // named by the editor, never an item
                                         TLookupCase{"", -1},              //
                                         TLookupCase{"25\u044525 ", -1},   // the whole text must match
                                         TLookupCase{"25\u04452", -1}));

TEST(PictureCollectionTest, MostRecentlyNamedWinsAndRenamingMovesTheItem) {
  TPictureCollection items;
  TPictureCollectionItem& first = items.Add();
  TPictureCollectionItem& second = items.Add();
  first.SetName("Tile");
  second.SetName("TILE");
  EXPECT_EQ(&items.Find("tile"), &second);

  first.SetName("tile");  // named again with an equal name: now the latest
  EXPECT_EQ(&items.Find("TiLe"), &first);

  first.SetName("frame");
  EXPECT_EQ(&items.Find("tile"), &second);
  EXPECT_EQ(&items.Find("Frame"), &first);
  EXPECT_EQ(first.Name(), "frame");

  second.SetName("other");
  EXPECT_THROW(items.Find("tile"), EPictureCollectionError);
}

// Names of two characters share a bucket when they start alike, since the
// second-to-last character is then the first one again.
TEST(PictureCollectionTest, TheFullNameDecidesWithinABucket) {
  ASSERT_EQ(NameBucket(FoldedName("ab")), NameBucket(FoldedName("ac")));
  TPictureCollection items;
  TPictureCollectionItem& ab = items.Add();
  TPictureCollectionItem& ac = items.Add();
  ab.SetName("ab");
  ac.SetName("ac");
  EXPECT_EQ(&items.Find("AB"), &ab);
  EXPECT_EQ(&items.Find("AC"), &ac);
  EXPECT_THROW(items.Find("ad"), EPictureCollectionError);
}

TEST(PictureCollectionTest, AnItemNeverNamedHasTheEmptyName) {
  TPictureCollection items;
  EXPECT_THROW(items.Find(""), EPictureCollectionError);
  TPictureCollectionItem& unnamed = items.Add();
  items.Add().SetName("named");
  EXPECT_EQ(&items.Find(""), &unnamed);
  unnamed.SetName("x");
  EXPECT_THROW(items.Find(""), EPictureCollectionError);
}

TEST(PictureCollectionTest, ReloadingReplacesTheItemsAndTheirIndex) {
  TDXImageList list;
  LoadStoredImages(list);
  LoadStoredImages(list);
  ASSERT_EQ(list.Items.Count(), 2);
  EXPECT_EQ(&list.Items.Find(TileStripName), &list.Items[0]);
  EXPECT_EQ(&list.Items.Find(SectorFrameName), &list.Items[1]);

  // Stale entries in the index would still be found here.
  list.Items.Clear();
  EXPECT_EQ(list.Items.Count(), 0);
  EXPECT_THROW(list.Items.Find(TileStripName), EPictureCollectionError);
}

TEST(PictureCollectionTest, AnIndexOutsideTheListRaises) {
  TPictureCollection items;
  items.Add();
  EXPECT_NO_THROW(items[0]);
  EXPECT_THROW(items[1], EPictureCollectionError);
  EXPECT_THROW(items.Items(-1), EPictureCollectionError);
}

TEST(PictureCollectionItemTest, StartsWithTheDefaultsOfTheLayout) {
  TPictureCollection items;
  const TPictureCollectionItem& item = items.Add();
  EXPECT_EQ(item.Name(), "");
  EXPECT_EQ(item.PatternWidth, 0);
  EXPECT_EQ(item.PatternHeight, 0);
  EXPECT_EQ(item.SkipWidth, 0);
  EXPECT_EQ(item.SkipHeight, 0);
  EXPECT_FALSE(item.SystemMemory);
  EXPECT_TRUE(item.Transparent);
  EXPECT_EQ(item.TransparentColor, clBlack);
  EXPECT_EQ(item.Picture.Width(), 0);
}

struct TSizeCase {
  int PatternWidth, PatternHeight;
  int ExpectedWidth, ExpectedHeight;  // of a 1600 x 25 picture
};

class ItemSizeTest : public testing::TestWithParam<TSizeCase> {};

TEST_P(ItemSizeTest, IsThePatternSizeWhenPositiveElseThePicture) {
  TPictureCollection items;
  TPictureCollectionItem& item = items.Add();
  item.Picture = TBitmap(1600, 25);
  item.PatternWidth = GetParam().PatternWidth;
  item.PatternHeight = GetParam().PatternHeight;
  EXPECT_EQ(item.Width(), GetParam().ExpectedWidth);
  EXPECT_EQ(item.Height(), GetParam().ExpectedHeight);
  // Whatever the picture, the properties read back what was stored.
  EXPECT_EQ(item.PatternWidth, GetParam().PatternWidth);
}

INSTANTIATE_TEST_SUITE_P(Cases, ItemSizeTest,
                         testing::Values(TSizeCase{25, 25, 25, 25}, TSizeCase{0, 0, 1600, 25},
                                         TSizeCase{-7, 10, 1600, 10}, TSizeCase{3000, 50, 3000, 50}));

struct TPatternCase {
  int PictureWidth, PictureHeight, Width, Height, SkipWidth, SkipHeight;
  int Expected;
};

class PatternCountTest : public testing::TestWithParam<TPatternCase> {};

TEST_P(PatternCountTest, CountsWholePatterns) {
  const TPatternCase& c = GetParam();
  EXPECT_EQ(PatternCount(c.PictureWidth, c.PictureHeight, c.Width, c.Height, c.SkipWidth, c.SkipHeight), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PatternCountTest,
    testing::Values(TPatternCase{1600, 25, 25, 25, 0, 0, 64},     // the tile strip
                    TPatternCase{1610, 25, 25, 25, 0, 0, 64},     // a partial pattern does not count
                    TPatternCase{350, 350, 350, 350, 0, 0, 1},    // the sector frame
                    TPatternCase{85, 25, 25, 25, 5, 0, 3},        // 25 + 5 + 25 + 5 + 25
                    TPatternCase{84, 25, 25, 25, 5, 0, 2},        // one pixel short of the third
                    TPatternCase{85, 55, 25, 25, 5, 5, 6},        // skips both ways
                    TPatternCase{100, 100, 30, 30, -5, -5, 9},    // overlapping patterns at 0, 25, 50
                    TPatternCase{24, 25, 25, 25, 0, 0, 0},        // narrower than one pattern
                    TPatternCase{0, 0, 0, 0, 0, 0, 0},            // no picture: nothing to divide by
                    TPatternCase{100, 100, 10, 10, -10, 0, 0},    // a step of 0
                    TPatternCase{100, 100, 10, 10, -20, 0, 0},    // a backward step
                    TPatternCase{INT_MAX, INT_MAX, 1, 1, 0, 0, INT_MAX}));  // saturates

TEST(PictureCollectionItemTest, StoredItemsCountTheirPatterns) {
  TDXImageList list;
  LoadStoredImages(list);
  EXPECT_EQ(list.Items.Find(TileStripName).PatternCount(), 64);
  EXPECT_EQ(list.Items.Find(SectorFrameName).PatternCount(), 1);
}

}  // namespace
