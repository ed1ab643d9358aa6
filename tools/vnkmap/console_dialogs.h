#pragma once
// Dialogs for the command line: a message box is printed to standard error,
// file dialogs are never answered (commands take names as arguments).
#include <cstdio>

#include "platform/dialogs.h"

class TConsoleDialogs : public TDialogs {
 public:
  std::optional<std::string> OpenFileName(TWindow*, const TFileDialogSettings&, const std::string&) override {
    return std::nullopt;
  }
  std::optional<std::string> SaveFileName(TWindow*, const TFileDialogSettings&, const std::string&) override {
    return std::nullopt;
  }
  void MessageBox(TWindow*, const std::string& text, const std::string& title, TMessageIcon) override {
    std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
    ++Shown;
  }
  int Shown = 0;
};
