#pragma once
// One fuzz input taken as the editor's Open takes a file: the bytes go into a
// scratch file, the file is loaded into a grid of its own, and only a load
// that succeeds replaces the map. Then every promise of the reader is checked
// against the format's own rules (tests/fuzz/expected_load.h).
#include <string>
#include <string_view>

#include "map/map_grid.h"

class TMapLoadCheck {
 public:
  // The scratch file lies in the temporary folder, named after the process.
  TMapLoadCheck();
  ~TMapLoadCheck();
  TMapLoadCheck(const TMapLoadCheck&) = delete;
  TMapLoadCheck& operator=(const TMapLoadCheck&) = delete;

  // Empty when every promise held, else what was broken.
  std::string Check(std::string_view bytes);

  // The map as the editor would hold it after the inputs so far.
  const TMapCells& Map() const { return EditorMap; }
  long Loads = 0;
  long Refusals = 0;

 private:
  bool WriteScratch(std::string_view bytes);
  std::string CheckLoaded(std::string_view bytes, const TMapCells& loaded, int rows);
  std::string CheckRefused(std::string_view bytes, const TMapCells& loaded, int rows, const std::string& message,
                           int errorCode);
  bool FileHandleLeaked() const;

  std::string ScratchName;
  TMapCells EditorMap{};
  // What the grid handed to the reader holds before each load: no cell water,
  // so a cell the reader touched or forgot to clear shows.
  TMapCells Guard{};
  int LowestFreeHandle = -1;
};

// Whether `message` is one of the texts an EInOutError may carry.
bool IsKnownInOutMessage(const std::string& message);
