#include "platform/sdl_backend.h"

#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <climits>
#include <cstring>
#include <stdexcept>
#include <string>
#include <thread>

#include "platform/messages.h"
#include "platform/window.h"
#include "platform/window_manager.h"

namespace {

// Keys with a fixed virtual key code. The numbers are the Windows codes;
// messages.h names the ones the editor reacts to. Punctuation gets the codes a
// US layout gives it rather than its ASCII value, which as a key code would
// mean something else entirely ('.' is 0x2E, the code of Delete).
struct TKeyCode {
  SDL_Keycode Sym;
  int Key;
};

constexpr TKeyCode FixedKeys[] = {
    {SDLK_RETURN, VK_RETURN},   {SDLK_KP_ENTER, VK_RETURN}, {SDLK_ESCAPE, VK_ESCAPE},
    {SDLK_SPACE, VK_SPACE},     {SDLK_TAB, VK_TAB},         {SDLK_BACKSPACE, VK_BACK},
    {SDLK_LEFT, VK_LEFT},       {SDLK_UP, VK_UP},           {SDLK_RIGHT, VK_RIGHT},
    {SDLK_DOWN, VK_DOWN},       {SDLK_LSHIFT, VK_SHIFT},    {SDLK_RSHIFT, VK_SHIFT},
    {SDLK_LCTRL, VK_CONTROL},   {SDLK_RCTRL, VK_CONTROL},   {SDLK_LALT, VK_MENU},
    {SDLK_RALT, VK_MENU},       {SDLK_PAGEUP, 0x21},        {SDLK_PAGEDOWN, 0x22},
    {SDLK_END, 0x23},           {SDLK_HOME, 0x24},          {SDLK_INSERT, 0x2D},
    {SDLK_DELETE, 0x2E},        {SDLK_PAUSE, 0x13},         {SDLK_CAPSLOCK, 0x14},
    {SDLK_PRINTSCREEN, 0x2C},   {SDLK_LGUI, 0x5B},          {SDLK_RGUI, 0x5C},
    {SDLK_APPLICATION, 0x5D},   {SDLK_NUMLOCKCLEAR, 0x90},  {SDLK_SCROLLLOCK, 0x91},
    {SDLK_KP_0, 0x60},          {SDLK_KP_1, 0x61},          {SDLK_KP_2, 0x62},
    {SDLK_KP_3, 0x63},          {SDLK_KP_4, 0x64},          {SDLK_KP_5, 0x65},
    {SDLK_KP_6, 0x66},          {SDLK_KP_7, 0x67},          {SDLK_KP_8, 0x68},
    {SDLK_KP_9, 0x69},          {SDLK_KP_MULTIPLY, 0x6A},   {SDLK_KP_PLUS, 0x6B},
    {SDLK_KP_MINUS, 0x6D},      {SDLK_KP_PERIOD, 0x6E},     {SDLK_KP_DIVIDE, 0x6F},
    {SDLK_SEMICOLON, 0xBA},     {SDLK_EQUALS, 0xBB},        {SDLK_COMMA, 0xBC},
    {SDLK_MINUS, 0xBD},         {SDLK_PERIOD, 0xBE},        {SDLK_SLASH, 0xBF},
    {SDLK_BACKQUOTE, 0xC0},     {SDLK_LEFTBRACKET, 0xDB},   {SDLK_BACKSLASH, 0xDC},
    {SDLK_RIGHTBRACKET, 0xDD},  {SDLK_QUOTE, 0xDE},
};

constexpr int VK_F1 = 0x70;

int FixedKeyOf(SDL_Keycode sym) {
  if (sym >= SDLK_a && sym <= SDLK_z) return 'A' + (sym - SDLK_a);
  if (sym >= SDLK_0 && sym <= SDLK_9) return sym;
  if (sym >= SDLK_F1 && sym <= SDLK_F12) return VK_F1 + (sym - SDLK_F1);
  for (const TKeyCode& k : FixedKeys)
    if (k.Sym == sym) return k.Key;
  return 0;
}

// A key the layout names with a character the table lacks (Cyrillic letters,
// the digit row of a French layout) keeps the letter or digit printed on the
// physical key, so Ctrl+O finds its key on any layout.
int PhysicalKeyOf(int scancode) {
  if (scancode >= SDL_SCANCODE_A && scancode <= SDL_SCANCODE_Z) return 'A' + (scancode - SDL_SCANCODE_A);
  if (scancode >= SDL_SCANCODE_1 && scancode <= SDL_SCANCODE_9) return '1' + (scancode - SDL_SCANCODE_1);
  if (scancode == SDL_SCANCODE_0) return '0';
  return 0;
}

uint32_t ButtonKeysOfSdl(uint32_t state) {
  uint32_t keys = 0;
  if (state & SDL_BUTTON_LMASK) keys |= MK_LBUTTON;
  if (state & SDL_BUTTON_RMASK) keys |= MK_RBUTTON;
  if (state & SDL_BUTTON_MMASK) keys |= MK_MBUTTON;
  return keys;
}

std::optional<TMouseButton> MouseButtonOfSdl(uint8_t button) {
  switch (button) {
    case SDL_BUTTON_LEFT: return TMouseButton::mbLeft;
    case SDL_BUTTON_RIGHT: return TMouseButton::mbRight;
    case SDL_BUTTON_MIDDLE: return TMouseButton::mbMiddle;
    default: return std::nullopt;
  }
}

uint32_t ButtonKeyOf(TMouseButton button) {
  switch (button) {
    case TMouseButton::mbLeft: return MK_LBUTTON;
    case TMouseButton::mbRight: return MK_RBUTTON;
    case TMouseButton::mbMiddle: return MK_MBUTTON;
  }
  return 0;
}

}  // namespace

