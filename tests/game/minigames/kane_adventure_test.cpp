// Kane Adventure frame by frame: jump length and the fire latch, and which cacti touch a
// runner. Whole rounds, their end and the computers' play are checked by the rounds test.
#include <vector>

#include "tests/game/minigames/minigame_fixture.h"

namespace {

class KaneAdventureTest : public MinigameTest {
 protected:
  // Play at a steady speed on bare ground that stays bare, nobody at the controls; after
  // the next frame the scroll offset is `offset`.
  void start(float speed, float offset = -100) {
    startRound(&c_MyApp::p_LoadGame_K, &c_MyApp::p_Game_K);
    for (int c = 0; c < 400; ++c) app->m_grid[c] = 0;
    for (int p = 0; p < 4; ++p) player(p, 9) = 1000;
    player(0, 55) = speed;
    player(0, 57) = offset + speed;
  }
};

// Fire is held on frames 0 .. held - 1 but the gap. Counting the press, a runner lands on
// frame 180 / speed; held fire jumps again on landing only after a release; nobody jumps
// in the countdown.
TEST_F(KaneAdventureTest, JumpsLastHalfATurnOfArcAndNeedAFreshPress) {
  struct Case { float speed; int countdown, held, gap; std::vector<int> takeOffs, landings; };
  const Case cases[] = {{4, 0, 1, -1, {0}, {44}},          {9, 0, 1, -1, {0}, {19}},
                        {12, 0, 1, -1, {0}, {14}},         {6, 0, 90, -1, {0}, {29}},
                        {6, 0, 90, 10, {0, 29}, {29, 58}}, {6, 20, 90, -1, {20}, {49}}};
  for (const Case& c : cases) {
    start(c.speed);
    seats(-1, -2, -2, -2);
    app->m_introTimer = c.countdown;
    std::vector<int> takeOffs, landings;
    for (int frame = 0; frame < 90; ++frame) {
      float before = player(0, 5);
      app->m_controls[kKeyboardControls + 7] = frame < c.held && frame != c.gap;
      frames(1);
      if (before > 0 && player(0, 5) < before) landings.push_back(frame);
      if (player(0, 5) == c.speed) takeOffs.push_back(frame);
    }
    SCOPED_TRACE(testing::Message() << "speed " << c.speed << ", countdown " << c.countdown << ", gap " << c.gap);
    EXPECT_EQ(takeOffs, c.takeOffs);
    EXPECT_EQ(landings, c.landings);
  }
}

// A runner at 64 dies to a cactus closer than 24 while lower than 32 (arc within 14.5
// degrees of the ground); lane p's ground x is stretched by 2.5% a lane.
TEST_F(KaneAdventureTest, CactusTouchesOnlyWithinReachAndBelowClearance) {
  const float cases[][4] = {  // lane, cactus ground x, jump angle, alive after
      {0, 64, 0, 0},  {0, 40, 0, 1},  {0, 40.5f, 0, 0}, {0, 88, 0, 1},   {0, 87.5f, 0, 0}, {0, 64, 14, 0},
      {0, 64, 15, 1}, {0, 64, 165, 1}, {0, 64, 166, 0}, {3, 84, 0, 1},   {3, 80, 0, 0},    {3, 39, 0, 0}};
  for (const auto& c : cases) {
    int lane = static_cast<int>(c[0]);
    start(4, c[1] - 128);
    app->m_grid[lane * 100 + 8] = 1;  // drawn 4 cells from the offset
    player(lane, 5) = c[2];
    frames(1);
    EXPECT_EQ(player(lane, 99) > 0, c[3] == 1) << "lane " << lane << ", cactus at " << c[1] << ", angle " << c[2];
  }
}

}  // namespace
