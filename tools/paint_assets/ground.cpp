#include "tools/paint_assets/ground.h"

#include "tools/paint_assets/pixel_noise.h"
#include "tools/paint_assets/tile_codes.h"

namespace {

constexpr uint32_t WaterSeed = 11, RippleSeed = 12, SandSeed = 21, GrainSeed = 22, BladeSeed = 31;

const TRgb Water = Rgb(44, 118, 186);
const TRgb RippleLight = Rgb(128, 186, 232);
const TRgb Sand = Rgb(230, 204, 148);
const TRgb BladeDark = Rgb(74, 124, 44), BladeLight = Rgb(122, 168, 62);

int Wrap(int value) { return ((value % TileSize) + TileSize) % TileSize; }

// Short light dashes on the water, three or four to a tile: a dash starts
// where the hash says so and runs four pixels to the right, with a darker
// trough under it. Wrapped coordinates keep the pattern seamless.
bool RippleStartsAt(int x, int y) { return HashUnit(Wrap(x), Wrap(y), RippleSeed) < 0.007; }

int RippleRole(int x, int y) {
  for (int back = 0; back < 4; ++back) {
    if (RippleStartsAt(x - back, y)) return 1;
    if (RippleStartsAt(x - back, y - 1) && back > 0 && back < 3) return 2;
  }
  return 0;
}

// A grass blade grows up from a base pixel: base dark, one pixel above it
// mid, and for tall blades a light tip leaning left or right.
struct TBlade {
  bool Present = false;
  bool Tall = false;
  int Lean = 0;
};

TBlade BladeAt(int x, int y) {
  uint32_t h = PixelHash(Wrap(x), Wrap(y), BladeSeed);
  TBlade blade;
  blade.Present = (h & 0xFFFF) < 3300;  // about one pixel in twenty
  blade.Tall = (h >> 16 & 3) != 0;
  blade.Lean = int(h >> 18 & 3) % 3 - 1;
  return blade;
}

// 0 no blade here, 1 base, 2 middle, 3 tip.
int BladeRole(int x, int y) {
  if (BladeAt(x, y).Present) return 1;
  if (BladeAt(x, y + 1).Present) return 2;
  for (int lean = -1; lean <= 1; ++lean) {
    TBlade blade = BladeAt(x - lean, y + 2);
    if (blade.Present && blade.Tall && blade.Lean == lean) return 3;
  }
  return 0;
}

}  // namespace

TRgb WaterAt(int x, int y) {
  x = Wrap(x), y = Wrap(y);
  double swell = TileableNoise(x + 0.5, y + 0.5, TileSize, 5, WaterSeed) - 0.5;
  TRgb colour = Shifted(Water, swell * 10);
  colour.B += swell * 8;
  colour = Shifted(colour, (HashUnit(x, y, WaterSeed + 1) - 0.5) * 5);
  int ripple = RippleRole(x, y);
  if (ripple == 1) colour = Mix(colour, RippleLight, 0.55);
  if (ripple == 2) colour = Scaled(colour, 0.88);
  return colour;
}

TRgb SandAt(int x, int y) {
  x = Wrap(x), y = Wrap(y);
  double dune = TileableNoise(x + 0.5, y + 0.5, TileSize, 5, SandSeed) - 0.5;
  TRgb colour = Shifted(Sand, dune * 16);
  double grain = HashUnit(x, y, GrainSeed);
  colour = Shifted(colour, (grain - 0.5) * 12);
  if (grain > 0.975) colour = Scaled(colour, 0.84);
  if (grain < 0.02) colour = Shifted(colour, 14);
  return colour;
}

TRgb GrassySandAt(int x, int y) {
  TRgb sand = SandAt(x, y);
  switch (BladeRole(x, y)) {
    case 1: return Mix(sand, BladeDark, 0.85);
    case 2: return Mix(sand, Mix(BladeDark, BladeLight, 0.5), 0.85);
    case 3: return Mix(sand, BladeLight, 0.75);
    default: return sand;
  }
}

TRgb GroundAt(TGround ground, int x, int y) {
  switch (ground) {
    case TGround::Water: return WaterAt(x, y);
    case TGround::Sand: return SandAt(x, y);
    case TGround::GrassySand: return GrassySandAt(x, y);
  }
  return SandAt(x, y);
}

void PaintGround(TBitmap& target, const TRect& area, TGround ground) {
  TRect clipped = area.Intersect(target.Bounds());
  for (int y = clipped.Top; y < clipped.Bottom; ++y)
    for (int x = clipped.Left; x < clipped.Right; ++x)
      target.Set(x, y, ToPixel(GroundAt(ground, x - area.Left, y - area.Top)));
}