int VirtualKeyOfSdl(int32_t sym, int scancode) {
  if (int key = FixedKeyOf(sym)) return key;
  return PhysicalKeyOf(scancode);
}

uint32_t ModifierKeysOfSdl(uint16_t mod) {
  uint32_t keys = 0;
  if (mod & KMOD_SHIFT) keys |= MK_SHIFT;
  if (mod & KMOD_CTRL) keys |= MK_CONTROL;
  if (mod & KMOD_ALT) keys |= MK_ALT;
  return keys;
}

TSdlBackend::TSdlBackend() {
  SDL_SetHint(SDL_HINT_MOUSE_AUTO_CAPTURE, "1");
  // Leave the compositor running: turning it off makes the desktop flicker.
  SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
  // Closing the last window is a CloseRequest for that window; a second
  // request for the quit target would ask the user twice.
  SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
  // Otherwise SDL backs the window surface with a GL texture when it finds a
  // GL driver, and under X that is the software GL stack, loaded for nothing.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER) != 0)
    throw std::runtime_error(std::string("Cannot open the display: ") + SDL_GetError());
  SDL_StartTextInput();
}

TSdlBackend::~TSdlBackend() {
  for (auto& [id, native] : Natives) SDL_DestroyWindow(native.Handle);
  SDL_Quit();
}

uint32_t TSdlBackend::Clock() { return SDL_GetTicks(); }

TSdlBackend::TNative* TSdlBackend::NativeOf(TWindow& window) {
  if (!window.Native) return nullptr;
  return NativeOfId(SDL_GetWindowID(static_cast<SDL_Window*>(window.Native)));
}

TSdlBackend::TNative* TSdlBackend::NativeOfId(uint32_t windowId) {
  auto it = Natives.find(windowId);
  return it == Natives.end() ? nullptr : &it->second;
}

void TSdlBackend::ShowTopLevel(TWindow& window) {
  if (TNative* native = NativeOf(window)) {
    SDL_ShowWindow(native->Handle);
    SDL_RaiseWindow(native->Handle);
    return;
  }
  const TRect& bounds = window.Bounds();
  int width = std::max(1, bounds.Width()), height = std::max(1, bounds.Height());
  SDL_Window* handle =
      SDL_CreateWindow(window.Text().c_str(), bounds.Left, bounds.Top, width, height, SDL_WINDOW_HIDDEN);
  if (!handle) throw std::runtime_error(std::string("Cannot create a window: ") + SDL_GetError());
  // Not resizable: window managers that ignore the flag still honour equal limits.
  SDL_SetWindowMinimumSize(handle, width, height);
  SDL_SetWindowMaximumSize(handle, width, height);
  TNative& native = Natives[SDL_GetWindowID(handle)];
  native.Window = &window;
  native.Handle = handle;
  native.RequestedWidth = width;
  native.RequestedHeight = height;
  window.Native = handle;
  SDL_ShowWindow(handle);
  SDL_RaiseWindow(handle);
  PresentNative(native, window.ClientRect());
}

