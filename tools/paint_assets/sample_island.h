#pragma once
// A small map for the contact sheet: an island built from the shore
// pieces, with grass and a few objects, to show that the pieces join.
#include <vector>

#include "platform/bitmap.h"

// Tile codes, row by row: 8 rows of 12.
std::vector<std::vector<int>> SampleIslandCodes();

// The map laid out from the tiles of `strip`, 25 px a cell.
TBitmap RenderTileMap(const TBitmap& strip, const std::vector<std::vector<int>>& codes);
