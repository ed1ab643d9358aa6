#pragma once
// The display device underneath the surface controls: off-screen surfaces of
// XRGB8888 pixels in "video" or "system" memory, primary surfaces that are a
// window's part of its top-level framebuffer (clipped to what no sibling
// covers), colour-keyed copies, colour fills, device contexts, lost surfaces
// and their restore. Results are Windows-style codes: 0 is success.
//
// Every failure the editor has to survive can be switched on here, so that
// tests reach each of those paths.
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/bitmap.h"
#include "platform/region.h"

class TWindow;
class TWindowManager;

using THResult = int32_t;
constexpr THResult DD_OK = 0;
constexpr THResult DDERR_GENERIC = int32_t(0x80004005);
constexpr THResult DDERR_OUTOFMEMORY = int32_t(0x8007000E);
constexpr THResult DDERR_OUTOFVIDEOMEMORY = int32_t(0x8876017C);
constexpr THResult DDERR_SURFACELOST = int32_t(0x887601C2);
constexpr THResult DDERR_BLTFASTCANTCLIP = int32_t(0x8876023E);
constexpr THResult DDERR_CANTCREATEDC = int32_t(0x88760294);
constexpr THResult DDERR_NODIRECTDRAWHW = int32_t(0x887600FF);

class TDisplay;

// One surface of the display.
class TPlatformSurface {
 public:
  int Width() const { return Bitmap.Width(); }
  int Height() const { return Bitmap.Height(); }
  // The pixels, for reading or writing.
  TBitmap& Pixels() {
    PixelsChanged();  // the caller may write
    return Bitmap;
  }

  bool Primary = false;
  bool VideoMemory = false;
  bool Lost = false;
  TPixel ColorKey = 0;
  // Primary surfaces: the window whose visible part a copy may touch.
  TWindow* ClipWindow = nullptr;

  // For copies with the colour key: each row of the surface as runs of
  // pixels that are not the key, made when first needed and dropped when
  // the pixels or the key change.
  struct TRun {
    int Start;
    int Length;
  };
  const std::vector<std::vector<TRun>>& OpaqueRuns();
  // Whether no pixel has the key: then a keyed copy is a plain one.
  bool FullyOpaque() {
    OpaqueRuns();
    return AllOpaque;
  }

 private:
  friend class TDisplay;
  friend void CopyPixels(TBitmap&, TPoint, TPlatformSurface&, const TRect&, bool);
  void PixelsChanged() { RunsValid = false; }

  TBitmap Bitmap;
  std::vector<std::vector<TRun>> Runs;
  TPixel RunsKey = 0;
  bool RunsValid = false;
  bool AllOpaque = false;
};

using TPlatformSurfacePtr = std::shared_ptr<TPlatformSurface>;

class TDisplay {
 public:
  explicit TDisplay(TWindowManager& manager) : Manager(manager) {}

  // Switches for the failures the editor must survive.
  bool FailDeviceCreation = false;
  bool FailPrimarySurfaces = false;
  bool FailClippers = false;
  bool FailVideoSurfaces = false;
  bool FailSystemSurfaces = false;
  bool FailRestore = false;
  bool FailDeviceContexts = false;

  THResult CreateDevice();
  THResult CreateSurface(int width, int height, bool systemMemory, TPlatformSurfacePtr& surface);
  THResult CreatePrimarySurface(TPlatformSurfacePtr& surface);
  THResult SetClipWindow(TPlatformSurface& primary, TWindow* window);
  // What a display-mode change does: every surface's pixels are gone.
  void LoseAllSurfaces();
  THResult Restore(TPlatformSurface& surface);

  THResult ColorFill(TPlatformSurface& surface, TPixel value);
  // A copy to an off-screen surface; `src` is already clipped to both.
  THResult BltFast(TPlatformSurface& dst, TPoint to, const TPlatformSurfacePtr& src, const TRect& from, bool keyed);
  // A copy through the destination's clipper; on a primary surface `to` is in
  // screen coordinates.
  THResult Blt(TPlatformSurface& dst, const TRect& to, TPlatformSurface& src, const TRect& from, bool keyed);
  // The bitmap a device context draws on, or none when it cannot be had.
  THResult GetDC(TPlatformSurface& surface, TBitmap*& bitmap);
  void WaitVerticalBlank();

  TWindowManager& Manager;

 private:
  void Register(const TPlatformSurfacePtr& surface);
  std::vector<std::weak_ptr<TPlatformSurface>> Surfaces;
};

// Copies `from` of `src` to `to` of `dst`, both already clipped, leaving out
// the pixels equal to the source's key when `keyed`.
void CopyPixels(TBitmap& dst, TPoint to, TPlatformSurface& src, const TRect& from, bool keyed);
