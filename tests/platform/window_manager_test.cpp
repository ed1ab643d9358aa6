#include "platform/window_manager.h"

#include <gtest/gtest.h>

#include "tests/support/platform_harness.h"

namespace {

TEST(MessageQueue, PostedBeforeInputBeforeTimersBeforePaint) {
  TPlatformHarness h;
  auto top = h.MakeTopLevel(RectOfSize(100, 100, 200, 100));
  h.Manager.SetTimer(top.get(), 7, 50);
  h.Backend.Advance(60);
  h.Manager.Invalidate(top.get());
  h.MouseMove(top.get(), 5, 5);
  h.Manager.PostMessage(top.get(), WM_USER + 1);
  std::vector<uint32_t> order;
  for (const TMessage& m : h.Pump()) order.push_back(m.Msg);
  EXPECT_EQ(order, (std::vector<uint32_t>{WM_USER + 1, WM_MOUSEMOVE, WM_TIMER, WM_PAINT}));
}

TEST(MessageQueue, QuitComesAfterPostedMessages) {
  TPlatformHarness h;
  auto top = h.MakeTopLevel(RectOfSize(0, 0, 50, 50));
  h.Manager.PostQuitMessage(3);
  h.Manager.PostMessage(top.get(), WM_USER);
  EXPECT_EQ(h.Next().Msg, WM_USER);
  TMessage quit = h.Next();
  EXPECT_EQ(quit.Msg, WM_QUIT);
  EXPECT_EQ(quit.WParam, 3);
  EXPECT_EQ(h.Next().Msg, WM_NULL);
}

TEST(Timers, MissedPeriodsAreCoalescedIntoOneMessage) {
  TPlatformHarness h;
  auto top = h.MakeTopLevel(RectOfSize(0, 0, 50, 50));
  h.Manager.SetTimer(top.get(), 1, 100);
  h.Backend.Advance(99);
  EXPECT_EQ(h.Next().Msg, WM_NULL);
  h.Backend.Advance(251);  // three and a half periods late
  TMessage tick = h.Next();
  EXPECT_EQ(tick.Msg, WM_TIMER);
  EXPECT_EQ(tick.WParam, 1);
  EXPECT_EQ(h.Next().Msg, WM_NULL);
  h.Backend.Advance(100);
  EXPECT_EQ(h.Next().Msg, WM_TIMER);
  h.Manager.KillTimer(top.get(), 1);
  h.Backend.Advance(1000);
  EXPECT_EQ(h.Next().Msg, WM_NULL);
}

TEST(Timers, SurviveTheClockWrappingAround) {
  TPlatformHarness h;
  auto top = h.MakeTopLevel(RectOfSize(0, 0, 50, 50));
  h.Backend.SetClock(0xFFFFFFF0u);
  h.Manager.SetTimer(top.get(), 1, 100);
  h.Backend.Advance(50);  // the clock wrapped to 34
  EXPECT_EQ(h.Next().Msg, WM_NULL);
  h.Backend.Advance(50);
  EXPECT_EQ(h.Next().Msg, WM_TIMER);
}

TEST(WaitMessage, WakesForInputAndForTheNextDueTimer) {
  TPlatformHarness h;
  auto top = h.MakeTopLevel(RectOfSize(0, 0, 50, 50));
  h.Pump();

  // Nothing to do and no timer: a real system would block until input.
  h.Manager.WaitMessage();
  EXPECT_EQ(h.Backend.BlockingWaits, 1);

  // Input that arrives wakes it and is there to take.
  h.MouseMove(top.get(), 1, 1);
  h.Manager.WaitMessage();
  EXPECT_EQ(h.Next().Msg, WM_MOUSEMOVE);

  // A timer 40 ms away: the wait lasts exactly until it is due.
  h.Manager.SetTimer(top.get(), 9, 40);
  h.Backend.Advance(15);
  h.Manager.WaitMessage();
  ASSERT_TRUE(h.Backend.LastWaitTimeout.has_value());
  EXPECT_EQ(*h.Backend.LastWaitTimeout, 25u);
  EXPECT_EQ(h.Next().Msg, WM_TIMER);

  // Something already queued: no wait at all.
  int waits = h.Backend.Waits;
  h.Manager.PostMessage(top.get(), WM_USER);
  h.Manager.WaitMessage();
  EXPECT_EQ(h.Backend.Waits, waits);
}

struct TWindowTree {
  TPlatformHarness H;
  std::unique_ptr<TRecordingWindow> Top = H.MakeTopLevel(RectOfSize(300, 200, 400, 300));
  // `Lower` is created first; `Upper` overlaps its right part and lies on top.
  std::unique_ptr<TRecordingWindow> Lower = H.MakeChild(Top.get(), RectOfSize(10, 10, 100, 100));
  std::unique_ptr<TRecordingWindow> Upper = H.MakeChild(Top.get(), RectOfSize(80, 20, 100, 50));
  std::unique_ptr<TRecordingWindow> Nested = H.MakeChild(Lower.get(), RectOfSize(5, 5, 20, 20));
};

TEST(HitTesting, DeepestTopmostVisibleEnabledWindowWins) {
  TWindowTree t;
  struct TCase {
    TPoint Point;
    TWindow* Expected;
  };
  const TCase cases[] = {
      {{0, 0}, t.Top.get()},        {{10, 10}, t.Lower.get()},  {{15, 15}, t.Nested.get()},
      {{34, 34}, t.Nested.get()},   {{35, 35}, t.Lower.get()},  {{85, 30}, t.Upper.get()},
      {{79, 30}, t.Lower.get()},    {{109, 109}, t.Lower.get()}, {{110, 109}, t.Top.get()},
      {{179, 69}, t.Upper.get()},   {{-1, 5}, nullptr},         {{400, 5}, nullptr},
  };
  for (const TCase& c : cases)
    EXPECT_EQ(t.H.Manager.WindowFromPoint(t.Top.get(), c.Point), c.Expected) << c.Point.X << "," << c.Point.Y;

  t.Upper->SetVisible(false);
  EXPECT_EQ(t.H.Manager.WindowFromPoint(t.Top.get(), {85, 30}), t.Lower.get());
  t.Upper->SetVisible(true);
  t.Upper->SetEnabled(false);
  EXPECT_EQ(t.H.Manager.WindowFromPoint(t.Top.get(), {85, 30}), t.Lower.get());
}

TEST(MouseRouting, MessagesCarryTheTargetsClientCoordinates) {
  TWindowTree t;
  t.H.MouseDown(t.Top.get(), 85, 30);
  t.H.Pump();
  ASSERT_EQ(t.Upper->Of(WM_LBUTTONDOWN).size(), 1u);
  EXPECT_EQ(t.Upper->Of(WM_LBUTTONDOWN)[0].X, 5);
  EXPECT_EQ(t.Upper->Of(WM_LBUTTONDOWN)[0].Y, 10);
  EXPECT_TRUE(t.Lower->Received.empty());
}

TEST(MouseCapture, MovesAndReleaseReachTheCapturingWindowAnywhere) {
  TWindowTree t;
  t.Lower->OnMessage = [&](TMessage& m) {
    if (m.Msg == WM_LBUTTONDOWN) t.H.Manager.SetCapture(t.Lower.get());
    if (m.Msg == WM_LBUTTONUP) t.H.Manager.ReleaseCapture();
  };
  t.H.MouseDown(t.Top.get(), 20, 60);
  t.H.Pump();
  EXPECT_EQ(t.H.Manager.Capture(), t.Lower.get());
  EXPECT_TRUE(t.H.Backend.MouseCaptured);

  // Over a sibling, left of the window, far beyond the top-level window.
  t.H.MouseMove(t.Top.get(), 150, 30);
  t.H.MouseMove(t.Top.get(), -40, -7);
  t.H.MouseMove(t.Top.get(), 5000, 40000);
  t.H.MouseUp(t.Top.get(), -300, 9);
  t.H.Pump();
  auto moves = t.Lower->Of(WM_MOUSEMOVE);
  ASSERT_EQ(moves.size(), 3u);
  EXPECT_EQ(TPoint(moves[0].X, moves[0].Y), TPoint(140, 20));
  EXPECT_EQ(TPoint(moves[1].X, moves[1].Y), TPoint(-50, -17));
  // Coordinates travel as signed 16-bit values.
  EXPECT_EQ(TPoint(moves[2].X, moves[2].Y), TPoint(4990, 32767));
  ASSERT_EQ(t.Lower->Of(WM_LBUTTONUP).size(), 1u);
  EXPECT_EQ(t.Lower->Of(WM_LBUTTONUP)[0].X, -310);
  EXPECT_TRUE(t.Upper->Received.empty());
  EXPECT_EQ(t.Lower->Of(WM_CAPTURECHANGED).size(), 1u);
  EXPECT_FALSE(t.H.Backend.MouseCaptured);

  // Without capture the next move goes by hit test again.
  t.H.MouseMove(t.Top.get(), 150, 30);
  t.H.Pump();
  EXPECT_EQ(t.Upper->Of(WM_MOUSEMOVE).size(), 1u);
}

TEST(EnableAndFocus, DisabledWindowsTakeNeitherInputNorFocus) {
  TWindowTree t;
  t.H.Manager.SetFocus(t.Upper.get());
  EXPECT_EQ(t.H.Manager.Focus(), t.Upper.get());
  EXPECT_EQ(t.Upper->Of(WM_SETFOCUS).size(), 1u);

  t.H.KeyDown(t.Top.get(), 'A');
  t.H.Pump();
  EXPECT_EQ(t.Upper->Of(WM_KEYDOWN).size(), 1u);

  t.Upper->SetEnabled(false);
  EXPECT_EQ(t.H.Manager.Focus(), nullptr);
  EXPECT_EQ(t.Upper->Of(WM_KILLFOCUS).size(), 1u);
  EXPECT_EQ(t.Upper->Of(WM_ENABLE).size(), 1u);
  t.H.Manager.SetFocus(t.Upper.get());
  EXPECT_EQ(t.H.Manager.Focus(), nullptr);

  // Keys without a focus go to the active top-level window; a click on
  // the disabled window reaches what lies below it.
  t.H.KeyDown(t.Top.get(), 'B');
  t.H.MouseDown(t.Top.get(), 85, 30);
  t.H.Pump();
  EXPECT_EQ(t.Top->Of(WM_KEYDOWN).size(), 1u);
  EXPECT_EQ(t.Upper->Of(WM_KEYDOWN).size(), 1u);
  EXPECT_EQ(t.Lower->Of(WM_LBUTTONDOWN).size(), 1u);

  // A disabled top-level window (behind a modal one) gets no input at all.
  t.Top->SetEnabled(false);
  t.H.MouseDown(t.Top.get(), 20, 20);
  t.H.Backend.Inject({TInputKind::CloseRequest, t.Top.get()});
  t.H.Pump();
  EXPECT_EQ(t.Lower->Of(WM_LBUTTONDOWN).size(), 1u);
  EXPECT_TRUE(t.Top->Of(WM_CLOSE).empty());
}

TEST(Activation, NoticesFollowTheProgramsFocusNotSwitchesBetweenItsWindows) {
  TPlatformHarness h;
  auto main = h.MakeTopLevel(RectOfSize(0, 0, 100, 100));
  auto hidden = std::make_unique<TRecordingWindow>(h.Manager, nullptr, RectOfSize(0, 0, 1, 1));
  EXPECT_TRUE(h.Manager.AppActive());

  h.Backend.Inject({TInputKind::FocusLost, main.get()});
  h.Pump();
  EXPECT_FALSE(h.Manager.AppActive());
  ASSERT_EQ(hidden->Of(WM_ACTIVATEAPP).size(), 1u);
  EXPECT_EQ(hidden->Of(WM_ACTIVATEAPP)[0].WParam, 0);

  h.Backend.Inject({TInputKind::FocusGained, main.get()});
  h.Pump();
  EXPECT_TRUE(h.Manager.AppActive());
  ASSERT_EQ(hidden->Of(WM_ACTIVATEAPP).size(), 2u);
  EXPECT_EQ(hidden->Of(WM_ACTIVATEAPP)[1].WParam, 1);

  // A dialog of ours takes the focus and gives it back: no notice.
  auto dialog = h.MakeTopLevel(RectOfSize(10, 10, 50, 50));
  h.Backend.Inject({TInputKind::FocusLost, main.get()});
  h.Backend.Inject({TInputKind::FocusGained, dialog.get()});
  h.Pump();
  EXPECT_TRUE(h.Manager.AppActive());
  EXPECT_EQ(hidden->Of(WM_ACTIVATEAPP).size(), 2u);
  EXPECT_EQ(h.Manager.ActiveTopLevel(), dialog.get());
}

TEST(Activation, FocusComesBackToTheChildThatHadIt) {
  TWindowTree t;
  t.H.Manager.SetFocus(t.Upper.get());
  t.H.Backend.Inject({TInputKind::FocusLost, t.Top.get()});
  t.H.Pump();
  EXPECT_EQ(t.H.Manager.Focus(), nullptr);
  t.H.Backend.Inject({TInputKind::FocusGained, t.Top.get()});
  t.H.Pump();
  EXPECT_EQ(t.H.Manager.Focus(), t.Upper.get());
}

TEST(Painting, EachWindowPaintsOnlyWhereItShows) {
  TWindowTree t;
  t.Top->Background = RGB(10, 20, 30);
  t.Lower->Background = RGB(200, 0, 0);
  t.Upper->Background = RGB(0, 200, 0);
  t.Nested->Background = RGB(0, 0, 200);
  t.H.Manager.InvalidateTree(t.Top.get());
  t.H.Pump();
  TBitmap& fb = t.Top->Framebuffer();
  EXPECT_EQ(fb.At(0, 0), PixelOf(RGB(10, 20, 30)));
  EXPECT_EQ(fb.At(10, 10), PixelOf(RGB(200, 0, 0)));
  EXPECT_EQ(fb.At(15, 15), PixelOf(RGB(0, 0, 200)));
  EXPECT_EQ(fb.At(85, 30), PixelOf(RGB(0, 200, 0)));

  // Repainting the lower window alone leaves the upper one and the nested child intact.
  t.Lower->Background = RGB(255, 255, 0);
  t.H.Manager.Invalidate(t.Lower.get());
  auto painted = t.H.Pump();
  ASSERT_EQ(painted.size(), 1u);
  EXPECT_EQ(fb.At(10, 10), PixelOf(RGB(255, 255, 0)));
  EXPECT_EQ(fb.At(85, 30), PixelOf(RGB(0, 200, 0)));
  EXPECT_EQ(fb.At(15, 15), PixelOf(RGB(0, 0, 200)));
}

TEST(Painting, UpdateWindowPaintsAtOnceAndOnlyWhenInvalid) {
  TWindowTree t;
  t.H.Pump();
  t.Lower->Received.clear();
  t.H.Manager.UpdateWindow(t.Lower.get());
  EXPECT_TRUE(t.Lower->Of(WM_PAINT).empty());
  t.H.Manager.Invalidate(t.Lower.get(), {0, 0, 5, 5});
  t.H.Manager.UpdateWindow(t.Lower.get());
  ASSERT_EQ(t.Lower->Of(WM_PAINT).size(), 1u);
  EXPECT_EQ(t.Lower->Of(WM_PAINT)[0].Update, (TRect{0, 0, 5, 5}));
  EXPECT_EQ(t.H.Next().Msg, WM_NULL);
}

TEST(Destruction, QueuedMessagesAndTimersOfADeadWindowAreDropped) {
  TPlatformHarness h;
  auto top = h.MakeTopLevel(RectOfSize(0, 0, 100, 100));
  auto child = h.MakeChild(top.get(), RectOfSize(0, 0, 10, 10));
  h.Manager.PostMessage(child.get(), WM_USER);
  h.Manager.SetTimer(child.get(), 1, 10);
  h.Manager.SetCapture(child.get());
  h.Manager.SetFocus(child.get());
  child.reset();
  h.Backend.Advance(100);
  h.Pump();
  EXPECT_EQ(h.Manager.Capture(), nullptr);
  EXPECT_EQ(h.Manager.Focus(), nullptr);
  EXPECT_EQ(h.Next().Msg, WM_NULL);
}

}  // namespace
