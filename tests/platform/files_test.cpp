#include "platform/files.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <cerrno>

#include "platform/file_errors.h"
#include "tests/map/file_test_support.h"

namespace {

using TOpenFunction = int (*)(const std::string&, TFileHandle&);

int OpenAndClose(TOpenFunction open, const std::string& name) {
  TFileHandle handle = NoFileHandle;
  int result = open(name, handle);
  if (result == ErrorSuccess) CloseFile(handle);
  else EXPECT_EQ(handle, NoFileHandle) << "a failed open leaves nothing open";
  return result;
}

TEST(FileErrors, ErrnoMapsOntoTheWindowsNumbersTheMessagesKeyOn) {
  TTempFolder folder;
  const std::string inFolder = folder / "missing.vnkmap";
  const std::string inMissingFolder = folder / "nowhere/missing.vnkmap";
  const struct {
    int Errno;
    std::string Name;
    int Expected;
  } cases[] = {
      {ENOENT, inFolder, ErrorFileNotFound},          {ENOENT, inMissingFolder, ErrorPathNotFound},
      {ENOENT, "", ErrorPathNotFound},                {ENOENT, "bare-name-here", ErrorFileNotFound},
      {ENOTDIR, inFolder, ErrorPathNotFound},         {EMFILE, inFolder, ErrorTooManyOpenFiles},
      {ENFILE, inFolder, ErrorTooManyOpenFiles},      {EACCES, inFolder, ErrorAccessDenied},
      {EPERM, inFolder, ErrorAccessDenied},           {EROFS, inFolder, ErrorAccessDenied},
      {EISDIR, inFolder, ErrorAccessDenied},          {ENOSPC, inFolder, ErrorDiskFull},
      {EDQUOT, inFolder, ErrorDiskFull},              {EFBIG, inFolder, ErrorFileTooLarge},
      {ENAMETOOLONG, inFolder, ErrorFilenameTooLong}, {EIO, inFolder, 0x20000000 + EIO},
      {ELOOP, inFolder, 0x20000000 + ELOOP},
  };
  for (const auto& c : cases) EXPECT_EQ(ErrorFromErrno(c.Errno, c.Name), c.Expected) << c.Errno << " " << c.Name;
}

TEST(Files, OpeningFailsWithTheNumberOfItsCause) {
  TTempFolder folder;
  WriteWholeFile(folder / "plain", "x");
  std::filesystem::create_directory(folder / "sub");
  const std::string longName = folder / std::string(300, 'n');
  const struct {
    const char* What;
    TOpenFunction Open;
    std::string Name;
    int Expected;
  } cases[] = {
      {"missing file", OpenFileForReading, folder / "missing", ErrorFileNotFound},
      {"missing folder, reading", OpenFileForReading, folder / "nowhere/x", ErrorPathNotFound},
      {"missing folder, writing", OpenFileForWriting, folder / "nowhere/x", ErrorPathNotFound},
      {"through a regular file, reading", OpenFileForReading, folder / "plain/x", ErrorPathNotFound},
      {"through a regular file, writing", OpenFileForWriting, folder / "plain/x", ErrorPathNotFound},
      {"a folder, reading", OpenFileForReading, folder / "sub", ErrorAccessDenied},
      {"a folder, writing", OpenFileForWriting, folder / "sub", ErrorAccessDenied},
      {"a folder, replacing", OpenFileForReplacing, folder / "sub", ErrorAccessDenied},
      {"missing, replacing", OpenFileForReplacing, folder / "missing", ErrorFileNotFound},
      {"existing, new file", CreateNewFile, folder / "plain", ErrorFileExists},
      {"a name too long", OpenFileForReading, longName, ErrorFilenameTooLong},
      {"empty name", OpenFileForReading, "", ErrorPathNotFound},
  };
  for (const auto& c : cases) EXPECT_EQ(OpenAndClose(c.Open, c.Name), c.Expected) << c.What;
  EXPECT_EQ(ReadWholeFile(folder / "plain"), "x");
  EXPECT_EQ(folder.Names(), (std::vector<std::string>{"plain", "sub"})) << "no failed open creates anything";
}

TEST(Files, WritesReadsAndTruncates) {
  TTempFolder folder;
  const std::string name = folder / "f";
  WriteWholeFile(name, std::string(50000, 'o'));
  const std::string bytes(39402, 'n');
  TFileHandle handle;
  ASSERT_EQ(OpenFileForWriting(name, handle), ErrorSuccess);
  EXPECT_EQ(WriteToFile(handle, bytes.data(), int(bytes.size())), ErrorSuccess);
  EXPECT_EQ(FlushFileToDisk(handle), ErrorSuccess);
  EXPECT_EQ(CloseFile(handle), ErrorSuccess);
  EXPECT_EQ(ReadWholeFile(name), bytes) << "the longer old file is truncated";

  ASSERT_EQ(OpenFileForReading(name, handle), ErrorSuccess);
  std::string back;
  char chunk[128];
  int count;
  while (ReadFromFile(handle, chunk, sizeof chunk, count) == ErrorSuccess && count > 0) back.append(chunk, size_t(count));
  EXPECT_EQ(count, 0) << "0 bytes read at the end";
  EXPECT_EQ(CloseFile(handle), ErrorSuccess);
  EXPECT_EQ(back, bytes);
}

struct TShareCase {
  const char* What;
  TOpenFunction First;
  TOpenFunction Second;
  int Expected;
};

const TShareCase ShareCases[] = {
    {"reader, then reader", OpenFileForReading, OpenFileForReading, ErrorSuccess},
    {"reader, then writer", OpenFileForReading, OpenFileForWriting, ErrorSharingViolation},
    {"reader, then replacer", OpenFileForReading, OpenFileForReplacing, ErrorSharingViolation},
    {"writer, then reader", OpenFileForWriting, OpenFileForReading, ErrorSharingViolation},
    {"writer, then writer", OpenFileForWriting, OpenFileForWriting, ErrorSharingViolation},
    {"replacer, then reader", OpenFileForReplacing, OpenFileForReading, ErrorSharingViolation},
};

TEST(Files, TwoOpensInOneProcessKeepTheShareRules) {
  TTempFolder folder;
  const std::string name = folder / "shared";
  for (const TShareCase& c : ShareCases) {
    WriteWholeFile(name, "kept");
    TFileHandle first;
    ASSERT_EQ(c.First(name, first), ErrorSuccess) << c.What;
    if (c.First == OpenFileForWriting) WriteToFile(first, "kept", 4);
    EXPECT_EQ(OpenAndClose(c.Second, name), c.Expected) << c.What;
    EXPECT_EQ(ReadWholeFile(name), "kept") << c.What << ": a refused writer truncates nothing";
    CloseFile(first);
    EXPECT_EQ(OpenAndClose(c.Second, name), ErrorSuccess) << c.What << ": free again once closed";
  }
}

TEST(Files, AnotherProcessHoldingTheFileKeepsTheShareRules) {
  TTempFolder folder;
  const std::string name = folder / "shared";
  for (const TShareCase& c : ShareCases) {
    WriteWholeFile(name, "kept");
    {
      THoldingChild holder(name, c.First);
      ASSERT_EQ(holder.OpenResult, ErrorSuccess) << c.What;
      if (c.First == OpenFileForWriting) WriteWholeFile(name, "kept");
      EXPECT_EQ(OpenAndClose(c.Second, name), c.Expected) << c.What;
      EXPECT_EQ(ReadWholeFile(name), "kept") << c.What;
    }
    EXPECT_EQ(OpenAndClose(c.Second, name), ErrorSuccess) << c.What << ": free again once the child ends";
  }
}

TEST(Files, RunningOutOfDescriptorsIsTooManyOpenFiles) {
  TTempFolder folder;
  WriteWholeFile(folder / "f", "x");
  std::string result = RunInChild([&] {
    rlimit limit{16, 16};
    if (setrlimit(RLIMIT_NOFILE, &limit) != 0) return std::string("setrlimit failed");
    while (open("/dev/null", O_RDONLY) >= 0) {
    }
    TFileHandle handle;
    return std::to_string(OpenFileForReading(folder / "f", handle));
  });
  EXPECT_EQ(result, std::to_string(ErrorTooManyOpenFiles));
}

TEST(Files, AWriteBeyondTheFileSizeLimitFailsInsteadOfEndingTheProcess) {
  TTempFolder folder;
  std::string result = RunInChild([&] {
    rlimit limit{1000, 1000};
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0) return std::string("setrlimit failed");
    TFileHandle handle;
    if (OpenFileForWriting(folder / "big", handle) != ErrorSuccess) return std::string("open failed");
    std::string bytes(4000, 'b');
    return std::to_string(WriteToFile(handle, bytes.data(), int(bytes.size())));
  });
  EXPECT_EQ(result, std::to_string(ErrorFileTooLarge));
  EXPECT_EQ(std::filesystem::file_size(folder / "big"), 1000u) << "the bytes up to the limit were written";
}

