// The objects of two cells: four standing ones (25 x 50) and two lying
// ones (50 x 25). Feet stand a few pixels above the canvas bottom so the
// shadow stays on the object's own cells.
#include <cmath>
#include <vector>

#include "tools/paint_assets/brush.h"
#include "tools/paint_assets/objects.h"
#include "tools/paint_assets/palm.h"
#include "tools/paint_assets/pixel_noise.h"
#include "tools/paint_assets/plant_parts.h"
#include "tools/paint_assets/shading.h"

namespace {

const TRgb Red = Rgb(220, 38, 40);
const TRgb Yellow = Rgb(250, 214, 52);

// A branch that forks: each fork turns left and right of its parent by
// one or two sixteenths and is shorter and thinner, down to `depth` 0.
void PaintTwig(TBitmap& canvas, TPointF from, int direction, double length, double radius, int depth,
               uint32_t seed) {
  TPointF to = Along(from, Direction(direction), length);
  TPointF bend = Add(Along(from, Direction(direction), length * 0.5), {0, -length * 0.08});
  PaintStem(canvas, from, bend, to, radius, radius * 0.7, Rgb(146, 124, 96));
  if (depth == 0) return;
  uint32_t h = PixelHash(int(seed), depth, 151);
  int spread = 1 + int(h & 1);
  PaintTwig(canvas, to, direction - spread, length * 0.66, radius * 0.7, depth - 1, seed * 3 + 1);
  PaintTwig(canvas, to, direction + 1 + int(h >> 1 & 1), length * 0.6, radius * 0.7, depth - 1, seed * 3 + 2);
}

}  // namespace

void PaintPalmObject(TBitmap& canvas) {
  CastShadow(canvas, {17, 45}, 8, 2.6, 0.4);
  TPalm palm;
  palm.Foot = {14, 45};
  palm.Top = {10.5, 14};
  palm.Bend = 4;
  palm.FootRadius = 2.1;
  palm.TopRadius = 1.3;
  palm.FrondLength = 11;
  palm.FrondWidth = 2.6;
  palm.Seed = 161;
  PaintPalm(canvas, palm);
}

void PaintTallCactusObject(TBitmap& canvas) {
  const TRgb cactus = Rgb(74, 146, 80);
  CastShadow(canvas, {16, 45.5}, 7, 2.5, 0.4);
  PaintStem(canvas, {10.5, 31}, {4.5, 31.5}, {4.5, 19}, 2.0, 1.9, cactus);
  PaintStem(canvas, {14.5, 25}, {20.5, 25.5}, {20.5, 14}, 2.0, 1.9, cactus);
  FillShape(canvas, Capsule({12.5, 45}, {12.5, 8}, 4.3, 4.3), OutlineOf(cactus));
  FillShape(canvas, Capsule({12.5, 45}, {12.5, 8}, 3.8, 3.8), [=](double x, double y) {
    double across = (x - 12.5) / 3.8;
    TRgb colour = Scaled(cactus, LightFactor(across * 0.9, 0));
    double rib = across * 2.5;
    if (rib - std::floor(rib) < 0.2) colour = Scaled(colour, 0.78);
    return Grainy(colour, x, y, 171, 4);
  });
  PaintFlower(canvas, {12.5, 5.5}, 3.0, Red, Yellow);
  PaintFlower(canvas, {4.5, 16.5}, 2.3, Yellow, Rgb(230, 120, 30));
  PaintFlower(canvas, {20.5, 11.5}, 2.3, Red, Yellow);
  PaintFlower(canvas, {15.5, 20}, 1.9, Yellow, Rgb(230, 120, 30));
  PaintFlower(canvas, {9.5, 37}, 1.9, Red, Yellow);
}

