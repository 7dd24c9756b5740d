// Ice Hoppers frame by frame: hops that claim floes or are refused, darts that drop only
// grounded players through the ice, and stray table values that keep to the grid.
#include <cmath>
#include <limits>

#include "tests/game/minigames/minigame_fixture.h"

namespace {

const int kCellX = 3, kCellY = 4, kFromX = 5, kFromY = 6, kHop = 7, kOut = 9, kSafe = 10;
const int kScore = 95, kAlive = 99;
const int kRight = 39;
const int kPlain = 0, kRed = 1, kBlue = 2;

class IceHoppersTest : public MinigameTest {
 protected:
  void SetUp() override { startRound(&c_MyApp::p_LoadGame_I, &c_MyApp::p_Game_I, 7); }
  float& owner(int x, int y) { return app->m_grid[(y * 10 + x) * 10 + 1]; }
  void stand(int p, int x, int y) {
    player(p, kCellX) = player(p, kFromX) = static_cast<float>(x);
    player(p, kCellY) = player(p, kFromY) = static_cast<float>(y);
  }
  // A dart in flight along row y (sideways, dx = +-1) or column x (dy = +-1), with its
  // middle a quarter of a floe short of floe (x, y).
  void dartAt(int slot, int x, int y, int dx, int dy) {
    float tile = app->m_tileSize, lane = static_cast<float>(dx != 0 ? y : x);
    setObject(slot, {2, app->m_gridX + (x + 0.5f - 0.25f * dx) * tile, app->m_gridY + (y + 0.5f - 0.25f * dy) * tile,
                     static_cast<float>(dx), static_cast<float>(dy), 0, 100, lane});
  }
};

// Red, on the keyboard, holds right for one hop from its floe (3, 4) onto (4, 4); Blue owns
// its start floe. The score is the count of floes in each colour, so a steal moves a point
// from Blue to Red.
TEST_F(IceHoppersTest, LandingClaimsTheFloeUnlessTheHopIsRefused) {
  enum Blocker { kNobody, kStanding, kInTheWater };
  struct Case {
    const char* what;
    int startX, targetOwner;
    Blocker blue;
    int endX, ownerAfter, redScore, blueScore;
  } cases[] = {
      {"plain ice turns red", 3, kPlain, kNobody, 4, kRed, 2, 1},
      {"Blue's floe is stolen", 3, kBlue, kNobody, 4, kRed, 2, 1},
      {"Red's own floe stays red", 3, kRed, kNobody, 4, kRed, 2, 1},
      {"no hop onto a floe Blue stands on", 3, kPlain, kStanding, 3, kPlain, 1, 1},
      {"no hop onto the hole Blue fell through", 3, kPlain, kInTheWater, 3, kPlain, 1, 1},
      {"no hop off the field", 8, kPlain, kNobody, 8, kPlain, 1, 1},
  };
  for (const Case& c : cases) {
    SetUp();
    seats(-1, -2, -2, -2);
    stand(0, c.startX, 4);
    owner(2, 2) = kPlain;
    owner(c.startX, 4) = kRed;
    if (c.startX == 3) owner(4, 4) = static_cast<float>(c.targetOwner);
    if (c.blue != kNobody) stand(1, 4, 4);
    if (c.blue == kInTheWater) player(1, kOut) = 100;
    hold(kRight);
    frames(16);
    release(kRight);
    frames(2);
    SCOPED_TRACE(c.what);
    EXPECT_EQ(player(0, kCellX), c.endX);
    EXPECT_NEAR(player(0, 1), app->m_gridX + (c.endX + 0.5f) * app->m_tileSize, 0.01f);
    EXPECT_EQ(player(0, kHop), 0);
    if (c.startX == 3) {
      EXPECT_EQ(owner(4, 4), c.ownerAfter);
    }
    EXPECT_EQ(player(0, kScore), c.redScore);
    EXPECT_EQ(player(1, kScore), c.blueScore);
  }
}

// A dart crossing Red's floe at (4, 4): grounded, Red falls through and the floe turns
// plain; high in a hop or blinking after coming up, the dart passes; other lanes miss.
TEST_F(IceHoppersTest, DartsDropOnlyGroundedPlayersThroughTheIce) {
  struct Case { const char* what; int dartX, dartY, dx, dy; int fromX, toX; float hop, safe; bool falls; } cases[] = {
      {"standing, from the left", 4, 4, 1, 0, 4, 4, 0, 0, true},
      {"standing, from below", 4, 4, 0, -1, 4, 4, 0, 0, true},
      {"taking off for (5, 4)", 4, 4, 1, 0, 4, 5, 1, 0, true},
      {"high in a jump on the spot", 4, 4, 1, 0, 4, 4, 6, 0, false},
      {"landing from (3, 4)", 4, 4, 1, 0, 3, 4, 14, 0, true},
      {"blinking after coming up", 4, 4, 1, 0, 4, 4, 0, 30, false},
      {"the next row", 4, 5, 1, 0, 4, 4, 0, 0, false},
  };
  for (const Case& c : cases) {
    SetUp();
    stand(0, c.toX, 4);
    player(0, kFromX) = static_cast<float>(c.fromX);
    owner(4, 4) = kRed;
    player(0, kHop) = c.hop;
    player(0, kSafe) = c.safe;
    dartAt(0, c.dartX, c.dartY, c.dx, c.dy);
    frames(1);
    SCOPED_TRACE(c.what);
    EXPECT_EQ(player(0, kOut) > 0, c.falls);
    EXPECT_EQ(player(0, kCellX), c.falls ? 4 : c.toX) << "it falls through the floe it is over";
    EXPECT_EQ(player(0, kAlive), c.falls ? 0 : 3);
    EXPECT_EQ(owner(4, 4), c.falls ? kPlain : kRed);
  }
}

// Whatever a player's or dart's fields hold, the game keeps to the grid and plays on.
TEST_F(IceHoppersTest, StrayTableValuesStayOnTheGrid) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  for (float stray : {nan, -5.0f, 1e9f}) {
    SetUp();
    seats(0, 0, -2, -2);
    player(0, kCellX) = player(1, kCellY) = player(2, kFromX) = stray;
    object(0, 0) = 2;
    object(0, 3) = 1;
    object(0, 7) = stray;
    frames(300);
    for (int p = 0; p < 4; ++p) {
      EXPECT_TRUE(player(p, kCellX) >= 0 && player(p, kCellX) <= 9) << stray;
      EXPECT_TRUE(std::isfinite(player(p, 1))) << stray;
    }
  }
}

}  // namespace
