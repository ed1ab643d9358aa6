#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/exception.h"
#include "platform/image_io.h"
#include "render/embedded_assets.h"
#include "tools/paint_assets/asset_painter.h"

namespace {

uint32_t Le32(std::span<const uint8_t> b, size_t at) {
  return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 | uint32_t(b[at + 3]) << 24;
}

// The files in assets/ are the painter's output: changing one without
// re-running the other fails here.
TEST(PaintedAssetsTest, EmbeddedFilesAreExactlyWhatThePainterWrites) {
  std::vector<TPaintedAsset> painted = PaintAssets();
  ASSERT_EQ(painted.size(), 2u);
  for (const TPaintedAsset& asset : painted) {
    std::span<const uint8_t> embedded = EmbeddedAsset(asset.FileName);
    ASSERT_FALSE(embedded.empty()) << asset.FileName << " is not in assets/";
    std::vector<uint8_t> expected = EncodeBmp24(asset.Picture);
    EXPECT_TRUE(std::equal(embedded.begin(), embedded.end(), expected.begin(), expected.end()))
        << asset.FileName << " differs from the painter's output; run paint_assets assets";
  }
}

// The form the layout stores: 40-byte header, 24 bits, uncompressed, bottom-up.
TEST(PaintedAssetsTest, EmbeddedFilesAreUncompressed24BitBottomUpBitmaps) {
  for (const char* fileName : {"tiles_25x25.bmp", "sector_frame_350x350.bmp"}) {
    std::span<const uint8_t> bytes = EmbeddedAsset(fileName);
    ASSERT_GE(bytes.size(), 54u) << fileName;
    EXPECT_EQ(Le32(bytes, 14), 40u) << fileName;
    EXPECT_EQ(bytes[28] | bytes[29] << 8, 24) << fileName;
    EXPECT_EQ(Le32(bytes, 30), 0u) << fileName;
    EXPECT_GT(int32_t(Le32(bytes, 22)), 0) << fileName;
  }
}

TEST(PaintedAssetsTest, AnUnknownAssetIsEmptyAndLoadingItRaises) {
  EXPECT_TRUE(EmbeddedAsset("missing.bmp").empty());
  EXPECT_TRUE(EmbeddedAsset("").empty());
  EXPECT_TRUE(EmbeddedAsset("TILES_25X25.BMP").empty());
  try {
    LoadEmbeddedPicture("missing.bmp");
    FAIL() << "no exception";
  } catch (const Exception& error) {
    EXPECT_EQ(error.Message, "Embedded picture 'missing.bmp' not found");
  }
}

}  // namespace
