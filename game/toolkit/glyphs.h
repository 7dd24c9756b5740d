// The bitmap font's metrics beyond its cell size: per-character kerning, and the button
// glyphs that "¬" followed by a letter selects from the font's upper cells. Besides the
// controller's buttons and the keyboard's keys there are the keys of each of the two
// keyboard players, so one text shows every player its own keys.
#pragma once

// The escape character that introduces a button glyph.
constexpr int kGlyphEscape = 172;

// Whose buttons the escape glyphs show (m_glyphSet): the one keyboard's keys, a pad's
// buttons, or the keys of the keyboard's left or right player.
enum GlyphSet : int { kKeyboardKeys = 0, kPadButtons = 1, kLeftPlayerKeys = 2, kRightPlayerKeys = 3 };

struct EscapeGlyph {
  int frame;
  int kerning;
};

// Pixels added to the font's cell width after the character with this code.
int zr_glyphs_Kerning(int code);

// The glyph for "¬" + letter. glyphSet 1 shows controller buttons, which flash to their
// pressed look while blinkOn; glyphSet 0 shows the keyboard keys 16 cells higher; 2 and
// 3 show the keys of the keyboard's left and right player, some of them in the cells
// past the first 128.
EscapeGlyph zr_glyphs_Escape(int letter, int glyphSet, bool blinkOn);

// The highest font cell a glyph of the set may be drawn from.
int zr_glyphs_LastCell(int glyphSet);
