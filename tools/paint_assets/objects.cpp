#include "tools/paint_assets/objects.h"

#include "tools/paint_assets/ground.h"
#include "tools/paint_assets/tile_codes.h"

const std::vector<TObjectArt>& ObjectArts() {
  static const std::vector<TObjectArt> Arts = {
      {1, 2, {29, 28}, PaintPalmObject},
      {1, 2, {31, 30}, PaintTallCactusObject},
      {1, 2, {33, 32}, PaintAgaveObject},
      {2, 1, {34, 35}, PaintTwigsObject},
      {2, 1, {36, 37}, PaintFlatTreeObject},
      {1, 2, {39, 38}, PaintTallPalmObject},
      {2, 2, {42, 43, 40, 41}, PaintBroadTreeObject},
      {2, 2, {46, 47, 44, 45}, PaintTreeOverBoulderObject},
      {2, 2, {50, 51, 48, 49}, PaintLargeBushesObject},
      {2, 2, {54, 55, 52, 53}, PaintPalmShrubObject},
      {2, 2, {58, 59, 56, 57}, PaintYoungPalmsObject},
      {2, 2, {62, 63, 60, 61}, PaintTallPalmsObject},
  };
  return Arts;
}

TBitmap PaintObject(const TObjectArt& art) {
  TBitmap canvas(art.Columns * TileSize, art.Rows * TileSize);
  PaintGround(canvas, canvas.Bounds(), TGround::GrassySand);
  art.Paint(canvas);
  return canvas;
}
