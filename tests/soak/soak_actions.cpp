// The soak's actions: what a person does with the mouse, the commands of the
// File menu and switches to other programs, each as one to three events.
#include <string>

#include "tests/soak/editor_soak.h"

namespace {

constexpr int MenuBarHeight = 24;
constexpr int Jitter = 40;         // a hand's small moves
constexpr int DragAlong = 150;     // moves of a thumb drag along its bar
constexpr int DragAcross = 25;     // ... and off it

const char* ButtonName(TMouseButton button) {
  switch (button) {
    case TMouseButton::mbLeft: return "left";
    case TMouseButton::mbRight: return "right";
    default: return "middle";
  }
}

std::string At(TPoint p) { return " at " + std::to_string(p.X) + "," + std::to_string(p.Y); }

// A point over the menu bar moved below it: a press there would open the
// File menu, whose Exit ends the run.
TPoint AvoidMenuBar(TPoint p) {
  if (Client.Contains(p) && p.Y < MenuBarHeight) p.Y += MenuBarHeight;
  return p;
}

}  // namespace

void TEditorSoak::Act() {
  size_t roll = Below(1000);
  if (roll < 150) return PressButton();
  if (roll < 300) return ReleaseButton();
  if (roll < 360) return Hold();
  if (roll < 400) return GrabThumb();
  if (roll < 450) return ClickPalette();
  if (roll < 470) return ClickGenerate();
  if (roll < 490) return OpenMap();
  if (roll < 502) return SaveMap();
  if (roll < 514) return NewMap();
  if (roll < 534) return SwitchActivation();
  MovePointer();
}

void TEditorSoak::Mouse(TInputKind kind, TPoint p, TMouseButton button, const char* what) {
  bool isMove = kind == TInputKind::MouseMove;
  BeginEvent(std::string(what) + (isMove ? "" : std::string(" ") + ButtonName(button)) + At(p));
  if (kind == TInputKind::ButtonDown) Held[size_t(button)] = true;
  if (kind == TInputKind::ButtonUp) Held[size_t(button)] = false;
  Pointer = p;
  uint32_t keys = (Held[0] ? MK_LBUTTON : 0) | (Held[1] ? MK_RBUTTON : 0) | (Held[2] ? MK_MBUTTON : 0);
  H.Backend.Inject({kind, &H.Form(), p, button, 0, keys});
  H.Settle();
  if (isMove) ++Counts.Moves;
  if (kind == TInputKind::ButtonDown) ++Counts.Presses;
  if (kind == TInputKind::ButtonUp) ++Counts.Releases;
  EndEvent();
}

const TArea* TEditorSoak::PickArea() {
  size_t roll = Below(100);
  if (roll < 35) return &MapView;
  if (roll < 47) return &Palette;
  if (roll < 59) return &HorizontalBar;
  if (roll < 71) return &VerticalBar;
  if (roll < 76) return &GenerateButton;
  if (roll < 85) return &ClientBelowMenu;
  return nullptr;
}

TPoint TEditorSoak::PointIn(const TArea* area) {
  return AvoidMenuBar(area ? RandomPointIn(*area, Random) : RandomPointOutside(Random));
}

TPoint TEditorSoak::NearPointer() {
  auto offset = [this](int reach) { return int(Below(size_t(2 * reach + 1))) - reach; };
  TPoint p = Pointer;
  // A held thumb is dragged along its bar, and now and then off it.
  if (Held[0] && Focus == &HorizontalBar) {
    p.X += offset(DragAlong);
    p.Y += offset(DragAcross);
  } else if (Held[0] && Focus == &VerticalBar) {
    p.X += offset(DragAcross);
    p.Y += offset(DragAlong);
  } else {
    p.X += offset(Jitter);
    p.Y += offset(Jitter);
  }
  return AvoidMenuBar(p);
}

void TEditorSoak::MovePointer() {
  if (Below(10) < 7) return MoveTo(NearPointer());
  Focus = PickArea();
  MoveTo(PointIn(Focus));
}

