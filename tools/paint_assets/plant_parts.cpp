#include "tools/paint_assets/plant_parts.h"

#include <algorithm>
#include <cmath>

#include "tools/paint_assets/brush.h"
#include "tools/paint_assets/curve.h"
#include "tools/paint_assets/pixel_noise.h"
#include "tools/paint_assets/shading.h"

namespace {

// cos and sin of k * 22.5 degrees for k = 0..4; the other directions are
// reflections, which keeps libm out of the pictures.
constexpr double kCos[5] = {1.0, 0.9238795325, 0.7071067812, 0.3826834324, 0.0};

double Fraction(double value) { return value - std::floor(value); }

TRgb Outline(TRgb colour) { return Scaled(colour, 0.42); }

std::vector<TShape> Circles(const std::vector<TBlob>& blobs, double grow) {
  std::vector<TShape> circles;
  for (const TBlob& blob : blobs) circles.push_back(Circle(blob.Centre, blob.Radius + grow));
  return circles;
}

}  // namespace

TPointF Direction(int sixteenth) {
  int k = ((sixteenth % 16) + 16) % 16;
  int quadrant = k / 4, step = k % 4;
  double c = kCos[step], s = kCos[4 - step];
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
  FillShape(target, outline, Outline(base));
  FillShape(target, body, FoliagePaint(centre, radius, base, seed));
}

void PaintFrond(TBitmap& target, TPointF from, TPointF direction, double length, double halfWidth, TRgb base,
                uint32_t seed) {
  // Out and a little up first, then down under its own weight.
  TPointF control = Add(Along(from, direction, length * 0.6), {0, -length * 0.22});
  TPointF tip = Add(Along(from, direction, length), {0, length * 0.28});
  TCurveRef spine = MakeCurve(from, control, tip);
  double shift = HashUnit(int(seed), 0, 77) * 0.5;
  auto width = [=](double along, int side) {
    double grow = std::min(1.0, along / 0.18);
    // Leaflets: a saw tooth along each side, offset between the sides.
    double comb = Fraction(along * 6.0 + shift + (side > 0 ? 0.5 : 0.0));
    return halfWidth * grow * std::sqrt(1.0 - along) * (0.45 + 0.55 * comb) + 0.35;
  };
  TShape leaf = Ribbon(spine, width, halfWidth + 0.5);
  TShape rim = Ribbon(spine, [=](double along, int side) { return width(along, side) + 0.5; }, halfWidth + 1.0);
  double tone = 0.9 + HashUnit(int(seed), 1, 78) * 0.2;
  FillShape(target, rim, Outline(base));
  FillShape(target, leaf, [=](double x, double y) {
    TCurvePlace place = spine->Locate({x, y});
    // The upper side of a frond catches the light, the lower is in shade.
    double side = place.Side * (direction.X >= 0 ? -1 : 1);
    TRgb colour = Scaled(base, tone * (side > 0 ? 1.12 : 0.86) * (0.82 + 0.3 * place.Along));
    if (place.Distance < 0.45) colour = Mix(colour, Rgb(176, 186, 92), 0.45);
    return Grainy(colour, x, y, seed, 6);
  });
}

void PaintPalmTrunk(TBitmap& target, const TPalm& palm) {
  TPointF middle{(palm.Foot.X + palm.Top.X) / 2 + palm.Bend, (palm.Foot.Y + palm.Top.Y) / 2};
  TCurveRef trunk = MakeCurve(palm.Foot, middle, palm.Top);
  double length = std::sqrt((palm.Top.X - palm.Foot.X) * (palm.Top.X - palm.Foot.X) +
                            (palm.Top.Y - palm.Foot.Y) * (palm.Top.Y - palm.Foot.Y));
  const TRgb bark = Rgb(150, 112, 68);
  FillShape(target, TaperedStroke(trunk, palm.FootRadius + 0.6, palm.TopRadius + 0.6), Outline(bark));
  double footRadius = palm.FootRadius, topRadius = palm.TopRadius;
  FillShape(target, TaperedStroke(trunk, footRadius, topRadius), [=](double x, double y) {
    TCurvePlace place = trunk->Locate({x, y});
    double radius = footRadius + (topRadius - footRadius) * place.Along;
    double across = std::clamp(place.Side * place.Distance / radius, -1.0, 1.0);
    // The trunk goes up, so its right side (+1) is away from the light.
    TRgb colour = Scaled(bark, LightFactor(across * 0.9, 0));
    if (Fraction(place.Along * length / 2.2) < 0.34) colour = Scaled(colour, 0.74);
    return Grainy(colour, x, y, palm.Seed + 3, 5);
  });
}

