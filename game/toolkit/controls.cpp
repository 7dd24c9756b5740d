// Player controls: every screen and game asks for an action (up, left, right, down, fire
// A..F, back) of an input source (-1 the keyboard, 1..4 joysticks 0..3, 0 nobody), never
// for a raw key. Each action lists its keys, joystick buttons, stick direction and
// virtual buttons in one table; once per update in a game the sources are turned into
// analogue axes and fire flags in m_controls, where the games read them per player.
// With two keyboard players the keyboard is two sources, each with a set of keys of its
// own (a second table). The key and pointer latches let a screen use a press once and
// wait for the release.
#include <cmath>
#include <initializer_list>

#include "game/shell/globals.h"
#include "game/shell/my_app.h"
#include "game/toolkit/actions.h"
#include "runtime/input/input.h"

namespace {

// Virtual key codes of the keyboard keys the actions use.
enum Key : int {
  kBackspace = 8,
  kEnter = 13,
  kShift = 16,
  kCtrl = 17,
  kEscape = 27,
  kSpace = 32,
  kArrowLeft = 37,
  kArrowUp = 38,
  kArrowRight = 39,
  kArrowDown = 40,
  kDelete = 46,
  kSemicolon = 186,
  kPeriod = 190,
  kSlash = 191,
  kBackquote = 192,
};

constexpr int kKeyboard = -1;
constexpr int kFirstJoystick = 1;
constexpr int kLastJoystick = 4;
constexpr int kSecondKeyboard = 5;
constexpr int kKeyboardPlayersSetting = 20;

enum StickDirection { kNoStick, kStickUp, kStickDown, kStickLeft, kStickRight };

// A stick counts as a pressed direction past this, and as analogue input past the dead
// zone.
constexpr float kStickPress = 0.4f;
constexpr float kDeadZone = 0.29f;
// How far a held direction moves an axis per update, and how fast a free axis recentres.
constexpr float kAxisStep = 0.3f;
constexpr float kAxisReturn = 0.4f;

// Ten floats per source from element 20 + 10 x source: x and y axes, fire A..C.
constexpr int kControlBase = 20;
constexpr int kControlStride = 10;
constexpr int kAxisX = 1;
constexpr int kAxisY = 2;
constexpr int kFireSlotA = 7;

// Unused list entries are 0 for keys and -1 for buttons.
struct ActionInputs {
  int action;
  int keys[4];       // the keyboard source's keys while the iCade protocol is off
  int iCadeKeys[3];  // with the protocol on the letter keys belong to the iCade
  int joyButtons[3];
  int joyKeys[1];  // keyboard keys every joystick source also reads
  StickDirection stick;
  int vbuttons[3];
};

constexpr ActionInputs kActions[] = {
    {kUp, {kArrowUp, 'W'}, {kArrowUp}, {9, -1, -1}, {0}, kStickUp, {0, -1, -1}},
    {kLeft, {kArrowLeft, 'A'}, {kArrowLeft}, {8, -1, -1}, {0}, kStickLeft, {3, -1, -1}},
    {kRight, {kArrowRight, 'D'}, {kArrowRight}, {10, -1, -1}, {0}, kStickRight, {5, -1, -1}},
    {kDown, {kArrowDown, 'S'}, {kArrowDown}, {11, -1, -1}, {0}, kStickDown, {8, -1, -1}},
    {kFireA, {'Z', 'J', kSpace, kEnter}, {kSpace, kEnter}, {0, -1, -1}, {0}, kNoStick, {10, -1, -1}},
    {kFireB, {'X', 'K', kCtrl}, {kCtrl}, {1, -1, -1}, {0}, kNoStick, {11, -1, -1}},
    {kFireC, {'C', 'L', kShift}, {kShift}, {2, -1, -1}, {0}, kNoStick, {12, -1, -1}},
    {kFireD, {'V', 'I'}, {0}, {3, -1, -1}, {0}, kNoStick, {13, -1, -1}},
    {kFireE, {'B', 'U'}, {0}, {4, -1, -1}, {0}, kNoStick, {14, -1, -1}},
    {kFireF, {'N', 'O'}, {0}, {5, -1, -1}, {0}, kNoStick, {15, -1, -1}},
    {kMenu, {0}, {0}, {6, 7, 14}, {kEscape}, kNoStick, {16, 17, 19}},
    {kBack, {kEscape, kBackquote, kDelete, kBackspace}, {kEscape, kDelete, kBackspace}, {6, 7, 14}, {kEscape},
     kNoStick, {16, 17, 19}},
};

// The keys of the two keyboard players: the left one moves on W A S D with its fire keys
// in a block of two by three just right of them (F G, R T above, V B below), the right
// one moves on the arrows with the mirrored block left of them (; L, P O above, / .
// below), so each player's first fire key lies under the index finger of the hand that
// does not steer. The two sets share no key; the back keys are split between them.
struct KeyboardPlayerKeys {
  int action;
  int left[2];
  int right[2];
};

constexpr KeyboardPlayerKeys kKeyboardPlayerKeys[] = {
    {kUp, {'W'}, {kArrowUp}},
    {kLeft, {'A'}, {kArrowLeft}},
    {kRight, {'D'}, {kArrowRight}},
    {kDown, {'S'}, {kArrowDown}},
    {kFireA, {'F'}, {kSemicolon}},
    {kFireB, {'G'}, {'L'}},
    {kFireC, {'R'}, {'P'}},
    {kFireD, {'T'}, {'O'}},
    {kFireE, {'V'}, {kSlash}},
    {kFireF, {'B'}, {kPeriod}},
    {kBack, {kEscape, kBackquote}, {kDelete, kBackspace}},
};

// The actions whose holding keeps the key latch set.
constexpr int kLatchActions[] = {kUp, kLeft, kRight, kDown, kFireA, kFireB, kFireC, kFireD, kFireE, kFireF, kBack};

const ActionInputs* FindAction(int action) {
  for (const ActionInputs& inputs : kActions) {
    if (inputs.action == action) return &inputs;
  }
  return nullptr;
}

// A key counts as pressed while it is held and also in the update its hit arrived in: a
// quick tap goes down and up between two updates and is never seen held, yet it was a
// press all the same.
bool KeyPressed(int key) { return zr_input_KeyDown(key) || zr_input_KeyHit(key) > 0; }

template <size_t N>
bool AnyKeyPressed(const int (&keys)[N]) {
  for (int key : keys) {
    if (key != 0 && KeyPressed(key)) return true;
  }
  return false;
}

template <size_t N>
bool AnyJoyButtonDown(const int (&buttons)[N], int unit) {
  for (int button : buttons) {
    if (button >= 0 && zr_input_JoyDown(button, unit)) return true;
  }
  return false;
}

// Virtual buttons are the iCade's and the on-screen pad's, and both stand in for the
// keyboard; only the back buttons, like Esc, back out whichever source asks.
bool AnyVirtualButton(const c_MyApp& app, const ActionInputs& inputs, int source) {
  if (source != kKeyboard && inputs.action != kMenu && inputs.action != kBack) return false;
  for (int index : inputs.vbuttons) {
    if (index >= 0 && app.m_vbutton[index] != 0) return true;
  }
  return false;
}

// Raw stick axes report up as positive.
bool StickPushed(StickDirection direction, int unit) {
  switch (direction) {
    case kStickUp:
      return zr_input_JoyY(0, unit) > kStickPress;
    case kStickDown:
      return zr_input_JoyY(0, unit) < -kStickPress;
    case kStickLeft:
      return zr_input_JoyX(0, unit) < -kStickPress;
    case kStickRight:
      return zr_input_JoyX(0, unit) > kStickPress;
    case kNoStick:
      break;
  }
  return false;
}

float Recentred(float value) {
  if (value > 0) return value > kAxisReturn ? value - kAxisReturn : 0;
  return value < -kAxisReturn ? value + kAxisReturn : 0;
}

float Clamped(float value) { return value < -1 ? -1 : (value > 1 ? 1 : value); }

}  // namespace

