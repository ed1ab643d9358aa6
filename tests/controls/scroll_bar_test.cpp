#include "controls/scroll_bar.h"

#include <gtest/gtest.h>

#include "tests/controls/controls_fixture.h"

namespace {

// The editor's horizontal bar after the map grid's reset: 697 x 19 at
// (288, 608), 0..1753; its track runs from x 17 to 680, the thumb is 40 long
// and travels 623 pixels.
class ScrollBarTest : public TControlsTest {
 protected:
  static constexpr int BarLeft = 288, BarTop = 608, Middle = 9;

  void SetUp() override {
    TControlsTest::SetUp();
    Bar = std::make_unique<TbsSkinScrollBar>(*Form, "scrGorizontal", RectOfSize(BarLeft, BarTop, 697, 19),
                                             sbHorizontal);
    Bar->SetMax(1753);
    Bar->OnChange = [this](TComponent* sender) {
      EXPECT_EQ(sender, Bar.get());
      Changes.push_back(Bar->Position());
    };
    Settle();
  }
  void TearDown() override { Bar.reset(); }

  // Form coordinates of a point given along the bar and across it.
  int X(int along) const { return BarLeft + along; }
  int Y(int across = Middle) const { return BarTop + across; }
  void PressBar(int along, int across = Middle) { Press(X(along), Y(across)); H.Pump(); }
  void MoveOnBar(int along, int across = Middle) { MoveTo(X(along), Y(across)); H.Pump(); }
  void ReleaseOnBar(int along, int across = Middle) { Release(X(along), Y(across)); H.Pump(); }
  bool Repeating() { return H.Manager.HasTimer(Bar.get(), TbsSkinScrollBar::RepeatTimer); }