void TEditorSoak::PressButton() {
  std::vector<TMouseButton> free;
  for (TMouseButton b : {mbLeft, TMouseButton::mbRight, TMouseButton::mbMiddle})
    if (!Held[size_t(b)]) free.push_back(b);
  if (free.empty()) return ReleaseButton();
  if (Below(2) == 0) {
    Focus = PickArea();
    MoveTo(PointIn(Focus));
  }
  Mouse(TInputKind::ButtonDown, AvoidMenuBar(Pointer), free[Below(free.size())], "press");
}

void TEditorSoak::ReleaseButton() {
  std::vector<TMouseButton> held;
  for (TMouseButton b : {mbLeft, TMouseButton::mbRight, TMouseButton::mbMiddle})
    if (Held[size_t(b)]) held.push_back(b);
  // Now and then a release without its press, as after a press elsewhere.
  TMouseButton button = !held.empty() && Below(100) < 85 ? held[Below(held.size())] : TMouseButton(Below(3));
  if (Below(2) == 0) MoveTo(Below(2) == 0 ? NearPointer() : PointIn(PickArea()));
  Mouse(TInputKind::ButtonUp, Pointer, button, "release");
}

void TEditorSoak::ReleaseLeftIfHeld() {
  if (Held[0]) Mouse(TInputKind::ButtonUp, Pointer, mbLeft, "release");
}

// The buttons stay as they are while time passes: a held arrow or track
// repeats, the cool-down runs.
void TEditorSoak::Hold() {
  size_t steps = 1 + Below(8);
  BeginEvent("hold for " + std::to_string(steps) + " steps");
  for (size_t i = 0; i < steps; ++i) {
    H.Backend.Advance(40 + uint32_t(Below(660)));
    H.Settle();
  }
  ++Counts.Holds;
  EndEvent();
}

void TEditorSoak::GrabThumb() {
  ReleaseLeftIfHeld();
  bool horizontal = Below(2) == 0;
  TbsSkinScrollBar& bar = horizontal ? *H.Form().scrGorizontal : *H.Form().scrVertical;
  Focus = horizontal ? &HorizontalBar : &VerticalBar;
  TRect thumb = bar.Geometry().Thumb;
  TPoint p{Focus->Left + (thumb.Left + thumb.Right) / 2, Focus->Top + (thumb.Top + thumb.Bottom) / 2};
  MoveTo(p);
  Mouse(TInputKind::ButtonDown, p, mbLeft, "press on the thumb");
  ++Counts.ThumbGrabs;
}

void TEditorSoak::ClickPalette() {
  TMouseButton button = Below(4) == 0 ? TMouseButton(Below(3)) : mbLeft;
  if (Held[size_t(button)]) Mouse(TInputKind::ButtonUp, Pointer, button, "release");
  Focus = &Palette;
  TPoint p = RandomPointIn(Palette, Random);
  MoveTo(p);
  Mouse(TInputKind::ButtonDown, p, button, "press on the palette");
  Mouse(TInputKind::ButtonUp, p, button, "release on the palette");
}

void TEditorSoak::ClickGenerate() {
  ReleaseLeftIfHeld();
  Focus = &GenerateButton;
  TPoint p = RandomPointIn(GenerateButton, Random);
  MoveTo(p);
  Mouse(TInputKind::ButtonDown, p, mbLeft, "press on generate");
  Mouse(TInputKind::ButtonUp, p, mbLeft, "release on generate");
}

void TEditorSoak::SwitchActivation() {
  bool away = H.App().Active;
  BeginEvent(away ? "switch to another program" : "switch back");
  H.Backend.Inject({away ? TInputKind::FocusLost : TInputKind::FocusGained, &H.Form()});
  H.Settle();
  ++Counts.Switches;
  EndEvent();
}

void TEditorSoak::IdleUntilTheClockWraps() {
  constexpr uint32_t ShortOfWrap = 120000;
  BeginEvent("idle until the clock is two minutes short of wrapping");
  H.Backend.Advance(uint32_t(0) - ShortOfWrap - H.Backend.Clock());
  H.Settle();
  EndEvent();
}
