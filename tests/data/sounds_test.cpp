// Every sound effect and tune decodes through the decoders the game uses, lasts as long as
// its part needs, and is audible (not silence).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "data_decoders.h"

namespace {

struct Effect {
  int id;
  double minSeconds, maxSeconds;
};

std::string sfxFile(int id) {
  char name[32];
  std::snprintf(name, sizeof name, "sfx/%03d.wav", id);
  return name;
}

TEST(SoundEffects, EveryEffectDecodesHasItsLengthAndIsAudible) {
  const std::vector<Effect> effects = {
      {1, 0.05, 1.0},  {2, 0.05, 1.0},  {3, 0.05, 1.0},  {4, 0.05, 1.0},  {5, 0.05, 1.0},
      {6, 0.3, 2.5},   {7, 0.05, 1.0},  {8, 0.1, 1.5},   {9, 0.1, 1.5},   {10, 0.03, 0.5},
      {11, 0.03, 0.5}, {12, 0.02, 0.3}, {13, 0.03, 0.5}, {14, 0.1, 1.0},  {15, 0.2, 1.5},
      {16, 0.2, 1.5},  {17, 0.2, 1.5},  {18, 0.2, 1.5},  {94, 1.8, 2.5},  {95, 0.2, 2.0},  {96, 1.2, 1.8},
      {98, 0.05, 0.6}, {99, 0.02, 0.3},
  };
  for (const Effect& e : effects) {
    std::string file = sfxFile(e.id);
    SCOPED_TRACE(file);
    tjdata::DecodedSound s = tjdata::decodeSound(tjdata::dataPath(file));
    ASSERT_TRUE(s.ok()) << "missing or not 16-bit PCM";
    EXPECT_EQ(s.channels, 1);
    EXPECT_GE(s.seconds(), e.minSeconds);
    EXPECT_LE(s.seconds(), e.maxSeconds);
    EXPECT_GT(tjdata::rms(s), 0.02) << "too quiet";
  }
}

// A tune loops without a click: the jump across the loop point is no larger than the
// music's own sample-to-sample movement at either end.
TEST(Tunes, EveryTuneDecodesLastsHalfAMinuteToNinetySecondsIsAudibleAndLoopsCleanly) {
  for (const char* name : {"Precluded", "Questioned", "Ringing", "Started", "Traced", "Undercover", "Valid"}) {
    std::string file = std::string("sfx/") + name + ".ogg";
    SCOPED_TRACE(file);
    tjdata::DecodedSound s = tjdata::decodeSound(tjdata::dataPath(file));
    ASSERT_TRUE(s.ok()) << "missing or undecodable";
    EXPECT_GE(s.seconds(), 30.0);
    EXPECT_LE(s.seconds(), 90.0);
    EXPECT_GT(tjdata::rms(s), 0.05) << "too quiet";
    size_t n = s.samples.size() / s.channels;
    auto at = [&](size_t i) { return s.samples[i * s.channels]; };
    float largestStep = 0;
    for (size_t i = 1; i < 200; ++i)
      largestStep = std::max({largestStep, std::fabs(at(i) - at(i - 1)), std::fabs(at(n - i) - at(n - i - 1))});
    EXPECT_LE(std::fabs(at(0) - at(n - 1)), largestStep * 1.5f + 0.02f) << "clicks at the loop point";
  }
}

}  // namespace
