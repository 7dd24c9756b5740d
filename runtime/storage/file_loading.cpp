// Whole-file reads and image decoding for the host's loaders. Reads go in 4096-byte
// chunks so that files of unknown size (pipes, growing files) load the same way, and the
// memory handed out is reported to the collector, which paces itself by it.
#include "runtime/storage/file_loading.h"

#include <cstdlib>
#include <cstring>
#include <vector>

#include "runtime/gc.h"
#include "runtime/storage/png_guard.h"

#include <stb/stb_image.h>

FILE* zr_storage_OpenFile(const String& filePath, const String& mode) {
  return std::fopen(filePath.ToUtf8().c_str(), mode.ToNarrow().c_str());
}

unsigned char* zr_storage_ReadWholeFile(FILE* file, int* length) {
  std::vector<unsigned char> bytes;
  unsigned char chunk[4096];
  size_t count;
  while ((count = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
    if (bytes.size() + count > 0x7fffffff) return nullptr;
    bytes.insert(bytes.end(), chunk, chunk + count);
  }
  // malloc(0) may answer null; one spare byte keeps an empty file a valid empty block.
  unsigned char* block = static_cast<unsigned char*>(std::malloc(bytes.size() + 1));
  if (!block) return nullptr;
  if (!bytes.empty()) std::memcpy(block, bytes.data(), bytes.size());
  gc_ext_malloced(static_cast<int>(bytes.size()));
  if (length) *length = static_cast<int>(bytes.size());
  return block;
}

unsigned char* zr_storage_DecodeImage(FILE* file, int* width, int* height, int* components) {
  if (!zr_storage_PngIsSafe(file)) return nullptr;
  int w = 0, h = 0, n = 0;
  unsigned char* pixels = stbi_load_from_file(file, &w, &h, &n, 0);
  if (!pixels) return nullptr;
  gc_ext_malloced(w * h * n);
  if (width) *width = w;
  if (height) *height = h;
  if (components) *components = n;
  return pixels;
}