TEST(Files, PermissionBitsDenyAccessToAnOrdinaryUser) {
  TTempFolder folder;
  WriteWholeFile(folder / "secret", "s");
  WriteWholeFile(folder / "readonly", "r");
  chmod((folder / "secret").c_str(), 0);
  chmod((folder / "readonly").c_str(), 0444);
  std::string result = RunInChild([&] {
    if (!DropRootIfRoot()) return std::string("could not drop root");
    return std::to_string(OpenAndClose(OpenFileForReading, folder / "secret")) + " " +
           std::to_string(OpenAndClose(OpenFileForWriting, folder / "readonly")) + " " +
           std::to_string(OpenAndClose(OpenFileForReading, folder / "readonly"));
  });
  EXPECT_EQ(result, "5 5 0");
  EXPECT_EQ(ReadWholeFile(folder / "readonly"), "r");
}

TEST(Files, CopyFileModeCopiesThePermissionBits) {
  TTempFolder folder;
  WriteWholeFile(folder / "from", "");
  WriteWholeFile(folder / "to", "");
  chmod((folder / "from").c_str(), 0640);
  chmod((folder / "to").c_str(), 0666);
  TFileHandle from, to;
  ASSERT_EQ(OpenFileForReading(folder / "from", from), ErrorSuccess);
  ASSERT_EQ(OpenFileForReplacing(folder / "to", to), ErrorSuccess);
  EXPECT_EQ(CopyFileMode(from, to), ErrorSuccess);
  CloseFile(from);
  CloseFile(to);
  EXPECT_EQ(PermissionBits(folder / "to"), 0640u);
}

