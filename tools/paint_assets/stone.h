#pragma once
// Boulders and rocks.
#include <cstdint>
#include <vector>

#include "platform/bitmap.h"
#include "tools/paint_assets/colour.h"
#include "tools/paint_assets/shapes.h"

// A stone with the given outline: lit from the upper left, with facets
// (lines from `peak` to the outline points) shaded each by its own slope.
void PaintStone(TBitmap& target, const std::vector<TPointF>& outline, TPointF peak, TRgb base, uint32_t seed);
