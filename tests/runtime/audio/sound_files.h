// Sound files for the audio tests and the fuzz corpus, all generated: WAVE files built
// chunk by chunk so a test can bend any field, and tones encoded to OGG Vorbis.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace audiotest {

using Bytes = std::vector<uint8_t>;

void putU16(Bytes& out, uint32_t value);
void putU32(Bytes& out, uint32_t value);

// One RIFF chunk: tag, little-endian size, payload (no pad byte added).
Bytes chunk(const std::string& tag, const Bytes& payload);
// The declared size may differ from the payload, as in a damaged file.
Bytes chunkWithSize(const std::string& tag, uint32_t declaredSize, const Bytes& payload);

// A "fmt " payload; extraBytes zero bytes follow the 16 standard ones.
Bytes formatPayload(int audioFormat, int channels, int hertz, int bitsPerSample, int extraBytes = 0);

// "RIFF" + size + "WAVE" + the chunks in order.
Bytes riffWave(const std::vector<Bytes>& chunks);

Bytes squarePcm16(int frames, int channels, int amplitude, int period = 100);

Bytes squareWave16(int frames, int channels, int hertz, int amplitude);

// A sine tone encoded as OGG Vorbis.
Bytes oggTone(int frames, int channels, int hertz, float frequency = 440.0f, float amplitude = 0.5f);

// The first packet alone on one page, the rest on a second (no checksums: the decoders
// do not check them).
Bytes oggPages(const std::vector<Bytes>& packets);
std::vector<Bytes> oggPackets(const Bytes& file);

// Packs values least significant bit first, as Vorbis headers do.
class BitWriter {
 public:
  void put(uint32_t value, int bits);
  Bytes bytes() const { return m_bytes; }

 private:
  Bytes m_bytes;
  int m_used = 0;
};

// writeFile makes the folders first.
void writeFile(const std::string& path, const Bytes& bytes);
Bytes readFile(const std::string& path);

}  // namespace audiotest
