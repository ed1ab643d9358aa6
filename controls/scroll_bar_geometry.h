#pragma once
// Where the parts of a scroll bar lie, as a pure function of its size and
// values: painting and hit testing both ask it, so what the user sees is what
// the mouse hits.
#include <cstdint>

#include "platform/types.h"

enum TScrollBarKind { sbHorizontal, sbVertical };

// In the order a press is tested against them: thumb, increase arrow,
// decrease arrow, track.
enum class TScrollBarPart { None, Thumb, IncreaseArrow, DecreaseArrow, Track };

struct TScrollBarGeometry {
  TScrollBarKind Kind = sbHorizontal;
  // Client rectangles of the parts; the thumb lies on the track and spans the
  // bar's whole thickness.
  TRect DecreaseArrow;
  TRect IncreaseArrow;
  TRect Track;
  TRect Thumb;
  int ThumbLength = 0;
  int Travel = 0;       // T: track length minus thumb length, never negative
  int ThumbOffset = 0;  // from the start of the travel, 0..Travel

  // The coordinate along the bar's axis: x for horizontal bars, y for vertical.
  int Along(TPoint p) const { return Kind == sbHorizontal ? p.X : p.Y; }
  // The thumb's leading (left or top) edge and its trailing edge (exclusive).
  int ThumbStart() const { return Kind == sbHorizontal ? Thumb.Left : Thumb.Top; }
  int ThumbEnd() const { return Kind == sbHorizontal ? Thumb.Right : Thumb.Bottom; }
};

// `arrowLength` and `thumbLength` are the theme's; arrows and thumb shrink
// when the bar is too short to hold them.
TScrollBarGeometry ScrollBarGeometry(TScrollBarKind kind, int width, int height, int arrowLength,
                                     int thumbLength, int min, int max, int position);

TScrollBarPart ScrollBarPartAt(const TScrollBarGeometry& geometry, TPoint point);

// a / b rounded to the nearest integer, halves to even; b > 0.
int64_t RoundHalfEven(int64_t a, int64_t b);

// round(T x (position - min) / (max - min)), kept within 0..T; 0 when max <= min.
int ThumbOffsetFor(int travel, int min, int max, int position);

// The position a thumb offset stands for: min + round((max - min) x f) with
// f = offset / T clamped to 0..1 (f = 0 when T <= 0), rounding halves to even.
int PositionForThumbOffset(int travel, int min, int max, int offset);
