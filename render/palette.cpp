#include "render/palette.h"

void DrawPaletteGrid(TDirectDrawSurface& dest, TPictureCollection& images, const std::string& tileSetName) {
  int i = 0;
  for (int r = 0; r < PaletteColumns; ++r)
    for (int c = 0; c < PaletteColumns; ++c) images.Find(tileSetName).Draw(dest, PalettePitch * c, PalettePitch * r, i++);
}

std::optional<TPaletteCell> PaletteCellAt(int x, int y) {
  // A release outside the palette (the left button's capture carries it
  // anywhere) would pick a code no cell shows.
  if (x < 0 || y < 0 || x >= PaletteSide || y >= PaletteSide) return std::nullopt;
  return TPaletteCell{x / PalettePitch, y / PalettePitch};
}

void DrawPaletteFrame(TDirectDrawSurface& dest, TPaletteCell cell, int tileW, int tileH) {
  TDirectDrawSurfaceCanvas& canvas = dest.Canvas();
  canvas.Pen = {clLime, 2};
  canvas.Brush.Style = TBrushStyle::bsClear;
  int x = PalettePitch * cell.Column, y = PalettePitch * cell.Row;
  canvas.Rectangle(x + 1, y + 2, x + tileW, y + tileH);
  canvas.Release();
}
