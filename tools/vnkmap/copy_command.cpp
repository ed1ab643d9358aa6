// vnkmap copy IN OUT: opens IN and saves it as OUT, as the editor would;
// OUT is replaced only by a complete file.
#include "map/map_file.h"
#include "platform/exception.h"
#include "tools/vnkmap/commands.h"

int CopyCommand(const std::vector<std::string>& args) {
  if (args.size() != 2) throw EUsage{};
  try {
    TMapCells grid;
    LoadMapFile(args[0], grid, {});
    WriteMapFile(args[1], grid, {});
  } catch (const Exception& e) {
    return ReportMapFailure(e);
  }
  return 0;
}
