// The state file: the game's one persistent record, a string kept as UTF-8 in a file.
// A save never touches the old file until the new one is complete on disk: it writes a
// temporary file beside it, flushes it and renames it over the old one. The file-system
// steps go through StateFileSystem so a test can fail or interrupt any one of them.
#pragma once

#include <cstddef>
#include <string>

#include "runtime/string.h"

class StateFileSystem {
 public:
  virtual ~StateFileSystem() = default;
  // Creates or truncates a file for writing; a descriptor, or -1.
  virtual int Create(const std::string& path) = 0;
  virtual bool WriteAll(int descriptor, const char* bytes, size_t count) = 0;
  virtual bool Sync(int descriptor) = 0;
  virtual bool Close(int descriptor) = 0;
  virtual bool Rename(const std::string& from, const std::string& to) = 0;
  virtual void Remove(const std::string& path) = 0;
  // Makes a finished rename durable; best effort, the state is already in place.
  virtual void SyncDirectory(const std::string& directory) = 0;
};

// The real file system (POSIX calls).
StateFileSystem& zr_storage_PosixFileSystem();

// Writes the state (each UTF-16 unit as UTF-8) to the file at path: 0 when it is in
// place, -1 when any step failed, in which case the previous file is left as it was and
// one line on the standard error tells the player (with the reason, where there is one).
int zr_storage_SaveState(const String& state, const std::string& path, StateFileSystem& fileSystem);

// The state saved at path, or the empty string when there is none.
String zr_storage_LoadState(const std::string& path);
