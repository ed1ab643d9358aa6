#include <gtest/gtest.h>
#include <png.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/exception.h"
#include "platform/image_io.h"
#include "render/embedded_assets.h"
#include "tools/paint_assets/asset_painter.h"
#include "tools/paint_assets/icon_painter.h"
#include "tools/paint_assets/png_rgba.h"

namespace {

uint32_t Le32(std::span<const uint8_t> b, size_t at) {
  return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 | uint32_t(b[at + 3]) << 24;
}

uint32_t Be32(const std::vector<uint8_t>& b, size_t at) {
  return uint32_t(b[at]) << 24 | uint32_t(b[at + 1]) << 16 | uint32_t(b[at + 2]) << 8 | uint32_t(b[at + 3]);
}

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// The files in assets/ are the painter's output: changing one without
// re-running the other fails here. The BMP files are also checked as the
// program embedded them.
TEST(PaintedAssetsTest, FilesInAssetsAreExactlyWhatThePainterWrites) {
  std::vector<TPaintedAsset> painted = PaintAssets();
  std::vector<std::string> names;
  for (const TPaintedAsset& asset : painted) names.push_back(asset.FileName);
  EXPECT_EQ(names, (std::vector<std::string>{"tiles_25x25.bmp", "sector_frame_350x350.bmp", "icon_16.png",
                                             "icon_32.png", "icon_48.png"}));
  for (const TPaintedAsset& asset : painted) {
    std::vector<uint8_t> stored = ReadFileBytes(std::string(VARNOCK_ASSET_DIR) + "/" + asset.FileName);
    EXPECT_TRUE(stored == asset.Bytes) << asset.FileName
                                       << " differs from the painter's output; run paint_assets assets";
    if (!EndsWith(asset.FileName, ".bmp")) continue;
    std::span<const uint8_t> embedded = EmbeddedAsset(asset.FileName);
    ASSERT_FALSE(embedded.empty()) << asset.FileName << " is not embedded";
    EXPECT_TRUE(std::equal(embedded.begin(), embedded.end(), asset.Bytes.begin(), asset.Bytes.end()))
        << asset.FileName << " is embedded from an older file; rebuild";
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

// Decodes with libpng's own reader, alpha included.
std::vector<uint8_t> DecodeRgba(const std::vector<uint8_t>& file, int& width, int& height) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, file.data(), file.size())) return {};
  image.format = PNG_FORMAT_RGBA;
  std::vector<uint8_t> pixels(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr)) return {};
  width = int(image.width), height = int(image.height);
  return pixels;
}

TEST(PaintedAssetsTest, RgbaPngKeepsColourAndAlphaOfEveryPixel) {
  TBitmap picture(3, 2);
  const TPixel colours[] = {0x102030, 0xFFFFFF, 0x000000, 0xFF00FF, 0x7F8081, 0x010203};
  const std::vector<uint8_t> alpha = {0, 255, 128, 1, 254, 77};
  for (int i = 0; i < 6; ++i) picture.Set(i % 3, i / 3, colours[i]);
  int width = 0, height = 0;
  std::vector<uint8_t> rgba = DecodeRgba(EncodePngRgba(picture, alpha), width, height);
  ASSERT_EQ(rgba.size(), 24u);
  EXPECT_EQ(width, 3);
  EXPECT_EQ(height, 2);
  for (int i = 0; i < 6; ++i) {
    TPixel decoded = TPixel(rgba[i * 4]) << 16 | TPixel(rgba[i * 4 + 1]) << 8 | rgba[i * 4 + 2];
    EXPECT_EQ(decoded, colours[i]) << "pixel " << i;
    EXPECT_EQ(rgba[i * 4 + 3], alpha[i]) << "pixel " << i;
  }
}

TEST(PaintedAssetsTest, RgbaPngRefusesAlphaOfTheWrongSize) {
  EXPECT_THROW(EncodePngRgba(TBitmap(2, 2), std::vector<uint8_t>(3)), EImageError);
  EXPECT_THROW(EncodePngRgba(TBitmap(), {}), EImageError);
}

class IconTest : public testing::TestWithParam<int> {};

// A 32-bit RGBA PNG of the size its name says.
TEST_P(IconTest, IsAnRgbaPngOfItsSize) {
  int size = GetParam();
  std::string name = "icon_" + std::to_string(size) + ".png";
  std::vector<TPaintedAsset> assets = PaintAssets();
  auto icon = std::find_if(assets.begin(), assets.end(), [&](const TPaintedAsset& a) { return a.FileName == name; });
  ASSERT_NE(icon, assets.end()) << name;
  const std::vector<uint8_t>& bytes = icon->Bytes;
  ASSERT_GE(bytes.size(), 33u);
  EXPECT_EQ(Be32(bytes, 16), uint32_t(size));  // IHDR width
  EXPECT_EQ(Be32(bytes, 20), uint32_t(size));  // IHDR height
  EXPECT_EQ(bytes[24], 8);                     // bits per channel
  EXPECT_EQ(bytes[25], 6);                     // colour type: RGB with alpha
}

// A round picture: clear in the corners, solid in the middle, and more
// than a flat disc (the island and palm show several colours).
TEST_P(IconTest, IsOpaqueInTheMiddleAndTransparentInTheCorners) {
  int size = GetParam();
  TIconPicture icon = PaintIcon(size);
  ASSERT_EQ(icon.Colour.Width(), size);
  ASSERT_EQ(icon.Colour.Height(), size);
  ASSERT_EQ(icon.Alpha.size(), size_t(size * size));
  auto alphaAt = [&](int x, int y) { return icon.Alpha[size_t(y) * size + x]; };
  for (int corner : {0, size - 1}) {
    EXPECT_EQ(alphaAt(corner, 0), 0);
    EXPECT_EQ(alphaAt(corner, size - 1), 0);
  }
  EXPECT_EQ(alphaAt(size / 2, size / 2), 255);
  std::vector<TPixel> colours;
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x)
      if (alphaAt(x, y) == 255) colours.push_back(icon.Colour.At(x, y));
  std::sort(colours.begin(), colours.end());
  EXPECT_GT(std::unique(colours.begin(), colours.end()) - colours.begin(), 20);
}

INSTANTIATE_TEST_SUITE_P(Sizes, IconTest, testing::Values(16, 32, 48));

}  // namespace
