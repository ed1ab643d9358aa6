#include "tests/support/platform_harness.h"

intptr_t TRecordingWindow::WndProc(TMessage& message) {
  Received.push_back(message);
  if (OnMessage) OnMessage(message);
  return 0;
}

std::vector<TMessage> TRecordingWindow::Of(uint32_t msg) const {
  std::vector<TMessage> found;
  for (const TMessage& m : Received)
    if (m.Msg == msg) found.push_back(m);
  return found;
}

TPlatformHarness::TPlatformHarness() = default;

std::unique_ptr<TRecordingWindow> TPlatformHarness::MakeTopLevel(const TRect& bounds) {
  auto window = std::make_unique<TRecordingWindow>(Manager, nullptr, bounds);
  window->SetVisible(true);
  Pump();
  window->Received.clear();
  return window;
}

std::unique_ptr<TRecordingWindow> TPlatformHarness::MakeChild(TWindow* parent, const TRect& bounds) {
  return std::make_unique<TRecordingWindow>(Manager, parent, bounds);
}

void TPlatformHarness::MouseMove(TWindow* top, int x, int y, uint32_t keys) {
  Backend.Inject({TInputKind::MouseMove, top, {x, y}, TMouseButton::mbLeft, 0, keys});
}

void TPlatformHarness::MouseDown(TWindow* top, int x, int y, TMouseButton button) {
  Backend.Inject({TInputKind::ButtonDown, top, {x, y}, button});
}

void TPlatformHarness::MouseUp(TWindow* top, int x, int y, TMouseButton button) {
  Backend.Inject({TInputKind::ButtonUp, top, {x, y}, button});
}

void TPlatformHarness::KeyDown(TWindow* top, int key, uint32_t keys) {
  Backend.Inject({TInputKind::KeyDown, top, {}, TMouseButton::mbLeft, key, keys});
}

void TPlatformHarness::KeyUp(TWindow* top, int key, uint32_t keys) {
  Backend.Inject({TInputKind::KeyUp, top, {}, TMouseButton::mbLeft, key, keys});
}

std::vector<TMessage> TPlatformHarness::Pump() {
  std::vector<TMessage> taken;
  TMessage message;
  while (Manager.PeekMessage(message)) {
    taken.push_back(message);
    Manager.DispatchMessage(message);
  }
  return taken;
}

TMessage TPlatformHarness::Next() {
  TMessage message;
  if (!Manager.PeekMessage(message)) return TMessage{};
  return message;
}
