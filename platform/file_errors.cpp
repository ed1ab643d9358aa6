#include "platform/file_errors.h"

#include <sys/stat.h>

#include <cerrno>

#include "platform/files.h"

namespace {

struct TErrnoMapping {
  int Errno;
  int Error;
};

// The one table. ENOENT is not here: it needs the file name (see below).
// EISDIR is "access denied" because Windows refuses to open a folder as a
// file that way; EROFS and EPERM likewise, as the file may not be written.
constexpr TErrnoMapping ErrnoTable[] = {
    {ENOTDIR, ErrorPathNotFound},        // a file stands where a folder should
    {EMFILE, ErrorTooManyOpenFiles},     // this process has no descriptor left
    {ENFILE, ErrorTooManyOpenFiles},     // the system has none left
    {EACCES, ErrorAccessDenied},
    {EPERM, ErrorAccessDenied},
    {EROFS, ErrorAccessDenied},
    {EISDIR, ErrorAccessDenied},
    {EEXIST, ErrorFileExists},
    {ENOSPC, ErrorDiskFull},
    {EDQUOT, ErrorDiskFull},             // the user's share of the disk is full
    {ENAMETOOLONG, ErrorFilenameTooLong},
    {EFBIG, ErrorFileTooLarge},          // beyond the file-size limit
};

bool IsFolder(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace

int ErrorFromErrno(int err, const std::string& fileName) {
  if (err == ENOENT) {
    // An empty name lies in no folder at all.
    if (fileName.empty()) return ErrorPathNotFound;
    return IsFolder(FolderOf(fileName)) ? ErrorFileNotFound : ErrorPathNotFound;
  }
  for (const TErrnoMapping& m : ErrnoTable)
    if (m.Errno == err) return m.Error;
  return ErrorFromErrnoBase + err;
}
