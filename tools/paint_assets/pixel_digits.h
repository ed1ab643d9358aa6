#pragma once
// Numbers in a built-in 3 x 5 pixel font, so the painted pictures come out the
// same on every machine, whatever fonts it has.
#include "platform/bitmap.h"

// The size of `number` (0 or more) drawn at `scale`, digits one pixel apart
// before scaling.
int NumberWidth(int number, int scale);
int NumberHeight(int scale);

// Draws `number` with its top left at (x, y), clipped to the bitmap.
void DrawNumber(TBitmap& bitmap, int x, int y, int number, int scale, TPixel colour);