void PaintAgaveObject(TBitmap& canvas) {
  const TRgb agave = Rgb(96, 152, 128);
  CastShadow(canvas, {15, 44.5}, 11, 3.5, 0.4);
  // The flower stalk rises from the middle of the rosette, with short
  // side branches carrying yellow clusters.
  PaintStem(canvas, {12.5, 40}, {13.5, 22}, {12, 4}, 1.1, 0.6, Rgb(132, 128, 70));
  const double branchY[] = {6, 10, 14.5, 19};
  for (int i = 0; i < 4; ++i) {
    double side = i % 2 == 0 ? -1 : 1;
    TPointF from{12.8 - 0.05 * branchY[i], branchY[i] + 2};
    TPointF to{from.X + side * (5.5 - i * 0.5), branchY[i] - 1};
    PaintStem(canvas, from, {(from.X + to.X) / 2, from.Y}, to, 0.5, 0.4, Rgb(132, 128, 70));
    PaintFoliage(canvas, {{to, 2.0}, {Add(to, {-side * 1.4, 0.8}), 1.4}}, Yellow, 181 + i);
  }
  PaintFoliage(canvas, {{{12, 3}, 1.8}}, Yellow, 185);
  // Thick pointed leaves, the low side ones at the back; alternate leaves
  // a shade apart so each can be told from its neighbours.
  const int directions[] = {8, 0, 9, 15, 10, 14, 11, 13, 12};
  const double lengths[] = {12, 12, 13.5, 13.5, 14, 14, 13, 13, 11};
  const TPointF foot{12.5, 44.5};
  for (int i = 0; i < 9; ++i) {
    TPointF d = Direction(directions[i]);
    TPointF tip{foot.X + d.X * lengths[i], foot.Y + d.Y * lengths[i] * 0.95};
    TRgb shade = Scaled(agave, (i % 2 == 0 ? 0.82 : 1.0) + 0.03 * i);
    FillShape(canvas, Leaf(foot, tip, 3.3), Scaled(agave, 0.4));
    FillShape(canvas, Leaf(foot, tip, 2.7), [=](double x, double y) {
      // A pale stripe down the middle of each leaf, lit on its upper side.
      double across = (x - foot.X) * d.Y - (y - foot.Y) * d.X;
      TRgb colour = std::fabs(across) < 0.6 ? Mix(shade, Rgb(206, 220, 168), 0.55) : shade;
      if (across * d.X > 0.6) colour = Scaled(colour, 0.86);
      return Grainy(colour, x, y, 189, 5);
    });
  }
}

void PaintTallPalmObject(TBitmap& canvas) {
  CastShadow(canvas, {15.5, 46.5}, 6, 2.2, 0.4);
  TPalm palm;
  palm.Foot = {11.5, 46.5};
  palm.Top = {14, 10};
  palm.Bend = -3.5;
  palm.FootRadius = 1.7;
  palm.TopRadius = 1.1;
  palm.FrondLength = 9.5;
  palm.FrondWidth = 2.2;
  palm.FrondDirections = {10, 14, 12, 9, 15, 8, 0};
  palm.Seed = 191;
  PaintPalm(canvas, palm);
}

void PaintTwigsObject(TBitmap& canvas) {
  CastShadow(canvas, {26, 20}, 17, 3, 0.3);
  TPointF foot{25, 20};
  PaintTwig(canvas, foot, 9, 9, 1.0, 2, 201);
  PaintTwig(canvas, foot, 11, 8, 0.9, 2, 202);
  PaintTwig(canvas, foot, 13, 8, 0.9, 2, 203);
  PaintTwig(canvas, foot, 15, 9, 1.0, 2, 204);
  PaintTwig(canvas, {24, 20.5}, 8, 10, 0.9, 2, 205);
  PaintTwig(canvas, {26, 20.5}, 0, 10, 0.9, 2, 206);
}

void PaintFlatTreeObject(TBitmap& canvas) {
  CastShadow(canvas, {28, 21.5}, 18, 2.6, 0.4);
  const TRgb bark = Rgb(112, 80, 48);
  PaintStem(canvas, {25, 22}, {25.5, 17}, {24, 12}, 1.7, 1.1, bark);
  PaintStem(canvas, {24.5, 15}, {20, 12}, {14, 9}, 0.9, 0.6, bark);
  PaintStem(canvas, {25, 14}, {30, 11}, {36, 9}, 0.9, 0.6, bark);
  // A flat crown: a wide band of clumps, its underside nearly straight.
  std::vector<TBlob> crown;
  for (int i = 0; i < 9; ++i) {
    double x = 7 + i * 4.5;
    double lift = (i == 0 || i == 8) ? 1.2 : 0;
    crown.push_back({{x, 8.5 + lift}, 3.6});
    if (i > 0 && i < 8) crown.push_back({{x + 1.5, 5.5}, 3.2});
  }
  PaintFoliage(canvas, crown, Rgb(76, 132, 50), 211);
}
