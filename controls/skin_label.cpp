#include "controls/skin_label.h"

#include "controls/theme.h"

TbsSkinLabel::TbsSkinLabel(TWindow& parent, std::string name, const TRect& bounds)
    : TWinControl(parent, std::move(name), bounds), Font(Theme::SkinFont()) {
  CaptureOnLeftPress = false;
}

void TbsSkinLabel::SetCaption(const std::string& caption) {
  if (caption == CaptionText) return;
  CaptionText = caption;
  Repaint();
}

void TbsSkinLabel::Paint(TCanvas& canvas) {
  canvas.Pen.Color = Theme::LabelFrame;
  canvas.Pen.Width = 1;
  canvas.Brush.Color = Theme::ButtonFace;
  canvas.Brush.Style = TBrushStyle::bsSolid;
  canvas.Rectangle(0, 0, Width(), Height());
  if (CaptionText.empty()) return;
  // The text stops at the inside of the frame.
  TPoint origin = canvas.Origin();
  TRegion clip = canvas.Clip();
  clip.Intersect(TRect{1, 1, Width() - 1, Height() - 1}.Offset(origin.X, origin.Y));
  TCanvas inside(canvas.Target(), clip, origin);
  inside.Font = Font;
  int y = (Height() - inside.TextHeight()) / 2;
  inside.TextOut(Theme::LabelTextInset, y, CaptionText);
}
