#pragma once
// Plane figures to fill: a bounding box and an inside test on continuous
// coordinates, where pixel (x, y) covers [x, x + 1) x [y, y + 1).
#include <functional>
#include <vector>

struct TPointF {
  double X = 0, Y = 0;
};

struct TBox {
  double Left = 0, Top = 0, Right = 0, Bottom = 0;
};

struct TShape {
  TBox Bounds;
  std::function<bool(double x, double y)> Contains;
};

TShape Circle(TPointF centre, double radius);
TShape Ellipse(TPointF centre, double radiusX, double radiusY);
// A segment with round ends whose radius goes from radiusA at `a` to
// radiusB at `b`: stems, trunks, twigs.
TShape Capsule(TPointF a, TPointF b, double radiusA, double radiusB);
// A pointed leaf from `base` to `tip`, widest (halfWidth) in the middle.
TShape Leaf(TPointF base, TPointF tip, double halfWidth);
// Even-odd fill of a closed outline.
TShape Polygon(std::vector<TPointF> points);
TShape Union(std::vector<TShape> parts);
// Points of `shape` that are not in `hole`.
TShape Minus(TShape shape, TShape hole);