void TSdlBackend::HideTopLevel(TWindow& window) {
  if (TNative* native = NativeOf(window)) {
    uint32_t id = SDL_GetWindowID(native->Handle);
    SDL_DestroyWindow(native->Handle);
    Natives.erase(id);
  }
  window.Native = nullptr;
}

void TSdlBackend::SetCaption(TWindow& window) {
  if (TNative* native = NativeOf(window)) SDL_SetWindowTitle(native->Handle, window.Text().c_str());
}

void TSdlBackend::Present(TWindow& window, const TRect& rect) {
  // A child names the rectangle in its own client coordinates.
  TPoint origin = window.OriginInTopLevel();
  if (TNative* native = NativeOf(window.TopLevel())) PresentNative(*native, rect.Offset(origin.X, origin.Y));
}

namespace {

// The rows of `area` whose pixels differ, as one band of the same width;
// empty when the screen already shows all of `area`.
TRect ChangedRows(const TBitmap& frame, const TBitmap& shown, const TRect& area) {
  if (area.IsEmpty()) return {};
  size_t bytes = size_t(area.Width()) * sizeof(TPixel);
  auto differs = [&](int y) { return std::memcmp(frame.Row(y) + area.Left, shown.Row(y) + area.Left, bytes) != 0; };
  int top = area.Top;
  while (top < area.Bottom && !differs(top)) ++top;
  if (top == area.Bottom) return {};
  int bottom = area.Bottom;
  while (!differs(bottom - 1)) --bottom;
  return {area.Left, top, area.Right, bottom};
}

bool CopyToSurface(const TBitmap& frame, const TRect& rect, SDL_Surface* surface) {
  if (SDL_MUSTLOCK(surface) && SDL_LockSurface(surface) != 0) return false;
  auto* target = static_cast<uint8_t*>(surface->pixels) + size_t(rect.Top) * surface->pitch +
                 size_t(rect.Left) * surface->format->BytesPerPixel;
  const TPixel* source = frame.Row(rect.Top) + rect.Left;
  int sourcePitch = frame.Width() * int(sizeof(TPixel));
  bool copied = true;
  if (surface->format->format == SDL_PIXELFORMAT_XRGB8888) {
    for (int y = 0; y < rect.Height(); ++y)
      std::memcpy(target + size_t(y) * surface->pitch, source + size_t(y) * frame.Width(),
                  size_t(rect.Width()) * sizeof(TPixel));
  } else {
    copied = SDL_ConvertPixels(rect.Width(), rect.Height(), SDL_PIXELFORMAT_XRGB8888, source, sourcePitch,
                               surface->format->format, target, surface->pitch) == 0;
  }
  if (SDL_MUSTLOCK(surface)) SDL_UnlockSurface(surface);
  return copied;
}

}  // namespace

void TSdlBackend::PresentNative(TNative& native, const TRect& rect) {
  MatchWindowSize(native);
  // SDL makes a new surface after a size change; it starts out blank.
  SDL_Surface* surface = SDL_GetWindowSurface(native.Handle);
  if (!surface) return;
  const TBitmap& frame = native.Window->Framebuffer();
  if (surface != native.Surface || native.Shown.Width() != frame.Width() ||
      native.Shown.Height() != frame.Height()) {
    native.Surface = surface;
    native.Shown = TBitmap(frame.Width(), frame.Height());
    native.Stale = true;
  }
  TRect area = native.Stale ? frame.Bounds() : rect.Intersect(frame.Bounds());
  area = area.Intersect({0, 0, surface->w, surface->h});
  // Skipping unchanged pixels keeps an idle editor that redraws every frame
  // from keeping the X server busy.
  TRect changed = native.Stale ? area : ChangedRows(frame, native.Shown, area);
  if (changed.IsEmpty()) return;
  if (!CopyToSurface(frame, changed, surface)) {
    native.Stale = true;
    return;
  }
  native.Shown.CopyFrom(frame, changed, {changed.Left, changed.Top});
  native.Stale = false;
  SDL_Rect update{changed.Left, changed.Top, changed.Width(), changed.Height()};
  SDL_UpdateWindowSurfaceRects(native.Handle, &update, 1);
}

