// Xtreme X-Fire frame by frame: a bolt splits a ball in an X ahead of it and scores for
// its shooter, and a ball costs a player a life unless the player is safe.
#include <cmath>

#include "tests/game/minigames/minigame_fixture.h"

namespace {

const int kKind = 0, kVelX = 3, kVelY = 4, kSize = 5;
const int kX = 1, kY = 2, kDaze = 3, kGuard = 4, kScore = 95, kLives = 99;
const int kMostBalls = 64;
const float kRadius[4] = {8, 12, 18, 26};
const float kSpeed[4] = {2.8f, 2.2f, 1.7f, 1.3f};

class XtremeXFireTest : public MinigameTest {
 protected:
  // A round in play with no ball in the arena and nobody steering.
  void start() {
    startRound(&c_MyApp::p_LoadGame_X, &c_MyApp::p_Game_X, 7);
    for (int i = 0; i < kMostBalls; ++i) object(i, kKind) = 0;
  }
  void ball(int i, float kind, float x, float y, float vx, float vy, float size) {
    setObject(i, {kind, x, y, vx, vy, size, kind == 1 ? 1000.0f : 0});
  }
  void fireA(bool held) { app->m_controls[kKeyboardControls + 7] = held ? 1 : 0; }
  int count(int first, int last) {
    int n = 0;
    for (int i = first; i <= last; ++i) n += object(i, kKind) != 0;
    return n;
  }
};

// A keyboard player fires once at a ball 200 pixels in front of it: the shooter scores,
// the pieces fly on either side of the bolt at their size's speed, the tiny ball pops, a
// forming ghost lets the bolt pass, and a full arena has room for one piece only.
TEST_F(XtremeXFireTest, BoltsSplitBallsAheadOfThemAndScore) {
  struct Case { int shooter; float kind, size; bool full; float score; int pieces; };
  const Case cases[] = {
      {0, 2, 3, false, 1, 2}, {1, 2, 2, false, 1, 2}, {2, 2, 1, false, 1, 2}, {3, 2, 3, false, 1, 2},
      {0, 2, 0, false, 1, 0}, {0, 1, 3, false, 0, 1}, {0, 2, 2, true, 1, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "shooter " << c.shooter << ", kind " << c.kind << ", size " << c.size);
    start();
    int sources[4] = {-2, -2, -2, -2};
    sources[c.shooter] = -1;
    seats(sources[0], sources[1], sources[2], sources[3]);
    // The way into the arena from the shooter's side: Red up, Blue down, Yellow right, Green left.
    float inX = c.shooter == 2 ? 1 : c.shooter == 3 ? -1 : 0, inY = c.shooter == 0 ? -1 : c.shooter == 1 ? 1 : 0;
    ball(0, c.kind, player(c.shooter, kX) + inX * 200, player(c.shooter, kY) + inY * 200, 0, 0, c.size);
    if (c.full)
      for (int i = 1; i < kMostBalls; ++i) ball(i, 1, 40, 40, 0, 0, 0);
    fireA(true);
    frames(1);
    fireA(false);
    frames(34);
    EXPECT_EQ(player(c.shooter, kScore), c.score);
    EXPECT_EQ(count(0, kMostBalls - 1) - (c.full ? kMostBalls - 1 : 0), c.pieces);
    if (c.score == 0 || c.pieces == 0) continue;
    // Each piece goes ahead along the bolt as fast as across it, the two to either side.
    float diagonal = kSpeed[static_cast<int>(c.size) - 1] / std::sqrt(2.0f), across[2] = {0, 0};
    for (int i = 0; i < c.pieces; ++i) {
      EXPECT_EQ(object(i, kSize), c.size - 1);
      EXPECT_NEAR(object(i, kVelX) * inX + object(i, kVelY) * inY, diagonal, 0.01f);
      across[i] = object(i, kVelX) * inY - object(i, kVelY) * inX;
      EXPECT_NEAR(std::fabs(across[i]), diagonal, 0.01f);
    }
    if (c.pieces == 2) {
      EXPECT_LT(across[0] * across[1], 0);
    }
  }
}

// A ball dropping onto Red: a hit costs a life and dazes; a safe player loses nothing;
// the last life puts the player out. The ball always bounces back into the arena.
TEST_F(XtremeXFireTest, BallsCostLivesUnlessThePlayerIsSafe) {
  struct Case { float lives, guard, livesAfter; bool dazed; };
  const Case cases[] = {{3, 0, 2, true}, {2, 0, 1, true}, {3, 40, 3, false}, {1, 0, 0, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.lives << " lives, safe for " << c.guard);
    start();
    player(0, kLives) = c.lives, player(0, kGuard) = c.guard;
    ball(0, 2, player(0, kX) + 5, player(0, kY) - 40, 0, 1.3f, 1);
    frames(20);
    EXPECT_EQ(player(0, kLives), c.livesAfter);
    EXPECT_EQ(player(0, kDaze) > 0, c.dazed);
    EXPECT_LT(object(0, kVelY), 0);
  }
}

}  // namespace
