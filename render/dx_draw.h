#pragma once
// A surface control: a child window that shows an off-screen picture the
// editor draws into. Until its drawing device exists it cannot draw, and its
// window shows black.
#include "controls/win_control.h"

class TDXDraw : public TWinControl {
 public:
  TDXDraw(TWindow& parent, std::string name, const TRect& bounds);

  // Whether the back surface may be drawn and presented now.
  bool CanDraw() const { return false; }

 protected:
  void Paint(TCanvas& canvas) override;
};
