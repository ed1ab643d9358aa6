#include "platform/window_manager.h"

#include <algorithm>

#include "platform/canvas.h"
#include "platform/display.h"

namespace {
// Windows hands mouse coordinates over as signed 16-bit values.
int ToShort(int v) { return std::clamp(v, -32768, 32767); }

// Windows raises too short timer intervals to this minimum.
constexpr uint32_t MinimumTimerInterval = 10;

void ForEachWindow(TWindow* window, const auto& visit) {
  visit(window);
  for (TWindow* child : window->Children()) ForEachWindow(child, visit);
}

bool IsWithin(const TWindow* window, const TWindow* ancestor) {
  for (const TWindow* w = window; w; w = w->Parent())
    if (w == ancestor) return true;
  return false;
}
}  // namespace

TWindowManager::TWindowManager(TBackend& backend)
    : BackendRef(backend), DisplayDevice(std::make_unique<TDisplay>(*this)) {
  backend.Attach(*this);
}

TWindowManager::~TWindowManager() = default;

void TWindowManager::Register(TWindow* window) {
  AllWindows.insert(window);
  if (window->IsTopLevel()) TopLevelWindows.push_back(window);
}

void TWindowManager::Unregister(TWindow* window) {
  if (window->IsTopLevel() && window->Native) BackendRef.HideTopLevel(*window);
  AllWindows.erase(window);
  std::erase(TopLevelWindows, window);
  std::erase_if(Posted, [&](const TMessage& m) { return m.Window == window; });
  std::erase_if(Input, [&](const TInputEvent& e) { return e.Window == window; });
  std::erase_if(Timers, [&](const auto& t) { return t.first.first == window; });
  if (CaptureWindow == window) {
    CaptureWindow = nullptr;
    BackendRef.SetMouseCapture(false);
  }
  if (FocusWindow == window) FocusWindow = nullptr;
  if (ActiveWindow == window) ActiveWindow = nullptr;
  if (QuitTarget == window) QuitTarget = nullptr;
  if (HoverWindow == window) HoverWindow = nullptr;
  for (TWindow* top : TopLevelWindows)
    if (top->LastFocus == window) top->LastFocus = nullptr;
}

// ---- the queue ----

bool TWindowManager::PeekMessage(TMessage& message) {
  BackendRef.Poll();
  for (;;) {
    if (!Posted.empty()) {
      message = std::move(Posted.front());
      Posted.pop_front();
      return true;
    }
    if (QuitPosted) {
      QuitPosted = false;
      message = TMessage{nullptr, WM_QUIT, QuitCode};
      return true;
    }
    if (Input.empty()) break;
    if (TakeInput(message)) return true;
  }
  return TakeTimer(message) || TakePaint(message);
}

void TWindowManager::WaitMessage() {
  BackendRef.Poll();
  if (!Posted.empty() || !Input.empty() || QuitPosted) return;
  std::optional<uint32_t> due = NextTimerDue();
  if (due && *due == 0) return;
  for (TWindow* top : TopLevelWindows)
    if (FindInvalid(top)) return;
  BackendRef.Wait(due);
}

intptr_t TWindowManager::DispatchMessage(TMessage& message) {
  if (!message.Window) return 0;
  if (message.Msg == WM_PAINT) {
    Paint(message);
    return 0;
  }
  return message.Window->WndProc(message);
}

void TWindowManager::PostMessage(TWindow* window, uint32_t msg, intptr_t wParam, intptr_t lParam) {
  TMessage m{window, msg, wParam, lParam};
  m.Time = Clock();
  Posted.push_back(std::move(m));
}

intptr_t TWindowManager::SendMessage(TWindow* window, uint32_t msg, intptr_t wParam, intptr_t lParam) {
  TMessage m{window, msg, wParam, lParam};
  m.Time = Clock();
  return SendMessage(m);
}

intptr_t TWindowManager::SendMessage(TMessage& message) {
  return message.Window ? message.Window->WndProc(message) : 0;
}

void TWindowManager::PostQuitMessage(int exitCode) {
  QuitPosted = true;
  QuitCode = exitCode;
}

void TWindowManager::PostInput(const TInputEvent& event) { Input.push_back(event); }

// ---- input ----

