#include "render/pattern_count.h"

#include <algorithm>
#include <cstdint>

namespace {

// Patterns along one direction: n fit when n * size + (n - 1) * skip <= extent.
int64_t PatternsAlong(int extent, int size, int skip) {
  int64_t step = int64_t(size) + skip, room = int64_t(extent) + skip;
  if (size <= 0 || step <= 0 || room <= 0) return 0;
  return std::min<int64_t>(room / step, INT32_MAX);
}

}  // namespace

int PatternCount(int pictureWidth, int pictureHeight, int width, int height, int skipWidth, int skipHeight) {
  int64_t count = PatternsAlong(pictureWidth, width, skipWidth) * PatternsAlong(pictureHeight, height, skipHeight);
  return int(std::min<int64_t>(count, INT32_MAX));
}
