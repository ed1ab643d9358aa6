#include "render/direct_draw_surface.h"

TDirectDraw::TDirectDraw(TDisplay& display) : Display(display) {
  if (display.CreateDevice() != DD_OK) throw EDirectDrawError(FormatMessage("%s cannot be initialized", "DirectDraw"));
}

void TDirectDrawSurface::Adopt(TPlatformSurfacePtr surface) { Surface = std::move(surface); }

void TDirectDrawSurface::Fill(TPixel value) {
  if (!Surface) return;
  LastResult = Device.Display.ColorFill(*Surface, value);
}

void TDirectDrawSurface::Draw(int x, int y, const TRect& source, TDirectDrawSurface& from, bool transparent) {
  if (!Surface || !from.Surface) return;
  if (x > Width() || y > Height()) return;
  TRect d{x, y, x + source.Width(), y + source.Height()};
  TRect s = source;
  TRect db = Bounds(), sb = from.Bounds();
  // Destination edges first, then the source's, left/top before right/bottom.
  if (db.Left > d.Left) { s.Left += db.Left - d.Left; d.Left = db.Left; }
  if (db.Top > d.Top) { s.Top += db.Top - d.Top; d.Top = db.Top; }
  if (sb.Left > s.Left) { d.Left += sb.Left - s.Left; s.Left = sb.Left; }
  if (sb.Top > s.Top) { d.Top += sb.Top - s.Top; s.Top = sb.Top; }
  if (db.Right < d.Right) { s.Right -= d.Right - db.Right; d.Right = db.Right; }
  if (db.Bottom < d.Bottom) { s.Bottom -= d.Bottom - db.Bottom; d.Bottom = db.Bottom; }
  if (sb.Right < s.Right) { d.Right -= s.Right - sb.Right; s.Right = sb.Right; }
  if (sb.Bottom < s.Bottom) { d.Bottom -= s.Bottom - sb.Bottom; s.Bottom = sb.Bottom; }
  if (d.Left >= d.Right || d.Top >= d.Bottom || s.Left >= s.Right || s.Top >= s.Bottom) return;
  TDisplay& display = Device.Display;
  if (!HasClipper()) {
    LastResult = display.BltFast(*Surface, {d.Left, d.Top}, from.Surface, s, transparent);
    if (LastResult != DDERR_BLTFASTCANTCLIP) return;
  }
  LastResult = display.Blt(*Surface, d, *from.Surface, s, transparent);
}

TDirectDrawSurfaceCanvas& TDirectDrawSurface::Canvas() {
  if (!CanvasObject) CanvasObject = std::make_unique<TDirectDrawSurfaceCanvas>(*this);
  return *CanvasObject;
}

TPixel TDirectDrawSurface::ReadPixel(int x, int y) {
  if (!Surface || Surface->Lost || !Surface->Pixels().Bounds().Contains({x, y})) return 0;
  return Surface->Pixels().At(x, y);
}

void TDirectDrawSurface::WritePixel(int x, int y, TPixel value) {
  if (!Surface || Surface->Lost || !Surface->Pixels().Bounds().Contains({x, y})) return;
  Surface->Pixels().Set(x, y, value);
}

TPixel TDirectDrawSurface::ColorMatch(TColor color) {
  if (!Surface) return 0;
  // Let the surface itself say what the colour becomes in its format: draw
  // it at (0, 0), read it back, and put the old pixel back.
  TPixel old = ReadPixel(0, 0);
  TBitmap* bitmap = nullptr;
  if (Device.Display.GetDC(*Surface, bitmap) == DD_OK) TCanvas(Surface->Pixels()).SetPixel(0, 0, color);
  TPixel matched = ReadPixel(0, 0);
  WritePixel(0, 0, old);
  return matched;
}

void TDirectDrawSurface::SetSize(int w, int h) {
  if (w <= 0 || h <= 0) {
    Surface.reset();
    return;
  }
  TPlatformSurfacePtr made;
  LastResult = Device.Display.CreateSurface(w, h, SystemMemory, made);
  if (LastResult != DD_OK && !SystemMemory) {
    LastResult = Device.Display.CreateSurface(w, h, true, made);
    if (LastResult == DD_OK) SystemMemory = true;
  }
  if (LastResult != DD_OK) throw EDirectDrawSurfaceError(FormatMessage("%s cannot be made", "Surface"));
  Surface = std::move(made);
  SetColorKey(0);
}

void TDirectDrawSurface::LoadFromPicture(const TBitmap& picture, const TRect& part) {
  SetSize(part.Width(), part.Height());
  if (!Surface || Surface->Lost) return;
  Surface->Pixels().CopyFrom(picture, part, {0, 0});
}

void TDirectDrawSurface::SetColorKey(TPixel key) {
  if (Surface) Surface->ColorKey = key;
}

THResult TDirectDrawSurface::Restore() {
  if (!Surface) return DD_OK;
  LastResult = Device.Display.Restore(*Surface);
  return LastResult;
}

void TDirectDrawSurfaceCanvas::TakeDC() {
  if (Bitmap) return;
  if (!Surface.Platform()) throw EDirectDrawSurfaceError(FormatMessage("%s not made", "IDirectDrawSurface"));
  if (Surface.Device.Display.GetDC(*Surface.Platform(), Bitmap) != DD_OK)
    throw EInvalidOperation("Canvas does not allow drawing");
}

void TDirectDrawSurfaceCanvas::Rectangle(int x1, int y1, int x2, int y2) {
  TakeDC();
  TCanvas canvas(Surface.Platform()->Pixels());
  canvas.Pen = Pen;
  canvas.Brush = Brush;
  canvas.Rectangle(x1, y1, x2, y2);
}

void TDirectDrawSurfaceCanvas::Release() { Bitmap = nullptr; }
