#pragma once
// A system timer as a component: while enabled, OnTimer is called every
// Interval milliseconds through WM_TIMER messages of a window of its own.
#include <memory>

#include "controls/component.h"
#include "platform/window.h"

class TTimer : public TComponent {
 public:
  TTimer(TWindowManager& manager, std::string name, uint32_t interval = 1000);
  ~TTimer();

  TNotifyEvent OnTimer;

  bool Enabled() const { return IsEnabled; }
  // Setting the value it already has changes nothing; in particular enabling
  // a running timer does not restart its period.
  void SetEnabled(bool enabled);
  uint32_t Interval() const { return IntervalMs; }
  void SetInterval(uint32_t interval);

 private:
  class TTimerWindow;
  void Update();
  std::unique_ptr<TTimerWindow> Window;
  bool IsEnabled = false;
  uint32_t IntervalMs;
};
