// The input device's key table, hit and character queues, pointer and joystick polling.
//
// Out-of-range keys, mouse buttons, touch indices and joystick units are ignored rather
// than trusted: events come from the host and the game, and neither may write outside
// the tables or press another device's key (touch point 32 would be the back key).
#include "runtime/input/input_device.h"

#include "host/zr_game.h"

c_JoyState* c_JoyState::m_new() {
  gc_assign(m_joyx, Array<float>(2));
  gc_assign(m_joyy, Array<float>(2));
  gc_assign(m_joyz, Array<float>(2));
  gc_assign(m_buttons, Array<bool>(c_InputDevice::kJoyButtons));
  return this;
}

void c_JoyState::mark() {
  gc_mark_q(m_joyx);
  gc_mark_q(m_joyy);
  gc_mark_q(m_joyz);
  gc_mark_q(m_buttons);
}

c_InputDevice* c_InputDevice::m_new() {
  gc_assign(m__joyStates, Array<c_JoyState*>(kJoyUnits));
  for (int unit = 0; unit < kJoyUnits; ++unit) gc_assign(m__joyStates[unit], (new c_JoyState)->m_new());
  gc_assign(m__keyDown, Array<bool>(zr_input_KEY_COUNT));
  gc_assign(m__keyHitQueue, Array<int>(kHitQueueSize));
  gc_assign(m__keyHit, Array<int>(zr_input_KEY_COUNT));
  gc_assign(m__charQueue, Array<int>(kCharQueueSize));
  gc_assign(m__touchX, Array<float>(kTouchPoints));
  gc_assign(m__touchY, Array<float>(kTouchPoints));
  return this;
}

static bool isKey(int key) { return key > 0 && key < zr_input_KEY_COUNT; }

void c_InputDevice::p_PutKeyHit(int key) {
  if (!isKey(key) || m__keyHitPut >= kHitQueueSize) return;
  m__keyHit[key] += 1;
  m__keyHitQueue[m__keyHitPut++] = key;
}

// The left mouse button and touch point 0 are one pointer seen two ways, so each
// press or release of either shows on both.
static int pointerTwin(int key) {
  if (key == zr_input_KEY_LMB) return zr_input_KEY_TOUCH0;
  if (key == zr_input_KEY_TOUCH0) return zr_input_KEY_LMB;
  return 0;
}

void c_InputDevice::pressKey(int key) {
  if (!isKey(key) || m__keyDown[key]) return;  // auto-repeat gives no further hits
  m__keyDown[key] = true;
  p_PutKeyHit(key);
  if (int twin = pointerTwin(key)) {
    m__keyDown[twin] = true;
    p_PutKeyHit(twin);
  }
}

void c_InputDevice::releaseKey(int key) {
  if (!isKey(key) || !m__keyDown[key]) return;
  m__keyDown[key] = false;
  if (int twin = pointerTwin(key)) m__keyDown[twin] = false;
}

void c_InputDevice::p_KeyEvent(int event, int data) {
  switch (event) {
    case zr_input_EVENT_KEYDOWN:
      pressKey(data);
      break;
    case zr_input_EVENT_KEYUP:
      releaseKey(data);
      break;
    case zr_input_EVENT_KEYCHAR:
      if (m__charPut < kCharQueueSize) m__charQueue[m__charPut++] = data;
      break;
  }
}

void c_InputDevice::setPointer(int touchIndex, float x, float y) {
  m__touchX[touchIndex] = x;
  m__touchY[touchIndex] = y;
  if (touchIndex == 0) {
    m__mouseX = x;
    m__mouseY = y;
  }
}

// Only the three buttons have keys; a larger number would land on another device's key.
static int mouseButtonKey(int button) { return button >= 0 && button <= 2 ? zr_input_KEY_LMB + button : 0; }

void c_InputDevice::p_MouseEvent(int event, int button, float x, float y) {
  switch (event) {
    case zr_input_EVENT_MOUSEDOWN:
      pressKey(mouseButtonKey(button));
      setPointer(0, x, y);
      break;
    case zr_input_EVENT_MOUSEUP:
      releaseKey(mouseButtonKey(button));
      break;
    case zr_input_EVENT_MOUSEMOVE:
      setPointer(0, x, y);
      break;
  }
}

c_JoyState* c_InputDevice::joyState(int unit) {
  if (unit < 0 || unit >= m__joyStates.Length()) return nullptr;
  return m__joyStates[unit];
}

