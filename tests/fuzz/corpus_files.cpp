#include "tests/fuzz/corpus_files.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

std::vector<TCorpusFile> ReadCorpus(const std::string& folder) {
  std::vector<TCorpusFile> files;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (!entry.is_regular_file()) continue;
    std::ifstream file(entry.path(), std::ios::binary);
    if (!file) throw std::runtime_error("cannot read " + entry.path().string());
    files.push_back({entry.path().filename().string(),
                     std::string{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()}});
  }
  if (files.empty()) throw std::runtime_error("no files in the corpus folder " + folder);
  std::sort(files.begin(), files.end(), [](const TCorpusFile& a, const TCorpusFile& b) { return a.Name < b.Name; });
  return files;
}

bool WriteWholeFile(const std::string& fileName, const std::string& bytes) {
  std::ofstream file(fileName, std::ios::binary | std::ios::trunc);
  file.write(bytes.data(), std::streamsize(bytes.size()));
  file.close();
  return bool(file);
}
