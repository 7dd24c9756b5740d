// Anaconda Arena played frame by frame: steering never reverses, what a head runs into,
// pills never pass eight, computer snakes speed up once no human snake is alive and
// steer clear of walls.
#include <algorithm>

#include "tests/game/minigames/minigame_fixture.h"

namespace {

const int kHeadX = 3, kHeadY = 4, kDirection = 5, kLength = 21, kAlive = 99;
const int kUp = 1, kRight = 2, kDown = 3, kLeft = 4;
const float kPill = 20;

// A round in play, nobody steering (a source below -1 keeps its direction).
class AnacondaArenaTest : public MinigameTest {
 protected:
  void SetUp() override { load(); }
  void load() { startRound(&c_MyApp::p_LoadGame_A, &c_MyApp::p_Game_A, 99); }
  float& cell(int x, int y, int field) { return app->m_grid[(x + y * app->m_gridW) * 10 + field]; }
  void place(int p, float x, float y, float direction) {
    player(p, kHeadX) = x, player(p, kHeadY) = y, player(p, kDirection) = direction;
  }
  // Runs one frame in which the snakes move.
  void moveFrame() {
    player(0, 20) = 6;
    app->p_Game_A();
  }
};

// Every heading against all eight stick directions, the centre and a push inside the
// dead zone: the snake keeps its heading or turns by a right angle, never back into its
// neck. A diagonal turns to its component across the heading.
TEST_F(AnacondaArenaTest, SnakeCannotReverseWithStick) {
  for (int direction = kUp; direction <= kLeft; ++direction) {
    for (float stickX : {-1.0f, 0.0f, 1.0f, 0.2f}) {
      for (float stickY : {-1.0f, 0.0f, 1.0f}) {
        load();
        seats(-1, -2, -2, -2);
        place(0, 20, 10, direction);
        keyboardStick(stickX, stickY);
        moveFrame();
        bool vertical = direction == kUp || direction == kDown;
        int expected = direction;
        if (vertical && stickX * stickX == 1) expected = stickX < 0 ? kLeft : kRight;
        if (!vertical && stickY != 0) expected = stickY < 0 ? kUp : kDown;
        EXPECT_EQ(player(0, kDirection), expected) << "moving " << direction << " stick " << stickX << "," << stickY;
        EXPECT_GT(player(0, kAlive), 0);
      }
    }
  }
}

// Snake 0 and snake 1 step into the cells set up for them: a wall or any body kills, two
// heads meeting in one cell leave it to the lower-numbered snake, and a pill adds length.
TEST_F(AnacondaArenaTest, WhatTheHeadRunsInto) {
  struct Case {
    const char* what;
    int x0, y0, dir0, x1, y1, dir1;
    float content, life;  // of the cell right of snake 0's head
    bool alive0, alive1;
    float growth0;
  } cases[] = {
      {"the wall", 1, 10, kLeft, 30, 15, kUp, 0, 0, false, true, 0},
      {"another snake's body", 20, 12, kRight, 30, 15, kUp, 3, 50, false, true, 0},
      {"head on", 10, 10, kRight, 12, 10, kLeft, 0, 0, true, false, 0},
      {"a pill", 10, 10, kRight, 30, 15, kUp, kPill, 2400, true, true, 40},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    load();
    place(0, c.x0, c.y0, c.dir0);
    place(1, c.x1, c.y1, c.dir1);
    cell(c.x0 + 1, c.y0, 0) = c.content;
    cell(c.x0 + 1, c.y0, 1) = c.life;
    float length = player(0, kLength);
    moveFrame();
    EXPECT_EQ(player(0, kAlive) > 0, c.alive0);
    EXPECT_EQ(player(1, kAlive) > 0, c.alive1);
    EXPECT_EQ(player(0, kLength), length + c.growth0);
    if (c.dir0 == kLeft) {
      EXPECT_NE(cell(0, c.y0, 0), 1.0f) << "a dead snake's head is not written over the wall";
    }
  }
}

// A pill sprouts only while fewer than eight lie on the board: each new one counts at
// once, so no ninth slips in.
TEST_F(AnacondaArenaTest, NeverMoreThanEightPills) {
  for (int p = 0; p < 4; ++p) player(p, kAlive) = 0;  // the board belongs to the pills
  int mostPills = 0;
  for (int frame = 0; frame < 3000; ++frame) {
    app->p_Game_A();
    int pills = 0;
    for (int x = 0; x <= 40; ++x)
      for (int y = 0; y <= 20; ++y) pills += cell(x, y, 0) == kPill;
    mostPills = std::max(mostPills, pills);
    ASSERT_LE(mostPills, 8) << "frame " << frame;
  }
  EXPECT_EQ(mostPills, 8);
}

// Computer snakes crawl a step every 7 frames while a human's snake is alive and a step
// every 2 once none is (a seat nobody steers counts as a human). Snake 0, a computer's,
// is watched for 14 frames.
TEST_F(AnacondaArenaTest, ComputerSnakesSpeedUpOnceNoHumanIsAlive) {
  struct Case { const char* what; int seat1; bool human1Dead; int steps; } cases[] = {
      {"a human alive", -1, false, 2},
      {"the human dead", -1, true, 7},
      {"computers only", 0, false, 7},
  };
  for (const Case& c : cases) {
    load();
    seats(0, c.seat1, 0, 0);
    if (c.human1Dead) player(1, kAlive) = 0;
    int steps = 0;
    for (int frame = 0; frame < 14; ++frame) {
      float x = player(0, kHeadX), y = player(0, kHeadY);
      app->p_Game_A();
      steps += x != player(0, kHeadX) || y != player(0, kHeadY);
    }
    EXPECT_EQ(steps, c.steps) << c.what;
    EXPECT_GT(player(0, kAlive), 0) << c.what;
  }
}

// A computer snake alone on the board, a step from the wall it is heading for, turns
// away and lives, whatever the seed.
TEST_F(AnacondaArenaTest, ComputerSnakesTurnAwayFromTheWall) {
  const int starts[4][3] = {{2, 10, kLeft}, {38, 10, kRight}, {20, 2, kUp}, {20, 18, kDown}};
  for (uint32_t seed = 1; seed <= 20; ++seed) {
    for (const auto& start : starts) {
      SCOPED_TRACE(testing::Message() << "seed " << seed << ", heading " << start[2]);
      load();
      zr_random_Seed = seed;
      seats(0, -2, -2, -2);
      for (int p = 1; p < 4; ++p) player(p, kAlive) = 0;
      place(0, start[0], start[1], start[2]);
      bool turned = false;
      for (int step = 0; step < 5; ++step) {
        moveFrame();
        turned = turned || player(0, kDirection) != start[2];
      }
      EXPECT_TRUE(turned);
      EXPECT_GT(player(0, kAlive), 0);
    }
  }
}

}  // namespace
