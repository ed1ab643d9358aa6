#include "platform/headless_backend.h"

#include "platform/window.h"
#include "platform/window_manager.h"

void THeadlessBackend::ShowTopLevel(TWindow& window) {
  if (window.Native) return;
  window.Native = this;  // any non-null value marks the window as shown
  if (FocusOnShow) Inject({TInputKind::FocusGained, &window});
  if (OnShow) OnShow(window);
}

void THeadlessBackend::HideTopLevel(TWindow& window) {
  window.Native = nullptr;
  std::erase_if(Script, [&](const TInputEvent& e) { return e.Window == &window; });
}

void THeadlessBackend::Poll() {
  while (!Script.empty()) {
    Manager->PostInput(Script.front());
    Script.pop_front();
  }
}

void THeadlessBackend::Wait(std::optional<uint32_t> timeout) {
  ++Waits;
  LastWaitTimeout = timeout;
  if (!Script.empty()) {
    Poll();
    return;
  }
  if (timeout) Now += *timeout;
  else ++BlockingWaits;
}
