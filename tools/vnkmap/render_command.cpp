// vnkmap render FILE|--new OUT [--scroll X,Y]: one frame of the map view.
#include <cstdio>

#include "app/startup.h"
#include "platform/headless_backend.h"
#include "platform/image_io.h"
#include "tools/vnkmap/commands.h"
#include "tools/vnkmap/console_dialogs.h"

namespace {
struct TRenderArgs {
  std::string Input;  // empty: an all-water map
  std::string Output;
  int ScrollX = 0;
  int ScrollY = 0;
};

TRenderArgs ParseRenderArgs(const std::vector<std::string>& args) {
  TRenderArgs parsed;
  std::vector<std::string> plain;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--scroll") {
      if (i + 1 >= args.size()) throw EUsage{};
      int consumed = 0;
      if (std::sscanf(args[++i].c_str(), "%d,%d%n", &parsed.ScrollX, &parsed.ScrollY, &consumed) != 2 ||
          consumed != int(args[i].size()))
        throw EUsage{};
    } else {
      plain.push_back(args[i]);
    }
  }
  if (plain.size() != 2) throw EUsage{};
  if (plain[0] != "--new") parsed.Input = plain[0];
  parsed.Output = plain[1];
  return parsed;
}
}  // namespace

int RenderCommand(const std::vector<std::string>& args) {
  TRenderArgs parsed = ParseRenderArgs(args);
  THeadlessBackend backend;
  TConsoleDialogs dialogs;
  TEditor editor(backend, dialogs);
  TMain& form = *editor.Form;
  form.Show();
  while (editor.App.IdlePasses < 1) editor.App.HandleMessage();
  if (!parsed.Input.empty()) {
    form.FileOpen1->Dialog.FileName = parsed.Input;
    try {
      form.FileOpen1Accept(form.FileOpen1.get());
    } catch (const Exception& e) {
      return ReportMapFailure(e);
    }
  }
  // The scroll bars clamp the offsets into their ranges.
  form.scrGorizontal->SetPosition(parsed.ScrollX);
  form.scrVertical->SetPosition(parsed.ScrollY);
  form.DXTimer1Timer(form.DXTimer1.get(), 1);
  if (!form.DXDraw1->Surface()) {
    std::fputs("vnkmap: the map view has no surface\n", stderr);
    return 1;
  }
  SaveImage(form.DXDraw1->Surface()->Platform()->Pixels(), parsed.Output);
  return 0;
}
