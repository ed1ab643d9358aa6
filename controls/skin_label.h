#pragma once
// The framed skinned label (the progress text): one line, left-aligned,
// vertically centred, cut off at its frame. A new caption is drawn at once,
// even in the middle of a long handler.
#include <string>

#include "controls/win_control.h"
#include "platform/fonts.h"

class TbsSkinLabel : public TWinControl {
 public:
  TbsSkinLabel(TWindow& parent, std::string name, const TRect& bounds);

  TFont Font;

  const std::string& Caption() const { return CaptionText; }
  // A different text is stored and drawn at once; the same text does nothing.
  void SetCaption(const std::string& caption);
  // Draws the label at once.
  void RepaintNow() { Repaint(); }

 protected:
  void Paint(TCanvas& canvas) override;

 private:
  std::string CaptionText;
};
