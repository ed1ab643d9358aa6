#pragma once
// The dialogs on a real display: message boxes through SDL. The file dialogs
// answer "cancelled" until the native file dialogs take their place.
#include "platform/dialogs.h"

class TSdlDialogs : public TDialogs {
 public:
  std::optional<std::string> OpenFileName(TWindow* owner, const TFileDialogSettings& settings,
                                          const std::string& fileName) override;
  std::optional<std::string> SaveFileName(TWindow* owner, const TFileDialogSettings& settings,
                                          const std::string& fileName) override;
  void MessageBox(TWindow* owner, const std::string& text, const std::string& title, TMessageIcon icon) override;
};
