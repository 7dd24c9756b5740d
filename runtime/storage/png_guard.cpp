// Walks the chunk list of a PNG file (a 4-byte big-endian length, a 4-byte type, the
// data and a 4-byte checksum each) from the signature to the end chunk, checking the
// header chunk's size and each chunk's length against what the file really holds, and
// that the image data does not start with an empty chunk.
#include "runtime/storage/png_guard.h"

#include <cstdint>
#include <cstring>

namespace {

const unsigned char kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};

uint32_t bigEndian(const unsigned char* bytes) {
  return static_cast<uint32_t>(bytes[0]) << 24 | static_cast<uint32_t>(bytes[1]) << 16 |
         static_cast<uint32_t>(bytes[2]) << 8 | bytes[3];
}

bool sideFits(uint32_t side) { return side >= 1 && side <= static_cast<uint32_t>(kLargestImageSide); }

bool chunksAreSafe(FILE* file, long fileSize) {
  unsigned char signature[8];
  if (std::fread(signature, 1, 8, file) != 8 || std::memcmp(signature, kSignature, 8) != 0) return false;
  long at = 8;
  bool first = true;
  bool data = false;
  while (true) {
    unsigned char header[8];
    if (std::fseek(file, at, SEEK_SET) != 0 || std::fread(header, 1, 8, file) != 8) return false;
    uint32_t length = bigEndian(header);
    // The data and its checksum must end inside the file.
    if (at + 12 + static_cast<long>(length) > fileSize) return false;
    if (first) {
      unsigned char size[8];
      if (std::memcmp(header + 4, "IHDR", 4) != 0 || length != 13 || std::fread(size, 1, 8, file) != 8) return false;
      if (!sideFits(bigEndian(size)) || !sideFits(bigEndian(size + 4))) return false;
      first = false;
    }
    // An empty data chunk before any data would be copied into a buffer the decoder has
    // not made yet; our own files never hold one.
    if (std::memcmp(header + 4, "IDAT", 4) == 0) {
      if (!data && length == 0) return false;
      data = true;
    }
    if (std::memcmp(header + 4, "IEND", 4) == 0) return true;
    at += 12 + static_cast<long>(length);
  }
}

}  // namespace

bool zr_storage_PngIsSafe(FILE* file) {
  long start = std::ftell(file);
  if (start < 0 || std::fseek(file, 0, SEEK_END) != 0) return false;
  long fileSize = std::ftell(file);
  bool safe = std::fseek(file, start, SEEK_SET) == 0 && chunksAreSafe(file, fileSize);
  return std::fseek(file, start, SEEK_SET) == 0 && safe;
}
