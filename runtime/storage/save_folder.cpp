// Finding and entering the per-user save folder. The XDG rules say a relative
// XDG_DATA_HOME is invalid and must be ignored, so a stray "XDG_DATA_HOME=data" can
// never scatter saves across whatever folder the launcher happened to start in.
#include "runtime/storage/save_folder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

const char kGameFolder[] = "tinsel-jumble";

bool isAbsolute(const char* path) { return path && path[0] == '/'; }

std::string failure(const std::string& what, const std::string& path, int error) {
  return what + " " + path + ": " + std::strerror(error);
}

}  // namespace

std::string zr_storage_DataHomeSaveFolder(const char* xdgDataHome, const char* home) {
  if (isAbsolute(xdgDataHome)) return std::string(xdgDataHome) + "/" + kGameFolder;
  if (isAbsolute(home)) return std::string(home) + "/.local/share/" + kGameFolder;
  return std::string();
}

std::string zr_storage_EnterFolder(const std::string& folder) {
  if (folder.empty()) return "no folder to keep the save in (neither XDG_DATA_HOME nor HOME is an absolute path)";
  for (size_t end = 1; end <= folder.size(); ++end) {
    if (end < folder.size() && folder[end] != '/') continue;
    std::string part = folder.substr(0, end);
    if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) return failure("cannot create", part, errno);
  }
  if (::chdir(folder.c_str()) != 0) return failure("cannot enter", folder, errno);
  return std::string();
}
