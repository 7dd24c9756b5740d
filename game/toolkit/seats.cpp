// Who sits in a seat: a seat whose input source is the keyboard (-1, and 5 for the
// keyboard's right-hand player) or a joystick (1..4) is a human player; 0 and anything
// out of range is the computer. The label names the seat's player the way the intro and
// the menu show it, with the keyboard's or the pad's button glyphs, and the glyph set
// says whose keys those glyphs are.
#include "game/shell/my_app.h"
#include "game/toolkit/glyphs.h"

namespace {
constexpr int kKeyboard = -1;
constexpr int kFirstJoystick = 1;
constexpr int kLastJoystick = 4;
constexpr int kSecondKeyboard = 5;

String glyph(char letter) { return String::FromChar(kGlyphEscape) + String::FromChar(letter); }
}  // namespace

// The right-hand keyboard source only ever sits in a seat while the keyboard has two
// players: the menu frees its seat when it goes back to one.
bool c_MyApp::p_IsHumanSource(int pad) {
  return pad == kKeyboard || pad == kSecondKeyboard || (pad >= kFirstJoystick && pad <= kLastJoystick);
}

String c_MyApp::p_SeatLabel(int pad) {
  if (!p_IsHumanSource(pad)) return String("CPU");
  bool keyboard = pad == kKeyboard || pad == kSecondKeyboard;
  return keyboard ? glyph('G') + glyph('J') : glyph('T') + glyph('Y');
}

int c_MyApp::p_SeatGlyphSet(int pad) {
  if (pad >= kFirstJoystick && pad <= kLastJoystick) return kPadButtons;
  if (pad == kSecondKeyboard) return kRightPlayerKeys;
  if (pad == kKeyboard && p_KeyboardPlayers() == 2) return kLeftPlayerKeys;
  return kKeyboardKeys;
}
