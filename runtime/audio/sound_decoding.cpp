// WAVE and OGG Vorbis decoding into one block of interleaved PCM.
//
// The WAVE reader walks the RIFF chunks in order: "fmt " first, then any chunks up to
// "data". Size fields are never trusted on their own: a data chunk must fit in what the
// file really holds before anything is allocated. OGG files go through stb_vorbis only
// once their headers have passed the guard, with a fixed memory arena and a ceiling on
// the decoded size, so a hostile stream can neither corrupt nor exhaust memory.
#include "runtime/audio/sound_decoding.h"

#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#define STB_VORBIS_HEADER_ONLY
#include <stb/stb_vorbis.h>

#include "runtime/audio/vorbis_header_guard.h"
#include "runtime/gc.h"

namespace {

// Genuine files need about 150 KB of decoder state; a stream asking for more is damaged.
constexpr int kVorbisArenaBytes = 4 * 1024 * 1024;
// About twelve minutes of 44.1 kHz stereo, far beyond any tune the game plays.
constexpr size_t kMaxDecodedValues = 64u * 1024 * 1024;
// Room for the largest frame stb_vorbis hands back, in samples per channel, to begin with.
constexpr size_t kMaxFrameSamples = 4096;

// A decoded sample in 16 bits, rounded to nearest. A damaged stream can decode to any
// value at all, so the range is held here (not-a-number is silence) rather than left to
// the decoder's own conversion, which overflows on such values.
short toSample(float value) {
  float scaled = value * 32768.0f;
  if (!(scaled == scaled)) return 0;
  if (scaled >= 32767.0f) return 32767;
  if (scaled <= -32768.0f) return -32768;
  return static_cast<short>(std::lround(scaled));
}

// A failed read yields an empty tag, which matches no chunk name.
std::string readTag(FILE* file) {
  char tag[4];
  if (std::fread(tag, 1, 4, file) != 4) return std::string();
  return std::string(tag, 4);
}

bool readU16(FILE* file, uint32_t* value) {
  unsigned char b[2];
  if (std::fread(b, 1, 2, file) != 2) return false;
  *value = b[0] | (b[1] << 8);
  return true;
}

bool readU32(FILE* file, uint32_t* value) {
  unsigned char b[4];
  if (std::fread(b, 1, 4, file) != 4) return false;
  *value = b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<uint32_t>(b[3]) << 24);
  return true;
}

// Bytes between the read position and the end of the file, or -1 when it cannot seek.
long bytesLeft(FILE* file) {
  long here = std::ftell(file);
  if (here < 0 || std::fseek(file, 0, SEEK_END) != 0) return -1;
  long end = std::ftell(file);
  if (std::fseek(file, here, SEEK_SET) != 0 || end < here) return -1;
  return end - here;
}

// RIFF pads odd-sized chunks with one zero byte; some writers leave it out, so the pad
// is only taken when it is really there.
void skipChunk(FILE* file, uint32_t size) {
  std::fseek(file, static_cast<long>(size), SEEK_CUR);
  if (size % 2 == 0) return;
  int pad = std::fgetc(file);
  if (pad != 0 && pad != EOF) std::ungetc(pad, file);
}

bool endsWithIgnoringCase(const String& path, const char* ending) {
  return path.ToLower().EndsWith(String(ending));
}

}  // namespace

