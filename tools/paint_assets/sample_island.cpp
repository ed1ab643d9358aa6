#include "tools/paint_assets/sample_island.h"

#include <map>
#include <string>

#include "tools/paint_assets/shore.h"
#include "tools/paint_assets/tile_codes.h"

namespace {

// Sand at the corners marked '#': the tile between four corners takes the
// shore piece with those sand corners, so the outline decides every piece.
const char* const SandCorners[] = {
    ".............", ".............", "....#####....", "..#########..", "..#########..",
    "...########..", "...###..###..", "..........#..", ".............",
};

// What stands on the inner sand, by cell: code at (column, row).
const std::map<std::pair<int, int>, int> Placements = {
    {{4, 2}, 14}, {{6, 2}, 29}, {{7, 2}, 23}, {{3, 3}, 25}, {{4, 3}, 42}, {{5, 3}, 43}, {{6, 3}, 28},
    {{7, 3}, 25}, {{8, 3}, 17}, {{3, 4}, 25}, {{4, 4}, 40}, {{5, 4}, 41}, {{6, 4}, 25}, {{7, 4}, 36},
    {{8, 4}, 37}, {{9, 4}, 19}, {{3, 5}, 26}, {{8, 5}, 24}, {{2, 3}, 21},
};

bool SandAt(int column, int row) { return SandCorners[row][column] == '#'; }

}  // namespace

std::vector<std::vector<int>> SampleIslandCodes() {
  std::vector<std::vector<int>> codes(8, std::vector<int>(12, WaterCode));
  for (int row = 0; row < 8; ++row)
    for (int column = 0; column < 12; ++column) {
      int corners = (SandAt(column, row) ? UpperLeft : 0) | (SandAt(column + 1, row) ? UpperRight : 0) |
                    (SandAt(column, row + 1) ? LowerLeft : 0) | (SandAt(column + 1, row + 1) ? LowerRight : 0);
      codes[row][column] = ShoreCodeFor(corners);
      auto placed = Placements.find({column, row});
      if (placed != Placements.end() && codes[row][column] == SandCode) codes[row][column] = placed->second;
    }
  return codes;
}

TBitmap RenderTileMap(const TBitmap& strip, const std::vector<std::vector<int>>& codes) {
  int rows = int(codes.size()), columns = rows ? int(codes[0].size()) : 0;
  TBitmap map(columns * TileSize, rows * TileSize);
  for (int row = 0; row < rows; ++row)
    for (int column = 0; column < columns; ++column)
      map.CopyFrom(strip, RectOfSize(codes[row][column] * TileSize, 0, TileSize, TileSize),
                   {column * TileSize, row * TileSize});
  return map;
}
