#pragma once
// A surface control: a child window with its own drawing device, a primary
// surface clipped to the window's visible part, and a back surface of its
// size that the editor draws into and presents. It sets itself up when its
// form is first shown, restores lost surfaces, and tells its listeners (the
// image list) about its life cycle.
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "controls/form.h"
#include "render/direct_draw_surface.h"
#include "render/dx_draw_options.h"

class TDXDraw;
using TDXDrawNotifyEvent = std::function<void(TDXDraw* Sender, TDXDrawNotifyType NotifyType)>;

class TDXDraw : public TWinControl {
 public:
  TDXDraw(TForm& form, std::string name, const TRect& bounds, const TDXDrawOptions& options);
  ~TDXDraw() override;

  bool AutoInitialize = true;
  bool AutoSize = true;
  int SurfaceWidth;
  int SurfaceHeight;

  const TDXDrawOptions& Options() const { return RequestedOptions; }
  void SetOptions(const TDXDrawOptions& options);
  const TDXDrawOptions& NowOptions() const { return EffectiveNow; }

  bool Initialized() const { return IsInitialized; }
  bool Updating() const { return IsUpdating; }
  bool InitializeTried() const { return Tried; }
  TDirectDrawSurface* Surface() const { return Back.get(); }
  TDirectDrawSurface* Primary() const { return PrimarySurface.get(); }

  // Whether the back surface may be drawn and presented now; may restore
  // lost surfaces first.
  bool CanDraw();
  // Copies the back surface to the control's place on the screen.
  void Present(bool allowWaitVBlank = true);
  void Initialize();
  void Finalize();
  void Restore();

  void RegisterNotifyEvent(const void* listener, TDXDrawNotifyEvent event);
  void UnRegisterNotifyEvent(const void* listener);

  intptr_t WndProc(TMessage& message) override;

 private:
  void CreateSurfaces();
  void FreeDriver();
  bool CheckSurfaces();
  void Notify(TDXDrawNotifyType type);
  void FormMessage(TMessage& message);

  TForm& Form;
  int HookId;
  TDXDrawOptions RequestedOptions;
  TDXDrawOptions EffectiveNow;
  bool IsInitialized = false;
  bool Tried = false;
  bool InternallyInitialized = false;
  bool IsUpdating = false;
  bool InitializeAnnounced = false;
  bool InitializeSurfaceAnnounced = false;
  bool SendingInitialize = false;
  std::unique_ptr<TDirectDraw> Device;
  std::unique_ptr<TDirectDrawSurface> PrimarySurface;
  std::unique_ptr<TDirectDrawSurface> Back;
  std::vector<std::pair<const void*, TDXDrawNotifyEvent>> Listeners;
};
