// Polling a port: the map follows the devices on port 0, which the input device asks
// first in every tick; a device gone between that and its own port's turn reads idle.
#include "runtime/input/joystick_ports.h"

#include "runtime/input/glfw_joystick.h"

bool JoystickPorts::Poll(int port, Array<float> joyx, Array<float> joyy, Array<float> joyz, Array<bool> buttons) {
  if (port == 0) m_map.Update([this](int hostId) { return m_devices->Present(hostId); });
  int hostId = m_map.HostIdAt(port);
  if (hostId < 0) return false;

  JoystickReading reading;
  float gamepadAxes[6] = {};
  unsigned char gamepadButtons[15] = {};
  if (m_devices->GamepadState(hostId, gamepadAxes, gamepadButtons)) {
    reading = ReadingFromGlfwGamepad(gamepadAxes, gamepadButtons);
  } else {
    int axisCount = 0, buttonCount = 0;
    const float* axes = m_devices->Axes(hostId, &axisCount);
    const unsigned char* pressed = m_devices->Buttons(hostId, &buttonCount);
    reading = ReadingFromGlfwJoystick(axes, axisCount, pressed, buttonCount);
  }
  MapJoystickReading(reading, joyx, joyy, joyz, buttons);
  return true;
}
