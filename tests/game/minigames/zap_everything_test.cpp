// Zap Everything played frame by frame: a touch kills the player and not the enemy, one
// enemy is one point, enemies arrive from well off the arena, and players and bullets
// keep to it.
#include <vector>

#include "tests/game/minigames/minigame_fixture.h"

namespace {

class ZapEverythingTest : public MinigameTest {
 protected:
  void SetUp() override { start(-1); }
  // A fresh round in its countdown: player 0 on the given source, three seats nobody steers.
  void start(int source) {
    app->p_LoadGame_Z2();
    seats(source, -2, -2, -2);
    frameRoutine = &c_MyApp::p_Game_Z2;
  }
  // Objects the game neither moves nor removes.
  void fillPool(int first, int last) {
    for (int i = first; i <= last; ++i) object(i, 0) = 10;
  }
  // Plays frames and reports each object of kind low..high not there the frame before.
  template <class Seen>
  void watchArrivals(int count, int low, int high, Seen seen) {
    std::vector<bool> there(251);
    for (int f = 0; f < count; ++f) {
      frames(1);
      for (int i = 0; i <= 250; ++i) {
        bool now = object(i, 0) >= low && object(i, 0) <= high;
        if (now && !there[i]) seen(i);
        there[i] = now;
      }
    }
  }
};

TEST_F(ZapEverythingTest, TouchesKillPlayersAndBulletsKillEnemies) {
  struct Case {
    float enemyDX, enemyDY;  // from player 0
    int bullets;             // player 2's, standing 15 pixels right of the enemy
    bool playerLives, enemyLives;
    int points, bulletsLeft;
  } cases[] = {
      {13, -13, 0, false, true, 0, 0}, {14, 0, 0, true, true, 0, 0},
      {100, 0, 1, true, false, 1, 0},  {100, 0, 2, true, false, 1, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "enemy at +" << c.enemyDX << "," << c.enemyDY << ", " << c.bullets << " bullets");
    start(-1);
    app->m_introTimer = 30;  // enemies stand still
    float x = player(0, 1) + c.enemyDX, y = player(0, 2) + c.enemyDY;
    setObject(120, {15, x, y, x, y});  // an enemy: kind, position, destination
    for (int b = 5; b < 5 + c.bullets; ++b) {
      setObject(b, {1, x + 15, y, 0, 0});  // a bullet: kind, position, velocity
      object(b, 9) = 2;
    }
    frames(1);
    EXPECT_EQ(player(0, 99) > 0, c.playerLives);
    EXPECT_EQ(object(120, 0) == 15, c.enemyLives);
    EXPECT_EQ(player(2, 95), c.points);
    EXPECT_EQ((object(5, 0) == 1) + (object(6, 0) == 1), c.bulletsLeft);
  }
}

TEST_F(ZapEverythingTest, EnemiesArriveFromOffTheArenaAndPlayersAndBulletsKeepToIt) {
  object(3, 0) = 22;  // the twelfth look: gone on its first frame
  frames(1);
  EXPECT_EQ(object(3, 0), 0);
  for (int p = 0; p < 4; ++p) player(p, 99) = 0;
  // Seen after the frame it came in, an enemy may have taken its first step of up to 2.
  int arrivals = 0;
  watchArrivals(3000, 11, 99, [&](int i) {
    ++arrivals;
    float x = object(i, 1), y = object(i, 2);
    EXPECT_TRUE(x < -62 || y < -62 || x > 544 + 62 || y > 480 + 62) << x << "," << y;
    EXPECT_LE(object(i, 0), 21);
  });
  EXPECT_GT(arrivals, 100);

  start(-1);
  keyboardStick(-1, 1);
  app->m_controls[kKeyboardControls + 7] = 1;
  float x = player(0, 1), y = player(0, 2);
  watchArrivals(159, 1, 9, [&](int) { ADD_FAILURE() << "a shot in the countdown"; });
  EXPECT_EQ(player(0, 1), x);
  EXPECT_EQ(player(0, 2), y);
  fillPool(0, 250);  // no enemies from here on
  frames(400);
  EXPECT_EQ(player(0, 1), 8);
  EXPECT_EQ(player(0, 2), 480 - 8);
  setObject(7, {1, 544 + 60, 100, 6, 0});  // bullets flying right to 66 and 56 past the edge
  setObject(8, {1, 544 + 50, 100, 6, 0});
  frames(1);
  EXPECT_EQ(object(7, 0), 0);
  EXPECT_EQ(object(8, 0), 1);
}

}  // namespace
