#include "controls/gauge.h"

#include <gtest/gtest.h>

#include "tests/controls/controls_fixture.h"

namespace {

// ProgressBar1: 273 x 20 at (8, 608); the fill grows inside a 1-pixel border.
class GaugeTest : public TControlsTest {
 protected:
  void SetUp() override {
    TControlsTest::SetUp();
    Gauge = std::make_unique<TbsSkinGauge>(*Form, "ProgressBar1", RectOfSize(8, 608, 273, 20));
    Settle();
  }
  void TearDown() override { Gauge.reset(); }
  // A pixel of the fill area's middle row, `x` from its left end.
  TPixel FillPixel(int x) { return PixelAt(8 + 1 + x, 608 + 10); }
  bool PaintPending() { return CountOf(H.Pump(), WM_PAINT, Gauge.get()) > 0; }

  std::unique_ptr<TbsSkinGauge> Gauge;
};

TEST_F(GaugeTest, StartsEmptyFrom0To100) {
  EXPECT_EQ(Gauge->MinValue(), 0);
  EXPECT_EQ(Gauge->MaxValue(), 100);
  EXPECT_EQ(Gauge->Value(), 0);
  EXPECT_EQ(FillPixel(0), PixelOf(Theme::GaugeTrough));
  EXPECT_EQ(PixelAt(8, 608), PixelOf(Theme::GaugeBorder));
}

TEST_F(GaugeTest, ValueIsClampedToTheRange) {
  Gauge->SetValue(150);
  EXPECT_EQ(Gauge->Value(), 100);
  Gauge->SetValue(-5);
  EXPECT_EQ(Gauge->Value(), 0);
  Gauge->SetValue(37);
  EXPECT_EQ(Gauge->Value(), 37);
}

TEST_F(GaugeTest, SettingTheHeldValueDoesNothing) {
  Gauge->SetValue(40);
  H.Pump();
  Gauge->SetValue(40);
  EXPECT_FALSE(PaintPending());
  Gauge->SetValue(100);
  H.Pump();
  Gauge->SetValue(150);  // clamps to the 100 it holds
  EXPECT_FALSE(PaintPending());
}

TEST_F(GaugeTest, NewValueShowsOnlyAtTheNextPaint) {
  TBitmap before = Snapshot(RectOfSize(8, 608, 273, 20));
  // A handler stepping the gauge inside one message: nothing moves yet.
  for (int v = 1; v <= 40; ++v) Gauge->SetValue(v);
  EXPECT_TRUE(Same(Snapshot(RectOfSize(8, 608, 273, 20)), before));
  std::vector<TMessage> messages = H.Pump();
  EXPECT_EQ(CountOf(messages, WM_PAINT, Gauge.get()), 1u);
  // trunc(271 x 40 / 100) = trunc(108.4): 108 pixels filled.
  EXPECT_EQ(Gauge->FilledLength(), 108);
  EXPECT_EQ(FillPixel(0), PixelOf(Theme::GaugeFill));
  EXPECT_EQ(FillPixel(107), PixelOf(Theme::GaugeFill));
  EXPECT_EQ(FillPixel(108), PixelOf(Theme::GaugeTrough));
}

TEST_F(GaugeTest, FilledLengthTruncates) {
  const struct { int Min, Max, Value, Expected; } cases[] = {
      {0, 100, 0, 0}, {0, 100, 1, 2}, {0, 100, 99, 268}, {0, 100, 100, 271},
      {0, 3, 1, 90}, {0, 3, 2, 180}, {-10, 10, 0, 135}, {5, 5, 5, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.Min << ".." << c.Max << " @" << c.Value);
    Gauge->SetMinValue(INT32_MIN);
    Gauge->SetMaxValue(INT32_MAX);
    Gauge->SetValue(c.Value);
    Gauge->SetMinValue(c.Min);
    Gauge->SetMaxValue(c.Max);
    EXPECT_EQ(Gauge->Value(), c.Value);
    EXPECT_EQ(Gauge->FilledLength(), c.Expected);
  }
}

TEST_F(GaugeTest, MinAndMaxClampTheValueAndRepaintAtOnce) {
  Gauge->SetValue(40);
  H.Pump();
  EXPECT_EQ(FillPixel(215), PixelOf(Theme::GaugeTrough));
  Gauge->SetMaxValue(50);
  EXPECT_EQ(Gauge->Value(), 40);
  // 271 x 40 / 50 = 216.8, drawn without a pump.
  EXPECT_EQ(FillPixel(215), PixelOf(Theme::GaugeFill));
  EXPECT_EQ(FillPixel(216), PixelOf(Theme::GaugeTrough));
  Gauge->SetMaxValue(30);
  EXPECT_EQ(Gauge->Value(), 30);
  EXPECT_EQ(FillPixel(270), PixelOf(Theme::GaugeFill));
  Gauge->SetMinValue(35);  // above the maximum: the lower bound wins
  EXPECT_EQ(Gauge->Value(), 35);
  Gauge->SetMinValue(0);
  Gauge->SetMaxValue(100);
  Gauge->SetMinValue(60);
  EXPECT_EQ(Gauge->Value(), 60);
  EXPECT_EQ(FillPixel(0), PixelOf(Theme::GaugeTrough));
}

}  // namespace
