#pragma once
// The files the soak opens and saves, in a scratch folder of its own, and what
// each must do: files saved by the editor hold the map they were saved with,
// hand-made files hold known codes or a malformed number, and some names fail
// (a missing file, a missing folder, a file where a folder should be, the
// folder itself).
#include <array>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "map/map_grid.h"

class TSoakFiles {
 public:
  TSoakFiles();
  ~TSoakFiles();
  TSoakFiles(const TSoakFiles&) = delete;
  TSoakFiles& operator=(const TSoakFiles&) = delete;

  // Names a dialog may answer with.
  const std::vector<std::string>& OpenNames() const { return ForOpen; }
  const std::vector<std::string>& SaveNames() const { return ForSave; }

  // What opening `name` must give: a map, or else the error box's text.
  struct TOpenOutcome {
    std::optional<TMapCells> Map;
    std::string Message;
  };
  TOpenOutcome ExpectOpen(const std::string& name) const;
  // The error box's text a save to `name` must show; empty when it succeeds.
  std::string ExpectSaveFailure(const std::string& name) const;
  // A save to `name` succeeded: the file now holds `map`.
  void Saved(const std::string& name, const TMapCells& map);

  // The codes the hand-made files hold.
  std::vector<uint8_t> HandMadeCodes() const;

 private:
  void MakeHandMadeFiles();

  std::string Folder;
  std::vector<std::string> ForOpen;
  std::vector<std::string> ForSave;
  // Files that open, with the map each gives.
  std::map<std::string, TMapCells> Readable;
  // Names that fail, with the error box's text.
  std::map<std::string, std::string> OpenFailures;
  std::map<std::string, std::string> SaveFailures;
};
