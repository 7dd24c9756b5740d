// The GLFW 3 key table gives the toolkit codes the game reads; keys the game does not know
// are dropped rather than turned into some other key.
#include <gtest/gtest.h>

#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>

#include "runtime/input/glfw_keys.h"

namespace {

TEST(GlfwKeyTable, GameKeysGetToolkitCodes) {
  struct Case {
    int glfwKey;
    int toolkitKey;
  };
  const Case cases[] = {
      {GLFW_KEY_ESCAPE, 27},      {GLFW_KEY_ENTER, 13},        {GLFW_KEY_SPACE, 32},      {GLFW_KEY_BACKSPACE, 8},
      {GLFW_KEY_TAB, 9},          {GLFW_KEY_DELETE, 46},       {GLFW_KEY_LEFT, 37},       {GLFW_KEY_UP, 38},
      {GLFW_KEY_RIGHT, 39},       {GLFW_KEY_DOWN, 40},         {GLFW_KEY_LEFT_SHIFT, 16}, {GLFW_KEY_RIGHT_SHIFT, 16},
      {GLFW_KEY_LEFT_CONTROL, 17}, {GLFW_KEY_RIGHT_CONTROL, 17}, {GLFW_KEY_PAGE_UP, 33},  {GLFW_KEY_HOME, 36},
      {GLFW_KEY_COMMA, 188},      {GLFW_KEY_KP_0, 96},         {GLFW_KEY_KP_ADD, 107},
  };
  for (const Case& c : cases) EXPECT_EQ(TransKey(c.glfwKey), c.toolkitKey) << "GLFW key " << c.glfwKey;
  for (int f = 0; f < 12; ++f) EXPECT_EQ(TransKey(GLFW_KEY_F1 + f), 112 + f) << "F" << f + 1;
  for (int d = 0; d < 10; ++d) EXPECT_EQ(TransKey(GLFW_KEY_0 + d), '0' + d);
  for (int l = 0; l < 26; ++l) EXPECT_EQ(TransKey(GLFW_KEY_A + l), 'A' + l);
}

TEST(GlfwKeyTable, KeysTheGameDoesNotKnowAreIgnored) {
  const int ignored[] = {GLFW_KEY_LEFT_ALT, GLFW_KEY_LEFT_SUPER, GLFW_KEY_F13,     GLFW_KEY_KP_ENTER,
                         GLFW_KEY_CAPS_LOCK, GLFW_KEY_UNKNOWN,    0,                1000, -100000};
  for (int key : ignored) EXPECT_EQ(TransKey(key), 0) << "GLFW key " << key;

  // Whatever a key becomes must be a keyboard code, never a mouse, joystick or close key.
  for (int key = kGlfwFirstKey; key <= kGlfwLastKey; ++key) {
    int code = TransKey(key);
    EXPECT_TRUE(code == 0 || (code >= 8 && code <= 222)) << "GLFW key " << key << " gives " << code;
  }
}

}  // namespace
