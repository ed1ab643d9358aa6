#include "tools/paint_assets/plant_parts.h"

#include <algorithm>
#include <cmath>

#include "tools/paint_assets/brush.h"
#include "tools/paint_assets/curve.h"
#include "tools/paint_assets/shading.h"

namespace {

// cos and sin of k * 22.5 degrees for k = 0..4; the other directions are
// reflections, which keeps libm out of the pictures.
constexpr double Cos[5] = {1.0, 0.9238795325, 0.7071067812, 0.3826834324, 0.0};

std::vector<TShape> Circles(const std::vector<TBlob>& blobs, double grow) {
  std::vector<TShape> circles;
  for (const TBlob& blob : blobs) circles.push_back(Circle(blob.Centre, blob.Radius + grow));
  return circles;
}

}  // namespace

TPointF Direction(int sixteenth) {
  int k = ((sixteenth % 16) + 16) % 16;
  int quadrant = k / 4, step = k % 4;
  double c = Cos[step], s = Cos[4 - step];
  switch (quadrant) {
    case 0: return {c, s};
    case 1: return {-s, c};
    case 2: return {-c, -s};
    default: return {s, -c};
  }
}

TPointF Add(TPointF a, TPointF b) { return {a.X + b.X, a.Y + b.Y}; }

TPointF Along(TPointF from, TPointF direction, double length) {
  return {from.X + direction.X * length, from.Y + direction.Y * length};
}

void PaintFoliage(TBitmap& target, const std::vector<TBlob>& blobs, TRgb base, uint32_t seed) {
  TShape outline = Union(Circles(blobs, 0.6));
  TShape body = Union(Circles(blobs, 0));
  TBox box = body.Bounds;
  TPointF centre{(box.Left + box.Right) / 2, (box.Top + box.Bottom) / 2};
  double radius = std::max(box.Right - box.Left, box.Bottom - box.Top) / 2;
  FillShape(target, outline, OutlineOf(base));
  FillShape(target, body, FoliagePaint(centre, radius, base, seed));
}

void PaintStem(TBitmap& target, TPointF from, TPointF control, TPointF to, double fromRadius, double toRadius,
               TRgb base) {
  TCurveRef stem = MakeCurve(from, control, to);
  FillShape(target, TaperedStroke(stem, fromRadius + 0.5, toRadius + 0.5), OutlineOf(base));
  FillShape(target, TaperedStroke(stem, fromRadius, toRadius), [=](double x, double y) {
    TCurvePlace place = stem->Locate({x, y});
    double radius = fromRadius + (toRadius - fromRadius) * place.Along;
    double across = std::clamp(place.Side * place.Distance / std::max(radius, 0.3), -1.0, 1.0);
    return Scaled(base, LightFactor(across * 0.8, 0));
  });
}

void PaintBlossom(TBitmap& target, TPointF centre, double radius, TRgb colour, TRgb heart) {
  FillShape(target, Circle(centre, radius + 0.5), OutlineOf(colour));
  FillShape(target, Circle(centre, radius), DomePaint(centre, radius, radius, colour, 5, 0));
  FillShape(target, Circle(Add(centre, {-radius * 0.35, -radius * 0.35}), radius * 0.3),
            Mix(colour, Rgb(255, 255, 240), 0.55));
  if (heart.R != colour.R || heart.G != colour.G || heart.B != colour.B)
    FillShape(target, Circle(centre, radius * 0.42), heart);
}

void PaintFlower(TBitmap& target, TPointF centre, double radius, TRgb petals, TRgb heart) {
  // Five directions about 72 degrees apart, starting straight up; each
  // petal keeps its own dark rim so the petals stay apart even when small.
  constexpr int Petals[5] = {12, 15, 2, 6, 9};
  for (int petal : Petals) {
    TPointF at = Along(centre, Direction(petal), radius * 0.55);
    FillShape(target, Circle(at, radius * 0.5 + 0.45), OutlineOf(petals));
    FillShape(target, Circle(at, radius * 0.5), DomePaint(centre, radius, radius, petals, 9, 4));
  }
  FillShape(target, Circle(centre, radius * 0.36), heart);
}
