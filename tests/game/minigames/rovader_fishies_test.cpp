// Rovader' Fishies frame by frame: the flap that needs a release, and the reach of a
// block.

#include "tests/game/minigames/minigame_fixture.h"

namespace {

const int kX = 1, kY = 2, kVelocity = 4, kAlive = 99;
const int kSpeed = 50, kOffset = 55;
const float kRowHeight = 480.0f / 9;

class RovaderFishiesTest : public MinigameTest {
 protected:
  void SetUp() override { startRound(&c_MyApp::p_LoadGame_F, &c_MyApp::p_Game_F); }
  float& block(int row, int column) { return app->m_grid[row * 50 + column]; }
  // A frame at full speed (a shift of the field when the offset starts below -30).
  void playFrame(float offset = 0) {
    player(0, kSpeed) = -4;
    player(0, kOffset) = offset;
    frames(1);
  }
};

}  // namespace

TEST_F(RovaderFishiesTest, HoldingFlapsOnceAndEitherButtonNeedsReleasing) {
  seats(-1, -2, -2, -2);
  struct Step { bool a, b, flaps; };
  const Step steps[] = {{1, 0, 1}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}, {0, 0, 0}, {0, 1, 1}, {0, 0, 0}, {1, 0, 1}};
  for (const Step& step : steps) {
    step.a ? hold(kFireAKey) : release(kFireAKey);
    step.b ? hold(kFireBKey) : release(kFireBKey);
    player(0, kY) = 240;
    playFrame();
    EXPECT_EQ(player(0, kVelocity) == -4 + 0.2f, step.flaps) << "A " << step.a << " B " << step.b;
  }
}

// A block reaches 24 pixels across and 20 up and down.
TEST_F(RovaderFishiesTest, BlocksKillWithinTheirReach) {
  struct Case { float dx, dy; bool dies; };
  const Case cases[] = {{0, 0, 1}, {23, 0, 1}, {24, 0, 0}, {-23, 19, 1}, {0, 20, 0}, {0, -20, 0}};
  for (const Case& c : cases) {
    SetUp();
    app->m_introTimer = 160;
    block(4, 1) = 2;  // at (40, 4 rows down) during the countdown
    player(1, kX) = 40 + c.dx;
    player(1, kY) = 4 * kRowHeight + c.dy;
    frames(1);
    EXPECT_EQ(player(1, kAlive) == 0, c.dies) << c.dx << "," << c.dy;
  }
}
