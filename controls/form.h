#pragma once
// A top-level window of the program with a fixed dialog border: its caption,
// its font, its paint event, closing, and the short cuts of its menu.
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "controls/application.h"
#include "controls/win_control.h"
#include "platform/fonts.h"

class TForm : public TWinControl {
 public:
  // The client area is `clientWidth` x `clientHeight`; the window is placed
  // when first shown.
  TForm(TApplication& application, std::string name, int clientWidth, int clientHeight);

  TApplication& App;
  TFont Font;
  // The window's picture on the desktop, 0xAARRGGBB; none when empty.
  TBitmap Icon;
  TNotifyEvent OnCreate;
  TNotifyEvent OnPaint;
  // Closing the main form ends the program; other forms just hide.
  TNotifyEvent OnClose;

  const std::string& Caption() const { return Text(); }
  void SetCaption(const std::string& caption) { SetText(caption); }
  // Shows the form centred on the screen.
  void Show();
  void Close();
  // The form's menu short cuts; true when one of them took the key.
  virtual bool IsShortCut(int key, TShiftState shift) { return false; }
  // The idle pass refreshes the state of the form's actions.
  virtual void UpdateActions() {}

  // Controls that follow the form's own messages (the surface controls set
  // themselves up when the form is first shown). Each hook runs after the
  // form's own handling, in the order they were added; an exception in one
  // is reported in the error box like any other handler's.
  using TMessageHook = std::function<void(TMessage& message)>;
  int AddMessageHook(TMessageHook hook);
  void RemoveMessageHook(int id);

  intptr_t WndProc(TMessage& message) override;

 protected:
  void Paint(TCanvas& canvas) override;

 private:
  std::vector<std::pair<int, TMessageHook>> MessageHooks;
  int NextHookId = 1;
};
