#include <gtest/gtest.h>

#include "edit/landscape.h"
#include "tests/support/app_harness.h"

namespace {

constexpr int ButtonX = 8 + 100, ButtonY = 312 + 12;

TEST(GenerateButton, DecoratesTheMapAndComesBackAfterTheCoolDown) {
  TAppHarness h;
  TMain& m = h.Form();
  m.Map.fill(1);
  h.Click(ButtonX, ButtonY);
  EXPECT_EQ(m.Button1->Caption(), "Ждите...");
  EXPECT_FALSE(m.Button1->Enabled());
  EXPECT_EQ(m.lbProgress->Caption(), "Готово!");
  EXPECT_EQ(m.ProgressBar1->Value(), 0);
  EXPECT_TRUE(m.tmrGenerate->Enabled());
  // The same map as a fresh generator makes from the same start.
  TMapCells expected;
  expected.fill(1);
  TRandom fresh;
  GenerateLandscape(expected, fresh);
  EXPECT_EQ(m.Map, expected);

  // While disabled, clicks do nothing.
  TMapCells after = m.Map;
  h.Click(ButtonX, ButtonY);
  EXPECT_EQ(m.Map, after);

  // The cool-down timer's tick, 5 s later, gives the button back. The frame
  // loop never waits, so the clock is moved by hand.
  h.Backend.Advance(4999);
  h.Settle();
  EXPECT_FALSE(m.Button1->Enabled());
  h.Backend.Advance(1);
  h.Passes(3);
  EXPECT_TRUE(m.Button1->Enabled());
  EXPECT_EQ(m.Button1->Caption(), "Генерировать ландшафт");

  // A second generation continues the sequence where the first stopped.
  h.Click(ButtonX, ButtonY);
  GenerateLandscape(expected, fresh);
  EXPECT_EQ(m.Map, expected);
}

TEST(GenerateButton, EnterAndSpaceClickItWhenItHasTheFocus) {
  TAppHarness h;
  h.Form().Map.fill(1);
  h.App().Manager.SetFocus(h.Form().Button1.get());
  h.KeyDown(VK_RETURN);
  EXPECT_FALSE(h.Form().Button1->Enabled());
  EXPECT_NE(h.Form().GetCell(0, 0), 1);
}

}  // namespace
