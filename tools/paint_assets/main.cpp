// paint_assets OUTDIR: writes the pictures of assets/ into OUTDIR as 24-bit
// BMP files. Run it into assets/ after changing the painter, and commit the
// pictures with it; a test checks that the two agree.
#include <cstdio>
#include <exception>
#include <string>

#include "platform/image_io.h"
#include "tools/paint_assets/asset_painter.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: paint_assets OUTDIR\n");
    return 2;
  }
  try {
    for (const TPaintedAsset& asset : PaintAssets()) {
      std::string path = std::string(argv[1]) + "/" + asset.FileName;
      WriteFileBytes(path, EncodeBmp24(asset.Picture));
      std::printf("%s\n", path.c_str());
    }
  } catch (const std::exception& error) {
    std::fprintf(stderr, "paint_assets: %s\n", error.what());
    return 1;
  }
  return 0;
}
