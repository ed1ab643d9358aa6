// What a successful save leaves: the file in its place with its own
// permission bits, links kept, nothing else.
#include <gtest/gtest.h>

#include "map/map_file.h"
#include "tests/map/file_test_support.h"

namespace {

TMapCells Saved() {
  TMapCells grid;
  for (int i = 0; i < MapCellCount; ++i) grid[i] = uint8_t(i % 211);
  return grid;
}

TEST(MapSave, AReplacedFileKeepsItsPermissionBits) {
  TTempFolder folder;
  for (mode_t mode : {0600u, 0640u, 0604u, 0755u, 0666u}) {
    WriteWholeFile(folder / "m.vnkmap", "old");
    chmod((folder / "m.vnkmap").c_str(), mode);
    WriteMapFile(folder / "m.vnkmap", Saved(), {});
    EXPECT_EQ(PermissionBits(folder / "m.vnkmap"), mode);
    EXPECT_EQ(LoadedMap(folder / "m.vnkmap"), Saved());
  }
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"m.vnkmap"});
}

TEST(MapSave, ANewFileGetsTheModeOfAnyNewFile) {
  TTempFolder folder;
  mode_t mask = umask(022);
  WriteMapFile(folder / "new.vnkmap", Saved(), {});
  umask(mask);
  EXPECT_EQ(PermissionBits(folder / "new.vnkmap"), 0644u);
}

TEST(MapSave, ALinkIsFollowedAndTheFileItNamesReplaced) {
  TTempFolder folder;
  std::filesystem::create_directory(folder / "maps");
  WriteWholeFile(folder / "maps/real.vnkmap", "old");
  chmod((folder / "maps/real.vnkmap").c_str(), 0640);
  symlink("maps/real.vnkmap", (folder / "link.vnkmap").c_str());
  symlink("maps/later.vnkmap", (folder / "dangling.vnkmap").c_str());

  WriteMapFile(folder / "link.vnkmap", Saved(), {});
  WriteMapFile(folder / "dangling.vnkmap", Saved(), {});

  EXPECT_TRUE(std::filesystem::is_symlink(folder / "link.vnkmap"));
  EXPECT_TRUE(std::filesystem::is_symlink(folder / "dangling.vnkmap"));
  EXPECT_EQ(LoadedMap(folder / "maps/real.vnkmap"), Saved());
  EXPECT_EQ(PermissionBits(folder / "maps/real.vnkmap"), 0640u);
  EXPECT_EQ(LoadedMap(folder / "maps/later.vnkmap"), Saved());
  EXPECT_EQ(folder.Names("maps"), (std::vector<std::string>{"later.vnkmap", "real.vnkmap"}));
}

TEST(MapSave, ABareNameIsSavedInTheWorkingFolder) {
  TTempFolder folder;
  std::filesystem::path before = std::filesystem::current_path();
  std::filesystem::current_path(folder.Path);
  WriteMapFile("bare.vnkmap", Saved(), {});
  TMapCells back = LoadedMap("bare.vnkmap");
  std::filesystem::current_path(before);
  EXPECT_EQ(back, Saved());
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"bare.vnkmap"});
}

}  // namespace
