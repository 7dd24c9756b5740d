// Anaconda Arena played frame by frame: steering never reverses, walls and bodies kill,
// head-on meetings go to the lower-numbered snake, pills never pass eight, and nothing
// moves during the countdown.
#include <gtest/gtest.h>

#include <algorithm>

#include "game/shell/my_app.h"
#include "host/headless_game.h"
#include "runtime/random.h"

namespace {

const int kUp = 1, kRight = 2, kDown = 3, kLeft = 4;

class AnacondaArenaTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host = new ZrHeadlessGame;
    app = (new c_MyApp)->m_new();
    zr_random_Seed = 99;
    app->p_LoadGame_A();
    // Nobody steers unless a test says so: a source below -1 keeps its direction.
    for (int p = 0; p < 4; ++p) app->m_pad[p] = -2;
  }

  float& player(int p, int field) { return app->m_players[p * 100 + field]; }
  float& cell(int x, int y, int field) { return app->m_grid[(x + y * app->m_gridW) * 10 + field]; }
  void place(int p, int x, int y, int direction) {
    player(p, 3) = static_cast<float>(x);
    player(p, 4) = static_cast<float>(y);
    player(p, 5) = static_cast<float>(direction);
  }
  // Runs one frame in which the snakes move.
  void moveFrame() {
    app->m_introTimer = 0;
    player(0, 20) = 6;
    app->p_Game_A();
  }
  // The keyboard's stick, as the controls would have filled it.
  void keyboardStick(float x, float y) {
    app->m_controls[20 - 10 + 1] = x;
    app->m_controls[20 - 10 + 2] = y;
  }

  ZrHeadlessGame* host = nullptr;
  c_MyApp* app = nullptr;
};

}  // namespace

// Every heading against all eight stick directions and the centre: the snake keeps its
// heading or turns by a right angle, never back into its neck. A diagonal turns to its
// component across the heading.
TEST_F(AnacondaArenaTest, SnakeCannotReverseWithStick) {
  const int opposite[5] = {0, kDown, kLeft, kUp, kRight};
  for (int direction = kUp; direction <= kLeft; ++direction) {
    for (int stickX = -1; stickX <= 1; ++stickX) {
      for (int stickY = -1; stickY <= 1; ++stickY) {
        app->p_LoadGame_A();
        for (int p = 1; p < 4; ++p) app->m_pad[p] = -2;
        app->m_pad[0] = -1;
        place(0, 20, 10, direction);
        keyboardStick(static_cast<float>(stickX), static_cast<float>(stickY));
        moveFrame();
        bool vertical = direction == kUp || direction == kDown;
        int expected = direction;
        if (vertical && stickX != 0) expected = stickX < 0 ? kLeft : kRight;
        if (!vertical && stickY != 0) expected = stickY < 0 ? kUp : kDown;
        int turned = static_cast<int>(player(0, 5));
        EXPECT_EQ(turned, expected) << "moving " << direction << " stick " << stickX << "," << stickY;
        EXPECT_NE(turned, opposite[direction]);
        EXPECT_GT(player(0, 99), 0);
      }
    }
  }
  app->p_LoadGame_A();
  app->m_pad[0] = -1;
  place(0, 20, 10, kUp);
  keyboardStick(0.2f, 0);  // inside the dead zone
  moveFrame();
  EXPECT_EQ(player(0, 5), kUp);
}

TEST_F(AnacondaArenaTest, WallsAndBodiesKill) {
  place(0, 1, 10, kLeft);  // the wall at x = 0 is next
  place(1, 20, 12, kRight);
  cell(21, 12, 0) = 3;  // another snake's body
  cell(21, 12, 1) = 50;
  place(2, 20, 2, kUp);  // 19 free cells to the right: lives
  moveFrame();
  EXPECT_EQ(player(0, 99), 0);
  EXPECT_EQ(player(1, 99), 0);
  EXPECT_GT(player(2, 99), 0);
  EXPECT_NE(cell(0, 10, 0), 1.0f) << "a dead snake's head is not written over the wall";
}

TEST_F(AnacondaArenaTest, HeadOnMeetingGoesToTheLowerNumberedSnake) {
  place(0, 10, 10, kRight);
  place(1, 12, 10, kLeft);
  moveFrame();
  EXPECT_GT(player(0, 99), 0);
  EXPECT_EQ(player(1, 99), 0);
  EXPECT_EQ(cell(11, 10, 0), 1.0f);
}

TEST_F(AnacondaArenaTest, EatingAPillGrowsTheSnake) {
  place(0, 10, 10, kRight);
  cell(11, 10, 0) = 20;
  cell(11, 10, 1) = 2400;
  float length = player(0, 21);
  moveFrame();
  EXPECT_EQ(player(0, 21), length + 40);
  EXPECT_EQ(cell(11, 10, 0), 1.0f);
  EXPECT_EQ(cell(11, 10, 1), length);
}

TEST_F(AnacondaArenaTest, NeverMoreThanEightPillsAndUneatenOnesExpire) {
  // With the snakes gone the board belongs to the pills.
  for (int p = 0; p < 4; ++p) player(p, 99) = 0;
  app->m_introTimer = 0;
  int mostPills = 0;
  for (int frame = 0; frame < 3000; ++frame) {
    app->p_Game_A();
    int pills = 0;
    for (int x = 0; x <= 40; ++x)
      for (int y = 0; y <= 20; ++y) pills += cell(x, y, 0) == 20;
    mostPills = std::max(mostPills, pills);
    ASSERT_LE(pills, 8) << "frame " << frame;
  }
  EXPECT_EQ(mostPills, 8);

  app->p_LoadGame_A();
  for (int p = 0; p < 4; ++p) player(p, 99) = 0;
  app->m_introTimer = 0;
  player(0, 31) = 8;  // last frame's count: the board counts as full, nothing sprouts
  cell(5, 5, 0) = 20;
  cell(5, 5, 1) = 2;
  app->p_Game_A();
  EXPECT_EQ(cell(5, 5, 0), 20.0f);
  player(0, 31) = 8;
  app->p_Game_A();
  EXPECT_EQ(cell(5, 5, 0), 0.0f) << "a pill vanishes when its life runs out";
}

TEST_F(AnacondaArenaTest, NothingMovesDuringTheCountdown) {
  app->m_pad[0] = -1;
  keyboardStick(0, -1);
  float headX = player(0, 3), headY = player(0, 4), direction = player(0, 5);
  for (int frame = 0; frame < 150; ++frame) {
    player(0, 20) = 6;
    app->p_Game_A();
  }
  EXPECT_EQ(player(0, 3), headX);
  EXPECT_EQ(player(0, 4), headY);
  EXPECT_EQ(player(0, 5), direction) << "no stick is read during the countdown";
  EXPECT_EQ(cell(static_cast<int>(headX), static_cast<int>(headY), 0), 1.0f) << "heads stay drawn";
}

TEST_F(AnacondaArenaTest, RoundEndsSixtyOneFramesAfterTheLastButOneDies) {
  app->m_introTimer = 0;
  for (int p = 1; p < 4; ++p) player(p, 99) = 0;
  int frames = 0;
  while (!app->m_roundOver && frames < 1000) {
    player(0, 20) = 1;  // keep the survivor still
    app->p_Game_A();
    ++frames;
  }
  EXPECT_EQ(frames, 61);
}
