// The game's text renderer: lays a string out glyph by glyph from the current font image
// as ordinary draw-list image entries, so text scales, turns and tints like any sprite.
// A space is put in front of the text, which shifts the first line one cell to the
// right of the start point; the two characters backslash and n break the line, and "¬"
// followed by a letter shows a button glyph. Alignment measures the whole string once,
// line breaks included, and applies that width to every line.
#include <cmath>

#include "game/shell/my_app.h"
#include "game/toolkit/glyphs.h"

namespace {

constexpr double kRadiansPerDegree = 3.14159265358979323846 / 180.0;
// Characters draw from cells 1..127 (codes 33..159); only the keyboard players' key
// glyphs lie beyond.
constexpr int kLastCharacterCell = 127;

double SinDeg(double degrees) { return std::sin(degrees * kRadiansPerDegree); }
double CosDeg(double degrees) { return std::cos(degrees * kRadiansPerDegree); }

// Button glyphs flash on a half-second cycle. Without a host there is no clock, and the
// glyphs then stay steady.
bool BlinkPhaseOn() { return zr_app__game != nullptr && zr_app_Millisecs() % 500 < 200; }

}  // namespace

int c_MyApp::p_FrameInfo(int index) {
  return index >= 0 && index < m_frameInfo.Length() ? m_frameInfo[index] : 0;
}

void c_MyApp::p_Text(float x, float y, const String& text, float alignX, float alignY) {
  String spaced = String(" ") + text;
  int length = spaced.Length();
  int font = m_curImage;
  int cellWidth = p_FrameInfo(3 * font);
  int cellHeight = p_FrameInfo(3 * font + 1);
  float scaleX = m_drawScaleX;
  float scaleY = m_drawScaleY;
  float rotation = m_drawRot;

  // The last character never adds to the width: only the advances up to it count.
  int measuredWidth = 0;
  for (int i = 0; i < length - 1; ++i) {
    int added;
    if (spaced[i] == kGlyphEscape) {
      added = 2;
      ++i;
    } else {
      added = zr_glyphs_Kerning(spaced[i]);
    }
    measuredWidth = static_cast<int>(measuredWidth + (cellWidth + added) * scaleX);
  }

  double lineHeight = cellHeight * scaleY;
  double acrossAngle = -rotation - 90;
  double downAngle = -rotation;
  double startX = x + SinDeg(acrossAngle) * measuredWidth * alignX * 0.5 +
                  SinDeg(downAngle) * lineHeight * (alignY - 1) * 0.5;
  double startY = y - CosDeg(acrossAngle) * measuredWidth * alignX * 0.5 -
                  CosDeg(downAngle) * lineHeight * (alignY - 1) * 0.5;

  double nextLineAngle = 180 - rotation;
  double writingAngle = 90 - rotation;
  double penX = startX;
  double penY = startY;
  int lineCount = 0;
  bool blinkOn = false;
  bool blinkChecked = false;
  for (int i = 0; i < length; ++i) {
    int glyph;
    int kerning;
    int lastCell = kLastCharacterCell;
    if (spaced[i] == kGlyphEscape) {
      ++i;
      if (i >= length) break;  // a trailing "¬" has no button to show
      if (!blinkChecked) {
        blinkOn = m_glyphSet == 1 && BlinkPhaseOn();
        blinkChecked = true;
      }
      EscapeGlyph button = zr_glyphs_Escape(spaced[i], m_glyphSet, blinkOn);
      glyph = button.frame;
      kerning = button.kerning;
      lastCell = zr_glyphs_LastCell(m_glyphSet);
    } else {
      glyph = spaced[i] - 32;
      kerning = zr_glyphs_Kerning(spaced[i]);
    }
    int code = spaced[i];
    if (code == '\\' && i + 1 < length && spaced[i + 1] == 'n') {
      ++i;
      ++lineCount;
      penX = startX + SinDeg(nextLineAngle) * lineHeight * lineCount;
      penY = startY - CosDeg(nextLineAngle) * lineHeight * lineCount;
      continue;
    }
    if (glyph >= 1 && glyph <= lastCell) {
      p_DrawImg(font, static_cast<float>(penX), static_cast<float>(penY),
                static_cast<float>(glyph));
    }
    if (code != 0) {
      double advance = (cellWidth + kerning) * scaleX;
      penX += SinDeg(writingAngle) * advance;
      penY -= CosDeg(writingAngle) * advance;
    }
  }
}
