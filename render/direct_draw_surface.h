#pragma once
// An off-screen (or primary) picture: fill, the clipped rectangle copy with
// colour-key transparency, a canvas for outlines, colour match, sizing and
// loading a picture into it. Failing platform calls are recorded in
// LastResult and otherwise ignored.
#include <memory>
#include <optional>

#include "platform/canvas.h"
#include "render/direct_draw.h"

class TDirectDrawSurface;

// The canvas of a surface: takes the surface's device context at its first
// drawing call and gives it back on Release; pen and brush stay set.
class TDirectDrawSurfaceCanvas {
 public:
  explicit TDirectDrawSurfaceCanvas(TDirectDrawSurface& surface) : Surface(surface) {}
  TPen Pen;
  TBrush Brush;
  void Rectangle(int x1, int y1, int x2, int y2);
  void Release();
  bool HoldsDC() const { return Bitmap != nullptr; }

 private:
  void TakeDC();
  TDirectDrawSurface& Surface;
  TBitmap* Bitmap = nullptr;
};

class TDirectDrawSurface {
 public:
  explicit TDirectDrawSurface(TDirectDraw& device) : Device(device) {}
  TDirectDrawSurface(const TDirectDrawSurface&) = delete;
  TDirectDrawSurface& operator=(const TDirectDrawSurface&) = delete;

  TDirectDraw& Device;
  // Make it in system memory.
  bool SystemMemory = false;
  THResult LastResult = DD_OK;

  TPlatformSurface* Platform() const { return Surface.get(); }
  void Adopt(TPlatformSurfacePtr surface);
  int Width() const { return Surface ? Surface->Width() : 0; }
  int Height() const { return Surface ? Surface->Height() : 0; }
  TRect Bounds() const { return {0, 0, Width(), Height()}; }
  bool InVideoMemory() const { return Surface && Surface->VideoMemory; }
  bool HasClipper() const { return Surface && Surface->ClipWindow; }

  void Fill(TPixel value);
  // Copies `source` of `from` to (x, y), clipped to both surfaces.
  void Draw(int x, int y, const TRect& source, TDirectDrawSurface& from, bool transparent);
  TDirectDrawSurfaceCanvas& Canvas();
  TPixel ColorMatch(TColor color);
  // Makes a new platform surface of w x h; w or h of 0 or less drops it.
  void SetSize(int w, int h);
  // Sizes the surface to `part` of `picture` and copies the part in.
  void LoadFromPicture(const TBitmap& picture, const TRect& part);
  void SetColorKey(TPixel key);
  bool IsLost() const { return Surface && Surface->Lost; }
  THResult Restore();

 private:
  TPixel ReadPixel(int x, int y);
  void WritePixel(int x, int y, TPixel value);
  TPlatformSurfacePtr Surface;
  std::unique_ptr<TDirectDrawSurfaceCanvas> CanvasObject;
};
