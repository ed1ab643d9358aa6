#include "tests/support/view_pictures.h"

namespace {
constexpr int ViewW = 697, ViewH = 577, Tile = 25, Sector = 350, Lattice = 7 * Sector;

bool OnSectorLine(int mx, int my) {
  if (mx < 0 || my < 0 || mx >= Lattice || my >= Lattice) return false;
  int lx = mx % Sector, ly = my % Sector;
  return lx == 0 || lx == Sector - 1 || ly == 0 || ly == Sector - 1;
}

bool OnCursor(int vx, int vy, const TExpectedView& v) {
  int x = vx - v.CursorX, y = vy - v.CursorY;
  if (x < 0 || y < 0 || x >= Tile || y >= Tile) return false;
  return x < 2 || y < 2 || x >= Tile - 2 || y >= Tile - 2;
}
}  // namespace

TBitmap ComposeMapView(const TMapCells& map, const TBitmap& strip, const TExpectedView& v) {
  TBitmap out(ViewW, ViewH);
  for (int vy = 0; vy < ViewH; ++vy)
    for (int vx = 0; vx < ViewW; ++vx) {
      int mx = v.ScrollX + vx, my = v.ScrollY + vy;
      TPixel p = 0;
      int code = GetCell(map, mx / Tile, my / Tile);
      if (code < 64) p = strip.At(code * Tile + mx % Tile, my % Tile);
      if (OnSectorLine(mx, my)) p = 0xFFFFFF;
      if (OnCursor(vx, vy, v)) p = 0xFFFFFF;
      out.Set(vx, vy, p);
    }
  return out;
}
