#include <gtest/gtest.h>

#include "render/picture_collection.h"
#include "tests/support/app_harness.h"

namespace {

TEST(MapGrid, CellsAreAddressedRowByRowWithAStrideOf99) {
  TAppHarness h(false);
  TMain& m = h.Form();
  struct TCase {
    int X, Y, Element;
  };
  const TCase cases[] = {{0, 0, 0}, {98, 0, 98}, {0, 1, 99}, {98, 98, 9800}, {5, 3, 302}};
  for (const TCase& c : cases) {
    m.Map.fill(0);
    m.Map[c.Element] = 200;
    EXPECT_EQ(m.GetCell(c.X, c.Y), 200);
    m.SetCell(c.X, c.Y, 17);
    EXPECT_EQ(m.Map[c.Element], 17);
  }
}

TEST(MapGrid, SetCellStoresTheLowEightBits) {
  TAppHarness h(false);
  TMain& m = h.Form();
  const std::pair<int, int> cases[] = {{0, 0}, {255, 255}, {-1, 255}, {300, 44}, {256, 0}, {-256, 0}, {99, 99}};
  for (auto [code, stored] : cases) {
    m.SetCell(40, 60, code);
    EXPECT_EQ(m.GetCell(40, 60), stored) << code;
  }
  for (int code = 0; code < 256; ++code) {
    m.SetCell(code % 99, code / 3, code);
    ASSERT_EQ(m.GetCell(code % 99, code / 3), code);
  }
}

TEST(MapGrid, ResetMapClearsTheGridAndKeepsWhatItDoesNotOwn) {
  TAppHarness h;
  TMain& m = h.Form();
  m.Map.fill(9);
  m.ScrollX = 40;
  m.ScrollY = 50;
  m.CurrentGround = 23;
  m.Label1->SetCaption("14");
  m.scrGorizontal->SetPosition(300);
  m.ResetMap(98, 98, 1);
  for (uint8_t cell : m.Map) ASSERT_EQ(cell, 0);
  EXPECT_EQ(m.ScrollX, 0);
  EXPECT_EQ(m.ScrollY, 0);
  EXPECT_EQ(m.CurrentGround, 23);
  EXPECT_EQ(m.Label1->Caption(), "14");
  EXPECT_EQ(m.scrGorizontal->Position(), 300);
  EXPECT_EQ(m.scrGorizontal->Max(), 1753);
}

TEST(MapGrid, ResetMapStopsAtAMissingTileImage) {
  TAppHarness h;
  TMain& m = h.Form();
  m.ImageList->Items[0].SetName("renamed");
  m.DXTimer1->SetEnabled(false);
  m.scrVertical->SetMax(500);
  m.Map.fill(3);
  m.ScrollX = 12;
  try {
    m.ResetMap(98, 98, 1);
    FAIL() << "no exception";
  } catch (const EPictureCollectionError& e) {
    EXPECT_EQ(e.Message, "Image '25х25' not found");
  }
  // Cleared, named and scrolled to the origin; the rest as it was.
  EXPECT_EQ(m.GetCell(50, 50), 0);
  EXPECT_EQ(m.TileSetName, "25х25");
  EXPECT_EQ(m.ScrollX, 0);
  EXPECT_EQ(m.TileW, 25);
  EXPECT_EQ(m.scrVertical->Max(), 500);
  EXPECT_FALSE(m.DXTimer1->Enabled());
}

TEST(ImageLookup, CapitalCyrillicHaFindsTheStripAndLatinXDoesNot) {
  TAppHarness h(false);
  TPictureCollection& items = h.Form().ImageList->Items;
  EXPECT_EQ(&items.Find("25Х25"), &items[0]);
  EXPECT_EQ(items.Find("25х25").PatternWidth, 25);
  try {
    items.Find("25x25");
    FAIL() << "no exception";
  } catch (const EPictureCollectionError& e) {
    EXPECT_EQ(e.Message, "Image '25x25' not found");
  }
}

}  // namespace
