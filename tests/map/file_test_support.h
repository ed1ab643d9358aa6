#pragma once
// Files for the tests of the file functions and the map files: a temporary
// folder, whole-file reads and writes, and child processes, because the share
// rules, the file-size limit, permissions and small disks are only seen from
// another process, another user or another mount namespace.
#include <fcntl.h>
#include <grp.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "map/map_file.h"

// The user id that a test running as root drops to, so that permission bits
// apply to it (root passes them all).
constexpr uid_t UnprivilegedId = 65534;

class TTempFolder {
 public:
  TTempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "varnock-files-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    Path = pattern;
    // Open to every user: the unprivileged children must reach their files.
    chmod(Path.c_str(), 0777);
  }
  ~TTempFolder() {
    // A test may have left a folder read-only.
    std::error_code ignored;
    namespace fs = std::filesystem;
    fs::permissions(Path, fs::perms::owner_all, fs::perm_options::add, ignored);
    for (auto it = fs::recursive_directory_iterator(Path, ignored); it != fs::recursive_directory_iterator(); it.increment(ignored))
      if (it->is_directory(ignored) && !it->is_symlink(ignored))
        fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(Path, ignored);
  }
  std::string operator/(const std::string& name) const { return Path + "/" + name; }
  // The names in the folder, sorted.
  std::vector<std::string> Names(const std::string& sub = "") const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(sub.empty() ? Path : Path + "/" + sub))
      names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  std::string Path;
};

inline void WriteWholeFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

inline std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// The map a file holds, loaded as Open loads it.
inline TMapCells LoadedMap(const std::string& name) {
  TMapCells grid{};
  LoadMapFile(name, grid, {});
  return grid;
}

inline mode_t PermissionBits(const std::string& path) {
  struct stat info {};
  stat(path.c_str(), &info);
  return info.st_mode & 07777;
}

// Runs `body` in a forked child and returns what it returned; a child that
// died says how. The child never returns into the test program.
inline std::string RunInChild(const std::function<std::string()>& body) {
  int pipeFds[2];
  if (pipe(pipeFds) != 0) return "no pipe";
  pid_t pid = fork();
  if (pid == 0) {
    close(pipeFds[0]);
    std::string result;
    try {
      result = body();
    } catch (const std::exception& e) {
      result = std::string("exception: ") + e.what();
    }
    (void)!write(pipeFds[1], result.data(), result.size());
    _exit(0);
  }
  close(pipeFds[1]);
  std::string result;
  char chunk[256];
  ssize_t n;
  while ((n = read(pipeFds[0], chunk, sizeof chunk)) > 0) result.append(chunk, size_t(n));
  close(pipeFds[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  if (WIFSIGNALED(status)) return "child killed by signal " + std::to_string(WTERMSIG(status));
  return result;
}

// In a child: become an ordinary user if the test runs as root.
inline bool DropRootIfRoot() {
  if (geteuid() != 0) return true;
  return setgroups(0, nullptr) == 0 && setgid(UnprivilegedId) == 0 && setuid(UnprivilegedId) == 0;
}

// In a child: a private mount namespace with a tmpfs of `size` (as mount
// takes it, "16k") at `folder`; false where this process may not mount.
inline bool MountSmallDisk(const std::string& folder, const std::string& size) {
  if (unshare(CLONE_NEWNS) != 0) return false;
  if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) return false;
  std::string options = "size=" + size;
  return mount("tmpfs", folder.c_str(), "tmpfs", 0, options.c_str()) == 0;
}

// Whether mounting works here at all: the small-disk cases need it.
inline bool CanMountSmallDisk() {
  TTempFolder probe;
  return RunInChild([&] { return MountSmallDisk(probe.Path, "16k") ? "yes" : "no"; }) == "yes";
}

// Another process that opens a file through `open` (a function of
// platform/files.h) and holds it until this object goes.
class THoldingChild {
 public:
  template <typename TOpen>
  THoldingChild(const std::string& fileName, TOpen open) {
    int ready[2], release[2];
    if (pipe(ready) != 0 || pipe(release) != 0) return;
    Pid = fork();
    if (Pid == 0) {
      close(ready[0]);
      close(release[1]);
      int handle = -1;
      int result = open(fileName, handle);
      (void)!write(ready[1], &result, sizeof result);
      char byte;
      (void)!read(release[0], &byte, 1);  // returns when the parent closes its end
      _exit(0);
    }
    close(ready[1]);
    close(release[0]);
    ReleaseFd = release[1];
    if (read(ready[0], &OpenResult, sizeof OpenResult) != sizeof OpenResult) OpenResult = -1;
    close(ready[0]);
  }
  ~THoldingChild() {
    if (ReleaseFd >= 0) close(ReleaseFd);
    if (Pid > 0) waitpid(Pid, nullptr, 0);
  }
  // What the child's open returned.
  int OpenResult = -1;

 private:
  pid_t Pid = -1;
  int ReleaseFd = -1;
};
