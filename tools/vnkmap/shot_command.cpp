// vnkmap shot OUT: the editor's main window right after start-up, as a picture.
#include <cstdio>

#include "app/startup.h"
#include "platform/headless_backend.h"
#include "platform/image_io.h"
#include "tools/vnkmap/commands.h"
#include "tools/vnkmap/console_dialogs.h"

namespace {
// Start-up is done once the loop has found its queue empty this often.
constexpr int IdlePassesBeforeShot = 2;
}  // namespace

int ShotCommand(const std::vector<std::string>& args) {
  if (args.size() != 1) throw EUsage{};
  THeadlessBackend backend;
  TConsoleDialogs dialogs;
  TEditor editor(backend, dialogs);
  editor.Form->Show();
  while (editor.App.IdlePasses < IdlePassesBeforeShot && !editor.App.Terminated) editor.App.HandleMessage();
  SaveImage(editor.Form->Framebuffer(), args[0]);
  return dialogs.Shown ? 1 : 0;
}
