#include "controls/status_bar.h"

#include <gtest/gtest.h>

#include "tests/controls/controls_fixture.h"

namespace {

// StatusBar1: 1006 x 19 at (0, 632), two panels of width 100.
class StatusBarTest : public TControlsTest {
 protected:
  void SetUp() override {
    TControlsTest::SetUp();
    Bar = std::make_unique<TStatusBar>(*Form, "StatusBar1", RectOfSize(0, 632, 1006, 19));
    Bar->Panels = {{"Cell X/Y:", 100}, {"Cursor X/Y:", 100}};
    Settle();
  }
  void TearDown() override { Bar.reset(); }

  std::unique_ptr<TStatusBar> Bar;
};

TEST_F(StatusBarTest, PanelsSitSideBySideDividedByALine) {
  EXPECT_EQ(Bar->Font, Theme::WindowFont());
  EXPECT_EQ(Bar->PanelRect(0), (TRect{0, 0, 100, 19}));
  // The last panel reaches to the right edge.
  EXPECT_EQ(Bar->PanelRect(1), (TRect{100, 0, 1006, 19}));
  EXPECT_EQ(PixelAt(99, 632 + 10), PixelOf(Theme::StatusDivider));
  EXPECT_EQ(PixelAt(98, 632 + 10), PixelOf(Theme::StatusBar));
  EXPECT_EQ(PixelAt(100, 632 + 10), PixelOf(Theme::StatusBar));
  EXPECT_EQ(PixelAt(1005, 632 + 10), PixelOf(Theme::StatusBar));
}

TEST_F(StatusBarTest, NewTextShowsAtTheNextPaintOfItsPanelOnly) {
  TBitmap before = Snapshot(RectOfSize(0, 632, 100, 19));
  Bar->SetPanelText(0, "Cell X/Y: 12/34");
  EXPECT_EQ(Bar->Panels[0].Text, "Cell X/Y: 12/34");
  EXPECT_TRUE(Same(Snapshot(RectOfSize(0, 632, 100, 19)), before));
  std::vector<TMessage> messages = H.Pump();
  ASSERT_EQ(CountOf(messages, WM_PAINT, Bar.get()), 1u);
  for (const TMessage& m : messages) {
    if (m.Msg == WM_PAINT) {
      EXPECT_EQ(m.Update, (TRect{0, 0, 100, 19}));
    }
  }
  EXPECT_FALSE(Same(Snapshot(RectOfSize(0, 632, 100, 19)), before));
}

TEST_F(StatusBarTest, SameTextDoesNothing) {
  Bar->SetPanelText(1, "Cursor X/Y:");
  Bar->SetPanelText(7, "no such panel");
  EXPECT_TRUE(H.Pump().empty());
}

TEST_F(StatusBarTest, TextStaysInsideItsPanel) {
  Bar->SetPanelText(0, std::string(60, 'W'));
  H.Pump();
  for (int y = 633; y < 651; ++y) {
    EXPECT_EQ(PixelAt(99, y), PixelOf(Theme::StatusDivider)) << y;
    EXPECT_EQ(PixelAt(100, y), PixelOf(Theme::StatusBar)) << y;
  }
}

}  // namespace
