#include "tools/paint_assets/png_rgba.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>

#include "platform/image_io.h"

namespace {

// libpng reports errors by longjmp, so WriteRows keeps only plain locals
// and the exception is thrown after it returns.
struct TRgbaJob {
  ~TRgbaJob() { png_destroy_write_struct(&Png, &Info); }
  png_structp Png = nullptr;
  png_infop Info = nullptr;
  char Error[200] = "";
  const TBitmap* Source = nullptr;
  const std::vector<uint8_t>* Alpha = nullptr;
  std::vector<uint8_t>* Output = nullptr;
  std::vector<png_byte> Row;
};

void OnError(png_structp png, png_const_charp message) {
  auto* job = static_cast<TRgbaJob*>(png_get_error_ptr(png));
  std::snprintf(job->Error, sizeof job->Error, "%s", message);
  png_longjmp(png, 1);
}

void OnWarning(png_structp, png_const_charp) {}

void OnWrite(png_structp png, png_bytep data, png_size_t length) {
  auto* job = static_cast<TRgbaJob*>(png_get_io_ptr(png));
  bool full = false;
  try {
    job->Output->insert(job->Output->end(), data, data + length);
  } catch (...) {
    full = true;
  }
  if (full) png_error(png, "out of memory");
}

void OnFlush(png_structp) {}

void FillRow(TRgbaJob& job, int y) {
  const TBitmap& bitmap = *job.Source;
  const TPixel* pixels = bitmap.Row(y);
  for (int x = 0; x < bitmap.Width(); ++x) {
    png_byte* out = &job.Row[size_t(x) * 4];
    out[0] = png_byte(pixels[x] >> 16);
    out[1] = png_byte(pixels[x] >> 8);
    out[2] = png_byte(pixels[x]);
    out[3] = (*job.Alpha)[size_t(y) * bitmap.Width() + x];
  }
}

bool WriteRows(TRgbaJob& job) {
  if (setjmp(png_jmpbuf(job.Png))) return false;
  const TBitmap& bitmap = *job.Source;
  png_set_write_fn(job.Png, &job, OnWrite, OnFlush);
  // One filter and a fixed level: the bytes then depend on the picture only.
  png_set_filter(job.Png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
  png_set_compression_level(job.Png, 9);
  png_set_IHDR(job.Png, job.Info, png_uint_32(bitmap.Width()), png_uint_32(bitmap.Height()), 8,
               PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(job.Png, job.Info);
  for (int y = 0; y < bitmap.Height(); ++y) {
    FillRow(job, y);
    png_write_row(job.Png, job.Row.data());
  }
  png_write_end(job.Png, nullptr);
  return true;
}

}  // namespace

std::vector<uint8_t> EncodePngRgba(const TBitmap& bitmap, const std::vector<uint8_t>& alpha) {
  if (bitmap.Width() <= 0 || bitmap.Height() <= 0) throw EImageError("cannot write an empty picture as PNG");
  if (alpha.size() != bitmap.Pixels.size()) throw EImageError("alpha does not match the picture's size");
  std::vector<uint8_t> output;
  TRgbaJob job;
  job.Source = &bitmap;
  job.Alpha = &alpha;
  job.Output = &output;
  job.Row.resize(size_t(bitmap.Width()) * 4);
  job.Png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &job, OnError, OnWarning);
  if (job.Png) job.Info = png_create_info_struct(job.Png);
  if (!job.Info || !WriteRows(job))
    throw EImageError(std::string("cannot encode PNG: ") + (job.Error[0] ? job.Error : "libpng failed"));
  return output;
}
