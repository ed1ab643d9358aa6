#include "platform/display.h"

#include <algorithm>
#include <cstring>

#include "platform/window_manager.h"

namespace {
// What a lost surface holds: anything but the picture it had.
// The width of the editor's tiles, the copy made most often.
constexpr int TileRowPixels = 25;
constexpr TPixel LostPixel = 0x00C0FFEE;

inline void CopyRun(TPixel* out, const TPixel* in, int count) {
  std::memcpy(out, in, size_t(count) * sizeof(TPixel));
}

// One row of a keyed copy: only the source's opaque runs of row `y` of
// `from` land in destination row `out`.
inline void CopyKeyedRow(TPixel* out, TPlatformSurface& src, const TBitmap& in, int y, const TRect& from) {
  const TPixel* row = in.Row(y);
  for (const TPlatformSurface::TRun& run : src.OpaqueRuns()[size_t(y)]) {
    int left = std::max(run.Start, from.Left), right = std::min(run.Start + run.Length, from.Right);
    if (left < right) CopyRun(out + (left - from.Left), row + left, right - left);
  }
}
// Copies only the rows that differ and answers where they lie: a view that
// is redrawn unchanged on every frame then costs the screen nothing.
TRect CopyChangedRows(TBitmap& dst, TPoint to, const TBitmap& src, const TRect& from) {
  TRect changed;
  size_t bytes = size_t(from.Width()) * sizeof(TPixel);
  for (int y = from.Top; y < from.Bottom; ++y) {
    TPixel* out = dst.Row(y - from.Top + to.Y) + to.X;
    const TPixel* in = src.Row(y) + from.Left;
    if (std::memcmp(out, in, bytes) == 0) continue;
    std::memcpy(out, in, bytes);
    changed = changed.Union(RectOfSize(to.X, y - from.Top + to.Y, from.Width(), 1));
  }
  return changed;
}
}  // namespace

const std::vector<std::vector<TPlatformSurface::TRun>>& TPlatformSurface::OpaqueRuns() {
  if (RunsValid && RunsKey == ColorKey) return Runs;
  Runs.assign(size_t(Height()), {});
  AllOpaque = true;
  for (int y = 0; y < Height(); ++y) {
    const TPixel* row = Bitmap.Row(y);
    for (int x = 0; x < Width();) {
      if (row[x] == ColorKey) {
        ++x;
        continue;
      }
      int start = x;
      while (x < Width() && row[x] != ColorKey) ++x;
      Runs[size_t(y)].push_back({start, x - start});
    }
    AllOpaque = AllOpaque && Runs[size_t(y)].size() == 1 && Runs[size_t(y)][0].Length == Width();
  }
  RunsKey = ColorKey;
  RunsValid = true;
  return Runs;
}

void CopyPixels(TBitmap& dst, TPoint to, TPlatformSurface& src, const TRect& from, bool keyed) {
  const TBitmap& in = src.Bitmap;
  if (!keyed || src.FullyOpaque()) {
    TPixel* out = dst.Row(to.Y) + to.X;
    const TPixel* row = in.Row(from.Top) + from.Left;
    // A tile row is 25 pixels: a copy of a size known here is a few inline
    // moves instead of a call to memcpy, and a frame makes some 18,000.
    if (from.Width() == TileRowPixels) {
      for (int y = from.Top; y < from.Bottom; ++y, out += dst.Width(), row += in.Width())
        std::memcpy(out, row, TileRowPixels * sizeof(TPixel));
      return;
    }
    for (int y = from.Top; y < from.Bottom; ++y, out += dst.Width(), row += in.Width())
      CopyRun(out, row, from.Width());
    return;
  }
  for (int y = from.Top; y < from.Bottom; ++y)
    CopyKeyedRow(dst.Row(y - from.Top + to.Y) + to.X, src, in, y, from);
}

void TDisplay::Register(const TPlatformSurfacePtr& surface) {
  std::erase_if(Surfaces, [](const auto& weak) { return weak.expired(); });
  Surfaces.push_back(surface);
}

THResult TDisplay::CreateDevice() { return FailDeviceCreation ? DDERR_NODIRECTDRAWHW : DD_OK; }

THResult TDisplay::CreateSurface(int width, int height, bool systemMemory, TPlatformSurfacePtr& surface) {
  if (systemMemory ? FailSystemSurfaces : FailVideoSurfaces)
    return systemMemory ? DDERR_OUTOFMEMORY : DDERR_OUTOFVIDEOMEMORY;
  surface = std::make_shared<TPlatformSurface>();
  surface->VideoMemory = !systemMemory;
  surface->Bitmap = TBitmap(width, height);
  Register(surface);
  return DD_OK;
}

THResult TDisplay::CreatePrimarySurface(TPlatformSurfacePtr& surface) {
  if (FailPrimarySurfaces) return DDERR_OUTOFVIDEOMEMORY;
  surface = std::make_shared<TPlatformSurface>();
  surface->Primary = true;
  surface->VideoMemory = true;
  Register(surface);
  return DD_OK;
}

