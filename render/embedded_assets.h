#pragma once
// The pictures of assets/, built into the program so that it needs no files
// beside it.
#include <cstdint>
#include <span>
#include <string_view>

#include "platform/bitmap.h"

// The bytes of the asset file `fileName` (e.g. "tiles_25x25.bmp"), or an
// empty span when no such file was embedded.
std::span<const uint8_t> EmbeddedAsset(std::string_view fileName);

// The embedded BMP `fileName`, decoded. Raises Exception when it is missing
// or cannot be decoded.
TBitmap LoadEmbeddedPicture(std::string_view fileName);
