#pragma once
// The pictures of assets/, painted from code: `paint_assets OUTDIR` writes
// them, and the program embeds the files. One function per picture; a new
// picture is a new function and an entry in PaintAssets().
#include <string>
#include <vector>

#include "platform/bitmap.h"

// 64 tiles of 25 x 25 side by side, tile k at x = 25k: a colour of its own
// with its code written on it. Never the key colour (255, 0, 255).
TBitmap PaintTileStrip();

// 350 x 350 of the key colour with a one-pixel white border.
TBitmap PaintSectorFrame();

struct TPaintedAsset {
  std::string FileName;
  TBitmap Picture;
};

// Every picture with the file name it is stored under in assets/.
std::vector<TPaintedAsset> PaintAssets();
