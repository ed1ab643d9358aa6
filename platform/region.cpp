#include "platform/region.h"

TRegion::TRegion(const TRect& rect) {
  if (!rect.IsEmpty()) Rects.push_back(rect);
}

void TRegion::Subtract(const TRect& cut) {
  std::vector<TRect> kept;
  for (const TRect& r : Rects) {
    TRect overlap = r.Intersect(cut);
    if (overlap.IsEmpty()) {
      kept.push_back(r);
      continue;
    }
    // Up to four pieces: full-width bands above and below, then the sides.
    TRect pieces[4] = {{r.Left, r.Top, r.Right, overlap.Top},
                       {r.Left, overlap.Bottom, r.Right, r.Bottom},
                       {r.Left, overlap.Top, overlap.Left, overlap.Bottom},
                       {overlap.Right, overlap.Top, r.Right, overlap.Bottom}};
    for (const TRect& p : pieces)
      if (!p.IsEmpty()) kept.push_back(p);
  }
  Rects = std::move(kept);
}

void TRegion::Intersect(const TRect& rect) {
  std::vector<TRect> kept;
  for (const TRect& r : Rects) {
    TRect overlap = r.Intersect(rect);
    if (!overlap.IsEmpty()) kept.push_back(overlap);
  }
  Rects = std::move(kept);
}

TRegion TRegion::Offset(int dx, int dy) const {
  TRegion moved;
  for (const TRect& r : Rects) moved.Rects.push_back(r.Offset(dx, dy));
  return moved;
}

bool TRegion::Contains(TPoint p) const {
  for (const TRect& r : Rects)
    if (r.Contains(p)) return true;
  return false;
}

TRect TRegion::Bounds() const {
  TRect bounds;
  for (const TRect& r : Rects) bounds = bounds.Union(r);
  return bounds;
}

long long TRegion::Area() const {
  long long area = 0;
  for (const TRect& r : Rects) area += (long long)r.Width() * r.Height();
  return area;
}
