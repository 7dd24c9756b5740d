// Senseless Soccer played frame by frame: the ball's rolling, bouncing and wall nudge,
// goals for a net's owner, and kicks that need a release.
#include "tests/game/minigames/minigame_fixture.h"

namespace {

const float kPitchW = 640 - 96;
const int kBallX = 51, kBallY = 52, kBallHeading = 55, kBallSpeed = 56, kGoals = 95;

class SenselessSoccerTest : public MinigameTest {
 protected:
  void SetUp() override { startRound(&c_MyApp::p_LoadGame_S, &c_MyApp::p_Game_S, 7); }
  float& ball(int field) { return player(0, field); }
  void placeBall(float x, float y, float heading = 0, float speed = 0) {
    ball(kBallX) = x, ball(kBallY) = y, ball(kBallHeading) = heading, ball(kBallSpeed) = speed;
  }
};

TEST_F(SenselessSoccerTest, BallRollsBouncesAndIsNudgedOffWalls) {
  struct Ball { float x, y, heading, speed; };
  struct Case { const char* what; Ball start; int frames; Ball end; } cases[] = {
      {"rolls with friction", {272, 240, 0, 8}, 1, {272, 232, 0, 7.9f}},
      {"too slow to roll on", {272, 240, 90, 0.15f}, 1, {272.15f, 240, 0, 0}},
      {"bounces off a wall", {kPitchW - 6, 240, 90, 8}, 1, {kPitchW - 4, 240, -90, 7.9f}},
      {"at rest on a wall starts off it", {4, 240, 0, 0}, 1, {4, 240, 90, 0.1f}},
      {"at rest in a corner stops clear of both walls", {4, 4, 0, 0}, 400, {24.05f, 24.05f, 0, 0}},
  };
  for (const Case& c : cases) {
    SetUp();
    placeBall(c.start.x, c.start.y, c.start.heading, c.start.speed);
    frames(c.frames);
    EXPECT_NEAR(ball(kBallX), c.end.x, 0.06f) << c.what;
    EXPECT_NEAR(ball(kBallY), c.end.y, 0.06f) << c.what;
    EXPECT_NEAR(ball(kBallHeading), c.end.heading, 0.01f) << c.what;
    EXPECT_NEAR(ball(kBallSpeed), c.end.speed, 0.001f) << c.what;
  }
}

// Nets are 96 wide, centred at 136 and 408, on the lines y = 4 and 476. A goal restarts
// the ball at rest; the end of a net or a ball in front of it scores nothing.
TEST_F(SenselessSoccerTest, BallInANetScoresForItsOwner) {
  struct Case { float x, y; int scorer; } cases[] = {
      {136, 6, 0}, {408, 474, 1}, {408, 9.9f, 2}, {136, 476, 3}, {88, 6, -1}, {136, 12, -1}};
  for (const Case& c : cases) {
    SetUp();
    placeBall(c.x, c.y);
    frames(1);
    for (int p = 0; p < 4; ++p) EXPECT_EQ(player(p, kGoals), p == c.scorer ? 1 : 0) << c.x << "," << c.y;
    if (c.scorer < 0) continue;
    EXPECT_TRUE(ball(kBallY) >= 64 && ball(kBallY) <= 480 - 64 && ball(kBallSpeed) == 0);
  }
}

TEST_F(SenselessSoccerTest, KickNeedsReachAndARelease) {
  // The ball's offset from the kicker, whether the kick reaches and the heading it gives.
  struct Case { const char* what; float dx, dy; bool kicks; float heading; } cases[] = {
      {"18 pixels is out of reach", 18, 0, false, 0},
      {"from on top of the ball it goes straight up", 0, 0, true, 0},
      {"from the left it goes right", 10, 0, true, 90},
      {"from above it goes down", 0, 17, true, 180},
  };
  hold(kFireAKey);
  for (const Case& c : cases) {
    SetUp();
    seats(-1, -2, -2, -2);
    for (int frame = 0; frame < 3; ++frame) {
      player(0, 1) = 200;
      player(0, 2) = 200;
      placeBall(200 + c.dx, 200 + c.dy);
      frames(1);
      bool kicked = ball(kBallSpeed) == 8;
      EXPECT_EQ(kicked, c.kicks && frame == 0) << c.what << ", held for " << frame + 1 << " frames";
      EXPECT_NEAR(ball(kBallHeading), kicked ? c.heading : 0, 0.01f) << c.what;
    }
  }
  release(kFireAKey);  // the last case's kick still holds the latch
  frames(1);
  hold(kFireAKey);
  placeBall(200, 200);
  frames(1);
  EXPECT_EQ(ball(kBallSpeed), 8) << "a release allows the next kick";
}

}  // namespace
