// Octagon Of Obstacles frame by frame: knock-outs by an octagon's true outline and the
// flight rules (top speed, pull, one dash per press).
#include <cmath>
#include <utility>
#include <vector>

#include "runtime/random.h"
#include "tests/game/minigames/minigame_fixture.h"

namespace {

const int kState = 0, kForming = 8;
const int kX = 1, kY = 2, kVx = 3, kDashWait = 6, kScore = 95, kAlive = 99;
const int kSwells = 58;
const float kPi = 3.14159265f;

class OctagonOfObstaclesTest : public MinigameTest {
 protected:
  // A round in play with the sky empty, nobody steering and the baubles in the corners.
  void start() {
    zr_random_Seed = 7;
    app->p_LoadGame_O();
    seats(-2, -2, -2, -2);
    for (int i = 0; i < 8; ++i) object(i, kState) = 0;
    place(0, 20, 20), place(1, 620, 460), place(2, 20, 460), place(3, 620, 20);
    skipCountdown();
  }
  void octagon(int i, float state, float x, float y, float radius, float turn) {
    const float fields[9] = {state, x, y, 0, 0, turn, 0, radius, 0};
    for (int field = 0; field < 9; ++field) object(i, field) = fields[field];
  }
  void place(int p, float x, float y) {
    player(p, kX) = x, player(p, kY) = y;
    player(p, kVx) = player(p, kVx + 1) = 0;
  }
  void frames(int count) { runFrames(&c_MyApp::p_Game_O, count); }
  void fireA(bool held) { app->m_controls[kKeyboardControls + 7] = held ? 1 : 0; }
};

// Red at a heading (degrees, 0 up, clockwise) and distance from an octagon of radius 60:
// a flat side lies 55.4 from the centre, a corner 60, and the octagon's turn moves them.
// A ghost harms nobody; once formed it turns solid only 14 clear of every bauble.
TEST_F(OctagonOfObstaclesTest, OctagonsKnockOutByTheirTrueOutline) {
  struct Case { float state, forming, turn, heading, distance; bool out; float stateAfter; };
  const Case cases[] = {
      {2, 0, 0, 0, 64, false, 2},      {2, 0, 0, 0, 62, true, 2},     {2, 0, 0, 22.5f, 64, true, 2},
      {2, 0, 0, 22.5f, 68.5f, false, 2}, {2, 0, 22.5f, 0, 64, true, 2}, {2, 0, 22.5f, 22.5f, 64, false, 2},
      {2, 0, 0, 202.5f, 64, true, 2},  {2, 0, 90, 270, 63.9f, false, 2}, {2, 0, 0, 0, 0, true, 2},
      {1, 100, 0, 0, 30, false, 1},    {1, 0, 0, 0, 30, false, 1},    {1, 0, 0, 0, 67, false, 1},
      {1, 0, 0, 0, 70, false, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "state " << c.state << ", turn " << c.turn << ", heading " << c.heading
                                    << ", distance " << c.distance);
    start();
    octagon(0, c.state, 320, 240, 60, c.turn);
    object(0, kForming) = c.forming;
    place(0, 320 + std::sin(c.heading * kPi / 180) * c.distance, 240 - std::cos(c.heading * kPi / 180) * c.distance);
    frames(1);
    EXPECT_EQ(player(0, kAlive) == 0, c.out);
    EXPECT_EQ(object(0, kState), c.stateAfter);
    float score = player(0, kScore);
    frames(5);
    EXPECT_EQ(player(0, kScore) == score, c.out) << "only a bauble in play scores";
  }
}

// Red's velocity across after some frames of the keyboard: thrust stops adding at the top
// speed, an octagon pulls by the square of radius over distance, a quarter harder for
// each swell, and fire A dashes once a press and then recharges for 150 frames.
TEST_F(OctagonOfObstaclesTest, FlightKeepsTopSpeedPullAndOneDashPerCharge) {
  struct Case {
    float stickX, pullRadius, pullDistance, swells;
    std::vector<std::pair<int, int>> held;  // frames from, to, with fire A held
    int frames, dashes;
    float vx;
  };
  const float kAny = NAN;
  const Case cases[] = {
      {1, 0, 0, 0, {}, 60, 0, 3.96f},                           // full thrust settles at the top speed
      {0, 40, 80, 0, {}, 1, 0, 0.05f * 0.25f * 0.99f},          // pulled towards an octagon on the right
      {0, 40, 80, 4, {}, 1, 0, 0.1f * 0.25f * 0.99f},           // four swells on, twice as hard
      {0, 40, -150, 0, {}, 1, 0, -0.05f * 0.0711111f * 0.99f},  // and to the left, more weakly further off
      {1, 0, 0, 0, {{0, 1}}, 1, 1, 0.15f * 0.99f + 3},          // a dash along the stick
      {0, 0, 0, 0, {{0, 1}}, 1, 0, 0},                          // at rest, nowhere to dash
      {1, 0, 0, 0, {{0, 200}}, 200, 1, kAny},                   // held past the recharge: one dash
      {1, 0, 0, 0, {{0, 1}, {100, 101}}, 140, 1, kAny},         // pressed again while recharging
      {1, 0, 0, 0, {{0, 1}, {150, 151}}, 151, 2, kAny},         // pressed again once recharged
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "stick " << c.stickX << ", pull at " << c.pullDistance << ", "
                                    << c.held.size() << " presses");
    start();
    seats(-1, -2, -2, -2);
    place(0, 200, 240);
    if (c.pullRadius > 0) octagon(0, 2, 200 + c.pullDistance, 240, c.pullRadius, 0);
    player(0, kSwells) = c.swells;
    keyboardStick(c.stickX, 0);
    int dashes = 0;
    for (int frame = 0; frame < c.frames; ++frame) {
      bool held = false;
      for (const auto& press : c.held) held = held || (frame >= press.first && frame < press.second);
      fireA(held);
      frames(1);
      dashes += player(0, kDashWait) == 149;
    }
    EXPECT_EQ(dashes, c.dashes);
    if (!std::isnan(c.vx)) {
      EXPECT_NEAR(player(0, kVx), c.vx, 0.0005f);
    }
  }
}

}  // namespace
