#pragma once
// The one-cell pictures, codes 14..27: plants, stones and marks on sand.
#include "platform/bitmap.h"
#include "tools/paint_assets/ground.h"

constexpr int FirstSingleCode = 14, LastSingleCode = 27;

// The ground under tile `code` (14..27): sand, or grassy sand for 25.
TGround SingleTileGround(int code);

// Paints tile `code` (14..27) on a 25 x 25 canvas that already holds its
// ground.
void PaintSingleTile(TBitmap& canvas, int code);

// The pictures, one function each, in plant_tiles.cpp and
// stone_tiles.cpp.
void PaintOrangeFlowerPlant(TBitmap& canvas);
void PaintPurpleFlowerPlant(TBitmap& canvas);
void PaintFloweringCactus(TBitmap& canvas);
void PaintSmallDarkTree(TBitmap& canvas);
void PaintLightBush(TBitmap& canvas);
void PaintBallBush(TBitmap& canvas);
void PaintPaleScrub(TBitmap& canvas);
void PaintRedFlowerBush(TBitmap& canvas);
void PaintFruitPlant(TBitmap& canvas);
void PaintLightBoulder(TBitmap& canvas);
void PaintDarkRock(TBitmap& canvas);
void PaintAnchor(TBitmap& canvas);
void PaintDottedBorder(TBitmap& canvas);
