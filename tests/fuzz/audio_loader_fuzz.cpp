// Fuzz entry for the sound decoders: every input is read once as a WAVE file and once as
// an OGG file, through the same entry the host uses. A decoded block must be as large as
// the layout it reports; the sanitizers check that by touching its last byte.
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
