// Looking into the data folder: the first PNG file found settles it, so a good folder is
// judged after a handful of directory entries.
#include "runtime/storage/data_folder.h"

#include <dirent.h>
#include <sys/stat.h>

namespace {

// The game's images sit in the folder itself and one level below; a little more depth
// keeps a rearranged folder from being judged empty.
constexpr int kDepth = 3;

bool isPng(const std::string& name) {
  return name.size() > 4 && name.compare(name.size() - 4, 4, ".png") == 0;
}

bool holdsImages(const std::string& folder, int depth) {
  DIR* listing = opendir(folder.c_str());
  if (!listing) return false;
  bool found = false;
  while (!found) {
    dirent* entry = readdir(listing);
    if (!entry) break;
    std::string name = entry->d_name;
    if (name == "." || name == "..") continue;
    std::string path = folder + "/" + name;
    struct stat info;
    if (stat(path.c_str(), &info) != 0) continue;
    if (S_ISREG(info.st_mode))
      found = isPng(name);
    else if (S_ISDIR(info.st_mode) && depth > 1)
      found = holdsImages(path, depth - 1);
  }
  closedir(listing);
  return found;
}

}  // namespace

DataFolderState zr_storage_DataFolderState(const std::string& folder) {
  struct stat info;
  if (stat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) return DataFolderState::kMissing;
  return holdsImages(folder, kDepth) ? DataFolderState::kHoldsImages : DataFolderState::kNoImages;
}
