#include "tools/paint_assets/single_tiles.h"

#include "tools/paint_assets/tile_codes.h"

TGround SingleTileGround(int code) { return code == GrassCode ? TGround::GrassySand : TGround::Sand; }

void PaintSingleTile(TBitmap& canvas, int code) {
  using TPainter = void (*)(TBitmap&);
  static constexpr TPainter Painters[LastSingleCode - FirstSingleCode + 1] = {
      PaintOrangeFlowerPlant,  // 14
      PaintPurpleFlowerPlant,  // 15
      PaintFloweringCactus,    // 16
      PaintSmallDarkTree,      // 17
      PaintLightBush,          // 18
      PaintBallBush,           // 19
      PaintPaleScrub,          // 20
      PaintRedFlowerBush,      // 21
      PaintFruitPlant,         // 22
      PaintLightBoulder,       // 23
      PaintDarkRock,           // 24
      nullptr,                 // 25: the grassy ground is the whole picture
      PaintAnchor,             // 26
      PaintDottedBorder,       // 27
  };
  if (code < FirstSingleCode || code > LastSingleCode) return;
  if (TPainter painter = Painters[code - FirstSingleCode]) painter(canvas);
}
