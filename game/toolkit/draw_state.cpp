// The drawing state every new draw-list entry is stamped with: scale, rotation, colour,
// alpha and blend. It persists between calls, so each screen starts its drawing with
// p_CLS2D (new list, default state) or p_ResetDraw (default state, list kept).
// Rotation is stored negated: game angles grow clockwise, the replay turns the other way.
#include "game/shell/my_app.h"
#include "game/shell/virtual_screen.h"

void c_MyApp::p_CLS2D(float r, float g, float b, float a) {
  m_viewW = zr_TinselJumble_jscrw;
  m_viewH = zr_TinselJumble_jscrh;
  m_originX = 0;
  m_originY = 0;
  if (r > kNotGiven) {
    m_bgR = r;
    m_bgG = g;
    m_bgB = b;
    m_bgAlpha = a;
  }
  p_ResetDraw();
  m_drawCount = 0;
}

void c_MyApp::p_ResetDraw() {
  m_drawScaleX = 1;
  m_drawScaleY = 1;
  m_drawR = 255;
  m_drawG = 255;
  m_drawB = 255;
  m_drawRot = 0;
  m_drawAlpha = 1;
  m_drawBlend = 1;
}

void c_MyApp::p_SetCol(float r, float g, float b, float a) {
  m_drawR = r;
  m_drawG = g;
  m_drawB = b;
  if (a > kNotGiven) m_drawAlpha = a;
}

void c_MyApp::p_Alpha(float a) {
  if (a < 0) a = 0;
  if (a > 1) a = 1;
  m_drawAlpha = a;
}

void c_MyApp::p_SetRot(float angle) { m_drawRot = -angle; }

void c_MyApp::p_SetSize(float sx, float sy) {
  m_drawScaleX = sx;
  m_drawScaleY = sy > kNotGiven ? sy : sx;
}

void c_MyApp::p_Blend(int mode) { m_drawBlend = mode; }
