// Each failure of a load or a save: its code, and the file afterwards.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include "map/in_out_error.h"
#include "map/map_file.h"
#include "platform/files.h"
#include "tests/map/file_test_support.h"

namespace {

const std::string OldBytes = "   1   2   3\r\n";

// The code a load raises, 0 when it succeeds.
int LoadCode(const std::string& name) {
  try {
    LoadedMap(name);
  } catch (const EInOutError& e) {
    return e.ErrorCode;
  }
  return 0;
}

int SaveCode(const std::string& name) {
  TMapCells grid;
  grid.fill(42);
  try {
    WriteMapFile(name, grid, {});
  } catch (const EInOutError& e) {
    return e.ErrorCode;
  }
  return 0;
}

class MapFileFailures : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteWholeFile(Folder / "old.vnkmap", OldBytes);
    WriteWholeFile(Folder / "plain", "x");
    std::filesystem::create_directory(Folder / "sub");
  }
  // The folder as SetUp made it: nothing created, nothing left behind.
  void ExpectFolderUnchanged() {
    EXPECT_EQ(Folder.Names(), (std::vector<std::string>{"old.vnkmap", "plain", "sub"}));
    EXPECT_EQ(ReadWholeFile(Folder / "old.vnkmap"), OldBytes);
    EXPECT_TRUE(Folder.Names("sub").empty());
  }
  TTempFolder Folder;
};

TEST_F(MapFileFailures, LoadingFailsWithTheCodeOfItsCause) {
  const struct {
    const char* What;
    std::string Name;
    int Code;
  } cases[] = {
      {"missing file", Folder / "missing.vnkmap", 2},
      {"missing folder", Folder / "nowhere/m.vnkmap", 3},
      {"path through a regular file", Folder / "plain/m.vnkmap", 3},
      {"a folder's name", Folder / "sub", 5},
  };
  for (const auto& c : cases) EXPECT_EQ(LoadCode(c.Name), c.Code) << c.What;
  ExpectFolderUnchanged();
}

TEST_F(MapFileFailures, SavingFailsWithTheCodeOfItsCauseAndCreatesNothing) {
  const struct {
    const char* What;
    std::string Name;
    int Code;
  } cases[] = {
      {"missing folder", Folder / "nowhere/m.vnkmap", 3},
      {"path through a regular file", Folder / "plain/m.vnkmap", 3},
      {"a folder's name", Folder / "sub", 5},
      {"a name too long", Folder / std::string(300, 'n'), 206},
  };
  for (const auto& c : cases) EXPECT_EQ(SaveCode(c.Name), c.Code) << c.What;
  ExpectFolderUnchanged();
}

TEST_F(MapFileFailures, AFileInUseCannotBeSavedOver) {
  using TOpen = int (*)(const std::string&, TFileHandle&);
  const std::pair<const char*, TOpen> holders[] = {{"reader", OpenFileForReading}, {"writer", OpenFileForReplacing}};
  for (const auto& [what, open] : holders) {
    {
      THoldingChild child(Folder / "old.vnkmap", open);
      ASSERT_EQ(child.OpenResult, 0) << what;
      EXPECT_EQ(SaveCode(Folder / "old.vnkmap"), 32) << "another process's " << what;
    }
    TFileHandle handle;
    ASSERT_EQ(open(Folder / "old.vnkmap", handle), 0);
    EXPECT_EQ(SaveCode(Folder / "old.vnkmap"), 32) << "a " << what << " in this process";
    CloseFile(handle);
    ExpectFolderUnchanged();
  }
  EXPECT_EQ(SaveCode(Folder / "old.vnkmap"), 0) << "free again";
}

TEST_F(MapFileFailures, AFileBeingWrittenCannotBeLoadedButOneBeingReadCan) {
  {
    THoldingChild writer(Folder / "old.vnkmap", OpenFileForReplacing);
    EXPECT_EQ(LoadCode(Folder / "old.vnkmap"), 32);
  }
  THoldingChild reader(Folder / "old.vnkmap", OpenFileForReading);
  EXPECT_EQ(LoadCode(Folder / "old.vnkmap"), 0);
  ExpectFolderUnchanged();
}

