// The File menu's commands in the soak: New with each answer, Save and Open
// of files that work and of files that fail, each with the map and the error
// boxes it must leave.
#include "tests/soak/editor_soak.h"

namespace {

std::string NameText(const std::optional<std::string>& name) { return name ? *name : "(cancelled)"; }

}  // namespace

std::optional<std::string> TEditorSoak::PickName(const std::vector<std::string>& names) {
  if (Below(8) == 0) return std::nullopt;
  return names[Below(names.size())];
}

std::function<void(TWindow&)> TEditorSoak::KeyAnswer(int key) {
  return [this, key](TWindow& question) { H.Backend.Inject({TInputKind::KeyDown, &question, {}, mbLeft, key}); };
}

void TEditorSoak::NewMap() {
  TMapCells before = H.Form().Map;
  TExpectation expected{{}, before};
  int key = VK_RETURN;
  std::optional<std::string> saveAs;
  std::string what;
  switch (Below(4)) {
    case 0:
      key = 'N';
      expected.Map = TMapCells{};
      what = "New, answered No";
      break;
    case 1:
      key = VK_ESCAPE;
      what = "New, cancelled";
      break;
    default:
      saveAs = PickName(Files.SaveNames());
      what = "New, answered Yes, saved as " + NameText(saveAs);
      H.Dialogs.FileAnswers.push_back(saveAs);
  }
  if (saveAs) {
    ++Counts.Saves;
    std::string failure = Files.ExpectSaveFailure(*saveAs);
    if (failure.empty()) {
      Files.Saved(*saveAs, before);
      expected.Map = TMapCells{};
    } else {
      expected.Messages = {failure};
      ++Counts.SaveFailures;
    }
  }
  BeginEvent(what);
  H.Backend.OnShow = KeyAnswer(key);
  H.AsHandler([this] { H.Form().Action1->Execute(); });
  H.Backend.OnShow = nullptr;
  H.Settle();
  ++Counts.News;
  EndEvent(expected);
}

void TEditorSoak::SaveMap() {
  std::optional<std::string> name = PickName(Files.SaveNames());
  TExpectation expected{{}, H.Form().Map};
  if (name) {
    std::string failure = Files.ExpectSaveFailure(*name);
    if (failure.empty()) Files.Saved(*name, H.Form().Map);
    else expected.Messages = {failure};
    ++Counts.Saves;
    if (!failure.empty()) ++Counts.SaveFailures;
  }
  BeginEvent("Save as " + NameText(name));
  H.Dialogs.FileAnswers.push_back(name);
  H.AsHandler([this] { H.Form().FileSaveAs1->Execute(); });
  H.Settle();
  EndEvent(expected);
}

void TEditorSoak::OpenMap() {
  std::optional<std::string> name = PickName(Files.OpenNames());
  TExpectation expected{{}, H.Form().Map};
  if (name) {
    TSoakFiles::TOpenOutcome outcome = Files.ExpectOpen(*name);
    if (outcome.Map) expected.Map = outcome.Map;
    else expected.Messages = {outcome.Message};
    ++Counts.Opens;
    if (!outcome.Map) ++Counts.OpenFailures;
  }
  // Its shortcut reaches the window only while it is the active one.
  bool byShortcut = H.App().Active && Below(2) == 0;
  BeginEvent(std::string(byShortcut ? "Ctrl+O, open " : "Open ") + NameText(name));
  H.Dialogs.FileAnswers.push_back(name);
  if (byShortcut) {
    H.Backend.Inject({TInputKind::KeyDown, &H.Form(), {}, mbLeft, 'O', MK_CONTROL});
    H.Backend.Inject({TInputKind::KeyUp, &H.Form(), {}, mbLeft, 'O', MK_CONTROL});
  } else {
    H.AsHandler([this] { H.Form().FileOpen1->Execute(); });
  }
  H.Settle();
  EndEvent(expected);
}
