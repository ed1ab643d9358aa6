#pragma once
// Inputs for the map reader when libFuzzer is not at hand: seeds changed by a
// few mutations aimed at the file format (digits, signs, hex prefixes, the
// end-of-data byte, blanks, high bytes, long runs, cuts and splices). The
// sequence depends only on the seeds and the start value.
#include <cstdint>
#include <random>
#include <string>
#include <vector>

class TByteMutator {
 public:
  TByteMutator(std::vector<std::string> seeds, uint64_t start);

  // The next input: a seed, or now and then the previous input, changed by
  // one to four mutations.
  std::string Next();

  // Inputs grow no larger than this.
  static constexpr size_t MaxSize = 64 * 1024;

 private:
  size_t Below(size_t bound);
  void Mutate(std::string& bytes);
  void ChangeByte(std::string& bytes);
  void InsertPiece(std::string& bytes);
  void InsertRun(std::string& bytes);
  void Truncate(std::string& bytes);
  void EraseRange(std::string& bytes);
  void Splice(std::string& bytes);

  std::vector<std::string> Seeds;
  std::mt19937_64 Random;  // its output is fixed by the standard
  std::string Previous;
};
