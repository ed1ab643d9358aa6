#pragma once
// Text through fontconfig (family lookup) and FreeType (glyphs). Heights
// follow the Windows convention of the layout: a negative height is the em
// height in pixels ("MS Sans Serif" at -11), a positive one the cell height,
// ascent plus descent ("Arial" at 14).
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/types.h"

// Raised only when no usable font file exists at all, not even the fallback.
class EFontError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct TFont {
  std::string Name = "MS Sans Serif";
  int Height = -11;
  TColor Color = clBlack;
  bool Bold = false;
  bool Underline = false;
  friend bool operator==(const TFont&, const TFont&) = default;
};

struct TFontMetrics {
  int Ascent = 0;   // pixels above the baseline
  int Descent = 0;  // pixels below it; Ascent + Descent is the cell height
  int CellHeight() const { return Ascent + Descent; }
};

class TFontEngine {
 public:
  // One engine per process; faces are loaded on first use and kept.
  static TFontEngine& Instance();

  TFontMetrics Metrics(const TFont& font);
  int TextWidth(const TFont& font, std::string_view utf8);
  // Calls `plot` for every covered pixel of the text laid out on one line,
  // with (x, y) relative to the top-left of the text's cell (y = 0 is the top
  // of the cell, the baseline lies at Ascent) and coverage 1..255.
  void Render(const TFont& font, std::string_view utf8,
              const std::function<void(int x, int y, uint8_t coverage)>& plot);
  // The font file fontconfig chose for a family name.
  std::string FileFor(const std::string& family, bool bold = false);

  struct TImpl;

 private:
  TFontEngine();
  ~TFontEngine();
  TImpl* Impl;
};
