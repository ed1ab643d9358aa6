#include "controls/application.h"

#include "controls/form.h"
#include "controls/modal_scope.h"
#include "platform/exception.h"

TApplication* Application = nullptr;

class TApplication::THiddenWindow : public TWindow {
 public:
  THiddenWindow(TApplication& app) : TWindow(app.Manager, nullptr, RectOfSize(0, 0, 0, 0)), App(app) {}
  intptr_t WndProc(TMessage& message) override {
    App.HandleHiddenMessage(message);
    return 0;
  }
  TApplication& App;
};

TApplication::TApplication(TBackend& backend, TDialogs& dialogs) : Manager(backend), Dialogs(dialogs) {
  HiddenWindow = std::make_unique<THiddenWindow>(*this);
  Application = this;
}

TApplication::~TApplication() {
  if (Application == this) Application = nullptr;
}

TWindow& TApplication::Handle() { return *HiddenWindow; }

int TApplication::HookMessages(TMessageFilter filter) {
  Filters.emplace_back(NextFilterId, std::move(filter));
  return NextFilterId++;
}

void TApplication::UnhookMessages(int id) {
  std::erase_if(Filters, [&](const auto& f) { return f.first == id; });
}

void TApplication::HandleHiddenMessage(TMessage& message) {
  // A filter may unhook itself while it runs: walk a copy.
  auto filters = Filters;
  for (auto& [id, filter] : filters)
    if (filter(message)) return;
  if (message.Msg == WM_ACTIVATEAPP) {
    Active = message.WParam != 0;
    Manager.PostMessage(HiddenWindow.get(), Active ? CM_ACTIVATE : CM_DEACTIVATE);
  }
}

void TApplication::Run() {
  if (MainForm) MainForm->Show();
  while (!Terminated) HandleMessage();
}

void TApplication::HandleMessage() {
  try {
    if (!ProcessMessage()) Idle();
  } catch (...) {
    HandleException();
  }
}

bool TApplication::ProcessMessage() {
  TMessage message;
  if (!Manager.PeekMessage(message)) return false;
  if (message.Msg == WM_QUIT) {
    Terminated = true;
    return true;
  }
  if (!IsShortCut(message)) Manager.DispatchMessage(message);
  return true;
}

bool TApplication::IsShortCut(const TMessage& message) {
  if (message.Msg != WM_KEYDOWN && message.Msg != WM_SYSKEYDOWN) return false;
  if (!message.Window) return false;
  // The form that holds the keyboard's target gets the key first.
  auto* form = dynamic_cast<TForm*>(&message.Window->TopLevel());
  if (!form || !form->AcceptsInput()) return false;
  return form->IsShortCut(int(message.WParam), ShiftOf(message.Keys) & (ssShift | ssCtrl | ssAlt));
}

void TApplication::Idle() {
  ++IdlePasses;
  Manager.UpdateHover();
  bool done = true;
  if (IdleHook) {
    // Keep the hook alive while it runs: it may replace or clear itself.
    TIdleHook hook = IdleHook;
    hook(done);
  }
  if (done) {
    if (MainForm) MainForm->UpdateActions();
    Manager.WaitMessage();
  }
}

void TApplication::HandleException() {
  try {
    throw;
  } catch (const Exception& e) {
    ShowException(e.Message);
  } catch (const std::exception& e) {
    ShowException(e.what());
  } catch (...) {
    ShowException("Unknown exception");
  }
}

std::string ErrorBoxText(const std::string& message) {
  if (!message.empty() && (unsigned char)message.back() > '.') return message + ".";
  return message;
}

void TApplication::ShowException(const std::string& message) {
  if (TWindow* capture = Manager.Capture()) Manager.SendMessage(capture, WM_CANCELMODE);
  TModalScope modal(Manager);
  Dialogs.MessageBox(HiddenWindow.get(), ErrorBoxText(message), Title, TMessageIcon::Error);
}
