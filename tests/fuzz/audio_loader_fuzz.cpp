// Fuzz entry for the sound decoders, each input read as WAVE and as OGG. The sanitizers
// check that a decoded block is as large as its layout by touching its last byte.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "runtime/audio/sound_decoding.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  for (const char* name : {"fuzz.wav", "fuzz.ogg"}) {
    FILE* file = fmemopen(const_cast<uint8_t*>(data), size, "rb");
    if (!file) continue;
    int length = 0, channels = 0, format = 0, hertz = 0;
    unsigned char* decoded = zr_audio_LoadAudioFile(file, String(name), &length, &channels, &format, &hertz);
    std::fclose(file);
    if (!decoded) continue;
    if (length <= 0 || channels <= 0 || format <= 0 || hertz <= 0) std::abort();
    volatile unsigned char last = decoded[static_cast<size_t>(length) * channels * format - 1];
    (void)last;
    std::free(decoded);
  }
  return 0;
}
