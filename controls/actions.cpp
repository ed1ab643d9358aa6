#include "controls/actions.h"

#include "controls/application.h"
#include "controls/form.h"
#include "controls/modal_scope.h"

std::string TShortCut::Text() const {
  if (IsNone()) return "";
  std::string text;
  if (Shift & ssCtrl) text += "Ctrl+";
  if (Shift & ssShift) text += "Shift+";
  if (Shift & ssAlt) text += "Alt+";
  return text + char(Key);
}

TAction::TAction(std::string name, std::string caption, std::string category)
    : TComponent(std::move(name)), Caption(std::move(caption)), Category(std::move(category)) {}

void TAction::Execute() {
  if (OnExecute) OnExecute(this);
}

bool TFileDialog::Execute(TApplication& application) {
  std::optional<std::string> chosen;
  {
    TModalScope modal(application.Manager);
    TWindow* owner = &application.Handle();
    chosen = Save ? application.Dialogs.SaveFileName(owner, Settings, FileName)
                  : application.Dialogs.OpenFileName(owner, Settings, FileName);
  }
  if (!chosen) return false;
  FileName = *chosen;
  return true;
}

TCommonDialogAction::TCommonDialogAction(TApplication& application, std::string name, std::string caption,
                                         std::string category, bool save)
    : TAction(std::move(name), std::move(caption), std::move(category)), Dialog(save), App(application) {}

void TCommonDialogAction::Execute() {
  if (BeforeExecute) BeforeExecute(this);
  if (Dialog.Execute(App)) {
    if (OnAccept) OnAccept(this);
  } else if (OnCancel) {
    OnCancel(this);
  }
}

void TFileExit::Execute() {
  if (App.MainForm) App.MainForm->Close();
}

TAction* TActionManager::FindShortCut(const TShortCut& shortCut) const {
  if (shortCut.IsNone()) return nullptr;
  for (TAction* action : Actions)
    if (action->ShortCut == shortCut) return action;
  return nullptr;
}