  std::unique_ptr<TbsSkinScrollBar> Bar;
  std::vector<int> Changes;
};

constexpr int DecreaseArrow = 8, IncreaseArrow = 688;

TEST_F(ScrollBarTest, StartsWithTheLayoutValues) {
  TbsSkinScrollBar fresh(*Form, "scrVertical", RectOfSize(984, 32, 19, 577), sbVertical);
  EXPECT_EQ(fresh.Kind(), sbVertical);
  EXPECT_EQ(fresh.Min(), 0);
  EXPECT_EQ(fresh.Max(), 100);
  EXPECT_EQ(fresh.Position(), 0);
  EXPECT_EQ(fresh.SmallChange(), 1);
  EXPECT_EQ(fresh.LargeChange(), 1);
  EXPECT_EQ(fresh.PageSize(), 0);
  EXPECT_FALSE(fresh.CanFocused());
  EXPECT_FALSE(fresh.TabStop);
}

TEST_F(ScrollBarTest, PositionOutsideTheRangeStoresTheNearerBound) {
  Bar->SetPosition(-5);  // Min, which it already holds
  EXPECT_EQ(Bar->Position(), 0);
  EXPECT_TRUE(Changes.empty());
  Bar->SetPosition(5000);
  EXPECT_EQ(Bar->Position(), 1753);
  EXPECT_EQ(Changes, std::vector<int>{1753});
  Bar->SetPosition(9999);
  Bar->SetPosition(1753);
  EXPECT_EQ(Changes.size(), 1u);
  Bar->SetPosition(-100);
  EXPECT_EQ(Changes, (std::vector<int>{1753, 0}));
}

TEST_F(ScrollBarTest, OnChangeRunsAfterTheThumbIsDrawnAtItsNewPlace) {
  // The thumb at 1753 covers x 640..680 of the bar.
  EXPECT_EQ(PixelAt(X(660), Y()), PixelOf(Theme::ScrollTrack));
  TPixel seen = 0;
  Bar->OnChange = [&](TComponent*) { seen = PixelAt(X(660), Y()); };
  Bar->SetPosition(1753);
  EXPECT_EQ(seen, PixelOf(Theme::ScrollThumb));
}

TEST_F(ScrollBarTest, MaxBelowPositionPullsItDownWithoutOnChange) {
  Bar->SetPosition(1000);
  Changes.clear();
  Bar->SetMax(500);
  EXPECT_EQ(Bar->Max(), 500);
  EXPECT_EQ(Bar->Position(), 500);
  EXPECT_TRUE(Changes.empty());
  // Drawn at once: the thumb now sits at the end of the track.
  EXPECT_EQ(PixelAt(X(660), Y()), PixelOf(Theme::ScrollThumb));
  // A maximum above Position leaves it where it was.
  Bar->SetMax(1753);
  EXPECT_EQ(Bar->Position(), 500);
  EXPECT_TRUE(Changes.empty());
}

TEST_F(ScrollBarTest, MinAbovePositionRaisesItWithoutOnChange) {
  Bar->SetPosition(10);
  Changes.clear();
  Bar->SetMin(20);
  EXPECT_EQ(Bar->Min(), 20);
  EXPECT_EQ(Bar->Position(), 20);
  EXPECT_TRUE(Changes.empty());
}

TEST_F(ScrollBarTest, ChangesAreStoredAndUsedByTheNextStep) {
  Bar->SetSmallChange(5);
  Bar->SetLargeChange(100);
  EXPECT_EQ(Bar->SmallChange(), 5);
  EXPECT_EQ(Bar->LargeChange(), 100);
  EXPECT_TRUE(Changes.empty());
  PressBar(IncreaseArrow);
  ReleaseOnBar(IncreaseArrow);
  PressBar(600);
  ReleaseOnBar(600);
  EXPECT_EQ(Changes, (std::vector<int>{5, 105}));
}

TEST_F(ScrollBarTest, HeldArrowStepsAtOnceThenAfter550AndEvery50Ms) {
  PressBar(IncreaseArrow);
  EXPECT_EQ(Bar->Position(), 1);
  Wait(499);
  EXPECT_EQ(Bar->Position(), 1);
  Wait(1);  // the first tick only switches to the fast rate
  EXPECT_EQ(Bar->Position(), 1);
  Wait(49);
  EXPECT_EQ(Bar->Position(), 1);
  Wait(1);  // 550 ms
  EXPECT_EQ(Bar->Position(), 2);
  Wait(50);
  EXPECT_EQ(Bar->Position(), 3);
  Wait(50);
  EXPECT_EQ(Bar->Position(), 4);
  ReleaseOnBar(IncreaseArrow);
  EXPECT_FALSE(Repeating());
  Wait(1000);
  EXPECT_EQ(Changes, (std::vector<int>{1, 2, 3, 4}));
}

TEST_F(ScrollBarTest, DecreaseArrowStepsBack) {
  Bar->SetPosition(100);
  Changes.clear();
  PressBar(DecreaseArrow);
  Wait(500);
  Wait(50);
  Wait(50);
  ReleaseOnBar(DecreaseArrow);
  EXPECT_EQ(Changes, (std::vector<int>{99, 98, 97}));
}

TEST_F(ScrollBarTest, HoldingAnArrowAtTheEndChangesNothingThoughItTicks) {
  Bar->SetPosition(1753);
  Changes.clear();
  PressBar(IncreaseArrow);
  size_t ticks = 0;
  for (int i = 0; i < 20; ++i) ticks += CountOf(Wait(50), WM_TIMER, Bar.get());
  EXPECT_EQ(ticks, 11u);  // at 500, then every 50 ms from 550 to 1000
  EXPECT_EQ(Bar->Position(), 1753);
  EXPECT_TRUE(Changes.empty());
  ReleaseOnBar(IncreaseArrow);

  PressBar(600);  // the track before the thumb pages back; the other way round too
  ReleaseOnBar(600);
  Bar->SetPosition(0);
  Changes.clear();
  PressBar(DecreaseArrow);
  Wait(500);
  Wait(50);
  Wait(50);
  EXPECT_TRUE(Changes.empty());
}

TEST_F(ScrollBarTest, PointerOffTheArrowPausesTheRepeatUntilItComesBack) {
  PressBar(IncreaseArrow);
  Wait(500);
  Wait(50);
  EXPECT_EQ(Bar->Position(), 2);
  MoveOnBar(600);  // onto the track: paused
  EXPECT_TRUE(Bar->RepeatPaused());
  Wait(1000);
  EXPECT_EQ(Bar->Position(), 2);
  MoveOnBar(IncreaseArrow, 3);  // back: the 50 ms rate at once
  Wait(49);
  EXPECT_EQ(Bar->Position(), 2);
  Wait(1);
  EXPECT_EQ(Bar->Position(), 3);
  Wait(50);
  EXPECT_EQ(Bar->Position(), 4);
  MoveTo(X(IncreaseArrow), Y(-30));  // above the arrow, off the bar
  H.Pump();
  Wait(500);
  EXPECT_EQ(Bar->Position(), 4);
  ReleaseOnBar(IncreaseArrow);
  Wait(500);
  EXPECT_EQ(Bar->Position(), 4);
}

TEST_F(ScrollBarTest, PauseDuringTheFirstWaitStillOwesTheSwitchTick) {
  PressBar(IncreaseArrow);
  Wait(100);
  MoveOnBar(600);
  Wait(1000);
  MoveOnBar(IncreaseArrow);
  Wait(50);  // the tick that switches to the fast rate
  EXPECT_EQ(Bar->Position(), 1);
  Wait(50);
  EXPECT_EQ(Bar->Position(), 2);
}

TEST_F(ScrollBarTest, HeldTrackPressPagesUntilTheThumbReachesThePointer) {
  // The thumb covers 17..57; the pointer at 60 lies beyond its trailing edge.
  PressBar(60);
  EXPECT_EQ(Bar->Position(), 1);
  Wait(500);
  EXPECT_EQ(Bar->Position(), 1);
  Wait(49);
  EXPECT_EQ(Bar->Position(), 1);
  Wait(1);  // 550 ms
  EXPECT_EQ(Bar->Position(), 2);
  for (int expected = 3; expected <= 10; ++expected) {
    Wait(50);
    EXPECT_EQ(Bar->Position(), expected);
  }
  // At 10 the thumb (offset round(3.55) = 4) covers 21..61, the pointer included.
  EXPECT_EQ(Bar->Geometry().ThumbEnd(), 61);
  Wait(50);
  EXPECT_EQ(Bar->Position(), 10);
  EXPECT_FALSE(Repeating());
  Wait(2000);  // the button is still held
  EXPECT_EQ(Bar->Position(), 10);
  EXPECT_EQ(Changes.size(), 10u);
  ReleaseOnBar(60);
  EXPECT_EQ(Bar->Position(), 10);
}

TEST_F(ScrollBarTest, PagingBackGoesOnOutsideTheBarWhileThePointerIsBeforeTheThumb) {
  Bar->SetPosition(1000);  // thumb at offset 355: 372..412
  Changes.clear();
  PressBar(100);
  EXPECT_EQ(Bar->Position(), 999);
  MoveOnBar(100, -50);  // above the bar
  Wait(500);
  Wait(50);
  Wait(50);
  EXPECT_EQ(Changes, (std::vector<int>{999, 998, 997}));
  ReleaseOnBar(100, -50);
}

TEST_F(ScrollBarTest, PagingForwardEndsWhenThePointerLeavesTheBar) {
  Bar->SetPosition(1000);
  Changes.clear();
  PressBar(600);
  EXPECT_EQ(Bar->Position(), 1001);
  MoveOnBar(600, 25);  // below the bar
  EXPECT_FALSE(Repeating());
  Wait(1000);
  MoveOnBar(600);  // back on the bar: the press stays held
  Wait(1000);
  EXPECT_EQ(Changes, std::vector<int>{1001});
  ReleaseOnBar(600);
}

TEST_F(ScrollBarTest, DraggingTheThumbPastEitherEndGivesExactlyMinOrMax) {
  PressBar(30);  // on the thumb
  EXPECT_TRUE(Bar->Dragging());
  EXPECT_TRUE(Changes.empty());
  MoveOnBar(130);  // 100 pixels: round(1753 x 100 / 623) = round(281.38)
  EXPECT_EQ(Bar->Position(), 281);
  MoveOnBar(130, 200);  // across the axis, far below the bar: no change
  EXPECT_EQ(Bar->Position(), 281);
  MoveOnBar(-400);
  EXPECT_EQ(Bar->Position(), 0);
  MoveOnBar(1400, -300);
  EXPECT_EQ(Bar->Position(), 1753);
  MoveOnBar(5000);
  EXPECT_EQ(Changes, (std::vector<int>{281, 0, 1753}));
  ReleaseOnBar(5000);
  EXPECT_FALSE(Bar->Dragging());
  MoveOnBar(30);
  EXPECT_EQ(Bar->Position(), 1753);
}

TEST_F(ScrollBarTest, VerticalThumbFollowsThePointerDownTheBar) {
  TbsSkinScrollBar bar(*Form, "scrVertical", RectOfSize(984, 32, 19, 577), sbVertical);
  bar.SetMax(1873);
  std::vector<int> changes;
  bar.OnChange = [&](TComponent*) { changes.push_back(bar.Position()); };
  Press(993, 32 + 30);
  H.Pump();
  MoveTo(900, 32 + 31);  // one pixel down, far to the left: round(1873 / 503)
  H.Pump();
  MoveTo(993, 32 + 1000);
  H.Pump();
  Release(993, 32 + 1000);
  H.Pump();
  EXPECT_EQ(changes, (std::vector<int>{4, 1873}));
}

TEST_F(ScrollBarTest, AnyReleaseEndsTheRepeat) {
  PressBar(IncreaseArrow);
  Press(X(IncreaseArrow), Y(), mbRight);
  Release(X(IncreaseArrow), Y(), mbRight);
  H.Pump();
  EXPECT_FALSE(Repeating());
  Wait(1000);
  EXPECT_EQ(Changes, std::vector<int>{1});
}

TEST_F(ScrollBarTest, RightButtonWheelAndKeysChangeNothing) {
  Bar->SetPosition(500);
  Changes.clear();
  for (int along : {DecreaseArrow, IncreaseArrow, 100, 600, 200 + 20}) {
    Press(X(along), Y(), mbRight);
    H.Pump();
    Wait(1000);
    Release(X(along), Y(), mbRight);
    Press(X(along), Y(), mbMiddle);
    Release(X(along), Y(), mbMiddle);
    H.Pump();
  }
  Wheel(X(300), Y(), -120);
  Wheel(X(300), Y(), 120);
  H.Pump();
  // A left click gives the bar no focus; keys go elsewhere and do nothing to it.
  PressBar(IncreaseArrow);
  ReleaseOnBar(IncreaseArrow);
  EXPECT_NE(H.Manager.Focus(), Bar.get());
  Changes.clear();
  for (int key : {VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN, VK_SPACE, VK_RETURN}) {
    H.KeyDown(Form.get(), key);
    H.KeyUp(Form.get(), key);
  }
  H.Manager.SetFocus(Bar.get());  // even if the focus were put there by hand
  H.KeyDown(Form.get(), VK_RIGHT);
  H.KeyUp(Form.get(), VK_RIGHT);
  Wait(1000);
  EXPECT_EQ(Bar->Position(), 501);
  EXPECT_TRUE(Changes.empty());
}

TEST_F(ScrollBarTest, ThumbLooksHoveredAndDragged) {
  EXPECT_EQ(PixelAt(X(37), Y()), PixelOf(Theme::ScrollThumb));
  MoveOnBar(37);
  EXPECT_EQ(PixelAt(X(37), Y()), PixelOf(Theme::ScrollThumbHover));
  PressBar(37);
  EXPECT_EQ(PixelAt(X(37), Y()), PixelOf(Theme::ScrollThumbDragging));
  ReleaseOnBar(37);
  EXPECT_EQ(PixelAt(X(37), Y()), PixelOf(Theme::ScrollThumbHover));
  MoveOnBar(300);
  EXPECT_EQ(PixelAt(X(37), Y()), PixelOf(Theme::ScrollThumb));
  // Across the bar the thumb leaves a margin of track on both sides.
  EXPECT_EQ(PixelAt(X(37), Y(0)), PixelOf(Theme::ScrollTrack));
}

TEST_F(ScrollBarTest, PressedArrowLooksPressedWhileThePointerIsOnIt) {
  EXPECT_EQ(PixelAt(X(IncreaseArrow + 6), Y(2)), PixelOf(Theme::ScrollTrack));
  PressBar(IncreaseArrow);
  EXPECT_EQ(PixelAt(X(IncreaseArrow + 6), Y(2)), PixelOf(Theme::ScrollArrowPressed));
  MoveOnBar(600);
  EXPECT_EQ(PixelAt(X(IncreaseArrow + 6), Y(2)), PixelOf(Theme::ScrollTrack));
  MoveOnBar(IncreaseArrow);
  EXPECT_EQ(PixelAt(X(IncreaseArrow + 6), Y(2)), PixelOf(Theme::ScrollArrowPressed));
  ReleaseOnBar(IncreaseArrow);
  EXPECT_EQ(PixelAt(X(IncreaseArrow + 6), Y(2)), PixelOf(Theme::ScrollTrack));
  // The glyph sits in the middle of the arrow.
  EXPECT_EQ(PixelAt(X(IncreaseArrow), Y()), PixelOf(Theme::ScrollArrowGlyph));
}

}  // namespace
