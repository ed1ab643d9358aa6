// The objects of 2 x 2 cells, painted on a 50 x 50 canvas. The corners of
// the canvas stay ground, so every cell keeps some grassy sand at its
// outer corner and the object blends with the grass around it.
#include <algorithm>
#include <vector>

#include "tools/paint_assets/brush.h"
#include "tools/paint_assets/objects.h"
#include "tools/paint_assets/palm.h"
#include "tools/paint_assets/pixel_noise.h"
#include "tools/paint_assets/plant_parts.h"
#include "tools/paint_assets/shading.h"
#include "tools/paint_assets/stone.h"

namespace {

const TRgb Bark = Rgb(116, 82, 50);

// Blobs on a rough disc: rings of clumps around `centre`, so a crown of
// any size looks leafy rather than like one ball.
std::vector<TBlob> Crown(TPointF centre, double radiusX, double radiusY, double clump, uint32_t seed) {
  std::vector<TBlob> blobs = {{centre, std::min(radiusX, radiusY) * 0.75}};
  int count = int(radiusX + radiusY);
  for (int i = 0; i < count; ++i) {
    TPointF d = Direction(i * 16 / count + int(PixelHash(i, 0, seed) % 2));
    double reach = 0.55 + 0.3 * HashUnit(i, 1, seed);
    blobs.push_back({{centre.X + d.X * radiusX * reach, centre.Y + d.Y * radiusY * reach},
                     clump * (0.8 + 0.4 * HashUnit(i, 2, seed))});
  }
  return blobs;
}

// Grass tufts: three or four blades fanning up from a foot.
void PaintTuft(TBitmap& canvas, TPointF foot, double height) {
  const TRgb blade = Rgb(86, 146, 52);
  for (int d : {10, 11, 12, 13, 14}) {
    TPointF tip = Along(foot, Direction(d), height);
    FillShape(canvas, Leaf(foot, tip, 0.7), Scaled(blade, 0.7 + 0.1 * (d % 3)));
  }
}

}  // namespace

void PaintBroadTreeObject(TBitmap& canvas) {
  CastShadow(canvas, {29, 43}, 19, 5, 0.4);
  // Roots spread over the ground from the foot of the trunk.
  const TPointF foot{25, 40};
  const TPointF rootTips[] = {{9, 45}, {16, 47.5}, {24, 47.5}, {33, 47.5}, {41, 45.5}};
  for (TPointF tip : rootTips)
    PaintStem(canvas, foot, {(foot.X + tip.X) / 2, tip.Y - 1}, tip, 2.3, 0.5, Bark);
  PaintStem(canvas, {25, 42}, {24, 35}, {25, 24}, 4.2, 3.0, Bark);
  PaintStem(canvas, {24, 30}, {18, 26}, {14, 20}, 1.6, 1.0, Bark);
  PaintStem(canvas, {26, 29}, {32, 25}, {36, 20}, 1.6, 1.0, Bark);
  PaintFoliage(canvas, Crown({25, 17}, 19, 13, 6, 221), Rgb(62, 130, 50), 222);
}

void PaintTreeOverBoulderObject(TBitmap& canvas) {
  CastShadow(canvas, {31, 41}, 17, 5, 0.4);
  PaintStem(canvas, {19, 38}, {18, 30}, {20, 22}, 2.0, 1.4, Bark);
  PaintFoliage(canvas, Crown({20, 16}, 12, 10, 4.5, 231), Rgb(58, 124, 48), 232);
  std::vector<TPointF> boulder = {{19, 40}, {21, 33}, {26, 28.5}, {33, 27.5}, {40, 30},
                                  {43.5, 36}, {42, 42}, {35, 44.5}, {26, 44.5}};
  PaintStone(canvas, boulder, {29, 32}, Rgb(188, 182, 170), 233);
  for (TPointF foot : {TPointF{15, 44}, TPointF{21, 46}, TPointF{38, 46.5}, TPointF{45, 41.5}, TPointF{12, 39}})
    PaintTuft(canvas, foot, 4);
}

void PaintLargeBushesObject(TBitmap& canvas) {
  CastShadow(canvas, {28, 40}, 20, 6, 0.4);
  PaintFoliage(canvas, Crown({17, 19}, 11, 10, 4.5, 241), Rgb(60, 124, 52), 242);
  PaintFoliage(canvas, Crown({34, 22}, 11, 10, 4.5, 243), Rgb(80, 146, 58), 244);
  PaintFoliage(canvas, Crown({23, 34}, 12, 9, 4.5, 245), Rgb(100, 166, 64), 246);
}

void PaintPalmShrubObject(TBitmap& canvas) {
  CastShadow(canvas, {28, 42}, 19, 5, 0.4);
  const TRgb green = Rgb(76, 150, 56);
  const TPointF heart{25, 40};
  // Fronds straight from the ground, long ones at the back reaching up into
  // the upper cells, short ones in front.
  struct TFrondPlace {
    int Direction;
    double Length;
  };
  const TFrondPlace back[] = {{12, 34}, {11, 31}, {13, 31}, {10, 28}, {14, 28}, {9, 24}, {15, 24}};
  const TFrondPlace front[] = {{8, 21}, {0, 21}, {11, 23}, {13, 23}, {7, 16}, {1, 16}, {12, 20}};
  int index = 0;
  for (TFrondPlace frond : back)
    PaintFrond(canvas, heart, Direction(frond.Direction), frond.Length, 3.4, Scaled(green, 0.8), 251 + index++);
  for (TFrondPlace frond : front)
    PaintFrond(canvas, Add(heart, {0, 1}), Direction(frond.Direction), frond.Length, 3.1, green, 251 + index++);
}

void PaintYoungPalmsObject(TBitmap& canvas) {
  CastShadow(canvas, {22, 44}, 9, 2.6, 0.4);
  CastShadow(canvas, {35, 45}, 8, 2.4, 0.4);
  TPalm left;
  left.Foot = {18, 44};
  left.Top = {16.5, 17};
  left.Bend = 2.5;
  left.FrondLength = 11;
  left.FrondWidth = 2.6;
  left.Seed = 261;
  TPalm right;
  right.Foot = {32, 45};
  right.Top = {34, 23};
  right.Bend = -2;
  right.FootRadius = 1.5;
  right.TopRadius = 1.0;
  right.FrondLength = 9.5;
  right.FrondWidth = 2.4;
  right.Coconuts = false;
  right.Seed = 262;
  PaintPalm(canvas, left);
  PaintPalm(canvas, right);
}

// Two tall palms from one clump, their trunks crossing as they lean apart.
void PaintTallPalmsObject(TBitmap& canvas) {
  CastShadow(canvas, {27, 46}, 11, 2.6, 0.4);
  TPalm left;
  left.Foot = {28, 46};
  left.Top = {12, 9};
  left.Bend = 3;
  left.FrondLength = 11;
  left.FrondWidth = 2.5;
  left.Seed = 271;
  TPalm right;
  right.Foot = {22, 46.5};
  right.Top = {38, 13};
  right.Bend = -3;
  right.FrondLength = 10.5;
  right.FrondWidth = 2.4;
  right.Seed = 272;
  PaintPalmTrunk(canvas, left);
  PaintPalmTrunk(canvas, right);
  PaintPalmCrown(canvas, right);
  PaintPalmCrown(canvas, left);
}
