// The editor. It takes no command line and reads no settings.
#include <cstdio>
#include <exception>

#include "app/startup.h"
#include "platform/sdl_backend.h"
#include "platform/sdl_dialogs.h"

int main() {
  std::unique_ptr<TSdlBackend> backend;
  try {
    backend = std::make_unique<TSdlBackend>();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "varnock: no display: %s\n", e.what());
    return 1;
  }
  TSdlDialogs dialogs;
  return RunEditor(*backend, dialogs);
}