THResult TDisplay::SetClipWindow(TPlatformSurface& primary, TWindow* window) {
  if (FailClippers) return DDERR_GENERIC;
  primary.ClipWindow = window;
  return DD_OK;
}

void TDisplay::LoseAllSurfaces() {
  for (const auto& weak : Surfaces)
    if (TPlatformSurfacePtr surface = weak.lock()) {
      surface->Lost = true;
      surface->Bitmap.Fill(surface->Bitmap.Bounds(), LostPixel);
      surface->PixelsChanged();
    }
}

THResult TDisplay::Restore(TPlatformSurface& surface) {
  if (!surface.Lost) return DD_OK;
  if (FailRestore) return DDERR_GENERIC;
  surface.Lost = false;
  return DD_OK;
}

THResult TDisplay::ColorFill(TPlatformSurface& surface, TPixel value) {
  if (surface.Lost) return DDERR_SURFACELOST;
  if (!surface.Primary) {
    surface.Bitmap.Fill(surface.Bitmap.Bounds(), value);
    surface.PixelsChanged();
    return DD_OK;
  }
  if (!surface.ClipWindow || !Manager.IsWindow(surface.ClipWindow)) return DD_OK;
  TWindow& top = surface.ClipWindow->TopLevel();
  TRegion region = Manager.VisibleRegion(surface.ClipWindow);
  for (const TRect& r : region.Rects) top.Framebuffer().Fill(r, value);
  if (top.Native && !region.IsEmpty()) Manager.Backend().Present(top, region.Bounds());
  return DD_OK;
}

THResult TDisplay::BltFast(TPlatformSurface& dst, TPoint to, const TPlatformSurfacePtr& src, const TRect& from,
                           bool keyed) {
  if (dst.Primary) return DDERR_BLTFASTCANTCLIP;
  if (dst.Lost || src->Lost) return DDERR_SURFACELOST;
  TRect target = RectOfSize(to.X, to.Y, from.Width(), from.Height());
  if (from.IsEmpty() || target.Intersect(dst.Bitmap.Bounds()) != target ||
      from.Intersect(src->Bitmap.Bounds()) != from)
    return DDERR_BLTFASTCANTCLIP;
  if (src.get() == &dst) {
    // Within one surface the rectangles may overlap: copy through a scratch picture.
    TBitmap source = dst.Bitmap.Crop(from);
    dst.Bitmap.CopyFrom(source, source.Bounds(), to);
  } else {
    CopyPixels(dst.Bitmap, to, *src, from, keyed);
  }
  dst.PixelsChanged();
  return DD_OK;
}

THResult TDisplay::Blt(TPlatformSurface& dst, const TRect& to, TPlatformSurface& src, const TRect& from, bool keyed) {
  if (dst.Lost || src.Lost) return DDERR_SURFACELOST;
  TRegion clip;
  TBitmap* pixels = &dst.Bitmap;
  TPoint origin{0, 0};  // where `to`'s coordinates start in `pixels`
  TWindow* top = nullptr;
  if (dst.Primary) {
    if (!dst.ClipWindow || !Manager.IsWindow(dst.ClipWindow)) return DD_OK;
    top = &dst.ClipWindow->TopLevel();
    pixels = &top->Framebuffer();
    TPoint screen = top->ClientToScreen({0, 0});
    origin = {-screen.X, -screen.Y};
    clip = Manager.VisibleRegion(dst.ClipWindow);
  } else {
    clip = TRegion(dst.Bitmap.Bounds());
  }
  TRect target = to.Offset(origin.X, origin.Y);
  clip.Intersect(target);
  clip.Intersect(pixels->Bounds());
  TRect changed;
  for (const TRect& part : clip.Rects) {
    TRect source = part.Offset(from.Left - target.Left, from.Top - target.Top).Intersect(src.Bitmap.Bounds());
    if (source.IsEmpty()) continue;
    TPoint at{source.Left - from.Left + target.Left, source.Top - from.Top + target.Top};
    if (top && !keyed) {
      changed = changed.Union(CopyChangedRows(*pixels, at, src.Bitmap, source));
    } else {
      CopyPixels(*pixels, at, src, source, keyed);
      changed = changed.Union(RectOfSize(at.X, at.Y, source.Width(), source.Height()));
    }
  }
  if (top && top->Native && !changed.IsEmpty()) Manager.Backend().Present(*top, changed);
  if (!dst.Primary) dst.PixelsChanged();
  return DD_OK;
}

THResult TDisplay::GetDC(TPlatformSurface& surface, TBitmap*& bitmap) {
  bitmap = nullptr;
  if (surface.Lost || FailDeviceContexts || surface.Primary) return DDERR_CANTCREATEDC;
  surface.PixelsChanged();
  bitmap = &surface.Bitmap;
  return DD_OK;
}

void TDisplay::WaitVerticalBlank() { Manager.Backend().WaitVerticalBlank(); }
