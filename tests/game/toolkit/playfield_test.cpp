// The playfield toolkit the mini-games share: the grid, the object pool's end, the turn
// the computer players steer by, and the distance field through a maze.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/shell/my_app.h"
#include "game/shell/virtual_screen.h"

namespace {

// Sets the virtual screen for one test and puts the design size back afterwards.
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

TEST(Grid, FitsAndCentresOnTheScreen) {
  struct Case {
    float screenW, screenH;
    int panel;
    bool crop;
    float tile, x, y;
  };
  const float tallTile = 400.0f / 22;
  std::vector<Case> cases = {
      {640, 360, 0, false, 16, 0, 4},
      {1280, 400, 0, false, tallTile, 640 - 20 * tallTile, 0},
      {640, 480, 0, false, 16, 0, 64},
      {640, 360, 96, true, 13.6f, 0, 180 - 11 * 13.6f},
  };
  for (const Case& c : cases) {
    ScreenSize screen(c.screenW, c.screenH);
    c_MyApp app;
    app.m_panelWidth = c.panel;
    if (c.crop) {
      app.p_SetGrid_Crop(40, 22);
    } else {
      app.p_SetGrid(40, 22);
    }
    std::string label = std::to_string(c.screenW) + "x" + std::to_string(c.screenH);
    EXPECT_EQ(app.m_gridW, 40) << label;
    EXPECT_EQ(app.m_gridH, 22) << label;
    EXPECT_FLOAT_EQ(app.m_tileSize, c.tile) << label;
    EXPECT_FLOAT_EQ(app.m_tileScale, c.tile / 32) << label;
    EXPECT_NEAR(app.m_gridX, c.x, 1e-3) << label;
    EXPECT_NEAR(app.m_gridY, c.y, 1e-3) << label;
  }
}

TEST(Grid, RefusesSizesWithoutCellsOrBeyondTheTable) {
  ScreenSize screen(640, 360);
  c_MyApp app;
  app.p_SetGrid(40, 22);
  struct Size {
    int w, h;
  };
  for (Size bad : std::vector<Size>{{0, 22}, {40, 0}, {-3, 5}, {3000, 3000}, {499999, 1}}) {
    app.p_SetGrid(bad.w, bad.h);
    EXPECT_EQ(app.m_gridW, 40) << bad.w << "x" << bad.h;
    EXPECT_EQ(app.m_gridH, 22) << bad.w << "x" << bad.h;
    EXPECT_FLOAT_EQ(app.m_tileSize, 16) << bad.w << "x" << bad.h;
  }
  app.p_SetGrid(707, 707);
  EXPECT_EQ(app.m_gridW, 40) << "cell (707, 707) lies past the table";
  app.p_SetGrid(706, 706);
  EXPECT_EQ(app.m_gridW, 706) << "the largest square grid whose cell (w, h) fits";
}

void Occupy(c_MyApp& app, int first, int last) {
  for (int object = first; object <= last; ++object) app.m_objects[object * 10] = 7;
}

TEST(Objects, SearchStopsAtObject500WhateverTheLimit) {
  c_MyApp app;
  Occupy(app, 0, 500);
  EXPECT_EQ(app.p_FreeObj(100000), -1) << "objects past 500 are not handed out";
  EXPECT_EQ(app.p_FreeObjB(100000), -1);
  app.m_objects[500 * 10] = 0;
  EXPECT_EQ(app.p_FreeObj(100000), 5000);
  EXPECT_EQ(app.p_FreeObjB(500), 5000);
}

TEST(Objects, DragonLandAppendsAtTheRunningCountUntilThePoolIsFull) {
  c_MyApp app;
  app.p_AddDragonLand(32, 48);
  app.p_AddDragonLand(64, 80);
  EXPECT_EQ(app.m_players[60], 2);
  EXPECT_EQ(app.m_objects[0], 1);
  EXPECT_EQ(app.m_objects[11], 64);
  EXPECT_EQ(app.m_objects[12], 80);
  app.m_players[60] = 501;
  app.p_AddDragonLand(1, 1);
  EXPECT_EQ(app.m_players[60], 501) << "no object past 500 is written";
}

TEST(Steering, SignedTurnBetweenHeadings) {
  c_MyApp app;
  struct Case {
    float from, to;
    int expected;
  };
  std::vector<Case> cases = {
      // The way back takes off one less than the whole circle, so it runs -179..0: a
      // target one step anticlockwise gives no turn. The games' movers are tuned to this.
      {350, 10, 20},   {10, 350, -19}, {90, 90, 0},    {0, 179, 179}, {0, 180, -179},
      {0, 359, 0},     {720, 5, 5},    {-90, 0, 90},   {45, -45, -89}, {100, 90.5f, -8},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(app.m_WhichWayDoIGo(c.from, c.to, 0, 359), c.expected) << c.from << "->" << c.to;
  }
  EXPECT_EQ(app.m_WhichWayDoIGo(10, 20, 5, 4), 0) << "an empty scale gives no turn";
}

// Builds a walled 6 x 4 maze (cells 0..6 by 0..4, border all wall) with a wall piece
// at x = 3, y = 1..2, so the way from the left half to the right runs along row 3.
void BuildMaze(c_MyApp& app) {
  const int w = 6, h = 4;
  for (int y = 0; y <= h; ++y) {
    for (int x = 0; x <= w; ++x) {
      bool wall = x == 0 || x == w || y == 0 || y == h || (x == 3 && y < 3);
      app.m_grid[(x + y * w) * 10 + 8] = wall ? 1.0f : 0.0f;
      app.m_grid[(x + y * w) * 10 + 9] = 99;  // stale distances must be cleared
    }
  }
}

float Distance(const c_MyApp& app, int x, int y) { return app.m_grid[(x + y * 6) * 10 + 9]; }

TEST(SeekLocale, DistancesGoAroundWalls) {
  c_MyApp app;
  BuildMaze(app);
  app.p_SeekLocale(1, 1, 6, 4, 10, 50);
  struct Cell {
    int x, y;
    float distance;
  };
  std::vector<Cell> cells = {
      {1, 1, 1}, {2, 1, 2}, {1, 2, 2}, {2, 2, 3}, {1, 3, 3}, {2, 3, 4}, {3, 3, 5},
      {4, 3, 6}, {4, 2, 7}, {5, 3, 7}, {4, 1, 8}, {5, 2, 8}, {5, 1, 9}, {3, 1, 0},
      {3, 2, 0}, {0, 1, 0}, {6, 3, 0}, {3, 4, 0},
  };
  for (const Cell& cell : cells) {
    EXPECT_EQ(Distance(app, cell.x, cell.y), cell.distance) << cell.x << "," << cell.y;
  }

  app.p_SeekLocale(1, 1, 6, 4, 10, 6);
  EXPECT_EQ(Distance(app, 4, 3), 6) << "the last pass still reaches its ring";
  EXPECT_EQ(Distance(app, 4, 2), 0) << "cells beyond the passes stay unreached";
}

TEST(SeekLocale, BadArgumentsTouchNothingOutsideTheField) {
  c_MyApp app;
  BuildMaze(app);
  app.p_SeekLocale(40, 40, 6, 4, 10, 50);
  EXPECT_EQ(Distance(app, 1, 1), 0) << "a target off the field leaves every cell unreached";
  EXPECT_EQ(Distance(app, 2, 1), 0);
  app.p_SeekLocale(1, 1, 6, 4, 10, 50);
  app.p_SeekLocale(0, 0, 5000, 5000, 10, 3);
  app.p_SeekLocale(0, 0, 6, 4, 1, 3);
  app.p_SeekLocale(0, 0, -6, 4, 10, 3);
  EXPECT_EQ(Distance(app, 1, 1), 1) << "refused calls leave the last field as it was";
  EXPECT_EQ(Distance(app, 5, 1), 9);
}

}  // namespace
