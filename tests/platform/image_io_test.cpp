#include "platform/image_io.h"

#include <gtest/gtest.h>
#include <png.h>
#include <stdlib.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace {

// Every pixel different, and channels that differ from each other, so a
// swapped channel, a flipped row or a shifted column all show.
TBitmap Sample(int width, int height) {
  TBitmap bitmap(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) bitmap.Set(x, y, TPixel(0x102030 + 0x0B0301 * x + 0x05700E * y) & 0xFFFFFF);
  return bitmap;
}

void ExpectSamePicture(const TBitmap& actual, const TBitmap& expected) {
  ASSERT_EQ(actual.Width(), expected.Width());
  ASSERT_EQ(actual.Height(), expected.Height());
  EXPECT_EQ(actual.Pixels, expected.Pixels);
}

void Put16(std::vector<uint8_t>& b, size_t at, uint32_t v) { b.at(at) = uint8_t(v), b.at(at + 1) = uint8_t(v >> 8); }
void Put32(std::vector<uint8_t>& b, size_t at, uint32_t v) { Put16(b, at, v), Put16(b, at + 2, v >> 16); }

// A BMP built field by field, for the variants and the damage EncodeBmp24
// never produces. Pixel rows follow the header (and the masks, if any).
struct TBmpFields {
  uint32_t HeaderSize = 40;
  int32_t Width = 2;
  int32_t Height = 2;  // negative: top-down
  uint16_t Bits = 24;
  uint32_t Compression = 0;
  bool Masks = false;  // three BI_BITFIELDS masks after a 40-byte header
  uint32_t RedMask = 0xFF0000;
};

std::vector<uint8_t> BuildBmp(const TBmpFields& fields, const TBitmap& picture) {
  size_t offset = 14 + fields.HeaderSize + (fields.Masks && fields.HeaderSize == 40 ? 12 : 0);
  size_t bytesPerPixel = fields.Bits / 8, stride = (picture.Width() * bytesPerPixel + 3) / 4 * 4;
  std::vector<uint8_t> b(offset + stride * picture.Height(), 0);
  b[0] = 'B', b[1] = 'M';
  Put32(b, 2, uint32_t(b.size()));
  Put32(b, 10, uint32_t(offset));
  Put32(b, 14, fields.HeaderSize);
  Put32(b, 18, uint32_t(fields.Width));
  Put32(b, 22, uint32_t(fields.Height));
  Put16(b, 26, 1);
  Put16(b, 28, fields.Bits);
  Put32(b, 30, fields.Compression);
  if (fields.Masks) Put32(b, 54, fields.RedMask), Put32(b, 58, 0xFF00), Put32(b, 62, 0xFF);
  for (int y = 0; y < picture.Height(); ++y) {
    int fileRow = fields.Height < 0 ? y : picture.Height() - 1 - y;
    for (int x = 0; x < picture.Width(); ++x) {
      uint8_t* p = &b[offset + fileRow * stride + x * bytesPerPixel];
      TPixel pixel = picture.At(x, y) | 0xA5000000;  // the unused fourth byte must be ignored
      for (size_t i = 0; i < bytesPerPixel; ++i) p[i] = uint8_t(pixel >> (8 * i));
    }
  }
  return b;
}

// A scratch directory removed with the test.
class ImageFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "varnock-image-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    Dir = pattern;
  }
  void TearDown() override { std::filesystem::remove_all(Dir); }
  std::string PathOf(const std::string& name) const { return (Dir / name).string(); }
  std::filesystem::path Dir;
};

}  // namespace

TEST(ImagePng, RoundTripKeepsEveryPixel) {
  for (auto [width, height] : {std::pair(1, 1), std::pair(7, 5), std::pair(64, 3)}) {
    TBitmap picture = Sample(width, height);
    std::vector<uint8_t> png = EncodePng(picture);
    ASSERT_GE(png.size(), 8u);
    EXPECT_EQ(png_sig_cmp(png.data(), 0, 8), 0);
    ExpectSamePicture(DecodePng(png), picture);
  }
}

