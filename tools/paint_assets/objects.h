#pragma once
// The pictures of two and four cells (codes 28..63). Each is painted whole
// on one canvas of grassy sand and then cut into its cells, so the cells
// join exactly when laid out as the landscape places them.
#include <vector>

#include "platform/bitmap.h"

struct TObjectArt {
  int Columns = 1, Rows = 1;
  std::vector<int> Codes;  // row by row, from the top left
  void (*Paint)(TBitmap& canvas);
};

// Every object, in code order of its first cell.
const std::vector<TObjectArt>& ObjectArts();

// The whole picture of `art`, Columns * 25 x Rows * 25.
TBitmap PaintObject(const TObjectArt& art);

// The painters, in two_cell_objects.cpp and four_cell_objects.cpp.
void PaintPalmObject(TBitmap& canvas);
void PaintTallCactusObject(TBitmap& canvas);
void PaintAgaveObject(TBitmap& canvas);
void PaintTwigsObject(TBitmap& canvas);
void PaintFlatTreeObject(TBitmap& canvas);
void PaintTallPalmObject(TBitmap& canvas);
void PaintBroadTreeObject(TBitmap& canvas);
void PaintTreeOverBoulderObject(TBitmap& canvas);
void PaintLargeBushesObject(TBitmap& canvas);
void PaintPalmShrubObject(TBitmap& canvas);
void PaintYoungPalmsObject(TBitmap& canvas);
void PaintTallPalmsObject(TBitmap& canvas);
