#include "platform/scripted_dialogs.h"

std::optional<std::string> TScriptedDialogs::Answer() {
  if (FileAnswers.empty()) return std::nullopt;
  std::optional<std::string> answer = FileAnswers.front();
  FileAnswers.pop_front();
  return answer;
}

std::optional<std::string> TScriptedDialogs::OpenFileName(TWindow*, const TFileDialogSettings& settings,
                                                          const std::string& fileName) {
  FileRequests.push_back({false, settings, fileName});
  return Answer();
}

std::optional<std::string> TScriptedDialogs::SaveFileName(TWindow*, const TFileDialogSettings& settings,
                                                          const std::string& fileName) {
  FileRequests.push_back({true, settings, fileName});
  return Answer();
}

void TScriptedDialogs::MessageBox(TWindow*, const std::string& text, const std::string& title,
                                  TMessageIcon icon) {
  Messages.push_back({text, title, icon});
}
