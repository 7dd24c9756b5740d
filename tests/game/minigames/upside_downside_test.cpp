// Upside Downside played frame by frame: gems are caught only inside their reach, a rock
// knocks a player over and throws its gems out loose, and a flip carries a player across
// to the other surface once per press.

#include "tests/game/minigames/minigame_fixture.h"

namespace {

const int kGravity = 3, kStanding = 5, kKnockTimer = 7, kSafeTimer = 8, kScore = 95;
const int kSpeed = 50, kNextPattern = 53;
const int kGem = 1, kRock = 2, kLook = 3, kPlace = 4, kCatchDelay = 7;
// On a 640 x 480 screen: players stand 16 pixels off surfaces 56 pixels in from the edges.
const float kFloorY = 480 - 56 - 16, kCeilingY = 56 + 16;

class UpsideDownsideTest : public MinigameTest {
 protected:
  void SetUp() override {
    zr_random_Seed = 7;
    load();
  }
  // A fresh round with no gems laid and the ground already at its starting speed.
  void load() {
    startRound(&c_MyApp::p_LoadGame_U, &c_MyApp::p_Game_U);
    for (int i = 0; i < 500; ++i) object(i, 0) = 0;
    player(0, kNextPattern) = 1e9f;
    player(0, kSpeed) = 2.5f;
  }
  void fire(bool held) { app->m_controls[kKeyboardControls + 7] = held ? 1 : 0; }
  // Object i is placed so that after one frame of scrolling it lies at (x, y).
  void place(int i, int kind, float x, float y, float side) {
    for (int field = 0; field < 10; ++field) object(i, field) = 0;
    object(i, 0) = kind;
    object(i, 1) = x + 2.5f;
    object(i, 2) = y;
    if (kind == kGem) object(i, kPlace) = side;
    if (kind == kRock) object(i, kLook) = side;
  }
  // Gems thrown out loose, not counting the one a test placed.
  int looseGems() {
    int count = 0;
    for (int i = 0; i < kPlaced; ++i) count += object(i, 0) == kGem && object(i, kPlace) == 0;
    return count;
  }
  static constexpr int kPlaced = 199;
};

// A gem within 20 pixels on both axes is a point unless it is still flying loose or the
// player lies knocked over; a rock within 22 across and 24 up or down knocks a player over
// unless it blinks, and up to three of its gems fly out loose. The player is lifted dy
// above the floor, falling, and the gem hangs in the air just over the floor.
TEST_F(UpsideDownsideTest, GemsAndRocksActOnlyWithinReach) {
  struct Case {
    int kind;
    float dx, dy, catchDelay, knocked, safe, score;
    float scoreAfter;
    int loose;
    bool knockedAfter;
  } cases[] = {
      {kGem, 19.5f, 0, 0, 0, 0, 5, 6, 0, false},   {kGem, -19.5f, -19.5f, 0, 0, 0, 5, 6, 0, false},
      {kGem, 20.5f, 0, 0, 0, 0, 5, 5, 0, false},   {kGem, 0, -20.5f, 0, 0, 0, 5, 5, 0, false},
      {kGem, 0, 0, 5, 0, 0, 5, 5, 0, false},       {kGem, 0, 0, 0, 30, 30, 5, 5, 0, true},
      {kRock, 21.5f, 0, 0, 0, 0, 5, 2, 3, true},   {kRock, 0, -23.5f, 0, 0, 0, 2, 0, 2, true},
      {kRock, -21.5f, 0, 0, 0, 0, 0, 0, 0, true},  {kRock, 22.5f, 0, 0, 0, 0, 5, 5, 0, false},
      {kRock, 0, -24.5f, 0, 0, 0, 5, 5, 0, false}, {kRock, 0, 0, 0, 0, 10, 5, 5, 0, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "kind " << c.kind << " at " << c.dx << ", " << c.dy);
    load();
    player(0, 1) = 200;
    player(0, 2) = kFloorY + c.dy - 0.6f;  // one frame of falling brings it to dy
    player(0, kStanding) = 0;
    player(0, kScore) = c.score;
    player(0, kKnockTimer) = c.knocked;
    player(0, kSafeTimer) = c.safe;
    place(kPlaced, c.kind, 200 + c.dx, kFloorY, c.kind == kGem ? 0 : 1);
    object(kPlaced, kCatchDelay) = c.kind == kGem ? c.catchDelay : 0;
    frames(1);
    EXPECT_EQ(player(0, kScore), c.scoreAfter);
    EXPECT_EQ(looseGems(), c.loose);
    EXPECT_EQ(player(0, kKnockTimer) > 0, c.knockedAfter);
  }
}

// Fire A or the stick towards the other surface flips a standing player, who falls across
// and lands there; a held button flips once, and nothing flips in the air or in the
// countdown.
TEST_F(UpsideDownsideTest, AFlipCarriesAPlayerAcrossOncePerPress) {
  struct Case { const char* name; float startY, gravity, stickY; bool fireHeld, countdown; float endY; } cases[] = {
      {"fire on the floor", kFloorY, 1, 0, true, false, kCeilingY},
      {"fire on the ceiling", kCeilingY, -1, 0, true, false, kFloorY},
      {"stick up on the floor", kFloorY, 1, -1, false, false, kCeilingY},
      {"stick down on the ceiling", kCeilingY, -1, 1, false, false, kFloorY},
      {"stick down on the floor", kFloorY, 1, 1, false, false, kFloorY},
      {"fire in the countdown", kFloorY, 1, 0, true, true, kFloorY},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    load();
    seats(-1, -2, -2, -2);
    player(0, 2) = c.startY;
    player(0, kGravity) = c.gravity;
    if (c.countdown) app->m_introTimer = 160;
    keyboardStick(0, c.stickY);
    fire(c.fireHeld);
    frames(100);
    EXPECT_EQ(player(0, 2), c.endY);
    EXPECT_EQ(player(0, kStanding), 1);
    keyboardStick(0, 0);
    fire(false);
  }
}

}  // namespace
