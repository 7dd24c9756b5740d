// Leaping Frogs played frame by frame: one hop per push of the stick, sinking at the edge
// of a pad's reach, and the path and its pads over whole rounds of computers.
#include <cmath>
#include <utility>
#include <vector>

#include "runtime/random.h"
#include "tests/game/minigames/minigame_fixture.h"

namespace {

const int kDestX = 3, kDestY = 4, kDrawnX = 11, kDrawnY = 12, kAlive = 99;
const float kCentre = 3200;

class LeapingFrogsTest : public MinigameTest {
 protected:
  void frames(int count) { runFrames(&c_MyApp::p_Game_L, count); }
  // Red alone, drawn and headed at (x, y); the others are out of the round.
  void redAt(int source, float x, float y) {
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
    app->p_LoadGame_L();
    redAt(-1, kCentre - 20, kCentre - 20);
    skipCountdown();
    for (const auto& stick : c.stick) {
      keyboardStick(stick.first, stick.second);
      frames(1);
    }
    EXPECT_EQ(player(0, kDestX), kCentre - 20 + c.wantX);
    EXPECT_EQ(player(0, kDestY), kCentre - 20 + c.wantY);
  }
  // During the countdown the stick is not read: a hop from the start would land in water.
  app->p_LoadGame_L();
  redAt(-1, kCentre - 20, kCentre - 20);
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
    app->p_LoadGame_L();
    redAt(-2, kCentre + c.dx, kCentre + c.dy);
    frames(1);
    EXPECT_EQ(player(0, kAlive) > 0, c.afloat);
  }
  app->p_LoadGame_L();
  redAt(-1, kCentre - 20, kCentre);
  skipCountdown();
  keyboardStick(1, 0);
  frames(10);
  EXPECT_GT(player(0, kAlive), 0);
  frames(1);
  EXPECT_EQ(player(0, kAlive), 0);
}

// Whole rounds of four computers: no pad before the countdown ends, then one pad at a
// time, each a hop on from the last without doubling back, at most every 31 frames, and
// gone about 217 frames later; the round ends two seconds after the last frog but one
// sinks.
TEST_F(LeapingFrogsTest, WholeRoundsKeepThePathsRules) {
  for (uint32_t seed : {1u, 2u, 3u}) {
    SCOPED_TRACE(seed);
    zr_random_Seed = seed;
    app->p_LoadGame_L();
    seats(0, 0, 0, 0);
    // The frame each pad was placed; the first, at 110 life, counts as placed 33 frames
    // before the countdown ends.
    float born[101] = {127};
    float lastX = kCentre, lastY = kCentre, stepX = 0, stepY = 0;
    int lastPad = 0, lastAfloatTwo = 0, frame = 1;
    for (; frame <= 36000 && !app->m_roundOver; ++frame) {
      frames(1);
      int afloat = 0;
      for (int p = 0; p < 4; ++p) afloat += player(p, kAlive) > 0;
      if (afloat >= 2) lastAfloatTwo = frame;
      for (int j = 0; j <= 100; ++j) {
        // A new pad has its full 130 life until the next frame; it may take the slot of
        // one that was freed this very frame.
        bool placed = object(j, 0) == 130;
        if ((object(j, 0) == 0 || placed) && born[j] > 0) {
          ASSERT_GE(frame - born[j], 215) << "pad " << j << " gone early at " << frame;
          born[j] = 0;
        }
        if (object(j, 0) == 0) continue;
        if (!placed) {
          ASSERT_LE(frame - born[j], 218) << "pad " << j << " outlives its time";
          continue;
        }
        ASSERT_GT(frame, 160 + 80) << "a pad during the countdown";
        ASSERT_GE(frame - lastPad, lastPad ? 31 : 0) << "pads too close at frame " << frame;
        float dx = object(j, 1) - lastX, dy = object(j, 2) - lastY;
        ASSERT_EQ(std::fabs(dx) + std::fabs(dy), 80) << "frame " << frame;
        ASSERT_FALSE(dx == -stepX && dy == -stepY) << "the path doubles back at frame " << frame;
        born[j] = static_cast<float>(frame);
        lastPad = frame, lastX = object(j, 1), lastY = object(j, 2), stepX = dx, stepY = dy;
      }
    }
    EXPECT_TRUE(app->m_roundOver);
    EXPECT_EQ(frame - 1, lastAfloatTwo + 122);
  }
}

}  // namespace
