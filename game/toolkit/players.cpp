// Placing a player for a new round: its position and the start point its intro icon
// glides to from the player's score-panel slot, and three lives. Only the four seats
// exist; other player numbers are ignored.
#include "game/shell/my_app.h"
#include "game/shell/virtual_screen.h"

void c_MyApp::p_Start(int p, int x, int y) {
  if (p < 0 || p > 3) return;
  float* row = m_players.Data() + p * 100;
  row[1] = static_cast<float>(x);
  row[2] = static_cast<float>(y);
  row[93] = static_cast<float>(x);
  row[94] = static_cast<float>(y);
  m_slotHeight = static_cast<int>(zr_TinselJumble_jscrh / 5);
  row[91] = m_panelX;
  row[92] = static_cast<float>(m_slotHeight / 2 + (p + 1) * m_slotHeight);
  row[99] = 3;
}
