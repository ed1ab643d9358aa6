// The frame loop's tick, the scroll bars that run it at once, the map view's
// drawing and the tile palette.
#include "app/main_form.h"
#include "render/map_view.h"
#include "render/palette.h"

void TMain::DXTimer1Timer(TComponent* Sender, int LagCount) {
  // Nothing is drawn or presented while the map view cannot draw.
  if (!DXDraw1->CanDraw()) return;
  ScrollX = scrGorizontal->Position();
  ScrollY = scrVertical->Position();
  DrawMap();
  DrawCursor();
  DXDraw1->Present();
  GroundsDXDraw->Present();
}

void TMain::scrGorizontalChange(TComponent* Sender) { DXTimer1Timer(Sender, 0); }

void TMain::scrVerticalChange(TComponent* Sender) { DXTimer1Timer(Sender, 0); }

void TMain::DrawMap() {
  // Without a back surface (its making failed) there is nothing to draw on.
  TDirectDrawSurface* surface = DXDraw1->Surface();
  if (!surface) return;
  DrawMapView(*surface, Map, ImageList->Items, TileSetName,
              {ScrollX, ScrollY, TileW, TileH, DXDraw1->Width(), DXDraw1->Height()});
}

void TMain::DrawCursor() {
  if (TDirectDrawSurface* surface = DXDraw1->Surface()) DrawCursorRect(*surface, CursorX, CursorY, TileW, TileH);
}

void TMain::DrawGrounds() {
  if (TDirectDrawSurface* surface = GroundsDXDraw->Surface()) DrawPaletteGrid(*surface, ImageList->Items, TileSetName);
}

void TMain::FormPaint(TComponent* Sender) {
  TDirectDrawSurface* surface = GroundsDXDraw->Surface();
  if (!surface) return;
  surface->Fill(0);
  DrawGrounds();
}

void TMain::GroundsDXDrawMouseUp(TComponent* Sender, TMouseButton Button, TShiftState Shift, int X, int Y) {
  std::optional<TPaletteCell> cell = PaletteCellAt(X, Y);
  if (!cell) return;
  CurrentGround = cell->Code();
  TDirectDrawSurface* surface = GroundsDXDraw->Surface();
  if (!surface) return;
  surface->Fill(0);
  DrawGrounds();
  DrawPaletteFrame(*surface, *cell, TileW, TileH);
  GroundsDXDraw->Present();
}
