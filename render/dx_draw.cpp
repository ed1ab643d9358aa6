#include "render/dx_draw.h"

#include <algorithm>

#include "platform/window_manager.h"

TDXDrawOptions EffectiveOptions(const TDXDrawOptions& requested) {
  TDXDrawOptions o = requested;
  if (!o.Has(doFullScreen))
    for (TDXDrawOption x : {doNoWindowChange, doAllowReboot, doAllowPalette256, doFlip}) o.Remove(x);
  if (!o.Has(do3D))
    for (TDXDrawOption x : {doDirectX7Mode, doRetainedMode, doHardware, doSelectDriver, doZBuffer}) o.Remove(x);
  if (o.Has(doSystemMemory)) o.Remove(doFlip);
  if (o.Has(doDirectX7Mode)) o.Remove(doRetainedMode);
  o.Remove(doHardware);
  return o;
}

TDXDraw::TDXDraw(TForm& form, std::string name, const TRect& bounds, const TDXDrawOptions& options)
    : TWinControl(form, std::move(name), bounds),
      SurfaceWidth(bounds.Width()),
      SurfaceHeight(bounds.Height()),
      Form(form) {
  SetOptions(options);
  HookId = form.AddMessageHook([this](TMessage& m) { FormMessage(m); });
}

TDXDraw::~TDXDraw() {
  Form.RemoveMessageHook(HookId);
  Finalize();
  Notify(dxntDestroying);
}

void TDXDraw::SetOptions(const TDXDrawOptions& options) {
  RequestedOptions = options;
  if (!IsInitialized) EffectiveNow = EffectiveOptions(options);
}

void TDXDraw::FormMessage(TMessage& message) {
  if (message.Msg == WM_WINDOWPOSCHANGED && (message.WParam & SWP_SHOWWINDOW) && AutoInitialize && !Tried)
    Initialize();
}

void TDXDraw::Notify(TDXDrawNotifyType type) {
  // The most recently registered listener hears first.
  auto listeners = Listeners;
  for (auto it = listeners.rbegin(); it != listeners.rend(); ++it) it->second(this, type);
}

void TDXDraw::Initialize() {
  Tried = true;
  Finalize();
  IsUpdating = true;
  InternallyInitialized = true;
  try {
    Notify(dxntInitializing);
    Device = std::make_unique<TDirectDraw>(Manager().Display());
    if (AutoSize) {
      SurfaceWidth = Width();
      SurfaceHeight = Height();
    }
    CreateSurfaces();
    IsUpdating = false;
    IsInitialized = true;
  } catch (...) {
    Finalize();
    throw;
  }
  SendingInitialize = true;
  Notify(dxntSetSurfaceSize);
  Notify(dxntInitialize);
  InitializeAnnounced = true;
  Notify(dxntInitializeSurface);
  InitializeSurfaceAnnounced = true;
  SendingInitialize = false;
  Restore();
}

void TDXDraw::CreateSurfaces() {
  TDisplay& display = Manager().Display();
  TPlatformSurfacePtr primary;
  if (display.CreatePrimarySurface(primary) != DD_OK)
    throw EDXDrawError(FormatMessage("%s cannot be made", "Primary Surface"));
  PrimarySurface = std::make_unique<TDirectDrawSurface>(*Device);
  PrimarySurface->Adopt(primary);
  if (display.SetClipWindow(*primary, this) != DD_OK)
    throw EDirectDrawClipperError(FormatMessage("%s cannot be made", "Clipper"));
  // (A 256-colour palette would be attached here; our display has none.)
  TPlatformSurfacePtr back;
  int w = std::max(SurfaceWidth, 1), h = std::max(SurfaceHeight, 1);
  bool systemMemory = RequestedOptions.Has(doSystemMemory);
  if (display.CreateSurface(w, h, systemMemory, back) != DD_OK && display.CreateSurface(w, h, true, back) != DD_OK)
    throw EDXDrawError(FormatMessage("%s cannot be made", "Surface"));
  Back = std::make_unique<TDirectDrawSurface>(*Device);
  Back->Adopt(back);
  if (back->VideoMemory) EffectiveNow.Remove(doSystemMemory);
  else EffectiveNow.Add(doSystemMemory);
  Back->Fill(0);
}

