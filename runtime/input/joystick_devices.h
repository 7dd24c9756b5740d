// The desktop's joysticks as the ports see them: which host ids have a device, each
// device read as a standard gamepad when the gamepad database knows it or as raw axes
// and buttons otherwise, and additions to that database. The desktop host answers from
// GLFW 3; tests plug fake devices in and out.
#pragma once

#include <string>

class JoystickDevices {
 public:
  virtual ~JoystickDevices() {}

  virtual bool Present(int hostId) = 0;
  // GLFW's 6 gamepad axes and 15 gamepad buttons (GLFW_PRESS when held) in its own
  // order, when the database knows the device; false otherwise.
  virtual bool GamepadState(int hostId, float axes[6], unsigned char buttons[15]) = 0;
  // The raw axes and buttons (hats as four trailing buttons each); null when none.
  virtual const float* Axes(int hostId, int* count) = 0;
  virtual const unsigned char* Buttons(int hostId, int* count) = 0;
  // Adds one line in the gamepad database's text format (a later line for the same
  // device replaces the earlier); false when the database refuses it.
  virtual bool AddGamepadMapping(const std::string& line) = 0;
};
