// The plants of one cell, each standing in the middle of its tile with its
// foot a little below the centre and its shadow to the lower right.
#include <cmath>
#include <vector>

#include "tools/paint_assets/brush.h"
#include "tools/paint_assets/plant_parts.h"
#include "tools/paint_assets/shading.h"
#include "tools/paint_assets/single_tiles.h"

namespace {

const TRgb LeafGreen = Rgb(70, 142, 54);
const TRgb DarkGreen = Rgb(38, 98, 42);
const TRgb LightGreen = Rgb(124, 186, 72);
const TRgb Orange = Rgb(244, 140, 28);
const TRgb Yellow = Rgb(250, 218, 60);
const TRgb Bark = Rgb(120, 84, 48);

// Leaves fanning out from `foot` towards the given directions (see
// Direction()), their height times `upright`: below 1 the plant looks seen
// a little from above.
void PaintLeafFan(TBitmap& canvas, TPointF foot, const std::vector<int>& directions, double length, double halfWidth,
                  TRgb base, double upright = 0.8) {
  for (size_t i = 0; i < directions.size(); ++i) {
    TPointF d = Direction(directions[i]);
    double reach = length * (0.85 + 0.15 * double(i % 3) / 2);
    TPointF tip{foot.X + d.X * reach, foot.Y + d.Y * reach * upright};
    TRgb shade = Scaled(base, 0.85 + 0.25 * double(i % 4) / 3);
    FillShape(canvas, Leaf(foot, tip, halfWidth + 0.5), OutlineOf(base));
    FillShape(canvas, Leaf(foot, tip, halfWidth), [=](double x, double y) {
      double light = (x - foot.X) * -0.05 + (y - foot.Y) * -0.04;
      return Grainy(Scaled(shade, 1.0 + light), x, y, 61 + uint32_t(i), 6);
    });
  }
}

}  // namespace

void PaintOrangeFlowerPlant(TBitmap& canvas) {
  CastShadow(canvas, {14.5, 20}, 9, 3.2, 0.35);
  PaintLeafFan(canvas, {12.5, 19.5}, {8, 9, 15, 0, 10, 14}, 9.5, 1.9, LeafGreen);
  // Daisy-like heads on thin stalks: the dark hearts tell flowers from fruit.
  const TPointF heads[] = {{5.5, 11}, {10, 6.5}, {16, 5.5}, {19.5, 11.5}, {12.5, 12}};
  for (TPointF head : heads) PaintStem(canvas, {12.5, 19}, {head.X, 16}, head, 0.45, 0.4, Rgb(70, 120, 48));
  for (TPointF head : heads) PaintFlower(canvas, head, 2.6, Orange, Rgb(110, 50, 16));
}

void PaintPurpleFlowerPlant(TBitmap& canvas) {
  const TRgb purple = Rgb(146, 72, 196);
  CastShadow(canvas, {14.5, 20.5}, 7.5, 3, 0.35);
  PaintLeafFan(canvas, {12.5, 20.5}, {9, 10, 11, 13, 14, 15}, 10.5, 1.5, LeafGreen);
  // Three flower spikes, florets getting smaller towards the tip.
  for (TPointF top : {TPointF{8, 5.5}, TPointF{12.5, 3.5}, TPointF{17, 6}}) {
    TPointF foot{12.5 + (top.X - 12.5) * 0.4, 16};
    PaintStem(canvas, foot, {(foot.X + top.X) / 2, 11}, top, 0.6, 0.4, Rgb(80, 128, 52));
    for (int k = 0; k < 4; ++k) {
      double t = 0.3 + 0.22 * k;
      TPointF at{foot.X + (top.X - foot.X) * t, foot.Y + (top.Y - foot.Y) * t};
      PaintBlossom(canvas, at, 1.7 - 0.25 * k, purple, Mix(purple, Rgb(255, 220, 255), 0.5));
    }
  }
}

void PaintFloweringCactus(TBitmap& canvas) {
  const TRgb cactus = Rgb(78, 150, 84);
  CastShadow(canvas, {15.5, 21.5}, 7, 2.5, 0.4);
  auto ribbed = [=](TPointF centre, double radius) {
    return [=](double x, double y) {
      double across = (x - centre.X) / radius;
      TRgb colour = Scaled(cactus, LightFactor(across * 0.9, 0));
      double rib = (x - centre.X) / radius * 2.0;
      if (rib - std::floor(rib) < 0.22) colour = Scaled(colour, 0.8);
      return Grainy(colour, x, y, 71, 4);
    };
  };
  // Arms first, so the column covers their inner ends.
  PaintStem(canvas, {11, 14}, {6.5, 14.5}, {6.5, 9}, 1.7, 1.6, cactus);
  PaintStem(canvas, {14, 16}, {18.5, 16.5}, {18.5, 11}, 1.7, 1.6, cactus);
  FillShape(canvas, Capsule({12.5, 21}, {12.5, 6.5}, 3.8, 3.8), OutlineOf(cactus));
  FillShape(canvas, Capsule({12.5, 21}, {12.5, 6.5}, 3.3, 3.3), ribbed({12.5, 12}, 3.3));
  PaintFlower(canvas, {12.5, 4.5}, 2.5, Orange, Yellow);
  PaintFlower(canvas, {6.5, 7.5}, 2.0, Orange, Yellow);
  PaintFlower(canvas, {18.5, 9.5}, 2.0, Orange, Yellow);
}

