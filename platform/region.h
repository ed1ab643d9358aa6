#pragma once
// A set of pixels as disjoint rectangles: the visible part of a window once
// its covering siblings and its children are taken away.
#include <vector>

#include "platform/types.h"

class TRegion {
 public:
  TRegion() = default;
  explicit TRegion(const TRect& rect);

  void Subtract(const TRect& rect);
  void Intersect(const TRect& rect);
  TRegion Offset(int dx, int dy) const;
  bool Contains(TPoint p) const;
  bool IsEmpty() const { return Rects.empty(); }
  TRect Bounds() const;
  long long Area() const;

  std::vector<TRect> Rects;
};
