#pragma once
// Captions with an access letter: "&Yes" shows "Yes" with the Y underlined;
// "&&" shows one "&".
#include <string>

#include "platform/canvas.h"

struct TAccessText {
  std::string Shown;   // the caption without its marks
  int Letter = -1;     // byte offset of the access letter in Shown, or -1
  int LetterBytes = 0;
};

TAccessText ParseAccessText(const std::string& caption);
// The access letter as a key code ('Y' for "&Yes"); 0 when there is none or
// it is not a Latin letter or digit.
int AccessKey(const std::string& caption);
// Draws the caption with its access letter underlined; returns its width.
int DrawAccessText(TCanvas& canvas, int x, int y, const std::string& caption);
int AccessTextWidth(TCanvas& canvas, const std::string& caption);
