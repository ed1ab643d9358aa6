// vnkmap check FILE: whether the editor would open the file without a message.
#include <cstdio>

#include "controls/application.h"
#include "map/map_file.h"
#include "platform/exception.h"
#include "tools/vnkmap/commands.h"

int ReportMapFailure(const Exception& e) {
  std::fprintf(stderr, "%s\n", ErrorBoxText(e.Message).c_str());
  return 1;
}

int CheckCommand(const std::vector<std::string>& args) {
  if (args.size() != 1) throw EUsage{};
  try {
    TMapCells grid;
    LoadMapFile(args[0], grid, {});
  } catch (const Exception& e) {
    return ReportMapFailure(e);
  }
  std::puts("OK");
  return 0;
}
