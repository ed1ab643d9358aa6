// Saving and loading a whole map, each as a ratio to its floor measured in
// the same run: the same 39402 bytes written or read with one plain system
// call. Every operation here, floors included, opens and closes its file,
// as a save or load must. Also: how much of a save is the wait for the disk.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "bench/ratio_reporter.h"
#include "map/map_file.h"

namespace {

class TBenchFolder {
 public:
  TBenchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "varnock-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) std::abort();
    Path = pattern;
  }
  ~TBenchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(Path, ignored);
  }
  std::string Path;
};

TBenchFolder& Folder() {
  static TBenchFolder folder;
  return folder;
}

std::string FileName(const char* name) { return Folder().Path + "/" + name; }

TMapCells BenchMap() {
  TMapCells grid;
  for (int i = 0; i < MapCellCount; ++i) grid[i] = uint8_t(i * 37 % 256);
  return grid;
}

// The bytes of a saved map, for the floors to write.
const std::string& MapBytes() {
  static const std::string bytes = [] {
    WriteMapFile(FileName("bytes.vnkmap"), BenchMap(), {});
    std::string all(64 * 1024, '\0');
    int fd = open(FileName("bytes.vnkmap").c_str(), O_RDONLY);
    ssize_t n = read(fd, all.data(), all.size());
    close(fd);
    all.resize(n > 0 ? size_t(n) : 0);
    return all;
  }();
  return bytes;
}

void FloorWrite(benchmark::State& state, bool sync) {
  const std::string& bytes = MapBytes();
  const std::string name = FileName("floor.vnkmap");
  for (auto _ : state) {
    // Written over in place, not truncated: ext4 flushes a file that was
    // truncated and written again when it is closed, and the floor would then
    // wait for the disk even without fsync.
    int fd = open(name.c_str(), O_WRONLY | O_CREAT, 0666);
    if (write(fd, bytes.data(), bytes.size()) != ssize_t(bytes.size())) state.SkipWithError("write failed");
    if (sync) fsync(fd);
    close(fd);
  }
}

void BM_FloorWrite(benchmark::State& state) { FloorWrite(state, false); }
void BM_FloorWriteSynced(benchmark::State& state) { FloorWrite(state, true); }

void BM_FloorRead(benchmark::State& state) {
  std::vector<char> buffer(64 * 1024);
  const std::string name = FileName("bytes.vnkmap");
  MapBytes();
  for (auto _ : state) {
    int fd = open(name.c_str(), O_RDONLY);
    ssize_t n = read(fd, buffer.data(), buffer.size());
    close(fd);
    if (n != ssize_t(MapBytes().size())) state.SkipWithError("short read");
    benchmark::DoNotOptimize(buffer.data());
  }
}

void Save(benchmark::State& state, bool sync) {
  const TMapCells grid = BenchMap();
  const std::string name = FileName("save.vnkmap");
  for (auto _ : state) WriteMapFile(name, grid, {}, TWriteOptions{sync});
}

void BM_Save(benchmark::State& state) { Save(state, true); }
void BM_SaveWithoutSync(benchmark::State& state) { Save(state, false); }

void BM_Load(benchmark::State& state) {
  MapBytes();
  const std::string name = FileName("bytes.vnkmap");
  TMapCells grid;
  for (auto _ : state) {
    LoadMapFile(name, grid, {});
    benchmark::DoNotOptimize(grid.data());
  }
}

BENCHMARK(BM_FloorWrite)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FloorWriteSynced)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Save)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SaveWithoutSync)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FloorRead)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Load)->Unit(benchmark::kMicrosecond);

void PrintRatio(const TRatioReporter& r, const char* what, const char* measured, const char* floor) {
  if (auto ratio = r.Ratio(measured, floor)) std::printf("%-44s %8.2f x %s\n", what, *ratio, floor);
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  TRatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  std::printf("\n");
  PrintRatio(reporter, "save, waiting for the disk:", "BM_Save", "BM_FloorWriteSynced");
  PrintRatio(reporter, "save, not waiting for the disk:", "BM_SaveWithoutSync", "BM_FloorWrite");
  PrintRatio(reporter, "load:", "BM_Load", "BM_FloorRead");
  auto save = reporter.Seconds.find("BM_Save"), fast = reporter.Seconds.find("BM_SaveWithoutSync");
  if (save != reporter.Seconds.end() && fast != reporter.Seconds.end() && save->second > 0)
    std::printf("%-44s %8.1f %%\n", "share of a save spent waiting for the disk:",
                100.0 * (save->second - fast->second) / save->second);
  benchmark::Shutdown();
  return 0;
}
