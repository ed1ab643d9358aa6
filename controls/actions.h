#pragma once
// Commands of the menu: actions with a caption, a short cut and an event;
// dialog actions that ask for a file first; the exit action.
#include <optional>
#include <string>
#include <vector>

#include "controls/component.h"
#include "platform/dialogs.h"

class TApplication;

struct TShortCut {
  int Key = 0;  // VK_ code; 0: none
  TShiftState Shift = 0;
  bool IsNone() const { return Key == 0; }
  // As a menu shows it: "Ctrl+O".
  std::string Text() const;
  friend bool operator==(const TShortCut&, const TShortCut&) = default;
};

class TAction : public TComponent {
 public:
  TAction(std::string name, std::string caption, std::string category);
  virtual ~TAction() = default;

  std::string Caption;
  std::string Category;
  std::string Hint;
  TShortCut ShortCut;
  TNotifyEvent OnExecute;

  virtual void Execute();
};

// A file dialog that keeps its settings and the last name chosen in it.
class TFileDialog {
 public:
  explicit TFileDialog(bool save) : Save(save) {}
  TFileDialogSettings Settings;
  std::string FileName;
  // Shows the dialog modally; true when the user accepted a name.
  bool Execute(TApplication& application);

 private:
  bool Save;
};

class TCommonDialogAction : public TAction {
 public:
  TCommonDialogAction(TApplication& application, std::string name, std::string caption, std::string category,
                      bool save);
  TFileDialog Dialog;
  TNotifyEvent BeforeExecute;
  TNotifyEvent OnAccept;
  TNotifyEvent OnCancel;
  void Execute() override;

 private:
  TApplication& App;
};

class TFileOpen : public TCommonDialogAction {
 public:
  TFileOpen(TApplication& application, std::string name, std::string caption, std::string category)
      : TCommonDialogAction(application, std::move(name), std::move(caption), std::move(category), false) {}
};

class TFileSaveAs : public TCommonDialogAction {
 public:
  TFileSaveAs(TApplication& application, std::string name, std::string caption, std::string category)
      : TCommonDialogAction(application, std::move(name), std::move(caption), std::move(category), true) {}
};

// Closes the main form, which ends the program.
class TFileExit : public TAction {
 public:
  TFileExit(TApplication& application, std::string name, std::string caption, std::string category)
      : TAction(std::move(name), std::move(caption), std::move(category)), App(application) {}
  void Execute() override;

 private:
  TApplication& App;
};

class TActionManager : public TComponent {
 public:
  using TComponent::TComponent;
  std::vector<TAction*> Actions;
  // The action whose short cut is this key, if any.
  TAction* FindShortCut(const TShortCut& shortCut) const;
};
