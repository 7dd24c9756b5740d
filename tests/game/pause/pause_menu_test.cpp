// The pause menu over a running round: the panel's slide in and out, back while it is
// still coming in, the three buttons by keys and by touch, the options box without the
// credits row, and the toy's first strokes.
#include <cmath>
#include <vector>

#include "tests/game/pause/pause_fixture.h"

namespace {

// The panel comes in 24 pixels an update from -64 and stops on passing half the screen's
// 480; going out it counts as gone below -32.
constexpr int kPanelOpen = 248;

TEST_F(PauseTest, PanelSlidesInAndBackSlidesItOut) {
  struct Case {
    int updatesBeforeBack;
    int panelAtBack;  // after the update that reads back
    int updatesToUnpause;
  };
  // Pausing itself takes the two updates of the Esc tap (-40, -16).
  std::vector<Case> cases = {{0, 8, 2}, {20, kPanelOpen, 12}};
  for (const Case& c : cases) {
    pauseRound();
    EXPECT_EQ(app->m_pausePanelY, -16);
    step(c.updatesBeforeBack);
    press(kKeyEsc);
    step();
    release(kKeyEsc);
    EXPECT_EQ(app->m_pausePanelY, c.panelAtBack);
    EXPECT_EQ(app->m_pauseSel, -1);
    int updates = 0;
    while (app->m_paused == 1 && updates < 50) {
      step();
      ++updates;
    }
    EXPECT_EQ(updates, c.updatesToUnpause) << "back after " << c.updatesBeforeBack;
    EXPECT_EQ(app->m_mode, 10) << "the round goes on";
    EXPECT_EQ(app->m_roundOver, 0);
  }
}

// The three buttons (end the round above, resume, options below) by keys and by touch.
TEST_F(PauseTest, ButtonsByKeysAndByTouch) {
  struct Case {
    const char* how;
    std::vector<int> keys;  // walked, then fire A; none: a click at (72, clickY)
    float clickY;
    int pauseSel, roundOver, optionsOpen;
  };
  const std::vector<Case> cases = {
      {"fire A", {}, 0, -1, 0, 0},          {"up", {kKeyUp}, 0, -1, 1, 0},
      {"down", {kKeyDown}, 0, 1, 0, 1},     {"up then down", {kKeyUp, kKeyDown}, 0, -1, 0, 0},
      {"down then up", {kKeyDown, kKeyUp}, 0, -1, 0, 0},
      {"touch resume", {}, 196, -1, 0, 0},  {"touch end", {}, 96, -1, 1, 0},
      {"touch options", {}, 296, 1, 0, 1},  {"touch below", {}, 400, 1, 0, 0},
  };
  for (const Case& c : cases) {
    pauseRound();
    step(20);
    ASSERT_EQ(app->m_pausePanelY, kPanelOpen);
    if (c.clickY > 0) {
      click(72, c.clickY);
    } else {
      for (int key : c.keys) tap(key);
      tap(kKeyFireA);
    }
    EXPECT_EQ(app->m_pauseSel, c.pauseSel) << c.how;
    EXPECT_EQ(app->m_roundOver, c.roundOver) << c.how;
    EXPECT_EQ(app->m_optionsOpen, c.optionsOpen) << c.how;
    EXPECT_EQ(app->m_paused, c.roundOver ? 0 : 1) << c.how;
  }
}

// The seats, the calendar and the credits are the menu's: a paused round offers only the
// sound, the iCade protocol and the window.
TEST_F(PauseTest, OptionsFromThePauseMenuOfferNoCredits) {
  pauseRound();
  step(20);
  tap(kKeyDown);
  tap(kKeyFireA);
  step(30);
  ASSERT_EQ(app->m_optionsSlide, 30);
  for (int i = 0; i < 6; ++i) tap(kKeyDown);
  EXPECT_EQ(app->m_optionsSel, 3) << "the fullscreen row is the last";
  EXPECT_EQ(app->m_paused, 1);
  EXPECT_EQ(app->m_pauseSub, 1) << "the keys went to the box, not the menu behind it";

  for (int i = 0; i < 6; ++i) tap(kKeyUp);
  tap(kKeyFireA);
  EXPECT_EQ(app->m_optionsOpen, 0);
  EXPECT_EQ(app->m_paused, 1) << "closing the box leaves the game paused";
}

// A game that has never paused has an empty trail; its first strokes start at the pen,
// not in the screen's corner.
TEST_F(PauseTest, ToyTrailStartsAtThePen) {
  pauseRound();
  for (int i = 0; i < app->m_toyTrail.Length(); ++i) app->m_toyTrail[i] = 0;
  step();
  const float* list = app->m_drawList.Data();
  int lines = 0;
  for (int entry = 0; entry < app->m_drawCount; entry += kDrawEntrySize) {
    if (list[entry] != kDrawLine) continue;
    ++lines;
    EXPECT_FALSE(std::fabs(list[entry + 1]) < 1 && std::fabs(list[entry + 2]) < 1) << "line " << lines;
  }
  EXPECT_EQ(lines, 202);
}

}  // namespace
