// Who sits in a seat: a seat whose input source is the keyboard (-1) or a joystick
// (1..4) is a human player; 0 and anything out of range is the computer. The label names
// the seat's player the way the intro and the menu show it, with the keyboard's or the
// pad's button glyphs.
#include "game/shell/my_app.h"

namespace {
constexpr int kKeyboard = -1;
constexpr int kFirstJoystick = 1;
constexpr int kLastJoystick = 4;
constexpr int kGlyphEscape = 172;  // the character that picks a button glyph

String glyph(char letter) { return String::FromChar(kGlyphEscape) + String::FromChar(letter); }
}  // namespace

bool c_MyApp::p_IsHumanSource(int pad) {
  return pad == kKeyboard || (pad >= kFirstJoystick && pad <= kLastJoystick);
}

String c_MyApp::p_SeatLabel(int pad) {
  if (!p_IsHumanSource(pad)) return String("CPU");
  return pad == kKeyboard ? glyph('G') + glyph('J') : glyph('T') + glyph('Y');
}
