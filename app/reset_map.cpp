#include <array>

#include "app/main_form.h"
#include "render/stored_images.h"

namespace {
// Indexed from 1. Only the first is ever used; the second names no image.
const std::array<std::string, 3> TileSetNames = {"", "25х25", "250х250"};
}  // namespace

void TMain::ResetMap(int W, int H, int SetIndex) {
  MapW = W;
  MapH = H;
  Map.fill(0);
  TileSetName = TileSetNames.at(SetIndex);
  ScrollY = 0;
  ScrollX = 0;
  TileW = ImageList->Items.Find(TileSetName).PatternWidth;
  TileH = ImageList->Items.Find(TileSetName).PatternHeight;
  scrVertical->SetMax(TileH * MapH - DXDraw1->Height());
  scrGorizontal->SetMax(MapW * TileW - DXDraw1->Width());
  DXTimer1->SetEnabled(true);
}
