// The start screen in its two uses: with a spinner while the loader works (a ring of
// fading white dots chasing a grey one around the logo), and as the splash that waits
// for a click and then enters the menu, loading the art again for the window it is in.
#include <cmath>

#include "game/shell/my_app.h"
#include "game/shell/virtual_screen.h"
#include "host/app.h"
#include "runtime/math.h"

namespace {

constexpr int kLogo = 93;
constexpr int kDots = 11;
constexpr int kSpinStep = 16;
constexpr float kDotRadius = 8;
constexpr int kMenuMode = 1;
constexpr int kPlayRate = 60;

}  // namespace

void c_MyApp::p_WaitStart(int spinner) {
  p_CLS2D(40, 40, 80, 1);
  float width = zr_TinselJumble_jscrw;
  float height = zr_TinselJumble_jscrh;
  float shortSide = zr_math_Min2(width, height);
  float centreX = width / 2;
  float centreY = height / 2;
  int turned = m_spin;
  // Whole turns are dropped so the counter never runs out of range.
  m_spin = (m_spin + kSpinStep) % 360;

  // Eleven dots a quarter of the short side from the centre, fading in along the ring.
  auto ring = [&](float r, float g, float b, int firstAngle) {
    for (int dot = 0; dot < kDots; ++dot) {
      float angle = (firstAngle + kSpinStep * dot) * D2R;
      p_SetCol(r, g, b, dot / 10.0f);
      p_Oval(centreX + std::sin(angle) * shortSide / 4, centreY - std::cos(angle) * shortSide / 4,
             kDotRadius, kDotRadius);
    }
  };

  p_SetCol(255, 255, 0, 0.8f);
  p_Oval(centreX, centreY, 0.3f * shortSide, 0.3f * shortSide);
  p_SetCol(250, 160, 60, 0.7f);
  p_Rect(0, 0.4f * height, width, 0.2f * height);
  if (spinner == 1) ring(250, 250, 250, turned + 196);
  p_ResetDraw();
  p_DrawImg(kLogo, width / 2, 0.48f * height);
  if (spinner == 1) {
    ring(50, 50, 50, turned + 16);
    return;
  }

  float shadowY = 0.7f * height;
  p_SetCol(0, 0, 0, 0.2f);
  p_Oval(centreX, shadowY, 136, 24);
  p_Oval(centreX, shadowY, 132, 20);
  p_Oval(centreX, shadowY, 128, 16);
  p_ResetDraw();
  p_SetSize(2);
  p_Text(centreX, shadowY, "Click to Start");
  p_ResetDraw();
  m_pointerLatch = 1;
  m_mode = kMenuMode;
  p_Reload();
  zr_app_SetUpdateRate(kPlayRate);
}
