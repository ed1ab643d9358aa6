#pragma once
// The map: 99 x 99 tile codes, row by row. Column x of row y is element
// y * 99 + x; nothing checks the bounds, callers stay inside.
#include <array>
#include <cstdint>

constexpr int MapSide = 99;
constexpr int MapCellCount = MapSide * MapSide;

using TMapCells = std::array<uint8_t, MapCellCount>;

inline uint8_t GetCell(const TMapCells& map, int x, int y) { return map[y * MapSide + x]; }
// Stores the low 8 bits of `code`.
inline void SetCell(TMapCells& map, int x, int y, int code) { map[y * MapSide + x] = uint8_t(code); }
