#pragma once
// The tile strip's geometry and the codes the painter treats specially.

constexpr int TileSize = 25;
constexpr int TileCount = 64;

constexpr int WaterCode = 0;
constexpr int SandCode = 1;
// Water and sand are shore pieces too: no sand corner, and four.
constexpr int LastShoreCode = 13;
// Sand with grass: the ground under every cell of the objects of 2 and 4 cells.
constexpr int GrassCode = 25;
