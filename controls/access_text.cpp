#include "controls/access_text.h"

#include <cctype>

namespace {
int Utf8Length(unsigned char lead) {
  if (lead < 0x80) return 1;
  if ((lead >> 5) == 0x6) return 2;
  if ((lead >> 4) == 0xE) return 3;
  if ((lead >> 3) == 0x1E) return 4;
  return 1;
}
}  // namespace

TAccessText ParseAccessText(const std::string& caption) {
  TAccessText text;
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] != '&' || i + 1 >= caption.size()) {
      text.Shown += caption[i];
      continue;
    }
    ++i;  // the mark itself is not shown
    if (caption[i] == '&') {
      text.Shown += '&';
      continue;
    }
    int length = Utf8Length((unsigned char)caption[i]);
    if (text.Letter < 0) {
      text.Letter = int(text.Shown.size());
      text.LetterBytes = length;
    }
    text.Shown += caption.substr(i, size_t(length));
    i += size_t(length) - 1;
  }
  return text;
}

int AccessKey(const std::string& caption) {
  TAccessText text = ParseAccessText(caption);
  if (text.Letter < 0 || text.LetterBytes != 1) return 0;
  unsigned char c = (unsigned char)text.Shown[size_t(text.Letter)];
  return std::isalnum(c) ? std::toupper(c) : 0;
}

int DrawAccessText(TCanvas& canvas, int x, int y, const std::string& caption) {
  TAccessText text = ParseAccessText(caption);
  canvas.TextOut(x, y, text.Shown);
  if (text.Letter >= 0) {
    int left = canvas.TextWidth(text.Shown.substr(0, size_t(text.Letter)));
    int width = canvas.TextWidth(text.Shown.substr(size_t(text.Letter), size_t(text.LetterBytes)));
    TFontMetrics metrics = TFontEngine::Instance().Metrics(canvas.Font);
    int lineY = y + metrics.Ascent + 1;
    TBrush keep = canvas.Brush;
    canvas.Brush.Color = canvas.Font.Color;
    canvas.FillRect({x + left, lineY, x + left + width, lineY + 1});
    canvas.Brush = keep;
  }
  return canvas.TextWidth(text.Shown);
}

int AccessTextWidth(TCanvas& canvas, const std::string& caption) {
  return canvas.TextWidth(ParseAccessText(caption).Shown);
}
