// A round from the menu and back: a locked game or a running tally refuses the start,
// and on the way back the best score is filed and saved and the points tallied.
#include <algorithm>
#include <vector>

#include "menu_fixture.h"

using namespace menu_test;

namespace {

constexpr int kTally = 9;

std::vector<int> Totals(c_MyApp* app) {
  return {app->m_totalScore[0], app->m_totalScore[1], app->m_totalScore[2], app->m_totalScore[3]};
}

int BestScore(c_MyApp* app) {
  int best = 0;
  for (int seat = 0; seat < 4; ++seat) best = std::max(best, static_cast<int>(app->m_players[seat * 100 + 95]));
  return best;
}

}  // namespace

TEST_F(MenuTest, RoundStartsOnlyWhenOpenAndTalliesItsPointsOnTheWayBack) {
  StartOn(2016, 11, 20);
  ASSERT_EQ(app->m_menuGame, 1);
  Tap(kRightArrow);
  ASSERT_EQ(app->m_menuGame, 2);
  Tap(kStartKey);
  EXPECT_EQ(app->m_mode, 1) << "game B is locked in November 2016";
  Tap(kLeftArrow);

  Press(kStartKey);
  Step();
  EXPECT_EQ(app->m_mode, 11);
  EXPECT_EQ(app->m_game, 1);
  Step();
  EXPECT_EQ(app->m_mode, 10);
  Release(kStartKey);
  Step(5);

  app->m_players[1 * 100 + 95] = 700;
  app->m_players[3 * 100 + 95] = 300;
  app->m_roundOver = 1;
  int bestFiled = -1;
  for (int update = 0; update < 200 && app->m_mode != 1; ++update) {
    bestFiled = BestScore(app);
    Step();
  }
  ASSERT_EQ(app->m_mode, 1);
  EXPECT_GE(bestFiled, 700);
  EXPECT_EQ(app->m_recordScore, bestFiled);
  EXPECT_EQ(app->m_highscores[0], bestFiled) << "game A's top list";
  EXPECT_EQ(app->m_highscores[260], bestFiled) << "game A's last scores";
  EXPECT_FALSE(host->saved.IsEmpty()) << "the filed score was saved";

  // The tally adds each seat's points to its total.
  std::vector<int> points = {app->m_roundPoints[0], app->m_roundPoints[1], app->m_roundPoints[2],
                             app->m_roundPoints[3]};
  ASSERT_NE(std::count(points.begin(), points.end(), 2), 0) << "somebody won";
  ASSERT_EQ(app->m_roundPoints[kTally], 120);
  Press(kStartKey);  // held all through the tally, and refused
  while (app->m_roundPoints[kTally] > 0) {
    Step();
    EXPECT_EQ(app->m_mode, 1) << "started during the tally at " << app->m_roundPoints[kTally];
  }
  EXPECT_EQ(Totals(app), points);
  Step(10);
  EXPECT_EQ(app->m_mode, 1) << "the press held over from the tally is not a new one";
  Release(kStartKey);
  Step();
  Press(kStartKey);
  Step();
  EXPECT_EQ(app->m_mode, 11);
}

TEST_F(MenuTest, FilingKeepsEqualScoresAboveTheNewOneAndSaves) {
  StartOn(2013, 12, 26);
  const std::vector<int> ladder = {90, 50, 40, 30, 20, 10, 5, 4, 3, 2};
  struct Case {
    std::vector<int> top;
    std::vector<float> scores;  // the four players' scores at the round's end
    int filed;
    std::vector<int> topAfter;
  } cases[] = {
      {ladder, {10, 50, 0, 3}, 50, {90, 50, 50, 40, 30, 20, 10, 5, 4, 3}},
      {ladder, {1000, 0, 0, 0}, 1000, {1000, 90, 50, 40, 30, 20, 10, 5, 4, 3}},
      {ladder, {0, 0, 3.9f, 0}, 3, {90, 50, 40, 30, 20, 10, 5, 4, 3, 3}},
      {ladder, {2, 1, 0, 0}, 2, ladder},  // not larger than the last: left out
      {std::vector<int>(10, 100), {50, 0, 0, 0}, 50, std::vector<int>(10, 100)},
      {std::vector<int>(10, 0), {0, 0, 0, 0}, 0, std::vector<int>(10, 0)},
      {std::vector<int>(10, 0), {-5, -7, -1, -9}, 0, std::vector<int>(10, 0)},
  };
  const int game = 5;
  const int top = (game - 1) * 10;
  const int last = 260 + top;
  for (const Case& c : cases) {
    for (int i = 0; i < 1300; ++i) app->m_highscores[i] = i % 7;
    for (int place = 0; place < 10; ++place) {
      app->m_highscores[top + place] = c.top[place];
      app->m_highscores[last + place] = 100 + place;
    }
    for (int seat = 0; seat < 4; ++seat) app->m_players[seat * 100 + 95] = c.scores[seat];
    app->m_game = game;
    app->p_LoadMenu();
    EXPECT_EQ(app->m_recordScore, c.filed);
    std::vector<int> topAfter, lastAfter;
    for (int place = 0; place < 10; ++place) {
      topAfter.push_back(app->m_highscores[top + place]);
      lastAfter.push_back(app->m_highscores[last + place]);
    }
    EXPECT_EQ(topAfter, c.topAfter) << "filing " << c.filed;
    EXPECT_EQ(lastAfter, (std::vector<int>{c.filed, 100, 101, 102, 103, 104, 105, 106, 107, 108}));
    for (int i = 0; i < 520; ++i) {
      bool filed = (i >= top && i < top + 10) || (i >= last && i < last + 10);
      if (!filed) {
        ASSERT_EQ(app->m_highscores[i], i % 7) << i;
      }
    }
  }

  // A game number outside the collection files nothing, and still saves.
  for (int outside : {0, 27, -3, 100000}) {
    for (int i = 0; i < 1300; ++i) app->m_highscores[i] = i % 5;
    app->m_players[95] = 60;
    app->m_game = outside;
    app->p_LoadMenu();
    for (int i = 0; i < 1300; ++i) ASSERT_EQ(app->m_highscores[i], i % 5) << "game " << outside << " entry " << i;
  }
}
