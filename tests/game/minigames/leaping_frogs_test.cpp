// Leaping Frogs played frame by frame: one hop per push of the stick, and sinking at the
// edge of a pad's reach.
#include <utility>
#include <vector>

#include "tests/game/minigames/minigame_fixture.h"

namespace {

const int kDestX = 3, kDestY = 4, kDrawnX = 11, kDrawnY = 12, kAlive = 99;
const float kCentre = 3200;

class LeapingFrogsTest : public MinigameTest {
 protected:
  // A round in play with Red alone, drawn and headed at (x, y); the others are out.
  void redAt(int source, float x, float y) {
    startRound(&c_MyApp::p_LoadGame_L, &c_MyApp::p_Game_L);
    seats(source, -2, -2, -2);
    for (int p = 1; p < 4; ++p) player(p, kAlive) = -1;
    player(0, kDrawnX) = player(0, kDestX) = x;
    player(0, kDrawnY) = player(0, kDestY) = y;
  }
};

// Frame by frame stick positions after the countdown and where Red is headed afterwards,
// relative to the start.
TEST_F(LeapingFrogsTest, EachPushOfTheStickHopsOnce) {
  struct Case { std::vector<std::pair<float, float>> stick; float wantX, wantY; };
  const Case cases[] = {
      {{{1, 0}, {1, 0}, {1, 0}}, 80, 0},       // held: one hop
      {{{1, 0}, {0.3f, 0}, {1, 0}}, 160, 0},   // back inside the dead zone: hops again
      {{{-1, -1}}, -80, -80},                  // a diagonal hops on both axes
      {{{-1, -1}, {-1, 0}, {-1, 1}}, -80, 0},  // up let go, then down: left still held
      {{{0.3f, -0.3f}}, 0, 0},                 // inside the dead zone
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "case wanting " << c.wantX << "," << c.wantY);
    redAt(-1, kCentre - 20, kCentre - 20);
    for (const auto& stick : c.stick) {
      keyboardStick(stick.first, stick.second);
      frames(1);
    }
    EXPECT_EQ(player(0, kDestX), kCentre - 20 + c.wantX);
    EXPECT_EQ(player(0, kDestY), kCentre - 20 + c.wantY);
  }
  // During the countdown the stick is not read: a hop from the start would land in water.
  redAt(-1, kCentre - 20, kCentre - 20);
  app->m_introTimer = 160;
  keyboardStick(1, 1);
  frames(1);
  EXPECT_EQ(player(0, kDestX), kCentre - 20);
  EXPECT_EQ(player(0, kDestY), kCentre - 20);
}

// The first pad reaches 52 pixels from its centre on each axis, exclusive. A frog that
// hops right off it, from 20 left of its centre, is seen leaving it on its eleventh frame.
TEST_F(LeapingFrogsTest, FrogsSinkWhereNoPadReaches) {
  struct Case { float dx, dy; bool afloat; };
  const Case cases[] = {{51.9f, 0, true}, {52, 0, false}, {0, -52, false}, {-51.9f, 51.9f, true}, {60, 60, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.dx << "," << c.dy);
    redAt(-2, kCentre + c.dx, kCentre + c.dy);
    frames(1);
    EXPECT_EQ(player(0, kAlive) > 0, c.afloat);
  }
  redAt(-1, kCentre - 20, kCentre);
  keyboardStick(1, 0);
  frames(10);
  EXPECT_GT(player(0, kAlive), 0);
  frames(1);
  EXPECT_EQ(player(0, kAlive), 0);
}

}  // namespace
