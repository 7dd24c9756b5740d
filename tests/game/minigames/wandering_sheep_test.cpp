// Wandering Sheep played frame by frame: falling only into the sea, grass worn to cracks
// and cracks to sea, and the bleat's reach and recovery.
#include "tests/game/minigames/minigame_fixture.h"

namespace {

const int kColumns = 32;
const int kGround = 0, kGrass = 1, kCrackTimer = 2;
const int kSea = 0, kMeadow = 1, kCracking = 2;
const int kX = 1, kY = 2, kHeading = 3, kWillTimer = 5, kMood = 6, kKnockX = 7;
const int kBleatTimer = 9, kStartle = 10, kScore = 95, kAlive = 99;
const int kGraze = 1;

class WanderingSheepTest : public MinigameTest {
 protected:
  void SetUp() override {
    startRound(&c_MyApp::p_LoadGame_W, &c_MyApp::p_Game_W, 7);
    // Every sheep grazes where it stands until a test moves it.
    for (int p = 0; p < 4; ++p) player(p, kMood) = kGraze, player(p, kWillTimer) = 100000;
  }
  float& cell(int x, int y, int field) { return app->m_grid[(x + y * kColumns) * 10 + field]; }
  void place(int p, float tileX, float tileY) {
    player(p, kX) = app->m_gridX + (tileX + 0.5f) * app->m_tileSize;
    player(p, kY) = app->m_gridY + (tileY + 0.5f) * app->m_tileSize;
  }
};

TEST_F(WanderingSheepTest, SheepFallsOnlyIntoTheSeaAndStopsScoring) {
  struct Case { const char* what; int ground; float tileX; bool falls; } cases[] = {
      {"on grass", kMeadow, 16, false},
      {"on a cracked tile", kCracking, 16, false},
      {"over the sea", kSea, 16, true},
      {"off the grid", kMeadow, -2, true},
  };
  for (const Case& c : cases) {
    SetUp();
    cell(16, 12, kGround) = static_cast<float>(c.ground);
    cell(16, 12, kCrackTimer) = 45;
    place(0, c.tileX, 12);
    frames(1);
    EXPECT_EQ(player(0, kAlive) <= 0, c.falls) << c.what;
    frames(30);
    EXPECT_EQ(player(0, kScore), c.falls ? 0 : 31) << c.what;
  }
}

TEST_F(WanderingSheepTest, GrassWearsToCracksAndCracksFallIntoTheSea) {
  // An inland tile: grazed by a sheep, left alone, or bare.
  struct Case { const char* what; bool grazed; float grass; int frames; int ground; float grassAfter; } cases[] = {
      {"grazing eats 0.4 a frame", true, 50, 10, kMeadow, 46},
      {"the sea does not reach inland", false, 50, 300, kMeadow, 50},
      {"bare earth cracks", false, 0, 1, kCracking, 0},
      {"a crack holds for 45 frames", false, 0, 45, kCracking, 0},
      {"then it falls", false, 0, 46, kSea, 0},
  };
  for (const Case& c : cases) {
    SetUp();
    cell(16, 12, kGrass) = c.grass;
    if (c.grazed) place(0, 16, 12);
    frames(c.frames);
    EXPECT_EQ(cell(16, 12, kGround), c.ground) << c.what;
    EXPECT_NEAR(cell(16, 12, kGrass), c.grassAfter, 0.01f) << c.what;
  }
  // The shore is worn from the start: the westmost tile of the middle row.
  SetUp();
  int shore = 0;
  while (cell(shore, 12, kGround) != kMeadow) ++shore;
  float before = cell(shore, 12, kGrass);
  frames(60);
  EXPECT_LT(cell(shore, 12, kGrass), before);
}

TEST_F(WanderingSheepTest, BleatStartlesSheepInReachAndMustRecover) {
  struct Case { float tilesAway; bool startled; } cases[] = {{1.5f, true}, {3.5f, true}, {3.7f, false}};
  hold(kFireAKey);
  for (const Case& c : cases) {
    SetUp();
    seats(-1, -2, -2, -2);
    place(0, 14, 12);
    place(1, 14 + c.tilesAway, 12);
    frames(1);
    EXPECT_EQ(player(1, kStartle) > 0, c.startled) << c.tilesAway;
    EXPECT_EQ(player(1, kKnockX) > 0, c.startled) << c.tilesAway << " tiles: knocked away from the bleater";
    if (c.startled) {
      EXPECT_NEAR(player(1, kHeading), 90, 0.01f) << "it bolts away";
    }
  }
  // Held through the recovery it does not bleat again; let go and pressed, it does.
  frames(199);
  EXPECT_EQ(player(0, kBleatTimer), 0);
  release(kFireAKey);
  frames(1);
  hold(kFireAKey);
  frames(1);
  EXPECT_EQ(player(0, kBleatTimer), 179);
  release(kFireAKey);
}

}  // namespace
