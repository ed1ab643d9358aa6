#include "platform/image_io.h"

#include <png.h>
#include <unistd.h>

#include <bit>
#include <cctype>
#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstring>

namespace {

// libpng reports errors by longjmp. Nothing with a destructor may live in a
// frame that jump crosses, so the libpng calls sit in the small functions
// below whose locals are all plain, the buffers live in a job struct owned
// by the caller, and the C++ exception is thrown only after they return.
struct TPngJob {
  explicit TPngJob(bool reading) : Reading(reading) {}
  ~TPngJob() {
    if (Reading) png_destroy_read_struct(&Png, &Info, nullptr);
    else png_destroy_write_struct(&Png, &Info);
  }
  bool Reading;
  png_structp Png = nullptr;
  png_infop Info = nullptr;
  char Error[200] = "";
  // Encoding
  const TBitmap* Source = nullptr;
  std::vector<uint8_t>* Output = nullptr;
  std::vector<png_byte> Row;
  // Decoding, straight into the bitmap's rows
  const uint8_t* Input = nullptr;
  size_t InputSize = 0;
  size_t InputPos = 0;
  TBitmap Result;
  std::vector<png_bytep> Rows;
};

// Larger pictures than this are refused instead of trying to allocate them;
// a 16384 x 8192 screenshot still fits.
constexpr uint64_t MaxPngPixels = uint64_t(1) << 27;

void OnPngError(png_structp png, png_const_charp message) {
  auto* job = static_cast<TPngJob*>(png_get_error_ptr(png));
  std::snprintf(job->Error, sizeof job->Error, "%s", message);
  png_longjmp(png, 1);
}

void OnPngWarning(png_structp, png_const_charp) {}

void OnPngWrite(png_structp png, png_bytep data, png_size_t length) {
  auto* job = static_cast<TPngJob*>(png_get_io_ptr(png));
  bool full = false;
  try {
    job->Output->insert(job->Output->end(), data, data + length);
  } catch (...) {
    full = true;
  }
  if (full) png_error(png, "out of memory");
}

void OnPngFlush(png_structp) {}

void OnPngRead(png_structp png, png_bytep data, png_size_t length) {
  auto* job = static_cast<TPngJob*>(png_get_io_ptr(png));
  if (length > job->InputSize - job->InputPos) png_error(png, "truncated PNG data");
  std::memcpy(data, job->Input + job->InputPos, length);
  job->InputPos += length;
}

bool WritePng(TPngJob& job) {
  if (setjmp(png_jmpbuf(job.Png))) return false;
  const TBitmap& bitmap = *job.Source;
  png_set_write_fn(job.Png, &job, OnPngWrite, OnPngFlush);
  png_set_IHDR(job.Png, job.Info, png_uint_32(bitmap.Width()), png_uint_32(bitmap.Height()), 8, PNG_COLOR_TYPE_RGB,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(job.Png, job.Info);
  for (int y = 0; y < bitmap.Height(); ++y) {
    const TPixel* pixels = bitmap.Row(y);
    for (int x = 0; x < bitmap.Width(); ++x) {
      job.Row[size_t(x) * 3] = png_byte(pixels[x] >> 16);
      job.Row[size_t(x) * 3 + 1] = png_byte(pixels[x] >> 8);
      job.Row[size_t(x) * 3 + 2] = png_byte(pixels[x]);
    }
    png_write_row(job.Png, job.Row.data());
  }
  png_write_end(job.Png, nullptr);
  return true;
}

// Whatever the file holds (palette, grey, 16 bits, alpha, interlacing)
// arrives as 8-bit B, G, R and a fourth byte, which on our little-endian
// targets is exactly a TPixel. The fourth byte is filler, or alpha when the
// file has it; the caller clears it, as our pictures carry no alpha.
bool ReadPngHeader(TPngJob& job) {
  if (setjmp(png_jmpbuf(job.Png))) return false;
  png_set_read_fn(job.Png, &job, OnPngRead);
  png_set_user_limits(job.Png, 1u << 20, 1u << 20);
  png_read_info(job.Png, job.Info);
  png_set_expand(job.Png);
  png_set_strip_16(job.Png);
  png_set_gray_to_rgb(job.Png);
  png_set_bgr(job.Png);
  png_set_filler(job.Png, 0, PNG_FILLER_AFTER);
  png_set_interlace_handling(job.Png);
  png_read_update_info(job.Png, job.Info);
  return true;
}

bool ReadPngPixels(TPngJob& job) {
  if (setjmp(png_jmpbuf(job.Png))) return false;
  png_read_image(job.Png, job.Rows.data());
  png_read_end(job.Png, nullptr);
  return true;
}

void FailPng(const TPngJob& job, const char* what) {
  throw EImageError(std::string(what) + ": " + (job.Error[0] ? job.Error : "libpng failed"));
}

uint32_t Le16(const uint8_t* p) { return uint32_t(p[0]) | uint32_t(p[1]) << 8; }
uint32_t Le32(const uint8_t* p) { return Le16(p) | Le16(p + 2) << 16; }
void PutLe16(uint8_t* p, uint32_t v) { p[0] = uint8_t(v), p[1] = uint8_t(v >> 8); }
void PutLe32(uint8_t* p, uint32_t v) { PutLe16(p, v), PutLe16(p + 2, v >> 16); }

constexpr size_t BmpFileHeader = 14;
constexpr size_t BmpInfoHeader = 40;
constexpr uint32_t BiRgb = 0, BiBitfields = 3;

uint64_t BmpStride(uint64_t width, unsigned bitsPerPixel) { return (width * bitsPerPixel + 31) / 32 * 4; }

// A 32-bit picture may state its layout as bit masks; only the layout that
// equals plain BI_RGB (blue in the low byte) is taken.
bool StandardMasks(const uint8_t* data, size_t size, uint32_t headerSize) {
  size_t masks = BmpFileHeader + BmpInfoHeader;
  if (masks + 12 > size || (headerSize == BmpInfoHeader && masks + 12 > Le32(data + 10))) return false;
  return Le32(data + masks) == 0xFF0000 && Le32(data + masks + 4) == 0xFF00 && Le32(data + masks + 8) == 0xFF;
}

std::string ErrnoText() { return std::strerror(errno); }

}  // namespace

std::vector<uint8_t> EncodePng(const TBitmap& bitmap) {
  if (bitmap.Width() <= 0 || bitmap.Height() <= 0) throw EImageError("cannot write an empty picture as PNG");
  std::vector<uint8_t> output;
  TPngJob job(false);
  job.Source = &bitmap;
  job.Output = &output;
  job.Row.resize(size_t(bitmap.Width()) * 3);
  job.Png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &job, OnPngError, OnPngWarning);
  if (job.Png) job.Info = png_create_info_struct(job.Png);
  if (!job.Info || !WritePng(job)) FailPng(job, "cannot encode PNG");
  return output;
}