bool TWindowManager::TakeInput(TMessage& message) {
  TInputEvent event = std::move(Input.front());
  Input.pop_front();
  message = TMessage{};
  message.Time = Clock();
  switch (event.Kind) {
    case TInputKind::MouseMove:
    case TInputKind::ButtonDown:
    case TInputKind::ButtonUp:
    case TInputKind::Wheel:
      RouteMouse(event, message);
      break;
    case TInputKind::KeyDown:
    case TInputKind::KeyUp:
    case TInputKind::Text:
      RouteKey(event, message);
      break;
    case TInputKind::FocusGained:
    case TInputKind::FocusLost:
      if (event.Window) TopLevelFocus(event.Window, event.Kind == TInputKind::FocusGained);
      break;
    case TInputKind::CloseRequest: {
      TWindow* target = event.Window ? event.Window : QuitTarget;
      // A window disabled behind a modal one ignores its close box; the
      // system's request to quit (no window) always gets through.
      if (target && (!event.Window || target->AcceptsInput())) message = TMessage{target, WM_CLOSE};
      break;
    }
    case TInputKind::Exposed:
      if (event.Window) InvalidateTree(event.Window);
      break;
  }
  return message.Window != nullptr;
}

void TWindowManager::RouteMouse(const TInputEvent& event, TMessage& message) {
  if (!event.Window) return;
  TPoint screen = event.Window->ClientToScreen(event.Position);
  LastMouse = screen;
  TWindow* target = CaptureWindow;
  if (!target) {
    if (!event.Window->AcceptsInput()) return;
    target = WindowFromPoint(event.Window, event.Position);
  }
  if (!target) return;
  TPoint local = target->ScreenToClient(screen);
  message.Window = target;
  message.X = ToShort(local.X);
  message.Y = ToShort(local.Y);
  message.Keys = event.Keys;
  bool down = event.Kind == TInputKind::ButtonDown;
  switch (event.Kind) {
    case TInputKind::MouseMove:
      message.Msg = WM_MOUSEMOVE;
      break;
    case TInputKind::Wheel:
      message.Msg = WM_MOUSEWHEEL;
      message.WParam = event.WheelDelta;
      break;
    default:
      switch (event.Button) {
        case TMouseButton::mbLeft: message.Msg = down ? WM_LBUTTONDOWN : WM_LBUTTONUP; break;
        case TMouseButton::mbRight: message.Msg = down ? WM_RBUTTONDOWN : WM_RBUTTONUP; break;
        case TMouseButton::mbMiddle: message.Msg = down ? WM_MBUTTONDOWN : WM_MBUTTONUP; break;
      }
  }
}

void TWindowManager::RouteKey(const TInputEvent& event, TMessage& message) {
  TWindow* target = nullptr;
  if (FocusWindow && FocusWindow->AcceptsInput()) target = FocusWindow;
  else if (event.Window && event.Window->AcceptsInput()) target = event.Window;
  if (!target) return;
  message.Window = target;
  message.Keys = event.Keys;
  message.WParam = event.Key;
  bool system = (event.Keys & MK_ALT) || event.Key == VK_MENU || event.Key == VK_F10;
  switch (event.Kind) {
    case TInputKind::KeyDown: message.Msg = system ? WM_SYSKEYDOWN : WM_KEYDOWN; break;
    case TInputKind::KeyUp: message.Msg = system ? WM_SYSKEYUP : WM_KEYUP; break;
    default:
      message.Msg = WM_CHAR;
      message.Text = event.Text;
  }
}

void TWindowManager::TopLevelFocus(TWindow* top, bool gained) {
  if (gained) {
    ActiveWindow = top;
    if (!IsAppActive) {
      IsAppActive = true;
      for (TWindow* w : TopLevelWindows) PostMessage(w, WM_ACTIVATEAPP, 1);
    }
    TWindow* restore = top->LastFocus;
    SetFocus(restore && restore->AcceptsInput() ? restore : nullptr);
    return;
  }
  if (ActiveWindow != top) return;
  if (FocusWindow && IsWithin(FocusWindow, top)) top->LastFocus = FocusWindow;
  SetFocus(nullptr);
  ActiveWindow = nullptr;
  // Moving between two of our own windows is no deactivation of the program.
  bool stayingWithUs = std::any_of(Input.begin(), Input.end(), [](const TInputEvent& e) {
    return e.Kind == TInputKind::FocusGained && e.Window;
  });
  if (IsAppActive && !stayingWithUs) {
    IsAppActive = false;
    for (TWindow* w : TopLevelWindows) PostMessage(w, WM_ACTIVATEAPP, 0);
  }
}

// ---- capture and focus ----

void TWindowManager::SetCapture(TWindow* window) {
  if (window == CaptureWindow) return;
  TWindow* old = CaptureWindow;
  CaptureWindow = window;
  BackendRef.SetMouseCapture(window != nullptr);
  if (old) SendMessage(old, WM_CAPTURECHANGED);
}

