// The GLFW 3 key table gives the toolkit codes the game reads, editing keys type their
// control characters, and typed code points become UTF-16 units.
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
      {GLFW_KEY_ESCAPE, 27},
      {GLFW_KEY_ENTER, 13},
      {GLFW_KEY_SPACE, 32},
      {GLFW_KEY_BACKSPACE, 8},
      {GLFW_KEY_TAB, 9},
      {GLFW_KEY_DELETE, 46},
      {GLFW_KEY_INSERT, 45},
      {GLFW_KEY_LEFT, 37},
      {GLFW_KEY_UP, 38},
      {GLFW_KEY_RIGHT, 39},
      {GLFW_KEY_DOWN, 40},
      {GLFW_KEY_PAGE_UP, 33},
      {GLFW_KEY_PAGE_DOWN, 34},
      {GLFW_KEY_END, 35},
      {GLFW_KEY_HOME, 36},
      {GLFW_KEY_LEFT_SHIFT, 16},
      {GLFW_KEY_RIGHT_SHIFT, 16},
      {GLFW_KEY_LEFT_CONTROL, 17},
      {GLFW_KEY_RIGHT_CONTROL, 17},
      {GLFW_KEY_F1, 112},
      {GLFW_KEY_F4, 115},
      {GLFW_KEY_F12, 123},
      {GLFW_KEY_GRAVE_ACCENT, 192},
      {GLFW_KEY_APOSTROPHE, 222},
      {GLFW_KEY_COMMA, 188},
      {GLFW_KEY_MINUS, 189},
      {GLFW_KEY_PERIOD, 190},
      {GLFW_KEY_SLASH, 191},
      {GLFW_KEY_SEMICOLON, 186},
      {GLFW_KEY_EQUAL, 187},
      {GLFW_KEY_LEFT_BRACKET, 219},
      {GLFW_KEY_BACKSLASH, 220},
      {GLFW_KEY_RIGHT_BRACKET, 221},
      {GLFW_KEY_KP_0, 96},
      {GLFW_KEY_KP_9, 105},
      {GLFW_KEY_KP_DIVIDE, 111},
      {GLFW_KEY_KP_MULTIPLY, 106},
      {GLFW_KEY_KP_SUBTRACT, 109},
      {GLFW_KEY_KP_ADD, 107},
      {GLFW_KEY_KP_DECIMAL, 110},
  };
  for (const Case& c : cases) EXPECT_EQ(TransKey(c.glfwKey), c.toolkitKey) << "GLFW key " << c.glfwKey;

  for (int f = 0; f < 12; ++f) EXPECT_EQ(TransKey(GLFW_KEY_F1 + f), 112 + f) << "F" << f + 1;
  for (int d = 0; d < 10; ++d) EXPECT_EQ(TransKey(GLFW_KEY_0 + d), '0' + d);
  for (int l = 0; l < 26; ++l) EXPECT_EQ(TransKey(GLFW_KEY_A + l), 'A' + l);
  // The iCade letters arrive as characters but are keys too; each stays its own letter.
  for (char letter : std::string("WEXZAQDCYTUFIMOGHRJNKPLV")) EXPECT_EQ(TransKey(letter), letter);
}

TEST(GlfwKeyTable, KeysTheGameDoesNotKnowAreIgnored) {
  const int ignored[] = {GLFW_KEY_LEFT_ALT,
                         GLFW_KEY_RIGHT_ALT,
                         GLFW_KEY_LEFT_SUPER,
                         GLFW_KEY_RIGHT_SUPER,
                         GLFW_KEY_MENU,
                         GLFW_KEY_F13,
                         GLFW_KEY_F25,
                         GLFW_KEY_KP_ENTER,
                         GLFW_KEY_KP_EQUAL,
                         GLFW_KEY_CAPS_LOCK,
                         GLFW_KEY_NUM_LOCK,
                         GLFW_KEY_SCROLL_LOCK,
                         GLFW_KEY_PAUSE,
                         GLFW_KEY_PRINT_SCREEN,
                         GLFW_KEY_WORLD_1,
                         GLFW_KEY_UNKNOWN,
                         0,
                         1000,
                         -100000};
  for (int key : ignored) EXPECT_EQ(TransKey(key), 0) << "GLFW key " << key;

  // Whatever a key becomes must be a keyboard code, never a mouse, joystick or close key.
  for (int key = kGlfwFirstKey; key <= kGlfwLastKey; ++key) {
    int code = TransKey(key);
    EXPECT_TRUE(code == 0 || (code >= 8 && code <= 222)) << "GLFW key " << key << " gives " << code;
  }
}

TEST(KeyToChar, EditingKeysTypeControlCharacters) {
  struct Case {
    int key;
    int character;
  };
  const Case cases[] = {
      {8, 8},        {9, 9},        {13, 13},      {27, 27},      {46, 127},     {33, 0x10021}, {34, 0x10022},
      {35, 0x10023}, {36, 0x10024}, {37, 0x10025}, {38, 0x10026}, {39, 0x10027}, {40, 0x10028}, {45, 0x1002D},
      {65, 0},       {32, 0},       {16, 0},       {112, 0},      {0, 0},        {-1, 0},
  };
  for (const Case& c : cases) EXPECT_EQ(KeyToChar(c.key), c.character) << "key " << c.key;
}

TEST(TypedCharacters, CodePointsBecomeUtf16Units) {
  struct Case {
    unsigned int codepoint;
    int count;
    int first, second;
  };
  const Case cases[] = {
      {'w', 1, 'w', 0},
      {'W', 1, 'W', 0},
      {0xE9, 1, 0xE9, 0},
      {0xFFFD, 1, 0xFFFD, 0},
      {0x1F600, 2, 0xD83D, 0xDE00},
      {0x10FFFF, 2, 0xDBFF, 0xDFFF},
      {0xD800, 0, 0, 0},
      {0xDFFF, 0, 0, 0},
      {0x110000, 0, 0, 0},
      {0, 0, 0, 0},
      {0xFFFFFFFFu, 0, 0, 0},
  };
  for (const Case& c : cases) {
    int units[2] = {0, 0};
    ASSERT_EQ(CodepointToCharUnits(c.codepoint, units), c.count) << std::hex << c.codepoint;
    EXPECT_EQ(units[0], c.first) << std::hex << c.codepoint;
    EXPECT_EQ(units[1], c.second) << std::hex << c.codepoint;
  }
}

}  // namespace
