// Bumpy Bugs played frame by frame: bumps need speed and two bugs on the board, a bug
// past the edge falls and drops back in until its last life parks it for good, and the
// game triples its pace once no human's bug is left.
#include <cmath>

#include "tests/game/minigames/minigame_fixture.h"

namespace {

// The board's centre and fall-off distance on the 640 x 480 screen.
const float kCentreX = 272, kCentreY = 240, kEdge = 268;

class BumpyBugsTest : public MinigameTest {
 protected:
  void SetUp() override {
    startRound(&c_MyApp::p_LoadGame_B, &c_MyApp::p_Game_B);
    // Everyone far apart and still, unless a test says otherwise.
    for (int p = 0; p < 4; ++p) place(p, kCentreX - 90 + 60 * p, kCentreY + 100, 0, 0);
  }
  void place(int p, float x, float y, float vx, float vy) {
    player(p, 1) = x, player(p, 2) = y, player(p, 8) = vx, player(p, 9) = vy;
  }
};

TEST_F(BumpyBugsTest, BumpsNeedSpeedAndTwoBugsOnTheBoard) {
  struct Case {
    const char* what;
    float gapX, gapY, speed, timerA, timerB, wantA, wantB;  // the wants: x velocities after
  } cases[] = {
      {"at rest, touching", 20, 0, 0, 0, 0, 0, 0},
      {"A runs into B", 20, 0, 2, 0, 0, 2 - 2.5f, 2.5f},
      {"B is falling", 20, 0, 2, 0, -5, 2, 0},
      {"B is dropping back in", 20, 0, 2, 0, 10, 2, 0},
      {"23 pixels apart", 23, 0, 2, 0, 0, 2, 0},
      {"within 22 on each axis, 22.6 apart", 16, 16, 2, 0, 0, 2, 0},
  };
  for (const Case& c : cases) {
    place(0, 200, 200, c.speed, 0);
    place(1, 200 + c.gapX, 200 + c.gapY, 0, 0);
    player(0, 97) = c.timerA;
    player(1, 97) = c.timerB;
    app->p_SmashBugs(0, 100, 1.25f);
    EXPECT_NEAR(player(0, 8), c.wantA, 1e-4) << c.what;
    EXPECT_NEAR(player(1, 8), c.wantB, 1e-4) << c.what;
    EXPECT_NEAR(player(1, 9), 0, 1e-4) << c.what;
  }
  place(0, 200, 200, 2, 0);
  app->p_SmashBugs(0, 0, 1.25f);
  app->p_SmashBugs(0, 250, 1.25f);
  EXPECT_EQ(player(0, 8), 2) << "a bug never bumps itself or a row that is no bug";
}

// A computer's bug and a keyboard player's: each fall costs a life and the bug drops back
// in near the middle (a computer steers a little on the way down); the last fall parks
// it off the screen, where it stays, however the stick is held, and scores nothing.
TEST_F(BumpyBugsTest, FallsCostLivesAndTheLastOneParksTheBug) {
  for (int pad : {0, -1}) {
    SetUp();
    seats(pad, -2, -2, -2);
    float landsWithin = pad == 0 ? 144 + 25 : 144;
    for (int lives = 3; lives >= 1; --lives) {
      place(0, kCentreX - kEdge - 5, kCentreY, 0, 0);
      frames();
      EXPECT_EQ(player(0, 99), lives - 1) << "pad " << pad;
      for (int n = 0; n < 400 && player(0, 97) != 0; ++n) frames();
      EXPECT_EQ(player(0, 97), 0) << "pad " << pad;
      if (lives > 1) {
        EXPECT_LE(std::hypot(player(0, 1) - kCentreX, player(0, 2) - kCentreY), landsWithin);
      }
    }
    keyboardStick(1, 1);
    float score = player(0, 95);
    frames(1500);
    EXPECT_LE(player(0, 1), -200) << "pad " << pad;
    EXPECT_LE(player(0, 2), -200) << "pad " << pad;
    EXPECT_EQ(player(0, 95), score) << "a parked bug scores nothing, pad " << pad;
  }
}

// A bug sliding right at 5 across a frame: one update with a human's bug in play, three
// once none is left (a human without lives no longer counts).
TEST_F(BumpyBugsTest, ThreeUpdatesAFrameOnceNoHumanIsLeft) {
  struct Case { const char* what; int fourthSeat; float fourthLives, wantMoved; } cases[] = {
      {"keyboard bug in play", -1, 3, 4.9f},
      {"joystick bug in play", 1, 1, 4.9f},
      {"keyboard bug out of lives", -1, 0, 4.9f + 4.8f + 4.7f},
      {"no human seat", -2, 3, 4.9f + 4.8f + 4.7f},
  };
  for (const Case& c : cases) {
    SetUp();
    seats(-2, -2, -2, c.fourthSeat);
    player(3, 99) = c.fourthLives;
    frames();  // the game learns who is left
    place(0, kCentreX, kCentreY, 5, 0);
    frames();
    EXPECT_NEAR(player(0, 1) - kCentreX, c.wantMoved, 1e-3) << c.what;
  }
}

}  // namespace