// The iCade protocol takes the letter keys for itself, so with it on the keyboard is one
// player whatever the setting says.
int c_MyApp::p_KeyboardPlayers() {
  bool twoWanted = m_settings[kKeyboardPlayersSetting] == 1;
  return twoWanted && zr_TinselJumble_iCadeControls == 0 ? 2 : 1;
}

int c_MyApp::p_LastSource() { return p_KeyboardPlayers() == 2 ? kSecondKeyboard : kLastJoystick; }

int c_MyApp::p_PlayKey(int action, int mode, int source) {
  const ActionInputs* inputs = FindAction(action);
  bool joystick = source >= kFirstJoystick && source <= kLastJoystick;
  bool twoKeyboards = p_KeyboardPlayers() == 2;
  bool keyboard = source == kKeyboard || (twoKeyboards && source == kSecondKeyboard);
  if (!inputs || (!keyboard && !joystick)) return 0;
  bool iCade = zr_TinselJumble_iCadeControls == 1;
  if (keyboard && action == kMenu) return 0;
  if (AnyVirtualButton(*this, *inputs, source)) return 1;
  if (keyboard && twoKeyboards) {
    for (const KeyboardPlayerKeys& keys : kKeyboardPlayerKeys) {
      if (keys.action == action) return AnyKeyPressed(source == kKeyboard ? keys.left : keys.right) ? 1 : 0;
    }
    return 0;
  }
  if (source == kKeyboard) {
    return (iCade ? AnyKeyPressed(inputs->iCadeKeys) : AnyKeyPressed(inputs->keys)) ? 1 : 0;
  }
  int unit = source - kFirstJoystick;
  if (AnyJoyButtonDown(inputs->joyButtons, unit) || AnyKeyPressed(inputs->joyKeys)) return 1;
  if (iCade) return AnyKeyPressed(inputs->iCadeKeys) ? 1 : 0;
  return mode == 1 && StickPushed(inputs->stick, unit) ? 1 : 0;
}

