#include "controls/scroll_bar.h"

#include <algorithm>
#include <climits>

#include "controls/theme.h"
#include "platform/window_manager.h"

TbsSkinScrollBar::TbsSkinScrollBar(TWindow& parent, std::string name, const TRect& bounds, TScrollBarKind kind)
    : TWinControl(parent, std::move(name), bounds), BarKind(kind) {
  TabStop = false;
}

// ---- values ----

int TbsSkinScrollBar::UpperBound() const {
  if (PageSizeValue <= 0) return MaxValue;
  return int(std::clamp<int64_t>(int64_t(MaxValue) - PageSizeValue + 1, INT_MIN, INT_MAX));
}

void TbsSkinScrollBar::SetPosition(int value) {
  if (value < MinValue) value = MinValue;
  else if (value > UpperBound()) value = UpperBound();
  if (value == PositionValue) return;
  PositionValue = value;
  Repaint();
  if (OnChange) OnChange(this);
}

void TbsSkinScrollBar::ClampPositionQuietly() {
  if (PositionValue > UpperBound()) PositionValue = UpperBound();
  if (PositionValue < MinValue) PositionValue = MinValue;
}

void TbsSkinScrollBar::SetMin(int value) {
  MinValue = value;
  ClampPositionQuietly();
  Repaint();
}

void TbsSkinScrollBar::SetMax(int value) {
  MaxValue = value;
  ClampPositionQuietly();
  Repaint();
}

void TbsSkinScrollBar::SetPageSize(int value) {
  PageSizeValue = value;
  ClampPositionQuietly();
  Repaint();
}

void TbsSkinScrollBar::SetSmallChange(int value) {
  SmallChangeValue = value;
  Repaint();
}

void TbsSkinScrollBar::SetLargeChange(int value) {
  LargeChangeValue = value;
  Repaint();
}

void TbsSkinScrollBar::StepBy(int64_t delta) {
  int64_t target = int64_t(PositionValue) + delta;
  SetPosition(int(std::clamp<int64_t>(target, INT_MIN, INT_MAX)));
}

TScrollBarGeometry TbsSkinScrollBar::Geometry() const {
  return ScrollBarGeometry(BarKind, Width(), Height(), Theme::ScrollArrowLength, Theme::ScrollThumbLength,
                           MinValue, UpperBound(), PositionValue);
}

// ---- mouse ----

void TbsSkinScrollBar::StartRepeat(TRepeat mode) {
  Repeat = mode;
  FirstTick = true;
  Paused = false;
  Manager().SetTimer(this, RepeatTimer, FirstRepeatDelay);
}

void TbsSkinScrollBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (button != mbLeft) return;
  EndMouseAction();
  LastPointer = {x, y};
  TScrollBarGeometry g = Geometry();
  int along = g.Along(LastPointer);
  // The repeat state is set before the first step: OnChange runs inside the
  // step and may raise, and the release must still find something to end.
  switch (ScrollBarPartAt(g, LastPointer)) {
    case TScrollBarPart::Thumb:
      PressedPart = TScrollBarPart::Thumb;
      IsDragging = true;
      PressCoordinate = along;
      PressThumbOffset = g.ThumbOffset;
      Repaint();
      break;
    case TScrollBarPart::IncreaseArrow:
      PressedPart = TScrollBarPart::IncreaseArrow;
      StartRepeat(TRepeat::StepForward);
      Repaint();
      StepBy(SmallChangeValue);
      break;
    case TScrollBarPart::DecreaseArrow:
      PressedPart = TScrollBarPart::DecreaseArrow;
      StartRepeat(TRepeat::StepBack);
      Repaint();
      StepBy(-int64_t(SmallChangeValue));
      break;
    case TScrollBarPart::Track:
      if (along < g.ThumbStart()) {
        StartRepeat(TRepeat::PageBack);
        StepBy(-int64_t(LargeChangeValue));
      } else {
        StartRepeat(TRepeat::PageForward);
        StepBy(LargeChangeValue);
      }
      break;
    case TScrollBarPart::None: break;
  }
}

bool TbsSkinScrollBar::OnPressedArrow(TPoint p) const {
  TScrollBarGeometry g = Geometry();
  if (PressedPart == TScrollBarPart::IncreaseArrow) return g.IncreaseArrow.Contains(p);
  if (PressedPart == TScrollBarPart::DecreaseArrow) return g.DecreaseArrow.Contains(p);
  return false;
}

void TbsSkinScrollBar::MouseMove(TShiftState shift, int x, int y) {
  LastPointer = {x, y};
  if (IsDragging) {
    TScrollBarGeometry g = Geometry();
    int t = PressThumbOffset + (g.Along(LastPointer) - PressCoordinate);
    SetPosition(PositionForThumbOffset(g.Travel, MinValue, UpperBound(), t));
    return;
  }
  switch (Repeat) {
    case TRepeat::StepBack:
    case TRepeat::StepForward: {
      bool on = OnPressedArrow(LastPointer);
      if (!on && !Paused) {
        Paused = true;
        Manager().KillTimer(this, RepeatTimer);
        Repaint();
      } else if (on && Paused) {
        // The first-tick flag stays as it was: a pause during the first wait
        // still owes the switch to the fast rate.
        Paused = false;
        Manager().SetTimer(this, RepeatTimer, RepeatInterval);
        Repaint();
      }
      break;
    }
    case TRepeat::PageForward:
      if (!ClientRect().Contains(LastPointer)) {
        Repeat = TRepeat::None;
        Manager().KillTimer(this, RepeatTimer);
      }
      break;
    case TRepeat::PageBack:
    case TRepeat::None: break;
  }
  if (PressedPart == TScrollBarPart::None) UpdateThumbHover(LastPointer);
}

