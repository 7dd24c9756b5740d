// The generator's known answers: game rounds are replayed from a seed, so the sequence
// must not drift, and every value stays in [0, 1).
#include <gtest/gtest.h>

#include "runtime/random.h"

TEST(RandomTest, KnownSequenceFromASeedAndValuesInRange) {
  zr_random_Seed = 1234;
  EXPECT_EQ(zr_random_Rnd(), 11984094.0f / 16777216.0f);
  EXPECT_EQ(zr_random_Seed, 3067928073u);
  EXPECT_EQ(zr_random_Rnd3(100.0f), 3473103.0f / 16777216.0f * 100.0f);
  EXPECT_FLOAT_EQ(zr_random_Rnd2(10.0f, 20.0f), 10.0f + 10.0f * 12575225.0f / 16777216.0f);
  EXPECT_EQ(zr_random_Seed, 3219257635u);
  zr_random_Seed = 99;
  for (int i = 0; i < 100000; ++i) {
    float r = zr_random_Rnd();
    ASSERT_GE(r, 0.0f);
    ASSERT_LT(r, 1.0f);
  }
}
