// The shell's state machine through the headless host, from start-up to quitting.
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "game/shell/globals.h"
#include "game/shell/virtual_screen.h"
#include "running_game.h"
#include "runtime/input/input.h"

namespace {

constexpr int kBackspace = 8, kEscape = 27, kSpace = 32, kRightArrow = 39, kDelete = 46, kKeyV = 86;
constexpr int kF2 = 113, kF3 = 114, kF4 = 115;

// Up to Christmas the menu opens on the next day's door (and November 2016 on the
// first); on other days on a game drawn from the date, the same all day long.
TEST(ShellStart, OffersTheGameOfTheDate) {
  struct Case {
    int year, month, day;
    int expected;  // 0: drawn from the date
  };
  const std::vector<Case> cases = {
      {2013, 12, 1, 2}, {2031, 12, 1, 2}, {2013, 12, 25, 26}, {2020, 12, 24, 25}, {2016, 11, 5, 1},
      {2016, 11, 30, 1}, {2013, 12, 26, 0}, {2024, 12, 31, 0}, {2016, 10, 5, 0}, {2017, 11, 5, 0}, {2025, 7, 14, 0},
  };
  std::set<int> drawn;
  for (const Case& c : cases) {
    std::string date = std::to_string(c.year) + "-" + std::to_string(c.month) + "-" + std::to_string(c.day);
    GameStart start;
    start.year = c.year, start.month = c.month, start.day = c.day;
    int offered = RunningGame(start).app->m_menuGame;
    if (c.expected != 0) {
      EXPECT_EQ(offered, c.expected) << date;
      continue;
    }
    EXPECT_GE(offered, 1) << date;
    EXPECT_LE(offered, 26) << date;
    start.width = 800;  // later the same day
    EXPECT_EQ(RunningGame(start).app->m_menuGame, offered) << date;
    drawn.insert(offered);
  }
  EXPECT_GT(drawn.size(), 1u) << "other days do not all offer the same game";
}

// The draw-list entry of player p's sprite (image 0, frame p), or null.
const float* SpriteOf(c_MyApp* app, int player) {
  for (int start = 0; start + kDrawEntrySize <= app->m_drawCount; start += kDrawEntrySize) {
    const float* entry = app->m_drawList.Data() + start;
    if (entry[0] == 0 && entry[6] == player) return entry;
  }
  return nullptr;
}

TEST(ShellRound, GameNumbersWithoutAGameRunTheCommonSetUpAndTheFallbackGame) {
  for (int number : {0, 27, -3, 1000}) {
    RunningGame game;
    game.StartRound(number);
    c_MyApp* app = game.app;
    ASSERT_EQ(app->m_mode, 10) << number;
    EXPECT_EQ(app->m_timeLeft, 360) << number;
    EXPECT_EQ(app->m_setupWidth, 640.0f) << number;
    EXPECT_EQ(app->m_introTimer, 160) << number << ": the common set-up ran";
    game.host.Run(1);
    EXPECT_EQ(app->m_introTimer, 159) << number << ": the fallback game shows the score panel";
    EXPECT_NE(SpriteOf(app, 3), nullptr) << number << ": and draws the players";
  }
}

// The back keys (Esc, Delete, Backspace) pause a round and back out of the pause menu
// again; fire D and the pause icon only pause.
TEST(ShellPause, KeysAndThePauseIconPauseARunningGame) {
  struct Case {
    std::string how;
    int key;  // 0: a click instead
    float clickX, clickY;
    bool pauses, backsOut;
  };
  const std::vector<Case> cases = {
      {"escape", kEscape, 0, 0, true, true},
      {"delete", kDelete, 0, 0, true, true},
      {"backspace", kBackspace, 0, 0, true, true},
      {"fire D", kKeyV, 0, 0, true, false},
      {"click on the icon", 0, 10, 10, true, false},
      {"click beside the icon", 0, 100, 100, false, false},
      {"a key that does nothing", kSpace, 0, 0, false, false},
  };
  for (const Case& c : cases) {
    RunningGame game;
    game.host.SetRendering(true);
    game.StartRound(0);
    c_MyApp* app = game.app;
    ASSERT_EQ(app->m_paused, 0) << c.how;
    if (c.key != 0)
      game.Press(c.key);
    else
      game.host.MouseEvent(4, 0, c.clickX, c.clickY);
    game.host.Run(1);
    EXPECT_EQ(app->m_paused, c.pauses ? 1 : 0) << c.how;
    if (!c.pauses) continue;
    EXPECT_EQ(app->m_pauseSel, 1) << c.how;
    EXPECT_EQ(c.key != 0 ? app->m_keyLatch : app->m_pointerLatch, 1) << c.how << ": the press is used up";

    // Paused, the game is neither stepped nor drawn, and its intro clock stands still.
    float x = app->m_players[1];
    int introTimer = app->m_introTimer;
    game.Press(kRightArrow);
    game.host.Run(2);
    EXPECT_EQ(app->m_players[1], x) << c.how;
    EXPECT_EQ(app->m_introTimer, introTimer) << c.how;
    EXPECT_EQ(SpriteOf(app, 0), nullptr) << c.how;
    if (!c.backsOut) continue;

    game.Release(kRightArrow);
    game.Release(c.key);
    game.Step(20);
    game.Tap(c.key);
    for (int update = 0; update < 50 && app->m_paused == 1; ++update) game.Step();
    EXPECT_EQ(app->m_paused, 0) << c.how << " backs out of the pause menu";
  }
}

// F2 clears the screen of the score panel and the pause icon, and brings them back.
TEST(ShellHud, F2HidesTheScorePanelAndThePauseIconAndBringsThemBack) {
  RunningGame game;
  game.host.SetRendering(true);
  game.StartRound(3);  // Catching Fishies keeps the score on the panel
  game.Step(200);
  c_MyApp* app = game.app;
  auto pauseIconShown = [app] {
    for (int at = 0; at + kDrawEntrySize <= app->m_drawCount; at += kDrawEntrySize)
      if (app->m_drawList[at] == 97 && app->m_drawList[at + 6] == 0) return true;
    return false;
  };
  ASSERT_TRUE(pauseIconShown());
  ASSERT_EQ(app->m_panelWidth, 96);
  game.Tap(kF2);
  EXPECT_FALSE(pauseIconShown());
  EXPECT_EQ(app->m_panelWidth, 0);
  game.Click(16, 16);
  EXPECT_EQ(app->m_paused, 0) << "no icon to touch";
  game.Tap(kF2);
  EXPECT_TRUE(pauseIconShown());
  EXPECT_EQ(app->m_panelWidth, 96);
}

// Losing the focus also saves, so a player who closes the laptop keeps today's scores.
TEST(ShellFocus, SuspendingSavesAndDuringAGameComesBackPausedButNotInTheMenu) {
  for (int mode : {10, 11, 1, 2}) {
    RunningGame game;
    game.RunUntilLoaded();
    c_MyApp* app = game.app;
    app->m_mode = mode;
    app->m_vbutton[3] = 2;
    app->m_highscores[30] = 4321;
    zr_TinselJumble_iCadeControls = 1;
    game.host.SuspendGame();
    EXPECT_NE(game.host.saved.ToNarrow().find("4321"), std::string::npos) << mode << ": saved on losing the focus";
    EXPECT_EQ(game.host.UpdateRate(), 5) << mode;
    EXPECT_EQ(app->m_vbutton[3], 0) << mode;
    EXPECT_EQ(zr_TinselJumble_iCadeControls, 0) << mode;
    game.host.ResumeGame();
    EXPECT_EQ(game.host.UpdateRate(), 60) << mode;
    bool inGame = mode >= 10;
    EXPECT_EQ(app->m_paused, inGame ? 1 : 0) << mode;
    EXPECT_EQ(app->m_pauseSel, inGame ? 1 : 0) << mode;
    EXPECT_EQ(app->m_pausePanelY, inGame ? 240 : 0) << mode;
  }
}

TEST(ShellPointer, DevicePixelsBecomeVirtualPixels) {
  struct Case {
    float overscan;
    int expectedX, expectedY;
  };
  // 1280 x 720: scale 2 without overscan; with 32 pixels the scale is 1.9 and the top
  // margin 32 x 720 / 1280 = 18.
  for (const Case& c : {Case{0, 100, 50}, Case{32, 88, 43}}) {
    RunningGame game({1280, 720});
    zr_TinselJumble_overscan = c.overscan;
    game.host.SetRendering(true);
    game.RunUntilLoaded();
    c_MyApp* app = game.app;
    game.host.MouseEvent(6, 0, 200, 100);
    game.host.Run(1);
    EXPECT_EQ(app->m_mouseX, c.expectedX) << c.overscan;
    EXPECT_EQ(app->m_mouseY, c.expectedY) << c.overscan;
    EXPECT_EQ(app->m_touching, 0) << c.overscan;

    game.host.MouseEvent(4, 0, 200, 100);
    game.host.Run(1);
    EXPECT_EQ(app->m_touchDown[0], 1) << "the held mouse is finger 0";
    EXPECT_EQ(app->m_touchX[0], c.expectedX) << c.overscan;
    EXPECT_EQ(app->m_touchY[0], c.expectedY) << c.overscan;
    game.host.MouseEvent(5, 0, 400, 300);
    game.host.Run(1);
    EXPECT_EQ(app->m_touchDown[0], 0) << c.overscan;
  }
}

// The close key goes straight into the input device: the host's own close handling
// would end the program before the update could.
void HitAndUpdate(int key) {
  RunningGame game;
  game.RunUntilLoaded();
  zr_input_device->p_KeyEvent(1, key);
  game.host.Run(1);
}

TEST(ShellQuitDeathTest, F4AndTheCloseKeyEndTheProgramCleanly) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  for (int key : {kF4, static_cast<int>(zr_input_KEY_CLOSE)}) {
    EXPECT_EXIT(HitAndUpdate(key), ::testing::ExitedWithCode(0), "") << key;
  }
  // Another function key runs the update through; the child then leaves with its own code.
  EXPECT_EXIT((HitAndUpdate(kF3), std::exit(7)), ::testing::ExitedWithCode(7), "");
}

}  // namespace
