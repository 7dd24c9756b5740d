// The score panel every game runs once per frame: it gives survivors their point per
// frame, ranks the players, draws the panel at the right edge and decides the round
// points (2 for the best score, 1 for the second, ties sharing), then runs the intro
// countdown. Ranking is by whole points: the best score is never below 0, and when no
// score lies between 0 and the best, the players still on 0 count as second.
#include <algorithm>

#include "game/shell/my_app.h"
#include "game/shell/virtual_screen.h"

namespace {

enum ScoreMode { kSurvival = 0, kScorePanel = 1, kLivesPanel = 2 };

constexpr int kPlayers = 4;
constexpr int kPlayerStride = 100;
constexpr int kScoreField = 95;
constexpr int kAliveField = 99;
constexpr int kTallyTimerIndex = 9;
constexpr int kTallyFrames = 120;
constexpr int kPanelWidth = 96;
constexpr int kPlayerIconImage = 0;
// The icon sits a little above its slot's line and the number under it: a white number
// drawn over a bauble's face could not be read on the light colours.
constexpr float kIconLift = 10;
constexpr float kNumberDrop = 26;
constexpr int kBestPoints = 2;
constexpr int kSecondPoints = 1;

}  // namespace

void c_MyApp::p_ScoreDisplay() { p_ScoreDisplay(kSurvival, 1); }

void c_MyApp::p_ScoreDisplay(float alpha) { p_ScoreDisplay(kScorePanel, alpha); }

void c_MyApp::p_ScoreDisplay(int mode, float alpha) {
  p_ResetDraw();
  m_roundPoints[kTallyTimerIndex] = kTallyFrames;
  if (m_hideHud == 1) m_panelWidth = 0;

  auto score = [this](int player) -> float& { return m_players[player * kPlayerStride + kScoreField]; };
  auto alive = [this](int player) { return m_players[player * kPlayerStride + kAliveField]; };
  auto points = [&score](int player) { return static_cast<int>(score(player)); };

  if (mode == kSurvival || mode == kLivesPanel) {
    for (int player = 0; player < kPlayers; ++player) {
      if (alive(player) > 0) score(player) += 1;
    }
  }

  int best = 0;
  for (int player = 0; player < kPlayers; ++player) best = std::max(best, points(player));
  int second = 0;
  for (int player = 0; player < kPlayers; ++player) {
    if (points(player) < best) second = std::max(second, points(player));
  }

  bool panel = (mode == kScorePanel || mode == kLivesPanel) && m_hideHud != 1;
  m_panelWidth = panel ? kPanelWidth : 0;
  if (panel) {
    float screenW = zr_TinselJumble_jscrw;
    float screenH = zr_TinselJumble_jscrh;
    float centreX = screenW - kPanelWidth / 2;
    p_SetCol(0, 0, 0, alpha);
    p_Rect(screenW - kPanelWidth, -128, 2 * kPanelWidth, screenH + 256);
    for (int player = 0; player < kPlayers; ++player) {
      float y = static_cast<float>(static_cast<int>((player + 1) * screenH / 5));
      bool inPlay = alive(player) >= 1;
      p_SetCol(255, 255, 255, inPlay ? 0.8f : 0.15f);
      p_SetSize(inPlay ? 1.5f : 0.75f);
      p_DrawImg(kPlayerIconImage, centreX, y - kIconLift, static_cast<float>(player));
      bool leading = points(player) >= best;
      if (leading) m_leader = player;
      int shown = mode == kLivesPanel ? static_cast<int>(alive(player)) : points(player);
      p_SetCol(255, 255, 255, 1);
      p_SetSize(leading ? 2.5f : 1.5f);
      p_Text(centreX, y + kNumberDrop, String(std::max(shown, 0)));
    }
    p_ResetDraw();
  }

  for (int player = 0; player < kPlayers; ++player) {
    m_roundPoints[player] = 0;
    if (points(player) == second) m_roundPoints[player] = kSecondPoints;
    if (points(player) == best) {
      m_roundPoints[player] = kBestPoints;
      m_leader = player;
    }
  }

  p_PreAction();
  if (m_introTimer > 0) m_introTimer -= 1;
}