// Joystick buttons become held keys; a button that goes down queues one hit, and a
// release clears the flag without a hit, like a key.
void c_InputDevice::pollJoystick(int unit, c_JoyState* state) {
  for (int button = 0; button < kJoyButtons && button < state->m_buttons.Length(); ++button) {
    int key = zr_input_KEY_JOY0 + kJoyButtons * unit + button;
    if (state->m_buttons[button]) {
      if (!m__keyDown[key]) {
        m__keyDown[key] = true;
        p_PutKeyHit(key);
      }
    } else {
      m__keyDown[key] = false;
    }
  }
}

// A unit whose pad went away reads as an idle pad, so that a button or stick held at
// the moment of unplugging does not stay pressed for ever. Units that were never polled
// are left alone: a windowless host may press their keys through key events.
void c_InputDevice::clearJoystick(int unit, c_JoyState* state) {
  Array<float> axes[3] = {state->m_joyx, state->m_joyy, state->m_joyz};
  for (Array<float>& values : axes) {
    for (int i = 0; i < values.Length(); ++i) values[i] = 0;
  }
  for (int i = 0; i < state->m_buttons.Length(); ++i) state->m_buttons[i] = false;
  for (int button = 0; button < kJoyButtons; ++button)
    m__keyDown[zr_input_KEY_JOY0 + kJoyButtons * unit + button] = false;
}

void c_InputDevice::p_BeginUpdate() {
  ZrGame* host = ZrGame::_game;
  // Pads keep their units while others come and go, so an empty unit says nothing about
  // the ones after it: every unit is asked.
  int present = 0;
  for (int unit = 0; host && unit < kJoyUnits; ++unit) {
    c_JoyState* state = joyState(unit);
    if (!state || !host->PollJoystick(unit, state->m_joyx, state->m_joyy, state->m_joyz, state->m_buttons)) continue;
    pollJoystick(unit, state);
    present |= 1 << unit;
  }
  for (int unit = 0; unit < kJoyUnits; ++unit) {
    bool gone = (m__joyUnitsPresent >> unit & 1) && !(present >> unit & 1);
    if (c_JoyState* state = joyState(unit); state && gone) clearJoystick(unit, state);
  }
  m__joyUnitsPresent = present;
}

void c_InputDevice::p_EndUpdate() {
  for (int i = 0; i < m__keyHitPut; ++i) m__keyHit[m__keyHitQueue[i]] = 0;
  m__keyHitPut = 0;
  m__charGet = 0;
  m__charPut = 0;
}

void c_InputDevice::p_SetKeyboardEnabled(bool enabled) {
  if (ZrGame::_game) ZrGame::_game->SetKeyboardEnabled(enabled);
}

bool c_InputDevice::p_KeyDown(int key) { return isKey(key) && m__keyDown[key]; }

int c_InputDevice::p_KeyHit(int key) { return isKey(key) ? m__keyHit[key] : 0; }

int c_InputDevice::p_GetChar() {
  if (m__charGet >= m__charPut) return 0;
  return m__charQueue[m__charGet++];
}

float c_InputDevice::p_MouseX() { return m__mouseX; }
float c_InputDevice::p_MouseY() { return m__mouseY; }

float c_InputDevice::p_TouchX(int index) { return index >= 0 && index < kTouchPoints ? m__touchX[index] : 0; }
float c_InputDevice::p_TouchY(int index) { return index >= 0 && index < kTouchPoints ? m__touchY[index] : 0; }

bool c_InputDevice::p_JoyPresent(int unit) { return unit >= 0 && unit < kJoyUnits && (m__joyUnitsPresent >> unit & 1); }

float c_InputDevice::p_JoyX(int index, int unit) {
  c_JoyState* state = joyState(unit);
  return state && index >= 0 && index < state->m_joyx.Length() ? state->m_joyx[index] : 0;
}

float c_InputDevice::p_JoyY(int index, int unit) {
  c_JoyState* state = joyState(unit);
  return state && index >= 0 && index < state->m_joyy.Length() ? state->m_joyy[index] : 0;
}


void c_InputDevice::mark() {
  gc_mark_q(m__joyStates);
  gc_mark_q(m__keyDown);
  gc_mark_q(m__keyHitQueue);
  gc_mark_q(m__keyHit);
  gc_mark_q(m__charQueue);
  gc_mark_q(m__touchX);
  gc_mark_q(m__touchY);
}
