#include "render/map_view.h"

#include "render/stored_images.h"

namespace {
constexpr int SectorCount = 7;
constexpr int SectorSide = 350;

// Division and remainder plus one for a non-empty rest.
int CoveringCount(int length, int shift, int tile) {
  int rest = length + shift - tile;
  return rest / tile + (rest % tile > 0 ? 1 : 0);
}
}  // namespace

TVisibleCells VisibleCells(const TMapViewPlace& p) {
  TVisibleCells v;
  v.FirstColumn = p.ScrollX / p.TileW;
  v.ShiftX = p.ScrollX % p.TileW;
  v.FirstRow = p.ScrollY / p.TileH;
  v.ShiftY = p.ScrollY % p.TileH;
  v.LastOffsetColumn = CoveringCount(p.ViewW, v.ShiftX, p.TileW);
  v.LastOffsetRow = CoveringCount(p.ViewH, v.ShiftY, p.TileH);
  return v;
}

void DrawMapView(TDirectDrawSurface& dest, const TMapCells& map, TPictureCollection& images,
                 const std::string& tileSetName, const TMapViewPlace& p) {
  TVisibleCells v = VisibleCells(p);
  TDirectDrawSurfaceCanvas* blanks = nullptr;
  for (int l = 0; l <= v.LastOffsetRow; ++l)
    for (int m = 0; m <= v.LastOffsetColumn; ++m) {
      TPictureCollectionItem& tiles = images.Find(tileSetName);
      int code = GetCell(map, v.FirstColumn + m, v.FirstRow + l);
      int x = m * p.TileW - v.ShiftX, y = l * p.TileH - v.ShiftY;
      if (code < tiles.PatternCount()) {
        tiles.Draw(dest, x, y, code);
        continue;
      }
      if (!blanks) {
        blanks = &dest.Canvas();
        blanks->Pen = {clBlack, 1};
        blanks->Brush = {clBlack, TBrushStyle::bsSolid};
      }
      blanks->Rectangle(x, y, x + p.TileW, y + p.TileH);
    }
  if (blanks) blanks->Release();
  for (int i = 0; i < SectorCount; ++i)
    for (int j = 0; j < SectorCount; ++j)
      images.Find(SectorFrameName).Draw(dest, j * SectorSide - p.ScrollX, i * SectorSide - p.ScrollY, 0);
}

void DrawCursorRect(TDirectDrawSurface& dest, int x, int y, int tileW, int tileH) {
  TDirectDrawSurfaceCanvas& canvas = dest.Canvas();
  canvas.Pen = {clWhite, 2};
  canvas.Brush.Style = TBrushStyle::bsClear;
  canvas.Rectangle(x, y, x + tileW, y + tileH);
  canvas.Release();
}
