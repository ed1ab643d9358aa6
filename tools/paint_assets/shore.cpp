#include "tools/paint_assets/shore.h"

#include <algorithm>
#include <cmath>

#include "tools/paint_assets/ground.h"
#include "tools/paint_assets/pixel_noise.h"
#include "tools/paint_assets/shading.h"
#include "tools/paint_assets/tile_codes.h"

namespace {

constexpr double Half = TileSize / 2.0;
constexpr double Far = 1000;
constexpr uint32_t WobbleSeed = 41, FoamSeed = 42;

const TRgb Shallow = Rgb(30, 92, 148);
const TRgb Foam = Rgb(246, 250, 252);
const TRgb WetSand = Rgb(196, 168, 112);

// Codes 0..13 by sand corners.
constexpr int Corners[14] = {
    0,                                        // 0 water
    UpperLeft | UpperRight | LowerLeft | LowerRight,  // 1 sand
    UpperRight,                              // 2 sand quarter upper right
    UpperLeft | UpperRight | LowerRight,   // 3 water quarter lower left
    UpperLeft,                               // 4 sand quarter upper left
    LowerRight,                              // 5 sand quarter lower right
    UpperLeft | LowerLeft | LowerRight,    // 6 water quarter upper right
    UpperRight | LowerLeft | LowerRight,   // 7 water quarter upper left
    UpperLeft | UpperRight | LowerLeft,    // 8 water quarter lower right
    UpperLeft | LowerLeft,                  // 9 sand left half
    UpperRight | LowerRight,                // 10 sand right half
    UpperLeft | UpperRight,                 // 11 sand upper half
    LowerLeft | LowerRight,                 // 12 sand lower half
    LowerLeft,                               // 13 sand quarter lower left
};

double CornerDistance(int corner, double x, double y) {
  double cx = (corner == UpperRight || corner == LowerRight) ? TileSize : 0;
  double cy = (corner == LowerLeft || corner == LowerRight) ? TileSize : 0;
  return std::sqrt((x - cx) * (x - cx) + (y - cy) * (y - cy));
}

// Signed distance from the shore line, positive on the water side. Along
// any edge it depends only on the position along that edge, the same for
// every piece that splits the edge, which is what makes pieces join: a
// quarter circle about a corner is at distance |t - 12.5| where it meets the
// corner's two edges, exactly like a half piece's straight line.
double ShoreDistance(int sandCorners, double x, double y) {
  switch (sandCorners) {
    case 0: return Far;
    case UpperLeft | LowerLeft: return x - Half;
    case UpperRight | LowerRight: return Half - x;
    case UpperLeft | UpperRight: return y - Half;
    case LowerLeft | LowerRight: return Half - y;
    case UpperLeft: case UpperRight: case LowerLeft: case LowerRight:
      return CornerDistance(sandCorners, x, y) - Half;
    default: break;
  }
  int waterCorner = 15 & ~sandCorners;
  if (waterCorner == 0) return -Far;
  return Half - CornerDistance(waterCorner, x, y);
}

double Ramp(double value, double from, double to) { return std::clamp((value - from) / (to - from), 0.0, 1.0); }

TRgb ShoreColour(double d, int x, int y) {
  TRgb water = Mix(WaterAt(x, y), Grainy(Shallow, x, y, FoamSeed + 1, 4), 1.0 - Ramp(d, 5.5, 9.0));
  // Foam: a bright line at the water's edge and a broken second line off it.
  double foam = Ramp(d, -0.6, 0.4) * (1.0 - Ramp(d, 1.6, 2.6));
  double spray = Ramp(d, 2.6, 3.2) * (1.0 - Ramp(d, 3.6, 4.2)) * (HashUnit(x, y, FoamSeed) < 0.45 ? 0.55 : 0.0);
  TRgb colour = Mix(water, Foam, std::max(foam, spray));
  TRgb land = Mix(SandAt(x, y), WetSand, Ramp(d, -3.5, -0.5));
  return Mix(colour, land, 1.0 - Ramp(d, -0.9, 0.1));
}

}  // namespace

int SandCorners(int code) { return code >= 0 && code < 14 ? Corners[code] : 0; }

int ShoreCodeFor(int sandCorners) {
  for (int code = 0; code < 14; ++code)
    if (Corners[code] == sandCorners) return code;
  return -1;
}

void PaintShoreTile(TBitmap& target, int left, int top, int code) {
  int corners = SandCorners(code);
  for (int y = 0; y < TileSize; ++y)
    for (int x = 0; x < TileSize; ++x) {
      double px = x + 0.5, py = y + 0.5;
      // A slight wobble keeps the line from looking ruled; it repeats every
      // tile, so it is the same on both sides of an edge.
      double wobble = (TileableNoise(px, py, TileSize, 5, WobbleSeed) - 0.5) * 1.6;
      double d = ShoreDistance(corners, px, py) + wobble;
      target.Set(left + x, top + y, ToPixel(ShoreColour(d, x, y)));
    }
}
