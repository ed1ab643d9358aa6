#include "render/stored_images.h"

#include "render/embedded_assets.h"

namespace {

void AddStoredImage(TPictureCollection& items, const char* name, int patternSize, TBitmap picture) {
  TPictureCollectionItem& item = items.Add();
  item.SetName(name);
  item.PatternWidth = patternSize;
  item.PatternHeight = patternSize;
  item.SkipWidth = 0;
  item.SkipHeight = 0;
  item.SystemMemory = false;
  item.Transparent = true;
  item.TransparentColor = clFuchsia;
  item.Picture = std::move(picture);
}

}  // namespace

void LoadStoredImages(TDXImageList& list) {
  // Both decoded before the list changes, so a failure leaves it as it was.
  TBitmap strip = LoadEmbeddedPicture("tiles_25x25.bmp");
  TBitmap frame = LoadEmbeddedPicture("sector_frame_350x350.bmp");
  list.Items.Clear();
  AddStoredImage(list.Items, TileStripName, 25, std::move(strip));
  AddStoredImage(list.Items, SectorFrameName, 350, std::move(frame));
}
