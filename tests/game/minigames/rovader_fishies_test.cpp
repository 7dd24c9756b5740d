// Rovader' Fishies frame by frame: flight before and after the world moves, the flap
// that needs a release, the reach of a block, the field built column by column and the
// computer's choice of a clear row.
#include <set>

#include "runtime/random.h"
#include "tests/game/minigames/minigame_fixture.h"

namespace {

const int kX = 1, kY = 2, kVelocity = 4, kWantedHeight = 12, kRememberedRow = 13, kAlive = 99;
const int kSpeed = 50, kOffset = 55, kDensity = 56;
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

// Below density 0 a new column has one block at most, and at -12 most are empty; at 0
// a second block waits in column 20 and joins the field with the next column.
TEST_F(RovaderFishiesTest, FieldIsBuiltOneColumnAtATime) {
  int empty = 0;
  for (int shift = 0; shift < 420; ++shift) {
    player(0, kDensity) = -12.1f;
    playFrame(-31);
    int blocks = 0;
    for (int row = 0; row < 9; ++row) blocks += (block(row, 19) > 0) + (block(row, 20) > 0);
    ASSERT_LE(blocks, 1);
    empty += blocks == 0;
  }
  EXPECT_NEAR(empty, 420 * 12 / 21, 40);
  block(3, 20) = 4;
  player(0, kDensity) = 0;
  playFrame(-31);
  EXPECT_EQ(block(3, 19), 4) << "the waiting block joins the new column";
}

// Blocks in column 4 take their rows. The computer aims 16 pixels above a row whose own
// and both neighbours' rows are free (two of three only when nothing better turns up),
// tries its remembered row first and forgets it once where it is is safe.
TEST_F(RovaderFishiesTest, ComputerChoosesAClearRow) {
  struct Case { std::set<int> taken; int wantedRow, remembered; std::set<int> choices; };
  const Case cases[] = {{{0, 1, 2, 3, 4, 8}, 3, -1, {6}}, {{3}, 3, -1, {5, 6, 7}}, {{1, 3, 5, 7}, 1, -1, {3, 5, 7}},
                        {{5}, 5, 2, {2}},                 {{0, 8}, 4, 6, {-1}}};
  for (const Case& c : cases) {
    SetUp();
    zr_random_Seed = 5;
    seats(0, -2, -2, -2);
    for (int row : c.taken) block(row, 4) = 1;
    player(0, kWantedHeight) = c.wantedRow * kRowHeight;
    player(0, kRememberedRow) = static_cast<float>(c.remembered);
    playFrame();
    int row = static_cast<int>(player(0, kRememberedRow));
    EXPECT_TRUE(c.choices.count(row)) << "chose " << row;
    EXPECT_FLOAT_EQ(player(0, kWantedHeight), row < 0 ? c.wantedRow * kRowHeight : row * kRowHeight - 16);
  }
}
