#pragma once
// Pictures in and out of files: PNG for screenshots, 24-bit BMP for the
// pictures stored with the program and for screenshots on request.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/bitmap.h"

class EImageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

std::vector<uint8_t> EncodePng(const TBitmap& bitmap);
TBitmap DecodePng(const std::vector<uint8_t>& data);
// The same with the alpha channel kept in the top byte: 0xAARRGGBB.
TBitmap DecodePngArgb(const std::vector<uint8_t>& data);
// Uncompressed 24 bits per pixel, 40-byte header, bottom-up rows padded to 4 bytes.
std::vector<uint8_t> EncodeBmp24(const TBitmap& bitmap);
// Reads uncompressed 24- and 32-bit BMP; anything else raises EImageError.
TBitmap DecodeBmp(const uint8_t* data, size_t size);

std::vector<uint8_t> ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes);
// PNG, or BMP when the name ends in ".bmp" (any case).
void SaveImage(const TBitmap& bitmap, const std::string& path);
TBitmap LoadImage(const std::string& path);
