#pragma once
// The seam between the window manager and the system underneath. A backend
// turns the system's events into TInputEvent values, keeps the clock, shows
// the framebuffers of top-level windows and waits. The headless backend does
// all of this in memory for tests and tools; the SDL backend on a display.
#include <cstdint>
#include <optional>
#include <string>

#include "platform/bitmap.h"
#include "platform/types.h"

class TWindow;
class TWindowManager;

enum class TInputKind {
  MouseMove,
  ButtonDown,
  ButtonUp,
  Wheel,
  KeyDown,
  KeyUp,
  Text,
  FocusGained,   // a top-level window of ours got the keyboard focus
  FocusLost,     // ... lost it
  CloseRequest,  // the user asked the system to close the window
  Exposed,       // the system lost the window's pixels; repaint all of it
};

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

struct TInputEvent {
  TInputKind Kind = TInputKind::MouseMove;
  TWindow* Window = nullptr;  // the top-level window the event belongs to
  TPoint Position;            // mouse events: client coordinates of Window
  TMouseButton Button = TMouseButton::mbLeft;
  int Key = 0;                // key events: VK_ code
  uint32_t Keys = 0;          // MK_ flags
  int WheelDelta = 0;
  std::string Text;
};

class TBackend {
 public:
  virtual ~TBackend() = default;

  virtual void Attach(TWindowManager& manager) { Manager = &manager; }

  // Milliseconds, wrapping at 2^32 like timeGetTime.
  virtual uint32_t Clock() = 0;

  // Top-level windows: made when first shown, dropped when hidden or destroyed.
  virtual void ShowTopLevel(TWindow& window) = 0;
  virtual void HideTopLevel(TWindow& window) = 0;
  virtual void SetCaption(TWindow& window) = 0;
  virtual void SetEnabled(TWindow& window, bool enabled) {}
  // The picture the desktop shows for the window; `argb` is 0xAARRGGBB.
  virtual void SetIcon(TWindow& window, const TBitmap& argb) {}
  // The framebuffer of `window` changed inside `rect` (client coordinates).
  virtual void Present(TWindow& window, const TRect& rect) = 0;
  virtual void WaitVerticalBlank() = 0;
  // The screen area the centring of windows uses.
  virtual TRect ScreenRect() = 0;
  // Mouse capture reaching beyond our windows.
  virtual void SetMouseCapture(bool captured) {}

  // Hands the events that arrived meanwhile to the manager; never blocks.
  virtual void Poll() = 0;
  // Blocks until an event arrives or `timeout` milliseconds have passed
  // (none: no timeout), then polls.
  virtual void Wait(std::optional<uint32_t> timeout) = 0;

 protected:
  TWindowManager* Manager = nullptr;
};
