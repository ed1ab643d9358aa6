#pragma once
// Palms: a ringed trunk bending up from its foot, and a crown of fronds
// that arch out and droop at the tips.
#include <cstdint>
#include <vector>

#include "platform/bitmap.h"
#include "tools/paint_assets/colour.h"
#include "tools/paint_assets/shapes.h"

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
