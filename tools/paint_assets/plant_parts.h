#pragma once
// The pieces the plant and rock pictures are built from. Sizes are in
// pixels of the 25 px tiles; every piece gets a thin dark outline, which
// keeps it readable against the sand at that size.
#include <cstdint>
#include <vector>

#include "platform/bitmap.h"
#include "tools/paint_assets/colour.h"
#include "tools/paint_assets/shapes.h"

struct TBlob {
  TPointF Centre;
  double Radius = 1;
};

// 16 directions, 22.5 degrees apart: 0 points right, 4 down, 8 left, 12 up.
TPointF Direction(int sixteenth);

TPointF Add(TPointF a, TPointF b);
TPointF Along(TPointF from, TPointF direction, double length);

// Leafy mass of overlapping round clumps, lit from the upper left.
void PaintFoliage(TBitmap& target, const std::vector<TBlob>& blobs, TRgb base, uint32_t seed);

// One palm frond from `from`, reaching out along `direction` (a unit vector)
// and drooping at the tip.
void PaintFrond(TBitmap& target, TPointF from, TPointF direction, double length, double halfWidth, TRgb base,
                uint32_t seed);

struct TPalm {
  TPointF Foot, Top;
  double Bend = 0;  // sideways pull of the trunk's middle, in pixels
  double FootRadius = 1.7, TopRadius = 1.1;
  double FrondLength = 10, FrondWidth = 2.3;
  std::vector<int> FrondDirections = {9, 11, 13, 15, 1, 3, 7, 5};  // back to front
  bool Coconuts = true;
  uint32_t Seed = 1;
};

void PaintPalmTrunk(TBitmap& target, const TPalm& palm);
void PaintPalmCrown(TBitmap& target, const TPalm& palm);
void PaintPalm(TBitmap& target, const TPalm& palm);

// A woody stem or branch, lit on its left side.
void PaintStem(TBitmap& target, TPointF from, TPointF control, TPointF to, double fromRadius, double toRadius,
               TRgb base);

// A round flower or fruit: a lit ball of `colour` with a `heart` dot
// (same colour as the ball for fruit).
void PaintBlossom(TBitmap& target, TPointF centre, double radius, TRgb colour, TRgb heart);

// A flower of five round petals around a `heart` of another colour.
void PaintFlower(TBitmap& target, TPointF centre, double radius, TRgb petals, TRgb heart);

// A stone with the given outline: lit from the upper left, with facets
// (lines from `peak` to the outline points) shaded each by its own slope.
void PaintStone(TBitmap& target, const std::vector<TPointF>& outline, TPointF peak, TRgb base, uint32_t seed);
