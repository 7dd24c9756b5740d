// Duelling Ostriches played frame by frame: who bops whom and what the egg costs, eggs
// going to the first rider to touch them, and flying and landing over the joined edges.
#include "tests/game/minigames/minigame_fixture.h"

namespace {

const float kFieldW = 640 - 96;
const float kFloorY = 480 - 24 - 23;  // a rider's centre when standing on the floor
const int kX = 1, kY = 2, kVx = 3, kVy = 4, kOut = 10, kSafe = 11, kEggs = 95, kAlive = 99;
const int kLedgeCount = 60, kLayTimer = 62;
const int kEgg = 2, kFirstEgg = 50, kLastEgg = 120;

class DuellingOstrichesTest : public MinigameTest {
 protected:
  void SetUp() override {
    startRound(&c_MyApp::p_LoadGame_D, &c_MyApp::p_Game_D, 7);
    // Riders 0 and 1 wait on the floor, riders 2 and 3 stand far off and out of the
    // fights; no fresh egg falls unasked.
    for (int p = 0; p < 4; ++p) place(p, p < 2 ? 60 + 60 * p : 400 + 60 * p, kFloorY);
    player(2, kSafe) = player(3, kSafe) = 1e6f;
    player(0, kLayTimer) = 1e6f;
  }
  void place(int p, float x, float y) { player(p, kX) = x, player(p, kY) = y, player(p, kVx) = player(p, kVy) = 0; }
  void noLedges() { player(0, kLedgeCount) = 0; }
  int looseEggs() {
    int count = 0;
    for (int slot = kFirstEgg; slot <= kLastEgg; ++slot) count += object(slot, 0) == kEgg;
    return count;
  }
};

// Heights are above the floor; rider 0 carries three eggs and rider 1 none.
TEST_F(DuellingOstrichesTest, TheClearlyHigherRiderBopsAndTheEggComesFromTheVictim) {
  struct Case {
    const char* what;
    float x0, rise0, dx, rise1;
    bool safe;
    int out;  // -1 nobody
    float eggs0, eggs1;
  } cases[] = {
      {"rider 1 lands on rider 0's head", 200, 0, 6, 20, false, 0, 2, 0},
      {"rider 0 lands on rider 1's head", 200, 20, -6, 0, false, 1, 3, 0},
      {"about the same height only knocks apart", 200, 0, 10, 8, false, -1, 3, 0},
      {"out of reach", 200, 0, 27, 20, false, -1, 3, 0},
      {"a safe rider can neither be bopped nor bop", 200, 0, 0, 20, true, -1, 3, 0},
      {"across the joined edges", 4, 0, -8, 20, false, 0, 2, 0},
  };
  for (const Case& c : cases) {
    SetUp();
    noLedges();
    player(0, kEggs) = 3;
    place(0, c.x0, kFloorY - c.rise0);
    place(1, c.x0 + c.dx < 0 ? c.x0 + c.dx + kFieldW : c.x0 + c.dx, kFloorY - c.rise1);
    player(1, kSafe) = c.safe ? 50 : 0;
    frames(1);
    for (int p = 0; p < 2; ++p) {
      EXPECT_EQ(player(p, kOut) > 0, p == c.out) << c.what << ", rider " << p;
      EXPECT_EQ(player(p, kAlive), p == c.out ? 0 : 3) << c.what << ", rider " << p;
    }
    EXPECT_EQ(player(0, kEggs), c.eggs0) << c.what;
    EXPECT_EQ(player(1, kEggs), c.eggs1) << c.what;
    EXPECT_EQ(looseEggs(), c.out >= 0 ? 1 : 0) << c.what << ": a knocked-out rider always drops an egg";
    if (c.rise1 - c.rise0 == 8) {
      // Knocked apart: just out of touch, moving away from each other.
      EXPECT_NEAR(player(1, kX) - player(0, kX), 26, 0.01f) << c.what;
      EXPECT_TRUE(player(0, kVx) < 0 && player(1, kVx) > 0) << c.what;
    }
  }
}

TEST_F(DuellingOstrichesTest, EggsGoToTheFirstRiderToTouchThem) {
  // taker -1: nobody
  struct Case { const char* what; float eggX, age; bool secondRiderThere, firstOut; int taker; bool eggLeft; } cases[] = {
      {"a ready egg", 300, 20, false, false, 0, false},
      {"an egg that has only just appeared", 300, 0, false, false, -1, true},
      {"two riders on it: the lower seat", 300, 20, true, false, 0, false},
      {"a knocked-out rider takes nothing", 300, 20, true, true, 1, false},
      {"across the joined edges", kFieldW - 3, 20, false, false, 0, false},
      {"an egg left too long cracks", 300, 900, false, false, -1, false},
  };
  for (const Case& c : cases) {
    SetUp();
    noLedges();
    place(0, c.eggX > 500 ? 5 : 300, kFloorY);
    if (c.secondRiderThere) place(1, 305, kFloorY);
    player(0, kOut) = c.firstOut ? 50 : 0;
    setObject(kFirstEgg, {kEgg, c.eggX, 480 - 24 - 9, 0, 0, c.age});
    frames(1);
    for (int p = 0; p < 2; ++p) EXPECT_EQ(player(p, kEggs), p == c.taker ? 1 : 0) << c.what << ", rider " << p;
    EXPECT_EQ(looseEggs(), c.eggLeft ? 1 : 0) << c.what;
  }
}

}  // namespace
