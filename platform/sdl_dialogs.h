#pragma once
// The dialogs that go with the SDL backend: GTK's file choosers and message
// box; where GTK cannot start, SDL's own message box, so that an error still
// shows on the screen SDL opened.
#include "platform/dialogs.h"
#include "platform/gtk_dialogs.h"

class TSdlDialogs : public TDialogs {
 public:
  std::optional<std::string> OpenFileName(TWindow* owner, const TFileDialogSettings& settings,
                                          const std::string& fileName) override;
  std::optional<std::string> SaveFileName(TWindow* owner, const TFileDialogSettings& settings,
                                          const std::string& fileName) override;
  void MessageBox(TWindow* owner, const std::string& text, const std::string& title, TMessageIcon icon) override;

 private:
  TGtkDialogs Gtk;
};
