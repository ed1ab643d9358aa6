// The stones and marks of one cell: a boulder, a rock, an anchor and a
// dotted border.
#include <vector>

#include "tools/paint_assets/brush.h"
#include "tools/paint_assets/stone.h"
#include "tools/paint_assets/shading.h"
#include "tools/paint_assets/single_tiles.h"
#include "tools/paint_assets/tile_codes.h"

void PaintLightBoulder(TBitmap& canvas) {
  CastShadow(canvas, {15, 18.5}, 10.5, 4.5, 0.45);
  std::vector<TPointF> outline = {{3.5, 16}, {4.5, 11},  {8, 7.5},   {13, 6},    {18, 7},
                                  {21, 10.5}, {21.5, 15.5}, {18, 19.5}, {12, 20.5}, {6.5, 19.5}};
  PaintStone(canvas, outline, {11, 10.5}, Rgb(198, 192, 180), 131);
  // A crack and a few specks of lichen.
  FillShape(canvas, Capsule({14.5, 12.5}, {17, 16.5}, 0.35, 0.25), Rgb(120, 114, 104));
  for (TPointF at : {TPointF{8, 14}, TPointF{15, 9}, TPointF{10, 17}})
    FillShape(canvas, Circle(at, 0.8), Rgb(160, 170, 120), 0.7);
}

void PaintDarkRock(TBitmap& canvas) {
  CastShadow(canvas, {15, 19.5}, 10.5, 4, 0.45);
  std::vector<TPointF> outline = {{3, 20},  {4.5, 14}, {7.5, 11},   {9, 5},     {12, 9}, {14.5, 3.5},
                                  {17, 9.5}, {20, 8},   {21.5, 14.5}, {22.5, 20.5}, {16, 21.5}, {9, 21.5}};
  PaintStone(canvas, outline, {13, 11}, Rgb(92, 86, 86), 141);
}

void PaintAnchor(TBitmap& canvas) {
  const TRgb iron = Rgb(30, 30, 36);
  const TRgb sheen = Rgb(110, 112, 124);
  auto anchorShapes = [](double dx, double dy) {
    auto at = [=](double x, double y) { return TPointF{x + dx, y + dy}; };
    std::vector<TShape> parts = {
        Minus(Circle(at(12.5, 4.5), 2.4), Circle(at(12.5, 4.5), 1.2)),
        Capsule(at(12.5, 6.5), at(12.5, 20), 1.2, 1.2),
        Capsule(at(7.5, 9), at(17.5, 9), 1.0, 1.0),
        Polygon({at(3.5, 13.5), at(7.5, 15.5), at(5.5, 16.5)}),
        Polygon({at(21.5, 13.5), at(17.5, 15.5), at(19.5, 16.5)}),
    };
    // The arms: a thick bow under the shank, from fluke to fluke.
    parts.push_back(Minus(Minus(Ellipse(at(12.5, 14), 8.2, 7.3), Ellipse(at(12.5, 13.6), 6.2, 5.6)),
                          Polygon({at(0, 0), at(25, 0), at(25, 15), at(0, 15)})));
    return Union(parts);
  };
  // A faint shadow on the sand, then the iron with a dull sheen on its left.
  FillShape(canvas, anchorShapes(1.3, 1.3), Rgb(150, 124, 80), 0.45);
  FillShape(canvas, anchorShapes(0, 0), iron);
  FillShape(canvas, Capsule({11.9, 7.5}, {11.9, 18.5}, 0.35, 0.35), sheen, 0.7);
  FillShape(canvas, Capsule({8, 8.6}, {11, 8.6}, 0.3, 0.3), sheen, 0.6);
}

// White dots on the outermost pixels, every other pixel; the corners are
// dots, so a row of these tiles shows an even dotted grid.
void PaintDottedBorder(TBitmap& canvas) {
  const TPixel dot = ToPixel(Rgb(250, 250, 246));
  for (int i = 0; i < TileSize; i += 2) {
    canvas.Set(i, 0, dot);
    canvas.Set(i, TileSize - 1, dot);
    canvas.Set(0, i, dot);
    canvas.Set(TileSize - 1, i, dot);
  }
}
