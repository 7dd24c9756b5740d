// Decoders for the data tests (see data_decoders.h).
#include "data_decoders.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "runtime/audio/sound_decoding.h"
#include "runtime/storage/file_loading.h"

namespace tjdata {

std::string dataPath(const std::string& relative) { return std::string(TJ_DATA_DIR) + "/" + relative; }

namespace {

// Widens the game's decoded pixels (1 to 4 components) to RGBA.
DecodedImage toRgba(const unsigned char* pixels, int width, int height, int components) {
  DecodedImage img;
  img.width = width;
  img.height = height;
  img.rgba.resize(size_t(width) * height * 4);
  for (size_t i = 0; i < size_t(width) * height; ++i) {
    const unsigned char* p = pixels + i * components;
    uint8_t* out = &img.rgba[i * 4];
    bool grey = components < 3;
    out[0] = p[0];
    out[1] = grey ? p[0] : p[1];
    out[2] = grey ? p[0] : p[2];
    out[3] = components == 2 ? p[1] : components == 4 ? p[3] : 255;
  }
  return img;
}

}  // namespace

// The game's own loader picks the format by the file's ending.
DecodedSound decodeSound(const std::string& path) {
  DecodedSound s;
  FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return s;
  int length = 0, channels = 0, bytesPerSample = 0, hertz = 0;
  unsigned char* pcm = zr_audio_LoadAudioFile(file, String(path.c_str()), &length, &channels, &bytesPerSample, &hertz);
  std::fclose(file);
  if (!pcm) return s;
  s.rate = hertz;
  s.channels = channels;
  s.samples.resize(size_t(length) * channels);
  for (size_t i = 0; i < s.samples.size(); ++i) {
    if (bytesPerSample == 2)
      s.samples[i] = int16_t(pcm[i * 2] | pcm[i * 2 + 1] << 8) / 32768.0f;
    else
      s.samples[i] = (pcm[i] - 128) / 128.0f;
  }
  std::free(pcm);
  return s;
}

DecodedImage decodePng(const std::string& path) {
  FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return DecodedImage{};
  int width = 0, height = 0, components = 0;
  unsigned char* pixels = zr_storage_DecodeImage(file, &width, &height, &components);
  std::fclose(file);
  if (!pixels) return DecodedImage{};
  DecodedImage img = toRgba(pixels, width, height, components);
  std::free(pixels);
  return img;
}

double rms(const DecodedSound& s) {
  if (s.samples.empty()) return 0;
  double sum = 0;
  for (float x : s.samples) sum += double(x) * x;
  return std::sqrt(sum / s.samples.size());
}

}  // namespace tjdata
