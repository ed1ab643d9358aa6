#include "tools/paint_assets/shapes.h"

#include <algorithm>
#include <cmath>

namespace {

TBox BoxAround(TPointF centre, double radiusX, double radiusY) {
  return {centre.X - radiusX, centre.Y - radiusY, centre.X + radiusX, centre.Y + radiusY};
}

TBox Merge(TBox a, TBox b) {
  return {std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right), std::max(a.Bottom, b.Bottom)};
}

// Where `p` projects onto segment a-b, as 0..1 along it.
double Projection(TPointF p, TPointF a, TPointF b) {
  double dx = b.X - a.X, dy = b.Y - a.Y;
  double length2 = dx * dx + dy * dy;
  if (length2 == 0) return 0;
  return std::clamp(((p.X - a.X) * dx + (p.Y - a.Y) * dy) / length2, 0.0, 1.0);
}

double Distance(TPointF p, TPointF q) { return std::sqrt((p.X - q.X) * (p.X - q.X) + (p.Y - q.Y) * (p.Y - q.Y)); }

}  // namespace

TShape Circle(TPointF centre, double radius) { return Ellipse(centre, radius, radius); }

TShape Ellipse(TPointF centre, double radiusX, double radiusY) {
  return {BoxAround(centre, radiusX, radiusY), [=](double x, double y) {
            double nx = (x - centre.X) / radiusX, ny = (y - centre.Y) / radiusY;
            return nx * nx + ny * ny <= 1.0;
          }};
}

TShape Capsule(TPointF a, TPointF b, double radiusA, double radiusB) {
  double reach = std::max(radiusA, radiusB);
  TBox box = Merge(BoxAround(a, reach, reach), BoxAround(b, reach, reach));
  return {box, [=](double x, double y) {
            TPointF p{x, y};
            double t = Projection(p, a, b);
            TPointF nearest{a.X + (b.X - a.X) * t, a.Y + (b.Y - a.Y) * t};
            return Distance(p, nearest) <= radiusA + (radiusB - radiusA) * t;
          }};
}

TShape Leaf(TPointF base, TPointF tip, double halfWidth) {
  TBox box = Merge(BoxAround(base, halfWidth, halfWidth), BoxAround(tip, halfWidth, halfWidth));
  return {box, [=](double x, double y) {
            TPointF p{x, y};
            double t = Projection(p, base, tip);
            TPointF nearest{base.X + (tip.X - base.X) * t, base.Y + (tip.Y - base.Y) * t};
            return Distance(p, nearest) <= halfWidth * 4.0 * t * (1.0 - t);
          }};
}

TShape Polygon(std::vector<TPointF> points) {
  TBox box{points[0].X, points[0].Y, points[0].X, points[0].Y};
  for (TPointF p : points) box = Merge(box, {p.X, p.Y, p.X, p.Y});
  return {box, [points = std::move(points)](double x, double y) {
            bool inside = false;
            for (size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
              TPointF a = points[i], b = points[j];
              if ((a.Y > y) != (b.Y > y) && x < (b.X - a.X) * (y - a.Y) / (b.Y - a.Y) + a.X) inside = !inside;
            }
            return inside;
          }};
}

TShape Union(std::vector<TShape> parts) {
  TBox box = parts[0].Bounds;
  for (const TShape& part : parts) box = Merge(box, part.Bounds);
  return {box, [parts = std::move(parts)](double x, double y) {
            for (const TShape& part : parts) {
              const TBox& b = part.Bounds;
              if (x >= b.Left && x <= b.Right && y >= b.Top && y <= b.Bottom && part.Contains(x, y)) return true;
            }
            return false;
          }};
}

TShape Minus(TShape shape, TShape hole) {
  return {shape.Bounds, [=](double x, double y) { return shape.Contains(x, y) && !hole.Contains(x, y); }};
}
