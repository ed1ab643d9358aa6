#include "map/in_out_error.h"
#include "map/map_file.h"
#include "map/text_channel.h"

namespace {

constexpr int FieldWidth = 4;

void WriteRows(TTextChannel& channel, const TMapCells& grid, const TRowCallback& afterRow) {
  for (int row = 0; row < MapSide; ++row) {
    for (int column = 0; column < MapSide; ++column) {
      channel.WriteField(grid[row * MapSide + column], FieldWidth);
      CheckInOut();
    }
    channel.EndLine();
    CheckInOut();
    if (afterRow) afterRow();
  }
}

}  // namespace

void WriteMapFile(const std::string& fileName, const TMapCells& grid, const TRowCallback& afterRow,
                  const TWriteOptions& options) {
  TTextChannel channel(fileName);
  channel.SyncOnClose = options.SyncToDisk;
  channel.OpenForWriting();
  CheckInOut();
  try {
    WriteRows(channel, grid, afterRow);
  } catch (...) {
    // The half-written file is thrown away rather than closed into place, so
    // closing has nothing left that could fail: the first error stands.
    channel.Abandon();
    throw;
  }
  channel.Close();
  CheckInOut();
}
