// The application object's shared tables and the drawing toolkit's entries: every table
// has the capacity the games index into, the drawing state follows the optional-argument
// rule, the palette clamps, each helper writes the slots the render step replays, and a
// full list drops appends at 2499 entries.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/shell/my_app.h"
#include "game/shell/virtual_screen.h"

namespace {

TEST(GameTables, HaveTheirCapacitiesAndStartZero) {
  c_MyApp app;
  struct Table {
    std::string name;
    int length;
    int expected;
  };
  std::vector<Table> tables = {
      {"drawList", app.m_drawList.Length(), 37500}, {"images", app.m_images.Length(), 100},
      {"sounds", app.m_sounds.Length(), 100},       {"frameInfo", app.m_frameInfo.Length(), 300},
      {"grid", app.m_grid.Length(), 5000000},       {"players", app.m_players.Length(), 1012},
      {"objects", app.m_objects.Length(), 5100},    {"particles", app.m_particles.Length(), 5100},
      {"stars", app.m_stars.Length(), 5100},        {"highscores", app.m_highscores.Length(), 1300},
      {"settings", app.m_settings.Length(), 25},    {"order", app.m_order.Length(), 33},
      {"flags", app.m_flags.Length(), 256},         {"controls", app.m_controls.Length(), 100},
      {"vbutton", app.m_vbutton.Length(), 20},      {"pad", app.m_pad.Length(), 10},
      {"toyTrail", app.m_toyTrail.Length(), 512},   {"touchX", app.m_touchX.Length(), 10},
  };
  for (const Table& table : tables) EXPECT_EQ(table.length, table.expected) << table.name;
  EXPECT_EQ(app.m_grid[4999999], 0.0f);
  EXPECT_EQ(app.m_images[99], nullptr);
  EXPECT_EQ(app.m_drawCount, 0);
}

TEST(DrawState, OptionalArgumentsAndClamping) {
  c_MyApp app;
  app.p_CLS2D(10, 20, 30, 0.5f);
  EXPECT_EQ(app.m_bgR, 10);
  EXPECT_EQ(app.m_bgAlpha, 0.5f);
  EXPECT_EQ(app.m_viewW, zr_TinselJumble_jscrw);
  EXPECT_EQ(app.m_drawAlpha, 1);
  EXPECT_EQ(app.m_drawBlend, 1);

  app.p_SetSize(2);
  EXPECT_EQ(app.m_drawScaleX, 2);
  EXPECT_EQ(app.m_drawScaleY, 2);
  app.p_SetSize(2, 3);
  EXPECT_EQ(app.m_drawScaleY, 3);

  app.p_Alpha(0.4f);
  app.p_SetCol(10, 20, 30, kNotGiven);
  EXPECT_EQ(app.m_drawAlpha, 0.4f) << "a missing alpha keeps the current one";
  app.p_SetCol(300, -5, 30, 1.5f);
  EXPECT_EQ(app.m_drawR, 300) << "p_SetCol does not clamp";
  EXPECT_EQ(app.m_drawAlpha, 1.5f);
  app.p_Alpha(1.7f);
  EXPECT_EQ(app.m_drawAlpha, 1);
  app.p_Alpha(-0.2f);
  EXPECT_EQ(app.m_drawAlpha, 0);

  app.p_SetRot(30);
  EXPECT_EQ(app.m_drawRot, -30);
  app.p_Oval(1, 2, 3, 4);
  app.p_CLS2D();
  EXPECT_EQ(app.m_bgR, 10) << "a new list without colour keeps the background";
  EXPECT_EQ(app.m_drawCount, 0);
  EXPECT_EQ(app.m_drawRot, 0);
  EXPECT_EQ(app.m_drawScaleX, 1);
}

TEST(Palette, InkScalesAndClampsEveryIndex) {
  struct Case {
    int index;
    float brightness;
    float r, g, b;
  };
  std::vector<Case> cases = {
      {2, 0.5f, 127.5f, 63.75f, 12.75f}, {9, 2, 255, 255, 255},   {1, 1, 255, 25.5f, 25.5f},
      {7, 1, 127.5f, 25.5f, 255},        {8, 1, 255, 25.5f, 127.5f}, {0, 1, 76.5f, 76.5f, 76.5f},
      {10, 1, 76.5f, 76.5f, 76.5f},      {-3, 1, 76.5f, 76.5f, 76.5f}, {5, -1, 0, 0, 0},
  };
  c_MyApp app;
  for (const Case& c : cases) {
    app.p_SetCol(1, 1, 1, 0.25f);
    app.p_Ink(c.index, c.brightness);
    EXPECT_FLOAT_EQ(app.m_drawR, c.r) << c.index << " at " << c.brightness;
    EXPECT_FLOAT_EQ(app.m_drawG, c.g) << c.index << " at " << c.brightness;
    EXPECT_FLOAT_EQ(app.m_drawB, c.b) << c.index << " at " << c.brightness;
    EXPECT_EQ(app.m_drawAlpha, 0.25f) << "ink leaves alpha alone";
  }
  std::vector<int> seatColours;
  for (int seat = -1; seat <= 4; ++seat) seatColours.push_back(app.p_PlayCol(seat));
  EXPECT_EQ(seatColours, (std::vector<int>{0, 1, 5, 3, 4, 0}));
}

TEST(DrawEntries, EachHelperWritesTheReplayedSlots) {
  c_MyApp app;
  for (int i = 0; i < 6 * kDrawEntrySize; ++i) app.m_drawList[i] = 99;
  app.p_CLS2D();
  app.p_SetCol(10, 20, 30, 0.5f);
  app.p_SetSize(2, 3);
  app.p_SetRot(45);
  app.p_Blend(3);
  app.p_DrawGfx(5, 6, 130);
  app.p_DrawImg(7, 8, 9);
  app.p_Rect(1, 2, 3, 4);
  app.p_Rect(2, 900, 4);
  app.p_Oval(5, 6, 7, 8);
  app.p_Line(1, 2, 3, 4);
  ASSERT_EQ(app.m_drawCount, 6 * kDrawEntrySize);
  // kind, x, y, rotation, [4], [5], frame
  std::vector<std::vector<float>> expected = {
      {2, 5, 6, -45, 2, 3, 2},          {7, 8, 9, -45, 2, 3, 0},
      {kDrawRect, 1, 2, -45, 3, 4, 0},  {kDrawRect, -128, 2, -45, 900, 4, 0},
      {kDrawOval, 5, 6, -45, 7, 8, 0},  {kDrawLine, 1, 2, -45, 3, 4, 0},
  };
  for (int e = 0; e < 6; ++e) {
    const float* entry = app.m_drawList.Data() + e * kDrawEntrySize;
    EXPECT_EQ(std::vector<float>(entry, entry + 7), expected[e]) << "entry " << e;
    EXPECT_EQ(std::vector<float>(entry + 7, entry + 15),
              (std::vector<float>{0.5f, 99, 99, 10, 20, 30, 3, 99}))
        << "entry " << e << ": alpha, colour and blend stamped, 8, 9 and 14 untouched";
  }
}

TEST(DrawEntries, FullListDropsAppendsAt2499Entries) {
  c_MyApp app;
  app.p_CLS2D();
  for (int i = 0; i < 2600; ++i) {
    if (i % 2) {
      app.p_DrawImg(3, 1, 1);
    } else {
      app.p_Rect(1, 1, 1, 1);
    }
  }
  EXPECT_EQ(app.m_drawCount, 37485);
  for (int i = 37485; i < 37500; ++i) EXPECT_EQ(app.m_drawList[i], 0) << i;
  app.p_Line(0, 0, 1, 1);
  app.p_Oval(0, 0, 1, 1);
  EXPECT_EQ(app.m_drawCount, 37485);
  app.p_CLS2D();
  app.p_Oval(0, 0, 1, 1);
  EXPECT_EQ(app.m_drawCount, 15) << "a new list takes entries again";
}

}  // namespace