namespace {
TBitmap DecodePngPixels(const std::vector<uint8_t>& data, bool keepAlpha) {
  static_assert(std::endian::native == std::endian::little, "PNG rows are read straight into TPixel memory");
  if (data.size() < 8 || png_sig_cmp(data.data(), 0, 8) != 0) throw EImageError("not a PNG picture");
  TPngJob job(true);
  job.Input = data.data();
  job.InputSize = data.size();
  job.Png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &job, OnPngError, OnPngWarning);
  if (job.Png) job.Info = png_create_info_struct(job.Png);
  if (!job.Info || !ReadPngHeader(job)) FailPng(job, "cannot decode PNG");
  uint32_t width = png_get_image_width(job.Png, job.Info), height = png_get_image_height(job.Png, job.Info);
  if (uint64_t(width) * height > MaxPngPixels) throw EImageError("PNG picture too large");
  if (png_get_rowbytes(job.Png, job.Info) != size_t(width) * sizeof(TPixel))
    throw EImageError("PNG picture of an unexpected layout");
  job.Result = TBitmap(int(width), int(height));
  for (uint32_t y = 0; y < height; ++y) job.Rows.push_back(reinterpret_cast<png_bytep>(job.Result.Row(int(y))));
  if (!ReadPngPixels(job)) FailPng(job, "cannot decode PNG");
  if (!keepAlpha)
    for (TPixel& pixel : job.Result.Pixels) pixel &= 0xFFFFFF;
  return std::move(job.Result);
}
}  // namespace

TBitmap DecodePng(const std::vector<uint8_t>& data) { return DecodePngPixels(data, false); }

TBitmap DecodePngArgb(const std::vector<uint8_t>& data) { return DecodePngPixels(data, true); }

// Resolution fields are left 0 ("not stated"): the pictures are screen
// pixels, and readers treat 0 as their own default.
std::vector<uint8_t> EncodeBmp24(const TBitmap& bitmap) {
  if (bitmap.Width() <= 0 || bitmap.Height() <= 0) throw EImageError("cannot write an empty picture as BMP");
  uint64_t stride = BmpStride(uint64_t(bitmap.Width()), 24);
  uint64_t imageSize = stride * uint64_t(bitmap.Height());
  size_t offset = BmpFileHeader + BmpInfoHeader;
  if (offset + imageSize > UINT32_MAX) throw EImageError("picture too large for BMP");
  std::vector<uint8_t> out(offset + imageSize, 0);
  uint8_t* h = out.data();
  h[0] = 'B', h[1] = 'M';
  PutLe32(h + 2, uint32_t(out.size()));
  PutLe32(h + 10, uint32_t(offset));
  PutLe32(h + 14, uint32_t(BmpInfoHeader));
  PutLe32(h + 18, uint32_t(bitmap.Width()));
  PutLe32(h + 22, uint32_t(bitmap.Height()));  // positive: rows bottom-up
  PutLe16(h + 26, 1);                          // planes
  PutLe16(h + 28, 24);
  PutLe32(h + 30, BiRgb);
  PutLe32(h + 34, uint32_t(imageSize));
  for (int y = 0; y < bitmap.Height(); ++y) {
    uint8_t* line = h + offset + size_t(bitmap.Height() - 1 - y) * stride;
    const TPixel* pixels = bitmap.Row(y);
    for (int x = 0; x < bitmap.Width(); ++x, line += 3)
      line[0] = uint8_t(pixels[x]), line[1] = uint8_t(pixels[x] >> 8), line[2] = uint8_t(pixels[x] >> 16);
  }
  return out;
}

