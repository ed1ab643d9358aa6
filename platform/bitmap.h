#pragma once
// A picture in memory, XRGB8888, rows top-down: framebuffers of top-level
// windows and the pixels behind surfaces.
#include <cstdint>
#include <vector>

#include "platform/types.h"

class TBitmap {
 public:
  TBitmap() = default;
  TBitmap(int width, int height, TPixel fill = 0);

  int Width() const { return WidthValue; }
  int Height() const { return HeightValue; }
  TRect Bounds() const { return {0, 0, WidthValue, HeightValue}; }
  TPixel* Row(int y) { return Pixels.data() + (size_t)y * WidthValue; }
  const TPixel* Row(int y) const { return Pixels.data() + (size_t)y * WidthValue; }
  TPixel At(int x, int y) const { return Pixels[(size_t)y * WidthValue + x]; }
  void Set(int x, int y, TPixel p) { Pixels[(size_t)y * WidthValue + x] = p; }
  void Fill(const TRect& rect, TPixel p);
  // Copies `from` of `source` so that its top-left lands at `to`; clipped to both.
  void CopyFrom(const TBitmap& source, const TRect& from, TPoint to);
  TBitmap Crop(const TRect& rect) const;

  std::vector<TPixel> Pixels;

 private:
  int WidthValue = 0;
  int HeightValue = 0;
};
