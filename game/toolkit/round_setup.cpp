// The common start of every round: the shell's round state, camera, stars, particles
// and the three shared tables are cleared, so nothing of the last game (whichever it
// was) leaks into the next. Games without a set-up of their own get the default round:
// a 40 x 22 grid and the four players around the middle of the play area.
#include "game/shell/my_app.h"
#include "game/shell/virtual_screen.h"

namespace {

// The panel's player icons sit this far in from the right edge.
constexpr float kPanelIconInset = 48;

constexpr int kLastClearedPlayerIndex = 1000;
constexpr int kLastClearedObjectIndex = 5000;
constexpr int kRoundParticles = 250;
constexpr int kRoundStars = 100;
// Pointer presses are ignored for this many updates into a round, so the click that
// started the game does not act in it.
constexpr int kTouchDelayAtStart = 10;
constexpr int kIntroFrames = 160;
constexpr int kPlayMode = 10;
constexpr int kScorePanelWidth = 96;
constexpr int kStartSpread = 32;

}  // namespace

void c_MyApp::p_FreshGame() {
  m_paused = 0;
  m_roundOver = 0;
  m_roundEndedEarly = 0;
  m_gameOverTimer = 0;
  m_touchDelay = kTouchDelayAtStart;
  m_leader = -1;
  // The intro icons set off from the score panel's column of player icons.
  m_panelX = zr_TinselJumble_jscrw - kPanelIconInset;
  m_camX = 0;
  m_camTargetX = 0;
  m_camY = 0;
  m_camTargetY = 0;
  p_ResetStars(kRoundStars);
  p_ResetParticles(kRoundParticles);
  p_ResetGrid();
  p_ResetPlayers();
  for (int index = 0; index <= kLastClearedObjectIndex; ++index) m_objects[index] = 0;
  // The alive fields of rows 1 to 4 start at 3; player 0's comes from p_Start.
  m_players[199] = 3;
  m_players[299] = 3;
  m_players[399] = 3;
  m_players[499] = 3;
}

void c_MyApp::p_LoadGame() {
  p_FreshGame();
  p_SetGrid(40, 22);
  m_panelWidth = kScorePanelWidth;
  float centreX = (zr_TinselJumble_jscrw - kScorePanelWidth) / 2;
  float centreY = zr_TinselJumble_jscrh / 2;
  int left = static_cast<int>(centreX - kStartSpread);
  int right = static_cast<int>(centreX + kStartSpread);
  int top = static_cast<int>(centreY - kStartSpread);
  int bottom = static_cast<int>(centreY + kStartSpread);
  p_Start(0, left, top);
  p_Start(1, right, bottom);
  p_Start(2, left, bottom);
  p_Start(3, right, top);
  m_introTimer = kIntroFrames;
  m_mode = kPlayMode;
}

void c_MyApp::p_ResetPlayers() {
  for (int index = 0; index <= kLastClearedPlayerIndex; ++index) m_players[index] = 0;
}

void c_MyApp::p_ResetGrid() {
  float* cells = m_grid.Data();
  for (int index = 0; index < m_grid.Length(); ++index) cells[index] = 0;
}
