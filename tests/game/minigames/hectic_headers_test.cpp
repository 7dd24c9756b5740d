// Hectic Headers played frame by frame: when a held button jumps, who heads the bomb,
// whom a blast reaches, and how the round ends with one runner left. The rounds test
// plays whole rounds.
#include <cmath>

#include "tests/game/minigames/minigame_fixture.h"

namespace {

const float kFloor = 480 - 32;
const float kRedStartX = 108;  // a fifth of the 544-pixel arena

class HecticHeadersTest : public MinigameTest {
 protected:
  void SetUp() override { startRound(&c_MyApp::p_LoadGame_Header, &c_MyApp::p_Game_Header); }
  float& bomb(int field) { return app->m_players[field]; }
  void placeBomb(float state, float x, float y, float speedY) {
    const float fields[] = {state, x, y, 0, speedY};
    for (int i = 0; i < 5; ++i) bomb(50 + i) = fields[i];
  }
};

}  // namespace

// Fire A or B held from the first frame of the countdown, let go for a few frames in
// between. A jump spends about 48 frames in the air.
TEST_F(HecticHeadersTest, HeldButtonJumpsOnceUntilLetGoOnTheFloor) {
  struct Case { const char* what; int fireSlot, letGoFrom, letGoUntil, jumps; };
  const Case cases[] = {
      {"let go in the air only", 7, 10, 30, 1},
      {"fire B let go on the floor", 8, 60, 65, 2},
  };
  for (const Case& c : cases) {
    app->p_LoadGame_Header();
    seats(-1, -2, -2, -2);
    app->m_controls[kKeyboardControls + 7] = app->m_controls[kKeyboardControls + 8] = 0;
    int jumps = 0;
    for (int frame = 0; frame < 150; ++frame) {
      app->m_controls[kKeyboardControls + c.fireSlot] = frame < c.letGoFrom || frame >= c.letGoUntil;
      app->p_Game_Header();
      jumps += player(0, 4) == -12 + 0.5f;
    }
    EXPECT_EQ(jumps, c.jumps) << c.what;
    EXPECT_GT(app->m_introTimer, 0) << "runners jump during the countdown";
  }
}

// Red in the air above its start, and 16 pixels below its middle the bomb after this
// frame's moves (Red to y 294, the bomb to y 310 unless it is rising). A runner that
// never stepped sideways gives the bomb no drift.
TEST_F(HecticHeadersTest, OnlyARunnerOnTheWayUpHeadsTheBomb) {
  struct Case { const char* what; float redSpeedY, bombDx, bombSpeedY; bool headed; };
  const Case cases[] = {
      {"rising", -6, 0, 1.65f, true},
      {"rising, bomb exactly at the reach", -6, 24, 1.65f, false},
      {"at the top of the jump", -0.5f, 0, 1.65f, false},
      {"under a rising bomb", -6, 0, -2, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SetUp();
    player(0, 2) = 300;
    player(0, 4) = c.redSpeedY;
    placeBomb(1, kRedStartX + c.bombDx, 308, c.bombSpeedY);
    app->p_Game_Header();
    EXPECT_EQ(player(0, 95), c.headed ? 1 : 0);
    if (!c.headed) continue;
    EXPECT_FLOAT_EQ(bomb(54), -(std::fabs((c.redSpeedY + 0.5f) * 0.5f) + 8));
    EXPECT_NEAR(bomb(53), 0, 0.3f);
  }
}

// Red stands just beyond the blast's reach for this frame, Blue just inside it.
TEST_F(HecticHeadersTest, BlastKillsOnlyRunnersStrictlyInsideItsReach) {
  struct Case { const char* what; float state, radius, reach; };
  const Case cases[] = {{"first frame", 3, 0, 4}, {"held", 3, 128, 132}, {"shrinking", 4, 100.5f, 104}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SetUp();
    placeBomb(c.state, 272, kFloor, 0);
    bomb(56) = c.radius;
    bomb(58) = 128;
    player(0, 1) = 272 + c.reach;
    player(1, 1) = 272 - (c.reach - 1);
    app->p_Game_Header();
    EXPECT_EQ(player(0, 99), 1);
    EXPECT_EQ(player(1, 99), 0);
  }
}

// Red is out with two headers; Green stands at the far end of the floor from a bomb that
// has just landed, alone or beside Yellow.
TEST_F(HecticHeadersTest, LastRunnerIsCaughtAndHeadersDecideTheWinner) {
  for (bool yellowIn : {false, true}) {
    SCOPED_TRACE(yellowIn ? "two left" : "one left");
    SetUp();
    player(0, 95) = 2;
    for (int p : {0, 1, 2}) player(p, 99) = 0;
    player(2, 99) = yellowIn ? 1 : 0;
    player(2, 1) = 500;
    player(3, 1) = 528;
    placeBomb(2, 64, kFloor, 0);
    for (int frame = 0; frame < 300 && bomb(50) != 0 && !app->m_roundOver; ++frame) app->p_Game_Header();
    EXPECT_EQ(bomb(58), yellowIn ? 128 : 512);
    EXPECT_EQ(player(3, 99), yellowIn ? 1 : 0);
    EXPECT_EQ(app->m_roundOver, yellowIn ? 0 : 1);
    EXPECT_EQ(app->m_roundPoints[0], 2);
  }
}
