#pragma once
// The dialogs the editor asks the system for: choosing a file to open or to
// save, and the message box. Tests answer them from a script.
#include <optional>
#include <string>

class TWindow;

struct TFileDialogSettings {
  std::string Filter;      // "VNKMAP|*.vnkmap": label and pattern pairs
  int FilterIndex = 1;
  std::string DefaultExt;  // appended to a name typed without an extension
  std::string InitialDir;
  std::string Title;
};

enum class TMessageIcon { Error, Warning, Information, Question };

class TDialogs {
 public:
  virtual ~TDialogs() = default;
  // The chosen full path, or none when the user cancelled. `fileName` is
  // what the name field shows pre-filled.
  virtual std::optional<std::string> OpenFileName(TWindow* owner, const TFileDialogSettings& settings,
                                                  const std::string& fileName) = 0;
  virtual std::optional<std::string> SaveFileName(TWindow* owner, const TFileDialogSettings& settings,
                                                  const std::string& fileName) = 0;
  // A modal box with one OK button.
  virtual void MessageBox(TWindow* owner, const std::string& text, const std::string& title,
                          TMessageIcon icon) = 0;
};
