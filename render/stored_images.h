#pragma once
// The image list as the main window's stored layout makes it: the tile strip
// and the sector frame.
#include "render/image_list.h"

// Both names hold the Cyrillic small letter х (U+0445), not the Latin x.
inline constexpr const char* TileStripName = "25\u0445" "25";
inline constexpr const char* SectorFrameName = "350\u0445" "350";

// Replaces the items of `list` with item 0 "25х25" (the tile strip, patterns
// of 25 x 25) and item 1 "350х350" (the sector frame, one pattern), both
// transparent with the key colour clFuchsia.
void LoadStoredImages(TDXImageList& list);
