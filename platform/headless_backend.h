#pragma once
// A backend without a display: input comes from a script, the clock is set by
// hand, framebuffers stay in memory, and waiting lets virtual time pass.
#include <deque>
#include <functional>
#include <optional>

#include "platform/backend.h"

class THeadlessBackend : public TBackend {
 public:
  uint32_t Clock() override { return Now; }
  void SetClock(uint32_t now) { Now = now; }
  void Advance(uint32_t ms) { Now += ms; }

  void ShowTopLevel(TWindow& window) override;
  void HideTopLevel(TWindow& window) override;
  void SetCaption(TWindow& window) override {}
  void Present(TWindow& window, const TRect& rect) override { ++Presents; }
  void WaitVerticalBlank() override { ++VerticalBlankWaits; }
  TRect ScreenRect() override { return Screen; }
  void SetMouseCapture(bool captured) override { MouseCaptured = captured; }

  void Poll() override;
  // Never sleeps: a timeout moves the clock on by that much; a wait without
  // timeout and without scripted input is only counted (a real system would
  // block here until the user did something).
  void Wait(std::optional<uint32_t> timeout) override;

  // Input for the next poll, as the system would deliver it.
  void Inject(const TInputEvent& event) { Script.push_back(event); }

  TRect Screen{0, 0, 1920, 1080};
  // Called when a top-level window appears, as a person would see it.
  std::function<void(TWindow&)> OnShow;
  // When true, showing a window gives it the focus, as desktops do.
  bool FocusOnShow = true;
  uint32_t Now = 0;
  int Presents = 0;
  int VerticalBlankWaits = 0;
  int Waits = 0;
  int BlockingWaits = 0;  // waits with no timeout and nothing to wake them
  std::optional<uint32_t> LastWaitTimeout;
  bool MouseCaptured = false;

 private:
  std::deque<TInputEvent> Script;
};
