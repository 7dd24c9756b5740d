// GLFW 3 readings reach the layouts as the classic interface reported them (gamepad
// buttons are checked through the ports).
#include <gtest/gtest.h>

#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>

#include "runtime/input/glfw_joystick.h"

namespace {

TEST(GlfwJoystick, RawDevicesFlipVerticalAxesAndKeepAtMostTheClassicCounts) {
  const float axes[8] = {0.5f, 0.25f, -0.5f, -0.75f, 1.0f, 1.0f, 0.3f, 0.3f};
  unsigned char buttons[40] = {};
  buttons[0] = GLFW_PRESS;
  buttons[31] = GLFW_PRESS;
  buttons[35] = GLFW_PRESS;
  JoystickReading r = ReadingFromGlfwJoystick(axes, 8, buttons, 40);
  EXPECT_EQ(r.axisCount, 6);
  EXPECT_EQ(r.buttonCount, 32);
  const float expected[6] = {0.5f, -0.25f, -0.5f, 0.75f, 1.0f, -1.0f};
  for (int i = 0; i < 6; ++i) EXPECT_FLOAT_EQ(r.axes[i], expected[i]) << "axis " << i;
  EXPECT_TRUE(r.buttons[0]);
  EXPECT_FALSE(r.buttons[1]);
  EXPECT_TRUE(r.buttons[31]);

  JoystickReading nothing = ReadingFromGlfwJoystick(nullptr, 4, nullptr, -3);
  EXPECT_EQ(nothing.axisCount, 0);
  EXPECT_EQ(nothing.buttonCount, 0);
}

struct Mapped {
  Array<float> joyx{2}, joyy{2}, joyz{2};
  Array<bool> buttons{32};
};

Mapped mapGamepad(const float axes[6], const unsigned char buttons[15]) {
  Mapped out;
  MapJoystickReading(ReadingFromGlfwGamepad(axes, buttons), out.joyx, out.joyy, out.joyz, out.buttons);
  return out;
}

TEST(GlfwJoystick, GamepadSticksAndTriggersFollowTheClassicPad) {
  const unsigned char none[15] = {};
  struct Case {
    const char* what;
    float axes[6];  // left x, left y, right x, right y, left trigger, right trigger
    float joyx0, joyy0, joyz0, joyx1, joyy1, joyz1;
  };
  const Case cases[] = {
      {"at rest", {0, 0, 0, 0, -1, -1}, 0, 0, 0, 0, 0, 0},
      {"left stick up-right", {0.5f, -1, 0, 0, -1, -1}, 0.5f, 1, 0, 0, 0, 0},
      {"right stick down-left", {0, 0, -0.5f, 1, -1, -1}, 0, 0, 0, -0.5f, 1, 0},
      {"left trigger pulled", {0, 0, 0, 0, 1, -1}, 0, 0, 1, 0, 0, -1},
      {"right trigger half", {0, 0, 0, 0, -1, 0}, 0, 0, -0.5f, 0, 0, 0.5f},
  };
  for (const Case& c : cases) {
    Mapped out = mapGamepad(c.axes, none);
    EXPECT_FLOAT_EQ(out.joyx[0], c.joyx0) << c.what;
    EXPECT_FLOAT_EQ(out.joyy[0], c.joyy0) << c.what;
    EXPECT_FLOAT_EQ(out.joyz[0], c.joyz0) << c.what;
    EXPECT_FLOAT_EQ(out.joyx[1], c.joyx1) << c.what;
    EXPECT_FLOAT_EQ(out.joyy[1], c.joyy1) << c.what;
    EXPECT_FLOAT_EQ(out.joyz[1], c.joyz1) << c.what;
  }
}

}  // namespace
