// Arrays: zeroed elements, and resizing that copies without touching the original.
#include <gtest/gtest.h>

#include "runtime/array.h"

TEST(ArrayTest, NewElementsStartZeroOrEmpty) {
  Array<int> ints(5);
  Array<float> floats(3);
  Array<bool> flags(2);
  Array<String> texts(4);
  Array<Object*> objects(2);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(ints[i], 0);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(floats[i], 0.0f);
  EXPECT_FALSE(flags[0] || flags[1]);
  for (int i = 0; i < 4; ++i) EXPECT_TRUE(texts[i].IsEmpty());
  EXPECT_EQ(objects[0], nullptr);
}

TEST(ArrayTest, ResizeCopiesAndZeroFills) {
  Array<int> a(3);
  a[0] = 1, a[1] = 2, a[2] = 3;
  Array<int> longer = a.Resize(5);
  EXPECT_EQ(longer.Length(), 5);
  EXPECT_EQ(longer[2], 3);
  EXPECT_EQ(longer[4], 0);
  Array<int> shorter = a.Resize(2);
  EXPECT_EQ(shorter.Length(), 2);
  EXPECT_EQ(shorter[1], 2);
  EXPECT_EQ(a.Length(), 3);
}
