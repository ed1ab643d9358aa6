// vnkmap: the editor's command-line companion for scripting and checks.
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "tools/vnkmap/commands.h"

namespace {
constexpr const char* Usage = "usage: vnkmap shot OUT.png|OUT.bmp\n";
}

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fputs(Usage, stderr);
    return 2;
  }
  std::string command = argv[1];
  std::vector<std::string> args(argv + 2, argv + argc);
  try {
    if (command == "shot") return ShotCommand(args);
  } catch (const EUsage&) {
  } catch (const std::exception& e) {
    std::fprintf(stderr, "vnkmap: %s\n", e.what());
    return 1;
  }
  std::fputs(Usage, stderr);
  return 2;
}
