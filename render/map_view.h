#pragma once
// Drawing the map view: the visible tiles, the 7 x 7 sector frames over them,
// and the cursor rectangle.
#include <string>

#include "map/map_grid.h"
#include "render/direct_draw_surface.h"
#include "render/picture_collection.h"

struct TMapViewPlace {
  int ScrollX = 0;  // map pixel at the view's left edge
  int ScrollY = 0;
  int TileW = 25;
  int TileH = 25;
  int ViewW = 697;
  int ViewH = 577;
};

// The first visible column and the count of further columns (the loops run
// from 0 to the count inclusive); likewise for rows.
struct TVisibleCells {
  int FirstColumn, LastOffsetColumn, FirstRow, LastOffsetRow, ShiftX, ShiftY;
};
TVisibleCells VisibleCells(const TMapViewPlace& place);

// Tiles, then sector frames. A cell whose code has no picture is drawn black:
// leaving it out would show whatever an earlier frame left there.
void DrawMapView(TDirectDrawSurface& dest, const TMapCells& map, TPictureCollection& images,
                 const std::string& tileSetName, const TMapViewPlace& place);
// The white cursor rectangle, pen 2, hollow, around the cell at (x, y).
void DrawCursorRect(TDirectDrawSurface& dest, int x, int y, int tileW, int tileH);
