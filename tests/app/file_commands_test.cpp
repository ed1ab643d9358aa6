#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "controls/message_form.h"
#include "map/map_file.h"
#include "tests/support/app_harness.h"

namespace fs = std::filesystem;

namespace {

struct TFileCommands : ::testing::Test {
  TAppHarness H;
  fs::path Dir = fs::temp_directory_path() / ("varnock_cmd_" + std::to_string(::getpid()) + "_" +
                                              ::testing::UnitTest::GetInstance()->current_test_info()->name());
  void SetUp() override { fs::create_directories(Dir); }
  void TearDown() override { fs::remove_all(Dir); }

  std::string PathOf(const std::string& name) { return (Dir / name).string(); }
  void Paint(uint8_t code) {
    for (int i = 0; i < MapCellCount; ++i) H.Form().Map[i] = uint8_t((i + code) % 256);
  }
  void Open(std::optional<std::string> answer) {
    H.Dialogs.FileAnswers.push_back(answer);
    H.AsHandler([this] { H.Form().FileOpen1->Execute(); });
    H.Settle();
  }
  void Save(std::optional<std::string> answer) {
    H.Dialogs.FileAnswers.push_back(answer);
    H.AsHandler([this] { H.Form().FileSaveAs1->Execute(); });
    H.Settle();
  }
  // Answers the question of New by `input` as soon as its window shows.
  void New(const std::function<void(TWindow&)>& input) {
    H.Backend.OnShow = input;
    H.AsHandler([this] { H.Form().Action1->Execute(); });
    H.Backend.OnShow = nullptr;
    H.Settle();
  }
  std::function<void(TWindow&)> Key(int key) {
    return [this, key](TWindow& w) { H.Backend.Inject({TInputKind::KeyDown, &w, {}, mbLeft, key}); };
  }
};

TEST_F(TFileCommands, SaveThenOpenReproducesTheMapExactly) {
  Paint(3);
  TMapCells saved = H.Form().Map;
  Save(PathOf("a.vnkmap"));
  EXPECT_EQ(fs::file_size(PathOf("a.vnkmap")), 39402u);
  EXPECT_EQ(H.Form().lbProgress->Caption(), "Готово!");
  Paint(100);
  Open(PathOf("a.vnkmap"));
  EXPECT_EQ(H.Form().Map, saved);
  EXPECT_EQ(H.Form().ProgressBar1->Value(), 0);
  EXPECT_EQ(H.Form().lbProgress->Caption(), "Готово!");
  EXPECT_TRUE(H.Dialogs.Messages.empty());
}

TEST_F(TFileCommands, AFailedOpenKeepsTheMapAndSaysWhy) {
  std::ofstream(PathOf("bad.vnkmap")) << std::string(99 * 4, ' ') << "  12a";  // 100th number malformed
  struct TCase {
    std::string Name, Message;
  };
  const TCase cases[] = {
      {"missing.vnkmap", "File not found."},
      {"no/such/folder/x.vnkmap", "Invalid filename."},
      {"bad.vnkmap", "Invalid numeric input."},
      {"", "File access denied."},  // the folder itself
  };
  Paint(9);
  TMapCells before = H.Form().Map;
  for (const TCase& c : cases) {
    H.Dialogs.Messages.clear();
    Open(PathOf(c.Name));
    ASSERT_EQ(H.Dialogs.Messages.size(), 1u) << c.Name;
    EXPECT_EQ(H.Dialogs.Messages[0].Text, c.Message);
    EXPECT_EQ(H.Dialogs.Messages[0].Title, "Varnock");
    EXPECT_EQ(H.Form().Map, before) << c.Name;
    EXPECT_EQ(H.Form().lbProgress->Caption(), "Готово!");
    EXPECT_EQ(H.Form().ProgressBar1->Value(), 0);
  }
}

TEST_F(TFileCommands, SaveReplacesAnExistingFileWithoutAQuestion) {
  std::ofstream(PathOf("old.vnkmap")) << std::string(100000, '7');
  Save(PathOf("old.vnkmap"));
  EXPECT_EQ(fs::file_size(PathOf("old.vnkmap")), 39402u);
  EXPECT_TRUE(H.Dialogs.Messages.empty());
  Save(PathOf("nowhere/x.vnkmap"));
  ASSERT_EQ(H.Dialogs.Messages.size(), 1u);
  EXPECT_EQ(H.Dialogs.Messages[0].Text, "Invalid filename.");
}

TEST_F(TFileCommands, CancellingADialogChangesNothingAndEachDialogKeepsItsOwnName) {
  Paint(5);
  TMapCells before = H.Form().Map;
  Open(std::nullopt);
  Save(std::nullopt);
  EXPECT_EQ(H.Form().Map, before);
  EXPECT_EQ(H.Form().lbProgress->Caption(), "");
  EXPECT_EQ(H.Form().FileOpen1->Dialog.FileName, "");
  Save(PathOf("s.vnkmap"));
  Open(PathOf("s.vnkmap"));
  Save(std::nullopt);
  // The last request was the save dialog: it proposed its own last name.
  ASSERT_EQ(H.Dialogs.FileRequests.size(), 5u);
  EXPECT_TRUE(H.Dialogs.FileRequests[4].Save);
  EXPECT_EQ(H.Dialogs.FileRequests[4].FileName, PathOf("s.vnkmap"));
  EXPECT_EQ(H.Dialogs.FileRequests[3].FileName, "");  // the open dialog's first use
  Open(std::nullopt);
  EXPECT_EQ(H.Dialogs.FileRequests[5].FileName, PathOf("s.vnkmap"));
  EXPECT_EQ(H.Form().FileSaveAs1->Dialog.FileName, PathOf("s.vnkmap"));
}

TEST_F(TFileCommands, NewAsksAndHonoursTheAnswer) {
  H.Form().scrGorizontal->SetPosition(40);
  H.Form().CurrentGround = 23;
  struct TCase {
    const char* What;
    std::function<void(TWindow&)> Answer;
    bool Cleared;
  };
  const TCase cases[] = {
      {"No by its letter", Key('N'), true},
      {"Cancel by Esc", Key(VK_ESCAPE), false},
      {"the close box", [this](TWindow& w) { H.Backend.Inject({TInputKind::CloseRequest, &w}); }, false},
      {"Yes by Enter, save cancelled", Key(VK_RETURN), false},
  };
  for (const TCase& c : cases) {
    Paint(1);
    New(c.Answer);
    EXPECT_EQ(H.Form().GetCell(10, 10) == 0 && H.Form().GetCell(0, 0) == 0, c.Cleared) << c.What;
    EXPECT_EQ(H.Form().scrGorizontal->Position(), 40);
    EXPECT_EQ(H.Form().CurrentGround, 23);
  }
  // Yes with a saved file: saved first, then cleared.
  Paint(1);
  TMapCells before = H.Form().Map;
  H.Dialogs.FileAnswers.push_back(PathOf("kept.vnkmap"));
  New(Key(VK_RETURN));
  EXPECT_EQ(H.Form().GetCell(0, 0), 0);
  TMapCells reread{};
  LoadMapFile(PathOf("kept.vnkmap"), reread, nullptr);
  EXPECT_EQ(reread, before);
  // Yes with a failing save: the message, and the map stays.
  Paint(1);
  H.Dialogs.FileAnswers.push_back(PathOf("missing/x.vnkmap"));
  New(Key(VK_RETURN));
  EXPECT_EQ(H.Form().GetCell(0, 0), 1);
  ASSERT_FALSE(H.Dialogs.Messages.empty());
  EXPECT_EQ(H.Dialogs.Messages.back().Text, "Invalid filename.");
}

TEST_F(TFileCommands, TheQuestionLooksAsItShould) {
  auto question = MakeSaveChangesQuestion(H.App());
  EXPECT_EQ(question->Caption(), "Confirm");
  EXPECT_EQ(question->Message(), "Сохранить изменения?");
  ASSERT_EQ(question->Buttons.size(), 3u);
  EXPECT_EQ(question->Buttons[0]->Caption(), "&Yes");
  EXPECT_EQ(question->Buttons[1]->Caption(), "&No");
  EXPECT_EQ(question->Buttons[2]->Caption(), "Cancel");
  EXPECT_LT(question->Buttons[0]->Left(), question->Buttons[1]->Left());
}

TEST_F(TFileCommands, FramesGoOnWhileTheQuestionIsOpen) {
  int ticks = 0;
  TWindow* question = nullptr;
  auto tick = H.Form().DXTimer1->OnTimer;
  H.Form().DXTimer1->OnTimer = [&](TComponent* s, int lag) {
    // The third frame behind the open question answers it.
    if (++ticks == 3) H.Backend.Inject({TInputKind::KeyDown, question, {}, mbLeft, VK_ESCAPE});
    tick(s, lag);
  };
  New([&](TWindow& w) { question = &w; });
  EXPECT_EQ(ticks, 3);
  EXPECT_EQ(H.Form().GetCell(0, 0), 0);
}

}  // namespace
