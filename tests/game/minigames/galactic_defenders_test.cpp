// Galactic Defenders played frame by frame: one shot per press, and what shots and bombs
// hit, down to the round's end.
#include <algorithm>
#include <string>
#include <vector>

#include "tests/game/minigames/minigame_fixture.h"

namespace {

const int kAlive = 99;
const float kShipY = 448;  // 32 above the bottom of a 480-high screen

class GalacticDefendersTest : public MinigameTest {
 protected:
  void SetUp() override { startRound(&c_MyApp::p_LoadGame_G, &c_MyApp::p_Game_G); }
  float& alien(int a, int field) { return app->m_grid[a * 20 + field]; }
  void place(int slot, float kind, float x, float y) { setObject(slot, {kind, x, y}); }
  // One frame with every bomb taken away afterwards, so the ships live on.
  void frameWithoutBombs() {
    app->p_Game_G();
    for (int i = 0; i <= 100; ++i)
      if (object(i, 0) >= 10) object(i, 0) = 0;
  }
  // Shots the player fired this frame (they have risen once already).
  int newShots(int p) {
    int count = 0;
    for (int i = 0; i <= 100; ++i) count += object(i, 0) == p + 1 && object(i, 2) == kShipY - 5;
    return count;
  }
};

}  // namespace

// Fire A held (H) fires once, each new press at once; the computer beside it waits at
// least 9 frames between shots.
TEST_F(GalacticDefendersTest, EachPressFiresOnceAndComputersPaceTheirShots) {
  seats(-1, 0, -2, -2);
  const std::string presses = "HHHHHHHHHHHHHHHHHHHH.H.H.HH..H";
  std::vector<int> computerShots;
  for (int frame = 0; frame < 600; ++frame) {
    bool held = frame < 30 && presses[frame] == 'H';
    held ? hold(kFireAKey) : release(kFireAKey);
    app->p_DoControls();
    frameWithoutBombs();
    bool newPress = held && (frame == 0 || presses[frame - 1] != 'H');
    EXPECT_EQ(newShots(0), newPress ? 1 : 0) << "frame " << frame;
    if (newShots(1)) computerShots.push_back(frame);
  }
  ASSERT_GE(computerShots.size(), 20u);
  for (size_t n = 1; n < computerShots.size(); ++n) EXPECT_GE(computerShots[n] - computerShots[n - 1], 9);
}

TEST_F(GalacticDefendersTest, ShotsDownAliensBombsDownShipsAndTheRoundEnds) {
  // An alien dropped in eases down to its row (y 70) in whole pixels, then patrols.
  const float record[16] = {2, 200, -128, 2, 0, 0, 0, 0, 0, 0, 0, 200, 70, 0, 1, 1000};
  std::copy(record, record + 16, &alien(0, 0));
  int frames = 0;
  for (; alien(0, 2) != 70 && frames < 100; ++frames) frameWithoutBombs();
  EXPECT_LT(frames, 100) << "stuck at y = " << alien(0, 2);
  frameWithoutBombs();
  EXPECT_EQ(alien(0, 1), 204) << "it patrols once in its row";

  // Yellow's shot on it scores for Yellow and is spent.
  place(5, 3, alien(0, 1) + 10, 80);
  app->p_Game_G();
  EXPECT_EQ(alien(0, 0), 0);
  EXPECT_EQ(player(2, 95), 1);
  EXPECT_EQ(object(5, 0), 0);

  // A bomb on the last ship: it is out, and the round ends 61 frames later.
  for (int p = 1; p < 4; ++p) player(p, kAlive) = 0;
  place(60, 10, player(0, 1) + 10, kShipY - 6);
  app->p_Game_G();
  EXPECT_EQ(player(0, kAlive), 0);
  for (frames = 1; !app->m_roundOver && frames < 200; ++frames) app->p_Game_G();
  EXPECT_EQ(frames, 62);
}
