#pragma once
// Where things lie in the main window (client coordinates) and how the soak
// picks points in and around them.
#include <random>

#include "platform/types.h"

struct TArea {
  int Left, Top, Width, Height;
  bool Contains(TPoint p) const { return p.X >= Left && p.X < Left + Width && p.Y >= Top && p.Y < Top + Height; }
  TPoint Centre() const { return {Left + Width / 2, Top + Height / 2}; }
};

constexpr TArea MapView{288, 32, 697, 577};
constexpr TArea Palette{8, 32, 268, 268};
constexpr TArea GenerateButton{8, 312, 265, 25};
constexpr TArea HorizontalBar{288, 608, 697, 19};
constexpr TArea VerticalBar{984, 32, 19, 577};
// The client area below the menu bar. The menu bar is left alone: its File
// menu holds Exit, which would end the run.
constexpr TArea ClientBelowMenu{0, 24, 1006, 627};
constexpr TArea Client{0, 0, 1006, 651};
// Beyond the window on every side, where drags end up.
constexpr TArea Surroundings{-400, -300, 1806, 1251};

// The highest positions the scroll bars can take: the map's 98 x 98 cells of
// 25 pixels less the view's size.
constexpr int HorizontalMax = 98 * 25 - 697;
constexpr int VerticalMax = 98 * 25 - 577;

template <class TEngine>
TPoint RandomPointIn(const TArea& area, TEngine& random) {
  return {area.Left + int(random() % unsigned(area.Width)), area.Top + int(random() % unsigned(area.Height))};
}

// A point of the surroundings that is not in the client area.
template <class TEngine>
TPoint RandomPointOutside(TEngine& random) {
  for (;;) {
    TPoint p = RandomPointIn(Surroundings, random);
    if (!Client.Contains(p)) return p;
  }
}
