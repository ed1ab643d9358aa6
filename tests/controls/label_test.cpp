#include <gtest/gtest.h>

#include "controls/skin_label.h"
#include "controls/std_label.h"
#include "tests/controls/controls_fixture.h"

namespace {

// The pixels of `r` (form coordinates) that differ from `background`.
TRect InkBounds(const TBitmap& frame, const TRect& r, TPixel background) {
  TRect ink;
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x)
      if (frame.At(x, y) != background) ink = ink.Union(RectOfSize(x, y, 1, 1));
  return ink;
}

// lbProgress: 273 x 21 at (8, 584), framed.
class SkinLabelTest : public TControlsTest {
 protected:
  void SetUp() override {
    TControlsTest::SetUp();
    Label = std::make_unique<TbsSkinLabel>(*Form, "lbProgress", Area);
    Settle();
  }
  void TearDown() override { Label.reset(); }
  TRect Inside() const { return {Area.Left + 1, Area.Top + 1, Area.Right - 1, Area.Bottom - 1}; }

  const TRect Area = RectOfSize(8, 584, 273, 21);
  std::unique_ptr<TbsSkinLabel> Label;
};

TEST_F(SkinLabelTest, StartsEmptyInItsFrame) {
  EXPECT_EQ(Label->Caption(), "");
  EXPECT_EQ(Label->Font.Name, "Arial");
  EXPECT_EQ(Label->Font.Height, 14);
  EXPECT_EQ(PixelAt(Area.Left, Area.Top), PixelOf(Theme::LabelFrame));
  EXPECT_EQ(PixelAt(Area.Right - 1, Area.Bottom - 1), PixelOf(Theme::LabelFrame));
  EXPECT_TRUE(InkBounds(Form->Framebuffer(), Inside(), PixelOf(Theme::ButtonFace)).IsEmpty());
}

TEST_F(SkinLabelTest, NewCaptionIsDrawnAtOnce) {
  TBitmap before = Snapshot(Area);
  Label->SetCaption("Идет загрузка, ждите...");
  // No pump: the pixels changed inside the setter.
  EXPECT_FALSE(Same(Snapshot(Area), before));
  EXPECT_EQ(CountOf(H.Pump(), WM_PAINT, Label.get()), 0u);
  TRect ink = InkBounds(Form->Framebuffer(), Inside(), PixelOf(Theme::ButtonFace));
  // Left-aligned at the inset, vertically centred in the 14-pixel cell.
  EXPECT_GE(ink.Left, Area.Left + Theme::LabelTextInset);
  EXPECT_LE(ink.Left, Area.Left + Theme::LabelTextInset + 2);
  EXPECT_GE(ink.Top, Area.Top + 3);
  EXPECT_LE(ink.Bottom, Area.Top + 3 + 14);
}

TEST_F(SkinLabelTest, SameCaptionDoesNothing) {
  Label->SetCaption("Идет загрузка, ждите...");
  int presents = H.Backend.Presents;
  Label->SetCaption("Идет загрузка, ждите...");
  EXPECT_EQ(H.Backend.Presents, presents);
  EXPECT_TRUE(H.Pump().empty());
}

TEST_F(SkinLabelTest, RepaintNowDrawsItAgainAtOnce) {
  Label->SetCaption("Генерация");
  TBitmap drawn = Snapshot(Area);
  Form->Framebuffer().Fill(Area, PixelOf(clFuchsia));
  Label->RepaintNow();
  EXPECT_TRUE(Same(Snapshot(Area), drawn));
}

TEST_F(SkinLabelTest, LongCaptionIsCutOffAtTheFrame) {
  Label->SetCaption(std::string(100, 'W'));
  for (int y = Area.Top; y < Area.Bottom; ++y) {
    EXPECT_EQ(PixelAt(Area.Right - 1, y), PixelOf(Theme::LabelFrame)) << y;
    EXPECT_EQ(PixelAt(Area.Right, y), PixelOf(Theme::ButtonFace)) << y;
  }
  EXPECT_EQ(Label->Width(), 273);
}

// Label1: 33 x 13 at (248, 568), drawn by the form.
class StdLabelTest : public TControlsTest {
 protected:
  void SetUp() override {
    TControlsTest::SetUp();
    // A loud background shows what the label leaves transparent.
    Form->Background = clLime;
    Label = std::make_unique<TbsSkinStdLabel>(*Form, "Label1", Area);
    Label->SetCaption("ХХ");
    Settle();
  }
  void TearDown() override { Label.reset(); }

  const TRect Area = RectOfSize(248, 568, 33, 13);
  std::unique_ptr<TbsSkinStdLabel> Label;
};

TEST_F(StdLabelTest, DrawsItsCaptionCentredOnTheFormsBackground) {
  EXPECT_EQ(Label->Font, Theme::WindowFont());
  TRect ink = InkBounds(Form->Framebuffer(), Area, PixelOf(clLime));
  ASSERT_FALSE(ink.IsEmpty());
  int leftMargin = ink.Left - Area.Left, rightMargin = Area.Right - ink.Right;
  EXPECT_LE(std::abs(leftMargin - rightMargin), 2) << leftMargin << " " << rightMargin;
  // Transparent: the corners keep the form's background.
  EXPECT_EQ(PixelAt(Area.Left, Area.Top), PixelOf(clLime));
  EXPECT_EQ(PixelAt(Area.Right - 1, Area.Bottom - 1), PixelOf(clLime));
}

TEST_F(StdLabelTest, NewCaptionShowsOnlyAtTheFormsNextPaint) {
  TBitmap before = Snapshot(Area);
  Label->SetCaption("12/34");
  EXPECT_EQ(Label->Caption(), "12/34");
  EXPECT_TRUE(Same(Snapshot(Area), before));
  std::vector<TMessage> messages = H.Pump();
  ASSERT_EQ(CountOf(messages, WM_PAINT, Form.get()), 1u);
  for (const TMessage& m : messages) {
    if (m.Msg == WM_PAINT) {
      EXPECT_EQ(m.Update, Area);
    }
  }
  EXPECT_FALSE(Same(Snapshot(Area), before));
  EXPECT_EQ(Label->BoundsRect(), Area);
}

TEST_F(StdLabelTest, SameCaptionMarksNothing) {
  Label->SetCaption("ХХ");
  EXPECT_TRUE(H.Pump().empty());
}

TEST_F(StdLabelTest, NeverResizesAndClipsToItsArea) {
  Label->SetCaption("a caption far wider than thirty-three pixels");
  H.Pump();
  EXPECT_EQ(Label->BoundsRect(), Area);
  for (int y = Area.Top - 1; y <= Area.Bottom; ++y) {
    EXPECT_EQ(PixelAt(Area.Left - 1, y), PixelOf(clLime));
    EXPECT_EQ(PixelAt(Area.Right, y), PixelOf(clLime));
  }
}

}  // namespace
