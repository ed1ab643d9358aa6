#include "controls/win_control.h"

#include <algorithm>

#include "platform/window_manager.h"

TWinControl::TWinControl(TWindowManager& manager, TWindow* parent, std::string name, const TRect& bounds)
    : TComponent(std::move(name)), TWindow(manager, parent, bounds) {}

TWinControl::TWinControl(TWindow& parent, std::string name, const TRect& bounds)
    : TWinControl(parent.Manager(), &parent, std::move(name), bounds) {}

void TWinControl::Invalidate() { Manager().Invalidate(this); }

void TWinControl::Repaint() {
  Manager().Invalidate(this);
  Manager().UpdateWindow(this);
}

bool TWinControl::Focused() const { return Manager().Focus() == this; }

void TWinControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}

void TWinControl::MouseMove(TShiftState shift, int x, int y) {
  if (OnMouseMove) OnMouseMove(this, shift, x, y);
}

void TWinControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}

void TWinControl::PaintAll() {
  TCanvas canvas = Manager().WindowCanvas(this);
  Paint(canvas);
  TPoint origin = OriginInTopLevel();
  for (TGraphicControl* control : GraphicControls) {
    TRect area = control->BoundsRect().Offset(origin.X, origin.Y);
    TRegion clip = canvas.Clip();
    clip.Intersect(area);
    TCanvas controlCanvas(canvas.Target(), clip, {area.Left, area.Top});
    control->Paint(controlCanvas);
  }
}

intptr_t TWinControl::WndProc(TMessage& m) {
  TShiftState shift = ShiftOf(m.Keys);
  switch (m.Msg) {
    case WM_PAINT: PaintAll(); break;
    case WM_LBUTTONDOWN:
      if (CaptureOnLeftPress) {
        Manager().SetCapture(this);
        PressCaptured = true;
      }
      MouseDown(mbLeft, shift, m.X, m.Y);
      break;
    case WM_LBUTTONUP:
      // Only the capture the press took ends here; a capture taken for
      // another purpose (an open menu list) stays.
      if (PressCaptured && Manager().Capture() == this) Manager().ReleaseCapture();
      PressCaptured = false;
      MouseUp(mbLeft, shift, m.X, m.Y);
      break;
    case WM_RBUTTONDOWN: MouseDown(mbRight, shift, m.X, m.Y); break;
    case WM_RBUTTONUP: MouseUp(mbRight, shift, m.X, m.Y); break;
    case WM_MBUTTONDOWN: MouseDown(mbMiddle, shift, m.X, m.Y); break;
    case WM_MBUTTONUP: MouseUp(mbMiddle, shift, m.X, m.Y); break;
    case WM_MOUSEMOVE: MouseMove(shift, m.X, m.Y); break;
    case WM_KEYDOWN: KeyDown(int(m.WParam), shift); break;
    case WM_KEYUP: KeyUp(int(m.WParam), shift); break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: FocusChanged(); break;
    case WM_CAPTURECHANGED: CaptureLost(); break;
    case WM_CANCELMODE:
      if (Manager().Capture() == this) Manager().ReleaseCapture();
      CancelMode();
      break;
    case WM_TIMER: TimerTick(uintptr_t(m.WParam)); break;
    case WM_ENABLE: EnabledChanged(); break;
    case CM_MOUSEENTER: Hovered = true; MouseEnter(); break;
    case CM_MOUSELEAVE: Hovered = false; MouseLeave(); break;
  }
  return 0;
}

TGraphicControl::TGraphicControl(TWinControl& parent, std::string name, const TRect& bounds)
    : TComponent(std::move(name)), ParentControl(parent), Bounds(bounds) {
  parent.GraphicControls.push_back(this);
}

TGraphicControl::~TGraphicControl() { std::erase(ParentControl.GraphicControls, this); }

void TGraphicControl::Invalidate() { ParentControl.Manager().Invalidate(&ParentControl, Bounds); }
