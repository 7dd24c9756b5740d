// The desktop's joysticks through GLFW 3: presence, its gamepad database (built in,
// plus what the mappings files add) and raw readings.
#pragma once

#include "runtime/input/joystick_devices.h"

class GlfwJoysticks : public JoystickDevices {
 public:
  bool Present(int hostId) override;
  bool GamepadState(int hostId, float axes[6], unsigned char buttons[15]) override;
  const float* Axes(int hostId, int* count) override;
  const unsigned char* Buttons(int hostId, int* count) override;
  // GLFW takes any text and reports a malformed mapping only as an error, so the error
  // it leaves behind is the answer.
  bool AddGamepadMapping(const std::string& line) override;
};
