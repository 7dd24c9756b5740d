// Kerning and button glyphs of the game font. The font is monospaced art, so narrow and
// wide letters are pulled together or pushed apart here; button glyphs are wider than
// a letter and get extra room. The two keyboard players' sets answer the same letters
// as the keyboard's (J..O fire A..F, W S A D the directions, Q and E back) with their
// own keys; other letters look as on the keyboard.
#include "game/toolkit/glyphs.h"

namespace {

struct ButtonCell {
  char letter;
  int frame;
  int blinkFrame;  // 0: the button does not flash
};

constexpr ButtonCell kButtons[] = {
    {'J', 96, 109},  {'K', 97, 109}, {'L', 98, 109},  {'I', 99, 109},  {'U', 100, 110},
    {'O', 101, 110}, {'Q', 102, 0},  {'E', 103, 0},   {'F', 104, 0},   {'T', 104, 0},
    {'W', 105, 104}, {'S', 106, 104}, {'A', 107, 104}, {'D', 108, 104}, {'Y', 109, 0},
    {'G', 120, 0},   {'H', 125, 0},
};

// Cells of the keys the one-player keyboard has no glyph of: W A S D F G R T for the left
// player, ; L P O / . for the right one. V, B, the arrows, Esc and Backspace are shared
// with the keyboard's cells.
enum PlayerKeyCell : int {
  kKeyW = 128, kKeyA, kKeyS, kKeyD, kKeyF, kKeyG, kKeyR, kKeyT,
  kKeySemicolon, kKeyL, kKeyP, kKeyO, kKeySlash, kKeyPeriod,
};
constexpr int kLastFontCell = kKeyPeriod;
constexpr int kKeyV = 115, kKeyB = 116, kKeyEsc = 118, kKeyBackspace = 119;
constexpr int kArrowUp = 121, kArrowDown = 122, kArrowLeft = 123, kArrowRight = 124;
constexpr int kLastPlainCell = 127;

struct PlayerKeys {
  char letter;
  int left;
  int right;
};

constexpr PlayerKeys kPlayerKeys[] = {
    {'J', kKeyF, kKeySemicolon}, {'K', kKeyG, kKeyL},     {'L', kKeyR, kKeyP},
    {'I', kKeyT, kKeyO},         {'U', kKeyV, kKeySlash}, {'O', kKeyB, kKeyPeriod},
    {'W', kKeyW, kArrowUp},      {'S', kKeyS, kArrowDown}, {'A', kKeyA, kArrowLeft},
    {'D', kKeyD, kArrowRight},   {'Q', kKeyEsc, kKeyBackspace}, {'E', kKeyEsc, kKeyBackspace},
};

// Cells that look the same on a controller and a keyboard, so both sets share them.
bool SharedByBothSets(int frame) {
  return frame == 104 || frame == 109 || frame == 120 || frame == 125;
}

}  // namespace

int zr_glyphs_Kerning(int code) {
  switch (code) {
    case 'w': case 'm': return 2;
    case 'W': case 'M': return 1;
    case 'i': case 'f': case 'l': return -3;
    case 'j': case 's': case 'k': case 'r': case 'z': case 't': case 'n': return -1;
    default: return 0;
  }
}

EscapeGlyph zr_glyphs_Escape(int letter, int glyphSet, bool blinkOn) {
  if (glyphSet == kLeftPlayerKeys || glyphSet == kRightPlayerKeys) {
    EscapeGlyph glyph = zr_glyphs_Escape(letter, kKeyboardKeys, false);
    for (const PlayerKeys& keys : kPlayerKeys) {
      if (keys.letter == letter) glyph.frame = glyphSet == kLeftPlayerKeys ? keys.left : keys.right;
    }
    return glyph;
  }
  EscapeGlyph glyph = {letter, 4};
  for (const ButtonCell& button : kButtons) {
    if (button.letter != letter) continue;
    glyph.frame = button.frame;
    if (glyphSet == 1 && blinkOn && button.blinkFrame != 0) glyph.frame = button.blinkFrame;
  }
  if (letter == 'U' || letter == 'O') glyph.kerning = 6;
  if (glyphSet == 0 && !SharedByBothSets(glyph.frame)) glyph.frame += 16;
  glyph.kerning += zr_glyphs_Kerning(glyph.frame + 32);
  return glyph;
}

int zr_glyphs_LastCell(int glyphSet) {
  return glyphSet == kLeftPlayerKeys || glyphSet == kRightPlayerKeys ? kLastFontCell : kLastPlainCell;
}
