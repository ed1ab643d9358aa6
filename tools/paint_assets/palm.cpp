#include "tools/paint_assets/palm.h"

#include <algorithm>
#include <cmath>

#include "tools/paint_assets/brush.h"
#include "tools/paint_assets/curve.h"
#include "tools/paint_assets/pixel_noise.h"
#include "tools/paint_assets/plant_parts.h"
#include "tools/paint_assets/shading.h"

namespace {

double Fraction(double value) { return value - std::floor(value); }

}  // namespace

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
  FillShape(target, rim, OutlineOf(base));
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
  FillShape(target, TaperedStroke(trunk, palm.FootRadius + 0.6, palm.TopRadius + 0.6), OutlineOf(bark));
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
