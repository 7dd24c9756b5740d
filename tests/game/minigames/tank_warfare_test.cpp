// Tank Warfare played frame by frame: where shells go, whom they hurt and who scores.
#include "tests/game/minigames/minigame_fixture.h"

namespace {

// Cells are 32 pixels on a 640 x 480 screen, cell (0, 0) at the top left; cell fields.
const int kColumns = 16, kRows = 14, kContent = 0, kBlocked = 8, kFloor = 0, kIce = 1, kPresent = 2;
const int kOwner = 0, kShellVx = 3;
const int kX = 1, kY = 2, kHeading = 5, kShield = 8, kScore = 95, kAlive = 99;
const int kWinTimer = 61;

float Centre(int cell) { return cell * 32 + 16.0f; }

class TankWarfareTest : public MinigameTest {
 protected:
  void SetUp() override { startRound(&c_MyApp::p_LoadGame_T, &c_MyApp::p_Game_T, 11); }
  float& cell(int x, int y, int field) { return app->m_grid[(x + y * kColumns) * 10 + field]; }
  // Only the outer ring of ice is left.
  void clearArena() {
    for (int x = 1; x < kColumns; ++x)
      for (int y = 1; y < kRows; ++y) cell(x, y, kContent) = cell(x, y, kBlocked) = 0;
  }
  void place(int p, int cellX, int cellY, float heading = 0) {
    player(p, kX) = Centre(cellX), player(p, kY) = Centre(cellY), player(p, kHeading) = heading;
  }
  void shell(int slot, int owner, float x, float y, float vx, float vy, int bounces = 1) {
    setObject(slot, {static_cast<float>(owner + 1), x, y, vx, vy, static_cast<float>(bounces)});
  }
  int shellsInFlight() {
    int count = 0;
    for (int slot = 0; slot < 16; ++slot) count += object(slot, kOwner) > 0;
    return count;
  }
};

// A shell from the middle of the arena flies right at 2.88 a frame towards cell (10, 7).
TEST_F(TankWarfareTest, ShellsBounceOnceOpenPresentsAndSpareTheirOwner) {
  struct Case { const char* what; int owner, bounces, inTheWay; bool flying; float vx; int after; } cases[] = {
      {"turns back off ice", 1, 1, kIce, true, -2.88f, kIce},
      {"is spent on ice with no bounce left", 1, 0, kIce, false, 0, kIce},
      {"blows a present open", 1, 1, kPresent, false, 0, kFloor},
      {"passes over its own tank", 0, 1, kFloor, true, 2.88f, kFloor},
  };
  for (const Case& c : cases) {
    SetUp();
    clearArena();
    if (c.owner == 0) place(0, 9, 7);
    cell(10, 7, kContent) = static_cast<float>(c.inTheWay);
    shell(0, c.owner, Centre(8), Centre(7), 2.88f, 0, c.bounces);
    frames(20);
    EXPECT_EQ(object(0, kOwner) > 0, c.flying) << c.what;
    if (c.flying) {
      EXPECT_FLOAT_EQ(object(0, kShellVx), c.vx) << c.what;
    }
    EXPECT_EQ(cell(10, 7, kContent), c.after) << c.what;
    EXPECT_EQ(player(0, kAlive), 3) << c.what;
  }
  // Shells of two tanks that meet knock each other out; a tank's own pass each other.
  for (int second : {1, 0}) {
    SetUp();
    clearArena();
    shell(0, 0, Centre(6), Centre(7), 2.88f, 0);
    shell(1, second, Centre(10), Centre(7), -2.88f, 0);
    frames(25);
    EXPECT_EQ(shellsInFlight(), second == 1 ? 0 : 2) << "second shell's owner " << second;
  }
}

// Blue's shell meets Red: a point for Blue unless Red is shielded (the shell bursts) or
// the winning hit has been made (Red is still wrecked).
TEST_F(TankWarfareTest, HitsScoreForTheShooterOnly) {
  struct Case { const char* what; float shield, winTimer; bool wrecked; float points; } cases[] = {
      {"an enemy's shell", 0, -1, true, 1},
      {"on a shield", 40, -1, false, 0},
      {"after the winning hit", 0, 0, true, 0},
  };
  for (const Case& c : cases) {
    SetUp();
    clearArena();
    place(0, 8, 7);
    player(0, kShield) = c.shield;
    app->m_players[kWinTimer] = c.winTimer;
    shell(0, 1, Centre(7), Centre(7), 2.88f, 0);
    frames(10);
    EXPECT_EQ(player(0, kAlive) == 0, c.wrecked) << c.what;
    EXPECT_EQ(player(1, kScore), c.points) << c.what;
    EXPECT_EQ(shellsInFlight(), 0) << c.what;
  }
}

}  // namespace
