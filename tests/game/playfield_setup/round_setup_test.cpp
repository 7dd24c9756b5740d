// The common reset before every round and the default round: what is cleared and what
// is deliberately left, and where the four players start on different screen shapes.
#include <gtest/gtest.h>

#include <string>

#include "game/shell/my_app.h"
#include "game/shell/virtual_screen.h"

namespace {

class ScreenSize {
 public:
  ScreenSize(float w, float h) : m_w(zr_TinselJumble_jscrw), m_h(zr_TinselJumble_jscrh) {
    zr_TinselJumble_jscrw = w;
    zr_TinselJumble_jscrh = h;
  }
  ~ScreenSize() {
    zr_TinselJumble_jscrw = m_w;
    zr_TinselJumble_jscrh = m_h;
  }

 private:
  float m_w, m_h;
};

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

TEST(RoundSetup, DefaultRoundStartsThePlayersAroundThePlayAreaCentre) {
  struct Case {
    float screenW, screenH;
    int left, right, top, bottom;
  };
  const Case cases[] = {
      {640, 480, 240, 304, 208, 272},
      {640, 360, 240, 304, 148, 212},
      {641, 361, 240, 304, 148, 212},  // half pixels are cut off
      {853, 480, 346, 410, 208, 272},
  };
  for (const Case& c : cases) {
    ScreenSize screen(c.screenW, c.screenH);
    std::string label = std::to_string(c.screenW) + "x" + std::to_string(c.screenH);
    c_MyApp app;
    app.m_introTimer = 3;
    app.p_LoadGame();
    const int expected[4][2] = {
        {c.left, c.top}, {c.right, c.bottom}, {c.left, c.bottom}, {c.right, c.top}};
    int slot = static_cast<int>(c.screenH / 5);
    for (int p = 0; p < 4; ++p) {
      const float* row = app.m_players.Data() + p * 100;
      EXPECT_EQ(row[1], expected[p][0]) << label << " player " << p;
      EXPECT_EQ(row[2], expected[p][1]) << label << " player " << p;
      EXPECT_EQ(row[93], expected[p][0]) << label << " player " << p;
      EXPECT_EQ(row[94], expected[p][1]) << label << " player " << p;
      EXPECT_EQ(row[91], zr_TinselJumble_jscrw - 48) << label << ": the icon sets off from its panel slot";
      EXPECT_EQ(row[92], slot / 2 + (p + 1) * slot) << label;
      EXPECT_EQ(row[99], 3) << label;
    }
    EXPECT_EQ(app.m_gridW, 40) << label;
    EXPECT_EQ(app.m_gridH, 22) << label;
    EXPECT_EQ(app.m_panelWidth, 96) << label;
    EXPECT_EQ(app.m_introTimer, 160) << label;
    EXPECT_EQ(app.m_mode, 10) << label;
  }
}
