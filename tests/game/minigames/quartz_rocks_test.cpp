// Quartz Rocks played frame by frame: a rock kills only inside its contact box, and
// players slide and brake on the ice. Whole rounds and computer play are left to the
// rounds test, which sets computers against an idle seat.
#include "runtime/random.h"
#include "tests/game/minigames/minigame_fixture.h"

namespace {

const int kVelX = 3, kTarget = 11, kAlive = 99;
const float kLeftWall = 32, kRightWall = 640 - 32, kGround = 480 - 32;

class QuartzRocksTest : public MinigameTest {
 protected:
  void SetUp() override {
    zr_random_Seed = 5;
    app->p_LoadGame_Q();
  }
  void frames(int count) { runFrames(&c_MyApp::p_Game_Q, count); }
  // Rock 0 held still at (x, y).
  void placeRock(float x, float y) {
    object(0, 1) = x;
    object(0, 2) = y;
    object(0, 3) = 0;
  }
};

// Contact is closer than 20 pixels on both axes, with 42 sparks; a player already out is
// not hit again.
TEST_F(QuartzRocksTest, RocksKillOnlyInsideTheirContactBox) {
  struct Case {
    float dx, dy, alive;
    bool out;
  } cases[] = {{19.9f, 0, 3, true}, {20, 0, 3, false}, {-19.5f, 19.5f, 3, true}, {0, -20, 3, false}, {0, 0, 0, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.dx << ", " << c.dy << " alive " << c.alive);
    app->p_LoadGame_Q();
    skipCountdown();
    player(0, kAlive) = c.alive;
    placeRock(player(0, 1) + c.dx, kGround + c.dy);
    frames(1);
    int sparks = 0;
    for (int i = 0; i <= 250; ++i) sparks += app->m_particles[i * 10] > 0;
    EXPECT_EQ(player(0, kAlive) > 0, !c.out && c.alive > 0);
    EXPECT_EQ(sparks, c.out ? 42 : 0);
  }
}

// The stick pushes 0.25 a frame up to 8; a wall stops the player, not its velocity;
// without a push the velocity brakes by 0.5 a frame to a stop. A computer within 5 pixels
// of its target lets go of the stick. Nobody moves in the countdown.
TEST_F(QuartzRocksTest, PlayersSlideBrakeAndStopAtTheWalls) {
  struct Case {
    int seat;
    float stick, velocity, targetOffset;
    int countdown, count;
    float x, velocityAfter;
  } cases[] = {{-1, 1, 0, 0, 0, 100, kRightWall, 8}, {-1, -1, 0, 0, 0, 100, kLeftWall, -8},
               {-1, 0, 3.2f, 0, 0, 8, 311.9f, 0},     {-1, 1, 0, 0, 160, 100, 300, 0},
               {0, 0, 3, 4.9f, 0, 1, 303, 2.5f},      {0, 0, 3, -5, 0, 1, 303, 2.75f}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "seat " << c.seat << " stick " << c.stick << " offset " << c.targetOffset);
    app->p_LoadGame_Q();
    seats(c.seat, -2, -2, -2);
    app->m_introTimer = c.countdown;
    keyboardStick(c.stick, 0);
    player(0, 1) = 300;
    player(0, kVelX) = c.velocity;
    player(0, kTarget) = 300 + c.targetOffset;
    frames(c.count);
    EXPECT_FLOAT_EQ(player(0, 1), c.x);
    EXPECT_FLOAT_EQ(player(0, kVelX), c.velocityAfter);
  }
}

}  // namespace
