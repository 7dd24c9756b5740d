// The data folder is the same, byte for byte, on every build: running the generator again
// into a fresh folder reproduces every file of the built data folder.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "data_decoders.h"

namespace {

std::vector<unsigned char> readAll(const std::string& path) {
  std::vector<unsigned char> bytes;
  FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return bytes;
  unsigned char buf[65536];
  size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) bytes.insert(bytes.end(), buf, buf + n);
  std::fclose(f);
  return bytes;
}

TEST(DataGenerator, SecondRunWritesIdenticalFiles) {
  std::string fresh = std::string(TJ_TEST_SCRATCH) + "/data-again";
  std::string command = "rm -rf '" + fresh + "' && '" + TJ_DATAGEN + "' '" + fresh + "'";
  ASSERT_EQ(std::system(command.c_str()), 0) << command;
  const std::vector<std::string> files = {
      "sprt_0.png", "sprt_2-hd.png", "sprt_4-hd2.png", "games-hd2.png", "parts.png", "BadgesA-hd.png",
      "fonts/shadow_editundo-hd2.png", "vobo_font.png", "common/QVXLLogo-hd2.png", "menu-hd.png",
      "sfx/006.wav", "sfx/016.wav", "sfx/096.wav", "sfx/Started.ogg", "sfx/Undercover.ogg"};
  for (const std::string& f : files) {
    std::vector<unsigned char> built = readAll(tjdata::dataPath(f));
    std::vector<unsigned char> again = readAll(fresh + "/" + f);
    ASSERT_FALSE(built.empty()) << f;
    EXPECT_TRUE(built == again) << f << " differs between runs";
  }
  std::system(("rm -rf '" + fresh + "'").c_str());
}

}  // namespace
