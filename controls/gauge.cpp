#include "controls/gauge.h"

#include <algorithm>
#include <cstdint>

#include "controls/theme.h"

TbsSkinGauge::TbsSkinGauge(TWindow& parent, std::string name, const TRect& bounds)
    : TWinControl(parent, std::move(name), bounds) {
  CaptureOnLeftPress = false;
}

int TbsSkinGauge::Clamped(int value) const {
  // The upper bound is tested first: with MinValue > MaxValue the lower one wins.
  if (value > MaxValueField) return MaxValueField;
  if (value < MinValueField) return MinValueField;
  return value;
}

void TbsSkinGauge::SetValue(int value) {
  value = Clamped(value);
  if (value == ValueField) return;
  ValueField = value;
  Invalidate();
}

void TbsSkinGauge::SetMinValue(int value) {
  MinValueField = value;
  ValueField = Clamped(ValueField);
  Repaint();
}

void TbsSkinGauge::SetMaxValue(int value) {
  MaxValueField = value;
  ValueField = Clamped(ValueField);
  Repaint();
}

TRect TbsSkinGauge::FillArea() const {
  int b = Theme::GaugeBorderWidth;
  return {b, b, std::max(b, Width() - b), std::max(b, Height() - b)};
}

int TbsSkinGauge::FilledLength() const {
  if (MaxValueField == MinValueField) return 0;
  int64_t length = FillArea().Width();
  int64_t filled = length * (int64_t(ValueField) - MinValueField) / (int64_t(MaxValueField) - MinValueField);
  return int(std::clamp<int64_t>(filled, 0, length));
}

void TbsSkinGauge::Paint(TCanvas& canvas) {
  canvas.Pen.Color = Theme::GaugeBorder;
  canvas.Pen.Width = Theme::GaugeBorderWidth;
  canvas.Brush.Color = Theme::GaugeTrough;
  canvas.Brush.Style = TBrushStyle::bsSolid;
  canvas.Rectangle(0, 0, Width(), Height());
  TRect area = FillArea();
  canvas.Brush.Color = Theme::GaugeFill;
  canvas.FillRect({area.Left, area.Top, area.Left + FilledLength(), area.Bottom});
}
