#pragma once
// The shore pieces: water and sand meeting along a line that crosses the
// tile edges at their middles, so pieces join whichever way they are laid.
//
// A piece is described by which of its corners are sand. One sand corner
// is a rounded sand quarter there, three are sand with a rounded water
// quarter at the fourth, two neighbouring corners are a half of each.
#include "platform/bitmap.h"

enum TCorner { UpperLeft = 1, UpperRight = 2, LowerLeft = 4, LowerRight = 8 };

// The sand corners (TCorner bits) of tile `code`: 0 for water (code 0), all
// four for sand (code 1), none for codes that are not ground or shore.
int SandCorners(int code);

// The code among 0..13 with these sand corners, or -1 (two opposite
// corners have no piece).
int ShoreCodeFor(int sandCorners);

// Paints shore piece `code` (0..13) with its top left corner at (left, top).
void PaintShoreTile(TBitmap& target, int left, int top, int code);
