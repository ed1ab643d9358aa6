#pragma once
// Putting shapes on a bitmap: each pixel is covered by 4 x 4 samples, and
// the share inside the shape sets how much of the paint it takes, which
// smooths the edges of the small pictures.
#include <functional>

#include "platform/bitmap.h"
#include "tools/paint_assets/colour.h"
#include "tools/paint_assets/shapes.h"

// The colour of a shape at a point (the centre of the pixel being painted).
using TPaint = std::function<TRgb(double x, double y)>;

TPaint Solid(TRgb colour);

// Mixes `colour` into pixel (x, y) with weight `alpha` (0..1); outside the
// bitmap nothing happens.
void BlendPixel(TBitmap& target, int x, int y, TRgb colour, double alpha);

void FillShape(TBitmap& target, const TShape& shape, const TPaint& paint, double opacity = 1.0);
void FillShape(TBitmap& target, const TShape& shape, TRgb colour, double opacity = 1.0);

// The share (0..1) of pixel (x, y) that lies inside `shape`.
double Coverage(const TShape& shape, int x, int y);
