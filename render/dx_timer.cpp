#include "render/dx_timer.h"

#include <algorithm>

TDXTimer::TDXTimer(TApplication& application, std::string name) : TComponent(std::move(name)), App(application) {
  FilterId = App.HookMessages([this](TMessage& m) { return Filter(m); });
}

TDXTimer::~TDXTimer() {
  Disarm();
  App.UnhookMessages(FilterId);
}

void TDXTimer::SetEnabled(bool enabled) {
  if (enabled == IsEnabled) return;
  IsEnabled = enabled;
  if (Loading) return;
  if (enabled) Arm();
  else Disarm();
}

void TDXTimer::SetInterval(uint32_t interval) {
  IntervalMs = interval;
  Divisor = std::max<uint32_t>(interval, 1);
}

void TDXTimer::Loaded() {
  Loading = false;
  if (IsEnabled) Arm();
}

void TDXTimer::Arm() {
  if (IsArmed) Disarm();
  if (!ActiveOnly || App.Active) Attach();
  IsArmed = true;
}

void TDXTimer::Disarm() {
  if (!IsArmed) return;
  Detach();
  IsArmed = false;
}

void TDXTimer::Attach() {
  LastTick = App.Manager.Clock();
  App.SetIdleHook([this](bool& done) { IdleStep(done); });
}

void TDXTimer::Detach() { App.SetIdleHook(nullptr); }

void TDXTimer::IdleStep(bool& done) {
  done = false;
  uint32_t now = App.Manager.Clock();
  uint32_t elapsed = now - LastTick;  // unsigned: the clock's wrap does no harm
  if (elapsed < IntervalMs) return;
  LastTick = now;
  int lagCount = int(elapsed / Divisor);
  if (lagCount < 1) lagCount = 1;
  if (OnTimer) OnTimer(this, lagCount);
}

bool TDXTimer::Filter(TMessage& message) {
  if (IsArmed && ActiveOnly) {
    if (message.Msg == CM_ACTIVATE) Attach();
    if (message.Msg == CM_DEACTIVATE) Detach();
  }
  return false;
}
