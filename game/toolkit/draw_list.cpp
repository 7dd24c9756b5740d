// The deferred draw list: every shape, image and glyph of a frame becomes one 15-float
// entry in a preallocated array, replayed by the render step. Appends past the last
// whole entry that fits with room to spare are dropped silently, so a busy frame loses
// its latest sprites instead of failing.
#include "game/shell/my_app.h"

namespace {
// An append is accepted only while the list holds at most this many floats, which
// leaves the last entry of the array unused.
constexpr int kLastAppendAt = kDrawListSize - 16;
}  // namespace

void c_MyApp::p_AppendEntry(float kind, float x, float y, float rotation, float a, float b,
                            float frame) {
  if (m_drawCount > kLastAppendAt) return;
  float* entry = m_drawList.Data() + m_drawCount;
  entry[0] = kind;
  entry[1] = x;
  entry[2] = y;
  entry[3] = rotation;
  entry[4] = a;
  entry[5] = b;
  entry[6] = frame;
  entry[7] = m_drawAlpha;
  entry[10] = m_drawR;
  entry[11] = m_drawG;
  entry[12] = m_drawB;
  entry[13] = static_cast<float>(m_drawBlend);
  m_drawCount += kDrawEntrySize;
}

void c_MyApp::p_DrawImg(int id, float x, float y, float frame) {
  p_AppendEntry(static_cast<float>(id), x, y, m_drawRot, m_drawScaleX, m_drawScaleY, frame);
}

void c_MyApp::p_DrawGfx(float x, float y, int code) {
  p_DrawImg(code / 64, x, y, static_cast<float>(code % 64));
}

void c_MyApp::p_Rect(float x, float y, float w, float h) {
  p_AppendEntry(kDrawRect, x, y, m_drawRot, w, h, 0);
}

// Bands wider than the screen start well off its left edge.
void c_MyApp::p_Rect(float y, float w, float h) { p_Rect(-128, y, w, h); }

void c_MyApp::p_Oval(float x, float y, float rx, float ry) {
  p_AppendEntry(kDrawOval, x, y, m_drawRot, rx, ry, 0);
}

void c_MyApp::p_Line(float x1, float y1, float x2, float y2) {
  p_AppendEntry(kDrawLine, x1, y1, m_drawRot, x2, y2, 0);
}
