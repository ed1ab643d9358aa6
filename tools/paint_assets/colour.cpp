#include "tools/paint_assets/colour.h"

#include <algorithm>

namespace {

int Channel(double value) {
  double clamped = std::clamp(value, 0.0, 255.0);
  return int(clamped + 0.5);
}

}  // namespace

TRgb Mix(TRgb a, TRgb b, double t) {
  t = std::clamp(t, 0.0, 1.0);
  double s = 1.0 - t;
  return {a.R * s + b.R * t, a.G * s + b.G * t, a.B * s + b.B * t};
}

TRgb Scaled(TRgb colour, double factor) { return {colour.R * factor, colour.G * factor, colour.B * factor}; }

TRgb Shifted(TRgb colour, double amount) { return {colour.R + amount, colour.G + amount, colour.B + amount}; }

TRgb OutlineOf(TRgb colour) { return Scaled(colour, 0.42); }

TPixel ToPixel(TRgb colour) {
  int r = Channel(colour.R), g = Channel(colour.G), b = Channel(colour.B);
  if (r == 255 && g == 0 && b == 255) r = 254;
  return PixelOf(RGB(uint8_t(r), uint8_t(g), uint8_t(b)));
}

TRgb FromPixel(TPixel pixel) {
  return Rgb(int((pixel >> 16) & 0xFF), int((pixel >> 8) & 0xFF), int(pixel & 0xFF));
}
