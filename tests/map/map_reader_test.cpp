#include <gtest/gtest.h>

#include "map/in_out_error.h"
#include "map/map_file.h"
#include "platform/files.h"
#include "tests/map/file_test_support.h"

namespace {

struct TReadOutcome {
  TMapCells Grid{};
  int Code = 0;  // the EInOutError's code, 0 when none
  std::string Message;
  int Rows = 0;  // row callbacks seen
};

// Reads a file holding `bytes` into an all-water grid, as Open does.
TReadOutcome ReadBytes(const std::string& bytes) {
  TTempFolder folder;
  WriteWholeFile(folder / "m.vnkmap", bytes);
  TReadOutcome outcome;
  try {
    ReadMapFile(folder / "m.vnkmap", outcome.Grid, [&] { ++outcome.Rows; });
  } catch (const EInOutError& e) {
    outcome.Code = e.ErrorCode;
    outcome.Message = e.Message;
  }
  return outcome;
}

// A grid with every code 0..255 several times over, in no simple order.
TMapCells MixedGrid() {
  TMapCells grid;
  for (int i = 0; i < MapCellCount; ++i) grid[i] = uint8_t(i * 7 + i / 99);
  return grid;
}

std::string Joined(const TMapCells& grid, const std::string& separator) {
  std::string text;
  for (int i = 0; i < MapCellCount; ++i) text += std::to_string(grid[i]) + separator;
  return text;
}

bool AllZeroFrom(const TMapCells& grid, int first) {
  return std::all_of(grid.begin() + first, grid.end(), [](uint8_t c) { return c == 0; });
}

TEST(MapReader, NumbersAreStoredByTheirLowEightBits) {
  const std::pair<std::string, int> cases[] = {
      {"256", 0},        {"300", 44},          {"-1", 255},          {"+25", 25},
      {"$1F", 31},       {"0x1F", 31},         {"x1F", 31},          {"$FFFFFFFF", 255},
      {"-2147483648", 0}, {"2147483647", 255}, {"007", 7},           {"-$10", 240},
      {"$FF", 255},      {"0x1f", 31},         {"-256", 0},          {"65", 65},
  };
  for (const auto& [token, stored] : cases) {
    TReadOutcome r = ReadBytes("9 " + token + " 9");
    EXPECT_EQ(r.Code, 0) << token;
    EXPECT_EQ(r.Grid[1], stored) << token;
    EXPECT_EQ(r.Grid[2], 9) << token;
  }
}

TEST(MapReader, AMalformedNumberStopsTheLoadAtItsCell) {
  const std::string cases[] = {"2147483648", "$100000000", "1.5", "12a", "-",   "$",
                               "0x",         "+-5",        "$-5", "0xG", "\x80", "\xFF" "1"};
  for (const std::string& token : cases) {
    TReadOutcome r = ReadBytes("5 6 " + token + " 7 8");
    EXPECT_EQ(r.Code, 106) << token;
    EXPECT_EQ(r.Message, "Invalid numeric input") << token;
    EXPECT_EQ(r.Grid[0], 5) << token;
    EXPECT_EQ(r.Grid[1], 6) << token;
    EXPECT_TRUE(AllZeroFrom(r.Grid, 2)) << token << ": the cell itself 0, the later ones never read";
    EXPECT_EQ(r.Rows, 0) << token;
  }
}

TEST(MapReader, AByteOrderMarkFailsAtTheFirstNumber) {
  TReadOutcome r = ReadBytes("\xEF\xBB\xBF" + Joined(MixedGrid(), " "));
  EXPECT_EQ(r.Code, 106);
  EXPECT_TRUE(AllZeroFrom(r.Grid, 0));
}

TEST(MapReader, AMalformedHundredthNumberLeavesRowZeroAsRead) {
  std::string text;
  for (int i = 0; i < 99; ++i) text += std::to_string(i + 1) + " ";
  TReadOutcome r = ReadBytes(text + "bad 17 18");
  EXPECT_EQ(r.Code, 106);
  for (int i = 0; i < 99; ++i) ASSERT_EQ(r.Grid[i], i + 1);
  EXPECT_TRUE(AllZeroFrom(r.Grid, 99));
  EXPECT_EQ(r.Rows, 1) << "the gauge stepped for row 0 only";
}

TEST(MapReader, TheCellsAfterAFailureAreNotTouched) {
  TTempFolder folder;
  WriteWholeFile(folder / "m.vnkmap", "1 2 oops 4");
  TMapCells grid;
  grid.fill(9);
  EXPECT_THROW(ReadMapFile(folder / "m.vnkmap", grid, {}), EInOutError);
  EXPECT_EQ(grid[0], 1);
  EXPECT_EQ(grid[1], 2);
  EXPECT_EQ(grid[2], 0);
  EXPECT_EQ(grid[3], 9);
  EXPECT_EQ(grid[9800], 9);
}

TEST(MapReader, ALongRunOfCharactersIsSplitAfter32) {
  const struct {
    std::string Bytes;
    std::vector<int> Cells;
  } cases[] = {
      {std::string(33, '0') + "7", {0, 7, 0}},
      {std::string(31, '0') + "7", {7, 0}},
      {std::string(32, '0') + "12 5", {0, 12, 5}},
      {std::string(32, '1') + "5", {}},  // the first 32 digits are out of range
  };
  for (const auto& c : cases) {
    TReadOutcome r = ReadBytes(c.Bytes);
    if (c.Cells.empty()) {
      EXPECT_EQ(r.Code, 106) << c.Bytes;
      continue;
    }
    EXPECT_EQ(r.Code, 0) << c.Bytes;
    for (size_t i = 0; i < c.Cells.size(); ++i) EXPECT_EQ(r.Grid[i], c.Cells[i]) << c.Bytes << " cell " << i;
  }
}

TEST(MapReader, ShortDataIsNoFailure) {
  const struct {
    const char* What;
    std::string Bytes;
    std::vector<int> Cells;
  } cases[] = {
      {"empty file", "", {}},
      {"only blanks", " \r\n\t", {}},
      {"first byte 1A", "\x1A" "1 2 3", {}},
      {"1A after numbers", "5 6\x1A" "7 8", {5, 6}},
      {"1A inside a number", "12\x1A" "34 5", {12}},
      {"1A stays the end", "4 \x1A\x1A 8 \x1A 9", {4}},
      {"three numbers", "1 2 3", {1, 2, 3}},
      {"no line end at the end", "  10  20", {10, 20}},
  };
  for (const auto& c : cases) {
    TReadOutcome r = ReadBytes(c.Bytes);
    EXPECT_EQ(r.Code, 0) << c.What;
    EXPECT_EQ(r.Rows, 99) << c.What;
    for (size_t i = 0; i < c.Cells.size(); ++i) EXPECT_EQ(r.Grid[i], c.Cells[i]) << c.What << " cell " << i;
    EXPECT_TRUE(AllZeroFrom(r.Grid, int(c.Cells.size()))) << c.What;
  }
}

TEST(MapReader, AHundredNumbersFillRowZeroAndOneCellOfRowOne) {
  std::string text;
  for (int i = 0; i < 100; ++i) text += std::to_string(200 + i % 50) + "\r\n";
  TReadOutcome r = ReadBytes(text);
  EXPECT_EQ(r.Code, 0);
  for (int i = 0; i < 100; ++i) ASSERT_EQ(r.Grid[i], 200 + i % 50) << i;
  EXPECT_TRUE(AllZeroFrom(r.Grid, 100));
}

TEST(MapReader, AnyBlankSeparatesTheNumbers) {
  const TMapCells grid = MixedGrid();
  const std::pair<const char*, std::string> cases[] = {
      {"spaces on one line", Joined(grid, " ")},
      {"one per line", Joined(grid, "\n")},
      {"tabs", Joined(grid, "\t")},
      {"NUL bytes", Joined(grid, std::string(1, '\0'))},
      {"control bytes", Joined(grid, "\x01\x1F ")},
      {"no separator before the first", "\r\n\r\n" + Joined(grid, "\v\f")},
  };
  for (const auto& [what, bytes] : cases) {
    TReadOutcome r = ReadBytes(bytes);
    EXPECT_EQ(r.Code, 0) << what;
    EXPECT_EQ(r.Grid, grid) << what;
  }
}

TEST(MapReader, NothingAfterThe9801stNumberIsRead) {
  const TMapCells grid = MixedGrid();
  const std::string cases[] = {" 5", " bad", " $$$$ 1.5", std::string(" ") + std::string(5000, 'z')};
  for (const std::string& tail : cases) {
    TReadOutcome r = ReadBytes(Joined(grid, " ") + tail);
    EXPECT_EQ(r.Code, 0) << tail.substr(0, 10);
    EXPECT_EQ(r.Grid, grid);
  }
  TReadOutcome glued = ReadBytes(Joined(grid, " ").substr(0, Joined(grid, " ").size() - 1) + "x");
  EXPECT_EQ(glued.Code, 106) << "a character glued to the last number is part of it";
}

TEST(MapReader, LoadMapFileGivesTheWholeMapOrNothing) {
  TTempFolder folder;
  const TMapCells grid = MixedGrid();
  WriteWholeFile(folder / "good.vnkmap", Joined(grid, " "));
  TMapCells loaded{};
  int rows = 0;
  LoadMapFile(folder / "good.vnkmap", loaded, [&] { ++rows; });
  EXPECT_EQ(loaded, grid);
  EXPECT_EQ(rows, 99);

  // Fails in row 56, after the numbers before it were read.
  WriteWholeFile(folder / "bad.vnkmap", Joined(grid, " ").substr(0, 20000) + " 1.5");
  TMapCells map;
  map.fill(77);
  const TMapCells before = map;
  try {
    LoadMapFile(folder / "bad.vnkmap", map, {});
    ADD_FAILURE() << "no exception";
  } catch (const EInOutError& e) {
    EXPECT_EQ(e.ErrorCode, 106);
  }
  EXPECT_EQ(map, before) << "the caller's map is kept";
}

TEST(MapReader, AFailedRowStepStillClosesTheFile) {
  TTempFolder folder;
  WriteWholeFile(folder / "m.vnkmap", Joined(MixedGrid(), " "));
  TMapCells grid{};
  struct EStop {};
  EXPECT_THROW(ReadMapFile(folder / "m.vnkmap", grid, [] { throw EStop{}; }), EStop);
  TFileHandle handle;
  ASSERT_EQ(OpenFileForWriting(folder / "m.vnkmap", handle), 0) << "no reader holds the file any more";
  CloseFile(handle);
}

}  // namespace
