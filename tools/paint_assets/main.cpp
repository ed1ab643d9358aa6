// paint_assets OUTDIR [--sheet FILE]: writes the pictures of assets/ into
// OUTDIR (run it into assets/ after changing the painter, and commit the
// pictures with it; a test checks that the two agree). With --sheet it also
// writes a contact sheet of all the art, for review by eye.
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "platform/image_io.h"
#include "tools/paint_assets/asset_painter.h"
#include "tools/paint_assets/contact_sheet.h"
#include "tools/paint_assets/icon_painter.h"

namespace {

int Usage() {
  std::fprintf(stderr, "usage: paint_assets OUTDIR [--sheet FILE]\n");
  return 2;
}

void WriteSheet(const std::string& path) {
  std::vector<TIconPicture> icons;
  for (int size : IconSizes) icons.push_back(PaintIcon(size));
  WriteFileBytes(path, EncodePng(PaintContactSheet(PaintTileStrip(), icons)));
  std::printf("%s\n", path.c_str());
}

}  // namespace

int main(int argc, char** argv) {
  std::string sheetPath;
  if (argc == 4 && std::string(argv[2]) == "--sheet") sheetPath = argv[3];
  else if (argc != 2) return Usage();
  try {
    for (const TPaintedAsset& asset : PaintAssets()) {
      std::string path = std::string(argv[1]) + "/" + asset.FileName;
      WriteFileBytes(path, asset.Bytes);
      std::printf("%s\n", path.c_str());
    }
    if (!sheetPath.empty()) WriteSheet(sheetPath);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "paint_assets: %s\n", error.what());
    return 1;
  }
  return 0;
}
