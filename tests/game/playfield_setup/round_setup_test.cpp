// The common reset before every round: nothing of the last round is left over, while the
// games' own counters past the shared rows are deliberately kept.
#include <gtest/gtest.h>

#include "game/shell/my_app.h"

namespace {

void Fill(Array<float>& table, float value) {
  for (int i = 0; i < table.Length(); ++i) table[i] = value;
}

}  // namespace

TEST(RoundSetup, FreshGameClearsTheLastRound) {
  c_MyApp app;
  Fill(app.m_players, 7);
  Fill(app.m_objects, 7);
  Fill(app.m_grid, 7);
  Fill(app.m_particles, 7);
  app.m_paused = 1;
  app.m_roundOver = 1;
  app.m_gameOverTimer = 55;
  app.m_leader = 2;
  app.m_camX = app.m_camY = app.m_camTargetX = app.m_camTargetY = 12;
  app.m_particleLimit = 400;

  app.p_FreshGame();

  for (int i = 0; i <= 1000; ++i) {
    float expected = (i == 199 || i == 299 || i == 399 || i == 499) ? 3 : 0;
    ASSERT_EQ(app.m_players[i], expected) << "player index " << i;
  }
  // Past index 1000 the games keep their own counters; the reset leaves them.
  EXPECT_EQ(app.m_players[1001], 7);
  for (int i = 0; i <= 5000; ++i) ASSERT_EQ(app.m_objects[i], 0) << "object index " << i;
  EXPECT_EQ(app.m_objects[5001], 7);
  for (int i = 0; i < app.m_grid.Length(); i += 9973) ASSERT_EQ(app.m_grid[i], 0) << i;
  EXPECT_EQ(app.m_grid[app.m_grid.Length() - 1], 0);
  EXPECT_EQ(app.m_particleLimit, 250);
  for (int slot = 0; slot <= 250; ++slot) ASSERT_EQ(app.m_particles[slot * 10], 0) << slot;
  EXPECT_EQ(app.m_particles[251 * 10], 7) << "slots past the limit are not touched";
  EXPECT_EQ(app.m_starCount, 100);
  EXPECT_EQ(app.m_paused, 0);
  EXPECT_EQ(app.m_roundOver, 0);
  EXPECT_EQ(app.m_gameOverTimer, 0);
  EXPECT_EQ(app.m_touchDelay, 10);
  EXPECT_EQ(app.m_leader, -1);
  EXPECT_EQ(app.m_camX + app.m_camY + app.m_camTargetX + app.m_camTargetY, 0);
}

