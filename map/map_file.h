#pragma once
// The map file: 99 lines, one per grid row, of 99 fields of width 4 (the
// code in decimal, right-aligned), each line ended by CR LF: 39402 bytes.
// Reading takes the 9801 numbers in sequence, wherever the lines break.
//
// These functions do the file's part of a command's ending steps themselves:
// on every path the channel is closed if it was opened, and an error in
// closing wins over an earlier one. The command's own ending steps (its
// progress display) come after they return or throw.
#include <functional>
#include <string>

#include "map/map_grid.h"

// Runs after each of the 99 rows, to advance a progress display.
using TRowCallback = std::function<void()>;

// Reads the file's numbers into `grid`, each number's low 8 bits, with the
// error check after every cell. Data that ends early is no failure: the cells
// not reached keep what they held. Throws EInOutError on the first failure,
// after storing 0 in the cell at which it came; the later cells keep what
// they held.
void ReadMapFile(const std::string& fileName, TMapCells& grid, const TRowCallback& afterRow);

// The map in a file, read as ReadMapFile reads it into an all-water grid of
// its own, and copied into `loaded` only once the whole file was read and
// closed without error: after a failure `loaded` is as it was. So a failed
// Open can keep the map. (An out-parameter rather than a result: with a
// result, `map = LoadMapFile(...)` may be built in place in `map`, and a
// failure half-way would leave it half-overwritten.)
void LoadMapFile(const std::string& fileName, TMapCells& loaded, const TRowCallback& afterRow);

struct TWriteOptions {
  // Only the benchmark turns it off, to weigh the wait for the disk.
  bool SyncToDisk = true;
};

// Writes the map, with the error check after every field and line end. The
// named file is replaced only by a complete file: after a failure it holds
// what it held before (or does not exist, if it did not). Throws EInOutError.
void WriteMapFile(const std::string& fileName, const TMapCells& grid, const TRowCallback& afterRow,
                  const TWriteOptions& options = {});
