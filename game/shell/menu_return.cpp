// Back from a round: the round's score is filed into the game's two highscore lists and
// everything is saved, so a round is never lost to a crash or a closed window. A round's
// score is its best player's score, the same best score the score panel ranked by; each
// game's top list so keeps its best rounds and its last-scores list the recent ones.
#include "game/shell/my_app.h"

namespace {

constexpr int kGameCount = 26;
constexpr int kPlaces = 10;
constexpr int kLastScores = 260;  // offset of the last-scores lists
constexpr int kSeats = 4;
constexpr int kPlayerStride = 100;
constexpr int kScore = 95;

}  // namespace

void c_MyApp::p_LoadMenu() {
  int best = 0;
  for (int seat = 0; seat < kSeats; ++seat) {
    int score = static_cast<int>(m_players[seat * kPlayerStride + kScore]);
    if (score > best) best = score;
  }
  m_recordScore = best;

  if (m_game >= 1 && m_game <= kGameCount) {
    int top = (m_game - 1) * kPlaces;
    // Equal scores stay above the new one, and a score that beats none of the ten is
    // left out.
    for (int place = 0; place < kPlaces; ++place) {
      if (m_highscores[top + place] < m_recordScore) {
        for (int below = kPlaces - 1; below > place; --below) m_highscores[top + below] = m_highscores[top + below - 1];
        m_highscores[top + place] = m_recordScore;
        break;
      }
    }
    int last = kLastScores + top;
    for (int place = kPlaces - 1; place > 0; --place) m_highscores[last + place] = m_highscores[last + place - 1];
    m_highscores[last] = m_recordScore;
  }
  p_AwardRoundBadges();
  p_Save();
}
