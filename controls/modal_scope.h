#pragma once
// While a modal box or dialog is open, the program's other windows take no
// input; afterwards the keyboard focus is where it was.
#include <vector>

#include "platform/window_manager.h"

class TModalScope {
 public:
  explicit TModalScope(TWindowManager& manager, TWindow* except = nullptr);
  ~TModalScope();
  TModalScope(const TModalScope&) = delete;
  TModalScope& operator=(const TModalScope&) = delete;

 private:
  TWindowManager& Manager;
  std::vector<TWindow*> Disabled;
  TWindow* Focus;
};
