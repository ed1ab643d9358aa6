#pragma once
// Small value types shared by every layer: points, rectangles and colours.
#include <algorithm>
#include <cstdint>

struct TPoint {
  int X = 0;
  int Y = 0;
  friend bool operator==(const TPoint&, const TPoint&) = default;
};

// Right and bottom are exclusive, as everywhere in the editor.
struct TRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;

  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
  bool Contains(TPoint p) const { return p.X >= Left && p.X < Right && p.Y >= Top && p.Y < Bottom; }
  TRect Offset(int dx, int dy) const { return {Left + dx, Top + dy, Right + dx, Bottom + dy}; }
  TRect Intersect(const TRect& o) const {
    return {std::max(Left, o.Left), std::max(Top, o.Top), std::min(Right, o.Right), std::min(Bottom, o.Bottom)};
  }
  TRect Union(const TRect& o) const {
    if (IsEmpty()) return o;
    if (o.IsEmpty()) return *this;
    return {std::min(Left, o.Left), std::min(Top, o.Top), std::max(Right, o.Right), std::max(Bottom, o.Bottom)};
  }
  friend bool operator==(const TRect&, const TRect&) = default;
};

inline TRect RectOfSize(int left, int top, int width, int height) {
  return {left, top, left + width, top + height};
}

// A colour as the layout stores it: 0x00BBGGRR.
using TColor = uint32_t;

constexpr TColor RGB(uint8_t r, uint8_t g, uint8_t b) { return TColor(r) | (TColor(g) << 8) | (TColor(b) << 16); }
constexpr uint8_t RedOf(TColor c) { return c & 0xFF; }
constexpr uint8_t GreenOf(TColor c) { return (c >> 8) & 0xFF; }
constexpr uint8_t BlueOf(TColor c) { return (c >> 16) & 0xFF; }

constexpr TColor clBlack = RGB(0, 0, 0);
constexpr TColor clWhite = RGB(255, 255, 255);
constexpr TColor clFuchsia = RGB(255, 0, 255);
constexpr TColor clLime = RGB(0, 255, 0);

// A raw pixel of our surfaces and framebuffers: XRGB8888.
using TPixel = uint32_t;
constexpr TPixel PixelOf(TColor c) { return (TPixel(RedOf(c)) << 16) | (TPixel(GreenOf(c)) << 8) | BlueOf(c); }
constexpr TColor ColorOfPixel(TPixel p) { return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF); }
