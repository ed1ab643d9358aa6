#include <gtest/gtest.h>

#include "tests/support/app_harness.h"

namespace {

struct TTicks {
  std::vector<int> Lags;
  explicit TTicks(TAppHarness& h) {
    auto tick = h.Form().DXTimer1->OnTimer;
    h.Form().DXTimer1->OnTimer = [this, tick](TComponent* s, int lag) {
      Lags.push_back(lag);
      tick(s, lag);
    };
  }
};

TEST(FrameLoop, TicksOnEveryIdlePassWithALagOfAtLeastOne) {
  TAppHarness h;
  TTicks ticks(h);
  h.Passes(3);
  ASSERT_EQ(ticks.Lags.size(), 3u);
  for (int lag : ticks.Lags) EXPECT_EQ(lag, 1);  // the clock did not move
  h.Backend.Advance(40);
  h.Passes(1);
  EXPECT_EQ(ticks.Lags.back(), 40);
  // Each tick presents both views, each after waiting for the display.
  int waits = h.Backend.VerticalBlankWaits;
  h.Passes(1);
  EXPECT_EQ(h.Backend.VerticalBlankWaits, waits + 2);
}

TEST(FrameLoop, NoTicksWhileInactiveAndTheLagCountsFromTheSwitchBack) {
  TAppHarness h;
  TTicks ticks(h);
  h.SwitchAway();
  size_t before = ticks.Lags.size();
  h.Backend.Advance(5000);
  h.Passes(5);
  EXPECT_EQ(ticks.Lags.size(), before);
  h.Backend.Advance(1000);
  // The switch back: the timer attaches when the notice arrives.
  h.Backend.Inject({TInputKind::FocusGained, &h.Form()});
  while (!h.App().HasIdleHook()) h.App().HandleMessage();
  EXPECT_EQ(ticks.Lags.size(), before);
  h.Backend.Advance(30);
  h.Settle();
  ASSERT_GT(ticks.Lags.size(), before);
  EXPECT_EQ(ticks.Lags[before], 30);
}

TEST(FrameLoop, EnablingAnEnabledTimerKeepsItsLastTick) {
  TAppHarness h;
  TTicks ticks(h);
  h.Backend.Advance(100);
  h.Form().DXTimer1->SetEnabled(true);
  h.Passes(1);
  ASSERT_EQ(ticks.Lags.size(), 1u);
  EXPECT_EQ(ticks.Lags[0], 100);
  // Off and on again re-attaches and starts counting anew.
  h.Form().DXTimer1->SetEnabled(false);
  h.Backend.Advance(70);
  h.Form().DXTimer1->SetEnabled(true);
  h.Backend.Advance(5);
  h.Passes(1);
  EXPECT_EQ(ticks.Lags.back(), 5);
}

TEST(FrameLoop, ScrollChangesDrawAndPresentAtOnceWhateverTheTimer) {
  TAppHarness h;
  TTicks ticks(h);
  h.Form().DXTimer1->SetEnabled(false);
  int waits = h.Backend.VerticalBlankWaits;
  h.Form().scrGorizontal->SetPosition(25);
  EXPECT_EQ(h.Form().ScrollX, 25);
  EXPECT_EQ(h.Backend.VerticalBlankWaits, waits + 2);
  EXPECT_TRUE(ticks.Lags.empty());  // not through the timer
  h.SwitchAway();
  h.Form().scrVertical->SetPosition(7);
  EXPECT_EQ(h.Form().ScrollY, 7);
}

TEST(FrameLoop, APaletteOfAViewThatCannotDrawIsNotPresentedEither) {
  TAppHarness h;
  h.App().Manager.Display().FailRestore = true;
  h.App().Manager.Display().LoseAllSurfaces();
  int waits = h.Backend.VerticalBlankWaits;
  h.Passes(3);
  EXPECT_EQ(h.Backend.VerticalBlankWaits, waits);
  EXPECT_FALSE(h.Form().DXDraw1->CanDraw());
}

TEST(SurfaceControls, LostSurfacesComeBackAtTheNextCanDrawTest) {
  TAppHarness h;
  TMain& m = h.Form();
  h.Click(8 + 90, 32 + 60);  // pick code 23
  TDisplay& display = h.App().Manager.Display();
  display.LoseAllSurfaces();
  EXPECT_TRUE(m.DXDraw1->CanDraw());
  EXPECT_FALSE(m.DXDraw1->Surface()->IsLost());
  // The image list rebuilt its pictures: the frame draws tiles again.
  m.Map.fill(1);
  h.Settle();
  EXPECT_EQ(m.DXDraw1->Surface()->Platform()->Pixels().At(10, 10),
            m.ImageList->Items[0].Surfaces()[0]->Platform()->Pixels().At(25 + 10, 10));
  // The palette restores at its next present and stays black until repainted.
  const TBitmap& palette = m.GroundsDXDraw->Surface()->Platform()->Pixels();
  for (TPixel p : palette.Pixels) ASSERT_EQ(p, 0u);
  EXPECT_EQ(m.CurrentGround, 23);
  h.App().Manager.Invalidate(&m);
  h.Settle();
  EXPECT_NE(palette.At(10, 10), 0u);
}

TEST(SurfaceControls, AFailedInitializationIsReportedOnceAndTheProgramGoesOn) {
  // The views set up their surfaces when the window is first shown.
  THeadlessBackend backend;
  TScriptedDialogs dialogs;
  TEditor editor(backend, dialogs);
  editor.App.Manager.Display().FailDeviceCreation = true;
  editor.Form->Show();
  for (int i = 0; i < 20; ++i) editor.App.HandleMessage();
  // Each view tried once, failed once, and said so once.
  ASSERT_EQ(dialogs.Messages.size(), 2u);
  EXPECT_EQ(dialogs.Messages[0].Text, "DirectDraw cannot be initialized.");
  EXPECT_EQ(dialogs.Messages[1].Text, "DirectDraw cannot be initialized.");
  EXPECT_FALSE(editor.Form->DXDraw1->CanDraw());
  EXPECT_EQ(editor.Form->DXDraw1->Surface(), nullptr);
  EXPECT_TRUE(editor.Form->GroundsDXDraw->InitializeTried());
  // Menus, mouse and commands still work.
  backend.Inject({TInputKind::KeyDown, editor.Form.get(), {}, TMouseButton::mbLeft, 'O', MK_CONTROL});
  for (int i = 0; i < 5; ++i) editor.App.HandleMessage();
  EXPECT_EQ(dialogs.FileRequests.size(), 1u);
  EXPECT_EQ(dialogs.Messages.size(), 2u);
}

TEST(Palette, AReleasePicksTheCellAndFramesItInGreen) {
  TAppHarness h;
  TMain& m = h.Form();
  h.Click(8 + 90, 32 + 60);
  EXPECT_EQ(m.CurrentGround, 23);
  const TBitmap& palette = m.GroundsDXDraw->Surface()->Platform()->Pixels();
  // The frame runs from (82, 56) to (106, 79), right and bottom exclusive, pen 2 inside.
  for (auto [x, y] : std::vector<std::pair<int, int>>{{82, 56}, {105, 56}, {82, 78}, {105, 78}, {83, 57}, {104, 77}})
    EXPECT_EQ(palette.At(x, y), 0x00FF00u) << x << "," << y;
  for (auto [x, y] : std::vector<std::pair<int, int>>{{81, 56}, {106, 60}, {90, 79}, {84, 60}})
    EXPECT_NE(palette.At(x, y), 0x00FF00u) << x << "," << y;
  // Where the window shows the palette, the frame is on screen at once.
  EXPECT_EQ(h.Pixel(8 + 82, 32 + 56), 0x00FF00u);
}

TEST(Palette, GapPixelsBelongToTheCellOnTheirLeftAndAboveAndAnyButtonPicks) {
  struct TCase {
    int X, Y;
    TMouseButton Button;
    int Code;
  };
  const TCase cases[] = {{25, 0, mbLeft, 0},  {26, 0, mbRight, 0}, {27, 0, mbMiddle, 1},
                         {267, 267, mbLeft, 99}, {0, 27, mbLeft, 10}, {120, 170, mbRight, 64}};
  TAppHarness h;
  for (const TCase& c : cases) {
    h.Click(8 + c.X, 32 + c.Y, c.Button);
    EXPECT_EQ(h.Form().CurrentGround, c.Code) << c.X << "," << c.Y;
  }
}

TEST(Palette, AReleaseOutsideThePalettePicksNothing) {
  TAppHarness h;
  h.Click(8 + 90, 32 + 60);
  TBitmap before = h.Form().GroundsDXDraw->Surface()->Platform()->Pixels();
  h.MouseDown(8 + 90, 32 + 60);
  h.MouseUp(8 - 20, 32 + 300);  // the left button's capture carries the release here
  EXPECT_EQ(h.Form().CurrentGround, 23);
  EXPECT_EQ(h.Form().GroundsDXDraw->Surface()->Platform()->Pixels().Pixels, before.Pixels);
}

TEST(Palette, TheWindowsRepaintRemovesTheFrameButKeepsThePick) {
  TAppHarness h;
  h.Click(8 + 90, 32 + 60);
  h.Form().Label1->SetCaption("7");  // a label without a window: the form repaints
  h.Settle();
  const TBitmap& palette = h.Form().GroundsDXDraw->Surface()->Platform()->Pixels();
  EXPECT_NE(palette.At(82, 56), 0x00FF00u);
  EXPECT_EQ(h.Form().CurrentGround, 23);
}

}  // namespace
