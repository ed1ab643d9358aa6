#pragma once
// Curved strokes: palm trunks and fronds, twigs, roots. A quadratic Bezier
// curve kept as a short polyline, which can say how far a point lies from
// it, where along it and on which side.
#include <functional>
#include <memory>
#include <vector>

#include "tools/paint_assets/shapes.h"

struct TCurvePlace {
  double Distance = 0;
  double Along = 0;  // 0 at the start, 1 at the end
  int Side = 1;      // -1 left of the direction of travel, 1 right (y grows downwards)
};

class TCurve {
 public:
  // From `start` to `end`, bent towards `control`.
  TCurve(TPointF start, TPointF control, TPointF end);

  TCurvePlace Locate(TPointF p) const;
  TBox Bounds() const;

 private:
  std::vector<TPointF> Points;
};

using TCurveRef = std::shared_ptr<const TCurve>;

TCurveRef MakeCurve(TPointF start, TPointF control, TPointF end);

// The points within halfWidth(along, side) of the curve; halfWidth must not
// exceed maxHalfWidth, which bounds the shape.
TShape Ribbon(TCurveRef curve, std::function<double(double along, int side)> halfWidth, double maxHalfWidth);

// A ribbon tapering linearly from startRadius to endRadius.
TShape TaperedStroke(TCurveRef curve, double startRadius, double endRadius);
