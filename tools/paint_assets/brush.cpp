#include "tools/paint_assets/brush.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int Samples = 4;

}  // namespace

TPaint Solid(TRgb colour) {
  return [colour](double, double) { return colour; };
}

void BlendPixel(TBitmap& target, int x, int y, TRgb colour, double alpha) {
  if (x < 0 || y < 0 || x >= target.Width() || y >= target.Height() || alpha <= 0) return;
  target.Set(x, y, ToPixel(Mix(FromPixel(target.At(x, y)), colour, alpha)));
}

double Coverage(const TShape& shape, int x, int y) {
  int inside = 0;
  for (int sy = 0; sy < Samples; ++sy)
    for (int sx = 0; sx < Samples; ++sx)
      if (shape.Contains(x + (sx + 0.5) / Samples, y + (sy + 0.5) / Samples)) ++inside;
  return double(inside) / (Samples * Samples);
}

void FillShape(TBitmap& target, const TShape& shape, const TPaint& paint, double opacity) {
  int left = std::max(0, int(std::floor(shape.Bounds.Left)));
  int top = std::max(0, int(std::floor(shape.Bounds.Top)));
  int right = std::min(target.Width(), int(std::ceil(shape.Bounds.Right)) + 1);
  int bottom = std::min(target.Height(), int(std::ceil(shape.Bounds.Bottom)) + 1);
  for (int y = top; y < bottom; ++y)
    for (int x = left; x < right; ++x) {
      double coverage = Coverage(shape, x, y);
      if (coverage > 0) BlendPixel(target, x, y, paint(x + 0.5, y + 0.5), coverage * opacity);
    }
}

void FillShape(TBitmap& target, const TShape& shape, TRgb colour, double opacity) {
  FillShape(target, shape, Solid(colour), opacity);
}
