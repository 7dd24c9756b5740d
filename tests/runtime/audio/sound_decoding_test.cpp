// WAVE and OGG decoding through the one entry the host uses, and the Vorbis header guard.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "runtime/audio/sound_decoding.h"
#include "runtime/audio/vorbis_header_guard.h"
#include "sound_files.h"

using namespace audiotest;

namespace {

struct Decoded {
  bool ok = false;
  int length = -7, channels = -7, format = -7, hertz = -7;
  Bytes data;
};

FILE* fileOf(const Bytes& bytes) {
  FILE* file = std::tmpfile();
  if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::rewind(file);
  return file;
}

// Decodes bytes as if read from a file with the given name.
Decoded decode(const Bytes& bytes, const char* name) {
  FILE* file = fileOf(bytes);
  Decoded out;
  unsigned char* data = zr_audio_LoadAudioFile(file, String(name), &out.length, &out.channels, &out.format, &out.hertz);
  std::fclose(file);
  if (data) {
    out.ok = true;
    out.data.assign(data, data + static_cast<size_t>(out.length) * out.channels * out.format);
    std::free(data);
  }
  return out;
}

Bytes counting(int count) {
  Bytes out;
  for (int i = 0; i < count; ++i) out.push_back(static_cast<uint8_t>(i * 7));
  return out;
}

Bytes concat(Bytes a, const Bytes& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

}  // namespace

TEST(SoundDecoding, WaveFilesGiveTheirSamplesAndLayout) {
  Bytes pcm4000 = counting(4000);
  Bytes pcm1000 = counting(1000);
  Bytes fmtMono16 = chunk("fmt ", formatPayload(1, 1, 22050, 16));
  struct Case {
    const char* what;
    Bytes file;
    Bytes samples;
    int length, channels, format, hertz;
  } cases[] = {
      {"stereo 16-bit, 4000 bytes", riffWave({chunk("fmt ", formatPayload(1, 2, 44100, 16)), chunk("data", pcm4000)}),
       pcm4000, 1000, 2, 2, 44100},
      {"mono 8-bit", riffWave({chunk("fmt ", formatPayload(1, 1, 11025, 8)), chunk("data", pcm1000)}), pcm1000, 1000,
       1, 1, 11025},
      {"18-byte format chunk", riffWave({chunk("fmt ", formatPayload(1, 1, 22050, 16, 2)), chunk("data", pcm1000)}),
       pcm1000, 500, 1, 2, 22050},
      {"LIST chunk before the data", riffWave({fmtMono16, chunk("LIST", counting(26)), chunk("data", pcm1000)}),
       pcm1000, 500, 1, 2, 22050},
      {"odd LIST chunk with its pad byte",
       riffWave({fmtMono16, concat(chunk("LIST", counting(5)), Bytes{0}), chunk("data", pcm1000)}), pcm1000, 500, 1, 2,
       22050},
      {"odd chunk written without a pad byte", riffWave({fmtMono16, chunk("note", counting(5)), chunk("data", pcm1000)}),
       pcm1000, 500, 1, 2, 22050},
      {"trailing half frame", riffWave({chunk("fmt ", formatPayload(1, 2, 8000, 16)), chunk("data", counting(4002))}),
       counting(4000), 1000, 2, 2, 8000},
      {"chunks after the data", riffWave({fmtMono16, chunk("data", pcm1000), chunk("LIST", counting(8))}), pcm1000, 500,
       1, 2, 22050},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Decoded d = decode(c.file, "sfx/001.wav");
    ASSERT_TRUE(d.ok);
    EXPECT_EQ(d.length, c.length);
    EXPECT_EQ(d.channels, c.channels);
    EXPECT_EQ(d.format, c.format);
    EXPECT_EQ(d.hertz, c.hertz);
    EXPECT_EQ(d.data, Bytes(c.samples.begin(), c.samples.begin() + static_cast<long>(d.data.size())));
  }
}

TEST(SoundDecoding, DamagedOrUnsupportedWaveFilesAreRejected) {
  Bytes fmt = chunk("fmt ", formatPayload(1, 2, 44100, 16));
  Bytes data = chunk("data", counting(400));
  Bytes good = riffWave({fmt, data});
  Bytes notRiff = good;
  notRiff[0] = 'X';
  Bytes notWave = good;
  notWave[8] = 'X';
  struct Case {
    const char* what;
    Bytes file;
  } cases[] = {
      {"empty file", Bytes{}},
      {"only the RIFF tag", Bytes{'R', 'I', 'F', 'F'}},
      {"not RIFF", notRiff},
      {"not WAVE", notWave},
      {"data before the format", riffWave({data, fmt})},
      {"float samples (format 3)", riffWave({chunk("fmt ", formatPayload(3, 2, 44100, 16)), data})},
      {"no channels", riffWave({chunk("fmt ", formatPayload(1, 0, 44100, 16)), data})},
      {"4 bits per sample", riffWave({chunk("fmt ", formatPayload(1, 1, 44100, 4)), data})},
      {"0 bits per sample", riffWave({chunk("fmt ", formatPayload(1, 1, 44100, 0)), data})},
      {"sample rate 0", riffWave({chunk("fmt ", formatPayload(1, 2, 0, 16)), data})},
      {"format chunk cut short", Bytes(good.begin(), good.begin() + 30)},
      {"no data chunk", riffWave({fmt})},
      {"data larger than the file", riffWave({fmt, chunkWithSize("data", 401, counting(400))})},
      {"data size near 2 GB", riffWave({fmt, chunkWithSize("data", 0x7ffffff0, counting(400))})},
      {"data size of 4 GB", riffWave({fmt, chunkWithSize("data", 0xffffffff, counting(400))})},
      {"huge chunk before the data", riffWave({fmt, chunkWithSize("LIST", 0xfffffff0, counting(8)), data})},
      {"huge format chunk", riffWave({chunkWithSize("fmt ", 0xffffff00, formatPayload(1, 2, 44100, 16)), data})},
      {"data smaller than one frame", riffWave({fmt, chunk("data", counting(3))})},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_FALSE(decode(c.file, "a.wav").ok);
  }
}

TEST(SoundDecoding, OggFilesDecodeWholeTo16Bit) {
  struct Case {
    const char* name;
    int frames, channels, hertz;
  } cases[] = {
      {"tune.ogg", 30000, 2, 44100},  // several times the starting room
      {"BEEP.OGG", 5000, 1, 22050},   // the ending is matched whatever its case
      {"music/Jingle.Ogg", 100, 1, 8000},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Decoded d = decode(oggTone(c.frames, c.channels, c.hertz), c.name);
    ASSERT_TRUE(d.ok);
    EXPECT_EQ(d.length, c.frames);
    EXPECT_EQ(d.channels, c.channels);
    EXPECT_EQ(d.format, 2);
    EXPECT_EQ(d.hertz, c.hertz);
    int loudest = 0;
    for (size_t i = 0; i + 1 < d.data.size(); i += 2)
      loudest = std::max(loudest, std::abs(static_cast<int16_t>(d.data[i] | (d.data[i + 1] << 8))));
    EXPECT_GT(loudest, 12000);  // the tone was encoded at half of full scale
  }
}

TEST(SoundDecoding, OggSamplesFarPastFullScaleClipKeepingTheirSign) {
  // A tone at 500 times full scale, as a damaged or badly mastered stream may decode:
  // wherever the tone is clearly up or down, the sample is full scale the same way.
  const float amplitude = 500.0f, frequency = 50.0f;
  const int hertz = 8000;
  Decoded d = decode(oggTone(4000, 1, hertz, frequency, amplitude), "loud.ogg");
  ASSERT_TRUE(d.ok);
  int wrong = 0;
  for (int i = 0; i < d.length; ++i) {
    int sample = static_cast<int16_t>(d.data[2 * i] | (d.data[2 * i + 1] << 8));
    float tone = amplitude * std::sin(6.2831853f * frequency * i / hertz);
    if ((tone > 50 && sample != 32767) || (tone < -50 && sample != -32768)) ++wrong;
  }
  EXPECT_EQ(wrong, 0);
}

TEST(SoundDecoding, OnlyTheFileEndingChoosesTheDecoder) {
  Bytes wave = squareWave16(100, 1, 8000, 1000);
  Bytes ogg = oggTone(2000, 1, 8000);
  EXPECT_TRUE(decode(wave, "SFX/001.WAV").ok);
  EXPECT_FALSE(decode(wave, "sfx/001.ogg").ok);
  EXPECT_FALSE(decode(ogg, "sfx/tune.wav").ok);
  EXPECT_FALSE(decode(wave, "sfx/001.wav.bak").ok);
  EXPECT_FALSE(decode(wave, "sfx/001").ok);
  int length, channels, format, hertz;
  EXPECT_EQ(zr_audio_LoadAudioFile(nullptr, "a.wav", &length, &channels, &format, &hertz), nullptr);
}

TEST(SoundDecoding, DamagedOggFilesNeverCrash) {
  Bytes ogg = oggTone(20000, 2, 22050);
  // Cut inside the identification and setup headers: nothing can be decoded.
  for (size_t cut : {size_t(0), size_t(10), size_t(40), size_t(200)}) {
    SCOPED_TRACE(cut);
    EXPECT_FALSE(decode(Bytes(ogg.begin(), ogg.begin() + static_cast<long>(cut)), "t.ogg").ok);
  }
  // Flipped bytes anywhere: whatever comes out must be a consistent stereo block.
  for (size_t at = 0; at < ogg.size(); at += 37) {
    Bytes damaged = ogg;
    damaged[at] ^= 0x5a;
    Decoded d = decode(damaged, "t.ogg");
    if (!d.ok) continue;
    EXPECT_GT(d.length, 0);
    EXPECT_EQ(d.channels, 2);
    EXPECT_LE(d.length, 20000 + 4096);
  }
  Bytes garbage(5000);
  for (size_t i = 0; i < garbage.size(); ++i) garbage[i] = static_cast<uint8_t>((i * 2654435761u) >> 13);
  EXPECT_FALSE(decode(garbage, "t.ogg").ok);
}

namespace {

Bytes commentPacket(uint32_t vendorLength, uint32_t count, uint32_t firstLength) {
  Bytes out{3, 'v', 'o', 'r', 'b', 'i', 's'};
  putU32(out, vendorLength);
  out.insert(out.end(), 4, 'v');
  putU32(out, count);
  putU32(out, firstLength);
  out.insert(out.end(), 4, 'c');
  out.push_back(1);
  return out;
}

// A setup header whose one codebook has a lookup table of entries x dimensions values
// (or, of lookup type 1, a lattice of the largest r with r^dimensions <= entries values),
// followed by as many bits as it really carries.
Bytes setupPacket(uint32_t dimensions, uint32_t entries, int valueBitsCarried, int lookupType = 2) {
  BitWriter bits;
  for (char c : std::string("\x05vorbis")) bits.put(static_cast<uint8_t>(c), 8);
  bits.put(0, 8);  // one codebook
  bits.put(0x564342, 24);
  bits.put(dimensions, 16);
  bits.put(entries, 24);
  bits.put(1, 1);  // ordered lengths: one run covering every entry
  bits.put(0, 5);
  int runBits = 0;
  for (uint32_t v = entries; v; v >>= 1) ++runBits;
  bits.put(entries, runBits);
  bits.put(lookupType, 4);
  bits.put(0, 32);
  bits.put(0, 32);
  bits.put(0, 4);  // one bit per value
  bits.put(0, 1);
  for (int i = 0; i < valueBitsCarried; ++i) bits.put(1, 1);
  return bits.bytes();
}

bool headersSafe(const Bytes& file) {
  FILE* f = fileOf(file);
  bool safe = zr_audio_VorbisHeadersAreSafe(f);
  long position = std::ftell(f);
  std::fclose(f);
  EXPECT_EQ(position, 0) << "the read position must be restored";
  return safe;
}

}  // namespace

TEST(SoundDecoding, HostileVorbisHeadersAreRefusedBeforeDecoding) {
  Bytes tone = oggTone(3000, 1, 8000);
  std::vector<Bytes> real = oggPackets(tone);
  ASSERT_GE(real.size(), 3u);
  Bytes id = real[0];
  Bytes comment = commentPacket(4, 1, 4);
  Bytes fittingSetup = setupPacket(2, 3, 6);
  struct Case {
    const char* what;
    Bytes file;
    bool safe;
  } cases[] = {
      {"the encoder's own file", tone, true},
      {"plain headers", oggPages({id, comment, fittingSetup}), true},
      {"vendor length of 4 GB", oggPages({id, commentPacket(0xffffffff, 1, 4), fittingSetup}), false},
      {"vendor longer than the packet", oggPages({id, commentPacket(40, 1, 4), fittingSetup}), false},
      {"a billion comments", oggPages({id, commentPacket(4, 0x40000000, 4), fittingSetup}), false},
      {"comment longer than the packet", oggPages({id, commentPacket(4, 1, 0x7fffffff), fittingSetup}), false},
      {"lookup table of 2^30 values", oggPages({id, comment, setupPacket(512, 0x200000, 64)}), false},
      {"lookup table longer than the packet", oggPages({id, comment, setupPacket(64, 8, 10)}), false},
      // The decoder's lattice check raises 2 to the power of the dimensions into an int.
      {"lattice of 30 dimensions", oggPages({id, comment, setupPacket(30, 1, 1, 1)}), true},
      {"lattice of 31 dimensions", oggPages({id, comment, setupPacket(31, 1, 1, 1)}), false},
      {"no setup header", oggPages({id, comment}), false},
      {"identification page only", Bytes(tone.begin(), tone.begin() + 58), false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(headersSafe(c.file), c.safe);
    if (!c.safe) {
      EXPECT_FALSE(decode(c.file, "x.ogg").ok);
    }
  }
}
