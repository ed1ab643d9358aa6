// The map reader under libFuzzer: each input is loaded as Open loads a file;
// a broken promise ends the run like a crash, so libFuzzer keeps the input.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "tests/fuzz/map_load_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // Made on first use and kept: its destructor removes the scratch file at exit.
  static TMapLoadCheck check;
  std::string problem = check.Check(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!problem.empty()) {
    std::fprintf(stderr, "map reader fuzz: %s\n", problem.c_str());
    std::abort();
  }
  return 0;
}
