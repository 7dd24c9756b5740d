// Quartz Rocks played frame by frame: a rock kills only inside its contact box. Whole
// rounds and computer play are left to the rounds test, which sets computers against an
// idle seat.
#include "tests/game/minigames/minigame_fixture.h"

namespace {

const int kAlive = 99;
const float kGround = 480 - 32;

class QuartzRocksTest : public MinigameTest {
 protected:
  void SetUp() override { startRound(&c_MyApp::p_LoadGame_Q, &c_MyApp::p_Game_Q, 5); }
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
    startRound(&c_MyApp::p_LoadGame_Q, &c_MyApp::p_Game_Q);
    player(0, kAlive) = c.alive;
    object(0, 1) = player(0, 1) + c.dx, object(0, 2) = kGround + c.dy, object(0, 3) = 0;  // rock 0, held still
    frames(1);
    int sparks = 0;
    for (int i = 0; i <= 250; ++i) sparks += app->m_particles[i * 10] > 0;
    EXPECT_EQ(player(0, kAlive) > 0, !c.out && c.alive > 0);
    EXPECT_EQ(sparks, c.out ? 42 : 0);
  }
}

}  // namespace
