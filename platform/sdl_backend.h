#pragma once
// The backend on a real display through SDL2. Each shown top-level window
// gets one SDL window whose surface receives the window's framebuffer; SDL's
// events become TInputEvents for the window manager.
//
// The surface path (SDL_GetWindowSurface) is used on purpose: an SDL
// renderer would pull a software GL stack into every X session for nothing.
#include <cstdint>
#include <map>
#include <optional>

#include "platform/backend.h"
#include "platform/bitmap.h"

struct SDL_Window;
struct SDL_Surface;
union SDL_Event;
struct SDL_WindowEvent;

// The VK_ code of a key as SDL names it, or 0 for keys the editor has no code
// for. `sym` is the layout's keycode, `scancode` the physical key.
int VirtualKeyOfSdl(int32_t sym, int scancode);
// MK_SHIFT, MK_CONTROL and MK_ALT of an SDL modifier state.
uint32_t ModifierKeysOfSdl(uint16_t mod);

class TSdlBackend : public TBackend {
 public:
  // Throws std::runtime_error with SDL's reason when there is no display.
  TSdlBackend();
  ~TSdlBackend() override;
  TSdlBackend(const TSdlBackend&) = delete;
  TSdlBackend& operator=(const TSdlBackend&) = delete;

  uint32_t Clock() override;
  void ShowTopLevel(TWindow& window) override;
  void HideTopLevel(TWindow& window) override;
  void SetCaption(TWindow& window) override;
  void SetIcon(TWindow& window, const TBitmap& argb) override;
  void Present(TWindow& window, const TRect& rect) override;
  void WaitVerticalBlank() override;
  TRect ScreenRect() override;
  void SetMouseCapture(bool captured) override;
  void Poll() override;
  void Wait(std::optional<uint32_t> timeout) override;

 private:
  struct TNative {
    TWindow* Window = nullptr;
    SDL_Window* Handle = nullptr;
    // What the screen shows: the pixels last copied to the surface.
    TBitmap Shown;
    // The surface the pixels went to; another one starts out blank.
    SDL_Surface* Surface = nullptr;
    // The screen may not show `Shown` (new surface, exposure): copy everything.
    bool Stale = true;
    // The client size last asked of the system.
    int RequestedWidth = 0;
    int RequestedHeight = 0;
  };

  TNative* NativeOf(TWindow& window);
  TNative* NativeOfId(uint32_t windowId);
  void MatchWindowSize(TNative& native);
  void PresentNative(TNative& native, const TRect& rect);
  void Post(const TInputEvent& input);
  void Translate(const SDL_Event& event);
  bool MouseInput(const SDL_Event& event, TInputEvent& input);
  void TranslateWindowEvent(TNative& native, const SDL_WindowEvent& event);
  void TrackMove(TNative& native, int x, int y);
  int RefreshRate();

  // Keyed by SDL window id.
  std::map<uint32_t, TNative> Natives;
  // MK_ button flags as the button events left them.
  uint32_t Buttons = 0;
  // The performance counter reading the vertical blank periods count from.
  std::optional<uint64_t> BlankPhase;
};
