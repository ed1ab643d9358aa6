#include "tools/paint_assets/shore.h"

#include <algorithm>
#include <cmath>

#include "tools/paint_assets/ground.h"
#include "tools/paint_assets/pixel_noise.h"
#include "tools/paint_assets/shading.h"
#include "tools/paint_assets/tile_codes.h"

namespace {

constexpr double kHalf = kTileSize / 2.0;
constexpr double kFar = 1000;
constexpr uint32_t kWobbleSeed = 41, kFoamSeed = 42;

const TRgb kShallow = Rgb(30, 92, 148);
const TRgb kFoam = Rgb(246, 250, 252);
const TRgb kWetSand = Rgb(196, 168, 112);

// Codes 0..13 by sand corners.
constexpr int kCorners[14] = {
    0,                                        // 0 water
    kUpperLeft | kUpperRight | kLowerLeft | kLowerRight,  // 1 sand
    kUpperRight,                              // 2 sand quarter upper right
    kUpperLeft | kUpperRight | kLowerRight,   // 3 water quarter lower left
    kUpperLeft,                               // 4 sand quarter upper left
    kLowerRight,                              // 5 sand quarter lower right
    kUpperLeft | kLowerLeft | kLowerRight,    // 6 water quarter upper right
    kUpperRight | kLowerLeft | kLowerRight,   // 7 water quarter upper left
    kUpperLeft | kUpperRight | kLowerLeft,    // 8 water quarter lower right
    kUpperLeft | kLowerLeft,                  // 9 sand left half
    kUpperRight | kLowerRight,                // 10 sand right half
    kUpperLeft | kUpperRight,                 // 11 sand upper half
    kLowerLeft | kLowerRight,                 // 12 sand lower half
    kLowerLeft,                               // 13 sand quarter lower left
};

double CornerDistance(int corner, double x, double y) {
  double cx = (corner == kUpperRight || corner == kLowerRight) ? kTileSize : 0;
  double cy = (corner == kLowerLeft || corner == kLowerRight) ? kTileSize : 0;
  return std::sqrt((x - cx) * (x - cx) + (y - cy) * (y - cy));
}

// Signed distance from the shore line, positive on the water side. Along
// any edge it depends only on the position along that edge, the same for
// every piece that splits the edge, which is what makes pieces join: a
// quarter circle about a corner is at distance |t - 12.5| where it meets the
// corner's two edges, exactly like a half piece's straight line.
double ShoreDistance(int sandCorners, double x, double y) {
  switch (sandCorners) {
    case 0: return kFar;
    case kUpperLeft | kLowerLeft: return x - kHalf;
    case kUpperRight | kLowerRight: return kHalf - x;
    case kUpperLeft | kUpperRight: return y - kHalf;
    case kLowerLeft | kLowerRight: return kHalf - y;
    case kUpperLeft: case kUpperRight: case kLowerLeft: case kLowerRight:
      return CornerDistance(sandCorners, x, y) - kHalf;
    default: break;
  }
  int waterCorner = 15 & ~sandCorners;
  if (waterCorner == 0) return -kFar;
  return kHalf - CornerDistance(waterCorner, x, y);
}

double Ramp(double value, double from, double to) { return std::clamp((value - from) / (to - from), 0.0, 1.0); }

TRgb ShoreColour(double d, int x, int y) {
  TRgb water = Mix(WaterAt(x, y), Grainy(kShallow, x, y, kFoamSeed + 1, 4), 1.0 - Ramp(d, 5.5, 9.0));
  // Foam: a bright line at the water's edge and a broken second line off it.
  double foam = Ramp(d, -0.6, 0.4) * (1.0 - Ramp(d, 1.6, 2.6));
  double spray = Ramp(d, 2.6, 3.2) * (1.0 - Ramp(d, 3.6, 4.2)) * (HashUnit(x, y, kFoamSeed) < 0.45 ? 0.55 : 0.0);
  TRgb colour = Mix(water, kFoam, std::max(foam, spray));
  TRgb land = Mix(SandAt(x, y), kWetSand, Ramp(d, -3.5, -0.5));
  return Mix(colour, land, 1.0 - Ramp(d, -0.9, 0.1));
}

}  // namespace

int SandCorners(int code) { return code >= 0 && code < 14 ? kCorners[code] : 0; }

int ShoreCodeFor(int sandCorners) {
  for (int code = 0; code < 14; ++code)
    if (kCorners[code] == sandCorners) return code;
  return -1;
}

void PaintShoreTile(TBitmap& target, int left, int top, int code) {
  int corners = SandCorners(code);
  for (int y = 0; y < kTileSize; ++y)
    for (int x = 0; x < kTileSize; ++x) {
      double px = x + 0.5, py = y + 0.5;
      // A slight wobble keeps the line from looking ruled; it repeats every
      // tile, so it is the same on both sides of an edge.
      double wobble = (TileableNoise(px, py, kTileSize, 5, kWobbleSeed) - 0.5) * 1.6;
      double d = ShoreDistance(corners, px, py) + wobble;
      target.Set(left + x, top + y, ToPixel(ShoreColour(d, x, y)));
    }
}
