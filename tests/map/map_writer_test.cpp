#include <gtest/gtest.h>

#include "map/in_out_error.h"
#include "map/map_file.h"
#include "map/text_channel.h"
#include "tests/map/file_test_support.h"

namespace {

constexpr size_t LineBytes = 398;
constexpr size_t MapFileBytes = 39402;

std::string Repeated(const std::string& text, int times) {
  std::string all;
  for (int i = 0; i < times; ++i) all += text;
  return all;
}

TEST(MapWriter, AnAllWaterMapIs99LinesOf99Zeros) {
  TTempFolder folder;
  TMapCells water{};
  int rows = 0;
  WriteMapFile(folder / "w.vnkmap", water, [&] { ++rows; });
  EXPECT_EQ(rows, 99);
  const std::string bytes = ReadWholeFile(folder / "w.vnkmap");
  EXPECT_EQ(bytes.size(), MapFileBytes);
  EXPECT_EQ(bytes, Repeated(Repeated("   0", 99) + "\r\n", 99));
}

TEST(MapWriter, FieldsAreRightAlignedInFourCharacters) {
  TTempFolder folder;
  TMapCells grid{};
  grid[0] = 0;
  grid[1] = 25;
  grid[2] = 1;
  grid[98] = 255;
  grid[99] = 100;
  grid[9800] = 7;
  WriteMapFile(folder / "m.vnkmap", grid, {});
  const std::string bytes = ReadWholeFile(folder / "m.vnkmap");
  ASSERT_EQ(bytes.size(), MapFileBytes);
  EXPECT_EQ(bytes.substr(0, 12), "   0  25   1");
  EXPECT_EQ(bytes.substr(LineBytes - 6, 6), " 255\r\n");
  EXPECT_EQ(bytes.substr(LineBytes, 4), " 100");
  EXPECT_EQ(bytes.substr(MapFileBytes - 6), "   7\r\n");
}

TEST(MapWriter, EveryCodeSurvivesARoundTrip) {
  TTempFolder folder;
  TMapCells grid;
  for (int i = 0; i < MapCellCount; ++i) grid[i] = uint8_t(255 - i % 256);
  WriteMapFile(folder / "m.vnkmap", grid, {});
  const std::string bytes = ReadWholeFile(folder / "m.vnkmap");
  EXPECT_EQ(bytes.size(), MapFileBytes);
  EXPECT_EQ(bytes.find_first_not_of(" 0123456789\r\n"), std::string::npos);
  for (size_t line = 0; line < 99; ++line) ASSERT_EQ(bytes.substr(line * LineBytes + 396, 2), "\r\n") << line;
  EXPECT_EQ(LoadedMap(folder / "m.vnkmap"), grid);
}

TEST(MapWriter, SavingOverALongerFileLeavesExactlyTheMap) {
  TTempFolder folder;
  WriteWholeFile(folder / "m.vnkmap", std::string(100000, '9'));
  TMapCells grid{};
  WriteMapFile(folder / "m.vnkmap", grid, {});
  EXPECT_EQ(ReadWholeFile(folder / "m.vnkmap").size(), MapFileBytes);
}

// The new bytes go out in whole 128-byte blocks while the rows are written,
// into a temporary file beside the target, and the target keeps its old
// bytes until the complete file takes its place.
TEST(MapWriter, RowsReachTheDiskInWholeBlocksAndOnlyTheCloseReplacesTheTarget) {
  TTempFolder folder;
  const std::string old = "old map";
  WriteWholeFile(folder / "m.vnkmap", old);
  TMapCells grid{};
  int row = 0;
  std::vector<std::string> problems;
  WriteMapFile(folder / "m.vnkmap", grid, [&] {
    ++row;
    std::vector<std::string> names = folder.Names();
    if (names.size() != 2) return problems.push_back("row " + std::to_string(row) + ": no temporary file beside");
    const std::string& temp = names[0] == "m.vnkmap" ? names[1] : names[0];
    size_t expected = row * LineBytes / 128 * 128;
    size_t size = std::filesystem::file_size(folder / temp);
    if (size != expected)
      problems.push_back("row " + std::to_string(row) + ": " + std::to_string(size) + " bytes, not " +
                         std::to_string(expected));
    if (ReadWholeFile(folder / "m.vnkmap") != old) problems.push_back("target changed during the rows");
  });
  EXPECT_EQ(problems, std::vector<std::string>{});
  EXPECT_EQ(row * LineBytes / 128, 307u) << "307 blocks during the rows, the last 106 bytes at closing";
  EXPECT_EQ(ReadWholeFile(folder / "m.vnkmap").size(), MapFileBytes);
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"m.vnkmap"});
}

TEST(MapWriter, ASaveStoppedHalfWayLeavesTheOldFileAndNoTrace) {
  TTempFolder folder;
  WriteWholeFile(folder / "m.vnkmap", "old map");
  TMapCells grid{};
  int rows = 0;
  struct EStop {};
  EXPECT_THROW(WriteMapFile(folder / "m.vnkmap", grid,
                            [&] {
                              if (++rows == 50) throw EStop{};
                            }),
               EStop);
  EXPECT_EQ(ReadWholeFile(folder / "m.vnkmap"), "old map");
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"m.vnkmap"});
}

TEST(TextChannel, WriteFieldPadsToTheWidthAndNeverCuts) {
  const struct {
    int32_t Value;
    int Width;
    std::string Text;
  } cases[] = {
      {7, 4, "   7"},          {-5, 4, "  -5"},   {12345, 4, "12345"},
      {INT32_MIN, 4, "-2147483648"}, {0, 0, "0"}, {42, -3, "42"},
      {9, 40, std::string(39, ' ') + "9"},
  };
  TTempFolder folder;
  for (const auto& c : cases) {
    TTextChannel channel(folder / "f");
    channel.OpenForWriting();
    channel.WriteField(c.Value, c.Width);
    channel.EndLine();
    channel.Close();
    CheckInOut();
    EXPECT_EQ(ReadWholeFile(folder / "f"), c.Text + "\r\n") << c.Value << " " << c.Width;
  }
}

}  // namespace
