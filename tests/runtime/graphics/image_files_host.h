// A stand-in host for graphics tests: it decodes images with stb_image from one folder
// (where "quillo://data/" names point) and counts the decodes, and a helper writes small
// PNG sheets there, so tests can load pictures without the real window host.
#pragma once

#include <string>
#include <vector>

#include "host/zr_game.h"

class ImageFilesHost : public ZrGame {
 public:
  explicit ImageFilesHost(std::string folder) : folder_(std::move(folder)) {}

  unsigned char* LoadImageData(String path, int* width, int* height, int* components) override;

  // Writes an RGBA PNG of width x height pixels into the folder; pixel(x, y) gives the
  // four bytes R, G, B, A of each pixel.
  template <class PixelFunction>
  void WritePng(const std::string& name, int width, int height, PixelFunction pixel) {
    std::vector<unsigned char> bytes(static_cast<size_t>(width) * height * 4);
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) {
        auto rgba = pixel(x, y);
        for (int i = 0; i < 4; ++i) bytes[(static_cast<size_t>(y) * width + x) * 4 + i] = rgba[i];
      }
    WriteRgbaPng(name, width, height, bytes);
  }
  void WriteRgbaPng(const std::string& name, int width, int height, const std::vector<unsigned char>& rgba) {
    WritePngBytes(name, width, height, 4, rgba);
  }
  void WritePngBytes(const std::string& name, int width, int height, int components,
                     const std::vector<unsigned char>& bytes);
  void WriteBytes(const std::string& name, const std::string& bytes);
  std::string PathOf(const std::string& name) const { return folder_ + "/" + name; }

  int decodes = 0;

 private:
  std::string folder_;
};

// A fresh, empty folder under the system's temporary folder.
std::string MakeTempFolder(const std::string& stem);
