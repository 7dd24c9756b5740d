// The fallback game, played when the game number has no game of its own: a sandbox in
// which every joined player steers its sprite with the stick and turns it with fire A
// and B, under falling snow. It never ends a round; it exists so that the shell, the
// controls and the score panel can be seen working without any mini-game.
#include "game/shell/my_app.h"

namespace {

constexpr int kPlayers = 4;
constexpr int kRow = 100;
enum PlayerField : int { kX = 1, kY = 2, kHeading = 3 };
enum Control : int { kAxisX = 1, kAxisY = 2, kFireA = 7, kFireB = 8 };
constexpr int kSprites = 0;
constexpr float kTurnStep = 4;
constexpr float kCameraEase = 8;

// Keyboard (-1) and joysticks (1..4) are people; 0 and anything else is the computer.

}  // namespace

void c_MyApp::p_Game() {
  p_ResetDraw();
  float easeX = (m_camTargetX - m_camX) / kCameraEase;
  float easeY = (m_camTargetY - m_camY) / kCameraEase;
  m_camX += easeX;
  m_camY += easeY;
  p_DoSnow(easeX, easeY);
  p_ResetDraw();

  for (int player = 0; player < kPlayers; ++player) {
    float* row = m_players.Data() + player * kRow;
    p_SetRot(row[kHeading]);
    p_DrawImg(kSprites, row[kX], row[kY], static_cast<float>(player));
    if (!p_IsHumanSource(m_pad[player])) continue;
    row[kX] += p_Control(kAxisX, player);
    row[kY] += p_Control(kAxisY, player);
    if (p_Control(kFireA, player) > 0) row[kHeading] += kTurnStep;
    if (p_Control(kFireB, player) > 0) row[kHeading] -= kTurnStep;
  }
  p_ResetDraw();
  p_DoParticles(1.0f);
  p_ScoreDisplay(1, 0.5f);
}
