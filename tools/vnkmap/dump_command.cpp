// vnkmap dump FILE: the codes of the map, one line per row, for scripts.
#include <cstdio>

#include "map/map_file.h"
#include "platform/exception.h"
#include "tools/vnkmap/commands.h"

int DumpCommand(const std::vector<std::string>& args) {
  if (args.size() != 1) throw EUsage{};
  TMapCells grid;
  try {
    LoadMapFile(args[0], grid, {});
  } catch (const Exception& e) {
    return ReportMapFailure(e);
  }
  std::string text;
  for (int row = 0; row < MapSide; ++row)
    for (int column = 0; column < MapSide; ++column)
      text += std::to_string(GetCell(grid, column, row)) + (column + 1 < MapSide ? " " : "\n");
  std::fwrite(text.data(), 1, text.size(), stdout);
  return 0;
}
