// The zr_input_ functions over the global input device.
//
// Mouse buttons, touch points and joystick buttons are keys of the one table: mouse
// button b is key 1 + b, touch point i key 384 + i, and joystick button b of unit u
// key 256 | 32u | b. The device rejects keys outside the table.
#include "runtime/input/input.h"

c_InputDevice* zr_input_device;

static gc_root inputRoots([] { gc_mark_q(zr_input_device); });

c_InputDevice* zr_input_SetInputDevice(c_InputDevice* device) {
  gc_assign(zr_input_device, device);
  return device;
}

c_InputDevice* zr_input_GetInputDevice() { return zr_input_device; }

int zr_input_KeyDown(int key) { return zr_input_device && zr_input_device->p_KeyDown(key) ? 1 : 0; }

int zr_input_KeyHit(int key) { return zr_input_device ? zr_input_device->p_KeyHit(key) : 0; }

int zr_input_GetChar() { return zr_input_device ? zr_input_device->p_GetChar() : 0; }

int zr_input_EnableKeyboard() {
  if (zr_input_device) zr_input_device->p_SetKeyboardEnabled(true);
  return 0;
}

int zr_input_DisableKeyboard() {
  if (zr_input_device) zr_input_device->p_SetKeyboardEnabled(false);
  return 0;
}

float zr_input_MouseX() { return zr_input_device ? zr_input_device->p_MouseX() : 0; }
float zr_input_MouseY() { return zr_input_device ? zr_input_device->p_MouseY() : 0; }

// Keys past the end of the table (a huge button number) must not wrap into it.
static int mouseKey(int button) { return button > 510 ? 0 : zr_input_KEY_LMB + button; }

int zr_input_MouseDown(int button) { return zr_input_KeyDown(mouseKey(button)); }
int zr_input_MouseHit(int button) { return zr_input_KeyHit(mouseKey(button)); }

int zr_input_TouchDown(int index) {
  if (index < -383 || index > 127) return 0;
  return zr_input_KeyDown(zr_input_KEY_TOUCH0 + index);
}

float zr_input_TouchX(int index) { return zr_input_device ? zr_input_device->p_TouchX(index) : 0; }
float zr_input_TouchY(int index) { return zr_input_device ? zr_input_device->p_TouchY(index) : 0; }

// The OR (not a sum) is how the key has always been formed; a unit of 8 or more lands
// above the table and reads as 0.
static int joyKey(int button, int unit) {
  long long key = static_cast<long long>(button) | zr_input_KEY_JOY0 | (static_cast<long long>(unit) * 32);
  return key > 511 || key < 0 ? 0 : static_cast<int>(key);
}

int zr_input_JoyDown(int button, int unit) { return zr_input_KeyDown(joyKey(button, unit)); }
int zr_input_JoyHit(int button, int unit) { return zr_input_KeyHit(joyKey(button, unit)); }

int zr_input_JoyPresent(int unit) { return zr_input_device && zr_input_device->p_JoyPresent(unit) ? 1 : 0; }

float zr_input_JoyX(int index, int unit) { return zr_input_device ? zr_input_device->p_JoyX(index, unit) : 0; }
float zr_input_JoyY(int index, int unit) { return zr_input_device ? zr_input_device->p_JoyY(index, unit) : 0; }
