// Missile Mayhem frame by frame: launchers are placed apart and a small screen cannot
// hang the placement; shells land where aimed and hit every standing launcher in the
// blast; only standing launchers fire, and a computer left alone holds its fire.
#include <algorithm>
#include <cmath>

#include "game/shell/virtual_screen.h"
#include "tests/game/minigames/minigame_fixture.h"

namespace {

// A round in play with every launcher standing in a row along the top; seat 0 has the
// given source and nobody steers the others.
class MissileMayhemTest : public MinigameTest {
 protected:
  void start(int seat0) {
    startRound(&c_MyApp::p_LoadGame_Missile, &c_MyApp::p_Game_Missile);
    seats(seat0, -2, -2, -2);
    for (int p = 0; p < 4; ++p) place(p, 60 + 120 * p, 40);
  }
  void place(int p, float x, float y, float phase = 90) {
    player(p, 1) = x, player(p, 2) = y, player(p, 9) = phase, player(p, 8) = 0;
  }
  float apart(int p, float x, float y) { return std::max(std::fabs(player(p, 1) - x), std::fabs(player(p, 2) - y)); }
};

TEST_F(MissileMayhemTest, LaunchersArePlacedApartAndASmallScreenCannotHangThePlacement) {
  const float screens[][3] = {{640, 480, 1}, {640, 360, 1}, {320, 480, 1}, {236, 120, 0}, {80, 60, 0}};
  for (const auto& screen : screens) {  // width, height, whether four fit 64 apart
    zr_TinselJumble_jscrw = screen[0], zr_TinselJumble_jscrh = screen[1];
    for (int seed = 1; seed <= 20; ++seed) {
      zr_random_Seed = seed;
      app->p_LoadGame_Missile();
      for (int p = 0; p < 4; ++p) {
        SCOPED_TRACE(testing::Message() << screen[0] << "x" << screen[1] << " seed " << seed);
        EXPECT_TRUE(player(p, 1) >= 0 && player(p, 1) <= std::max(screen[0] - 96, 0.0f));
        for (int q = 0; q < p && screen[2] != 0; ++q) EXPECT_GE(apart(p, player(q, 1), player(q, 2)), 64);
      }
    }
  }
  // A hit launcher moves 64 away from the others and from its own old place.
  zr_TinselJumble_jscrw = 640, zr_TinselJumble_jscrh = 480;
  start(-2);
  for (int again = 0; again < 20; ++again) {
    float oldX = player(1, 1), oldY = player(1, 2);
    app->p_AddMissile(1);
    for (int q : {0, 2, 3}) EXPECT_GE(apart(1, player(q, 1), player(q, 2)), 64);
    EXPECT_GE(apart(1, oldX, oldY), 64);
  }
}

// Red fires from (100, 240); the shell comes down 120 frames later aim x 4.8 pixels away
// and hits every launcher standing within 30 x 14 of it, Red included.
TEST_F(MissileMayhemTest, ShellsLandWhereAimedAndHitEveryStandingLauncherInTheBlast) {
  struct Shot {
    float aimX, aimY;
    float others[3][4];  // launchers 1..3: x, y from the landing, phase as it lands, lives
    float livesAfter[4];
  };
  const Shot shots[] = {
      {0, 0, {{200, 0, 90, 3}, {-200, 0, 90, 3}, {0, 200, 90, 3}}, {2, 3, 3, 3}},
      {25, 0, {{28, 12, 90, 3}, {31, 0, 90, 3}, {0, -5, 50, 3}}, {3, 2, 3, 3}},
      {-10, 20, {{-10, 5, 90, 3}, {20, -10, 90, 3}, {0, 15, 90, 3}}, {3, 2, 2, 3}},
      {25, -25, {{0, 0, 130, 2}, {5, 5, 90, 1}, {-29, -13, 90, 3}}, {3, 2, 0, 2}},
  };
  for (const Shot& shot : shots) {
    start(-1);
    place(0, 100, 240);
    player(0, 5) = shot.aimX, player(0, 6) = shot.aimY;
    float landX = 100 + shot.aimX * 4.8f, landY = 240 + shot.aimY * 4.8f;
    for (int q = 1; q < 4; ++q) place(q, landX + shot.others[q - 1][0], landY + shot.others[q - 1][1]);
    for (int q = 1; q < 4; ++q) player(q, 99) = shot.others[q - 1][3];
    hold(kFireAKey);
    frames(119);
    SCOPED_TRACE(testing::Message() << "aim " << shot.aimX << "," << shot.aimY);
    EXPECT_GT(player(0, 10), 0) << "still in the air";
    for (int q = 1; q < 4; ++q) player(q, 9) = shot.others[q - 1][2];
    frames(1);
    release(kFireAKey);
    EXPECT_EQ(player(0, 10), 0);
    EXPECT_LT(std::hypot(player(0, 21) - landX, player(0, 22) - landY), 0.01f) << "where it came down";
    for (int q = 0; q < 4; ++q) EXPECT_EQ(player(q, 99), shot.livesAfter[q]) << "launcher " << q;
  }
}

// Red on the keyboard fires only when it stands, presses fire A afresh and the countdown
// is over; letting go frees the latch. A computer ready to fire holds its fire while it
// was the only launcher left, and the round ends 31 frames after that.
TEST_F(MissileMayhemTest, OnlyStandingLaunchersFireAndNeverTheLastOne) {
  const float cases[][6] = {
      // phase, countdown, latch, fire A held; fired, latch after
      {90, 0, 0, 1, 1, 1}, {50, 0, 0, 1, 0, 0}, {130, 0, 0, 1, 0, 0},
      {90, 5, 0, 1, 0, 0}, {90, 0, 1, 1, 0, 1}, {90, 0, 1, 0, 0, 0},
  };
  for (const auto& c : cases) {
    start(-1);
    place(0, 100, 240, c[0]);
    player(0, 5) = 20, player(0, 8) = c[2];
    app->m_introTimer = static_cast<int>(c[1]);
    if (c[3] != 0) hold(kFireAKey);
    frames(1);
    release(kFireAKey);
    EXPECT_EQ(player(0, 10) > 0, c[4] != 0) << "phase " << c[0] << " countdown " << c[1] << " latch " << c[2];
    EXPECT_EQ(player(0, 8), c[5]);
  }
  for (int others : {1, 0}) {
    start(0);
    player(0, 5) = 30;
    for (int q = others + 1; q < 4; ++q) player(q, 99) = 0, player(q, 9) = 91;  // as a last hit leaves them
    int played = 0;
    for (; played < 600 && app->m_roundOver == 0 && player(0, 10) == 0; ++played) frames(1);
    EXPECT_EQ(player(0, 10) > 0, others != 0) << "fired with " << others << " other launcher";
    if (others != 0) {
      EXPECT_EQ(player(0, 20), 1) << "at the one standing player";
    } else {
      EXPECT_EQ(played, 31);
    }
  }
}

}  // namespace
