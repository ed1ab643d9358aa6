#include "controls/status_bar.h"

#include <algorithm>

#include "controls/theme.h"
#include "platform/window_manager.h"

TStatusBar::TStatusBar(TWindow& parent, std::string name, const TRect& bounds)
    : TWinControl(parent, std::move(name), bounds), Font(Theme::WindowFont()) {
  CaptureOnLeftPress = false;
}

void TStatusBar::SetPanelText(size_t index, const std::string& text) {
  if (index >= Panels.size() || Panels[index].Text == text) return;
  Panels[index].Text = text;
  Manager().Invalidate(this, PanelRect(index));
}

TRect TStatusBar::PanelRect(size_t index) const {
  int left = 0;
  for (size_t i = 0; i < index && i < Panels.size(); ++i) left += Panels[i].Width;
  bool last = index + 1 >= Panels.size();
  int right = last ? std::max(left, Width()) : left + Panels[index].Width;
  return {left, 0, right, Height()};
}

void TStatusBar::Paint(TCanvas& canvas) {
  canvas.Brush.Color = Theme::StatusBar;
  canvas.FillRect(ClientRect());
  // A line along the top sets the bar off from the window above it.
  canvas.Brush.Color = Theme::StatusDivider;
  canvas.FillRect({0, 0, Width(), 1});
  for (size_t i = 0; i < Panels.size(); ++i) {
    TRect r = PanelRect(i);
    r.Top += 1;
    if (i + 1 < Panels.size()) {
      // The divider is the panel's last pixel column.
      canvas.Brush.Color = Theme::StatusDivider;
      canvas.FillRect({r.Right - 1, r.Top, r.Right, r.Bottom});
      r.Right -= 1;
    }
    TPoint origin = canvas.Origin();
    TRegion clip = canvas.Clip();
    clip.Intersect(r.Offset(origin.X, origin.Y));
    TCanvas panel(canvas.Target(), clip, origin);
    panel.Font = Font;
    int y = (r.Height() - panel.TextHeight()) / 2;
    panel.TextOut(r.Left + Theme::StatusTextInset, y, Panels[i].Text);
  }
}
