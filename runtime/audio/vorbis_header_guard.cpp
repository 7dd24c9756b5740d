// Reassembles the first three Vorbis packets from the Ogg pages (the identification
// header alone on the first page, then the comment and setup headers) and checks every
// length the decoder would allocate from.
#include "runtime/audio/vorbis_header_guard.h"

#include <cstdint>
#include <vector>

namespace {

// Header packets of genuine files are a few kilobytes; more than this is not a sound file.
constexpr size_t kMaxHeaderBytes = 4 * 1024 * 1024;

using Packet = std::vector<uint8_t>;

// Reads pages and splits their segments into packets the way stb_vorbis does: the first
// page must hold exactly the 30-byte identification packet. A file that ends early keeps
// what it has; the decoder sees the same bytes and no more.
bool readHeaderPackets(FILE* file, Packet* comment, Packet* setup) {
  std::vector<Packet> packets(1);
  size_t total = 0;
  bool firstPage = true;
  bool ended = false;
  while (packets.size() < 4 && !ended) {
    uint8_t header[27];
    uint8_t lacing[255];
    if (std::fread(header, 1, 27, file) != 27) break;
    if (header[0] != 'O' || header[1] != 'g' || header[2] != 'g' || header[3] != 'S' || header[4] != 0) return false;
    int segments = header[26];
    if (std::fread(lacing, 1, segments, file) != static_cast<size_t>(segments)) break;
    if (firstPage && (segments != 1 || lacing[0] != 30)) return false;
    firstPage = false;
    for (int s = 0; s < segments && packets.size() < 4 && !ended; ++s) {
      Packet& packet = packets.back();
      size_t at = packet.size();
      packet.resize(at + lacing[s]);
      size_t got = std::fread(packet.data() + at, 1, lacing[s], file);
      packet.resize(at + got);
      total += got;
      if (total > kMaxHeaderBytes) return false;
      ended = got != lacing[s];
      if (lacing[s] < 255) packets.emplace_back();
    }
  }
  if (packets.size() < 3 || packets[2].empty()) return false;
  *comment = packets[1];
  *setup = packets[2];
  return true;
}

// Little-endian bit reader over one packet; reading past its end gives zero bits.
class BitReader {
 public:
  explicit BitReader(const Packet& packet) : m_packet(packet), m_size(packet.size() * 8) {}
  uint32_t bits(int count) {
    uint32_t value = 0;
    for (int i = 0; i < count && m_position < m_size; ++i, ++m_position)
      value |= static_cast<uint32_t>((m_packet[m_position / 8] >> (m_position % 8)) & 1) << i;
    return value;
  }
  void skip(uint64_t count) { m_position = count < bitsLeft() ? m_position + count : m_size; }
  uint64_t bitsLeft() const { return m_size - m_position; }

 private:
  const Packet& m_packet;
  uint64_t m_size;
  uint64_t m_position = 0;
};

int bitsFor(uint32_t value) {
  int n = 0;
  for (; value; value >>= 1) ++n;
  return n;
}

// The largest r whose dim-th power does not pass entries: the size of a lattice table.
uint64_t latticeValues(uint32_t entries, uint32_t dimensions) {
  if (dimensions == 1) return entries;
  uint64_t r = 0;
  for (;;) {
    uint64_t power = 1;
    for (uint32_t d = 0; d < dimensions && power <= entries; ++d) power *= r + 1;
    if (power > entries) return r;
    ++r;
  }
}

// stb_vorbis confirms a lattice's size by raising (values + 1) to the power of the
// dimensions in floating point and turning that into an int; past an int's range that
// conversion is undefined. Genuine lattices have a few dimensions and stay far below it.
bool latticeCheckFitsInt(uint64_t values, uint32_t dimensions) {
  uint64_t power = 1;
  for (uint32_t d = 0; d < dimensions; ++d) {
    power *= values + 1;
    if (power > INT32_MAX) return false;
  }
  return true;
}

// Vendor string and user comments: each declared length must lie within the packet.
bool commentFits(const Packet& packet) {
  size_t at = 7;  // packet type and "vorbis"
  auto lengthFits = [&](uint64_t* length) {
    if (packet.size() < at + 4) return false;
    *length = packet[at] | packet[at + 1] << 8 | packet[at + 2] << 16 | static_cast<uint64_t>(packet[at + 3]) << 24;
    at += 4;
    return *length <= packet.size() - at;
  };
  uint64_t vendor, count;
  if (!lengthFits(&vendor)) return false;
  at += vendor;
  // Every comment takes at least its 4-byte length.
  if (!lengthFits(&count) || count > (packet.size() - at) / 4) return false;
  for (uint64_t i = 0; i < count; ++i) {
    uint64_t length;
    if (!lengthFits(&length)) return false;
    at += length;
  }
  return true;
}

// stb_vorbis takes codewords of up to 31 bits, but finds short codebooks' codewords with
// an int mask (1 << length), which overflows at 31. Real files keep codewords far shorter,
// so a file with one that long is refused.
constexpr uint32_t kLongestSafeCodeword = 30;

// Walks the codebooks that open the setup header; a lookup table must be no larger than
// the values the packet still holds, and no codeword longer than the decoder can mask.
// Whatever stb_vorbis rejects by itself ends the walk.
bool codebooksFit(const Packet& packet) {
  BitReader in(packet);
  in.skip(8 * 7);  // packet type and "vorbis"
  int codebooks = static_cast<int>(in.bits(8)) + 1;
  for (int b = 0; b < codebooks; ++b) {
    if (in.bits(24) != 0x564342) return true;
    uint32_t dimensions = in.bits(16);
    uint32_t entries = in.bits(24);
    if (dimensions == 0) return true;
    if (in.bits(1)) {  // lengths given as runs of rising length
      uint32_t entry = 0;
      for (uint32_t length = in.bits(5) + 1; entry < entries; ++length) {
        uint32_t run = in.bits(bitsFor(entries - entry));
        if (length >= 32 || run > entries - entry) return true;
        if (length > kLongestSafeCodeword && run > 0) return false;
        entry += run;
      }
    } else {
      bool sparse = in.bits(1);
      for (uint32_t entry = 0; entry < entries && in.bitsLeft() > 0; ++entry)
        if ((!sparse || in.bits(1)) && in.bits(5) + 1 > kLongestSafeCodeword) return false;
    }
    uint32_t lookupType = in.bits(4);
    if (lookupType == 0) continue;
    if (lookupType > 2) return true;
    in.skip(32 + 32);  // minimum and delta
    uint32_t valueBits = in.bits(4) + 1;
    in.skip(1);
    uint64_t values = lookupType == 1 ? latticeValues(entries, dimensions) : uint64_t(entries) * dimensions;
    if (lookupType == 1 && entries > 0 && !latticeCheckFitsInt(values, dimensions)) return false;
    if (values * valueBits > in.bitsLeft()) return false;
    in.skip(values * valueBits);
  }
  return true;
}

}  // namespace

bool zr_audio_VorbisHeadersAreSafe(FILE* file) {
  long start = std::ftell(file);
  if (start < 0) return false;
  Packet comment, setup;
  bool safe = readHeaderPackets(file, &comment, &setup) && commentFits(comment) && codebooksFit(setup);
  std::fseek(file, start, SEEK_SET);
  return safe;
}
