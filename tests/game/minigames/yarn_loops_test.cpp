// Yarn Loops frame by frame: a loop closed round baubles catches them and tangles the
// yarn balls inside it, an open trail catches nothing, a crossing snips another trail's
// older part, and the rug's edge turns a ball along it.
#include <utility>
#include <vector>

#include "tests/game/minigames/minigame_fixture.h"

namespace {

const int kX = 1, kY = 2, kHeading = 3, kPoints = 4, kTangled = 5, kScore = 95;
const int kDrifting = 0, kComeBack = 7;
const int kRowCells = 65;

using Path = std::vector<std::pair<float, float>>;

class YarnLoopsTest : public MinigameTest {
 protected:
  // A round in play with no baubles on the rug, nobody steering, and the yarn balls
  // rolling along the bottom edge far from the action.
  void start() {
    startRound(&c_MyApp::p_LoadGame_Y, &c_MyApp::p_Game_Y, 7);
    for (int i = 0; i < 5; ++i) object(i, kDrifting) = 0, object(i, kComeBack) = 1e6f;
    for (int p = 0; p < 4; ++p) ball(p, 40 + 120 * p, 470, 90), trail(p, {{40.0f + 120 * p, 470}});
  }
  void ball(int p, float x, float y, float heading) {
    player(p, kX) = x, player(p, kY) = y, player(p, kHeading) = heading;
  }
  float& cell(int row, int i, int field) { return app->m_grid[(row * kRowCells + i) * 10 + field]; }
  // Lays player p's trail along straight stretches between corners, a point every 8 pixels.
  void trail(int p, const Path& corners) {
    int count = 0;
    auto lay = [&](float x, float y) { cell(p, count, 1) = x, cell(p, count, 2) = y, ++count; };
    lay(corners[0].first, corners[0].second);
    for (size_t c = 1; c < corners.size(); ++c) {
      float x0 = corners[c - 1].first, y0 = corners[c - 1].second;
      float dx = corners[c].first - x0, dy = corners[c].second - y0;
      int steps = static_cast<int>((std::abs(dx) + std::abs(dy)) / 8);
      for (int s = 1; s <= steps; ++s) lay(x0 + dx * s / steps, y0 + dy * s / steps);
    }
    player(p, kPoints) = static_cast<float>(count);
  }
};

// Red's trail runs right along y = 200 from x = 166, up, left along y = 120 and down to
// just above Red, which rolls down 2 pixels a frame. At x = 170 it crosses the oldest
// stretch, closing a loop round x 170..250, y 120..200: baubles inside are caught, Blue
// inside is tangled, and the trail winds in. A path that stops short of the trail or
// passes beyond its end (x = 140) closes nothing. Red is the keyboard's, so three
// baubles in one loop earn the badge for it.
TEST_F(YarnLoopsTest, ALoopCatchesWhatIsInsideAndAnOpenTrailNothing) {
  struct Case {
    const char* what;
    float headX, headY;
    Path baubles;
    float blueX;  // Blue's ball, or 0 to leave it on the bottom edge
    int score;
    std::vector<bool> left;  // each bauble still on the rug afterwards
    bool blueTangled, wound;
    bool tripleLoopBadge = false;
  };
  const Case cases[] = {
      {"closed round one", 170, 199.5f, {{210, 160}, {120, 160}}, 0, 1, {false, true}, false, true},
      {"closed round two", 170, 199.5f, {{210, 160}, {240, 130}, {210, 240}}, 0, 2, {false, false, true}, false, true},
      {"closed round three", 170, 199.5f, {{210, 160}, {240, 130}, {200, 180}}, 0, 3, {false, false, false}, false, true,
       true},
      {"closed round none", 170, 199.5f, {{300, 160}, {210, 230}}, 0, 0, {true, true}, false, true},
      {"closed round Blue", 170, 199.5f, {{210, 160}}, 200, 1, {false}, true, true},
      {"stops short", 170, 190, {{210, 160}}, 200, 0, {true}, false, false},
      {"passes the end", 140, 199.5f, {{210, 160}}, 0, 0, {true}, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    start();
    app->m_game = 25;
    app->m_pad[0] = -1;
    app->m_flags[177] = false;
    ball(0, c.headX, c.headY, 180);
    trail(0, {{166, 200}, {250, 200}, {250, 120}, {c.headX, 120}, {c.headX, c.headY - 4}});
    float laid = player(0, kPoints);
    int slot = 0;
    for (const auto& at : c.baubles) setObject(slot++, {1, at.first, at.second, 0, 0});
    if (c.blueX > 0) ball(1, c.blueX, 150, 90), trail(1, {{c.blueX, 150}});
    frames(1);
    EXPECT_EQ(player(0, kScore), c.score);
    for (size_t i = 0; i < c.left.size(); ++i) EXPECT_EQ(object(static_cast<int>(i), kDrifting), c.left[i] ? 1 : 0) << i;
    EXPECT_EQ(player(1, kTangled) > 0, c.blueTangled);
    if (c.blueTangled) {
      EXPECT_EQ(player(1, kPoints), 0);
    }
    EXPECT_EQ(player(0, kPoints), c.wound ? 1 : laid);
    EXPECT_EQ(app->m_flags[177], c.tripleLoopBadge);
  }
}

// Blue's trail runs from x = 100 to 300 along y = 300 and on to its ball, rolling right
// from 340 (and laying a point there). Red rolls down across it at x: the part older than
// the cut falls away and the trail now starts at the cut; beyond either end of the trail
// nothing is cut.
TEST_F(YarnLoopsTest, CrossingAnotherTrailSnipsItsOlderPart) {
  const float cases[][3] = {
      // Red's x; Blue's points afterwards; Blue's first point's x afterwards
      {150, 21, 150}, {103, 27, 103}, {310, 2, 310}, {80, 27, 100}, {380, 27, 100},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "Red at x " << c[0]);
    start();
    ball(1, 340, 300, 90);
    trail(1, {{100, 300}, {300, 300}});
    ball(0, c[0], 299, 180);
    trail(0, {{c[0], 299}});
    frames(1);
    EXPECT_EQ(player(1, kPoints), c[1]);
    EXPECT_EQ(cell(1, 0, 1), c[2]);
    EXPECT_EQ(cell(1, 0, 2), 300);
    EXPECT_EQ(player(0, kScore) + player(1, kScore), 0);
  }
}

}  // namespace
