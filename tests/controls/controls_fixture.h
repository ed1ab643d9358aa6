#pragma once
// A shown form-like top-level window on the headless platform for the
// controls' tests: input at its client coordinates, its framebuffer pixels.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "controls/theme.h"
#include "controls/win_control.h"
#include "tests/support/platform_harness.h"

class TControlsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Form = std::make_unique<TWinControl>(H.Manager, nullptr, "Form", RectOfSize(100, 100, 1006, 651));
    Form->Background = Theme::ButtonFace;
    Form->CaptureOnLeftPress = false;
    Form->SetVisible(true);
    H.Pump();
  }

  // Paints everything made since SetUp, as showing the form would.
  void Settle() {
    H.Manager.InvalidateTree(Form.get());
    H.Pump();
  }

  void MoveTo(int x, int y) { H.MouseMove(Form.get(), x, y); }
  void Press(int x, int y, TMouseButton button = mbLeft) { H.MouseDown(Form.get(), x, y, button); }
  void Release(int x, int y, TMouseButton button = mbLeft) { H.MouseUp(Form.get(), x, y, button); }
  void Wheel(int x, int y, int delta) {
    H.Backend.Inject({TInputKind::Wheel, Form.get(), {x, y}, mbLeft, 0, 0, delta});
  }
  void ClickAt(int x, int y, TMouseButton button = mbLeft) {
    Press(x, y, button);
    Release(x, y, button);
  }
  // Lets `ms` milliseconds pass and handles what became due.
  std::vector<TMessage> Wait(uint32_t ms) {
    H.Backend.Advance(ms);
    return H.Pump();
  }

  TPixel PixelAt(int x, int y) { return Form->Framebuffer().At(x, y); }
  TBitmap Snapshot(const TRect& r) { return Form->Framebuffer().Crop(r); }
  static bool Same(const TBitmap& a, const TBitmap& b) { return a.Pixels == b.Pixels; }

  static size_t CountOf(const std::vector<TMessage>& messages, uint32_t msg, const TWindow* window) {
    size_t n = 0;
    for (const TMessage& m : messages)
      if (m.Msg == msg && m.Window == window) ++n;
    return n;
  }

  TPlatformHarness H;
  std::unique_ptr<TWinControl> Form;
};
