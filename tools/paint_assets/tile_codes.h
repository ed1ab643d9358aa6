#pragma once
// The tile strip's geometry and the codes the painter treats specially.

constexpr int kTileSize = 25;
constexpr int kTileCount = 64;

constexpr int kWaterCode = 0;
constexpr int kSandCode = 1;
// Water and sand are shore pieces too: no sand corner, and four.
constexpr int kLastShoreCode = 13;
// Sand with grass: the ground under every cell of the objects of 2 and 4 cells.
constexpr int kGrassCode = 25;
