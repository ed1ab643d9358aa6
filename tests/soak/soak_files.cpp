#include "tests/soak/soak_files.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace {

constexpr const char* NotFound = "File not found.";
constexpr const char* InvalidName = "Invalid filename.";
constexpr const char* AccessDenied = "File access denied.";
constexpr const char* Malformed = "Invalid numeric input.";

void WriteFile(const std::string& name, const std::string& bytes) {
  std::ofstream file(name, std::ios::binary);
  file << bytes;
  if (!file.flush()) throw std::runtime_error("cannot write " + name);
}

// A short file in the writer's layout, with signs and hex: the reader keeps
// each number's low 8 bits and leaves the cells after the data water.
const std::string ShortText = "  17  42 200\r\n 300  -1 $1F 0x3c";
const std::vector<uint8_t> ShortCodes = {17, 42, 200, 300 & 0xFF, 0xFF, 0x1F, 0x3C};

}  // namespace

TSoakFiles::TSoakFiles() {
  Folder = (fs::temp_directory_path() / ("varnock-soak-" + std::to_string(::getpid()))).string();
  fs::remove_all(Folder);
  fs::create_directories(Folder);
  MakeHandMadeFiles();
  std::string missingFolder = Folder + "/missing/x.vnkmap";
  std::string fileAsFolder = Folder + "/short.vnkmap/x.vnkmap";
  ForSave = {Folder + "/a.vnkmap", Folder + "/b.vnkmap", Folder + "/c.vnkmap", missingFolder, fileAsFolder, Folder};
  SaveFailures = {{missingFolder, InvalidName}, {fileAsFolder, InvalidName}, {Folder, AccessDenied}};
  ForOpen = {Folder + "/a.vnkmap",     Folder + "/b.vnkmap", Folder + "/c.vnkmap", Folder + "/short.vnkmap",
             Folder + "/bad.vnkmap",   Folder + "/none.vnkmap", missingFolder,     fileAsFolder, Folder};
  // Until they are saved, the files the editor writes are missing too.
  OpenFailures = {{Folder + "/a.vnkmap", NotFound},   {Folder + "/b.vnkmap", NotFound},
                  {Folder + "/c.vnkmap", NotFound},   {Folder + "/bad.vnkmap", Malformed},
                  {Folder + "/none.vnkmap", NotFound}, {missingFolder, InvalidName},
                  {fileAsFolder, InvalidName},         {Folder, AccessDenied}};
}

TSoakFiles::~TSoakFiles() {
  std::error_code ignored;
  fs::remove_all(Folder, ignored);
}

void TSoakFiles::MakeHandMadeFiles() {
  WriteFile(Folder + "/short.vnkmap", ShortText);
  TMapCells shortMap{};
  for (size_t i = 0; i < ShortCodes.size(); ++i) shortMap[i] = ShortCodes[i];
  Readable[Folder + "/short.vnkmap"] = shortMap;
  // Row 0 whole, then a malformed first number of row 1.
  std::string bad;
  for (int i = 0; i < MapSide; ++i) bad += "   7";
  WriteFile(Folder + "/bad.vnkmap", bad + "\r\n  12a\r\n");
}

TSoakFiles::TOpenOutcome TSoakFiles::ExpectOpen(const std::string& name) const {
  if (auto it = Readable.find(name); it != Readable.end()) return {it->second, ""};
  if (auto it = OpenFailures.find(name); it != OpenFailures.end()) return {std::nullopt, it->second};
  throw std::logic_error("no outcome known for " + name);
}

std::string TSoakFiles::ExpectSaveFailure(const std::string& name) const {
  auto it = SaveFailures.find(name);
  return it == SaveFailures.end() ? "" : it->second;
}

void TSoakFiles::Saved(const std::string& name, const TMapCells& map) {
  Readable[name] = map;
  OpenFailures.erase(name);
}

std::vector<uint8_t> TSoakFiles::HandMadeCodes() const { return ShortCodes; }
