// The game's four joystick units over the desktop's devices: each poll of port 0
// brings the port map up to date with the devices plugged in or out, and each port
// then reads its device as a standard gamepad when the database knows it (so every
// known pad plays with the classic pad's layout) or raw otherwise.
#pragma once

#include "runtime/array.h"
#include "runtime/input/joystick_devices.h"
#include "runtime/input/joystick_mapping.h"

class JoystickPorts {
 public:
  explicit JoystickPorts(JoystickDevices* devices) : m_devices(devices) {}

  // Fills a unit from the device at the port; false when the port has none.
  bool Poll(int port, Array<float> joyx, Array<float> joyy, Array<float> joyz, Array<bool> buttons);

 private:
  JoystickDevices* m_devices;
  JoystickPortMap m_map;
};
