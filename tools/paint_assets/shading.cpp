#include "tools/paint_assets/shading.h"

#include <algorithm>
#include <cmath>

#include "tools/paint_assets/pixel_noise.h"

namespace {

// Unit vector towards the light: left, up and out of the picture.
constexpr double LightX = -0.5, LightY = -0.6, LightZ = 0.62;

const TRgb ShadowColour = Rgb(70, 52, 25);

}  // namespace

double LightFactor(double nx, double ny) {
  double nz = std::sqrt(std::max(0.0, 1.0 - nx * nx - ny * ny));
  double lit = nx * LightX + ny * LightY + nz * LightZ;
  return 0.62 + 0.6 * std::max(-0.1, lit);
}

TRgb Grainy(TRgb colour, double x, double y, uint32_t seed, double amount) {
  double offset = (HashUnit(int(std::floor(x)), int(std::floor(y)), seed) - 0.5) * 2.0 * amount;
  return Shifted(colour, offset);
}

TPaint DomePaint(TPointF centre, double radiusX, double radiusY, TRgb base, uint32_t seed, double grain) {
  return [=](double x, double y) {
    double nx = std::clamp((x - centre.X) / radiusX, -1.0, 1.0);
    double ny = std::clamp((y - centre.Y) / radiusY, -1.0, 1.0);
    return Grainy(Scaled(base, LightFactor(nx * 0.9, ny * 0.9)), x, y, seed, grain);
  };
}

TPaint FoliagePaint(TPointF centre, double radius, TRgb base, uint32_t seed) {
  return [=](double x, double y) {
    double nx = std::clamp((x - centre.X) / radius, -1.0, 1.0);
    double ny = std::clamp((y - centre.Y) / radius, -1.0, 1.0);
    double dome = LightFactor(nx * 0.85, ny * 0.85);
    // Clumps: a 3 px lattice of noise, compared with its neighbour up-left so
    // each clump gets a lit edge and a shaded one.
    double here = TileableNoise(x, y, 300, 3, seed);
    double upLeft = TileableNoise(x - 1.2, y - 1.2, 300, 3, seed);
    double clump = 1.0 + (here - upLeft) * 0.55;
    TRgb colour = Scaled(base, dome * clump);
    double speck = HashUnit(int(std::floor(x)), int(std::floor(y)), seed + 7);
    if (speck > 0.93) colour = Scaled(colour, 1.18);
    else if (speck < 0.07) colour = Scaled(colour, 0.8);
    return colour;
  };
}

void CastShadow(TBitmap& target, TPointF centre, double radiusX, double radiusY, double strength) {
  int left = int(std::floor(centre.X - radiusX)), right = int(std::ceil(centre.X + radiusX));
  int top = int(std::floor(centre.Y - radiusY)), bottom = int(std::ceil(centre.Y + radiusY));
  for (int y = top; y <= bottom; ++y)
    for (int x = left; x <= right; ++x) {
      double nx = (x + 0.5 - centre.X) / radiusX, ny = (y + 0.5 - centre.Y) / radiusY;
      double r2 = nx * nx + ny * ny;
      if (r2 < 1.0) BlendPixel(target, x, y, ShadowColour, strength * std::min(1.0, (1.0 - r2) * 2.0));
    }
}
