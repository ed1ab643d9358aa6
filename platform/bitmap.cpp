#include "platform/bitmap.h"

#include <algorithm>

TBitmap::TBitmap(int width, int height, TPixel fill)
    : Pixels((size_t)std::max(width, 0) * std::max(height, 0), fill),
      WidthValue(std::max(width, 0)),
      HeightValue(std::max(height, 0)) {}

void TBitmap::Fill(const TRect& rect, TPixel p) {
  TRect r = rect.Intersect(Bounds());
  if (r.IsEmpty()) return;
  for (int y = r.Top; y < r.Bottom; ++y) std::fill(Row(y) + r.Left, Row(y) + r.Right, p);
}

void TBitmap::CopyFrom(const TBitmap& source, const TRect& from, TPoint to) {
  TRect src = from.Intersect(source.Bounds());
  int dx = to.X - from.Left, dy = to.Y - from.Top;
  TRect dst = src.Offset(dx, dy).Intersect(Bounds());
  if (dst.IsEmpty()) return;
  for (int y = dst.Top; y < dst.Bottom; ++y) {
    const TPixel* s = source.Row(y - dy) + (dst.Left - dx);
    std::copy(s, s + dst.Width(), Row(y) + dst.Left);
  }
}

TBitmap TBitmap::Crop(const TRect& rect) const {
  TRect r = rect.Intersect(Bounds());
  TBitmap out(r.Width(), r.Height());
  out.CopyFrom(*this, r, {0, 0});
  return out;
}
