// How a round ends: the round clock of the timed games, which shows the last six seconds
// with a dot circling the number and ticks for the last three, and the round-end overlay.
// The overlay grows for 90 frames while the game stays on screen under the "GAME" /
// "OVER" banner and the winner, then hands over to the menu, over which it shrinks away.
#include <algorithm>
#include <cmath>

#include "game/shell/globals.h"
#include "game/shell/my_app.h"
#include "game/shell/virtual_screen.h"
#include "runtime/math.h"


namespace {

constexpr int kClockShownBelow = 360;
constexpr int kFramesPerSecond = 60;
constexpr int kTickSound = 12;
constexpr int kTickFrames[] = {180, 120, 60};

constexpr int kInGameMode = 10;
constexpr int kReturnToMenuMode = 2;
constexpr int kOverlayFrames = 90;
// The menu takes over with the overlay part-way grown, so it has less to shrink.
constexpr int kOverlayAfterHandover = 73;
constexpr int kShrinkPerFrame = 2;

constexpr int kPlayers = 4;
constexpr int kBestPoints = 2;

// Padded so that every line lays out to the same width.
const char* const kWinnerLines[kPlayers] = {
    "Red    \\n    Wins!",
    "Blue   \\n    Wins!",
    "Yellow \\n    Wins!",
    "Green  \\n    Wins!",
};
const char* const kDrawnLine = "Game   \\n   Drawn!";

}  // namespace

void c_MyApp::p_TimeOut() {
  if (m_timeLeft < kClockShownBelow && m_roundOver == 0) {
    p_ResetDraw();
    p_SetSize(4);
    p_SetCol(255, 255, 255, 0.7f);
    p_Text(32, 32, String(std::max(m_timeLeft / kFramesPerSecond, 0)));
    float angle = static_cast<float>((m_timeLeft % kFramesPerSecond) * 6) * D2R;
    p_SetCol(0, 180, 0, 0.7f);
    p_Oval(32 + 16 * std::sin(angle) - 4, 32 - 16 * std::cos(angle) - 4, 9, 9);
    p_ResetDraw();
  }
  m_timeLeft -= 1;
  if (m_timeLeft < 0) m_roundOver = 1;
  for (int tickAt : kTickFrames) {
    if (m_timeLeft == tickAt) p_PlaySFX(kTickSound);
  }
}

void c_MyApp::p_GameOver() {
  if (m_gameOverTimer > 0) {
    // The overlay swallows presses, so the menu underneath ignores them until it is gone.
    m_keyLatch = 1;
    m_pointerLatch = 1;
    float screenW = zr_TinselJumble_jscrw;
    float screenH = zr_TinselJumble_jscrh;
    int barHalf = std::min(12 * m_gameOverTimer, static_cast<int>(0.45f * screenH));
    p_ResetDraw();
    p_SetCol(0, 0, 0);
    p_Alpha(std::min(m_gameOverTimer / 40.0f, 0.7f));
    p_Rect(-1, -1, screenW + 2, screenH + 2);

    p_SetCol(255, 255, 0, 0.5f);
    p_Rect(-1, 0.45f * screenH - 8, 2.0f * barHalf, 16);
    p_SetCol(255, 128, 0, 0.5f);
    p_Rect(screenW - 2 * barHalf, 0.55f * screenH - 8, 2.0f * barHalf + 1, 16);

    p_SetSize(4);
    p_SetCol(255, 180, 180, 1);
    p_Text(0.35f * screenW, static_cast<float>(barHalf), String("GAME"));
    p_Text(0.65f * screenW, screenH - barHalf, String("OVER"));

    float winnerY = screenH - barHalf / 1.5f;
    p_SetCol(0, 125, 255, 0.5f);
    p_Rect(0.35f * screenW, winnerY - 16, 0.3f * screenW, 32);

    int winners = 0;
    for (int player = 0; player < kPlayers; ++player) {
      if (m_roundPoints[player] == kBestPoints) ++winners;
    }
    bool oneWinner = winners == 1 && m_leader >= 0 && m_leader < kPlayers;
    p_SetSize(2);
    p_SetCol(100, 255, 100, 1);
    p_Text(screenW / 2, winnerY, String(oneWinner ? kWinnerLines[m_leader] : kDrawnLine), 0.5f, 2);
    p_ResetDraw();
  }

  if (m_mode == kInGameMode) {
    m_gameOverTimer += 1;
    if (m_gameOverTimer >= kOverlayFrames) {
      m_mode = kReturnToMenuMode;
      m_gameOverTimer = kOverlayAfterHandover;
      if (zr_TinselJumble_HasMusicStream == 1) p_StopTune();
    }
  } else if (m_mode < kInGameMode) {
    m_gameOverTimer = std::max(m_gameOverTimer - kShrinkPerFrame, 0);
  }
}
