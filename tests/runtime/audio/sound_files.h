// Makers of sound files for the audio tests and the fuzz corpus: WAVE files assembled
// chunk by chunk (so a test can bend any field), tones encoded to OGG Vorbis with
// libvorbisenc, and small file helpers. Everything is generated; nothing is downloaded.
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

// A "fmt " payload; extraBytes zero bytes follow the 16 standard ones (2 for the
// 18-byte form with its extension size).
Bytes formatPayload(int audioFormat, int channels, int hertz, int bitsPerSample, int extraBytes = 0);

// "RIFF" + size + "WAVE" + the chunks in order.
Bytes riffWave(const std::vector<Bytes>& chunks);

// A square wave of the given amplitude (16-bit units), interleaved when stereo.
Bytes squarePcm16(int frames, int channels, int amplitude, int period = 100);

// A plain PCM 16-bit WAVE file holding squarePcm16.
Bytes squareWave16(int frames, int channels, int hertz, int amplitude);

// A sine tone encoded as OGG Vorbis.
Bytes oggTone(int frames, int channels, int hertz, float frequency = 440.0f, float amplitude = 0.5f);

// Ogg pages around the given packets: the first packet alone on the first page, the
// others together on a second page (no checksums; the decoders do not check them).
Bytes oggPages(const std::vector<Bytes>& packets);
// The packets of a page sequence, in order.
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

// Writes a file, making its folders first.
void writeFile(const std::string& path, const Bytes& bytes);
Bytes readFile(const std::string& path);

}  // namespace audiotest
