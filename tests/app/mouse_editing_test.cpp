#include <gtest/gtest.h>

#include "tests/support/app_harness.h"

namespace {

// The map view's top-left corner in the window.
constexpr int ViewX = 288, ViewY = 32;

TEST(MouseEditing, AMoveShowsTheCellAndTheMapPixelWithTwoSpaces) {
  TAppHarness h;
  TMain& m = h.Form();
  h.Form().scrGorizontal->SetPosition(100);
  h.Settle();
  h.MouseMove(ViewX + 30, ViewY + 10);
  EXPECT_EQ(m.StatusBar1->Panels[0].Text, "Ячейка X/Y:  5/0");
  EXPECT_EQ(m.StatusBar1->Panels[1].Text, "Курсор X/Y:  130/10");
  EXPECT_EQ(m.CursorX, 25);
  EXPECT_EQ(m.CursorY, 0);
  EXPECT_EQ(m.MouseMode, 0);
}

TEST(MouseEditing, ClicksPaintAndProbeWithoutMoving) {
  TAppHarness h;
  TMain& m = h.Form();
  // Before any pick the brush paints water.
  m.SetCell(2, 2, 1);
  h.Click(ViewX + 60, ViewY + 60);
  EXPECT_EQ(m.GetCell(2, 2), 0);
  // A code from an empty palette cell is painted like any other.
  h.Click(8 + 27 * 4 + 3, 32 + 27 * 6 + 3);  // code 64
  EXPECT_EQ(m.CurrentGround, 64);
  h.Click(ViewX + 60, ViewY + 60);
  EXPECT_EQ(m.GetCell(2, 2), 64);
  h.Click(ViewX + 60, ViewY + 60, mbRight);
  EXPECT_EQ(m.Label1->Caption(), "64");
  EXPECT_EQ(m.MouseMode, 0);
  // A middle press only moves the status texts.
  h.MouseDown(ViewX + 90, ViewY + 60, mbMiddle);
  EXPECT_EQ(m.MouseMode, 0);
  EXPECT_EQ(m.GetCell(3, 2), 0);
  EXPECT_EQ(m.StatusBar1->Panels[0].Text, "Ячейка X/Y:  3/2");
}

TEST(MouseEditing, ALeftDragPaintsWhereverThePointerGoesAndStopsAtTheGridsEdge) {
  TAppHarness h;
  TMain& m = h.Form();
  h.Click(8 + 27 * 1 + 3, 32 + 3);  // code 1
  h.MouseDown(ViewX + 5, ViewY + 5);
  // Up to 24 pixels left of the view still falls into column 0.
  h.MouseMove(ViewX - 24, ViewY + 30);
  EXPECT_EQ(m.GetCell(0, 1), 1);
  EXPECT_EQ(m.CursorX, 0);
  // Further left: column -1, the texts say so, the grid stays as it was.
  TMapCells before = m.Map;
  h.MouseMove(ViewX - 30, ViewY + 80);
  EXPECT_EQ(m.StatusBar1->Panels[0].Text, "Ячейка X/Y:  -1/3");
  EXPECT_EQ(m.Map, before);
  h.MouseUp(ViewX - 30, ViewY + 80);
  EXPECT_EQ(m.MouseMode, 0);
  h.MouseMove(ViewX + 100, ViewY + 100);
  EXPECT_EQ(m.GetCell(4, 4), 0);
}

TEST(MouseEditing, ScrolledFullyTheLastColumnLiesJustBeyondTheEdgeAndADragPaintsIt) {
  TAppHarness h;
  TMain& m = h.Form();
  h.Click(8 + 27 * 1 + 3, 32 + 3);  // code 1
  m.scrGorizontal->SetPosition(1753);
  m.scrVertical->SetPosition(1873);
  h.Settle();
  h.MouseDown(ViewX + 690, ViewY + 570);
  h.MouseMove(ViewX + 697 + 10, ViewY + 577 + 10);  // map pixel 2460, 2460
  EXPECT_EQ(m.GetCell(98, 98), 1);
  h.MouseUp(ViewX + 697 + 10, ViewY + 577 + 10);
}

TEST(MouseEditing, ARightReleaseOutsideTheViewIsNotSeenSoMovesKeepProbing) {
  TAppHarness h;
  TMain& m = h.Form();
  m.SetCell(1, 1, 7);
  h.MouseDown(ViewX + 5, ViewY + 5, mbRight);
  h.MouseUp(100, 400, mbRight);  // over the left panel: not the view's
  EXPECT_EQ(m.MouseMode, 1);
  h.MouseMove(ViewX + 30, ViewY + 30);
  EXPECT_EQ(m.Label1->Caption(), "7");
}

TEST(MouseEditing, ARightPressDuringALeftDragProbesAndItsReleaseEndsThePainting) {
  TAppHarness h;
  TMain& m = h.Form();
  h.Click(8 + 27 * 1 + 3, 32 + 3);  // code 1
  h.MouseDown(ViewX + 5, ViewY + 5);
  h.MouseDown(ViewX + 30, ViewY + 5, mbRight);
  EXPECT_EQ(m.MouseMode, 1);
  EXPECT_EQ(m.Label1->Caption(), "0");
  h.MouseUp(ViewX + 30, ViewY + 5, mbRight);
  h.MouseMove(ViewX + 55, ViewY + 5);
  EXPECT_EQ(m.GetCell(2, 0), 0);  // the rest of the drag paints nothing
  h.MouseUp(ViewX + 55, ViewY + 5);
}

TEST(MouseEditing, TheStatusPanelsKeepTheirStartTextsUntilTheFirstEventOnTheView) {
  TAppHarness h;
  h.MouseMove(100, 100);
  h.Click(8 + 5, 32 + 5);
  EXPECT_EQ(h.Form().StatusBar1->Panels[0].Text, "Cell X/Y:");
  EXPECT_EQ(h.Form().StatusBar1->Panels[1].Text, "Cursor X/Y:");
}

}  // namespace
