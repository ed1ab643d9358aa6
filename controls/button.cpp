#include "controls/button.h"

#include "controls/access_text.h"
#include "controls/theme.h"
#include "platform/window_manager.h"

TbsSkinButton::TbsSkinButton(TWindow& parent, std::string name, const TRect& bounds)
    : TWinControl(parent, std::move(name), bounds), Font(Theme::SkinFont()) {
  TabStop = true;
}

void TbsSkinButton::SetCaption(const std::string& caption) {
  if (caption == CaptionText) return;
  CaptionText = caption;
  Repaint();
}

void TbsSkinButton::SetEnabled(bool enabled) {
  if (enabled == Enabled()) return;
  if (!enabled && Focused()) Manager().SetFocus(nullptr);
  // The window manager answers with WM_ENABLE: EnabledChanged repaints.
  TWindow::SetEnabled(enabled);
}

void TbsSkinButton::EnabledChanged() {
  if (!Enabled()) Release();
  Repaint();
}

void TbsSkinButton::Click() {
  if (OnClick) OnClick(this);
}

void TbsSkinButton::Release() {
  if (!MouseHeld && !SpaceHeld) return;
  MouseHeld = false;
  SpaceHeld = false;
  Repaint();
}

void TbsSkinButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TWinControl::MouseDown(button, shift, x, y);
  if (button != mbLeft || !Enabled()) return;
  Manager().SetFocus(this);
  MouseHeld = true;
  PointerOver = true;
  Repaint();
}

void TbsSkinButton::MouseMove(TShiftState shift, int x, int y) {
  TWinControl::MouseMove(shift, x, y);
  if (!MouseHeld) return;
  bool over = ClientRect().Contains({x, y});
  if (over == PointerOver) return;
  PointerOver = over;
  Repaint();
}

void TbsSkinButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TWinControl::MouseUp(button, shift, x, y);
  if (button != mbLeft || !MouseHeld) return;
  MouseHeld = false;
  Repaint();
  if (Enabled() && ClientRect().Contains({x, y})) Click();
}

void TbsSkinButton::KeyDown(int key, TShiftState shift) {
  if (!Enabled() || !Focused()) return;
  if (key == VK_RETURN) {
    Click();
  } else if (key == VK_SPACE && !SpaceHeld) {
    SpaceHeld = true;
    Repaint();
  }
}

void TbsSkinButton::KeyUp(int key, TShiftState shift) {
  if (key != VK_SPACE || !Enabled() || !Focused()) return;
  if (SpaceHeld) {
    SpaceHeld = false;
    Repaint();
  }
  Click();
}

void TbsSkinButton::FocusChanged() {
  if (!Focused() && SpaceHeld) SpaceHeld = false;
  Repaint();
}

// A message box opening over a held press ends it without a click.
void TbsSkinButton::CancelMode() { Release(); }

void TbsSkinButton::PaintFocusRect(TCanvas& canvas) {
  // Every other pixel, starting at each corner, like a dotted focus rectangle.
  int i = Theme::ButtonFocusInset;
  TRect r{i, i, Width() - i, Height() - i};
  if (r.IsEmpty()) return;
  TColor dot = Theme::ButtonFocusDots;
  for (int x = r.Left; x < r.Right; x += 2) {
    canvas.SetPixel(x, r.Top, dot);
    canvas.SetPixel(x, r.Bottom - 1, dot);
  }
  for (int y = r.Top; y < r.Bottom; y += 2) {
    canvas.SetPixel(r.Left, y, dot);
    canvas.SetPixel(r.Right - 1, y, dot);
  }
}

void TbsSkinButton::Paint(TCanvas& canvas) {
  TColor face = Theme::ButtonBack, border = Theme::ButtonBorder, text = Theme::WindowText;
  if (!Enabled()) {
    face = Theme::ButtonDisabledBack;
    border = Theme::ButtonDisabledBorder;
    text = Theme::DisabledText;
  } else if (Pressed()) {
    face = Theme::ButtonPressedBack;
    border = Theme::ButtonPressedBorder;
  } else if (Hot()) {
    face = Theme::ButtonHoverBack;
    border = Theme::ButtonHoverBorder;
  }
  canvas.Pen.Color = border;
  canvas.Pen.Width = 1;
  canvas.Brush.Color = face;
  canvas.Brush.Style = TBrushStyle::bsSolid;
  canvas.Rectangle(0, 0, Width(), Height());

  // The caption, centred and kept inside the border.
  TPoint origin = canvas.Origin();
  TRegion clip = canvas.Clip();
  clip.Intersect(TRect{1, 1, Width() - 1, Height() - 1}.Offset(origin.X, origin.Y));
  TCanvas inside(canvas.Target(), clip, origin);
  inside.Font = Font;
  inside.Font.Color = text;
  int y = (Height() - inside.TextHeight()) / 2;
  if (AccessLetters) {
    DrawAccessText(inside, (Width() - AccessTextWidth(inside, CaptionText)) / 2, y, CaptionText);
  } else {
    inside.TextOut((Width() - inside.TextWidth(CaptionText)) / 2, y, CaptionText);
  }

  if (Focused() && Enabled()) PaintFocusRect(canvas);
}