void TbsSkinScrollBar::UpdateThumbHover(TPoint p) {
  bool over = Geometry().Thumb.Contains(p);
  if (over == ThumbHovered) return;
  ThumbHovered = over;
  Repaint();
}

void TbsSkinScrollBar::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  LastPointer = {x, y};
  EndMouseAction();
  UpdateThumbHover(LastPointer);
}

void TbsSkinScrollBar::MouseLeave() {
  if (!ThumbHovered) return;
  ThumbHovered = false;
  Repaint();
}

void TbsSkinScrollBar::CaptureLost() { EndMouseAction(); }

void TbsSkinScrollBar::CancelMode() { EndMouseAction(); }

void TbsSkinScrollBar::EnabledChanged() {
  EndMouseAction();
  Repaint();
}

void TbsSkinScrollBar::EndMouseAction() {
  bool looked = PressedPart != TScrollBarPart::None;
  Manager().KillTimer(this, RepeatTimer);
  Repeat = TRepeat::None;
  FirstTick = false;
  Paused = false;
  IsDragging = false;
  PressedPart = TScrollBarPart::None;
  if (looked) Repaint();
}

void TbsSkinScrollBar::TimerTick(uintptr_t id) {
  if (id != RepeatTimer || Repeat == TRepeat::None) return;
  if (FirstTick) {
    FirstTick = false;
    Manager().SetTimer(this, RepeatTimer, RepeatInterval);
    return;
  }
  switch (Repeat) {
    case TRepeat::StepBack: StepBy(-int64_t(SmallChangeValue)); break;
    case TRepeat::StepForward: StepBy(SmallChangeValue); break;
    case TRepeat::PageBack:
    case TRepeat::PageForward: PageTick(); break;
    case TRepeat::None: break;
  }
}

void TbsSkinScrollBar::PageTick() {
  TScrollBarGeometry g = Geometry();
  int along = g.Along(LastPointer);
  bool back = Repeat == TRepeat::PageBack;
  bool goOn = back ? along < g.ThumbStart() : along >= g.ThumbEnd();
  if (!goOn) {
    // Held: the thumb reached the pointer; this press pages no more.
    Repeat = TRepeat::None;
    Manager().KillTimer(this, RepeatTimer);
    return;
  }
  StepBy(back ? -int64_t(LargeChangeValue) : int64_t(LargeChangeValue));
}

// ---- look ----

void TbsSkinScrollBar::PaintArrow(TCanvas& canvas, const TRect& area, bool increase, bool pressed) {
  canvas.Brush.Color = pressed ? Theme::ScrollArrowPressed : Theme::ScrollTrack;
  canvas.FillRect(area);
  if (area.IsEmpty()) return;
  // A filled triangle, one row of pixels per step of depth, 2 pixels wider each row.
  canvas.Brush.Color = Enabled() ? Theme::ScrollArrowGlyph : Theme::ScrollArrowGlyphDisabled;
  int depth = Theme::ScrollArrowGlyphDepth;
  int cx = area.Left + area.Width() / 2, cy = area.Top + area.Height() / 2;
  for (int i = 0; i < depth; ++i) {
    // Row i counts from the tip; the tip points along the arrow's direction.
    int tipward = increase ? depth - 1 - i : i;
    if (BarKind == sbHorizontal) {
      int x = cx - depth / 2 + tipward;
      canvas.FillRect({x, cy - i, x + 1, cy + i + 1});
    } else {
      int y = cy - depth / 2 + tipward;
      canvas.FillRect({cx - i, y, cx + i + 1, y + 1});
    }
  }
}

void TbsSkinScrollBar::Paint(TCanvas& canvas) {
  TScrollBarGeometry g = Geometry();
  canvas.Brush.Color = Theme::ScrollTrack;
  canvas.FillRect(ClientRect());
  bool arrowPressed = !Paused && Repeat != TRepeat::None;
  PaintArrow(canvas, g.DecreaseArrow, false, arrowPressed && PressedPart == TScrollBarPart::DecreaseArrow);
  PaintArrow(canvas, g.IncreaseArrow, true, arrowPressed && PressedPart == TScrollBarPart::IncreaseArrow);
  if (!Enabled() || g.ThumbLength <= 0) return;
  TColor thumb = IsDragging ? Theme::ScrollThumbDragging
                 : ThumbHovered ? Theme::ScrollThumbHover
                                : Theme::ScrollThumb;
  canvas.Brush.Color = thumb;
  int m = Theme::ScrollThumbMargin;
  TRect r = g.Thumb;
  if (BarKind == sbHorizontal) r = {r.Left, r.Top + m, r.Right, r.Bottom - m};
  else r = {r.Left + m, r.Top, r.Right - m, r.Bottom};
  canvas.FillRect(r);
}
