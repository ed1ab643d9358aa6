#include "platform/canvas.h"

#include <algorithm>

TCanvas::TCanvas(TBitmap& target, const TRegion& clip, TPoint origin)
    : TargetBitmap(target), ClipRegion(clip), OriginPoint(origin) {
  ClipRegion.Intersect(target.Bounds());
}

TCanvas::TCanvas(TBitmap& target) : TCanvas(target, TRegion(target.Bounds()), {0, 0}) {}

void TCanvas::Fill(const TRect& canvasRect, TPixel pixel) {
  TRect rect = canvasRect.Offset(OriginPoint.X, OriginPoint.Y);
  for (const TRect& clip : ClipRegion.Rects) TargetBitmap.Fill(rect.Intersect(clip), pixel);
}

void TCanvas::FillRect(const TRect& rect) { Fill(rect, PixelOf(Brush.Color)); }

void TCanvas::Rectangle(int x1, int y1, int x2, int y2) {
  if (x2 < x1) std::swap(x1, x2);
  if (y2 < y1) std::swap(y1, y2);
  int w = std::max(Pen.Width, 1);
  TPixel pen = PixelOf(Pen.Color);
  if (Brush.Style == TBrushStyle::bsSolid) Fill({x1 + w, y1 + w, x2 - w, y2 - w}, PixelOf(Brush.Color));
  // The four sides of the outline, each a band `w` pixels deep inside the rectangle.
  Fill({x1, y1, x2, std::min(y1 + w, y2)}, pen);
  Fill({x1, std::max(y2 - w, y1), x2, y2}, pen);
  Fill({x1, y1, std::min(x1 + w, x2), y2}, pen);
  Fill({std::max(x2 - w, x1), y1, x2, y2}, pen);
}

void TCanvas::SetPixel(int x, int y, TColor color) { Fill({x, y, x + 1, y + 1}, PixelOf(color)); }

namespace {
TPixel Blend(TPixel under, TPixel over, uint8_t coverage) {
  auto mix = [&](int shift) {
    int a = (under >> shift) & 0xFF, b = (over >> shift) & 0xFF;
    return TPixel((a * (255 - coverage) + b * coverage + 127) / 255) << shift;
  };
  return mix(16) | mix(8) | mix(0);
}
}  // namespace

void TCanvas::TextOut(int x, int y, const std::string& utf8) {
  TFontEngine& engine = TFontEngine::Instance();
  TPixel ink = PixelOf(Font.Color);
  int left = x + OriginPoint.X, top = y + OriginPoint.Y;
  TRect bounds = ClipRegion.Bounds();
  engine.Render(Font, utf8, [&](int px, int py, uint8_t coverage) {
    TPoint p{left + px, top + py};
    if (!bounds.Contains(p) || !ClipRegion.Contains(p)) return;
    TargetBitmap.Set(p.X, p.Y, Blend(TargetBitmap.At(p.X, p.Y), ink, coverage));
  });
  if (Font.Underline) {
    TFontMetrics metrics = engine.Metrics(Font);
    int thickness = std::max(1, metrics.CellHeight() / 14);
    int lineTop = y + metrics.Ascent + std::max(1, metrics.Descent / 3);
    Fill({x, lineTop, x + engine.TextWidth(Font, utf8), lineTop + thickness}, ink);
  }
}

int TCanvas::TextWidth(const std::string& utf8) { return TFontEngine::Instance().TextWidth(Font, utf8); }

int TCanvas::TextHeight() { return TFontEngine::Instance().Metrics(Font).CellHeight(); }
