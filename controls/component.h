#pragma once
// What every part of a form shares: a name from the layout, and the event
// types that bind a control's events to the form's handlers.
#include <cstdint>
#include <functional>
#include <string>

#include "platform/backend.h"
#include "platform/messages.h"

class TComponent {
 public:
  explicit TComponent(std::string name = "") : Name(std::move(name)) {}
  virtual ~TComponent() = default;
  std::string Name;
};

using TShiftState = uint32_t;
constexpr TShiftState ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32;

inline TShiftState ShiftOf(uint32_t keys) {
  TShiftState s = 0;
  if (keys & MK_SHIFT) s |= ssShift;
  if (keys & MK_ALT) s |= ssAlt;
  if (keys & MK_CONTROL) s |= ssCtrl;
  if (keys & MK_LBUTTON) s |= ssLeft;
  if (keys & MK_RBUTTON) s |= ssRight;
  if (keys & MK_MBUTTON) s |= ssMiddle;
  return s;
}

constexpr TMouseButton mbLeft = TMouseButton::mbLeft;
constexpr TMouseButton mbRight = TMouseButton::mbRight;
constexpr TMouseButton mbMiddle = TMouseButton::mbMiddle;

using TNotifyEvent = std::function<void(TComponent* Sender)>;
using TMouseEvent = std::function<void(TComponent* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TComponent* Sender, TShiftState Shift, int X, int Y)>;
