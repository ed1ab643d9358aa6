#pragma once
// The three grounds of the tiles. Each repeats every tile (25 px) in both
// directions, so any two tiles of the same ground join without a seam, and
// the shore pieces and objects painted over them match the plain tiles.
#include "platform/bitmap.h"
#include "tools/paint_assets/colour.h"

enum class TGround { Water, Sand, GrassySand };

TRgb WaterAt(int x, int y);
TRgb SandAt(int x, int y);
TRgb GrassySandAt(int x, int y);
TRgb GroundAt(TGround ground, int x, int y);

// Fills `area` of `target`, with the ground's tile grid starting at the
// area's top left corner.
void PaintGround(TBitmap& target, const TRect& area, TGround ground);
