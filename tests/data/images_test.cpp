// The fonts as the game cuts them (every sheet is loaded at every level in tests/game/loading).
#include <gtest/gtest.h>

#include <string>

#include "data_decoders.h"

namespace {

using tjdata::DecodedImage;

struct Frame {
  int x, y;
};

bool frameShowsSomething(const DecodedImage& img, const Frame& f, int fw, int fh) {
  for (int y = f.y; y < f.y + fh; ++y)
    for (int x = f.x; x < f.x + fw; ++x)
      if (img.alpha(x, y) > 0) return true;
  return false;
}

TEST(BuiltinFont, IsOneRowOf96PaddedCellsWithEveryPrintableGlyph) {
  DecodedImage img = tjdata::decodePng(tjdata::dataPath("vobo_font.png"));
  ASSERT_TRUE(img.ok());
  ASSERT_EQ(img.width % 96, 0);
  int cellW = img.width / 96;
  ASSERT_GE(cellW, 3);
  for (int cell = 0; cell < 96; ++cell) {
    int x0 = cell * cellW;
    bool padded = true;
    for (int y = 0; y < img.height; ++y)
      if (img.alpha(x0, y) > 0 || img.alpha(x0 + cellW - 1, y) > 0) padded = false;
    EXPECT_TRUE(padded) << "cell " << cell << " draws into its padding columns";
    int code = cell + 32;
    if (code > 32 && code < 127) {
      EXPECT_TRUE(frameShowsSomething(img, {x0 + 1, 0}, cellW - 2, img.height))
          << "character " << code << " is empty";
    }
  }
}

TEST(GameFont, SpaceCellDrawsNothingAtAllLevels) {
  for (int level : {1, 2, 4}) {
    std::string file = std::string("fonts/shadow_editundo") + (level == 1 ? "" : level == 2 ? "-hd" : "-hd2") + ".png";
    DecodedImage img = tjdata::decodePng(tjdata::dataPath(file));
    ASSERT_TRUE(img.ok()) << file;
    int cell = 16 * level;  // the space is the sheet's first cell
    EXPECT_FALSE(frameShowsSomething(img, {0, 0}, cell, cell)) << file << ": space draws something";
  }
}

}  // namespace
