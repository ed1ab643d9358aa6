#include <gtest/gtest.h>

#include <regex>

#include "render/picture_collection.h"
#include "tests/support/app_harness.h"

namespace {

TEST(StartUp, TheWindowShowsItsStartState) {
  TAppHarness h;
  TMain& m = h.Form();
  EXPECT_EQ(h.App().Title, "Varnock");
  EXPECT_EQ(m.Caption(), "Varnock 0.4");
  EXPECT_EQ(m.ClientRect(), (TRect{0, 0, 1006, 651}));
  // Centred on the headless backend's 1920 x 1080 screen.
  EXPECT_EQ(m.Bounds().Left, (1920 - 1006) / 2);
  EXPECT_EQ(m.Bounds().Top, (1080 - 651) / 2);
  EXPECT_EQ(Main, &m);

  EXPECT_EQ(m.StatusBar1->Panels[0].Text, "Cell X/Y:");
  EXPECT_EQ(m.StatusBar1->Panels[1].Text, "Cursor X/Y:");
  EXPECT_EQ(m.StatusBar1->Panels[0].Width, 100);
  EXPECT_EQ(m.Label1->Caption(), "ХХ");
  EXPECT_EQ(m.lbProgress->Caption(), "");
  EXPECT_EQ(m.ProgressBar1->Value(), 0);
  EXPECT_EQ(m.Button1->Caption(), "Генерировать ландшафт");
  EXPECT_EQ(m.scrGorizontal->Position(), 0);
  EXPECT_EQ(m.scrVertical->Position(), 0);
  EXPECT_EQ(m.scrGorizontal->Max(), 1753);
  EXPECT_EQ(m.scrVertical->Max(), 1873);

  EXPECT_EQ(m.MapW, 98);
  EXPECT_EQ(m.MapH, 98);
  EXPECT_EQ(m.TileW, 25);
  EXPECT_EQ(m.TileH, 25);
  EXPECT_EQ(m.TileSetName, "25х25");
  EXPECT_EQ(m.CurrentGround, 0);
  EXPECT_EQ(m.MouseMode, 0);
  for (uint8_t cell : m.Map) ASSERT_EQ(cell, 0);
  EXPECT_TRUE(m.DXTimer1->Enabled());
  EXPECT_FALSE(m.tmrGenerate->Enabled());
  EXPECT_EQ(m.tmrGenerate->Interval(), 5000u);
}

TEST(StartUp, ControlsSitAtTheirPlacesInTheStoredOrder) {
  TAppHarness h;
  TMain& m = h.Form();
  struct TCase {
    TWindow* Control;
    TRect Bounds;
  };
  const TCase cases[] = {
      {m.ActionMainMenuBar1.get(), RectOfSize(0, 0, 1006, 24)},
      {m.DXDraw1.get(), RectOfSize(288, 32, 697, 577)},
      {m.StatusBar1.get(), RectOfSize(0, 632, 1006, 19)},
      {m.GroundsDXDraw.get(), RectOfSize(8, 32, 268, 268)},
      {m.Button1.get(), RectOfSize(8, 312, 265, 25)},
      {m.scrGorizontal.get(), RectOfSize(288, 608, 697, 19)},
      {m.scrVertical.get(), RectOfSize(984, 32, 19, 577)},
      {m.ProgressBar1.get(), RectOfSize(8, 608, 273, 20)},
      {m.lbProgress.get(), RectOfSize(8, 584, 273, 21)},
  };
  std::vector<TWindow*> expectedOrder;
  for (const TCase& c : cases) {
    EXPECT_EQ(c.Control->Bounds(), c.Bounds);
    expectedOrder.push_back(c.Control);
  }
  EXPECT_EQ(m.Label1->BoundsRect(), RectOfSize(248, 568, 33, 13));
  // The scroll bars lie over the map view's last pixel row and column.
  EXPECT_EQ(h.App().Manager.WindowFromPoint(&m, {984, 100}), m.scrVertical.get());
  EXPECT_EQ(h.App().Manager.WindowFromPoint(&m, {500, 608}), m.scrGorizontal.get());
  EXPECT_EQ(h.App().Manager.WindowFromPoint(&m, {983, 607}), m.DXDraw1.get());
  std::vector<TWindow*> order(m.Children().begin(), m.Children().begin() + expectedOrder.size());
  EXPECT_EQ(order, expectedOrder);
}

TEST(StartUp, TheMenuHoldsTheFourFileCommands) {
  TAppHarness h;
  TMain& m = h.Form();
  ASSERT_EQ(m.ActionMainMenuBar1->Menus.size(), 1u);
  EXPECT_EQ(m.ActionMainMenuBar1->Menus[0].Caption, "Файл");
  std::vector<std::string> captions;
  for (TAction* a : m.ActionMainMenuBar1->Menus[0].Items) {
    captions.push_back(a->Caption);
    EXPECT_EQ(a->Category, "Файл");
  }
  EXPECT_EQ(captions, (std::vector<std::string>{"Создать", "Открыть...", "Сохранить", "Выход"}));
  EXPECT_EQ(m.FileOpen1->ShortCut.Text(), "Ctrl+O");
  EXPECT_TRUE(m.FileSaveAs1->ShortCut.IsNone());
  EXPECT_EQ(m.FileOpen1->Dialog.Settings.Filter, "VNKMAP|*.vnkmap");
  EXPECT_EQ(m.FileSaveAs1->Dialog.Settings.DefaultExt, ".vnkmap");
  EXPECT_EQ(m.FileOpen1->Dialog.Settings.DefaultExt, "");
}

TEST(MessageLoop, NeverBlocksWhileTheFrameTimerRunsAndBlocksWithoutIt) {
  TAppHarness h;
  ASSERT_TRUE(h.App().HasIdleHook());
  long idle = h.App().IdlePasses;
  h.Passes(20);
  EXPECT_EQ(h.App().IdlePasses, idle + 20);
  EXPECT_EQ(h.Backend.BlockingWaits, 0);

  h.Form().DXTimer1->SetEnabled(false);
  EXPECT_FALSE(h.App().HasIdleHook());
  h.Passes(1);
  EXPECT_EQ(h.Backend.BlockingWaits, 1);
}

TEST(MessageLoop, AnExceptionFromAHandlerIsReportedOnceAndTheLoopGoesOn) {
  TAppHarness h;
  TMain& m = h.Form();
  int calls = 0;
  auto normal = m.DXDraw1->OnMouseDown;
  m.DXDraw1->OnMouseDown = [&](TComponent* s, TMouseButton b, TShiftState sh, int x, int y) {
    if (++calls == 1) {
      m.CurrentGround = 7;  // a change made before the failure stays
      throw EPictureCollectionError("Image 'x' not found");
    }
    normal(s, b, sh, x, y);
  };
  h.MouseDown(300, 40);
  ASSERT_EQ(h.Dialogs.Messages.size(), 1u);
  EXPECT_EQ(h.Dialogs.Messages[0].Text, "Image 'x' not found.");
  EXPECT_EQ(h.Dialogs.Messages[0].Title, "Varnock");
  EXPECT_EQ(h.Dialogs.Messages[0].Icon, TMessageIcon::Error);
  EXPECT_EQ(m.CurrentGround, 7);
  // The capture the press took was cancelled before the box showed.
  EXPECT_EQ(h.App().Manager.Capture(), nullptr);

  h.MouseUp(300, 40);
  h.MouseDown(300, 40, TMouseButton::mbRight);
  EXPECT_EQ(h.Dialogs.Messages.size(), 1u);
  EXPECT_EQ(m.MouseMode, 1);
  EXPECT_EQ(m.Label1->Caption(), "0");
}

TEST(MessageLoop, AnExceptionFromTheIdleHookIsReportedAndTheHookStays) {
  TAppHarness h;
  int ticks = 0;
  h.Form().DXTimer1->OnTimer = [&](TComponent*, int) {
    if (++ticks == 2) throw std::runtime_error("I/O error 32");
  };
  h.Passes(4);
  ASSERT_EQ(h.Dialogs.Messages.size(), 1u);
  EXPECT_EQ(h.Dialogs.Messages[0].Text, "I/O error 32.");
  EXPECT_EQ(ticks, 4);
}

TEST(ErrorBox, AFullStopIsAddedOnlyAfterCharactersThatSortAfterIt) {
  struct TCase {
    std::string Message, Shown;
  };
  const TCase cases[] = {
      {"File not found", "File not found."}, {"I/O error 32", "I/O error 32."}, {"Done.", "Done."},
      {"Wow!", "Wow!"},                      {"(a)", "(a)"},                   {"", ""},
      {"Ошибка", "Ошибка."},                 {"50%", "50%"},                   {"a-", "a-"},
      {"a/", "a/."},
  };
  for (const TCase& c : cases) EXPECT_EQ(ErrorBoxText(c.Message), c.Shown) << c.Message;
}

TEST(Activation, SwitchingAwayStopsTheFramesAndSwitchingBackResumesThem) {
  TAppHarness h;
  std::vector<uint32_t> notices;
  h.App().HookMessages([&](TMessage& m) {
    notices.push_back(m.Msg);
    return false;
  });
  int ticks = 0;
  h.Form().DXTimer1->OnTimer = [&](TComponent*, int) { ++ticks; };

  h.SwitchAway();
  EXPECT_FALSE(h.App().Active);
  EXPECT_FALSE(h.App().HasIdleHook());
  int before = ticks;
  h.Passes(5);
  EXPECT_EQ(ticks, before);

  h.Backend.Advance(40);
  h.SwitchBack();
  EXPECT_TRUE(h.App().Active);
  EXPECT_TRUE(h.App().HasIdleHook());
  h.Passes(3);
  EXPECT_GT(ticks, before);
  EXPECT_EQ(notices, (std::vector<uint32_t>{WM_ACTIVATEAPP, CM_DEACTIVATE, WM_ACTIVATEAPP, CM_ACTIVATE}));
}

TEST(Keyboard, CtrlOOpensTheOpenDialogWhicheverControlHasTheFocus) {
  TAppHarness h;
  for (TWindow* focus : {(TWindow*)h.Form().Button1.get(), (TWindow*)nullptr}) {
    h.App().Manager.SetFocus(focus);
    h.KeyDown('O', MK_CONTROL);
  }
  ASSERT_EQ(h.Dialogs.FileRequests.size(), 2u);
  EXPECT_FALSE(h.Dialogs.FileRequests[0].Save);
  EXPECT_EQ(h.Dialogs.FileRequests[0].Settings.Filter, "VNKMAP|*.vnkmap");
  // A plain O, or Ctrl with another letter, opens nothing.
  h.KeyDown('O');
  h.KeyDown('S', MK_CONTROL);
  EXPECT_EQ(h.Dialogs.FileRequests.size(), 2u);
}

TEST(Exit, TheExitItemAndTheWindowManagersCloseRequestEndTheProgram) {
  {
    TAppHarness h;
    TRect title = h.Form().ActionMainMenuBar1->TitleRect(0);
    h.Click(title.Left + 5, 10);
    ASSERT_TRUE(h.Form().ActionMainMenuBar1->MenuOpen());
    TMenuDropDown* list = h.Form().ActionMainMenuBar1->DropDown();
    TRect exit = list->ItemRect(3).Offset(list->Left(), list->Top());
    h.Click(exit.Left + 10, exit.Top + 5);
    h.Passes(3);
    EXPECT_TRUE(h.App().Terminated);
  }
  {
    TAppHarness h;
    h.Backend.Inject({TInputKind::CloseRequest, nullptr});
    h.Passes(3);
    EXPECT_TRUE(h.App().Terminated);
  }
}

TEST(Menu, AClickOutsideTheOpenMenuClosesItAndRunsNothing) {
  TAppHarness h;
  h.Click(12, 10);
  ASSERT_TRUE(h.Form().ActionMainMenuBar1->MenuOpen());
  h.Click(600, 300);
  EXPECT_FALSE(h.Form().ActionMainMenuBar1->MenuOpen());
  EXPECT_FALSE(h.App().Terminated);
  EXPECT_TRUE(h.Dialogs.FileRequests.empty());
  // F10 opens it from the keyboard; Down, Enter runs the highlighted item.
  h.KeyDown(VK_F10);
  ASSERT_TRUE(h.Form().ActionMainMenuBar1->MenuOpen());
  h.KeyDown(VK_DOWN);
  h.KeyDown(VK_RETURN);
  h.Passes(2);
  EXPECT_EQ(h.Dialogs.FileRequests.size(), 1u);
}

TEST(LastChance, TheReportNamesClassModuleAddressAndMessage) {
  std::string report = LastChanceReport(EPictureCollectionError("Image '25x25' not found"), "varnock");
  EXPECT_TRUE(std::regex_match(
      report, std::regex("Exception EPictureCollectionError in module varnock at 0x[0-9a-f]+\\.\r\n"
                         "Image '25x25' not found\\.\r\n")))
      << report;
  std::string stopped = LastChanceReport(std::runtime_error("Done."), "varnock");
  EXPECT_NE(stopped.find("\r\nDone.\r\n"), std::string::npos) << stopped;
}

}  // namespace
