#pragma once
// The window icon: a sand island with a palm in a round patch of sea, on a
// transparent background.
#include <cstdint>
#include <vector>

#include "platform/bitmap.h"

struct TIconPicture {
  TBitmap Colour;
  std::vector<uint8_t> Alpha;  // one byte per pixel, 0 transparent
};

// The icon at `size` x `size` pixels (16, 32 and 48 are used).
TIconPicture PaintIcon(int size);
