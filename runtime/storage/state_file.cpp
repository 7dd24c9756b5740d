// Saving and loading the state file. The save is crash-safe: the new content goes to
// "<name>.<pid>.tmp" beside the file, is flushed to disk, and only then replaces the old
// file by rename, which is atomic; a crash or full disk at any step leaves the previous
// state whole, and a failed save says so in one line on the standard error. The temporary name carries the process id so two running copies never
// write into one temporary file.
#include "runtime/storage/state_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "runtime/diagnostics.h"

namespace {

class PosixFileSystem : public StateFileSystem {
 public:
  int Create(const std::string& path) override {
    return ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  }
  bool WriteAll(int descriptor, const char* bytes, size_t count) override {
    while (count > 0) {
      ssize_t written = ::write(descriptor, bytes, count);
      if (written < 0 && errno == EINTR) continue;
      if (written <= 0) return false;
      bytes += written;
      count -= static_cast<size_t>(written);
    }
    return true;
  }
  bool Sync(int descriptor) override { return ::fsync(descriptor) == 0; }
  bool Close(int descriptor) override { return ::close(descriptor) == 0; }
  bool Rename(const std::string& from, const std::string& to) override {
    return std::rename(from.c_str(), to.c_str()) == 0;
  }
  void Remove(const std::string& path) override { ::unlink(path.c_str()); }
  void SyncDirectory(const std::string& directory) override {
    int descriptor = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0) return;
    ::fsync(descriptor);
    ::close(descriptor);
  }
};

std::string directoryOf(const std::string& path) {
  size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

// The file as the player would look for it: a relative path is shown from the working
// folder it lives in.
std::string shownPath(const std::string& path) {
  if (!path.empty() && path[0] == '/') return path;
  char folder[4096];
  if (!::getcwd(folder, sizeof folder)) return path;
  return std::string(folder) + "/" + (path.compare(0, 2, "./") == 0 ? path.substr(2) : path);
}

// One line for the player; the game goes on with its settings and scores in memory.
int saveFailed(const std::string& path, int error) {
  std::string reason = error != 0 ? std::string(" (") + std::strerror(error) + ")" : "";
  zrWarn(String::FromUtf8("Save failed: cannot write " + shownPath(path) + reason + "; the previous save is kept"));
  return -1;
}

}  // namespace

StateFileSystem& zr_storage_PosixFileSystem() {
  static PosixFileSystem fileSystem;
  return fileSystem;
}

int zr_storage_SaveState(const String& state, const std::string& path, StateFileSystem& fileSystem) {
  std::string bytes = state.ToUtf8();
  std::string temporary = path + "." + std::to_string(::getpid()) + ".tmp";
  errno = 0;
  int descriptor = fileSystem.Create(temporary);
  if (descriptor < 0) return saveFailed(path, errno);
  // The first step that fails gives the reason the player reads.
  bool written = fileSystem.WriteAll(descriptor, bytes.data(), bytes.size()) && fileSystem.Sync(descriptor);
  int error = errno;
  bool closed = fileSystem.Close(descriptor);
  if (written && !closed) error = errno;
  bool renamed = written && closed && fileSystem.Rename(temporary, path);
  if (written && closed && !renamed) error = errno;
  if (!renamed) {
    fileSystem.Remove(temporary);
    return saveFailed(path, error);
  }
  fileSystem.SyncDirectory(directoryOf(path));
  return 0;
}

String zr_storage_LoadState(const std::string& path) {
  FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return String();
  String state = String::Load(file);
  std::fclose(file);
  return state;
}
