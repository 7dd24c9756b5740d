// Data-path rules: the "quillo:" scheme mapped onto folders beside the executable, and
// the executable's own folder as the kernel reports it (/proc/self/exe), so the game finds
// its data wherever it is installed and whatever the working directory is.
#include "runtime/storage/data_paths.h"

#include <unistd.h>

#include <climits>

#include "runtime/diagnostics.h"

String zr_data_FixDataPath(const String& path) {
  int schemeColon = path.Find(":/");
  if (schemeColon != -1 && path.Find("/") == schemeColon + 1) return path;
  if (path.StartsWith("./") || path.StartsWith("/")) return path;
  return String("quillo://data/") + path;
}

String zr_storage_ToFilePath(const String& path, const String& appDir) {
  if (!path.StartsWith("quillo:")) return path;
  struct Folder {
    const char* prefix;
    const char* folder;
  };
  static const Folder folders[] = {
      {"quillo://data/", "/data/"},
      {"quillo://internal/", "/internal/"},
      {"quillo://external/", "/external/"},
  };
  for (const Folder& entry : folders) {
    String prefix(entry.prefix);
    if (path.StartsWith(prefix)) return appDir + String(entry.folder) + path.Slice(prefix.Length());
  }
  return String();
}

String zr_storage_ExecutableDir() {
  char buffer[PATH_MAX];
  ssize_t length = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  std::string executable = length > 0 ? std::string(buffer, static_cast<size_t>(length)) : std::string();
  size_t slash = executable.rfind('/');
  if (slash == std::string::npos) {
    // Without its own location the program still runs; data then comes from the working folder.
    zrPrint("Cannot find the program's own folder; looking for data in the working folder");
    return String(".");
  }
  return String::FromUtf8(executable.substr(0, slash));
}