void TWindowManager::ReleaseCapture() { SetCapture(nullptr); }

void TWindowManager::SetFocus(TWindow* window) {
  if (window == FocusWindow) return;
  if (window && !window->AcceptsInput()) return;
  TWindow* old = FocusWindow;
  FocusWindow = window;
  if (window) window->TopLevel().LastFocus = window;
  if (old) SendMessage(old, WM_KILLFOCUS);
  if (window && FocusWindow == window) SendMessage(window, WM_SETFOCUS);
}

void TWindowManager::EnabledChanged(TWindow* window) {
  if (!window->Enabled()) {
    if (FocusWindow && IsWithin(FocusWindow, window)) SetFocus(nullptr);
    if (CaptureWindow && IsWithin(CaptureWindow, window)) ReleaseCapture();
  }
  if (window->IsTopLevel() && window->Native) BackendRef.SetEnabled(*window, window->Enabled());
  SendMessage(window, WM_ENABLE, window->Enabled() ? 1 : 0);
}

void TWindowManager::VisibilityChanged(TWindow* window) {
  if (!window->Visible()) {
    if (FocusWindow && IsWithin(FocusWindow, window)) SetFocus(nullptr);
    if (CaptureWindow && IsWithin(CaptureWindow, window)) ReleaseCapture();
    if (window->IsTopLevel()) {
      if (ActiveWindow == window) TopLevelFocus(window, false);
      if (window->Native) BackendRef.HideTopLevel(*window);
    }
    return;
  }
  if (window->IsTopLevel()) BackendRef.ShowTopLevel(*window);
  InvalidateTree(window);
  if (window->Showing()) SendMessage(window, WM_WINDOWPOSCHANGED, SWP_SHOWWINDOW);
}

void TWindowManager::CaptionChanged(TWindow* window) {
  if (window->IsTopLevel()) {
    if (window->Native) BackendRef.SetCaption(*window);
  } else {
    Invalidate(window);
  }
}

// ---- timers ----

void TWindowManager::SetTimer(TWindow* window, uintptr_t id, uint32_t interval) {
  Timers[{window, id}] = TTimer{std::max(interval, MinimumTimerInterval), Clock()};
}

void TWindowManager::KillTimer(TWindow* window, uintptr_t id) {
  Timers.erase({window, id});
  std::erase_if(Posted, [&](const TMessage& m) {
    return m.Window == window && m.Msg == WM_TIMER && uintptr_t(m.WParam) == id;
  });
}

bool TWindowManager::HasTimer(TWindow* window, uintptr_t id) const { return Timers.contains({window, id}); }

bool TWindowManager::TakeTimer(TMessage& message) {
  uint32_t now = Clock();
  auto due = Timers.end();
  uint32_t mostLate = 0;
  for (auto it = Timers.begin(); it != Timers.end(); ++it) {
    uint32_t elapsed = now - it->second.Start;  // unsigned: survives the clock's wrap
    if (elapsed < it->second.Interval) continue;
    uint32_t late = elapsed - it->second.Interval;
    if (due == Timers.end() || late > mostLate) {
      due = it;
      mostLate = late;
    }
  }
  if (due == Timers.end()) return false;
  // However many periods were missed, one message; the next period starts now.
  due->second.Start = now;
  message = TMessage{due->first.first, WM_TIMER, intptr_t(due->first.second)};
  message.Time = now;
  return true;
}

std::optional<uint32_t> TWindowManager::NextTimerDue() {
  uint32_t now = Clock();
  std::optional<uint32_t> next;
  for (const auto& [key, timer] : Timers) {
    uint32_t elapsed = now - timer.Start;
    uint32_t left = elapsed >= timer.Interval ? 0 : timer.Interval - elapsed;
    if (!next || left < *next) next = left;
  }
  return next;
}

// ---- painting ----

void TWindowManager::Invalidate(TWindow* window) { Invalidate(window, window->ClientRect()); }

void TWindowManager::Invalidate(TWindow* window, const TRect& rect) {
  if (!window->Showing()) return;
  window->InvalidRect = window->InvalidRect.Union(rect.Intersect(window->ClientRect()));
}

void TWindowManager::InvalidateTree(TWindow* window) {
  ForEachWindow(window, [&](TWindow* w) { Invalidate(w); });
}

