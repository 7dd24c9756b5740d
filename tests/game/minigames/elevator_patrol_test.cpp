// Elevator Patrol frame by frame: lifts obey their riders and answer calls only when
// free, robots knock out only players in the corridor, and gems score on contact.

#include "tests/game/minigames/minigame_fixture.h"

namespace {

const float kWidth = 640 - 96;
const float kShaftX[3] = {kWidth * 0.18f, kWidth * 0.5f, kWidth * 0.82f};
const int kX = 1, kLevel = 3, kRiding = 4, kStunned = 7, kBlink = 8, kScore = 95;
const int kCarLevel = 1, kCarRobot = 4;
const int kRobotCar = 4;
const int kGemFlying = 8;
const int kJoystickControls = 20 + 10 * 1;

// A round in play with no robots or gems, the cars in the lobby and nobody steering.
class ElevatorPatrolTest : public MinigameTest {
 protected:
  void start() {
    startRound(&c_MyApp::p_LoadGame_E, &c_MyApp::p_Game_E, 7);
    for (int n = 10; n < 100; ++n) object(n, 0) = 0;
    for (int p = 0; p < 4; ++p) place(p, 40 + 150 * p, 0);
  }
  void place(int p, float x, float level) { player(p, kX) = x, player(p, kLevel) = level; }
  // Up (1), down (-1) or neither on the keyboard and on joystick 1.
  void wish(int keyboard, int joystick = 0) {
    keyboardStick(0, -static_cast<float>(keyboard));
    app->m_controls[kJoystickControls + 2] = -static_cast<float>(joystick);
  }
};

// A keyboard rider in car 0 (with a joystick rider pushing too in one case): a tap goes
// one floor, holding keeps the car going to the top, pushing against the travel turns it
// back to the floor just passed, and opposite riders hold it still.
TEST_F(ElevatorPatrolTest, LiftsFollowTheirRiders) {
  struct Case { int floor, firstWish, firstFrames, thenWish, thenFrames, joystick; float carAfter; };
  const Case cases[] = {
      {0, 1, 1, 0, 0, 0, 1}, {0, 1, 400, 0, 0, 0, 5}, {0, -1, 400, 0, 0, 0, 0}, {4, -1, 40, 0, 0, 0, 2},
      {2, 1, 20, -1, 5, 0, 2}, {2, 1, 400, 0, 0, -1, 2},
  };
  for (const Case& c : cases) {
    start();
    seats(-1, 1, -2, -2);
    object(0, kCarLevel) = object(0, 2) = static_cast<float>(c.floor);
    place(0, kShaftX[0] - 5, static_cast<float>(c.floor));
    place(1, c.joystick != 0 ? kShaftX[0] + 5 : 300.0f, static_cast<float>(c.floor));
    wish(c.firstWish, c.joystick);
    frames(c.firstFrames);
    wish(c.thenWish, c.joystick);
    frames(c.thenFrames);
    wish(0, 0);
    frames(400);
    SCOPED_TRACE(testing::Message() << "from floor " << c.floor << ", wish " << c.firstWish << " for "
                                    << c.firstFrames << " then " << c.thenWish << " for " << c.thenFrames);
    EXPECT_EQ(object(0, kCarLevel), c.carAfter);
    EXPECT_EQ(player(0, kLevel), c.carAfter);
    EXPECT_EQ(player(0, kRiding), 0);
    EXPECT_NEAR(player(0, kX), kShaftX[0] - 5, 0.01f);
  }
}

// A robot touching a player in the corridor scatters up to three gems and stuns the
// player; a player in an open car, one still blinking or one on another floor is safe,
// and a robot waiting inside a car is no shelter.
TEST_F(ElevatorPatrolTest, RobotsKnockOutOnlyExposedPlayers) {
  const struct { float playerX, level, blink; bool robotInCar; float scoreBefore, scoreAfter; } cases[] = {
      {200, 2, 0, false, 5, 2},          {200, 2, 0, false, 1, 0},          {kShaftX[1], 0, 0, false, 4, 4},
      {200, 2, 50, false, 4, 4},         {200, 3, 0, false, 4, 4},          {kShaftX[1], 0, 0, true, 2, 0},
  };
  for (const auto& c : cases) {
    start();
    place(0, c.playerX, c.level);
    player(0, kBlink) = c.blink;
    player(0, kScore) = c.scoreBefore;
    setObject(10, {2, c.playerX + 10, c.robotInCar || c.playerX == kShaftX[1] ? 0.0f : 2.0f, 0});
    if (c.robotInCar) {
      object(10, kRobotCar) = 2;
      object(1, kCarRobot) = 11;
      object(1, 5) = 1000;
    }
    frames(1);
    bool out = c.scoreAfter < c.scoreBefore;
    SCOPED_TRACE(testing::Message() << "player at " << c.playerX << " on floor " << c.level);
    EXPECT_EQ(player(0, kScore), c.scoreAfter);
    EXPECT_EQ(player(0, kStunned), out ? 100 : 0);
    int scattered = 0;
    for (int n = 50; n < 100; ++n) scattered += object(n, 0) == 3 && object(n, kGemFlying) != 0;
    EXPECT_EQ(scattered, c.scoreBefore - c.scoreAfter);
  }
}

// Walking over a landed gem on one's own floor scores it; a flying gem, a gem on another
// floor and a gem passed while riding are left.
TEST_F(ElevatorPatrolTest, GemsScoreOnContact) {
  const struct {
    float gemX, gemLevel, flying;
    bool riding;
    float score;
  } cases[] = {{210, 1, 0, false, 1}, {190, 1, 0, false, 1}, {220, 1, 0, false, 0},
               {200, 1, 1, false, 0}, {200, 2, 0, false, 0}, {kShaftX[1], 1, 0, true, 0}};
  for (const auto& c : cases) {
    start();
    place(0, c.riding ? kShaftX[1] : 200, 1);
    if (c.riding) player(0, kRiding) = 2, object(1, kCarLevel) = 1, object(1, 3) = 1, object(1, 2) = 2;
    setObject(50, {3, c.gemX, c.gemLevel, 0, 0, 0, 0, 0, c.flying});
    frames(1);
    EXPECT_EQ(player(0, kScore), c.score) << "gem at " << c.gemX << " on floor " << c.gemLevel;
  }
}

}  // namespace
