// vnkmap generate IN|--new OUT [--times N]: the landscape generator on a map
// file, from the random state of a fresh start.
#include <cstdio>
#include <cstdlib>

#include "edit/landscape.h"
#include "map/map_file.h"
#include "platform/exception.h"
#include "tools/vnkmap/commands.h"

int GenerateCommand(const std::vector<std::string>& args) {
  std::vector<std::string> plain;
  long times = 1;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] != "--times") {
      plain.push_back(args[i]);
      continue;
    }
    if (i + 1 >= args.size()) throw EUsage{};
    char* end = nullptr;
    times = std::strtol(args[++i].c_str(), &end, 10);
    if (*end || end == args[i].c_str() || times < 0 || times > 1000000) throw EUsage{};
  }
  if (plain.size() != 2) throw EUsage{};
  TMapCells map{};
  TRandom random;
  try {
    if (plain[0] != "--new") LoadMapFile(plain[0], map, {});
    for (long i = 0; i < times; ++i) GenerateLandscape(map, random);
    WriteMapFile(plain[1], map, {});
  } catch (const Exception& e) {
    return ReportMapFailure(e);
  }
  return 0;
}
