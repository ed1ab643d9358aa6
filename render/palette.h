#pragma once
// The tile palette: the tile strip's patterns in a grid of 10 x 10 cells of
// 27 pixels (a tile and a 2-pixel gap); cell (c, r) shows code 10r + c.
#include <optional>
#include <string>

#include "render/direct_draw_surface.h"
#include "render/picture_collection.h"

constexpr int PaletteColumns = 10;
constexpr int PalettePitch = 27;
constexpr int PaletteSide = 268;

// Draws patterns 0..99 at their cells; neither clears nor presents.
void DrawPaletteGrid(TDirectDrawSurface& dest, TPictureCollection& images, const std::string& tileSetName);

// The cell a release at (x, y) picks: the gap pixels belong to the cell on
// their left and above. None outside the palette's area.
struct TPaletteCell {
  int Column, Row;
  int Code() const { return Row * PaletteColumns + Column; }
};
std::optional<TPaletteCell> PaletteCellAt(int x, int y);

// The green frame of the picked cell, pen 2, hollow.
void DrawPaletteFrame(TDirectDrawSurface& dest, TPaletteCell cell, int tileW, int tileH);
