// The editor's entry point. Until the main window arrives it opens a plain
// window of the editor's size that greets in Cyrillic, so that the real
// display path (window, paint, fonts, input, close) is exercised end to end.
#include <cstdio>
#include <exception>

#include "platform/canvas.h"
#include "platform/sdl_backend.h"
#include "platform/window_manager.h"

namespace {
class TGreetingWindow : public TWindow {
 public:
  using TWindow::TWindow;
  bool Closed = false;

  intptr_t WndProc(TMessage& message) override {
    if (message.Msg == WM_CLOSE) Closed = true;
    if (message.Msg == WM_PAINT) {
      TCanvas canvas = Manager().WindowCanvas(this);
      canvas.Font = TFont{"Tahoma", -16};
      canvas.TextOut(24, 24, "Varnock: редактор карт. Съешь же ещё этих мягких французских булок.");
    }
    return 0;
  }
};
}  // namespace

int main() {
  try {
    TSdlBackend backend;
    TWindowManager manager(backend);
    TRect screen = backend.ScreenRect();
    int left = screen.Left + (screen.Width() - 1006) / 2, top = screen.Top + (screen.Height() - 651) / 2;
    TGreetingWindow window(manager, nullptr, RectOfSize(left, top, 1006, 651));
    window.Background = RGB(0xF0, 0xF0, 0xF0);
    window.SetText("Varnock 0.4");
    manager.SetQuitTarget(&window);
    window.SetVisible(true);
    TMessage message;
    while (!window.Closed) {
      if (manager.PeekMessage(message)) manager.DispatchMessage(message);
      else manager.WaitMessage();
    }
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "varnock: %s\n", e.what());
    return 1;
  }
}
