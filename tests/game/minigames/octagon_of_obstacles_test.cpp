// Octagon Of Obstacles frame by frame: knock-outs by an octagon's true outline, and
// ghosts that harm nobody and turn solid only clear of every bauble.
#include <cmath>

#include "tests/game/minigames/minigame_fixture.h"

namespace {

const int kState = 0;
const int kX = 1, kY = 2, kVx = 3, kScore = 95, kAlive = 99;
const float kPi = 3.14159265f;

class OctagonOfObstaclesTest : public MinigameTest {
 protected:
  // A round in play with the sky empty, nobody steering and the baubles in the corners.
  void start() {
    startRound(&c_MyApp::p_LoadGame_O, &c_MyApp::p_Game_O, 7);
    for (int i = 0; i < 8; ++i) object(i, kState) = 0;
    place(0, 20, 20), place(1, 620, 460), place(2, 20, 460), place(3, 620, 20);
  }
  void place(int p, float x, float y) {
    player(p, kX) = x, player(p, kY) = y;
    player(p, kVx) = player(p, kVx + 1) = 0;
  }
};

// Red at a heading (degrees, 0 up, clockwise) and distance from an octagon of radius 60:
// a flat side lies 55.4 from the centre, a corner 60, and the octagon's turn moves them.
// A ghost harms nobody; once formed it turns solid only 14 clear of every bauble.
TEST_F(OctagonOfObstaclesTest, OctagonsKnockOutByTheirTrueOutline) {
  struct Case { float state, forming, turn, heading, distance; bool out; float stateAfter; };
  const Case cases[] = {
      {2, 0, 0, 0, 64, false, 2},      {2, 0, 0, 0, 62, true, 2},     {2, 0, 0, 22.5f, 64, true, 2},
      {2, 0, 0, 22.5f, 68.5f, false, 2}, {2, 0, 22.5f, 0, 64, true, 2}, {2, 0, 22.5f, 22.5f, 64, false, 2},
      {2, 0, 0, 202.5f, 64, true, 2},  {2, 0, 90, 270, 63.9f, false, 2}, {2, 0, 0, 0, 0, true, 2},
      {1, 100, 0, 0, 30, false, 1},    {1, 0, 0, 0, 30, false, 1},    {1, 0, 0, 0, 67, false, 1},
      {1, 0, 0, 0, 70, false, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "state " << c.state << ", turn " << c.turn << ", heading " << c.heading
                                    << ", distance " << c.distance);
    start();
    setObject(0, {c.state, 320, 240, 0, 0, c.turn, 0, 60, c.forming});
    place(0, 320 + std::sin(c.heading * kPi / 180) * c.distance, 240 - std::cos(c.heading * kPi / 180) * c.distance);
    frames(1);
    EXPECT_EQ(player(0, kAlive) == 0, c.out);
    EXPECT_EQ(object(0, kState), c.stateAfter);
    float score = player(0, kScore);
    frames(5);
    EXPECT_EQ(player(0, kScore) == score, c.out) << "only a bauble in play scores";
  }
}

}  // namespace
