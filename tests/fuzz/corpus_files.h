#pragma once
// The files of a corpus folder, read whole, in the order of their names so
// that a run does not depend on the order the folder lists them in.
#include <string>
#include <vector>

struct TCorpusFile {
  std::string Name;
  std::string Bytes;
};

// Throws std::runtime_error when the folder cannot be read or is empty.
std::vector<TCorpusFile> ReadCorpus(const std::string& folder);

// Writes `bytes` to `fileName`; false when that failed.
bool WriteWholeFile(const std::string& fileName, const std::string& bytes);
