// A party of rounds played through the keys: the lobby's saved target, the deal of the
// open games, the standings and a tie playing on, the podium, and leaving it.
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "menu_fixture.h"

using namespace menu_test;

namespace {

enum Mode : int { kMenu = 1, kReturn = 2, kPlay = 10, kLobby = 6, kStandings = 7, kPodium = 8 };
constexpr int kPartyKey = 'N';  // fire F
constexpr int kTargetSetting = 22;
constexpr int kPartyBadge = 186;

std::vector<int> Standings(c_MyApp* app) { return std::vector<int>(app->m_partyPoints, app->m_partyPoints + 4); }

}  // namespace

class PartyTest : public MenuTest {
 protected:
  void StepUntilMode(int mode, int most) {
    for (int update = 0; update < most && app->m_mode != mode; ++update) Step();
    ASSERT_EQ(app->m_mode, mode);
  }

  // From the standings into the next round, which is played until its points are given
  // out; then those points are replaced by the given ones, which the party must add.
  void PlayRound(const std::vector<int>& points) {
    ASSERT_EQ(app->m_mode, kStandings);
    Step(90);
    Tap(kStartKey);
    ASSERT_EQ(app->m_mode, kPlay);
    rounds.push_back(app->m_game);
    Step(30);
    app->m_roundOver = 1;
    StepUntilMode(kReturn, 200);
    for (int seat = 0; seat < 4; ++seat) app->m_roundPoints[seat] = points[seat];
    Step();
    ASSERT_EQ(app->m_mode, kStandings);
  }

  std::vector<int> rounds;
};

TEST_F(PartyTest, LobbyTargetIsRememberedAndThePartyDealsEveryOpenGameOnce) {
  StartOn(2016, 12, 5);  // games A..F are open
  Tap(kPartyKey);
  ASSERT_EQ(app->m_mode, kLobby);
  EXPECT_EQ(app->p_PartyTargetSetting(), 10) << "the first party goes to 10";

  struct Move {
    int key, target;
  } moves[] = {{kRightArrow, 15}, {kRightArrow, 15}, {kLeftArrow, 10}, {kLeftArrow, 5}, {kLeftArrow, 5}};
  for (const Move& move : moves) {
    Tap(move.key);
    EXPECT_EQ(app->p_PartyTargetSetting(), move.target);
  }
  Tap(kEscape);
  ASSERT_EQ(app->m_mode, kMenu) << "back leaves the lobby, not the program";
  Step(10);
  Tap(kPartyKey);
  ASSERT_EQ(app->m_mode, kLobby);
  Tap(kStartKey);
  ASSERT_EQ(app->m_mode, kStandings);
  EXPECT_EQ(app->m_partyTarget, 5);

  // The target reaches the save file.
  app->m_settings[kTargetSetting] = 0;
  game->Load();
  EXPECT_EQ(app->m_settings[kTargetSetting], 5);

  // Twelve rounds: each of the six open games once, then each once again, and never the
  // same game twice in a row. Nobody scores, so everybody draws and nobody wins.
  for (int round = 0; round < 12; ++round) PlayRound({2, 2, 2, 2});
  for (int deal : {0, 6}) {
    std::vector<int> dealt(rounds.begin() + deal, rounds.begin() + deal + 6);
    std::sort(dealt.begin(), dealt.end());
    EXPECT_EQ(dealt, (std::vector<int>{1, 2, 3, 4, 5, 6})) << "deal from round " << deal + 1;
  }
  EXPECT_NE(rounds[5], rounds[6]);
  EXPECT_EQ(Standings(app), (std::vector<int>{24, 24, 24, 24}));
  EXPECT_EQ(app->m_partyWinner, -1);
  EXPECT_EQ(app->m_partyOn, 1);
}

