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

// A woody stem or branch, lit on its left side.
void PaintStem(TBitmap& target, TPointF from, TPointF control, TPointF to, double fromRadius, double toRadius,
               TRgb base);

// A round flower or fruit: a lit ball of `colour` with a `heart` dot
// (same colour as the ball for fruit).
void PaintBlossom(TBitmap& target, TPointF centre, double radius, TRgb colour, TRgb heart);

// A flower of five round petals around a `heart` of another colour.
void PaintFlower(TBitmap& target, TPointF centre, double radius, TRgb petals, TRgb heart);
