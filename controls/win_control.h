#pragma once
// A control with a window of its own: it turns the window's messages into
// paint calls, mouse and key calls and the events bound to the form's handlers.
#include <string>
#include <vector>

#include "controls/component.h"
#include "platform/canvas.h"
#include "platform/window.h"

class TGraphicControl;

class TWinControl : public TComponent, public TWindow {
 public:
  TWinControl(TWindowManager& manager, TWindow* parent, std::string name, const TRect& bounds);
  TWinControl(TWindow& parent, std::string name, const TRect& bounds);

  TMouseEvent OnMouseDown;
  TMouseMoveEvent OnMouseMove;
  TMouseEvent OnMouseUp;

  // A left press captures the mouse until the left release.
  bool CaptureOnLeftPress = true;
  bool TabStop = false;

  int Left() const { return Bounds().Left; }
  int Top() const { return Bounds().Top; }
  // Marks the whole control for the next paint.
  void Invalidate();
  // Draws it at once.
  void Repaint();
  bool Focused() const;
  bool MouseInside() const { return Hovered; }

  intptr_t WndProc(TMessage& message) override;

 protected:
  friend class TGraphicControl;
  virtual void Paint(TCanvas& canvas) {}
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseMove(TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  virtual void KeyDown(int key, TShiftState shift) {}
  virtual void KeyUp(int key, TShiftState shift) {}
  virtual void MouseEnter() {}
  virtual void MouseLeave() {}
  virtual void FocusChanged() {}
  virtual void CaptureLost() {}
  virtual void CancelMode() {}
  virtual void TimerTick(uintptr_t id) {}
  virtual void EnabledChanged() {}

  // Windowless controls drawn on this one, after its own Paint.
  std::vector<TGraphicControl*> GraphicControls;

 private:
  void PaintAll();
  bool Hovered = false;
  bool PressCaptured = false;
};

// A control without a window (a label): its parent draws it and passes on
// nothing else to it.
class TGraphicControl : public TComponent {
 public:
  TGraphicControl(TWinControl& parent, std::string name, const TRect& bounds);
  virtual ~TGraphicControl();

  const TRect& BoundsRect() const { return Bounds; }
  TWinControl& Parent() const { return ParentControl; }
  // Marks the control's area of its parent for the next paint.
  void Invalidate();
  virtual void Paint(TCanvas& canvas) = 0;

 private:
  TWinControl& ParentControl;
  TRect Bounds;
};
