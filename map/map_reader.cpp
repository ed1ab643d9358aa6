#include "map/in_out_error.h"
#include "map/map_file.h"
#include "map/text_channel.h"

namespace {

void ReadRows(TTextChannel& channel, TMapCells& grid, const TRowCallback& afterRow) {
  for (int row = 0; row < MapSide; ++row) {
    for (int column = 0; column < MapSide; ++column) {
      grid[row * MapSide + column] = uint8_t(channel.ReadNumber());
      CheckInOut();
    }
    if (afterRow) afterRow();
  }
}

}  // namespace

void ReadMapFile(const std::string& fileName, TMapCells& grid, const TRowCallback& afterRow) {
  TTextChannel channel(fileName);
  channel.OpenForReading();
  CheckInOut();
  try {
    ReadRows(channel, grid, afterRow);
  } catch (...) {
    // A failure in closing replaces the one in flight.
    channel.Close();
    CheckInOut();
    throw;
  }
  channel.Close();
  CheckInOut();
}

void LoadMapFile(const std::string& fileName, TMapCells& loaded, const TRowCallback& afterRow) {
  TMapCells scratch{};
  ReadMapFile(fileName, scratch, afterRow);
  loaded = scratch;
}
