#include "controls/timer.h"

#include "platform/window_manager.h"

class TTimer::TTimerWindow : public TWindow {
 public:
  TTimerWindow(TWindowManager& manager, TTimer& timer) : TWindow(manager, nullptr, {}), Timer(timer) {}
  intptr_t WndProc(TMessage& message) override {
    if (message.Msg == WM_TIMER && Timer.OnTimer) Timer.OnTimer(&Timer);
    return 0;
  }
  TTimer& Timer;
};

TTimer::TTimer(TWindowManager& manager, std::string name, uint32_t interval)
    : TComponent(std::move(name)), Window(std::make_unique<TTimerWindow>(manager, *this)), IntervalMs(interval) {}

TTimer::~TTimer() = default;

void TTimer::SetEnabled(bool enabled) {
  if (enabled == IsEnabled) return;
  IsEnabled = enabled;
  Update();
}

void TTimer::SetInterval(uint32_t interval) {
  if (interval == IntervalMs) return;
  IntervalMs = interval;
  Update();
}

void TTimer::Update() {
  Window->Manager().KillTimer(Window.get(), 1);
  if (IsEnabled && IntervalMs > 0) Window->Manager().SetTimer(Window.get(), 1, IntervalMs);
}