void PaintSmallDarkTree(TBitmap& canvas) {
  CastShadow(canvas, {15.5, 20.5}, 8.5, 3.2, 0.4);
  PaintStem(canvas, {12.5, 21.5}, {12.8, 18}, {12.5, 13}, 1.5, 1.1, Bark);
  PaintFoliage(canvas,
               {{{12.5, 10}, 6.5}, {{8, 12.5}, 4.0}, {{17, 12.5}, 4.0}, {{10, 6.5}, 3.8}, {{15.5, 7}, 3.8},
                {{12.5, 14.5}, 3.5}},
               DarkGreen, 81);
}

void PaintLightBush(TBitmap& canvas) {
  CastShadow(canvas, {14.5, 19}, 10, 4, 0.35);
  PaintFoliage(canvas,
               {{{7.5, 15}, 4.2}, {{12.5, 11.5}, 5.2}, {{17.5, 14.5}, 4.4}, {{10.5, 17}, 4.0}, {{15.5, 18}, 3.8},
                {{8.5, 10.5}, 3.0}, {{17, 9.5}, 3.0}},
               LightGreen, 91);
}

void PaintBallBush(TBitmap& canvas) {
  CastShadow(canvas, {15, 19}, 9, 3.6, 0.4);
  TPointF centre{12.5, 12.5};
  FillShape(canvas, Circle(centre, 8.4), OutlineOf(LightGreen));
  FillShape(canvas, Circle(centre, 7.9), FoliagePaint(centre, 7.9, Rgb(128, 192, 80), 101));
  // A soft glint on the lit side sells the ball shape.
  FillShape(canvas, Circle({10, 9.5}, 2.4), Rgb(206, 236, 150), 0.35);
}

void PaintPaleScrub(TBitmap& canvas) {
  const TRgb pale = Rgb(160, 178, 140);
  CastShadow(canvas, {14, 18.5}, 11, 3.5, 0.3);
  // Wiry twigs under a mound of small, loose tufts.
  for (int d : {8, 9, 10, 11, 13, 14, 15, 0})
    PaintStem(canvas, {12.5, 18}, Along({12.5, 16}, Direction(d), 4), Along({12.5, 16}, Direction(d), 9.5), 0.5, 0.3,
              Rgb(118, 112, 92));
  std::vector<TBlob> tufts;
  const TPointF spots[] = {{5.5, 15}, {8, 11.5}, {12, 9.5},  {16, 10.5}, {19.5, 14}, {9.5, 15.5},
                           {14, 14},  {17, 17},  {7.5, 18}, {12, 18.5}, {4.5, 11}, {20.5, 10}};
  for (TPointF spot : spots) tufts.push_back({spot, 2.4});
  PaintFoliage(canvas, tufts, pale, 111);
}

void PaintRedFlowerBush(TBitmap& canvas) {
  CastShadow(canvas, {14.5, 19.5}, 9.5, 3.5, 0.35);
  PaintFoliage(canvas,
               {{{8, 15}, 4.5}, {{13, 12}, 5.5}, {{17.5, 15.5}, 4.5}, {{12.5, 17.5}, 4.2}, {{9, 10}, 3.0}},
               LeafGreen, 121);
  PaintFlower(canvas, {13, 11.5}, 4.4, Rgb(222, 36, 40), Yellow);
}

void PaintFruitPlant(TBitmap& canvas) {
  CastShadow(canvas, {14.5, 20}, 10, 3.5, 0.35);
  // Broad leaves spread wide, and a few big round fruits hanging low in
  // the middle, each with a glint and a green stalk.
  PaintLeafFan(canvas, {12.5, 21}, {8, 9, 10, 11, 12, 13, 14, 15, 0}, 14, 3.3, Rgb(52, 122, 50), 1.1);
  const TRgb fruit = Rgb(246, 132, 20);
  for (TPointF at : {TPointF{8.5, 13}, TPointF{16.5, 12.5}, TPointF{12.5, 17}}) {
    FillShape(canvas, Capsule({at.X, at.Y - 2.5}, {12.5, 9}, 0.4, 0.4), Rgb(70, 110, 40));
    PaintBlossom(canvas, at, 2.8, fruit, fruit);
  }
}
