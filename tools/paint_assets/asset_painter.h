#pragma once
// The pictures of assets/, painted from code: `paint_assets OUTDIR` writes
// them, the program embeds the BMP files, and a test checks that the files
// are exactly what the painter makes. A new picture is a new function and
// an entry in PaintAssets().
#include <cstdint>
#include <string>
#include <vector>

#include "platform/bitmap.h"

// 64 tiles of 25 x 25 side by side, tile k at x = 25k: water, sand, the
// shore pieces, then plants, stones and marks, then the cells of the
// objects of two and four cells. Never the key colour (255, 0, 255).
TBitmap PaintTileStrip();

// 350 x 350 of the key colour with a one-pixel white border.
TBitmap PaintSectorFrame();

// The sizes of the window icon, written as icon_<size>.png.
inline constexpr int IconSizes[] = {16, 32, 48};

struct TPaintedAsset {
  std::string FileName;
  std::vector<uint8_t> Bytes;  // the whole file
};

// Every file of assets/ with its content.
std::vector<TPaintedAsset> PaintAssets();
