// Virus Vengeance played frame by frame: where new viruses come from and how many crawl
// at once, and what a virus does to the turret it reaches, down to the round's end.
#include <algorithm>

#include "tests/game/minigames/minigame_fixture.h"

namespace {

const int kAlive = 99;
const int kSlots = 55;
const float kArenaW = 640 - 96;
const float kScreenH = 480;

class VirusVengeanceTest : public MinigameTest {
 protected:
  void SetUp() override {
    startRound(&c_MyApp::p_LoadGame_V, &c_MyApp::p_Game_V);
    player(0, kSlots) = 0;  // no virus comes unless a test lets it
  }
  float& virus(int v, int field) { return app->m_grid[v * 1000 + field]; }
  // A virus at (x, y) that never turns, its whole body gathered on its head.
  void place(int v, float x, float y, float heading, float speed) {
    const float fields[7] = {8, x, y, speed, 0, heading, heading};
    std::copy(fields, fields + 7, &virus(v, 0));
    for (int point = 0; point < 206; ++point) std::copy(fields + 1, fields + 3, &virus(v, 10 + 4 * point));
  }
  // One frame; returns how many virus segments it drew.
  int frame() {
    app->m_drawCount = 0;
    app->p_Game_V();
    int segments = 0;
    for (int at = 0; at < app->m_drawCount; at += 15)
      segments += app->m_drawList[at] == 0 && app->m_drawList[at + 6] == 56;
    return segments;
  }
};

}  // namespace

TEST_F(VirusVengeanceTest, VirusesComeFromOffScreenOneSlotMoreForEveryFourth) {
  player(0, kSlots) = 1;
  int spawns = 0, mostAtOnce = 0;
  for (int n = 0; n < 20000 && (mostAtOnce < 10 || spawns < 40); ++n) {
    float lengths[10];
    for (int v = 0; v < 10; ++v) lengths[v] = virus(v, 0);
    for (int p = 0; p < 4; ++p) player(p, kAlive) = 3;
    frame();
    int crawling = 0;
    for (int v = 0; v < 10; ++v) {
      crawling += virus(v, 0) > 0;
      if (lengths[v] > 0 || virus(v, 0) == 0) continue;
      EXPECT_LT(v, std::min(10.0f, 1 + 0.25f * spawns)) << "virus " << v << " before its slot opened";
      ++spawns;
      // It started more than 64 outside the arena and has crawled at most 2.5 since.
      float x = virus(v, 1), y = virus(v, 2);
      EXPECT_TRUE(x < -61.5f || y < -61.5f || x > kArenaW + 61.5f || y > kScreenH + 61.5f) << x << ", " << y;
    }
    mostAtOnce = std::max(mostAtOnce, crawling);
  }
  EXPECT_EQ(mostAtOnce, 10);
  EXPECT_EQ(player(0, kSlots), 10) << "no more than ten slots after " << spawns << " spawns";
}

TEST_F(VirusVengeanceTest, AVirusTakesOutTheTurretItReachesAndTheRoundEnds) {
  for (int p = 0; p < 3; ++p) player(p, kAlive) = 0;
  place(0, player(3, 1) + 15, player(3, 2) - 21, 180, 3);
  EXPECT_TRUE(frame() > 0 && player(3, kAlive) == 3) << "not within reach yet";
  EXPECT_EQ(frame(), 0) << "the virus vanishes at once";
  EXPECT_EQ(player(3, kAlive), 0);
  EXPECT_EQ(virus(0, 0), 0);
  int frames = 1;
  for (; !app->m_roundOver && frames < 200; ++frames) frame();
  EXPECT_EQ(frames, 62);
}