TWindow* TWindowManager::FindInvalid(TWindow* window) {
  if (!window->Visible()) return nullptr;
  if (!window->InvalidRect.IsEmpty()) return window;
  for (TWindow* child : window->Children())
    if (TWindow* found = FindInvalid(child)) return found;
  return nullptr;
}

bool TWindowManager::TakePaint(TMessage& message) {
  for (TWindow* top : TopLevelWindows) {
    TWindow* window = FindInvalid(top);
    if (!window) continue;
    message = TMessage{window, WM_PAINT};
    message.Update = window->InvalidRect;
    message.Time = Clock();
    window->InvalidRect = TRect{};
    return true;
  }
  return false;
}

void TWindowManager::UpdateWindow(TWindow* window) {
  if (window->InvalidRect.IsEmpty()) return;
  TMessage message{window, WM_PAINT};
  message.Update = window->InvalidRect;
  window->InvalidRect = TRect{};
  Paint(message);
}

void TWindowManager::Paint(TMessage& message) {
  TWindow* window = message.Window;
  TPoint origin = window->OriginInTopLevel();
  TRegion region = VisibleRegion(window);
  region.Intersect(message.Update.Offset(origin.X, origin.Y));
  if (region.IsEmpty()) return;
  TWindow& top = window->TopLevel();
  if (window->Background) {
    for (const TRect& r : region.Rects) top.Framebuffer().Fill(r, PixelOf(*window->Background));
  }
  window->WndProc(message);
  if (top.Native) BackendRef.Present(top, region.Bounds());
}

void TWindowManager::PresentWindow(TWindow* window) {
  TWindow& top = window->TopLevel();
  TRegion region = VisibleRegion(window);
  if (top.Native && !region.IsEmpty()) BackendRef.Present(top, region.Bounds());
}

TRegion TWindowManager::VisibleRegion(const TWindow* window) const {
  if (!window->Showing()) return {};
  TPoint origin = window->OriginInTopLevel();
  TRect area = window->ClientRect().Offset(origin.X, origin.Y);
  for (const TWindow* w = window; w->Parent(); w = w->Parent()) {
    TPoint parentOrigin = w->Parent()->OriginInTopLevel();
    area = area.Intersect(w->Parent()->ClientRect().Offset(parentOrigin.X, parentOrigin.Y));
  }
  TRegion region(area);
  // Children draw themselves; so do the siblings above each window of the chain.
  for (const TWindow* child : window->Children())
    if (child->Visible()) region.Subtract(child->Bounds().Offset(origin.X, origin.Y));
  for (const TWindow* w = window; w->Parent(); w = w->Parent()) {
    const auto& siblings = w->Parent()->Children();
    TPoint parentOrigin = w->Parent()->OriginInTopLevel();
    auto it = std::find(siblings.begin(), siblings.end(), w);
    for (++it; it != siblings.end(); ++it)
      if ((*it)->Visible()) region.Subtract((*it)->Bounds().Offset(parentOrigin.X, parentOrigin.Y));
  }
  return region;
}

TCanvas TWindowManager::WindowCanvas(TWindow* window) {
  return TCanvas(window->TopLevel().Framebuffer(), VisibleRegion(window), window->OriginInTopLevel());
}

// ---- hit testing ----

TWindow* TWindowManager::WindowFromPoint(TWindow* top, TPoint point) const {
  if (!top->Visible() || !top->ClientRect().Contains(point)) return nullptr;
  TWindow* node = top;
  for (bool descended = true; descended;) {
    descended = false;
    const auto& children = node->Children();
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
      TWindow* child = *it;
      // Hidden and disabled windows let the point through to what lies below.
      if (!child->Visible() || !child->Enabled() || !child->Bounds().Contains(point)) continue;
      point = {point.X - child->Bounds().Left, point.Y - child->Bounds().Top};
      node = child;
      descended = true;
      break;
    }
  }
  return node;
}

TWindow* TWindowManager::WindowUnderMouse() const {
  for (auto it = TopLevelWindows.rbegin(); it != TopLevelWindows.rend(); ++it) {
    TWindow* top = *it;
    if (!top->Native) continue;
    TPoint local = top->ScreenToClient(LastMouse);
    if (TWindow* found = WindowFromPoint(top, local)) return found;
  }
  return nullptr;
}

void TWindowManager::UpdateHover() {
  TWindow* under = WindowUnderMouse();
  if (under == HoverWindow) return;
  TWindow* old = HoverWindow;
  HoverWindow = under;
  if (old) SendMessage(old, CM_MOUSELEAVE);
  if (under && HoverWindow == under) SendMessage(under, CM_MOUSEENTER);
}
