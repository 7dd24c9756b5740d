// Awarding badges. A badge goes to the household, not to a seat: it is earned when one
// of the people playing does what it asks, and a computer player never earns one. Most
// are judged from a round's results as the round comes back to the menu (who won, the
// scores, the lives left, which game); a round ended from the pause menu earns nothing.
// A few are feats only the game sees, which it reports through p_BadgeFeat, and the
// party reports its winner through p_AwardPartyWin. Each badge is given once, with a
// popup, and kept in its game flag, which the saved record carries.
#include <algorithm>
#include <limits>

#include "game/shell/badge_table.h"
#include "game/shell/my_app.h"
#include "host/app.h"

namespace {

constexpr int kSeats = 4;
constexpr int kPlayerStride = 100;
constexpr int kScore = 95;
constexpr int kLives = 99;
constexpr int kBestPoints = 2;
constexpr int kGames = 26;
constexpr int kDecember = 12;
constexpr int kChristmasDay = 25;

int ScoreOf(const c_MyApp& app, int seat) { return static_cast<int>(app.m_players[seat * kPlayerStride + kScore]); }

bool IsPerson(const c_MyApp& app, int seat) { return c_MyApp::p_IsHumanSource(app.m_pad[seat]); }

// The seat that alone took the round's best points, or -1 for a drawn round.
int SoleWinner(const c_MyApp& app) {
  int winner = -1;
  for (int seat = 0; seat < kSeats; ++seat) {
    if (app.m_roundPoints[seat] != kBestPoints) continue;
    if (winner >= 0) return -1;
    winner = seat;
  }
  return winner;
}

int LeadOf(const c_MyApp& app, int winner) {
  int nextBest = std::numeric_limits<int>::min();
  for (int seat = 0; seat < kSeats; ++seat) {
    if (seat != winner) nextBest = std::max(nextBest, ScoreOf(app, seat));
  }
  return ScoreOf(app, winner) - nextBest;
}

// Whether the round just played earns a badge of its game. `winner` is a person's seat
// when a person won alone, else -1.
bool EarnedInRound(const c_MyApp& app, const BadgeInfo& badge, int winner) {
  switch (badge.rule) {
    case BadgeRule::kWin:
      return winner >= 0;
    case BadgeRule::kScore:
      for (int seat = 0; seat < kSeats; ++seat) {
        if (IsPerson(app, seat) && ScoreOf(app, seat) >= badge.need) return true;
      }
      return false;
    case BadgeRule::kMargin:
      return winner >= 0 && LeadOf(app, winner) >= badge.need;
    case BadgeRule::kLivesLeft:
      return winner >= 0 && app.m_players[winner * kPlayerStride + kLives] >= badge.need;
    default:
      return false;
  }
}

bool AllHeld(const c_MyApp& app, int firstFlag, int count, int step) {
  for (int n = 0; n < count; ++n) {
    if (!app.m_flags[firstFlag + n * step]) return false;
  }
  return true;
}

int BadgesHeld(const c_MyApp& app) {
  int held = 0;
  for (int n = 0; n < kBadgeCount; ++n) {
    int id = zr_badges_At(n).id;
    if (id != kCollectorBadge && app.m_flags[id]) ++held;
  }
  return held;
}

// Gives a badge that is not yet held, with its popup, and the collection badges that
// this one completes. Returns whether anything was given; saving is the caller's.
bool Grant(c_MyApp& app, int id) {
  if (zr_badges_Find(id) == nullptr || app.m_flags[id]) return false;
  app.m_flags[id] = true;
  app.p_QueueBadgePopup(id);
  // The win badges are the first of each game's two.
  if (AllHeld(app, kFirstBadge, kGames, 2)) Grant(app, kAlphabetBadge);
  if (BadgesHeld(app) >= kCollectorNeeds) Grant(app, kCollectorBadge);
  return true;
}

}  // namespace

void c_MyApp::p_AwardBadge(int id) {
  if (Grant(*this, id)) p_Save();
}

void c_MyApp::p_BadgeFeat(int player, float amount) {
  if (player < 0 || player >= kSeats || !IsPerson(*this, player)) return;
  for (int n = 0; n < kBadgeCount; ++n) {
    const BadgeInfo& badge = zr_badges_At(n);
    if (badge.game == m_game && badge.rule == BadgeRule::kFeat && amount >= badge.need) p_AwardBadge(badge.id);
  }
}

void c_MyApp::p_AwardPartyWin(int seat) {
  if (seat >= 0 && seat < kSeats && IsPerson(*this, seat)) p_AwardBadge(kPartyBadge);
}

// Runs as the round comes back to the menu, before the record is saved.
void c_MyApp::p_AwardRoundBadges() {
  int people = 0;
  for (int seat = 0; seat < kSeats; ++seat) people += IsPerson(*this, seat) ? 1 : 0;
  int winner = SoleWinner(*this);
  if (winner >= 0 && !IsPerson(*this, winner)) winner = -1;
  bool counts = m_roundEndedEarly == 0 && people > 0 && m_game >= 1 && m_game <= kGames;

  // The run of wins belongs to the seat and to whoever holds it.
  if (counts && winner >= 0 && winner == m_streakSeat && m_pad[winner] == m_streakSource) {
    ++m_streakWins;
  } else if (counts && winner >= 0) {
    m_streakSeat = winner;
    m_streakSource = m_pad[winner];
    m_streakWins = 1;
  } else {
    m_streakWins = 0;
  }
  if (!counts) return;

  for (int n = 0; n < kBadgeCount; ++n) {
    const BadgeInfo& badge = zr_badges_At(n);
    if (badge.game == m_game && EarnedInRound(*this, badge, winner)) Grant(*this, badge.id);
  }
  Grant(*this, kFirstRoundBadge);
  if (people == kSeats) Grant(*this, kFullHouseBadge);
  if (m_streakWins >= kRollWins) Grant(*this, kOnARollBadge);
  Array<int> date = zr_app_GetDate2();
  if (date[1] == kDecember && date[2] == kChristmasDay) Grant(*this, kChristmasBadge);
  m_flags[kPlayedMarks + m_game - 1] = true;
  if (AllHeld(*this, kPlayedMarks, kGames, 1)) Grant(*this, kFullCalendarBadge);
}