unsigned char* LoadWAV(FILE* file, int* length, int* channels, int* format, int* hertz) {
  if (readTag(file) != "RIFF") return nullptr;
  uint32_t riffSize;
  if (!readU32(file, &riffSize)) return nullptr;
  if (readTag(file) != "WAVE") return nullptr;
  if (readTag(file) != "fmt ") return nullptr;

  uint32_t formatSize;
  if (!readU32(file, &formatSize)) formatSize = UINT32_MAX;
  uint32_t audioFormat, channelCount, sampleRate, byteRate, blockAlign, bitsPerSample;
  if (!readU16(file, &audioFormat) || audioFormat != 1) return nullptr;
  if (!readU16(file, &channelCount) || !readU32(file, &sampleRate) || !readU32(file, &byteRate) ||
      !readU16(file, &blockAlign) || !readU16(file, &bitsPerSample))
    return nullptr;
  uint32_t bytesPerSample = bitsPerSample / 8;
  // Without channels, whole bytes per sample or a rate there is no sound to speak of.
  if (channelCount == 0 || bytesPerSample == 0 || sampleRate == 0 || sampleRate > INT_MAX)
    return nullptr;
  if (formatSize > 16 && formatSize != UINT32_MAX) std::fseek(file, formatSize - 16, SEEK_CUR);

  uint32_t frameBytes = channelCount * bytesPerSample;
  for (;;) {
    std::string tag = readTag(file);
    uint32_t size;
    if (!readU32(file, &size) || std::feof(file)) return nullptr;
    if (tag != "data") {
      skipChunk(file, size);
      continue;
    }
    long left = bytesLeft(file);
    if (left < 0 || size > static_cast<unsigned long>(left) || size > INT_MAX || size < frameBytes)
      return nullptr;
    unsigned char* data = static_cast<unsigned char*>(std::malloc(size));
    if (!data) return nullptr;
    if (std::fread(data, 1, size, file) != size) {
      std::free(data);
      return nullptr;
    }
    *length = static_cast<int>(size / frameBytes);
    *channels = static_cast<int>(channelCount);
    *format = static_cast<int>(bytesPerSample);
    *hertz = static_cast<int>(sampleRate);
    return data;
  }
}

unsigned char* LoadOGG(FILE* file, int* length, int* channels, int* format, int* hertz) {
  if (!zr_audio_VorbisHeadersAreSafe(file)) return nullptr;
  stb_vorbis_alloc arena;
  arena.alloc_buffer_length_in_bytes = kVorbisArenaBytes;
  arena.alloc_buffer = static_cast<char*>(std::malloc(kVorbisArenaBytes));
  if (!arena.alloc_buffer) return nullptr;
  int error = 0;
  stb_vorbis* decoder = stb_vorbis_open_file(file, 0, &error, &arena);
  if (!decoder) {
    std::free(arena.alloc_buffer);
    return nullptr;
  }

  stb_vorbis_info info = stb_vorbis_get_info(decoder);
  size_t channelCount = info.channels;
  short* samples = nullptr;
  size_t used = 0;
  // The device plays mono and stereo only.
  bool fine = (channelCount == 1 || channelCount == 2) && info.sample_rate > 0 &&
              info.sample_rate <= INT_MAX;
  size_t capacity = kMaxFrameSamples * channelCount;
  if (fine) {
    samples = static_cast<short*>(std::malloc(capacity * sizeof(short)));
    fine = samples != nullptr;
  }
  while (fine) {
    float** frameSamples = nullptr;
    int frame = stb_vorbis_get_frame_float(decoder, nullptr, &frameSamples);
    if (frame <= 0) break;
    size_t needed = used + static_cast<size_t>(frame) * channelCount;
    while (fine && needed > capacity) {
      short* grown = capacity * 2 > kMaxDecodedValues
                         ? nullptr
                         : static_cast<short*>(std::realloc(samples, capacity * 2 * sizeof(short)));
      fine = grown != nullptr;
      if (fine) {
        samples = grown;
        capacity *= 2;
      }
    }
    for (int i = 0; fine && i < frame; ++i)
      for (size_t channel = 0; channel < channelCount; ++channel) samples[used++] = toSample(frameSamples[channel][i]);
  }
  stb_vorbis_close(decoder);
  std::free(arena.alloc_buffer);

  if (!fine || used == 0) {
    std::free(samples);
    return nullptr;
  }
  short* exact = static_cast<short*>(std::realloc(samples, used * sizeof(short)));
  if (exact) samples = exact;
  *length = static_cast<int>(used / channelCount);
  *channels = static_cast<int>(channelCount);
  *format = 2;
  *hertz = static_cast<int>(info.sample_rate);
  return reinterpret_cast<unsigned char*>(samples);
}

unsigned char* zr_audio_LoadAudioFile(FILE* file, const String& path, int* length, int* channels,
                                      int* format, int* hertz) {
  if (!file) return nullptr;
  unsigned char* data = nullptr;
  if (endsWithIgnoringCase(path, ".wav"))
    data = LoadWAV(file, length, channels, format, hertz);
  else if (endsWithIgnoringCase(path, ".ogg"))
    data = LoadOGG(file, length, channels, format, hertz);
  if (data) gc_ext_malloced(*length * *channels * *format);
  return data;
}
