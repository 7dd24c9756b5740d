// Catching Fishies frame by frame: fish flee, turn back from walls and go to the lower
// number of two catchers; computers chase only fish still in the pool.
#include "tests/game/minigames/minigame_fixture.h"

namespace {

const float kPoolW = 640 - 96, kAway = 300;

// A round in play with only fish 0 in the pool, at (x, y) with velocity (vx, vy), and
// nobody steering.
class CatchingFishiesTest : public MinigameTest {
 protected:
  void start(float x, float y, float vx = 0, float vy = 0) {
    startRound(&c_MyApp::p_LoadGame_C2, &c_MyApp::p_Game_C2, 7);
    for (int i = 0; i <= 20; ++i) object(i, 0) = 0;
    setObject(0, {1, x, y, vx, vy, 0, 0, 32});
    for (int p = 0; p < 4; ++p) place(p, 8 + p * 4, 8);
  }
  void place(int p, float x, float y) { player(p, 1) = x, player(p, 2) = y; }
};

// Players 1 and 2 at offsets from the fish: one closer than 64 on both axes sends it
// straight away; one closer than 16 catches it, the lower number first; within 32 of a
// wall the fish turns back.
TEST_F(CatchingFishiesTest, FishFleeTurnAtWallsAndGoToTheLowerNumber) {
  const float cases[][11] = {
      // fish x, y, vx, vy; offsets of players 1 and 2; the fish's velocity after; catcher
      {200, 200, 0, 0, 0, 40, kAway, kAway, 0, -0.5f, 0},
      {200, 200, 0, 0, 30, 30, kAway, kAway, -0.354f, -0.354f, 0},
      {200, 200, 0, 0, 64, 0, 0, -64, 0, 0, 0},
      {200, 200, 0, 0, 15, -15, kAway, kAway, 0, 0, 1},
      {200, 200, 0, 0, 10, 0, -10, 5, 0, 0, 1},
      {20, 240, -2, 0, kAway, kAway, kAway, kAway, 1.7f, 0, 0},
      {kPoolW - 20, 240, 2, 0, -kAway, 0, -kAway, 0, -1.7f, 0, 0},
      {9, 470, -2, 2, kAway, -kAway, kAway, -kAway, 1.7f, -1.7f, 0},
      {150, 150, -2, 2, kAway, kAway, kAway, kAway, -1.7f, 1.7f, 0}};
  for (const auto& c : cases) {
    start(c[0], c[1], c[2], c[3]);
    place(1, c[0] + c[4], c[1] + c[5]);
    place(2, c[0] + c[6], c[1] + c[7]);
    frames(1);
    SCOPED_TRACE(testing::Message() << "fish at " << c[0] << "," << c[1] << ", player 1 at +" << c[4] << ",+" << c[5]);
    EXPECT_EQ(player(1, 95), c[10]);
    EXPECT_EQ(object(0, 0), 1 - c[10]);
    EXPECT_NEAR(object(0, 3), c[8], 0.01f);
    EXPECT_NEAR(object(0, 4), c[9], 0.01f);
  }
}

// Whichever fish a computer had in mind, it goes for one still in the pool, pushing
// straight towards it.
TEST_F(CatchingFishiesTest, ComputersChaseOnlyFishStillInThePool) {
  const int cases[][4] = {{12, 3, 100, 400}, {0, 20, 400, 100}, {20, 20, 50, 50}};
  for (const auto& c : cases) {
    start(c[2], c[3]);
    for (int field = 0; field < 10; ++field) object(c[0], field) = object(0, field);
    if (c[0] != 0) object(0, 0) = 0;
    seats(0, -2, -2, 0);
    player(0, 13) = player(3, 13) = c[1];
    place(0, 272, 240);
    place(3, 300, 200);
    frames(1);
    for (int p : {0, 3}) {
      EXPECT_EQ(player(p, 13), c[0]) << "player " << p << " had fish " << c[1];
      EXPECT_EQ(player(p, 3), c[2] > player(p, 1) ? 0.5f : -0.5f);
      EXPECT_EQ(player(p, 4), c[3] > player(p, 2) ? 0.5f : -0.5f);
    }
  }
}

}  // namespace
