// vnkmap: the editor's command-line companion for scripting and checks.
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "tools/vnkmap/commands.h"

namespace {
constexpr const char* Usage =
    "usage: vnkmap shot OUT.png|OUT.bmp\n"
    "       vnkmap check FILE\n"
    "       vnkmap dump FILE\n"
    "       vnkmap copy IN OUT\n"
    "       vnkmap render FILE|--new OUT.png|OUT.bmp [--scroll X,Y]\n"
    "       vnkmap generate IN|--new OUT [--times N]\n";
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
    if (command == "check") return CheckCommand(args);
    if (command == "dump") return DumpCommand(args);
    if (command == "copy") return CopyCommand(args);
    if (command == "render") return RenderCommand(args);
    if (command == "generate") return GenerateCommand(args);
  } catch (const EUsage&) {
  } catch (const std::exception& e) {
    std::fprintf(stderr, "vnkmap: %s\n", e.what());
    return 1;
  }
  std::fputs(Usage, stderr);
  return 2;
}
