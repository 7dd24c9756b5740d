// The play screen's background colour. Games name a palette colour as the target and
// the colour eases towards it each frame, so a change of theme fades in over about a
// second and a half instead of flashing. The fill drawn under every frame takes the
// current colour, unless a game has set the current red to the not-given marker to
// keep the fill it has.
#include "game/shell/my_app.h"

void c_MyApp::p_SetBG(int colour, float brightness) {
  // The palette lives with p_Ink, which writes the draw colour; the caller's draw
  // colour is kept.
  float drawR = m_drawR;
  float drawG = m_drawG;
  float drawB = m_drawB;
  p_Ink(colour, brightness);
  m_bgTargetR = m_drawR;
  m_bgTargetG = m_drawG;
  m_bgTargetB = m_drawB;
  m_drawR = drawR;
  m_drawG = drawG;
  m_drawB = drawB;
}

void c_MyApp::p_DoBG() {
  m_bgFadeR += (m_bgTargetR - m_bgFadeR) / 32;
  m_bgFadeG += (m_bgTargetG - m_bgFadeG) / 32;
  m_bgFadeB += (m_bgTargetB - m_bgFadeB) / 32;
  if (m_bgFadeR > kNotGiven) {
    m_bgR = m_bgFadeR;
    m_bgG = m_bgFadeG;
    m_bgB = m_bgFadeB;
    m_bgAlpha = 1;
  }
  p_ResetDraw();
  m_drawCount = 0;
}
