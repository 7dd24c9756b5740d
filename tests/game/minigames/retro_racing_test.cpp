// Retro Racing played frame by frame: the generated tracks, which waypoints count as
// progress and laps, and a whole race beside an idle seat. Many seeds of whole rounds are
// left to the rounds test.
#include <algorithm>
#include <cmath>

#include "tests/game/minigames/minigame_fixture.h"

namespace {

const int kColumns = 80;

class RetroRacingTest : public MinigameTest {
 protected:
  // A race on the track of this seed, the frames the game waited for it counted. A new
  // track on a race already set up skips the common reset, which clears the whole grid.
  int raceOn(uint32_t seed, bool newRace = true) {
    zr_random_Seed = seed;
    newRace ? app->p_LoadGame_R() : app->p_MakeRoad();
    int waited = 0;
    for (; lastWaypoint() < 0 && waited < 600; ++waited) {
      frame();
      EXPECT_GE(app->m_introTimer, 159) << "the countdown runs on while there is no track";
    }
    return waited;
  }
  // A frame as the shell plays it, on a fresh draw list.
  void frame(int count = 1) {
    for (int n = 0; n < count; ++n) app->p_DoBG(), app->p_Game_R();
  }
  int lastWaypoint() { return static_cast<int>(player(0, 66)); }
  float waypointX(int i) { return app->m_gridX + app->m_objects[2 * i]; }
  float waypointY(int i) { return app->m_gridY + app->m_objects[2 * i + 1]; }
  float content(int x, int y) { return app->m_grid[(x + y * kColumns) * 10]; }
  float contentAt(float x, float y) {
    return content(static_cast<int>((x - app->m_gridX) / app->m_tileSize),
                   static_cast<int>((y - app->m_gridY) / app->m_tileSize));
  }
  bool inReach(int i, int j) {
    float reach = 2.5f * app->m_tileSize;
    return std::fabs(waypointX(i) - waypointX(j)) < reach && std::fabs(waypointY(i) - waypointY(j)) < reach;
  }
  void place(int p, float x, float y) { player(p, 1) = x, player(p, 2) = y, player(p, 3) = 0, player(p, 5) = 90; }
};

}  // namespace

// Every track is a closed loop: the straight run from each waypoint to the next (and from
// the last to the first) never leaves road or verge, so the cars feel no grass anywhere
// round it. It is long enough, starts on the start row, and parts of it more than 64
// turtle steps apart keep two cells between their centre lines. No race waits long.
TEST_F(RetroRacingTest, ThousandTracksAreClosedAndNeverMeetThemselves) {
  int worstWait = 0;
  float nearest = 1e9f;
  for (uint32_t seed = 1; seed <= 1000; ++seed) {
    worstWait = std::max(worstWait, raceOn(seed, seed == 1));
    int last = lastWaypoint();
    ASSERT_GE(last, 500 / 8) << "seed " << seed;
    EXPECT_NEAR(waypointY(0), app->m_gridY + 4 * app->m_tileSize, 0.01f) << "seed " << seed;
    EXPECT_EQ(content(20, 4), 3) << "seed " << seed;
    for (int i = 0; i <= last; ++i) {
      int j = i < last ? i + 1 : 0;
      for (float t = 0; t <= 1; t += 0.125f) {
        float x = waypointX(i) + t * (waypointX(j) - waypointX(i)), y = waypointY(i) + t * (waypointY(j) - waypointY(i));
        ASSERT_NE(contentAt(x, y), 0) << "seed " << seed << " from waypoint " << i;
      }
      for (int k = i + 8; k <= last && k - i <= last + 1 - 8; ++k)
        nearest = std::min(nearest, std::hypot(waypointX(i) - waypointX(k), waypointY(i) - waypointY(k)));
    }
  }
  EXPECT_GE(nearest, 2 * app->m_tileSize);
  EXPECT_LE(worstWait, 300) << "frames the slowest race waited for its track";
}

// Progress counts the waypoint the car is at, the next and the one after; anything
// further ahead is a short cut and counts for nothing, a lap included.
TEST_F(RetroRacingTest, ShortCutsDoNotCount) {
  raceOn(7);
  seats(-2, -2, -2, -2);
  skipCountdown();
  int n = lastWaypoint();
  int ahead = 5;  // a stretch where waypoint k + 5 is out of reach of k, k + 1, k + 2
  while (inReach(ahead, ahead - 5) || inReach(ahead, ahead - 4) || inReach(ahead, ahead - 3)) ++ahead;
  ASSERT_LE(ahead, n);
  ASSERT_TRUE(!inReach(1, n) && !inReach(1, n - 1));
  struct Case { const char* what; int last, at; float laps; bool wantProgress; float wantLaps; } cases[] = {
      {"the next waypoint", ahead - 5, ahead - 4, 3, true, 3},
      {"past two waypoints", ahead - 5, ahead, 3, false, 3},
      {"over the line from the last", n, 0, 3, true, 2},
      {"over the line from the one before", n - 1, 1, 3, true, 2},
      {"over the line past the last two", n - 2, 1, 3, false, 3},
      {"half a lap ahead to the line", n / 2, 0, 3, false, 3},
      {"the final lap", n, 0, 1, true, 0},
  };
  for (const Case& c : cases) {
    player(1, 7) = static_cast<float>(c.last);
    player(1, 99) = c.laps;
    place(1, waypointX(c.at), waypointY(c.at));
    frame();
    EXPECT_EQ(player(1, 7) != c.last, c.wantProgress) << c.what;
    EXPECT_EQ(player(1, 99), c.wantLaps) << c.what;
  }
  frame(2);
  EXPECT_EQ(player(1, 95), 2) << "a finished car scores a point a frame";
}

// Three computers beside a seat nobody drives: each finishes three laps, the earlier home
// the higher its score, the idle car scores nothing, and the race ends six seconds after
// the third car is home. No frame fills the draw list, so no car ever goes undrawn.
TEST_F(RetroRacingTest, ComputersFinishInOrderAndTheRaceEnds) {
  raceOn(11);
  seats(0, 0, -2, 0);
  int firstHome = -1, thirdHome = -1, played = 0;
  for (; played < 36000 && !app->m_roundOver; ++played) {
    frame();
    ASSERT_LE(app->m_drawCount, kDrawListSize - 16) << "frame " << played;  // appends stop past this
    int home = (player(0, 99) < 1) + (player(1, 99) < 1) + (player(3, 99) < 1);
    if (home == 1 && firstHome < 0) firstHome = player(0, 99) < 1 ? 0 : player(1, 99) < 1 ? 1 : 3;
    if (home == 3 && thirdHome < 0) thirdHome = played;
  }
  ASSERT_TRUE(app->m_roundOver);
  EXPECT_EQ(played - thirdHome, 361 + 1);
  EXPECT_EQ(player(2, 95), 0);
  for (int p : {0, 1, 3}) {
    EXPECT_GT(player(p, 95), 360) << "car " << p;
    EXPECT_LE(player(p, 95), player(firstHome, 95)) << "car " << p;
  }
}