TBitmap DecodeBmp(const uint8_t* data, size_t size) {
  if (!data || size < BmpFileHeader + BmpInfoHeader) throw EImageError("BMP data too short");
  if (data[0] != 'B' || data[1] != 'M') throw EImageError("not a BMP picture");
  uint32_t pixelOffset = Le32(data + 10), headerSize = Le32(data + 14);
  // 40 is BITMAPINFOHEADER; the later versions only append fields to it.
  if (headerSize < BmpInfoHeader || headerSize > size - BmpFileHeader)
    throw EImageError("unsupported BMP header size " + std::to_string(headerSize));
  int64_t width = int32_t(Le32(data + 18)), height = int32_t(Le32(data + 22));
  unsigned bits = Le16(data + 28);
  uint32_t compression = Le32(data + 30);
  if (bits != 24 && bits != 32) throw EImageError("unsupported BMP depth of " + std::to_string(bits) + " bits");
  bool plain = compression == BiRgb ||
               (compression == BiBitfields && bits == 32 && StandardMasks(data, size, headerSize));
  if (!plain) throw EImageError("compressed BMP pictures are not supported");
  bool topDown = height < 0;
  height = topDown ? -height : height;
  if (width <= 0 || height == 0 || width > INT32_MAX || height > INT32_MAX)
    throw EImageError("BMP picture has no pixels or impossible dimensions");
  uint64_t stride = BmpStride(uint64_t(width), bits), rowBytes = uint64_t(width) * (bits / 8);
  if (pixelOffset < BmpFileHeader + headerSize || pixelOffset > size)
    throw EImageError("BMP pixel data lies outside the file");
  // The last row's padding may be missing; everything else must be there.
  // Divided rather than multiplied: the product of two hostile 32-bit
  // dimensions can wrap even in 64 bits.
  uint64_t available = size - pixelOffset;
  if (rowBytes > available || uint64_t(height - 1) > (available - rowBytes) / stride)
    throw EImageError("BMP pixel data lies outside the file");

  TBitmap bitmap(static_cast<int>(width), static_cast<int>(height));
  for (int64_t row = 0; row < height; ++row) {
    const uint8_t* line = data + pixelOffset + stride * uint64_t(row);
    TPixel* pixels = bitmap.Row(int(topDown ? row : height - 1 - row));
    for (int64_t x = 0; x < width; ++x, line += bits / 8)
      pixels[x] = TPixel(line[2]) << 16 | TPixel(line[1]) << 8 | line[0];
  }
  return bitmap;
}

std::vector<uint8_t> ReadFileBytes(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) throw EImageError("cannot open " + path + ": " + ErrnoText());
  std::vector<uint8_t> bytes;
  uint8_t chunk[65536];
  size_t count;
  while ((count = std::fread(chunk, 1, sizeof chunk, file)) > 0) bytes.insert(bytes.end(), chunk, chunk + count);
  bool failed = std::ferror(file);
  std::string reason = failed ? ErrnoText() : "";
  std::fclose(file);
  if (failed) throw EImageError("cannot read " + path + ": " + reason);
  return bytes;
}

// Written beside the target and renamed over it, so a full disk or a crash
// leaves the previous file intact instead of a truncated one.
void WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::string temporary = path + ".tmp";
  std::FILE* file = std::fopen(temporary.c_str(), "wb");
  if (!file) throw EImageError("cannot write " + path + ": " + ErrnoText());
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() && std::fflush(file) == 0 &&
            fsync(fileno(file)) == 0;
  std::string reason = ok ? "" : ErrnoText();
  if (std::fclose(file) != 0 && ok) ok = false, reason = ErrnoText();
  if (ok && std::rename(temporary.c_str(), path.c_str()) != 0) ok = false, reason = ErrnoText();
  if (ok) return;
  std::remove(temporary.c_str());
  throw EImageError("cannot write " + path + ": " + reason);
}

void SaveImage(const TBitmap& bitmap, const std::string& path) {
  std::string extension = path.size() >= 4 ? path.substr(path.size() - 4) : "";
  for (char& c : extension) c = char(std::tolower(static_cast<unsigned char>(c)));
  WriteFileBytes(path, extension == ".bmp" ? EncodeBmp24(bitmap) : EncodePng(bitmap));
}

TBitmap LoadImage(const std::string& path) {
  std::vector<uint8_t> bytes = ReadFileBytes(path);
  try {
    if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M') return DecodeBmp(bytes.data(), bytes.size());
    if (bytes.size() >= 8 && png_sig_cmp(bytes.data(), 0, 8) == 0) return DecodePng(bytes);
  } catch (const EImageError& error) {
    throw EImageError(path + ": " + error.what());
  }
  throw EImageError(path + ": neither a BMP nor a PNG picture");
}
