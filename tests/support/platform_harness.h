#pragma once
// The platform layer on the headless backend: a window manager, a clock set by
// hand, scripted dialogs, input injected at window coordinates, and windows
// that record the messages they receive.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/headless_backend.h"
#include "platform/scripted_dialogs.h"
#include "platform/window.h"
#include "platform/window_manager.h"

// A window that keeps every message it handles.
class TRecordingWindow : public TWindow {
 public:
  using TWindow::TWindow;
  intptr_t WndProc(TMessage& message) override;

  std::vector<TMessage> Received;
  std::function<void(TMessage&)> OnMessage;
  // The messages received with the given number, in order.
  std::vector<TMessage> Of(uint32_t msg) const;
};

class TPlatformHarness {
 public:
  TPlatformHarness();

  THeadlessBackend Backend;
  TWindowManager Manager{Backend};
  TScriptedDialogs Dialogs;

  // A shown top-level window with its client area at `bounds` on the screen.
  std::unique_ptr<TRecordingWindow> MakeTopLevel(const TRect& bounds);
  std::unique_ptr<TRecordingWindow> MakeChild(TWindow* parent, const TRect& bounds);

  // Input as the system delivers it, at client coordinates of `top`.
  void MouseMove(TWindow* top, int x, int y, uint32_t keys = 0);
  void MouseDown(TWindow* top, int x, int y, TMouseButton button = TMouseButton::mbLeft);
  void MouseUp(TWindow* top, int x, int y, TMouseButton button = TMouseButton::mbLeft);
  void KeyDown(TWindow* top, int key, uint32_t keys = 0);
  void KeyUp(TWindow* top, int key, uint32_t keys = 0);

  // Takes and dispatches every message that is there now; returns the messages.
  std::vector<TMessage> Pump();
  // Takes the next message without dispatching it; WM_NULL when none.
  TMessage Next();
};
