// Replays a fuzz corpus without libFuzzer, as an ordinary test; an empty corpus fails.
#include <dirent.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

// Under AddressSanitizer a replayed input may not ask for a gigabyte or more at once: the
// fuzzers count runaway allocations as faults, and so does the replay of their findings.
extern "C" const char* __asan_default_options() { return "max_allocation_size_mb=1024"; }

namespace {

bool replayFile(const std::string& path) {
  FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return false;
  std::vector<uint8_t> bytes;
  uint8_t block[65536];
  size_t n;
  while ((n = std::fread(block, 1, sizeof block, file)) > 0) bytes.insert(bytes.end(), block, block + n);
  std::fclose(file);
  LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
  return true;
}

std::vector<std::string> filesOf(const std::string& path) {
  std::vector<std::string> files;
  DIR* folder = opendir(path.c_str());
  if (!folder) return {path};
  while (dirent* entry = readdir(folder))
    if (entry->d_name[0] != '.') files.push_back(path + "/" + entry->d_name);
  closedir(folder);
  std::sort(files.begin(), files.end());
  return files;
}

}  // namespace

int main(int argc, char** argv) {
  int replayed = 0;
  for (int i = 1; i < argc; ++i)
    for (const std::string& file : filesOf(argv[i])) {
      if (!replayFile(file)) {
        std::fprintf(stderr, "cannot read %s\n", file.c_str());
        return 1;
      }
      ++replayed;
    }
  std::printf("replayed %d inputs\n", replayed);
  return replayed > 0 ? 0 : 1;
}
