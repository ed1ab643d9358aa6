#pragma once
// The frame timer: it lives in the idle passes of the message loop and ticks
// on every pass that finds the queue empty, while the application is active.
#include <cstdint>
#include <functional>
#include <string>

#include "controls/application.h"
#include "controls/component.h"

using TDXTimerEvent = std::function<void(TComponent* Sender, int LagCount)>;

class TDXTimer : public TComponent {
 public:
  TDXTimer(TApplication& application, std::string name);
  ~TDXTimer();

  bool ActiveOnly = true;
  TDXTimerEvent OnTimer;

  bool Enabled() const { return IsEnabled; }
  void SetEnabled(bool enabled);
  uint32_t Interval() const { return IntervalMs; }
  void SetInterval(uint32_t interval);
  // The end of loading from the stored layout: arms the timer if enabled.
  void Loaded();

  bool Armed() const { return IsArmed; }
  uint32_t LastTickTime() const { return LastTick; }

 private:
  void Arm();
  void Disarm();
  void Attach();
  void Detach();
  void IdleStep(bool& done);
  bool Filter(TMessage& message);

  TApplication& App;
  int FilterId;
  bool Loading = true;
  bool IsEnabled = false;
  bool IsArmed = false;
  uint32_t IntervalMs = 0;
  uint32_t Divisor = 1;
  uint32_t LastTick = 0;
};
