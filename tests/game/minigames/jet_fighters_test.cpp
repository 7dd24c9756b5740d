// Jet Fighters played frame by frame: flight round the wrapping sky, whom a bullet hurts
// and the computer pilots' choice of target. Whole rounds, their end and the computers'
// play are checked by the rounds test.
#include "tests/game/minigames/minigame_fixture.h"

namespace {

const float kSkyW = 640 - 96;

class JetFightersTest : public MinigameTest {
 protected:
  // A round under way with only Red flying, at (x, y) with the given heading.
  void redAlone(int redSource, float x, float y, float heading) {
    startRound(&c_MyApp::p_LoadGame_J, &c_MyApp::p_Game_J);
    seats(redSource, -2, -2, -2);
    for (int p = 1; p < 4; ++p) player(p, 99) = 0;
    player(0, 1) = x, player(0, 2) = y, player(0, 5) = heading;
  }
  int liveParticles() {
    int live = 0;
    for (int slot = 0; slot <= app->m_particleLimit; ++slot) live += app->m_particles[slot * 10] > 0;
    return live;
  }
};

}  // namespace

TEST_F(JetFightersTest, FlightTurnsAndWrapsRoundTheSky) {
  struct Case { float x, y, heading, stick, wantX, wantY, wantHeading; };
  const Case cases[] = {
      {100, 100, 180, 1, 100, 102.5f, -176},  // past 180 comes round to -176
      {100, 100, -178, -1, 99.93f, 102.5f, 178},
      {9, 200, -90, 0, 7 + kSkyW - 16, 200, -90},          // off the left edge
      {300, 471, 180, 0, 300, 473.5f - (480 - 16), 180},  // off the bottom
  };
  for (const Case& c : cases) {
    redAlone(-1, c.x, c.y, c.heading);
    keyboardStick(c.stick, 0);
    app->p_Game_J();
    SCOPED_TRACE(testing::Message() << "from " << c.x << "," << c.y << " heading " << c.heading);
    EXPECT_NEAR(player(0, 1), c.wantX, 0.01f);
    EXPECT_NEAR(player(0, 2), c.wantY, 0.01f);
    EXPECT_NEAR(player(0, 5), c.wantHeading, 0.01f);
  }
}

// Red climbs straight up from (10, 200), so it is at (10, 197.5) when the bullets move.
// A bullet that hits is used up and throws 5 particles, 41 more when the plane falls.
TEST_F(JetFightersTest, BulletsHurtEveryPlaneButTheirOwner) {
  struct Case { const char* what; int owner; float bulletX, speedX, health, wantHealth; int wantParticles; };
  const Case cases[] = {
      {"another plane's bullet", 2, 21, 0, 100, 90, 5},
      {"just out of reach", 2, 22, 0, 100, 100, 0},
      {"its own bullet after wrapping", 1, kSkyW - 13, 6, 100, 100, 0},
      {"another's after wrapping", 3, kSkyW - 13, 6, 100, 90, 5},
      {"the tenth hit", 4, 10, 0, 10, 0, 5 + 41},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    redAlone(-2, 10, 200, 0);
    player(0, 99) = c.health;
    setObject(0, {static_cast<float>(c.owner), c.bulletX, 197.5f, c.speedX, 0, 0, 0, 60});
    app->p_Game_J();
    EXPECT_EQ(player(0, 99), c.wantHealth);
    EXPECT_EQ(object(0, 0), c.wantHealth < c.health ? 0 : c.owner);
    EXPECT_EQ(liveParticles(), c.wantParticles);
  }
}

// Whatever the seed, a computer pilot's target is always one of the other planes: from
// the set-up, through random switches and after its target is shot down.
TEST_F(JetFightersTest, ComputersNeverTargetThemselves) {
  for (uint32_t seed : {1u, 2u, 3u, 4u, 5u}) {
    zr_random_Seed = seed;
    app->p_LoadGame_J();
    seats(0, 0, 0, 0);
    for (int frame = 0; frame < 3000 && !app->m_roundOver; ++frame) {
      for (int p = 0; p < 4; ++p) {
        int target = static_cast<int>(player(p, 20)) - 1;
        ASSERT_TRUE(player(p, 99) <= 0 || (target >= 0 && target < 4 && target != p))
            << "seed " << seed << " frame " << frame << " plane " << p << " targets " << target;
      }
      app->p_Game_J();
    }
  }
}
