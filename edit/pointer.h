#pragma once
// Where the mouse points on the map: the map pixel, the cell, and the view
// position of the cursor rectangle that snaps to that cell.
struct TPointerCell {
  int MapX = 0;
  int MapY = 0;
  int CellX = 0;
  int CellY = 0;
  int CursorX = 0;
  int CursorY = 0;
};

// (x, y) is a view point; division truncates toward zero, so map pixels
// -24..-1 still fall into column (row) 0.
inline TPointerCell LocatePointer(int x, int y, int scrollX, int scrollY, int tileW, int tileH) {
  TPointerCell p;
  p.MapX = scrollX + x;
  p.MapY = scrollY + y;
  p.CellX = p.MapX / tileW;
  p.CellY = p.MapY / tileH;
  p.CursorX = x - p.MapX % tileW;
  p.CursorY = y - p.MapY % tileH;
  return p;
}

inline bool IsInsideMap(int cellX, int cellY, int lastIndex) {
  return cellX >= 0 && cellX <= lastIndex && cellY >= 0 && cellY <= lastIndex;
}
