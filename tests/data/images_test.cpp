// Every image the asset loader loads, at all three levels, decoded as the game decodes it:
// its frame grid must fit the way the game cuts frames (no "Image frame outside surface"),
// each level must be drawn at its own size, and every frame a game draws must show
// something (not be fully transparent).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data_decoders.h"

namespace {

using tjdata::DecodedImage;

struct Slot {
  const char* name;
  int frameW, frameH, count;  // logical sizes, as the loader's table gives them
  std::vector<int> mustShow;  // frames the games and screens draw
};

std::vector<int> span(int a, int b) {
  std::vector<int> v;
  for (int i = a; i <= b; ++i) v.push_back(i);
  return v;
}
std::vector<int> join(std::vector<std::vector<int>> parts) {
  std::vector<int> v;
  for (auto& p : parts) v.insert(v.end(), p.begin(), p.end());
  return v;
}

// A copy of the loader's image table, with the frames the games and screens draw.
const std::vector<Slot>& loaderTable() {
  static const std::vector<Slot> table = {
      {"common/icons", 32, 32, 16, {0, 1, 3, 6}},
      {"common/Buttons", 64, 64, 16, {8, 9, 10, 12}},
      {"common/dpad", 32, 32, 16, span(0, 15)},
      {"common/QVXLLogo", 256, 256, 1, {0}},
      {"common/Testcard_Circle", 256, 256, 1, {0}},
      {"fonts/shadow_editundo", 16, 16, 142, join({span(1, 94), span(96, 110), span(112, 126), span(128, 141)})},
      {"menu", 256, 256, 4, span(0, 3)},
      {"logo", 256, 128, 1, {0}},
      {"parts", 8, 8, 256, span(0, 255)},
      {"BadgesA", 64, 64, 64, span(0, 63)},
      {"badges", 64, 64, 60, span(0, 59)},
      {"heart", 32, 32, 1, {0}},
      {"games", 32, 32, 64, join({span(0, 25), {62, 63}})},
      {"bars", 128, 32, 16, span(0, 15)},
      {"sprt_0", 40, 40, 64, join({span(0, 11), {19}, span(24, 27), span(32, 56)})},
      {"sprt_1", 40, 40, 64, join({span(36, 39), span(48, 55)})},
      {"sprt_2", 40, 40, 64, span(0, 27)},
      {"sprt_3", 40, 40, 64, join({span(16, 23), span(48, 51)})},
      {"sprt_4", 40, 40, 64, join({span(0, 4), span(12, 15), span(32, 35), {40}, span(48, 58)})},
      {"sprt_5", 40, 40, 64,
       join({span(0, 4), span(8, 21), span(24, 25), {28}, span(36, 39), span(44, 54), span(56, 59)})},
      {"pop", 8, 8, 16, span(0, 15)},
  };
  return table;
}

std::string fileFor(const char* name, int level) {
  std::string f = name;
  if (level == 2) f += "-hd";
  if (level == 4) f += "-hd2";
  return f + ".png";
}

struct Frame {
  int x, y;
};

// The game's frame cutting (c_Image::p_Init2 over the whole surface): frames run left to
// right, top to bottom. Returns false where the game would stop with "Image frame outside
// surface".
bool cutFrames(int surfaceW, int surfaceH, int fw, int fh, int count, std::vector<Frame>& frames) {
  int x = 0, y = 0;
  for (int i = 0; i < count; ++i) {
    if (x + fw > surfaceW) {
      y += fh;
      if (fw > surfaceW) return false;
      x = 0;
    }
    if (y + fh > surfaceH) return false;
    frames.push_back({x, y});
    x += fw;
  }
  return true;
}

bool frameShowsSomething(const DecodedImage& img, const Frame& f, int fw, int fh) {
  for (int y = f.y; y < f.y + fh; ++y)
    for (int x = f.x; x < f.x + fw; ++x)
      if (img.alpha(x, y) > 0) return true;
  return false;
}

// One pass over every sheet and level: the sheet is the level-1 sheet scaled by the
// level, its frames fit the way the game cuts them, and every frame a game draws shows.
TEST(LoaderImages, EverySheetFitsItsFramesAndShowsWhatIsDrawnAtAllLevels) {
  for (const Slot& slot : loaderTable()) {
    DecodedImage base = tjdata::decodePng(tjdata::dataPath(fileFor(slot.name, 1)));
    ASSERT_TRUE(base.ok()) << slot.name << " is missing or undecodable";
    for (int level : {1, 2, 4}) {
      std::string file = fileFor(slot.name, level);
      SCOPED_TRACE(file);
      DecodedImage img = level == 1 ? base : tjdata::decodePng(tjdata::dataPath(file));
      ASSERT_TRUE(img.ok()) << "missing or undecodable";
      EXPECT_EQ(img.width, base.width * level);
      EXPECT_EQ(img.height, base.height * level);
      int fw = slot.frameW * level, fh = slot.frameH * level;
      EXPECT_EQ(img.width % fw, 0) << "sheet width is not a whole number of frames";
      EXPECT_EQ(img.height % fh, 0) << "sheet height is not a whole number of frames";
      std::vector<Frame> frames;
      ASSERT_TRUE(cutFrames(img.width, img.height, fw, fh, slot.count, frames)) << "Image frame outside surface";
      for (int f : slot.mustShow)
        EXPECT_TRUE(frameShowsSomething(img, frames[size_t(f)], fw, fh)) << "frame " << f << " is fully transparent";
    }
  }
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
    std::string file = fileFor("fonts/shadow_editundo", level);
    DecodedImage img = tjdata::decodePng(tjdata::dataPath(file));
    ASSERT_TRUE(img.ok()) << file;
    int cell = 16 * level;
    std::vector<Frame> frames;
    ASSERT_TRUE(cutFrames(img.width, img.height, cell, cell, 128, frames));
    EXPECT_FALSE(frameShowsSomething(img, frames[0], cell, cell)) << file << ": space draws something";
  }
}

}  // namespace
