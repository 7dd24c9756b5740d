// The game's view of input: free functions that read the one input device.
//
// The delegate creates the device at start and stores it here; until then (and in a
// program without a device) every query answers 0 and every switch does nothing.
#pragma once

#include "runtime/input/input_device.h"

extern c_InputDevice* zr_input_device;

c_InputDevice* zr_input_SetInputDevice(c_InputDevice* device);
c_InputDevice* zr_input_GetInputDevice();

int zr_input_KeyDown(int key);
int zr_input_KeyHit(int key);
int zr_input_GetChar();
int zr_input_EnableKeyboard();
int zr_input_DisableKeyboard();
float zr_input_MouseX();
float zr_input_MouseY();
int zr_input_MouseDown(int button);
int zr_input_MouseHit(int button);
int zr_input_TouchDown(int index);
float zr_input_TouchX(int index);
float zr_input_TouchY(int index);
int zr_input_JoyDown(int button, int unit);
int zr_input_JoyHit(int button, int unit);
// Whether a pad answered for the unit at the last poll (1) or not (0).
int zr_input_JoyPresent(int unit);
float zr_input_JoyX(int index, int unit);
float zr_input_JoyY(int index, int unit);
