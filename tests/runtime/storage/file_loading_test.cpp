// Loading files through the host; damaged or cut-off files give null and never a crash.
#include <gtest/gtest.h>
#include <stb/stb_image_write.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "folder_host.h"
#include "runtime/storage/file_loading.h"
#include "runtime/storage/png_guard.h"

namespace {

class FileLoading : public ::testing::Test {
 protected:
  FolderHost host{MakeTempFolder("tj-loading")};
  void WriteData(const std::string& name, const std::string& bytes) { host.WriteBytes(name, bytes); }
  std::string DataPath(const std::string& name) const { return host.PathOf(name); }
};

TEST_F(FileLoading, LoadStringReadsEveryEncodingTheGameShips) {
  struct Case {
    const char* name;
    std::string bytes;
    std::u16string text;
  } cases[] = {
      {"plain.txt", "caf\xC3\xA9", u"caf\u00e9"},
      {"bom.txt", "\xEF\xBB\xBF" "caf\xC3\xA9", u"caf\u00e9"},
      {"latin1.txt", "caf\xE9", u"caf\u00e9"},
      {"utf16le.txt", std::string("\xFF\xFE" "h\0i\0", 6), u"hi"},
      {"utf16be.txt", std::string("\xFE\xFF\0h\0i", 6), u"hi"},
      {"empty.txt", "", u""},
  };
  for (const Case& c : cases) {
    WriteData(c.name, c.bytes);
    String loaded = host.LoadString(String("quillo://data/") + String(c.name));
    EXPECT_EQ(std::u16string(loaded.Data(), loaded.Length()), c.text) << c.name;
  }
  EXPECT_TRUE(host.LoadString("quillo://data/missing.txt").IsEmpty());
  EXPECT_TRUE(host.LoadString("quillo://nowhere/plain.txt").IsEmpty());
}

TEST_F(FileLoading, LoadDataReturnsEveryByteWhateverTheSize) {
  for (size_t size : {size_t(0), size_t(1), size_t(4095), size_t(4096), size_t(4097), size_t(70000)}) {
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>(i * 7 + 3);
    WriteData("blob.bin", bytes);
    int length = -1;
    unsigned char* loaded = host.LoadData("quillo://data/blob.bin", &length);
    ASSERT_NE(loaded, nullptr) << size;
    EXPECT_EQ(length, static_cast<int>(size));
    EXPECT_EQ(std::string(reinterpret_cast<char*>(loaded), static_cast<size_t>(length)), bytes) << size;
    std::free(loaded);
  }
  int length = -1;
  EXPECT_EQ(host.LoadData("quillo://data/missing.bin", &length), nullptr);
  EXPECT_EQ(host.OpenFile("quillo://elsewhere/blob.bin", "rb"), nullptr);
}

std::string encodePng(int width, int height, int components, const std::vector<unsigned char>& pixels) {
  std::string bytes;
  stbi_write_png_to_func(
      [](void* context, void* data, int size) {
        static_cast<std::string*>(context)->append(static_cast<char*>(data), static_cast<size_t>(size));
      },
      &bytes, width, height, components, pixels.data(), width * components);
  return bytes;
}

unsigned char* decodeFile(const std::string& path, int* width, int* height, int* components) {
  FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return nullptr;
  unsigned char* pixels = zr_storage_DecodeImage(file, width, height, components);
  std::fclose(file);
  return pixels;
}

TEST_F(FileLoading, ImagesKeepTheirOwnComponentCount) {
  for (int components : {1, 2, 3, 4}) {
    std::vector<unsigned char> pixels(3 * 2 * components);
    for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<unsigned char>(i * 40 + 1);
    WriteData("image.png", encodePng(3, 2, components, pixels));
    int width = 0, height = 0, found = 0;
    unsigned char* decoded = decodeFile(DataPath("image.png"), &width, &height, &found);
    ASSERT_NE(decoded, nullptr) << components;
    EXPECT_EQ(width, 3);
    EXPECT_EQ(height, 2);
    EXPECT_EQ(found, components);
    EXPECT_EQ(std::vector<unsigned char>(decoded, decoded + pixels.size()), pixels);
    std::free(decoded);
  }
}

TEST_F(FileLoading, DamagedCutOrForeignImagesGiveNull) {
  std::vector<unsigned char> pixels(16 * 16 * 4);
  for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<unsigned char>(i * 13);
  std::string png = encodePng(16, 16, 4, pixels);
  std::vector<unsigned char> row(kLargestImageSide + 1, 0x80);
  const std::string path = DataPath("bad.png");

  std::vector<std::pair<std::string, std::string>> damaged = {
      {"empty", ""},
      {"text", "this is not an image"},
      {"signature only", png.substr(0, 8)},
      {"bad signature", "\x88" + png.substr(1)},
      // IHDR width of 2^31 - 1: no sane allocation may follow.
      {"huge width", png.substr(0, 16) + std::string("\x7f\xff\xff\xff", 4) + png.substr(20)},
      {"zero height", png.substr(0, 20) + std::string(4, '\0') + png.substr(24)},
      {"wider than the largest side", encodePng(kLargestImageSide + 1, 1, 1, row)},
      // Only PNG is decoded: other formats' decoders trust headers that claim any size.
      {"a sound 2 x 2 TGA", std::string("\0\0\x02\0\0\0\0\0\0\0\0\0\x02\0\x02\0\x18\0", 18) + std::string(12, '\x7f')},
  };
  // Every cut that loses image data must fail cleanly.
  for (size_t cut = 0; cut + 12 < png.size(); cut += 3) damaged.push_back({"cut at " + std::to_string(cut), png.substr(0, cut)});

  for (const auto& [label, bytes] : damaged) {
    WriteData("bad.png", bytes);
    int width = -1, height = -1, components = -1;
    EXPECT_EQ(decodeFile(path, &width, &height, &components), nullptr) << label;
  }

  WriteData("bad.png", encodePng(kLargestImageSide, 1, 1, row));
  int width = 0, height = 0, components = 0;
  unsigned char* widest = decodeFile(path, &width, &height, &components);
  ASSERT_NE(widest, nullptr) << "the largest side still loads";
  EXPECT_EQ(width, kLargestImageSide);
  std::free(widest);
}

}  // namespace
