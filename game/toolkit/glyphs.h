// The bitmap font's metrics beyond its cell size: per-character kerning, and the button
// glyphs that "¬" followed by a letter selects from the font's upper cells.
#pragma once

// The escape character that introduces a button glyph.
constexpr int kGlyphEscape = 172;

struct EscapeGlyph {
  int frame;
  int kerning;
};

// Pixels added to the font's cell width after the character with this code.
int zr_glyphs_Kerning(int code);

// The glyph for "¬" + letter. glyphSet 1 shows controller buttons, which flash to their
// pressed look while blinkOn; glyphSet 0 shows the keyboard keys 16 cells higher.
EscapeGlyph zr_glyphs_Escape(int letter, int glyphSet, bool blinkOn);
