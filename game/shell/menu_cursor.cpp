// Moving the offered game with left and right. A held direction repeats, each repeat
// sooner than the last (after 20, 14, 8, then every 2 frames), so a tap moves one game
// and holding sweeps along the strip. While the last round's points are being tallied
// the cursor is held still.
#include "game/shell/my_app.h"
#include "game/toolkit/actions.h"

namespace {

constexpr int kGameCount = 26;
constexpr int kTallyTimer = 9;
// The repeat timer and delay live in player 0's row of the player table.
constexpr int kRepeatTimer = 21;
constexpr int kRepeatDelay = 22;
constexpr int kFirstDelay = 20;
constexpr int kDelayStep = 6;
constexpr int kShortestDelay = 2;
constexpr int kTallyRepeat = 5;
constexpr int kMoveSound = 99;

}  // namespace

void c_MyApp::p_MenuCursor() {
  if (m_roundPoints[kTallyTimer] > 0) {
    m_keyLatch = 1;
    m_players[kRepeatTimer] = kTallyRepeat;
    m_players[kRepeatDelay] = kTallyRepeat;
  }

  bool left = p_PlayKeyAll(kLeft, 1) > 0;
  bool right = p_PlayKeyAll(kRight, 1) > 0;
  bool anyDirection = left || right || p_PlayKeyAll(kUp, 1) > 0 || p_PlayKeyAll(kDown, 1) > 0;
  if (!anyDirection) {
    m_players[kRepeatTimer] = 0;
    m_players[kRepeatDelay] = kFirstDelay;
  }
  if (left || right) {
    m_players[kRepeatTimer] -= 1;
    if (m_players[kRepeatTimer] < 0) m_keyLatch = 0;
  }

  bool boxOpen = m_creditsOpen != 0 || m_optionsOpen != 0 || m_badgesOpen != 0;
  if (m_keyLatch != 0 || boxOpen) return;
  int step = 0;
  if (left && m_menuGame > 1)
    step = -1;
  else if (right && m_menuGame < kGameCount)
    step = 1;
  if (step == 0) return;
  m_keyLatch = 1;
  float delay = m_players[kRepeatDelay];
  m_players[kRepeatTimer] = delay;
  m_players[kRepeatDelay] = delay - kDelayStep > kShortestDelay ? delay - kDelayStep : kShortestDelay;
  m_menuGame += step;
  p_PlaySFX(kMoveSound, m_menuGame / 26.0f + 0.5f, 0.8f, 0);
}
