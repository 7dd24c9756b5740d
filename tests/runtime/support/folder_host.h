// The one stand-in host of the runtime tests: a scratch folder plays the executable's
// folder, and decoding goes through the desktop host's own loaders, counted.
#pragma once

#include <string>
#include <vector>

#include "host/zr_game.h"

class FolderHost : public ZrGame {
 public:
  explicit FolderHost(std::string folder);

  String PathToFilePath(String path) override;
  unsigned char* LoadImageData(String path, int* width, int* height, int* components) override;
  unsigned char* LoadAudioData(String path, int* length, int* channels, int* format, int* hertz) override;

  // Writes an RGBA PNG of width x height pixels; pixel(x, y) gives its R, G, B, A bytes.
  template <class PixelFunction>
  void WritePng(const std::string& name, int width, int height, PixelFunction pixel) {
    std::vector<unsigned char> bytes(static_cast<size_t>(width) * height * 4);
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) {
        auto rgba = pixel(x, y);
        for (int i = 0; i < 4; ++i) bytes[(static_cast<size_t>(y) * width + x) * 4 + i] = rgba[i];
      }
    WritePngBytes(name, width, height, 4, bytes);
  }
  void WritePngBytes(const std::string& name, int width, int height, int components,
                     const std::vector<unsigned char>& bytes);
  void WriteBytes(const std::string& name, const std::string& bytes);
  // Where a data file of the given name lives on disk.
  std::string PathOf(const std::string& name) const { return folder_ + "/data/" + name; }

  int decodes = 0;

 private:
  std::string folder_;
};

// A fresh, empty folder under the system's temporary folder, removed when the test
// program ends.
std::string MakeTempFolder(const std::string& stem);
