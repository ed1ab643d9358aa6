#pragma once
// Dialogs answered from a script: tests queue the user's answers and read
// back what was asked.
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/dialogs.h"

class TScriptedDialogs : public TDialogs {
 public:
  struct TFileRequest {
    bool Save = false;
    TFileDialogSettings Settings;
    std::string FileName;  // what the name field showed
  };
  struct TMessageRequest {
    std::string Text;
    std::string Title;
    TMessageIcon Icon = TMessageIcon::Error;
  };

  std::optional<std::string> OpenFileName(TWindow* owner, const TFileDialogSettings& settings,
                                          const std::string& fileName) override;
  std::optional<std::string> SaveFileName(TWindow* owner, const TFileDialogSettings& settings,
                                          const std::string& fileName) override;
  void MessageBox(TWindow* owner, const std::string& text, const std::string& title,
                  TMessageIcon icon) override;

  // The answers of the next file dialogs; none answers cancel. An empty
  // script cancels too.
  std::deque<std::optional<std::string>> FileAnswers;
  std::vector<TFileRequest> FileRequests;
  std::vector<TMessageRequest> Messages;

 private:
  std::optional<std::string> Answer();
};
