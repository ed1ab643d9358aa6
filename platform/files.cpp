#include "platform/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <csignal>
#include <vector>

#include "platform/file_errors.h"

namespace {

// Mode of a newly created file before the umask, as every editor's file gets.
constexpr mode_t NewFileMode = 0666;
// Links followed before a chain is taken to be a loop, as the kernel does.
constexpr int MaxLinkHops = 40;

// Takes the share lock that goes with an open; ErrorSuccess or a sharing
// violation.
int LockWholeFile(TFileHandle handle, short type) {
  struct flock lock = {};
  lock.l_type = type;
  lock.l_whence = SEEK_SET;  // l_start 0 and l_len 0: the whole file, also as it grows
  while (fcntl(handle, F_OFD_SETLK, &lock) != 0) {
    if (errno == EINTR) continue;
    if (errno == EAGAIN || errno == EACCES) return ErrorSharingViolation;
    return ErrorSuccess;  // no locks on this file system: nothing to share by
  }
  return ErrorSuccess;
}

// open() and the share lock; on failure nothing stays open.
int OpenLocked(const std::string& fileName, int flags, short lockType, TFileHandle& handle) {
  handle = NoFileHandle;
  int fd;
  do fd = open(fileName.c_str(), flags | O_CLOEXEC, NewFileMode);
  while (fd < 0 && errno == EINTR);
  if (fd < 0) return ErrorFromErrno(errno, fileName);
  int result = LockWholeFile(fd, lockType);
  if (result != ErrorSuccess) {
    close(fd);
    return result;
  }
  handle = fd;
  return ErrorSuccess;
}

int LastError() { return ErrorFromErrno(errno, {}); }

}  // namespace

void IgnoreFileSizeSignal() {
  static const bool ignored = (std::signal(SIGXFSZ, SIG_IGN), true);
  (void)ignored;
}

int OpenFileForReading(const std::string& fileName, TFileHandle& handle) {
  // Non-blocking, so that naming a pipe does not hang the editor in open();
  // only regular files are maps: a folder, a pipe or a device (/dev/zero
  // never ends) is refused as access denied.
  int result = OpenLocked(fileName, O_RDONLY | O_NONBLOCK, F_RDLCK, handle);
  if (result != ErrorSuccess) return result;
  struct stat info;
  if (fstat(handle, &info) != 0 || !S_ISREG(info.st_mode)) {
    close(handle);
    handle = NoFileHandle;
    return ErrorAccessDenied;
  }
  fcntl(handle, F_SETFL, fcntl(handle, F_GETFL) & ~O_NONBLOCK);
  return ErrorSuccess;
}

int OpenFileForWriting(const std::string& fileName, TFileHandle& handle) {
  IgnoreFileSizeSignal();
  // No O_TRUNC: a file in use must be left whole, so it is emptied only once
  // the lock is ours.
  int result = OpenLocked(fileName, O_WRONLY | O_CREAT, F_WRLCK, handle);
  if (result != ErrorSuccess) return result;
  while (ftruncate(handle, 0) != 0) {
    if (errno == EINTR) continue;
    result = LastError();
    close(handle);
    handle = NoFileHandle;
    return result;
  }
  return ErrorSuccess;
}

int OpenFileForReplacing(const std::string& fileName, TFileHandle& handle) {
  IgnoreFileSizeSignal();
  return OpenLocked(fileName, O_WRONLY, F_WRLCK, handle);
}

int CreateNewFile(const std::string& fileName, TFileHandle& handle) {
  IgnoreFileSizeSignal();
  return OpenLocked(fileName, O_WRONLY | O_CREAT | O_EXCL, F_WRLCK, handle);
}

int ReadFromFile(TFileHandle handle, void* buffer, int count, int& bytesRead) {
  bytesRead = 0;
  ssize_t n;
  do n = read(handle, buffer, size_t(count));
  while (n < 0 && errno == EINTR);
  if (n < 0) return LastError();
  bytesRead = int(n);
  return ErrorSuccess;
}

int WriteToFile(TFileHandle handle, const void* buffer, int count) {
  const char* bytes = static_cast<const char*>(buffer);
  while (count > 0) {
    ssize_t n = write(handle, bytes, size_t(count));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return LastError();
    // A regular file that takes nothing has no room left.
    if (n == 0) return ErrorDiskFull;
    bytes += n;
    count -= int(n);
  }
  return ErrorSuccess;
}

int FlushFileToDisk(TFileHandle handle) {
  while (fsync(handle) != 0)
    if (errno != EINTR) return LastError();
  return ErrorSuccess;
}

int CloseFile(TFileHandle handle) {
  // Not retried on EINTR: Linux has released the descriptor either way.
  if (close(handle) != 0 && errno != EINTR) return LastError();
  return ErrorSuccess;
}

int CopyFileMode(TFileHandle from, TFileHandle to) {
  struct stat info;
  if (fstat(from, &info) != 0) return LastError();
  // Only root or the owner may hand a file over; anyone else keeps the file
  // as their own, as an editor that writes a new file does. Before chmod,
  // because a change of owner clears the set-user-ID bit.
  if (fchown(to, info.st_uid, info.st_gid) != 0) {
    // not allowed: the new file stays this process's own
  }
  if (fchmod(to, info.st_mode & 07777) != 0) return LastError();
  return ErrorSuccess;
}

int RenameFile(const std::string& from, const std::string& to) {
  if (rename(from.c_str(), to.c_str()) != 0) return ErrorFromErrno(errno, to);
  return ErrorSuccess;
}

int RemoveFile(const std::string& fileName) {
  if (unlink(fileName.c_str()) != 0) return ErrorFromErrno(errno, fileName);
  return ErrorSuccess;
}

int FlushFolderToDisk(const std::string& folder) {
  int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return ErrorFromErrno(errno, folder);
  int result = FlushFileToDisk(fd);
  close(fd);
  return result;
}

std::string FolderOf(const std::string& fileName) {
  size_t slash = fileName.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return fileName.substr(0, slash);
}

std::string FollowLinks(const std::string& fileName) {
  std::string name = fileName;
  std::vector<char> target(PATH_MAX + 1);
  for (int hop = 0; hop < MaxLinkHops; ++hop) {
    struct stat info;
    if (lstat(name.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return name;
    ssize_t n = readlink(name.c_str(), target.data(), target.size() - 1);
    if (n <= 0) return name;
    std::string link(target.data(), size_t(n));
    name = link.front() == '/' ? link : FolderOf(name) + "/" + link;
  }
  return fileName;
}