// PNGs from elsewhere come as grey, palette or with alpha; all arrive as
// opaque RGB (alpha is dropped, the colour under it kept).
TEST(ImagePng, OtherColourTypesDecodeToRgb) {
  struct TCase {
    const char* Name;
    png_uint_32 Format;
    std::vector<uint8_t> Pixel;  // one pixel in that format
    TPixel Expected;
    std::vector<uint8_t> Palette = {};
  } cases[] = {
      {"grey", PNG_FORMAT_GRAY, {0x5A}, 0x5A5A5A},
      {"grey+alpha", PNG_FORMAT_GA, {0x5A, 0x10}, 0x5A5A5A},
      {"rgba", PNG_FORMAT_RGBA, {0x12, 0x34, 0x56, 0x00}, 0x123456},
      {"bgr", PNG_FORMAT_BGR, {0x12, 0x34, 0x56}, 0x563412},
      {"palette", PNG_FORMAT_RGB_COLORMAP, {1}, 0x123456, {0, 0, 0, 0x12, 0x34, 0x56}},
      {"palette with transparency", PNG_FORMAT_RGBA_COLORMAP, {1}, 0x123456, {0, 0, 0, 0, 0x12, 0x34, 0x56, 0x80}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = 3, image.height = 2;
    image.format = c.Format;
    image.colormap_entries = png_uint_32(c.Palette.size() / PNG_IMAGE_SAMPLE_CHANNELS(c.Format));
    const void* palette = c.Palette.empty() ? nullptr : c.Palette.data();
    std::vector<uint8_t> pixels;
    for (int i = 0; i < 6; ++i) pixels.insert(pixels.end(), c.Pixel.begin(), c.Pixel.end());
    png_alloc_size_t size = 0;
    ASSERT_TRUE(png_image_write_to_memory(&image, nullptr, &size, 0, pixels.data(), 0, palette));
    std::vector<uint8_t> png(size);
    ASSERT_TRUE(png_image_write_to_memory(&image, png.data(), &size, 0, pixels.data(), 0, palette));
    png.resize(size);
    ExpectSamePicture(DecodePng(png), TBitmap(3, 2, c.Expected));
  }
}

TEST(ImagePng, DamagedDataRaisesImageError) {
  std::vector<uint8_t> good = EncodePng(Sample(16, 16));
  std::vector<uint8_t> truncated(good.begin(), good.begin() + good.size() / 2);
  std::vector<uint8_t> badCrc = good;
  badCrc[8 + 4 + 4 + 13] ^= 0xFF;  // the IHDR chunk's CRC
  std::vector<uint8_t> signatureOnly(good.begin(), good.begin() + 8);
  std::vector<uint8_t> notPng = EncodeBmp24(Sample(2, 2));
  for (const auto* data : {&truncated, &badCrc, &signatureOnly, &notPng}) {
    EXPECT_THROW(DecodePng(*data), EImageError);
  }
  EXPECT_THROW(DecodePng({}), EImageError);
}

TEST(ImagePng, EmptyPictureCannotBeEncoded) {
  EXPECT_THROW(EncodePng(TBitmap()), EImageError);
  EXPECT_THROW(EncodeBmp24(TBitmap(0, 3)), EImageError);
}

TEST(ImageBmp, ThreeByTwoHasTheExactLayout) {
  TBitmap picture(3, 2);
  picture.Set(0, 0, 0x010203), picture.Set(1, 0, 0x040506), picture.Set(2, 0, 0x070809);
  picture.Set(0, 1, 0x0A0B0C), picture.Set(1, 1, 0x0D0E0F), picture.Set(2, 1, 0x101112);
  // Rows of 3 * 3 = 9 bytes padded to 12; 2 rows = 24 bytes after 54 of headers.
  std::vector<uint8_t> expected = {
      'B', 'M', 78, 0, 0, 0,  // file size
      0, 0, 0, 0,             // reserved
      54, 0, 0, 0,            // pixel data offset
      40, 0, 0, 0,            // header size
      3, 0, 0, 0,             // width
      2, 0, 0, 0,             // height, positive: bottom row first
      1, 0,                   // planes
      24, 0,                  // bits per pixel
      0, 0, 0, 0,             // BI_RGB
      24, 0, 0, 0,            // image size
      0, 0, 0, 0, 0, 0, 0, 0, // resolution not stated
      0, 0, 0, 0, 0, 0, 0, 0, // no colour table
      0x0C, 0x0B, 0x0A, 0x0F, 0x0E, 0x0D, 0x12, 0x11, 0x10, 0, 0, 0,  // bottom row, BGR
      0x03, 0x02, 0x01, 0x06, 0x05, 0x04, 0x09, 0x08, 0x07, 0, 0, 0,  // top row
  };
  EXPECT_EQ(EncodeBmp24(picture), expected);
}

TEST(ImageBmp, RoundTripKeepsEveryPixel) {
  for (int width : {1, 2, 3, 4, 5, 33}) {
    SCOPED_TRACE(width);
    TBitmap picture = Sample(width, 3);
    std::vector<uint8_t> bmp = EncodeBmp24(picture);
    ExpectSamePicture(DecodeBmp(bmp.data(), bmp.size()), picture);
  }
}

TEST(ImageBmp, ReadsTheUncompressedVariants) {
  struct TCase {
    const char* Name;
    TBmpFields Fields;
  } cases[] = {
      {"24 bits top-down", {.Height = -2}},
      {"32 bits", {.Bits = 32}},
      {"32 bits top-down", {.Height = -2, .Bits = 32}},
      {"32 bits, plain bit masks", {.Bits = 32, .Compression = 3, .Masks = true}},
      {"V5 header", {.HeaderSize = 124}},
      {"V5 header, plain bit masks", {.HeaderSize = 124, .Bits = 32, .Compression = 3, .Masks = true}},
  };
  TBitmap picture = Sample(2, 2);
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    std::vector<uint8_t> bmp = BuildBmp(c.Fields, picture);
    ExpectSamePicture(DecodeBmp(bmp.data(), bmp.size()), picture);
  }
}

