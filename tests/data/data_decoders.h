// The decoders the data tests use: the game's own image and sound loaders, with their
// output widened to RGBA pixels and float samples for easy checking.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tjdata {

struct DecodedImage {
  int width = 0, height = 0;
  std::vector<uint8_t> rgba;  // width * height * 4
  bool ok() const { return width > 0 && height > 0; }
  uint8_t alpha(int x, int y) const { return rgba[(size_t(y) * width + x) * 4 + 3]; }
};

struct DecodedSound {
  int rate = 0, channels = 0;
  std::vector<float> samples;  // interleaved, -1..1
  bool ok() const { return rate > 0 && channels > 0 && !samples.empty(); }
  double seconds() const { return double(samples.size()) / channels / rate; }
};

DecodedImage decodePng(const std::string& path);
DecodedSound decodeSound(const std::string& path);  // a WAVE or OGG file

double rms(const DecodedSound& s);
std::string dataPath(const std::string& relative);  // TJ_DATA_DIR + "/" + relative

}  // namespace tjdata
