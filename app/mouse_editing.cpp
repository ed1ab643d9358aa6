// Painting with the left button, probing with the right, and the status texts.
#include <string>

#include "app/main_form.h"
#include "edit/pointer.h"

void TMain::DXDraw1MouseDown(TComponent* Sender, TMouseButton Button, TShiftState Shift, int X, int Y) {
  MouseMode = 0;
  if (Button == mbRight) MouseMode = 1;
  if (Button == mbLeft) MouseMode = 2;
  DXDraw1MouseMove(Sender, Shift, X, Y);
}

void TMain::DXDraw1MouseMove(TComponent* Sender, TShiftState Shift, int X, int Y) {
  TPointerCell p = LocatePointer(X, Y, ScrollX, ScrollY, TileW, TileH);
  CellX = p.CellX;
  CellY = p.CellY;
  CursorX = p.CursorX;
  CursorY = p.CursorY;
  StatusBar1->SetPanelText(0, "Ячейка X/Y:  " + std::to_string(CellX) + "/" + std::to_string(CellY));
  StatusBar1->SetPanelText(1, "Курсор X/Y:  " + std::to_string(p.MapX) + "/" + std::to_string(p.MapY));
  // A drag held beyond the view's edges points outside the grid: the grid
  // stays untouched there and the probe label keeps its text.
  if (!IsInsideMap(CellX, CellY, MapSide - 1)) return;
  if (MouseMode == 2) SetCell(CellX, CellY, CurrentGround);
  if (MouseMode == 1) Label1->SetCaption(std::to_string(GetCell(CellX, CellY)));
}

void TMain::DXDraw1MouseUp(TComponent* Sender, TMouseButton Button, TShiftState Shift, int X, int Y) {
  MouseMode = 0;
}
