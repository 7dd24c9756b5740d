// tinsel-datagen: writes the game's whole data folder from the drawings and sound recipes in
// this directory, the same bytes on every run.
//   tinsel-datagen OUTDIR                               everything (images, sounds, tunes)
//   tinsel-datagen --contact-sheet OUT.png [--level N]  every sprite frame with its number
//   tinsel-datagen --only-images OUTDIR / --only-sounds OUTDIR   a part, for quick looks
//   tinsel-datagen --icons OUTDIR NAME                  the desktop icon, hicolor theme layout
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app_icon.h"
#include "audio.h"
#include "contact_sheet.h"
#include "sheet.h"

using namespace datagen;

namespace {

bool makeDirs(const std::string& path) {
  for (size_t i = 1; i <= path.size(); ++i) {
    if (i == path.size() || path[i] == '/') {
      std::string part = path.substr(0, i);
      if (mkdir(part.c_str(), 0755) != 0 && errno != EEXIST) return false;
    }
  }
  return true;
}

bool ensureParent(const std::string& file) {
  size_t slash = file.rfind('/');
  return slash == std::string::npos || makeDirs(file.substr(0, slash));
}

bool writeImages(const std::string& out) {
  for (const SheetDef& def : allSheets()) {
    for (int level : {1, 2, 4}) {
      if (!def.levels && level != 1) continue;
      std::string file = out + "/" + def.name;
      if (level == 2) file += "-hd";
      if (level == 4) file += "-hd2";
      file += ".png";
      if (!ensureParent(file) || !renderSheet(def, level).writePng(file)) {
        std::fprintf(stderr, "tinsel-datagen: cannot write %s\n", file.c_str());
        return false;
      }
    }
  }
  return true;
}

bool writeSounds(const std::string& out) {
  if (!makeDirs(out + "/sfx")) return false;
  for (const SoundDef& s : soundEffects()) {
    char name[32];
    std::snprintf(name, sizeof name, "/sfx/%03d.wav", s.id);
    if (!writeWav(out + name, s.make(), kSfxRate)) {
      std::fprintf(stderr, "tinsel-datagen: cannot write %s%s\n", out.c_str(), name);
      return false;
    }
  }
  for (const TuneDef& t : tunes()) {
    std::string file = out + "/sfx/" + t.name + ".ogg";
    if (!writeOgg(file, t.make(), kTuneRate, 0.3f)) {
      std::fprintf(stderr, "tinsel-datagen: cannot write %s\n", file.c_str());
      return false;
    }
  }
  return true;
}

int usage() {
  std::fprintf(stderr,
               "usage: tinsel-datagen OUTDIR\n"
               "       tinsel-datagen --contact-sheet OUT.png [--level 1|2|4]\n"
               "       tinsel-datagen --only-images OUTDIR | --only-sounds OUTDIR\n"
               "       tinsel-datagen --icons OUTDIR NAME\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return usage();
  std::string first = argv[1];
  if (first == "--contact-sheet") {
    if (argc < 3) return usage();
    int level = 2;
    if (argc >= 5 && std::strcmp(argv[3], "--level") == 0) level = std::atoi(argv[4]);
    if (level != 1 && level != 2 && level != 4) return usage();
    std::string file = argv[2];
    if (!ensureParent(file) || !contactSheet(level).writePng(file)) {
      std::fprintf(stderr, "tinsel-datagen: cannot write %s\n", file.c_str());
      return 1;
    }
    return 0;
  }
  if (first == "--only-images" && argc >= 3) return writeImages(argv[2]) ? 0 : 1;
  if (first == "--only-sounds" && argc >= 3) return writeSounds(argv[2]) ? 0 : 1;
  if (first == "--icons" && argc >= 4) {
    if (writeAppIcons(argv[2], argv[3])) return 0;
    std::fprintf(stderr, "tinsel-datagen: cannot write the icons into %s\n", argv[2]);
    return 1;
  }
  if (first.rfind("--", 0) == 0) return usage();
  if (!makeDirs(first)) {
    std::fprintf(stderr, "tinsel-datagen: cannot create %s\n", first.c_str());
    return 1;
  }
  return writeImages(first) && writeSounds(first) ? 0 : 1;
}
