#pragma once
// A question in a window of the program's own: an icon, a text and a row of
// buttons. Shown modally, it runs the application's message loop, so idle
// passes (and with them the frames of the map view) go on behind it.
#include <memory>
#include <string>
#include <vector>

#include "controls/button.h"
#include "controls/form.h"

enum TModalResult { mrNone = 0, mrOk = 1, mrCancel = 2, mrYes = 6, mrNo = 7 };

struct TMessageButton {
  std::string Caption;  // with its access letter marked by "&"
  TModalResult Result;
};

class TMessageForm : public TForm {
 public:
  // The first button is the default (Enter); the one answering mrCancel is
  // also what Esc and the close box give.
  TMessageForm(TApplication& application, const std::string& caption, const std::string& text,
               const std::vector<TMessageButton>& buttons);

  // Shows the form, waits for an answer, hides it again.
  TModalResult ShowModal();
  TModalResult ModalResult = mrNone;

  std::vector<std::unique_ptr<TbsSkinButton>> Buttons;
  const std::string& Message() const { return Text_; }

  bool IsShortCut(int key, TShiftState shift) override;

 protected:
  void Paint(TCanvas& canvas) override;

 private:
  void Answer(TModalResult result);
  std::string Text_;
  TModalResult CancelResult = mrCancel;
};

// "Сохранить изменения?" with "&Yes", "&No" and "Cancel".
std::unique_ptr<TMessageForm> MakeSaveChangesQuestion(TApplication& application);
