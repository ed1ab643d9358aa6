#include "tests/soak/process_memory.h"

#include <fstream>
#include <string>

long ResidentKiB() {
  std::ifstream status("/proc/self/status");
  std::string line;
  const std::string key = "VmRSS:";
  while (std::getline(status, line))
    if (line.starts_with(key)) return std::stol(line.substr(key.size()));
  return -1;
}