TEST(ImageBmp, MalformedDataRaisesImageError) {
  TBitmap picture = Sample(2, 2);
  std::vector<uint8_t> good = BuildBmp({}, picture);
  auto with = [&](std::initializer_list<std::pair<size_t, uint32_t>> fields) {
    std::vector<uint8_t> b = good;
    for (auto [at, value] : fields) Put32(b, at, value);
    return b;
  };
  struct TCase {
    const char* Name;
    std::vector<uint8_t> Data;
  } cases[] = {
      {"empty", {}},
      {"file header only", std::vector<uint8_t>(good.begin(), good.begin() + 14)},
      {"last row cut short", std::vector<uint8_t>(good.begin(), good.end() - 4)},
      {"wrong magic", [&] { auto b = good; b[1] = 'A'; return b; }()},
      {"8 bits", BuildBmp({.Bits = 8}, picture)},
      {"16 bits", BuildBmp({.Bits = 16}, picture)},
      {"RLE8", BuildBmp({.Compression = 1}, picture)},
      {"JPEG inside", BuildBmp({.Compression = 4}, picture)},
      {"bit masks on 24 bits", BuildBmp({.Compression = 3, .Masks = true}, picture)},
      {"swapped bit masks", BuildBmp({.Bits = 32, .Compression = 3, .Masks = true, .RedMask = 0xFF}, picture)},
      {"core header", with({{14, 12}})},
      {"header larger than the file", with({{14, 0x7FFFFFFF}})},
      {"pixels past the end", with({{10, uint32_t(good.size())}})},
      {"pixels inside the header", with({{10, 20}})},
      {"pixel offset wraps", with({{10, 0xFFFFFFF0}})},
      {"zero width", with({{18, 0}})},
      {"negative width", with({{18, uint32_t(-2)}})},
      {"zero height", with({{22, 0}})},
      {"width overflows the data", with({{18, 0x7FFFFFFF}})},
      {"height overflows the data", with({{22, 0x7FFFFFFF}})},
      {"most negative height", with({{22, 0x80000000}})},
      {"both dimensions huge", with({{18, 0x7FFFFFFF}, {22, 0x7FFFFFFF}})},
      {"huge top-down picture", with({{18, 0x40000000}, {22, 0x80000001}})},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    EXPECT_THROW(DecodeBmp(c.Data.data(), c.Data.size()), EImageError);
  }
}

TEST_F(ImageFiles, SaveChoosesTheFormatByNameAndLoadByContent) {
  struct TCase {
    const char* Name;
    const char* Magic;
  } cases[] = {{"shot.png", "\x89PNG"}, {"shot.BMP", "BM"}, {"shot.Bmp", "BM"}, {"shot.bmp.png", "\x89PNG"},
               {"shot", "\x89PNG"}};
  TBitmap picture = Sample(5, 4);
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    SaveImage(picture, PathOf(c.Name));
    std::vector<uint8_t> bytes = ReadFileBytes(PathOf(c.Name));
    ASSERT_GE(bytes.size(), std::strlen(c.Magic));
    EXPECT_EQ(std::memcmp(bytes.data(), c.Magic, std::strlen(c.Magic)), 0);
    ExpectSamePicture(LoadImage(PathOf(c.Name)), picture);
  }
}

TEST_F(ImageFiles, SavingReplacesAnOlderFileAndLeavesNoTemporary) {
  std::string path = PathOf("shot.png");
  WriteFileBytes(path, std::vector<uint8_t>(10000, 7));
  SaveImage(Sample(2, 2), path);
  ExpectSamePicture(LoadImage(path), Sample(2, 2));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Dir), std::filesystem::directory_iterator()), 1);
}

TEST_F(ImageFiles, FailuresNameTheFile) {
  WriteFileBytes(PathOf("notes.txt"), {'h', 'e', 'l', 'l', 'o'});
  std::vector<uint8_t> truncatedPng = EncodePng(Sample(8, 8));
  truncatedPng.resize(truncatedPng.size() - 20);
  WriteFileBytes(PathOf("cut.png"), truncatedPng);
  for (const char* name : {"missing.png", "notes.txt", "cut.png"}) {
    SCOPED_TRACE(name);
    std::string path = PathOf(name);
    try {
      LoadImage(path);
      ADD_FAILURE() << "loaded";
    } catch (const EImageError& error) {
      EXPECT_NE(std::string(error.what()).find(path), std::string::npos) << error.what();
    }
  }
  std::string unwritable = PathOf("no-such-dir/shot.png");
  try {
    SaveImage(Sample(2, 2), unwritable);
    ADD_FAILURE() << "saved";
  } catch (const EImageError& error) {
    EXPECT_NE(std::string(error.what()).find(unwritable), std::string::npos) << error.what();
  }
}
