#pragma once
// The skinned progress gauge: a horizontal trough filled in proportion to
// Value. Setting Value only marks it for the next paint, so a long handler
// that steps it shows no movement until the message loop runs again.
#include <string>

#include "controls/win_control.h"

class TbsSkinGauge : public TWinControl {
 public:
  TbsSkinGauge(TWindow& parent, std::string name, const TRect& bounds);

  int MinValue() const { return MinValueField; }
  int MaxValue() const { return MaxValueField; }
  int Value() const { return ValueField; }

  // Clamps into MinValue..MaxValue; a different result is stored and marked
  // for the next paint.
  void SetValue(int value);
  // Store, clamp Value the same way, repaint at once.
  void SetMinValue(int value);
  void SetMaxValue(int value);

  // The area the fill grows in, and how much of it is filled.
  TRect FillArea() const;
  int FilledLength() const;

 protected:
  void Paint(TCanvas& canvas) override;

 private:
  int Clamped(int value) const;
  int MinValueField = 0;
  int MaxValueField = 100;
  int ValueField = 0;
};
