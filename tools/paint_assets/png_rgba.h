#pragma once
// PNG with an alpha channel, for the window icons: the editor's EncodePng
// writes opaque RGB only.
#include <cstdint>
#include <vector>

#include "platform/bitmap.h"

// 8-bit RGBA, colour from `bitmap` and opacity from `alpha` (one byte per
// pixel, row by row). The output is the same for the same input: no time
// stamp, fixed filters and compression. Raises EImageError on failure.
std::vector<uint8_t> EncodePngRgba(const TBitmap& bitmap, const std::vector<uint8_t>& alpha);
