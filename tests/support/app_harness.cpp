#include "tests/support/app_harness.h"

TAppHarness::TAppHarness(bool settle) {
  Editor = std::make_unique<TEditor>(Backend, Dialogs);
  Form().Show();
  if (settle) Settle();
}

void TAppHarness::Passes(int count) {
  for (int i = 0; i < count; ++i) App().HandleMessage();
}

void TAppHarness::Settle(int limit) {
  long idle = App().IdlePasses;
  for (int i = 0; i < limit && App().IdlePasses == idle; ++i) App().HandleMessage();
}

void TAppHarness::MouseMove(int x, int y) {
  Backend.Inject({TInputKind::MouseMove, &Form(), {x, y}});
  Settle();
}

void TAppHarness::MouseDown(int x, int y, TMouseButton button) {
  Backend.Inject({TInputKind::ButtonDown, &Form(), {x, y}, button});
  Settle();
}

void TAppHarness::MouseUp(int x, int y, TMouseButton button) {
  Backend.Inject({TInputKind::ButtonUp, &Form(), {x, y}, button});
  Settle();
}

void TAppHarness::Click(int x, int y, TMouseButton button) {
  MouseDown(x, y, button);
  MouseUp(x, y, button);
}

void TAppHarness::KeyDown(int key, uint32_t keys) {
  Backend.Inject({TInputKind::KeyDown, &Form(), {}, TMouseButton::mbLeft, key, keys});
  Settle();
}

void TAppHarness::KeyUp(int key, uint32_t keys) {
  Backend.Inject({TInputKind::KeyUp, &Form(), {}, TMouseButton::mbLeft, key, keys});
  Settle();
}

void TAppHarness::SwitchAway() {
  Backend.Inject({TInputKind::FocusLost, &Form()});
  Settle();
}

void TAppHarness::SwitchBack() {
  Backend.Inject({TInputKind::FocusGained, &Form()});
  Settle();
}

void TAppHarness::AsHandler(const std::function<void()>& handler) {
  try {
    handler();
  } catch (...) {
    App().HandleException();
  }
}
