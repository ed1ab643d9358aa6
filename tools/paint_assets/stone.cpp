#include "tools/paint_assets/stone.h"

#include <cmath>

#include "tools/paint_assets/brush.h"
#include "tools/paint_assets/shading.h"

void PaintStone(TBitmap& target, const std::vector<TPointF>& outline, TPointF peak, TRgb base, uint32_t seed) {
  std::vector<TPointF> rim;
  for (TPointF p : outline) {
    double dx = p.X - peak.X, dy = p.Y - peak.Y, length = std::sqrt(dx * dx + dy * dy);
    rim.push_back({p.X + dx / length * 0.6, p.Y + dy / length * 0.6});
  }
  FillShape(target, Polygon(rim), OutlineOf(base));
  double area = 0;
  for (size_t i = 0; i < outline.size(); ++i) {
    TPointF a = outline[i], b = outline[(i + 1) % outline.size()];
    area += a.X * b.Y - b.X * a.Y;
  }
  double turn = area >= 0 ? 1.0 : -1.0;
  FillShape(target, Polygon(outline), [=](double x, double y) {
    // The facet is the triangle peak, p[i], p[i + 1] around the point; its
    // slope, from the peak (height 5) down to the outline, sets its light.
    size_t n = outline.size();
    for (size_t i = 0; i < n; ++i) {
      TPointF a = outline[i], b = outline[(i + 1) % n];
      double cross1 = turn * ((a.X - peak.X) * (y - peak.Y) - (a.Y - peak.Y) * (x - peak.X));
      double cross2 = turn * ((x - peak.X) * (b.Y - peak.Y) - (y - peak.Y) * (b.X - peak.X));
      if (cross1 >= 0 && cross2 >= 0) {
        double ux = a.X - peak.X, uy = a.Y - peak.Y, vx = b.X - peak.X, vy = b.Y - peak.Y, h = -5.0;
        double nx = uy * h - h * vy, ny = h * vx - ux * h, nz = ux * vy - uy * vx;
        double length = std::sqrt(nx * nx + ny * ny + nz * nz);
        if (nz < 0) nx = -nx, ny = -ny;
        return Grainy(Scaled(base, LightFactor(nx / length, ny / length)), x, y, seed, 7);
      }
    }
    return Grainy(base, x, y, seed, 7);
  });
}
