// GLFW 3 joystick and gamepad readings, presented as the classic joystick interface
// that the game's layouts were made for.
//
// Raw devices keep their axis and button order, with vertical axes flipped so that up
// is positive. Devices GLFW recognises as gamepads are presented as the classic
// 14-button, 5-axis pad, so any common controller plays with the classic layout.
#pragma once

#include "runtime/input/joystick_mapping.h"

// A raw device: GLFW's axes (odd axes positive downwards) and buttons, hats last.
// Null arrays or negative counts read as nothing reported.
JoystickReading ReadingFromGlfwJoystick(const float* axes, int axisCount, const unsigned char* buttons,
                                        int buttonCount);

// A recognised gamepad: GLFW's 6 gamepad axes and 15 gamepad buttons in its own order.
JoystickReading ReadingFromGlfwGamepad(const float axes[6], const unsigned char buttons[15]);
