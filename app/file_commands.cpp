// The File menu's commands: New with its question, Open and Save with their
// progress texts. Failures leave the handler as exceptions; the message loop
// shows them in the error box.
#include "app/main_form.h"
#include "controls/message_form.h"
#include "map/map_file.h"

namespace {
constexpr const char* LoadingText = "Идет загрузка, ждите...";
constexpr const char* SavingText = "Сохраняю, ждите...";
constexpr const char* DoneText = "Готово!";
}  // namespace

void TMain::Action1Execute(TComponent* Sender) { NewItemClick(); }

void TMain::NewItemClick() {
  TModalResult answer = MakeSaveChangesQuestion(App)->ShowModal();
  if (answer == mrCancel) return;
  // "Yes" saves first; a cancelled save keeps the map, a failed one leaves
  // through its exception and keeps it too.
  if (answer == mrYes) {
    if (!FileSaveAs1->Dialog.Execute(App)) return;
    FileSaveAs1Accept(FileSaveAs1.get());
  }
  DXTimer1->SetEnabled(false);
  ResetMap(98, 98, 1);
}

void TMain::RunWithProgress(const char* startText, const std::function<void()>& work) {
  lbProgress->SetCaption(startText);
  auto ending = [&] {
    lbProgress->SetCaption(DoneText);
    ProgressBar1->SetValue(0);
  };
  try {
    work();
  } catch (...) {
    ending();
    throw;
  }
  ending();
}

void TMain::FileOpen1Accept(TComponent* Sender) {
  std::string fileName = FileOpen1->Dialog.FileName;
  // The file goes into a grid of its own first, so a failed Open keeps the map.
  TMapCells loaded{};
  RunWithProgress(LoadingText, [&] {
    LoadMapFile(fileName, loaded, [this] { ProgressBar1->SetValue(ProgressBar1->Value() + 1); });
  });
  ResetMap(98, 98, 1);
  Map = loaded;
  DrawMap();
}

void TMain::FileSaveAs1Accept(TComponent* Sender) {
  std::string fileName = FileSaveAs1->Dialog.FileName;
  RunWithProgress(SavingText, [&] {
    WriteMapFile(fileName, Map, [this] { ProgressBar1->SetValue(ProgressBar1->Value() + 1); });
  });
}