TEST_F(PartyTest, StandingsAddEachRoundAndTheSoleLeaderAtTheTargetWins) {
  StartOn(2013, 12, 26);
  app->m_pad[1] = 1;  // Blue, the winner below, is a person on the first pad
  int offered = app->m_menuGame;
  Tap(kPartyKey);
  Tap(kLeftArrow);  // 10 -> 5
  Tap(kStartKey);
  ASSERT_EQ(app->m_partyTarget, 5);

  struct Round {
    std::vector<int> points;
    std::vector<int> standings;
    int winner;
  } script[] = {
      {{2, 1, 0, 0}, {2, 1, 0, 0}, -1},
      {{1, 2, 0, 0}, {3, 3, 0, 0}, -1},
      {{0, 0, 2, 1}, {3, 3, 2, 1}, -1},
      {{2, 2, 1, 0}, {5, 5, 3, 1}, -1},  // both at the target, but tied: play on
      {{2, 2, 0, 0}, {7, 7, 3, 1}, -1},
      {{0, 2, 0, 1}, {7, 9, 3, 2}, 1},
  };
  for (const Round& round : script) {
    PlayRound(round.points);
    EXPECT_EQ(Standings(app), round.standings) << "after round " << rounds.size();
    EXPECT_EQ(app->m_partyWinner, round.winner) << "after round " << rounds.size();
    EXPECT_EQ(app->m_roundPoints[9], 0) << "the menu's tally does not run for a party round";
  }
  for (int seat = 0; seat < 4; ++seat) EXPECT_EQ(app->m_totalScore[seat], 0) << "menu total of seat " << seat;

  Press(kStartKey);  // held from the standings: the podium does not take it
  StepUntilMode(kPodium, 300);
  EXPECT_TRUE(app->m_flags[kPartyBadge]) << "the winner's badge";
  Step(200);
  EXPECT_EQ(app->m_mode, kPodium);
  Release(kStartKey);
  Step();
  Tap(kStartKey);
  ASSERT_EQ(app->m_mode, kMenu);
  EXPECT_EQ(app->m_partyOn, 0);
  EXPECT_EQ(app->m_menuGame, offered);
  Step(120);
  for (int seat = 0; seat < 4; ++seat) EXPECT_EQ(app->m_totalScore[seat], 0) << "menu total of seat " << seat;
}

// A death test, since the menu's quit ends the program with status 0, which would pass
// for a test that quietly stopped.
using PartyDeathTest = PartyTest;

TEST_F(PartyDeathTest, LeavingTakesTwoPressesOfBackInTheStandingsOrThePauseMenu) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  StartOn(2013, 12, 26);
  for (bool inRound : {false, true}) {
    SCOPED_TRACE(inRound ? "pause menu" : "standings");
    Tap(kPartyKey);
    Tap(kStartKey);
    ASSERT_EQ(app->m_mode, kStandings);
    if (inRound) {
      Step(90);
      Tap(kStartKey);
      ASSERT_EQ(app->m_mode, kPlay);
      Step(30);
      Tap(kEscape);
      ASSERT_EQ(app->m_paused, 1);
      Step(20);
      // Asked, then resumed with fire A: the question is gone at the next pause.
      Tap(kEscape);
      EXPECT_EQ(app->m_paused, 1) << "the first back only asks";
      Tap(kStartKey);
      Step(20);
      ASSERT_EQ(app->m_paused, 0);
      Tap(kEscape);
      Step(20);
      Tap(kEscape);
      EXPECT_EQ(app->m_mode, kPlay) << "a new pause asks again";
      EXPECT_EQ(app->m_paused, 1);
    } else {
      Tap(kEscape);
      EXPECT_EQ(app->m_mode, kStandings) << "the first back only asks";
    }
    // The second back leaves for the menu, and held on there it is not the menu's quit.
    Press(kEscape);
    Step();
    EXPECT_EQ(app->m_mode, kMenu);
    EXPECT_EQ(app->m_partyOn, 0);
    EXPECT_EQ(app->m_paused, 0);
    EXPECT_EXIT((Step(30), Release(kEscape), Step(30), std::exit(app->m_mode == kMenu ? 7 : 8)),
                ::testing::ExitedWithCode(7), "");
    Release(kEscape);
    Step();
  }
}