void TDXDraw::FreeDriver() {
  Back.reset();
  PrimarySurface.reset();
  Device.reset();
}

void TDXDraw::Finalize() {
  if (!InternallyInitialized) return;
  if (Back) {
    SurfaceWidth = Back->Width();
    SurfaceHeight = Back->Height();
  }
  IsUpdating = true;
  auto ending = [&] {
    InternallyInitialized = false;
    IsInitialized = false;
    EffectiveNow = EffectiveOptions(RequestedOptions);
    FreeDriver();
    IsUpdating = false;
  };
  try {
    InitializeSurfaceAnnounced = false;
    Notify(dxntFinalizeSurface);
    InitializeAnnounced = false;
    Notify(dxntFinalize);
  } catch (...) {
    ending();
    throw;
  }
  ending();
}

void TDXDraw::Restore() {
  if (!IsInitialized || IsUpdating) return;
  IsUpdating = true;
  try {
    THResult primary = PrimarySurface->Restore();
    THResult back = Back->Restore();
    if (primary == DD_OK && back == DD_OK) {
      PrimarySurface->Fill(0);
      Back->Fill(0);
      Notify(dxntRestore);
    }
  } catch (...) {
    IsUpdating = false;
    throw;
  }
  IsUpdating = false;
}

bool TDXDraw::CheckSurfaces() {
  if (!IsInitialized || IsUpdating || !PrimarySurface || !PrimarySurface->Platform()) return false;
  if (!PrimarySurface->IsLost() && !Back->IsLost()) return true;
  Restore();
  return !PrimarySurface->IsLost() && !Back->IsLost();
}

bool TDXDraw::CanDraw() {
  return IsInitialized && !IsUpdating && Back && Back->Platform() && CheckSurfaces();
}

void TDXDraw::Present(bool allowWaitVBlank) {
  if (!IsInitialized || IsUpdating || !CheckSurfaces()) return;
  TPoint origin = ClientToScreen({0, 0});
  if (EffectiveNow.Has(doCenter)) {
    origin.X += (Width() - SurfaceWidth) / 2;
    origin.Y += (Height() - SurfaceHeight) / 2;
  }
  TRect destination = RectOfSize(origin.X, origin.Y, Back->Width(), Back->Height());
  TDisplay& display = Manager().Display();
  if (allowWaitVBlank && EffectiveNow.Has(doWaitVBlank)) display.WaitVerticalBlank();
  PrimarySurface->LastResult = display.Blt(*PrimarySurface->Platform(), destination, *Back->Platform(),
                                           Back->Bounds(), false);
}

intptr_t TDXDraw::WndProc(TMessage& message) {
  if (message.Msg != WM_PAINT) return TWinControl::WndProc(message);
  // The system asks for the window's pixels: show the back surface as it
  // stands, without waiting for the display.
  if (!IsInitialized) {
    TCanvas canvas = Manager().WindowCanvas(this);
    canvas.Brush.Color = clBlack;
    canvas.FillRect(ClientRect());
    return 0;
  }
  Present(false);
  if (Back && Back->InVideoMemory()) Manager().Invalidate(Parent());
  return 0;
}

void TDXDraw::RegisterNotifyEvent(const void* listener, TDXDrawNotifyEvent event) {
  UnRegisterNotifyEvent(listener);
  Listeners.emplace_back(listener, event);
  event(this, dxntSetSurfaceSize);
  if (!IsInitialized) return;
  event(this, dxntInitialize);
  if (InitializeSurfaceAnnounced) event(this, dxntInitializeSurface);
  if (!SendingInitialize) event(this, dxntRestore);
}

void TDXDraw::UnRegisterNotifyEvent(const void* listener) {
  auto it = std::find_if(Listeners.begin(), Listeners.end(), [&](const auto& l) { return l.first == listener; });
  if (it == Listeners.end()) return;
  TDXDrawNotifyEvent event = it->second;
  Listeners.erase(it);
  if (InitializeSurfaceAnnounced) event(this, dxntFinalizeSurface);
  if (IsInitialized) event(this, dxntFinalize);
}
