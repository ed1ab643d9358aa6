#include "map/file_replacement.h"

#include <unistd.h>

#include <atomic>

#include "map/in_out_error.h"
#include "platform/file_errors.h"

namespace {

// Leftovers of a crashed save may block a name; so many are tried.
constexpr int TempNameTries = 100;
// The part of the target's name kept in the temporary name, so that the
// temporary name stays within the file system's 255 bytes.
constexpr size_t TempBaseLength = 200;

std::atomic<unsigned> TempCounter{0};

// ".<name>.<pid>.<counter>.tmp" beside the target: hidden, in the same file
// system (so the rename is one step), and never the name of a live save.
std::string TemporaryName(const std::string& target) {
  size_t slash = target.find_last_of('/');
  std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
  std::string folder = slash == std::string::npos ? "" : target.substr(0, slash + 1);
  return folder + "." + base.substr(0, TempBaseLength) + "." + std::to_string(getpid()) + "." +
         std::to_string(TempCounter++) + ".tmp";
}

}  // namespace

int TFileReplacement::Begin(const std::string& fileName) {
  Discard();
  Target = FollowLinks(fileName);
  int result = OpenFileForReplacing(Target, Held);
  // A target that does not exist is no failure: the save will create it.
  if (result != ErrorSuccess && result != ErrorFileNotFound) return result;
  result = CreateTemporary();
  if (result == ErrorSuccess && Held != NoFileHandle) result = CopyFileMode(Held, Temp);
  if (result != ErrorSuccess) Discard();
  return result;
}

int TFileReplacement::CreateTemporary() {
  int result = ErrorFileExists;
  for (int i = 0; i < TempNameTries && result == ErrorFileExists; ++i) {
    TempName = TemporaryName(Target);
    result = CreateNewFile(TempName, Temp);
  }
  if (result != ErrorSuccess) TempName.clear();
  return result;
}

int TFileReplacement::Commit() {
  if (Temp == NoFileHandle) return FileNotOpen;
  int result = SyncToDisk ? FlushFileToDisk(Temp) : ErrorSuccess;
  int closed = CloseFile(Temp);
  Temp = NoFileHandle;
  if (result == ErrorSuccess) result = closed;
  if (result == ErrorSuccess) result = RenameFile(TempName, Target);
  if (result != ErrorSuccess) {
    Discard();
    return result;
  }
  TempName.clear();
  // The file is in place whatever this says; a folder that cannot be flushed
  // must not make a finished save look failed.
  if (SyncToDisk) FlushFolderToDisk(FolderOf(Target));
  ReleaseTarget();
  return ErrorSuccess;
}

void TFileReplacement::Discard() {
  if (Temp != NoFileHandle) CloseFile(Temp);
  Temp = NoFileHandle;
  if (!TempName.empty()) RemoveFile(TempName);
  TempName.clear();
  ReleaseTarget();
}

void TFileReplacement::ReleaseTarget() {
  // Nothing was written through it, so closing it cannot lose anything.
  if (Held != NoFileHandle) CloseFile(Held);
  Held = NoFileHandle;
}
