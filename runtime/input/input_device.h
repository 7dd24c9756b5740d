// c_InputDevice: everything the player does, as one table of 512 virtual keys.
//
// Each key has a held flag and a hit count for the current update tick; typed characters
// wait in a small queue for one tick; the device also keeps the pointer, 32 touch points
// and four joystick units. The host feeds it events; the game reads it
// through the zr_input_ functions. Hits and characters live exactly one tick.
#pragma once

#include "runtime/array.h"
#include "runtime/gc.h"

// Virtual key codes shared by the host and the game.
enum : int {
  zr_input_KEY_LMB = 1,
  zr_input_KEY_JOY0 = 256,  // + 32 x unit + button
  zr_input_KEY_TOUCH0 = 384,
  zr_input_KEY_BACK = 416,
  zr_input_KEY_CLOSE = 432,
  zr_input_KEY_COUNT = 512,
};

// Event codes the host passes to the device.
enum : int {
  zr_input_EVENT_KEYDOWN = 1,
  zr_input_EVENT_KEYUP = 2,
  zr_input_EVENT_KEYCHAR = 3,
  zr_input_EVENT_MOUSEDOWN = 4,
  zr_input_EVENT_MOUSEUP = 5,
  zr_input_EVENT_MOUSEMOVE = 6,
};

// One joystick unit: two sticks, two triggers and 32 buttons, as last polled.
class c_JoyState : public Object {
 public:
  Array<float> m_joyx;  // index 0 = left stick, 1 = right stick
  Array<float> m_joyy;
  Array<float> m_joyz;  // index 0 = left trigger, 1 = right trigger
  Array<bool> m_buttons;

  c_JoyState* m_new();
  void mark() override;
};

class c_InputDevice : public Object {
 public:
  static constexpr int kJoyUnits = 4;
  static constexpr int kJoyButtons = 32;
  static constexpr int kTouchPoints = 32;
  static constexpr int kHitQueueSize = 33;
  static constexpr int kCharQueueSize = 32;

  Array<c_JoyState*> m__joyStates;
  Array<bool> m__keyDown;
  int m__keyHitPut = 0;
  Array<int> m__keyHitQueue;
  Array<int> m__keyHit;
  int m__charGet = 0;
  int m__charPut = 0;
  Array<int> m__charQueue;
  float m__mouseX = 0;
  float m__mouseY = 0;
  Array<float> m__touchX;
  Array<float> m__touchY;
  // Bit u is set when unit u had a pad at the last poll, to notice one going away.
  int m__joyUnitsPresent = 0;

  // Allocates the tables and the four joystick units.
  c_InputDevice* m_new();

  void p_KeyEvent(int event, int data);
  void p_PutKeyHit(int key);
  void p_MouseEvent(int event, int button, float x, float y);
  void p_BeginUpdate();
  void p_EndUpdate();
  void p_SetKeyboardEnabled(bool enabled);

  bool p_KeyDown(int key);
  int p_KeyHit(int key);
  int p_GetChar();
  float p_MouseX();
  float p_MouseY();
  float p_TouchX(int index);
  float p_TouchY(int index);
  bool p_JoyPresent(int unit);
  float p_JoyX(int index, int unit);
  float p_JoyY(int index, int unit);

  void mark() override;

 private:
  void pressKey(int key);
  void releaseKey(int key);
  void setPointer(int touchIndex, float x, float y);
  void pollJoystick(int unit, c_JoyState* state);
  void clearJoystick(int unit, c_JoyState* state);
  c_JoyState* joyState(int unit);
};