TEST_F(MapFileFailures, AFileSizeLimitStopsTheSaveAndKeepsTheOldFile) {
  std::string result = RunInChild([&] {
    rlimit limit{20000, 20000};
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0) return std::string("setrlimit failed");
    return std::to_string(SaveCode(Folder / "old.vnkmap"));
  });
  EXPECT_EQ(result, "223");
  EXPECT_EQ(InOutErrorMessage(223), "I/O error 223");
  ExpectFolderUnchanged();
}

// Permission bits bind everyone but root, so these run as an ordinary user.
TEST_F(MapFileFailures, PermissionsDenyAccessWithoutChangingAnything) {
  chmod((Folder / "old.vnkmap").c_str(), 0444);
  WriteWholeFile(Folder / "sub/open.vnkmap", OldBytes);
  chmod((Folder / "sub/open.vnkmap").c_str(), 0666);
  chmod((Folder / "sub").c_str(), 0555);
  WriteWholeFile(Folder / "secret.vnkmap", OldBytes);
  chmod((Folder / "secret.vnkmap").c_str(), 0);
  std::string result = RunInChild([&] {
    if (!DropRootIfRoot()) return std::string("could not drop root");
    return "read-only file " + std::to_string(SaveCode(Folder / "old.vnkmap")) +            //
           ", read-only folder " + std::to_string(SaveCode(Folder / "sub/open.vnkmap")) +  //
           ", new file in it " + std::to_string(SaveCode(Folder / "sub/new.vnkmap")) +     //
           ", unreadable " + std::to_string(LoadCode(Folder / "secret.vnkmap"));
  });
  EXPECT_EQ(result, "read-only file 5, read-only folder 5, new file in it 5, unreadable 5");
  EXPECT_EQ(ReadWholeFile(Folder / "old.vnkmap"), OldBytes);
  EXPECT_EQ(PermissionBits(Folder / "old.vnkmap"), 0444u);
  EXPECT_EQ(Folder.Names("sub"), std::vector<std::string>{"open.vnkmap"});
  EXPECT_EQ(ReadWholeFile(Folder / "sub/open.vnkmap"), OldBytes);
}

// A full disk and a read-only file system, on a small tmpfs of a child's own.
class MapFileSmallDisk : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!CanMountSmallDisk()) GTEST_SKIP() << "this process may not mount a tmpfs (needs root and CAP_SYS_ADMIN)";
    std::filesystem::create_directory(Folder / "disk");
  }
  // Runs `body` in a child with a tmpfs of 16 KiB at Folder/disk holding
  // old.vnkmap, and describes what it left.
  std::string OnSmallDisk(const std::function<std::string()>& body) {
    return RunInChild([&] {
      if (!MountSmallDisk(Folder / "disk", "16k")) return std::string("mount failed");
      WriteWholeFile(Folder / "disk/old.vnkmap", OldBytes);
      std::string outcome = body();
      bool whole = ReadWholeFile(Folder / "disk/old.vnkmap") == OldBytes;
      return outcome + (whole ? ", old file whole" : ", old file changed") + ", files " +
             std::to_string(Folder.Names("disk").size());
    });
  }
  TTempFolder Folder;
};

TEST_F(MapFileSmallDisk, AFullDiskStopsTheSaveAndKeepsTheOldFile) {
  EXPECT_EQ(OnSmallDisk([&] { return std::to_string(SaveCode(Folder / "disk/old.vnkmap")); }),
            "112, old file whole, files 1");
  EXPECT_EQ(OnSmallDisk([&] { return std::to_string(SaveCode(Folder / "disk/new.vnkmap")); }),
            "112, old file whole, files 1")
      << "a new file is not left half-written either";
}

TEST_F(MapFileSmallDisk, AReadOnlyFileSystemDeniesSavingButNotLoading) {
  std::string result = OnSmallDisk([&] {
    if (mount(nullptr, (Folder / "disk").c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) != 0)
      return std::string("remount failed");
    return "save " + std::to_string(SaveCode(Folder / "disk/old.vnkmap")) + ", new " +
           std::to_string(SaveCode(Folder / "disk/new.vnkmap")) + ", load " +
           std::to_string(LoadCode(Folder / "disk/old.vnkmap"));
  });
  EXPECT_EQ(result, "save 5, new 5, load 0, old file whole, files 1");
}

}  // namespace