void TSdlBackend::MatchWindowSize(TNative& native) {
  int width = std::max(1, native.Window->Width()), height = std::max(1, native.Window->Height());
  if (width == native.RequestedWidth && height == native.RequestedHeight) return;
  // Loosen the limits before tightening them: SDL refuses a minimum above the
  // maximum, and clamps the new size to both.
  SDL_SetWindowMinimumSize(native.Handle, std::min(width, native.RequestedWidth),
                           std::min(height, native.RequestedHeight));
  SDL_SetWindowMaximumSize(native.Handle, width, height);
  SDL_SetWindowMinimumSize(native.Handle, width, height);
  SDL_SetWindowSize(native.Handle, width, height);
  // Asked once per size: a window manager that refuses is not asked again on every frame.
  native.RequestedWidth = width;
  native.RequestedHeight = height;
  native.Stale = true;
}

int TSdlBackend::RefreshRate() {
  int display = Natives.empty() ? 0 : SDL_GetWindowDisplayIndex(Natives.begin()->second.Handle);
  SDL_DisplayMode mode;
  if (SDL_GetCurrentDisplayMode(std::max(display, 0), &mode) == 0 && mode.refresh_rate > 0) return mode.refresh_rate;
  return 60;
}

void TSdlBackend::WaitVerticalBlank() {
  // The surface path learns nothing about the real blank; sleeping to the next
  // multiple of the refresh period paces frames at the display's rate.
  uint64_t frequency = SDL_GetPerformanceFrequency();
  uint64_t period = std::max<uint64_t>(1, frequency / uint64_t(RefreshRate()));
  uint64_t now = SDL_GetPerformanceCounter();
  if (!BlankPhase) BlankPhase = now;
  uint64_t next = *BlankPhase + ((now - *BlankPhase) / period + 1) * period;
  std::this_thread::sleep_for(std::chrono::nanoseconds(int64_t(double(next - now) * 1e9 / double(frequency))));
}

TRect TSdlBackend::ScreenRect() {
  SDL_Rect bounds;
  if (SDL_GetDisplayUsableBounds(0, &bounds) != 0 && SDL_GetDisplayBounds(0, &bounds) != 0) return {};
  return RectOfSize(bounds.x, bounds.y, bounds.w, bounds.h);
}

void TSdlBackend::SetMouseCapture(bool captured) { SDL_CaptureMouse(captured ? SDL_TRUE : SDL_FALSE); }

void TSdlBackend::Poll() {
  SDL_Event event;
  while (SDL_PollEvent(&event)) Translate(event);
}

void TSdlBackend::Wait(std::optional<uint32_t> timeout) {
  // A null event leaves the event that ended the wait in the queue for Poll.
  if (timeout)
    SDL_WaitEventTimeout(nullptr, int(std::min<uint32_t>(*timeout, INT_MAX)));
  else
    SDL_WaitEvent(nullptr);
  Poll();
}

void TSdlBackend::Post(const TInputEvent& input) {
  if (Manager) Manager->PostInput(input);
}

namespace {

uint32_t WindowIdOf(const SDL_Event& event) {
  switch (event.type) {
    case SDL_MOUSEMOTION: return event.motion.windowID;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: return event.button.windowID;
    case SDL_MOUSEWHEEL: return event.wheel.windowID;
    case SDL_KEYDOWN:
    case SDL_KEYUP: return event.key.windowID;
    case SDL_TEXTINPUT: return event.text.windowID;
    case SDL_WINDOWEVENT: return event.window.windowID;
    default: return 0;
  }
}

bool KeyInput(const SDL_Event& event, TInputEvent& input) {
  if (event.type == SDL_TEXTINPUT) {
    input.Kind = TInputKind::Text;
    input.Text = event.text.text;
    return !input.Text.empty();
  }
  if (event.type != SDL_KEYDOWN && event.type != SDL_KEYUP) return false;
  // Held keys repeat as further KeyDowns, as the editor expects.
  input.Kind = event.type == SDL_KEYDOWN ? TInputKind::KeyDown : TInputKind::KeyUp;
  input.Key = VirtualKeyOfSdl(event.key.keysym.sym, event.key.keysym.scancode);
  input.Keys = ModifierKeysOfSdl(event.key.keysym.mod);
  return input.Key != 0;
}

}  // namespace

