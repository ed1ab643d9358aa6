#pragma once
// One picture to review the art by eye: every tile enlarged with its code,
// the objects assembled from their cells, the icons and a sample island.
#include <vector>

#include "platform/bitmap.h"
#include "tools/paint_assets/icon_painter.h"

TBitmap PaintContactSheet(const TBitmap& strip, const std::vector<TIconPicture>& icons);
