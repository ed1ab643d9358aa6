#include "controls/std_label.h"

#include "controls/theme.h"

TbsSkinStdLabel::TbsSkinStdLabel(TWinControl& parent, std::string name, const TRect& bounds)
    : TGraphicControl(parent, std::move(name), bounds), Font(Theme::WindowFont()) {}

void TbsSkinStdLabel::SetCaption(const std::string& caption) {
  if (caption == CaptionText) return;
  CaptionText = caption;
  Invalidate();
}

void TbsSkinStdLabel::Paint(TCanvas& canvas) {
  // Nothing behind the text: the parent's background shows through.
  canvas.Font = Font;
  int x = (BoundsRect().Width() - canvas.TextWidth(CaptionText)) / 2;
  canvas.TextOut(x, 0, CaptionText);
}