void PaintPalmCrown(TBitmap& target, const TPalm& palm) {
  const TRgb green = Rgb(64, 140, 50);
  int count = int(palm.FrondDirections.size());
  for (int i = 0; i < count; ++i) {
    // Fronds painted first are behind the others: a shade darker.
    TRgb base = Scaled(green, 0.8 + 0.2 * i / std::max(1, count - 1));
    PaintFrond(target, palm.Top, Direction(palm.FrondDirections[i]), palm.FrondLength, palm.FrondWidth, base,
               palm.Seed * 31 + i);
    if (palm.Coconuts && i == count / 2) {
      const TRgb nut = Rgb(112, 74, 36);
      PaintBlossom(target, Add(palm.Top, {-1.2, 1.3}), 1.25, nut, nut);
      PaintBlossom(target, Add(palm.Top, {1.1, 1.6}), 1.25, nut, nut);
    }
  }
}

void PaintPalm(TBitmap& target, const TPalm& palm) {
  PaintPalmTrunk(target, palm);
  PaintPalmCrown(target, palm);
}

void PaintStem(TBitmap& target, TPointF from, TPointF control, TPointF to, double fromRadius, double toRadius,
               TRgb base) {
  TCurveRef stem = MakeCurve(from, control, to);
  FillShape(target, TaperedStroke(stem, fromRadius + 0.5, toRadius + 0.5), Outline(base));
  FillShape(target, TaperedStroke(stem, fromRadius, toRadius), [=](double x, double y) {
    TCurvePlace place = stem->Locate({x, y});
    double radius = fromRadius + (toRadius - fromRadius) * place.Along;
    double across = std::clamp(place.Side * place.Distance / std::max(radius, 0.3), -1.0, 1.0);
    return Scaled(base, LightFactor(across * 0.8, 0));
  });
}

void PaintBlossom(TBitmap& target, TPointF centre, double radius, TRgb colour, TRgb heart) {
  FillShape(target, Circle(centre, radius + 0.5), Outline(colour));
  FillShape(target, Circle(centre, radius), DomePaint(centre, radius, radius, colour, 5, 0));
  FillShape(target, Circle(Add(centre, {-radius * 0.35, -radius * 0.35}), radius * 0.3),
            Mix(colour, Rgb(255, 255, 240), 0.55));
  if (heart.R != colour.R || heart.G != colour.G || heart.B != colour.B)
    FillShape(target, Circle(centre, radius * 0.42), heart);
}

void PaintFlower(TBitmap& target, TPointF centre, double radius, TRgb petals, TRgb heart) {
  // Five directions about 72 degrees apart, starting straight up.
  constexpr int kPetals[5] = {12, 15, 2, 6, 9};
  std::vector<TShape> petalShapes, rimShapes;
  for (int petal : kPetals) {
    TPointF at = Along(centre, Direction(petal), radius * 0.55);
    petalShapes.push_back(Circle(at, radius * 0.52));
    rimShapes.push_back(Circle(at, radius * 0.52 + 0.5));
  }
  FillShape(target, Union(rimShapes), Outline(petals));
  FillShape(target, Union(petalShapes), DomePaint(centre, radius, radius, petals, 9, 4));
  FillShape(target, Circle(centre, radius * 0.33), heart);
}

void PaintStone(TBitmap& target, const std::vector<TPointF>& outline, TPointF peak, TRgb base, uint32_t seed) {
  std::vector<TPointF> rim;
  for (TPointF p : outline) {
    double dx = p.X - peak.X, dy = p.Y - peak.Y, length = std::sqrt(dx * dx + dy * dy);
    rim.push_back({p.X + dx / length * 0.6, p.Y + dy / length * 0.6});
  }
  FillShape(target, Polygon(rim), Outline(base));
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
