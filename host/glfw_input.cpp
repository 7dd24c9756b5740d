// The desktop host's input: GLFW keyboard, character, mouse and joystick reports turned
// into the toolkit's key, mouse and joystick events for the one host object.
//
// The translation tables and the joystick ports live with the input device (glfw_keys,
// glfw_joystick, joystick_mapping, joystick_ports) so they can be checked without a
// window; this file only asks GLFW.
#include <GLFW/glfw3.h>

#include "host/glfw_game.h"
#include "host/glfw_joysticks.h"
#include "runtime/input/gamepad_mappings.h"
#include "runtime/input/glfw_keys.h"
#include "runtime/input/input_device.h"
#include "runtime/input/joystick_ports.h"

void ZrGlfwGame::OnKey(GLFWwindow*, int key, int, int action, int) {
  ZrGame* host = ZrGame::_game;
  int code = TransKey(key);
  if (!host || code == 0) return;
  if (action == GLFW_RELEASE) {
    host->KeyEvent(zr_input_EVENT_KEYUP, code);
    return;
  }
  // Auto-repeat sends the key down again: the device ignores it as a hit, but the
  // editing keys type their character once per repeat.
  host->KeyEvent(zr_input_EVENT_KEYDOWN, code);
  if (int character = KeyToChar(code)) host->KeyEvent(zr_input_EVENT_KEYCHAR, character);
}

void ZrGlfwGame::OnChar(GLFWwindow*, unsigned int codepoint) {
  ZrGame* host = ZrGame::_game;
  int units[2];
  int count = CodepointToCharUnits(codepoint, units);
  for (int i = 0; host && i < count; ++i) host->KeyEvent(zr_input_EVENT_KEYCHAR, units[i]);
}

void ZrGlfwGame::OnMouseButton(GLFWwindow* window, int button, int action, int) {
  ZrGame* host = ZrGame::_game;
  if (!host || button < 0 || button > 2) return;
  double x = 0, y = 0;
  glfwGetCursorPos(window, &x, &y);
  int event = action == GLFW_RELEASE ? zr_input_EVENT_MOUSEUP : zr_input_EVENT_MOUSEDOWN;
  host->MouseEvent(event, button, static_cast<float>(x), static_cast<float>(y));
}

void ZrGlfwGame::OnMousePos(GLFWwindow*, double x, double y) {
  if (ZrGame::_game)
    ZrGame::_game->MouseEvent(zr_input_EVENT_MOUSEMOVE, -1, static_cast<float>(x), static_cast<float>(y));
}

bool GlfwJoysticks::Present(int hostId) { return glfwJoystickPresent(hostId) == GLFW_TRUE; }

bool GlfwJoysticks::GamepadState(int hostId, float axes[6], unsigned char buttons[15]) {
  GLFWgamepadstate pad;
  if (!glfwJoystickIsGamepad(hostId) || !glfwGetGamepadState(hostId, &pad)) return false;
  for (int i = 0; i < 6; ++i) axes[i] = pad.axes[i];
  for (int i = 0; i < 15; ++i) buttons[i] = pad.buttons[i];
  return true;
}

const float* GlfwJoysticks::Axes(int hostId, int* count) { return glfwGetJoystickAxes(hostId, count); }

const unsigned char* GlfwJoysticks::Buttons(int hostId, int* count) {
  return glfwGetJoystickButtons(hostId, count);
}

bool GlfwJoysticks::AddGamepadMapping(const std::string& line) {
  glfwGetError(nullptr);
  glfwUpdateGamepadMappings(line.c_str());
  return glfwGetError(nullptr) == GLFW_NO_ERROR;
}

// The ports are made on the first poll, after the mappings files have been added to
// GLFW's database, so the pads they name read as gamepads from the start.
bool ZrGlfwGame::PollJoystick(int port, Array<float> joyx, Array<float> joyy, Array<float> joyz, Array<bool> buttons) {
  static GlfwJoysticks devices;
  static JoystickPorts ports = [this] {
    ReadGamepadMappingFiles(this, devices);
    return JoystickPorts(&devices);
  }();
  return ports.Poll(port, joyx, joyy, joyz, buttons);
}
