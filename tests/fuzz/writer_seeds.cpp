#include "tests/fuzz/writer_seeds.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "map/map_file.h"

namespace {

std::string WrittenBytes(const TMapCells& map) {
  std::string name = (std::filesystem::temp_directory_path() /
                      ("varnock-writer-seed-" + std::to_string(::getpid()) + ".vnkmap")).string();
  // The bytes are what matters, not their way to the disk.
  WriteMapFile(name, map, nullptr, TWriteOptions{.SyncToDisk = false});
  std::ifstream file(name, std::ios::binary);
  std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  std::filesystem::remove(name);
  return bytes;
}

}  // namespace

std::vector<std::string> WriterSeeds() {
  TMapCells water{};
  TMapCells varied{};
  // A stride prime to 256 walks through every code, one, two and three digits.
  for (int i = 0; i < MapCellCount; ++i) varied[i] = uint8_t(i * 37);
  return {WrittenBytes(water), WrittenBytes(varied)};
}
