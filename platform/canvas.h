#pragma once
// Drawing on a bitmap through a clip region: what GDI offers the editor on a
// window or a surface. Coordinates are relative to the canvas origin.
#include <string>

#include "platform/bitmap.h"
#include "platform/fonts.h"
#include "platform/region.h"

enum class TBrushStyle { bsSolid, bsClear };

struct TPen {
  TColor Color = clBlack;
  int Width = 1;
};

struct TBrush {
  TColor Color = clWhite;
  TBrushStyle Style = TBrushStyle::bsSolid;
};

class TCanvas {
 public:
  // `clip` is in the bitmap's coordinates; `origin` is where (0, 0) of the
  // canvas lies in the bitmap.
  TCanvas(TBitmap& target, const TRegion& clip, TPoint origin);
  explicit TCanvas(TBitmap& target);

  TPen Pen;
  TBrush Brush;
  TFont Font;

  // Fills with the brush colour, whatever the brush style.
  void FillRect(const TRect& rect);
  // GDI's Rectangle: right and bottom exclusive; the pen's outline lies
  // inside the rectangle (a wider pen grows inwards); the inside is filled
  // unless the brush is bsClear.
  void Rectangle(int x1, int y1, int x2, int y2);
  void SetPixel(int x, int y, TColor color);
  // Text on one line with the top of its cell at y; transparent background.
  void TextOut(int x, int y, const std::string& utf8);
  int TextWidth(const std::string& utf8);
  int TextHeight();  // the cell height of the current font

  TBitmap& Target() { return TargetBitmap; }
  const TRegion& Clip() const { return ClipRegion; }
  TPoint Origin() const { return OriginPoint; }

 private:
  void Fill(const TRect& canvasRect, TPixel pixel);
  TBitmap& TargetBitmap;
  TRegion ClipRegion;
  TPoint OriginPoint;
};