TEST(Files, FollowLinksFindsTheFileALinkStandsFor) {
  TTempFolder folder;
  std::filesystem::create_directory(folder / "real");
  WriteWholeFile(folder / "real/map", "m");
  symlink("real/map", (folder / "relative").c_str());
  symlink((folder / "relative").c_str(), (folder / "chain").c_str());
  symlink("real/not-yet", (folder / "dangling").c_str());
  symlink("loop-b", (folder / "loop-a").c_str());
  symlink("loop-a", (folder / "loop-b").c_str());
  const std::pair<std::string, std::string> cases[] = {
      {folder / "real/map", folder / "real/map"},
      {folder / "relative", folder / "real/map"},
      {folder / "chain", folder / "real/map"},
      {folder / "dangling", folder / "real/not-yet"},
      {folder / "loop-a", folder / "loop-a"},
      {folder / "missing", folder / "missing"},
  };
  for (const auto& [name, expected] : cases) EXPECT_EQ(FollowLinks(name), expected) << name;
}

}  // namespace

namespace {

// A device or a pipe is no map: naming one must not hang the editor.
TEST(FilesSpecial, DevicesAndPipesAreRefusedAtOnce) {
  std::string fifo = "/tmp/varnock_fifo_" + std::to_string(::getpid()) + ".vnkmap";
  ::unlink(fifo.c_str());
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  for (const std::string& name : {std::string("/dev/zero"), fifo}) {
    TFileHandle handle = NoFileHandle;
    EXPECT_EQ(OpenFileForReading(name, handle), ErrorAccessDenied) << name;
    EXPECT_EQ(handle, NoFileHandle);
  }
  ::unlink(fifo.c_str());
}

}  // namespace
