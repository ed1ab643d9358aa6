#pragma once
// The landscape generator: decorates the sand of a map with plants, rocks,
// grass and objects of two and four cells, in four passes over the grid.
#include "edit/random.h"
#include "map/map_grid.h"

void GenerateLandscape(TMapCells& map, TRandom& random);
