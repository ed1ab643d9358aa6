#include "tests/fuzz/map_load_check.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>

#include "map/in_out_error.h"
#include "map/map_file.h"
#include "tests/fuzz/expected_load.h"

namespace {

int OpenNullDevice() { return ::open("/dev/null", O_RDONLY | O_CLOEXEC); }

}  // namespace

bool IsKnownInOutMessage(const std::string& message) {
  static const char* const Fixed[] = {"File not found",          "Invalid filename", "Too many open files",
                                      "File access denied",      "Read beyond end of file", "Disk full",
                                      "Invalid numeric input"};
  for (const char* text : Fixed)
    if (message == text) return true;
  const std::string numbered = "I/O error ";
  if (!message.starts_with(numbered) || message.size() == numbered.size()) return false;
  std::string number = message.substr(numbered.size());
  size_t digitsFrom = number[0] == '-' ? 1 : 0;
  return number.size() > digitsFrom && number.find_first_not_of("0123456789", digitsFrom) == std::string::npos;
}

TMapLoadCheck::TMapLoadCheck() {
  ScratchName = (std::filesystem::temp_directory_path() /
                 ("varnock-map-fuzz-" + std::to_string(::getpid()) + ".vnkmap")).string();
  for (int i = 0; i < MapCellCount; ++i) {
    EditorMap[i] = uint8_t(i % 100 + 1);
    Guard[i] = uint8_t(i % 251 + 3);
  }
  // The handle every open gets while nothing is leaked.
  LowestFreeHandle = OpenNullDevice();
  ::close(LowestFreeHandle);
}

TMapLoadCheck::~TMapLoadCheck() { ::unlink(ScratchName.c_str()); }

bool TMapLoadCheck::WriteScratch(std::string_view bytes) {
  // A new file each time rather than the old one cut to nothing: ext4 sends
  // a file that was truncated and filled again to the disk when it is
  // closed, which costs far more than the load.
  ::unlink(ScratchName.c_str());
  int handle = ::open(ScratchName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  if (handle < 0) return false;
  size_t written = 0;
  while (written < bytes.size()) {
    ssize_t n = ::write(handle, bytes.data() + written, bytes.size() - written);
    if (n <= 0) break;
    written += size_t(n);
  }
  return ::close(handle) == 0 && written == bytes.size();
}

bool TMapLoadCheck::FileHandleLeaked() const {
  int handle = OpenNullDevice();
  ::close(handle);
  return handle != LowestFreeHandle;
}

std::string TMapLoadCheck::Check(std::string_view bytes) {
  if (!WriteScratch(bytes)) return "the scratch file " + ScratchName + " could not be written";
  // As Open does it: a grid of its own, and the map replaced only on success.
  TMapCells loaded = Guard;
  int rows = 0;
  std::string problem;
  try {
    LoadMapFile(ScratchName, loaded, [&rows] { ++rows; });
    problem = CheckLoaded(bytes, loaded, rows);
    EditorMap = loaded;
    ++Loads;
  } catch (const EInOutError& e) {
    problem = CheckRefused(bytes, loaded, rows, e.Message, e.ErrorCode);
    ++Refusals;
  } catch (const std::exception& e) {
    problem = std::string("an exception other than EInOutError: ") + e.what();
  }
  if (problem.empty() && PendingInOutError() != 0)
    problem = "an I/O code was left pending: " + std::to_string(PendingInOutError());
  if (problem.empty() && FileHandleLeaked()) problem = "a file handle was left open";
  return problem;
}

std::string TMapLoadCheck::CheckLoaded(std::string_view bytes, const TMapCells& loaded, int rows) {
  TExpectedLoad expected = ExpectedLoad(bytes);
  if (expected.FailingCell >= 0)
    return "loaded although the number for cell " + std::to_string(expected.FailingCell) + " is malformed";
  if (rows != MapSide) return "a successful load reported " + std::to_string(rows) + " rows";
  for (int i = 0; i < MapCellCount; ++i)
    if (loaded[i] != expected.Cells[i])
      return "cell " + std::to_string(i) + " loaded as " + std::to_string(loaded[i]) + ", the file says " +
             std::to_string(expected.Cells[i]);
  return {};
}

std::string TMapLoadCheck::CheckRefused(std::string_view bytes, const TMapCells& loaded, int rows,
                                        const std::string& message, int errorCode) {
  if (!IsKnownInOutMessage(message)) return "refused with an unknown message: \"" + message + "\"";
  if (loaded != Guard) return "a refused load changed the grid it was given";
  TExpectedLoad expected = ExpectedLoad(bytes);
  // A scratch file that was just written opens and reads; only its numbers
  // can be at fault.
  if (expected.FailingCell < 0) return "refused a well-formed file: \"" + message + "\"";
  if (errorCode != InvalidNumericInput || message != "Invalid numeric input")
    return "a malformed number was refused as \"" + message + "\" (code " + std::to_string(errorCode) + ")";
  int expectedRows = expected.FailingCell / MapSide;
  if (rows != expectedRows)
    return "a load refused in row " + std::to_string(expectedRows) + " reported " + std::to_string(rows) +
           " finished rows";
  return {};
}
