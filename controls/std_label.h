#pragma once
// The plain label drawn by its parent (the probe text): one line, centred,
// on a transparent background, never resized. A new caption only marks the
// label's area of the parent, so it shows at the parent's next paint.
#include <string>

#include "controls/win_control.h"
#include "platform/fonts.h"

class TbsSkinStdLabel : public TGraphicControl {
 public:
  TbsSkinStdLabel(TWinControl& parent, std::string name, const TRect& bounds);

  TFont Font;

  const std::string& Caption() const { return CaptionText; }
  // A different text is stored and its area marked; the same text does nothing.
  void SetCaption(const std::string& caption);

  void Paint(TCanvas& canvas) override;

 private:
  std::string CaptionText;
};
