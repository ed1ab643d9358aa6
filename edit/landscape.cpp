#include "edit/landscape.h"

#include <array>
#include <cstddef>
#include <utility>

namespace {
constexpr uint8_t Grass = 25;
constexpr int Last = MapSide - 1;

uint8_t& Cell(TMapCells& map, int row, int column) { return map[row * MapSide + column]; }

// Water, the shore pieces, the anchor and the dotted sand are never touched.
bool KeepsItsCode(uint8_t code) { return code == 0 || (code >= 2 && code <= 13) || code == 26 || code == 27; }

// What a draw of 0..61 makes of a single cell; -1 keeps the cell's code.
constexpr std::array<int, 62> SingleCellCodes = [] {
  std::array<int, 62> table{};
  for (int& code : table) code = Grass;
  const std::pair<int, int> plants[] = {{0, 14},  {1, 14},  {6, 15},  {7, 15},  {12, 16}, {13, 16}, {18, 17},
                                        {19, 17}, {24, 18}, {25, 18}, {30, 19}, {31, 19}, {36, 20}, {44, 21},
                                        {45, 21}, {50, 22}, {51, 22}, {57, 23}, {61, 24}};
  for (auto [draw, code] : plants) table[size_t(draw)] = code;
  table[43] = -1;
  return table;
}();

// Top-left, top-right, bottom-left, bottom-right.
constexpr int SquareObjects[5][4] = {
    {42, 43, 40, 41}, {50, 51, 48, 49}, {46, 47, 44, 45}, {58, 59, 56, 57}, {62, 63, 60, 61}};
constexpr int WideObjects[2][2] = {{34, 35}, {36, 37}};
// Upper, lower.
constexpr int TallObjects[4][2] = {{29, 28}, {31, 30}, {33, 32}, {39, 38}};

void SingleCells(TMapCells& map, TRandom& random) {
  for (int i = 0; i <= Last; ++i)
    for (int j = 0; j <= Last; ++j) {
      uint8_t& cell = Cell(map, i, j);
      if (KeepsItsCode(cell)) continue;
      int code = SingleCellCodes[size_t(random.RandomBelow(62))];
      if (code >= 0) cell = uint8_t(code);
    }
}

void SquareObjectsPass(TMapCells& map, TRandom& random) {
  for (int i = 0; i < Last; ++i)
    for (int j = 0; j < Last; ++j) {
      uint8_t &tl = Cell(map, i, j), &tr = Cell(map, i, j + 1), &bl = Cell(map, i + 1, j), &br = Cell(map, i + 1, j + 1);
      if (tl != Grass || tr != Grass || bl != Grass || br != Grass) continue;
      if (random.RandomBelow(100) >= 40) continue;
      const int* object = SquareObjects[random.RandomBelow(5)];
      tl = uint8_t(object[0]);
      tr = uint8_t(object[1]);
      bl = uint8_t(object[2]);
      br = uint8_t(object[3]);
    }
}

void WideObjectsPass(TMapCells& map, TRandom& random) {
  for (int i = 0; i <= Last; ++i)
    for (int j = 0; j < Last; ++j) {
      uint8_t &left = Cell(map, i, j), &right = Cell(map, i, j + 1);
      if (left != Grass || right != Grass || random.RandomBelow(100) >= 10) continue;
      const int* object = WideObjects[random.RandomBelow(2)];
      left = uint8_t(object[0]);
      right = uint8_t(object[1]);
    }
}

void TallObjectsPass(TMapCells& map, TRandom& random) {
  for (int i = 0; i < Last; ++i)
    for (int j = 0; j <= Last; ++j) {
      uint8_t &upper = Cell(map, i, j), &lower = Cell(map, i + 1, j);
      if (upper != Grass || lower != Grass || random.RandomBelow(100) >= 10) continue;
      const int* object = TallObjects[random.RandomBelow(4)];
      upper = uint8_t(object[0]);
      lower = uint8_t(object[1]);
    }
}
}  // namespace

void GenerateLandscape(TMapCells& map, TRandom& random) {
  SingleCells(map, random);
  SquareObjectsPass(map, random);
  WideObjectsPass(map, random);
  TallObjectsPass(map, random);
}
