#include "controls/button.h"

#include <gtest/gtest.h>

#include "tests/controls/controls_fixture.h"

namespace {

// Button1: 265 x 25 at (8, 312).
class ButtonTest : public TControlsTest {
 protected:
  static constexpr int CX = 8 + 132, CY = 312 + 12;

  void SetUp() override {
    TControlsTest::SetUp();
    Button = std::make_unique<TbsSkinButton>(*Form, "Button1", RectOfSize(8, 312, 265, 25));
    Button->SetCaption("Генерировать ландшафт");
    Button->OnClick = [this](TComponent* sender) {
      EXPECT_EQ(sender, Button.get());
      ++Clicks;
    };
    Settle();
  }
  void TearDown() override { Button.reset(); }

  // A pixel of the face between the border and the focus rectangle.
  TPixel Face() { return PixelAt(8 + 2, CY); }
  TPixel Border() { return PixelAt(8, CY); }
  void Key(int key) {
    H.KeyDown(Form.get(), key);
    H.KeyUp(Form.get(), key);
    H.Pump();
  }
  void Hover(int x, int y) {
    MoveTo(x, y);
    H.Pump();
    H.Manager.UpdateHover();
  }

  std::unique_ptr<TbsSkinButton> Button;
  int Clicks = 0;
};

TEST_F(ButtonTest, StartsEnabledAsATabStop) {
  EXPECT_TRUE(Button->Enabled());
  EXPECT_TRUE(Button->TabStop);
  EXPECT_EQ(Button->Caption(), "Генерировать ландшафт");
  EXPECT_EQ(Face(), PixelOf(Theme::ButtonBack));
  EXPECT_EQ(Border(), PixelOf(Theme::ButtonBorder));
}

TEST_F(ButtonTest, LeftClickClicksAndGivesTheFocus) {
  Press(CX, CY);
  H.Pump();
  EXPECT_EQ(H.Manager.Focus(), Button.get());
  EXPECT_EQ(Clicks, 0);  // not before the release
  Release(CX, CY);
  H.Pump();
  EXPECT_EQ(Clicks, 1);
}

TEST_F(ButtonTest, ReleaseMustBeOverTheButton) {
  Press(CX, CY);
  MoveTo(CX, CY + 40);
  Release(CX, CY + 40);
  H.Pump();
  EXPECT_EQ(Clicks, 0);
  // Leaving and coming back before the release still clicks.
  Press(CX, CY);
  MoveTo(CX + 300, CY);
  MoveTo(CX + 10, CY);
  Release(CX + 10, CY);
  H.Pump();
  EXPECT_EQ(Clicks, 1);
}

TEST_F(ButtonTest, ReleaseWithoutAPressOnItDoesNotClick) {
  Press(CX, CY + 100);  // on the form
  MoveTo(CX, CY);
  Release(CX, CY);
  H.Pump();
  EXPECT_EQ(Clicks, 0);
}

TEST_F(ButtonTest, OtherButtonsDoNotClick) {
  ClickAt(CX, CY, mbRight);
  ClickAt(CX, CY, mbMiddle);
  H.Pump();
  EXPECT_EQ(Clicks, 0);
  EXPECT_NE(H.Manager.Focus(), Button.get());
}

TEST_F(ButtonTest, EnterAndSpaceReleaseClickWhileFocused) {
  H.Manager.SetFocus(Button.get());
  H.KeyDown(Form.get(), VK_RETURN);
  H.Pump();
  EXPECT_EQ(Clicks, 1);
  H.KeyUp(Form.get(), VK_RETURN);
  H.Pump();
  EXPECT_EQ(Clicks, 1);
  H.KeyDown(Form.get(), VK_SPACE);
  H.Pump();
  EXPECT_EQ(Clicks, 1);
  EXPECT_TRUE(Button->Pressed());
  H.KeyUp(Form.get(), VK_SPACE);
  H.Pump();
  EXPECT_EQ(Clicks, 2);
  EXPECT_FALSE(Button->Pressed());
  Key('A');
  EXPECT_EQ(Clicks, 2);
}

TEST_F(ButtonTest, KeysDoNothingWithoutTheFocus) {
  Key(VK_RETURN);
  Key(VK_SPACE);
  EXPECT_EQ(Clicks, 0);
}

TEST_F(ButtonTest, DisablingTakesTheFocusAwayAndRepaintsAtOnce) {
  H.Manager.SetFocus(Button.get());
  Button->SetEnabled(false);
  EXPECT_FALSE(Button->Enabled());
  EXPECT_NE(H.Manager.Focus(), Button.get());
  EXPECT_EQ(Face(), PixelOf(Theme::ButtonDisabledBack));  // no pump needed
  Button->SetEnabled(true);
  EXPECT_EQ(Face(), PixelOf(Theme::ButtonBack));
  EXPECT_EQ(H.Manager.Focus(), nullptr);  // not given back
}

TEST_F(ButtonTest, DisabledButtonIgnoresClicksAndKeys) {
  H.Manager.SetFocus(Button.get());
  Button->SetEnabled(false);
  ClickAt(CX, CY);
  H.Pump();
  EXPECT_NE(H.Manager.Focus(), Button.get());
  H.Manager.SetFocus(Button.get());  // refused while disabled
  Key(VK_RETURN);
  Key(VK_SPACE);
  EXPECT_EQ(Clicks, 0);
  Button->SetEnabled(true);
  ClickAt(CX, CY);
  H.Pump();
  EXPECT_EQ(Clicks, 1);
}

TEST_F(ButtonTest, DisablingDuringAPressEndsItWithoutAClick) {
  Press(CX, CY);
  H.Pump();
  Button->SetEnabled(false);
  Release(CX, CY);
  H.Pump();
  Button->SetEnabled(true);
  EXPECT_EQ(Clicks, 0);
  EXPECT_FALSE(Button->Pressed());
}

TEST_F(ButtonTest, SettersCompareFirst) {
  int presents = H.Backend.Presents;
  Button->SetEnabled(true);
  Button->SetCaption("Генерировать ландшафт");
  EXPECT_EQ(H.Backend.Presents, presents);
  EXPECT_TRUE(H.Pump().empty());
}

TEST_F(ButtonTest, NewCaptionIsDrawnAtOnce) {
  TBitmap before = Snapshot(RectOfSize(8, 312, 265, 25));
  Button->SetCaption("Стоп");
  EXPECT_FALSE(Same(Snapshot(RectOfSize(8, 312, 265, 25)), before));
  EXPECT_EQ(CountOf(H.Pump(), WM_PAINT, Button.get()), 0u);
}

TEST_F(ButtonTest, LooksHoveredPressedAndFocused) {
  Hover(CX, CY);
  EXPECT_EQ(Face(), PixelOf(Theme::ButtonHoverBack));
  EXPECT_EQ(Border(), PixelOf(Theme::ButtonHoverBorder));
  Press(CX, CY);
  H.Pump();
  EXPECT_EQ(Face(), PixelOf(Theme::ButtonPressedBack));
  MoveTo(CX, CY + 100);  // held, off the button: not pressed
  H.Pump();
  EXPECT_FALSE(Button->Pressed());
  EXPECT_NE(Face(), PixelOf(Theme::ButtonPressedBack));
  Release(CX, CY + 100);
  H.Pump();
  Hover(CX, CY + 100);
  EXPECT_EQ(Face(), PixelOf(Theme::ButtonBack));
  // The focus: a dotted rectangle three pixels in from the edge.
  ASSERT_EQ(H.Manager.Focus(), Button.get());
  EXPECT_EQ(PixelAt(8 + 3, 312 + 3), PixelOf(Theme::ButtonFocusDots));
  EXPECT_EQ(PixelAt(8 + 4, 312 + 3), PixelOf(Theme::ButtonBack));
  EXPECT_EQ(PixelAt(8 + 5, 312 + 3), PixelOf(Theme::ButtonFocusDots));
  H.Manager.SetFocus(nullptr);
  EXPECT_EQ(PixelAt(8 + 3, 312 + 3), PixelOf(Theme::ButtonBack));
}

}  // namespace
