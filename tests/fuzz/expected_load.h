#pragma once
// What loading a map file must give, worked out from the file format alone
// and without the reader's code: the fuzz check compares the reader with it.
#include <string_view>

#include "map/map_grid.h"

struct TExpectedLoad {
  // The index of the first cell whose number is malformed; -1 when every
  // number the reader takes is well formed and the load must succeed.
  int FailingCell = -1;
  // The loaded map when the load succeeds.
  TMapCells Cells{};
};

TExpectedLoad ExpectedLoad(std::string_view bytes);
