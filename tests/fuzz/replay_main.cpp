// The map reader's fuzz test where libFuzzer is not at hand: every corpus
// file and the writer's whole files, then a fixed sequence of mutations of
// them, each loaded as Open loads a file and checked.
//
//   map_reader_fuzz CORPUS_FOLDER [--mutations N] [--start S]
//   map_reader_fuzz --write-seeds FOLDER   (the writer's files, for libFuzzer)
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/fuzz/byte_mutator.h"
#include "tests/fuzz/corpus_files.h"
#include "tests/fuzz/map_load_check.h"
#include "tests/fuzz/writer_seeds.h"

namespace {

constexpr long DefaultMutations = 100000;
constexpr uint64_t DefaultStart = 20240611;

struct TOptions {
  std::string Corpus;
  long Mutations = DefaultMutations;
  uint64_t Start = DefaultStart;
};

bool ParseOptions(int argc, char** argv, TOptions& options) {
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg == "--mutations" && i + 1 < argc) options.Mutations = std::atol(argv[++i]);
    else if (arg == "--start" && i + 1 < argc) options.Start = std::strtoull(argv[++i], nullptr, 10);
    else if (options.Corpus.empty() && !arg.starts_with("--")) options.Corpus = arg;
    else return false;
  }
  return !options.Corpus.empty() && options.Mutations >= 0;
}

// Keeps the input that broke a promise beside the test's output.
void ReportFailure(const std::string& what, const std::string& bytes, const std::string& problem) {
  std::string keptAs = "map-fuzz-failure.vnkmap";
  bool kept = WriteWholeFile(keptAs, bytes);
  std::fprintf(stderr, "FAILED on %s (%zu bytes%s%s): %s\n", what.c_str(), bytes.size(),
               kept ? ", kept as " : "", kept ? keptAs.c_str() : "", problem.c_str());
}

int WriteSeeds(const std::string& folder) {
  std::vector<std::string> seeds = WriterSeeds();
  for (size_t i = 0; i < seeds.size(); ++i) {
    std::string name = folder + "/writer-" + std::to_string(i) + ".vnkmap";
    if (!WriteWholeFile(name, seeds[i])) {
      std::fprintf(stderr, "cannot write %s\n", name.c_str());
      return 1;
    }
  }
  return 0;
}

int Run(const TOptions& options) {
  std::vector<std::string> seeds = WriterSeeds();
  size_t writerSeeds = seeds.size();
  std::vector<TCorpusFile> corpus = ReadCorpus(options.Corpus);
  for (const TCorpusFile& file : corpus) seeds.push_back(file.Bytes);
  auto started = std::chrono::steady_clock::now();
  TMapLoadCheck check;
  for (size_t i = 0; i < seeds.size(); ++i) {
    std::string problem = check.Check(seeds[i]);
    std::string what = i < writerSeeds ? "writer seed " + std::to_string(i) : corpus[i - writerSeeds].Name;
    if (!problem.empty()) {
      ReportFailure(what, seeds[i], problem);
      return 1;
    }
  }
  TByteMutator mutator(seeds, options.Start);
  for (long i = 0; i < options.Mutations; ++i) {
    std::string bytes = mutator.Next();
    std::string problem = check.Check(bytes);
    if (!problem.empty()) {
      ReportFailure("mutation " + std::to_string(i), bytes, problem);
      return 1;
    }
  }
  double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  std::printf("map reader fuzz: %zu corpus files, %zu writer files, %ld mutations; %ld loaded, %ld refused; %.1f s\n",
              corpus.size(), writerSeeds, options.Mutations, check.Loads, check.Refusals, seconds);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    if (argc == 3 && std::string(argv[1]) == "--write-seeds") return WriteSeeds(argv[2]);
    TOptions options;
    if (!ParseOptions(argc, argv, options)) {
      std::fprintf(stderr, "usage: %s CORPUS_FOLDER [--mutations N] [--start S]\n", argv[0]);
      return 2;
    }
    return Run(options);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "FAILED: %s\n", e.what());
    return 1;
  }
}