void TSdlBackend::Translate(const SDL_Event& event) {
  TInputEvent input;
  if (event.type == SDL_QUIT) {
    // Also SIGINT and SIGTERM; the manager hands it to its quit target.
    input.Kind = TInputKind::CloseRequest;
    Post(input);
    return;
  }
  TNative* native = NativeOfId(WindowIdOf(event));
  if (!native) return;
  if (event.type == SDL_WINDOWEVENT) {
    TranslateWindowEvent(*native, event.window);
    return;
  }
  input.Window = native->Window;
  if (MouseInput(event, input) || KeyInput(event, input)) Post(input);
}

bool TSdlBackend::MouseInput(const SDL_Event& event, TInputEvent& input) {
  switch (event.type) {
    case SDL_MOUSEMOTION:
      // Window-relative even outside the window while captured: may be negative.
      Buttons = ButtonKeysOfSdl(event.motion.state);
      input.Kind = TInputKind::MouseMove;
      input.Position = {event.motion.x, event.motion.y};
      break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
      std::optional<TMouseButton> button = MouseButtonOfSdl(event.button.button);
      if (!button) return false;
      // A double click is just a second press here; `clicks` is not looked at.
      bool down = event.type == SDL_MOUSEBUTTONDOWN;
      Buttons = down ? Buttons | ButtonKeyOf(*button) : Buttons & ~ButtonKeyOf(*button);
      input.Kind = down ? TInputKind::ButtonDown : TInputKind::ButtonUp;
      input.Button = *button;
      input.Position = {event.button.x, event.button.y};
      break;
    }
    case SDL_MOUSEWHEEL: {
      int notches = std::clamp(event.wheel.y, -(INT_MAX / 120), INT_MAX / 120);
      if (event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED) notches = -notches;
      if (notches == 0) return false;  // horizontal scrolling
      input.Kind = TInputKind::Wheel;
      input.WheelDelta = notches * 120;
      input.Position = {event.wheel.mouseX, event.wheel.mouseY};
      break;
    }
    default: return false;
  }
  input.Keys = Buttons | ModifierKeysOfSdl(SDL_GetModState());
  return true;
}

void TSdlBackend::TranslateWindowEvent(TNative& native, const SDL_WindowEvent& event) {
  TInputEvent input;
  input.Window = native.Window;
  switch (event.event) {
    case SDL_WINDOWEVENT_FOCUS_GAINED: input.Kind = TInputKind::FocusGained; break;
    case SDL_WINDOWEVENT_FOCUS_LOST: input.Kind = TInputKind::FocusLost; break;
    case SDL_WINDOWEVENT_CLOSE: input.Kind = TInputKind::CloseRequest; break;
    case SDL_WINDOWEVENT_EXPOSED:
      native.Stale = true;
      PresentNative(native, native.Window->ClientRect());
      input.Kind = TInputKind::Exposed;
      break;
    case SDL_WINDOWEVENT_SHOWN:
    case SDL_WINDOWEVENT_RESTORED:
    case SDL_WINDOWEVENT_SIZE_CHANGED:
      native.Stale = true;
      PresentNative(native, native.Window->ClientRect());
      return;
    case SDL_WINDOWEVENT_MOVED: TrackMove(native, event.data1, event.data2); return;
    default: return;
  }
  Post(input);
}

void TSdlBackend::TrackMove(TNative& native, int x, int y) {
  // Keeps client-to-screen right after the user dragged the window.
  TWindow& window = *native.Window;
  if (window.Bounds().Left == x && window.Bounds().Top == y) return;
  window.SetBounds(RectOfSize(x, y, window.Width(), window.Height()));
}

void TSdlBackend::SetIcon(TWindow& window, const TBitmap& argb) {
  TNative* native = NativeOf(window);
  if (!native || argb.Width() == 0) return;
  SDL_Surface* icon = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<TPixel*>(argb.Row(0)), argb.Width(), argb.Height(),
                                                         32, argb.Width() * 4, SDL_PIXELFORMAT_ARGB8888);
  if (!icon) return;
  SDL_SetWindowIcon(native->Handle, icon);
  SDL_FreeSurface(icon);
}
