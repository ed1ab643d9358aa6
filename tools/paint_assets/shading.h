#pragma once
// Light for the pictures: it falls from the upper left, so round things are
// bright there and dark at the lower right, and shadows fall to the lower
// right on the ground.
#include <cstdint>

#include "platform/bitmap.h"
#include "tools/paint_assets/brush.h"

// Brightness factor of a surface whose normal leans (nx, ny) out of the
// picture (|n| <= 1): about 0.55 facing away from the light, 1.25 facing it.
double LightFactor(double nx, double ny);

// A rounded body (bush, boulder, ball) lit from the upper left, with a
// little per-pixel grain of `grain` levels.
TPaint DomePaint(TPointF centre, double radiusX, double radiusY, TRgb base, uint32_t seed, double grain);

// Foliage: a dome with clumps of leaves, each clump lit on its own upper
// left side, and scattered bright and dark leaf tips.
TPaint FoliagePaint(TPointF centre, double radius, TRgb base, uint32_t seed);

// `colour` with per-pixel grain of up to `amount` levels either way.
TRgb Grainy(TRgb colour, double x, double y, uint32_t seed, double amount);

// A soft shadow on the ground, an ellipse darkest at its centre.
void CastShadow(TBitmap& target, TPointF centre, double radiusX, double radiusY, double strength);
