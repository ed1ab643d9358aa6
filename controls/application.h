#pragma once
// The application object: the message loop with its idle pass, the one idle
// hook, the message filters of the application's own hidden window, the
// activation flag, and the error box for exceptions that leave a handler.
#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/backend.h"
#include "platform/dialogs.h"
#include "platform/window_manager.h"

class TForm;

using TIdleHook = std::function<void(bool& Done)>;
// Sees a message of the hidden window first; answering true swallows it.
using TMessageFilter = std::function<bool(TMessage& Message)>;

class TApplication {
 public:
  TApplication(TBackend& backend, TDialogs& dialogs);
  ~TApplication();

  TWindowManager Manager;
  TDialogs& Dialogs;
  std::string Title;
  bool Active = true;
  bool Terminated = false;
  TForm* MainForm = nullptr;

  // The idle hook slot: at most one.
  void SetIdleHook(TIdleHook hook) { IdleHook = std::move(hook); }
  bool HasIdleHook() const { return bool(IdleHook); }
  int HookMessages(TMessageFilter filter);
  void UnhookMessages(int id);
  TWindow& Handle();

  // Shows the main form and runs passes until the quit message arrives.
  void Run();
  // One pass of the loop: a message if there is one, else an idle pass.
  void HandleMessage();
  // Takes and handles one message; false when the queue was empty.
  bool ProcessMessage();
  void Terminate() { Manager.PostQuitMessage(0); }
  // The error box: the message with its full stop, titled with the title.
  void ShowException(const std::string& message);
  // Reports the exception being handled (call it inside a catch block).
  void HandleException();
  // How many idle passes ran; tools and tests look at it.
  long IdlePasses = 0;

 private:
  class THiddenWindow;
  void Idle();
  bool IsShortCut(const TMessage& message);
  void HandleHiddenMessage(TMessage& message);

  std::unique_ptr<THiddenWindow> HiddenWindow;
  TIdleHook IdleHook;
  std::vector<std::pair<int, TMessageFilter>> Filters;
  int NextFilterId = 1;
};

extern TApplication* Application;

// The error box text: a "." is added unless the message is empty or its
// last character sorts at or before "." (so "!" and ")" end it as they are).
std::string ErrorBoxText(const std::string& message);
