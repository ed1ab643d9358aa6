#include "tools/paint_assets/pixel_digits.h"

#include <string>

namespace {

constexpr int DigitWidth = 3, DigitHeight = 5, DigitGap = 1;

// One row per string, '#' for a set pixel.
constexpr const char* Digits[10][DigitHeight] = {
    {"###", "#.#", "#.#", "#.#", "###"}, {".#.", "##.", ".#.", ".#.", "###"}, {"###", "..#", "###", "#..", "###"},
    {"###", "..#", "###", "..#", "###"}, {"#.#", "#.#", "###", "..#", "..#"}, {"###", "#..", "###", "..#", "###"},
    {"###", "#..", "###", "#.#", "###"}, {"###", "..#", "..#", "..#", "..#"}, {"###", "#.#", "###", "#.#", "###"},
    {"###", "#.#", "###", "..#", "###"},
};

void DrawDigit(TBitmap& bitmap, int x, int y, int digit, int scale, TPixel colour) {
  for (int row = 0; row < DigitHeight; ++row)
    for (int column = 0; column < DigitWidth; ++column)
      if (Digits[digit][row][column] == '#')
        bitmap.Fill(RectOfSize(x + column * scale, y + row * scale, scale, scale), colour);
}

}  // namespace

int NumberWidth(int number, int scale) {
  int digits = int(std::to_string(number).size());
  return (digits * DigitWidth + (digits - 1) * DigitGap) * scale;
}

int NumberHeight(int scale) { return DigitHeight * scale; }

void DrawNumber(TBitmap& bitmap, int x, int y, int number, int scale, TPixel colour) {
  for (char digit : std::to_string(number)) {
    if (digit < '0' || digit > '9') continue;  // the font has no minus sign
    DrawDigit(bitmap, x, y, digit - '0', scale, colour);
    x += (DigitWidth + DigitGap) * scale;
  }
}
