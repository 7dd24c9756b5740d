// Nightmare Paths frame by frame: who falls and what a fall costs, who takes a coin, and
// whole rounds of computers on a path whose every run of stones leads on, crumbling or
// not. The rounds test plays whole rounds through the runner.
#include <cmath>
#include <string>

#include "game/shell/virtual_screen.h"
#include "tests/game/minigames/minigame_fixture.h"

namespace {

const int kColumns = 17;  // on the 640-wide screen, starting at x = 0
const float kScreenH = 480;

// Player fields, and the game-wide ones in player 0's row.
const int kFallen = 6, kGrace = 7, kScore = 95, kLives = 99;
const int kScrolled = 40, kBaseY = 44, kFinished = 61;

class NightmarePathsTest : public MinigameTest {
 protected:
  void SetUp() override { startRound(&c_MyApp::p_LoadGame_N2, &c_MyApp::p_Game_N2, 3); }
  float& game(int field) { return app->m_players[field]; }
  float& cell(int row, int column, int field) { return app->m_grid[((row % 24) * kColumns + column) * 10 + field]; }
  // Puts a row in its ring slot from a picture: '.' void, '#' stone, 'x' a cracked stone,
  // 'o' a stone with a coin.
  void lay(int row, const std::string& picture) {
    app->m_grid[24 * kColumns * 10 + row % 24] = static_cast<float>(row);
    for (int c = 0; c < kColumns; ++c) {
      cell(row, c, 0) = picture[c] == '.' ? 0.0f : 1.0f;
      cell(row, c, 1) = picture[c] == 'o' ? 1.0f : 0.0f;
      cell(row, c, 2) = picture[c] == 'x' ? 50.0f : 0.0f;
    }
  }
  // Rows are laid upwards from the screen height at set-up.
  int rowAt(float y) { return static_cast<int>(std::floor((game(kBaseY) + game(kScrolled) - y) / 32)); }
  float rowMiddle(int row) { return game(kBaseY) + game(kScrolled) - row * 32 - 16; }
  bool sound(int row, int column) {
    return column >= 0 && column < kColumns && row >= 0 && app->m_grid[24 * kColumns * 10 + row % 24] == row &&
           cell(row, column, 0) != 0 && cell(row, column, 2) == 0;
  }
  void place(int p, float x, float y) { player(p, 1) = x, player(p, 2) = y; }
};

// Blue over one stone of row 8 (or low in the dark band); the other players stand on the
// start platform, well away. A player who falls comes back 100 frames later on a sound
// stone, blinking, unless that was its last life.
TEST_F(NightmarePathsTest, FallsCostALifeAndTheLastOnePutsAPlayerOut) {
  struct Case { const char* what; char ground; bool inTheDark, countdown; int grace, lives; bool falls; };
  const Case cases[] = {
      {"over the void", '.', false, false, 0, 3, true},
      {"on a cracked stone", 'x', false, false, 0, 3, false},
      {"over the void while blinking", '.', false, false, 30, 3, false},
      {"over the void in the countdown", '.', false, true, 0, 3, false},
      {"on stone in the dark band", '#', true, false, 0, 3, true},
      {"over the void on the last life", '.', false, false, 0, 1, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SetUp();
    lay(8, std::string("########") + c.ground + "########");
    place(1, 8 * 32 + 16, c.inTheDark ? kScreenH - 10 : rowMiddle(8));
    player(1, kGrace) = static_cast<float>(c.grace);
    player(1, kLives) = static_cast<float>(c.lives);
    if (c.countdown) app->m_introTimer = 160;
    frames(1);
    EXPECT_EQ(player(1, kFallen), c.falls ? 1 : 0);
    EXPECT_EQ(player(1, kLives), c.lives - (c.falls ? 1 : 0));
    if (!c.falls) continue;
    frames(99);
    if (c.lives == 1) {
      EXPECT_GT(player(1, kFallen), 0) << "an out player came back";
      continue;
    }
    EXPECT_EQ(player(1, kFallen), 0);
    EXPECT_EQ(player(1, kGrace), 60);
    EXPECT_TRUE(sound(rowAt(player(1, 2)), static_cast<int>(player(1, 1) / 32)));
  }
}

// Blue at an offset from a coin in the middle of row 8: within 16 pixels on both axes it
// takes the coin, unless it is falling.
TEST_F(NightmarePathsTest, CoinsGoToWhoeverReachesThemOnTheirFeet) {
  struct Case { float dx, dy; bool falling; int taken; };
  const Case cases[] = {{0, 0, false, 1}, {15, -15, false, 1}, {16, 0, false, 0},
                        {-3, 16, false, 0}, {0, 0, true, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "offset " << c.dx << "," << c.dy << (c.falling ? " falling" : ""));
    SetUp();
    lay(8, "########o########");
    place(1, 8 * 32 + 16 + c.dx, rowMiddle(8) + c.dy);
    if (c.falling) player(1, kFallen) = 5;
    frames(1);
    EXPECT_EQ(player(1, kScore), c.taken);
    EXPECT_EQ(cell(8, 8, 1), 1 - c.taken);
  }
}

// Whole rounds of four computers, on the usual screen, a tall narrow one (no room for
// forks) and a wide low one: every frame, each run of sound stones on the screen shares a
// column with the sound stones of the rows above and below (forks, narrowing and
// crumbling never leave a dead end); the path reaches its finish with most computers
// still on it.
TEST_F(NightmarePathsTest, EveryRunOfStonesLeadsOnAndComputersReachTheFinish) {
  auto linked = [&](int from, int to, int other) {
    for (int c = from; c < to; ++c)
      if (sound(other, c)) return true;
    return false;
  };
  struct Case { int seed; float screenW, screenH; };
  const Case cases[] = {{1, 640, 480}, {2, 640, 480}, {3, 640, 480}, {4, 320, 480}, {5, 640, 360}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "seed " << c.seed << " on " << c.screenW << " x " << c.screenH);
    zr_TinselJumble_jscrw = c.screenW;
    zr_TinselJumble_jscrh = c.screenH;
    zr_random_Seed = c.seed;
    app->p_LoadGame_N2();
    seats(0, 0, 0, 0);
    int frame = 0, deadEnds = 0;
    std::string firstDeadEnd;
    for (; frame < 8000 && app->m_roundOver == 0; ++frame) {
      frames(1);
      for (int row = std::max(rowAt(c.screenH), 1); row <= rowAt(0); ++row) {
        for (int column = 0; column < kColumns; ++column) {
          if (!sound(row, column)) continue;
          int from = column;
          while (column < kColumns && sound(row, column)) ++column;
          if (linked(from, column, row + 1) && linked(from, column, row - 1)) continue;
          if (deadEnds++ == 0) firstDeadEnd = "row " + std::to_string(row) + " at frame " + std::to_string(frame);
        }
      }
    }
    zr_TinselJumble_jscrw = 640;
    zr_TinselJumble_jscrh = kScreenH;
    EXPECT_EQ(deadEnds, 0) << "first: " << firstDeadEnd;
    EXPECT_EQ(game(kFinished), 1);
    int stillIn = 0;
    for (int p = 0; p < 4; ++p) stillIn += player(p, kLives) > 0;
    EXPECT_GE(stillIn, 3);
  }
}

}  // namespace
