// The game's own stroke font: every glyph is a few polylines on a 5 x 7 grid (caps from row
// 0 to the baseline at row 6, x-height at row 2, descenders to row 8), drawn with round
// strokes. At level 1 a one-unit stroke on the grid lands on whole pixels, so text is crisp;
// at the higher levels the same strokes are simply drawn finer. Also used for the labels of
// the contact sheet and the lettering of the logos.
#pragma once

#include <string>

#include "raster.h"

namespace datagen {

// Width in grid columns of the glyph for `code` (0 when it has no strokes).
int glyphColumns(int code);
// Draws the glyph with its grid origin (column 0, row 0) at (x, y) in the painter's units,
// one grid step = `unit`, strokes `width` units wide (in grid steps). `grow` fattens the
// strokes (for outlines and shadows), `soft` widens the edge in pixels.
void drawGlyph(Painter& p, int code, float x, float y, float unit, float width, const Paint& paint,
               float grow = 0, float soft = 1);
// Advance of a glyph in grid columns for free text (not the game's kerning table).
float glyphAdvance(int code);
// Free text: left edge at x, cap top at y, with an optional ink outline.
float textWidth(const std::string& s, float unit);
void drawText(Painter& p, const std::string& s, float x, float y, float unit, float width,
              const Paint& paint, float outline = 0, Rgba ink = kInk);

}  // namespace datagen
