#include "render/dx_draw.h"

TDXDraw::TDXDraw(TWindow& parent, std::string name, const TRect& bounds) : TWinControl(parent, std::move(name), bounds) {}

void TDXDraw::Paint(TCanvas& canvas) {
  canvas.Brush.Color = clBlack;
  canvas.FillRect(ClientRect());
}
