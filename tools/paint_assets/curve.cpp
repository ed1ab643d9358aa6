#include "tools/paint_assets/curve.h"

#include <algorithm>
#include <cmath>

namespace {

// Enough for the longest curve here (about 60 px) to look smooth.
constexpr int Segments = 24;

}  // namespace

TCurve::TCurve(TPointF start, TPointF control, TPointF end) {
  for (int i = 0; i <= Segments; ++i) {
    double t = double(i) / Segments, s = 1.0 - t;
    Points.push_back({s * s * start.X + 2 * s * t * control.X + t * t * end.X,
                      s * s * start.Y + 2 * s * t * control.Y + t * t * end.Y});
  }
}

TCurvePlace TCurve::Locate(TPointF p) const {
  TCurvePlace best{1e9, 0, 1};
  for (int i = 0; i < Segments; ++i) {
    TPointF a = Points[i], b = Points[i + 1];
    double dx = b.X - a.X, dy = b.Y - a.Y, length2 = dx * dx + dy * dy;
    double t = length2 == 0 ? 0 : std::clamp(((p.X - a.X) * dx + (p.Y - a.Y) * dy) / length2, 0.0, 1.0);
    double ex = p.X - (a.X + dx * t), ey = p.Y - (a.Y + dy * t);
    double distance = std::sqrt(ex * ex + ey * ey);
    if (distance < best.Distance) {
      double cross = dx * (p.Y - a.Y) - dy * (p.X - a.X);
      best = {distance, (i + t) / Segments, cross >= 0 ? 1 : -1};
    }
  }
  return best;
}

TBox TCurve::Bounds() const {
  TBox box{Points[0].X, Points[0].Y, Points[0].X, Points[0].Y};
  for (TPointF p : Points)
    box = {std::min(box.Left, p.X), std::min(box.Top, p.Y), std::max(box.Right, p.X), std::max(box.Bottom, p.Y)};
  return box;
}

TCurveRef MakeCurve(TPointF start, TPointF control, TPointF end) {
  return std::make_shared<const TCurve>(start, control, end);
}

TShape Ribbon(TCurveRef curve, std::function<double(double along, int side)> halfWidth, double maxHalfWidth) {
  TBox box = curve->Bounds();
  box = {box.Left - maxHalfWidth, box.Top - maxHalfWidth, box.Right + maxHalfWidth, box.Bottom + maxHalfWidth};
  return {box, [=](double x, double y) {
            TCurvePlace place = curve->Locate({x, y});
            return place.Distance <= halfWidth(place.Along, place.Side);
          }};
}

TShape TaperedStroke(TCurveRef curve, double startRadius, double endRadius) {
  return Ribbon(
      curve, [=](double along, int) { return startRadius + (endRadius - startRadius) * along; },
      std::max(startRadius, endRadius));
}
