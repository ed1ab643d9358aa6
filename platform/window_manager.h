#pragma once
// The message queue and everything that decides where a message goes:
// posted messages first, then input, then due timers, then paint, in the order
// a Windows queue hands them out. One thread; nothing here is locked.
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <utility>
#include <vector>

#include "platform/backend.h"
#include "platform/messages.h"
#include "platform/region.h"
#include "platform/window.h"

class TCanvas;
class TDisplay;

class TWindowManager {
 public:
  explicit TWindowManager(TBackend& backend);
  ~TWindowManager();

  TBackend& Backend() { return BackendRef; }
  // The display device the surface controls draw with.
  TDisplay& Display() { return *DisplayDevice; }
  uint32_t Clock() { return BackendRef.Clock(); }

  // The queue.
  bool PeekMessage(TMessage& message);
  void WaitMessage();
  intptr_t DispatchMessage(TMessage& message);
  void PostMessage(TWindow* window, uint32_t msg, intptr_t wParam = 0, intptr_t lParam = 0);
  intptr_t SendMessage(TWindow* window, uint32_t msg, intptr_t wParam = 0, intptr_t lParam = 0);
  intptr_t SendMessage(TMessage& message);
  void PostQuitMessage(int exitCode);
  // Called by backends (and tests) for every event of the system.
  void PostInput(const TInputEvent& event);
  bool HasPendingInput() const { return !Input.empty(); }

  // Capture and focus.
  void SetCapture(TWindow* window);
  void ReleaseCapture();
  TWindow* Capture() const { return CaptureWindow; }
  void SetFocus(TWindow* window);
  TWindow* Focus() const { return FocusWindow; }
  bool AppActive() const { return IsAppActive; }
  TWindow* ActiveTopLevel() const { return ActiveWindow; }

  // Timers: one WM_TIMER per due timer, missed periods rolled into one.
  void SetTimer(TWindow* window, uintptr_t id, uint32_t interval);
  void KillTimer(TWindow* window, uintptr_t id);
  bool HasTimer(TWindow* window, uintptr_t id) const;

  // Painting.
  void Invalidate(TWindow* window);
  void Invalidate(TWindow* window, const TRect& rect);
  void InvalidateTree(TWindow* window);
  // Paints `window` now if part of it is invalid.
  void UpdateWindow(TWindow* window);
  // The part of the window that shows on screen, in top-level client coordinates.
  TRegion VisibleRegion(const TWindow* window) const;
  // A canvas on the window's visible part, origin at its client origin.
  TCanvas WindowCanvas(TWindow* window);
  // Shows what was drawn into the window outside of WM_PAINT.
  void PresentWindow(TWindow* window);

  // Hit testing: the deepest visible, enabled window at a client point of `top`.
  TWindow* WindowFromPoint(TWindow* top, TPoint point) const;
  // Where the mouse was last seen, in screen coordinates, and over which window.
  TPoint MousePosition() const { return LastMouse; }
  TWindow* WindowUnderMouse() const;
  // Sends CM_MOUSELEAVE and CM_MOUSEENTER when the window under the mouse changed.
  void UpdateHover();

  // The window told when the system asks the program to quit (SIGTERM).
  void SetQuitTarget(TWindow* window) { QuitTarget = window; }

  const std::vector<TWindow*>& TopLevels() const { return TopLevelWindows; }
  // Whether `window` still exists.
  bool IsWindow(const TWindow* window) const { return AllWindows.contains(window); }

  // Used by TWindow.
  void Register(TWindow* window);
  void Unregister(TWindow* window);
  void VisibilityChanged(TWindow* window);
  void EnabledChanged(TWindow* window);
  void CaptionChanged(TWindow* window);

 private:
  struct TTimer {
    uint32_t Interval;
    uint32_t Start;  // clock when the current period began
  };
  bool TakeInput(TMessage& message);
  bool TakeTimer(TMessage& message);
  bool TakePaint(TMessage& message);
  TWindow* FindInvalid(TWindow* window);
  void RouteMouse(const TInputEvent& event, TMessage& message);
  void RouteKey(const TInputEvent& event, TMessage& message);
  void TopLevelFocus(TWindow* top, bool gained);
  void Paint(TMessage& message);
  std::optional<uint32_t> NextTimerDue();

  TBackend& BackendRef;
  std::unique_ptr<TDisplay> DisplayDevice;
  std::deque<TMessage> Posted;
  std::deque<TInputEvent> Input;
  std::map<std::pair<TWindow*, uintptr_t>, TTimer> Timers;
  std::vector<TWindow*> TopLevelWindows;
  std::set<const TWindow*> AllWindows;
  TWindow* CaptureWindow = nullptr;
  TWindow* FocusWindow = nullptr;
  TWindow* ActiveWindow = nullptr;
  TWindow* QuitTarget = nullptr;
  TWindow* HoverWindow = nullptr;
  bool IsAppActive = true;
  bool QuitPosted = false;
  int QuitCode = 0;
  TPoint LastMouse{-100000, -100000};
  uint32_t MouseButtons = 0;
};
