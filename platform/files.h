#pragma once
// The platform's file functions. Each returns ErrorSuccess or a Windows error
// number (platform/file_errors.h) and never throws: the caller decides what a
// failure means.
//
// Share rules, as the map files need them: while a file is open for reading,
// others may read it but not write it; while it is open for writing, others
// may neither read nor write it. Every open takes an open-file-description
// lock on the whole file (shared when reading, exclusive when writing), and
// an open whose lock conflicts fails with ErrorSharingViolation. Such locks
// belong to one open, not to a process, so two opens in one process exclude
// each other just as two processes do. Only programs that lock (these
// functions, or POSIX record locks) are held off; a plain open() is not. Where
// the file system keeps no locks at all, the file is opened without them.
#include <string>

// A POSIX file descriptor.
using TFileHandle = int;
constexpr TFileHandle NoFileHandle = -1;

// Opens an existing file with read access. A name that is a folder is refused
// with "access denied" even though Linux would open it.
int OpenFileForReading(const std::string& fileName, TFileHandle& handle);
// Creates the file, or truncates an existing one to empty once it is ours.
int OpenFileForWriting(const std::string& fileName, TFileHandle& handle);
// Opens an existing file with write access and the writer's share rule but
// leaves its bytes alone: holds a file that is about to be replaced.
int OpenFileForReplacing(const std::string& fileName, TFileHandle& handle);
// Creates a file that must not exist yet (ErrorFileExists if it does), with
// the writer's share rule.
int CreateNewFile(const std::string& fileName, TFileHandle& handle);

// Reads up to `count` bytes; `bytesRead` 0 at the end of the file.
int ReadFromFile(TFileHandle handle, void* buffer, int count, int& bytesRead);
// Writes all `count` bytes or fails.
int WriteToFile(TFileHandle handle, const void* buffer, int count);
// Waits until the file's bytes are on the disk.
int FlushFileToDisk(TFileHandle handle);
int CloseFile(TFileHandle handle);

// Gives `to` the permission bits of `from` and, where this process may, its
// owner and group.
int CopyFileMode(TFileHandle from, TFileHandle to);
// Puts `from` in the place of `to` in one step; both in the same folder.
int RenameFile(const std::string& from, const std::string& to);
int RemoveFile(const std::string& fileName);
// Waits until the folder's entries (a rename into it) are on the disk.
int FlushFolderToDisk(const std::string& folder);

// The folder part of a name: "." for a bare name, "/" for "/name".
std::string FolderOf(const std::string& fileName);
// The name with every symbolic link at its end followed, also to a file that
// does not exist yet. A loop of links is left for the open to report.
std::string FollowLinks(const std::string& fileName);

// A write beyond the file-size limit is to fail with ErrorFileTooLarge, not to
// end the process; the functions that open for writing call this.
void IgnoreFileSizeSignal();
