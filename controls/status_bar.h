#pragma once
// The status bar: panels side by side, each with a text, divided by a line.
// A new panel text is only marked for the next paint.
#include <string>
#include <vector>

#include "controls/win_control.h"
#include "platform/fonts.h"

struct TStatusPanel {
  std::string Text;
  int Width = 50;
};

class TStatusBar : public TWinControl {
 public:
  TStatusBar(TWindow& parent, std::string name, const TRect& bounds);

  // Filled by the owner; the last panel reaches to the bar's right edge.
  std::vector<TStatusPanel> Panels;
  TFont Font;

  // A different text is stored and its panel marked for the next paint; the
  // same text, or an index without a panel, does nothing.
  void SetPanelText(size_t index, const std::string& text);
  // The panel's area in client coordinates.
  TRect PanelRect(size_t index) const;

 protected:
  void Paint(TCanvas& canvas) override;
};
