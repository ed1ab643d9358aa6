#pragma once
// A save that cannot destroy the file it replaces: the bytes go into a
// temporary file in the target's folder, and only a complete, flushed
// temporary file is renamed over the target. Until then the target keeps its
// bytes; after a failure the temporary file is removed and the target is as
// it was. The target's own rules still decide whether the save may start: a
// missing folder, a folder as the name, a read-only file or one in use by
// another reader or writer fail Begin as they would fail opening the target
// for writing.
#include <string>

#include "platform/files.h"

class TFileReplacement {
 public:
  TFileReplacement() = default;
  TFileReplacement(const TFileReplacement&) = delete;
  TFileReplacement& operator=(const TFileReplacement&) = delete;
  ~TFileReplacement() { Discard(); }

  // Holds the target (an existing one is locked as a writer would lock it,
  // until the end) and creates the temporary file; creates nothing where the
  // target does not exist yet. ErrorSuccess or a Windows error number.
  int Begin(const std::string& fileName);
  // Where the new bytes go between Begin and Commit.
  TFileHandle Handle() const { return Temp; }
  // Puts the temporary file in the target's place, with the target's
  // permission bits. On failure as Discard, and the error number is returned.
  int Commit();
  // Removes the temporary file and lets the target go, unchanged.
  void Discard();

  // Wait for the disk before the rename, so that a crash leaves either file
  // whole. Only the benchmark turns it off, to measure what it costs.
  bool SyncToDisk = true;

 private:
  int CreateTemporary();
  void ReleaseTarget();

  std::string Target;    // the name with its links followed: the file replaced
  std::string TempName;
  TFileHandle Held = NoFileHandle;  // the existing target, locked
  TFileHandle Temp = NoFileHandle;
};
