#pragma once
// The skinned scroll bar: arrows that step and repeat, a track that pages
// towards the pointer, a thumb that follows it. Every change of Position goes
// through SetPosition, which draws the bar before it calls OnChange.
#include <cstdint>
#include <string>

#include "controls/scroll_bar_geometry.h"
#include "controls/win_control.h"

class TbsSkinScrollBar : public TWinControl {
 public:
  TbsSkinScrollBar(TWindow& parent, std::string name, const TRect& bounds, TScrollBarKind kind);

  TNotifyEvent OnChange;

  TScrollBarKind Kind() const { return BarKind; }
  int Min() const { return MinValue; }
  int Max() const { return MaxValue; }
  int Position() const { return PositionValue; }
  int SmallChange() const { return SmallChangeValue; }
  int LargeChange() const { return LargeChangeValue; }
  int PageSize() const { return PageSizeValue; }
  // The bar never takes the keyboard focus.
  bool CanFocused() const { return false; }

  // Clamps into Min..the upper bound; when the result differs, stores it,
  // repaints at once, then calls OnChange.
  void SetPosition(int value);
  // Store, pull Position inside the new bounds without OnChange, repaint.
  void SetMin(int value);
  void SetMax(int value);
  void SetPageSize(int value);
  void SetSmallChange(int value);
  void SetLargeChange(int value);

  // Max, or Max - PageSize + 1 with a page size.
  int UpperBound() const;
  TScrollBarGeometry Geometry() const;

  // What the mouse is doing to the bar; tests look at it.
  enum class TRepeat { None, StepBack, StepForward, PageBack, PageForward };
  TRepeat RepeatMode() const { return Repeat; }
  bool Dragging() const { return IsDragging; }
  bool RepeatPaused() const { return Paused; }

  static constexpr uintptr_t RepeatTimer = 1;
  static constexpr uint32_t FirstRepeatDelay = 500;
  static constexpr uint32_t RepeatInterval = 50;

 protected:
  void Paint(TCanvas& canvas) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseLeave() override;
  void CaptureLost() override;
  void CancelMode() override;
  void TimerTick(uintptr_t id) override;
  void EnabledChanged() override;

 private:
  // Moves Position by `delta` through SetPosition, without overflowing.
  void StepBy(int64_t delta);
  void StartRepeat(TRepeat mode);
  // Any release: ends a repeat or a drag.
  void EndMouseAction();
  void PageTick();
  bool OnPressedArrow(TPoint p) const;
  void UpdateThumbHover(TPoint p);
  // Min <= Position <= UpperBound without OnChange, for the bound setters.
  void ClampPositionQuietly();
  void PaintArrow(TCanvas& canvas, const TRect& area, bool increase, bool pressed);

  TScrollBarKind BarKind;
  int MinValue = 0;
  int MaxValue = 100;
  int PositionValue = 0;
  int SmallChangeValue = 1;
  int LargeChangeValue = 1;
  int PageSizeValue = 0;

  // Working state of the mouse.
  TRepeat Repeat = TRepeat::None;
  bool FirstTick = false;
  bool Paused = false;
  TScrollBarPart PressedPart = TScrollBarPart::None;
  bool IsDragging = false;
  int PressCoordinate = 0;
  int PressThumbOffset = 0;
  TPoint LastPointer;
  bool ThumbHovered = false;
};