int c_MyApp::p_PlayKeyAll(int action, int mode) {
  int pressing = 0;
  int lastSource = p_LastSource();
  for (int source = kKeyboard; source <= lastSource; ++source) pressing += p_PlayKey(action, mode, source);
  return pressing;
}

float c_MyApp::p_StickX(int stick, int joystick) { return joystick < 0 ? 0 : zr_input_JoyX(stick, joystick); }

// Stick 0 is read with down as positive, like the screen's y axis.
float c_MyApp::p_StickY(int stick, int joystick) {
  if (joystick < 0) return 0;
  float y = zr_input_JoyY(stick, joystick);
  return stick == 0 ? -y : y;
}

// Sources outside -1..4 are computer players, whose controls are all 0.
float c_MyApp::p_Control(int control, int player) {
  if (player < 0 || player >= m_pad.Length() || control < 0 || control >= kControlStride) return 0;
  int source = m_pad[player];
  if (source < kKeyboard || source > p_LastSource()) return 0;
  return m_controls[kControlBase + kControlStride * source + control];
}

void c_MyApp::p_DoControls() {
  int lastSource = p_LastSource();
  for (int source = kKeyboard; source <= lastSource; ++source) {
    int base = kControlBase + kControlStride * source;
    float x = m_controls[base + kAxisX];
    float y = m_controls[base + kAxisY];
    bool xHeld = false;
    bool yHeld = false;
    if (source >= kFirstJoystick && source <= kLastJoystick) {
      int unit = source - kFirstJoystick;
      float stickX = p_StickX(0, unit);
      float stickY = p_StickY(0, unit);
      if (std::fabs(stickX) > kDeadZone || std::fabs(stickY) > kDeadZone) {
        x = stickX;
        y = stickY;
        xHeld = yHeld = true;
      }
    }
    // Opposite directions held together cancel out, and the axis stays where it was.
    if (p_PlayKey(kUp, 0, source)) {
      y -= kAxisStep;
      yHeld = true;
    }
    if (p_PlayKey(kDown, 0, source)) {
      y += kAxisStep;
      yHeld = true;
    }
    if (p_PlayKey(kLeft, 0, source)) {
      x -= kAxisStep;
      xHeld = true;
    }
    if (p_PlayKey(kRight, 0, source)) {
      x += kAxisStep;
      xHeld = true;
    }
    m_controls[base + kAxisX] = Clamped(xHeld ? x : Recentred(x));
    m_controls[base + kAxisY] = Clamped(yHeld ? y : Recentred(y));
    int fire = 0;
    for (int action : {kFireA, kFireB, kFireC}) {
      m_controls[base + kFireSlotA + fire++] = static_cast<float>(p_PlayKey(action, 0, source));
    }
  }
}

// A latch set by a screen that used a press stays set until nothing is held, so one
// press acts once however long it lasts. Sticks count as held, so a stick pushed to
// move a cursor moves it once.
void c_MyApp::p_ReleaseLatches() {
  bool anyHeld = false;
  for (int action : kLatchActions) anyHeld = anyHeld || p_PlayKeyAll(action, 1) > 0;
  if (!anyHeld) m_keyLatch = 0;
  if (m_touching == 0) m_pointerLatch = 0;
}
