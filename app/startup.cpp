#include "app/startup.h"

#include <cstdio>

#include "platform/exception.h"

namespace {
constexpr const char* ApplicationTitle = "Varnock";
constexpr const char* ModuleName = "varnock";
}  // namespace

TEditor::TEditor(TBackend& backend, TDialogs& dialogs) : App(backend, dialogs) {
  App.Title = ApplicationTitle;
  Form = CreateMainWindow(App);
  App.MainForm = Form.get();
  App.Manager.SetQuitTarget(Form.get());
}

std::string LastChanceReport(const std::exception& e, const std::string& moduleName) {
  const Exception* own = dynamic_cast<const Exception*>(&e);
  std::string message = e.what();
  bool endsWithStop = !message.empty() && message.back() == '.';
  char address[32];
  std::snprintf(address, sizeof address, "%p", own ? own->Address : nullptr);
  return "Exception " + std::string(own ? own->ClassName() : "Exception") + " in module " + moduleName + " at " +
         address + ".\r\n" + message + (endsWithStop ? "" : ".") + "\r\n";
}

int RunEditor(TBackend& backend, TDialogs& dialogs) {
  std::unique_ptr<TEditor> editor;
  try {
    editor = std::make_unique<TEditor>(backend, dialogs);
  } catch (const std::exception& e) {
    dialogs.MessageBox(nullptr, LastChanceReport(e, ModuleName), "Application Error", TMessageIcon::Error);
    return 1;
  }
  editor->App.Run();
  return 0;
}
