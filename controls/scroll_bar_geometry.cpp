#include "controls/scroll_bar_geometry.h"

#include <algorithm>

int64_t RoundHalfEven(int64_t a, int64_t b) {
  // Floor division first, so that negative quotients round the same way.
  int64_t q = a / b, r = a % b;
  if (r < 0) {
    q -= 1;
    r += b;
  }
  if (2 * r > b || (2 * r == b && (q & 1))) ++q;
  return q;
}

int ThumbOffsetFor(int travel, int min, int max, int position) {
  if (travel <= 0 || max <= min) return 0;
  int64_t span = int64_t(max) - min;
  int64_t offset = RoundHalfEven(int64_t(travel) * (int64_t(position) - min), span);
  return int(std::clamp<int64_t>(offset, 0, travel));
}

int PositionForThumbOffset(int travel, int min, int max, int offset) {
  if (travel <= 0 || offset <= 0) return min;
  if (offset >= travel) return max;
  // Exact in integers: (max - min) x offset / T, no floating-point halves to lose.
  return int(min + RoundHalfEven((int64_t(max) - min) * offset, travel));
}

TScrollBarGeometry ScrollBarGeometry(TScrollBarKind kind, int width, int height, int arrowLength,
                                     int thumbLength, int min, int max, int position) {
  TScrollBarGeometry g;
  g.Kind = kind;
  int length = std::max(kind == sbHorizontal ? width : height, 0);
  int arrow = std::clamp(arrowLength, 0, length / 2);
  int trackLength = length - 2 * arrow;
  g.ThumbLength = std::clamp(thumbLength, 0, trackLength);
  g.Travel = trackLength - g.ThumbLength;
  g.ThumbOffset = ThumbOffsetFor(g.Travel, min, max, position);
  int thumbStart = arrow + g.ThumbOffset;
  // Spans along the axis, laid across the bar's full thickness.
  auto span = [&](int from, int to) {
    return kind == sbHorizontal ? TRect{from, 0, to, height} : TRect{0, from, width, to};
  };
  g.DecreaseArrow = span(0, arrow);
  g.IncreaseArrow = span(length - arrow, length);
  g.Track = span(arrow, length - arrow);
  g.Thumb = span(thumbStart, thumbStart + g.ThumbLength);
  return g;
}

TScrollBarPart ScrollBarPartAt(const TScrollBarGeometry& g, TPoint p) {
  if (g.Thumb.Contains(p)) return TScrollBarPart::Thumb;
  if (g.IncreaseArrow.Contains(p)) return TScrollBarPart::IncreaseArrow;
  if (g.DecreaseArrow.Contains(p)) return TScrollBarPart::DecreaseArrow;
  if (g.Track.Contains(p)) return TScrollBarPart::Track;
  return TScrollBarPart::None;
}
