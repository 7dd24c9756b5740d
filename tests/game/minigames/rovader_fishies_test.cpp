// Rovader' Fishies frame by frame: flight before and after the world moves, the flap
// that needs a release, and the reach of a block.

#include "runtime/random.h"
#include "tests/game/minigames/minigame_fixture.h"

namespace {

const int kX = 1, kY = 2, kVelocity = 4, kAlive = 99;
const int kSpeed = 50, kOffset = 55;
const float kRowHeight = 480.0f / 9;

class RovaderFishiesTest : public MinigameTest {
 protected:
  void SetUp() override {
    app->p_LoadGame_F();
    seats(-2, -2, -2, -2);
  }
  float& block(int row, int column) { return app->m_grid[row * 50 + column]; }
  // A frame at full speed (a shift of the field when the offset starts below -30).
  void playFrame(float offset = 0) {
    skipCountdown();
    player(0, kSpeed) = -4;
    player(0, kOffset) = offset;
    runFrames(&c_MyApp::p_Game_F, 1);
  }
};

}  // namespace

// Until the world moves there is no gravity, so nobody falls; the ceiling pushes down
// 1 pixel a frame; at full speed gravity takes a fish off the bottom.
TEST_F(RovaderFishiesTest, FlightBeforeAndAfterTheWorldMoves) {
  struct Case { float y, speed; int intro, frames; float endY; bool alive; };
  const Case cases[] = {{200, 0, 160, 100, 200, true}, {5, 0, 160, 3, 10, true}, {470, -4, 0, 11, 481, false}};
  for (const Case& c : cases) {
    SetUp();
    player(0, kY) = c.y;
    player(0, kSpeed) = c.speed;
    app->m_introTimer = c.intro;
    runFrames(&c_MyApp::p_Game_F, c.frames);
    EXPECT_NEAR(player(0, kY), c.endY, 0.01f) << "from y " << c.y;
    EXPECT_EQ(player(0, kAlive) > 0, c.alive) << "from y " << c.y;
  }
}

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
    block(4, 1) = 2;  // at (40, 4 rows down) during the countdown
    player(1, kX) = 40 + c.dx;
    player(1, kY) = 4 * kRowHeight + c.dy;
    runFrames(&c_MyApp::p_Game_F, 1);
    EXPECT_EQ(player(1, kAlive) == 0, c.dies) << c.dx << "," << c.dy;
  }
}
