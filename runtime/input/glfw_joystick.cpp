// The classic joystick interface reported vertical axes positive upwards and counted at
// most 6 axes and 32 buttons; GLFW 3 reports them positive downwards and without limit.
// The classic pad put its triggers on one shared axis (left pushes it up, right down),
// its right stick's horizontal axis after it, and its hat as four buttons after the ten
// real ones, in the order left, up, right, down that the game's controls read.
#include "runtime/input/glfw_joystick.h"

#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>

JoystickReading ReadingFromGlfwJoystick(const float* axes, int axisCount, const unsigned char* buttons,
                                        int buttonCount) {
  JoystickReading reading;
  if (axes && axisCount > 0) {
    reading.axisCount = axisCount < JoystickReading::kMaxAxes ? axisCount : JoystickReading::kMaxAxes;
    for (int i = 0; i < reading.axisCount; ++i) reading.axes[i] = i % 2 == 1 ? -axes[i] : axes[i];
  }
  if (buttons && buttonCount > 0) {
    reading.buttonCount = buttonCount < JoystickReading::kMaxButtons ? buttonCount : JoystickReading::kMaxButtons;
    for (int i = 0; i < reading.buttonCount; ++i) reading.buttons[i] = buttons[i] == GLFW_PRESS;
  }
  return reading;
}

// A trigger from released (-1) to fully pulled (1), as 0..1.
static float triggerPull(float value) { return (value + 1.0f) * 0.5f; }

JoystickReading ReadingFromGlfwGamepad(const float axes[6], const unsigned char buttons[15]) {
  JoystickReading reading;
  reading.axisCount = 5;
  reading.axes[0] = axes[GLFW_GAMEPAD_AXIS_LEFT_X];
  reading.axes[1] = -axes[GLFW_GAMEPAD_AXIS_LEFT_Y];
  reading.axes[2] =
      triggerPull(axes[GLFW_GAMEPAD_AXIS_LEFT_TRIGGER]) - triggerPull(axes[GLFW_GAMEPAD_AXIS_RIGHT_TRIGGER]);
  reading.axes[3] = -axes[GLFW_GAMEPAD_AXIS_RIGHT_Y];
  reading.axes[4] = axes[GLFW_GAMEPAD_AXIS_RIGHT_X];

  static const int kClassicOrder[14] = {
      GLFW_GAMEPAD_BUTTON_A,           GLFW_GAMEPAD_BUTTON_B,           GLFW_GAMEPAD_BUTTON_X,
      GLFW_GAMEPAD_BUTTON_Y,           GLFW_GAMEPAD_BUTTON_LEFT_BUMPER, GLFW_GAMEPAD_BUTTON_RIGHT_BUMPER,
      GLFW_GAMEPAD_BUTTON_BACK,        GLFW_GAMEPAD_BUTTON_START,       GLFW_GAMEPAD_BUTTON_LEFT_THUMB,
      GLFW_GAMEPAD_BUTTON_RIGHT_THUMB, GLFW_GAMEPAD_BUTTON_DPAD_LEFT,   GLFW_GAMEPAD_BUTTON_DPAD_UP,
      GLFW_GAMEPAD_BUTTON_DPAD_RIGHT,  GLFW_GAMEPAD_BUTTON_DPAD_DOWN,
  };
  reading.buttonCount = 14;
  for (int i = 0; i < 14; ++i) reading.buttons[i] = buttons[kClassicOrder[i]] == GLFW_PRESS;
  return reading;
}
