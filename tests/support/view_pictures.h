#pragma once
// Map-view and palette pictures composed independently of the drawing code,
// straight from the tile strip and the sector frame, to compare with what
// the editor drew.
#include "map/map_grid.h"
#include "platform/bitmap.h"

struct TExpectedView {
  int ScrollX = 0;
  int ScrollY = 0;
  int CursorX = 0;
  int CursorY = 0;
};

TBitmap ComposeMapView(const TMapCells& map, const TBitmap& strip, const TExpectedView& view);
