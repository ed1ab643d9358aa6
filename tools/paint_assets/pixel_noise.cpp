#include "tools/paint_assets/pixel_noise.h"

#include <cmath>

namespace {

int Wrap(int value, int period) { return ((value % period) + period) % period; }

double Smooth(double t) { return t * t * (3.0 - 2.0 * t); }

double Lerp(double a, double b, double t) { return a + (b - a) * t; }

}  // namespace

// A murmur-style finaliser over the packed inputs: cheap, and neighbouring
// pixels get unrelated values.
uint32_t PixelHash(int x, int y, uint32_t seed) {
  uint32_t h = seed * 0x9E3779B9u ^ uint32_t(x) * 0x85EBCA6Bu ^ uint32_t(y) * 0xC2B2AE35u;
  h ^= h >> 16;
  h *= 0x7FEB352Du;
  h ^= h >> 15;
  h *= 0x846CA68Bu;
  h ^= h >> 16;
  return h;
}

double HashUnit(int x, int y, uint32_t seed) { return double(PixelHash(x, y, seed) >> 8) / double(1u << 24); }

double TileableNoise(double x, double y, int period, int cell, uint32_t seed) {
  int cells = period / cell;
  double fx = x / cell, fy = y / cell;
  double flooredX = std::floor(fx), flooredY = std::floor(fy);
  int ix = int(flooredX), iy = int(flooredY);
  double tx = Smooth(fx - flooredX), ty = Smooth(fy - flooredY);
  auto corner = [&](int dx, int dy) { return HashUnit(Wrap(ix + dx, cells), Wrap(iy + dy, cells), seed); };
  double top = Lerp(corner(0, 0), corner(1, 0), tx);
  double bottom = Lerp(corner(0, 1), corner(1, 1), tx);
  return Lerp(top, bottom, ty);
}
