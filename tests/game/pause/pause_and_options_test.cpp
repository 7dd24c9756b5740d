// The pause menu over a running round and the options box over the menu, driven through
// whole updates of the running game by keys and by touch.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "game/shell/globals.h"
#include "tests/game/shell/running_game.h"

namespace {

enum TestKey : int { kKeyEsc = 27, kKeyLeft = 37, kKeyUp = 38, kKeyRight = 39, kKeyDown = 40, kKeyF11 = 122 };
enum FireKey : int { kKeyFireA = 'Z', kKeyFireB = 'X', kKeyFireF = 'N' };

class PauseTest : public ::testing::Test {
 protected:
  static constexpr int kSoundMode = 5;

  PauseTest() {
    host->SetRendering(true);
    game.RunUntilLoaded();
    game.Step(2);
  }

  // Opens the options box afresh over the current screen and waits until it has slid in.
  void openOptions() {
    app->m_optionsSlide = 0;
    app->m_optionsOpen = 1;
    game.Step(31);
    ASSERT_EQ(app->m_optionsSlide, 30);
  }

  // Starts the fallback round and pauses it with Esc; the pause panel then slides in
  // from where a fresh game has it (a resumed one leaves it a little further in).
  void pauseRound() {
    app->m_pausePanelY = -64;
    app->m_roundOver = 0;
    app->m_gameOverTimer = 0;
    app->m_optionsOpen = 0;
    app->m_optionsSlide = 0;
    app->m_game = 0;
    app->m_mode = 11;
    game.Step();
    ASSERT_EQ(app->m_mode, 10);
    game.Tap(kKeyEsc);
    ASSERT_EQ(app->m_paused, 1);
  }

  RunningGame game;
  SizedHost* host = &game.host;
  c_MyApp* app = game.app;
};

// The panel stops once it has passed half the screen's 480.
constexpr int kPanelOpen = 248;

// Back resumes the round at once, with the panel still sliding in or fully open.
TEST_F(PauseTest, BackResumesWhileThePanelSlidesInOrOnceItIsOpen) {
  for (int updatesBeforeBack : {0, 20}) {
    pauseRound();
    game.Step(updatesBeforeBack);
    game.Tap(kKeyEsc);
    for (int update = 0; update < 11 && app->m_paused == 1; ++update) game.Step();
    EXPECT_EQ(app->m_paused, 0) << "back after " << updatesBeforeBack;
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
    game.Step(20);
    ASSERT_EQ(app->m_pausePanelY, kPanelOpen);
    if (c.clickY > 0) {
      game.Click(72, c.clickY);
    } else {
      for (int key : c.keys) game.Tap(key);
      game.Tap(kKeyFireA);
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
  game.Step(20);
  game.Tap(kKeyDown);
  game.Tap(kKeyFireA);
  game.Step(30);
  ASSERT_EQ(app->m_optionsSlide, 30);
  for (int i = 0; i < 6; ++i) game.Tap(kKeyDown);
  EXPECT_EQ(app->m_optionsSel, 3) << "the fullscreen row is the last";
  EXPECT_EQ(app->m_paused, 1);
  EXPECT_EQ(app->m_pauseSub, 1) << "the keys went to the box, not the menu behind it";

  for (int i = 0; i < 6; ++i) game.Tap(kKeyUp);
  game.Tap(kKeyFireA);
  EXPECT_EQ(app->m_optionsOpen, 0);
  EXPECT_EQ(app->m_paused, 1) << "closing the box leaves the game paused";
}

// A game that has never paused has an empty trail; its first strokes start at the pen,
// not in the screen's corner.
TEST_F(PauseTest, ToyTrailStartsAtThePen) {
  pauseRound();
  for (int i = 0; i < app->m_toyTrail.Length(); ++i) app->m_toyTrail[i] = 0;
  game.Step();
  const float* list = app->m_drawList.Data();
  int lines = 0;
  for (int entry = 0; entry < app->m_drawCount; entry += kDrawEntrySize) {
    if (list[entry] != kDrawLine) continue;
    ++lines;
    EXPECT_FALSE(std::fabs(list[entry + 1]) < 1 && std::fabs(list[entry + 2]) < 1) << "line " << lines;
  }
  EXPECT_EQ(lines, 202);
}

TEST_F(PauseTest, SoundRowCyclesAndStopsTheTuneWhereThereIsNoMusic) {
  struct Case {
    int from, to, musicOnAfter;
  };
  // Each case starts with a tune flagged as playing.
  std::vector<Case> cases = {{0, 1, 1}, {1, 2, 0}, {2, 3, 1}, {3, 0, 0}};
  for (const Case& c : cases) {
    app->m_settings[kSoundMode] = c.from;
    app->m_musicOn = 1;
    openOptions();
    app->m_optionsSel = 1;
    game.Tap(kKeyFireA);
    EXPECT_EQ(app->m_settings[kSoundMode], c.to) << "from " << c.from;
    EXPECT_EQ(app->m_musicOn, c.musicOnAfter) << "from " << c.from;
  }
}

TEST_F(PauseTest, WithoutMusicTheSoundRowIsOnOrOff) {
  zr_TinselJumble_HasMusicStream = 0;
  struct Case {
    int stored, afterOneFrame, afterChoosing;
  };
  std::vector<Case> cases = {{0, 0, 1}, {1, 1, 0}, {2, 0, 1}, {3, 0, 1}, {7, 0, 1}, {-2, 0, 1}};
  openOptions();
  app->m_optionsSel = 1;
  for (const Case& c : cases) {
    app->m_settings[kSoundMode] = c.stored;
    game.Step();
    EXPECT_EQ(app->m_settings[kSoundMode], c.afterOneFrame) << "stored " << c.stored;
    game.Tap(kKeyFireA);
    EXPECT_EQ(app->m_settings[kSoundMode], c.afterChoosing) << "stored " << c.stored;
  }
}

TEST_F(PauseTest, APressChoosesOnceAndNotWhileTheBoxMoves) {
  app->m_optionsOpen = 1;
  app->m_optionsSel = 1;
  game.Step(5);
  game.Press(kKeyFireA);
  game.Step(3);
  game.Release(kKeyFireA);
  game.Step();
  EXPECT_EQ(app->m_settings[kSoundMode], 1) << "chosen while sliding in";

  game.Step(30);
  game.Press(kKeyFireA);
  game.Step(10);
  game.Release(kKeyFireA);
  game.Step();
  EXPECT_EQ(app->m_settings[kSoundMode], 2) << "held for ten updates, chosen once";
}

TEST_F(PauseTest, KeysWalkTheRowsAndStopAtTheEnds) {
  struct Case {
    int key, taps, expected;
  };
  // Up and left walk back, down and right on; credits is the last row from the menu.
  std::vector<Case> cases = {{kKeyDown, 2, 2}, {kKeyRight, 6, 6}, {kKeyUp, 1, 5}, {kKeyLeft, 9, 0}};
  openOptions();
  for (const Case& c : cases) {
    for (int i = 0; i < c.taps; ++i) game.Tap(c.key);
    EXPECT_EQ(app->m_optionsSel, c.expected) << "key " << c.key;
  }
  EXPECT_EQ(app->m_optionsOpen, 1);
  EXPECT_EQ(app->m_settings[kSoundMode], 1) << "walking chose a row";
}

TEST_F(PauseTest, TheBackControlClosesTheBoxAndSaves) {
  struct Case {
    const char* how;
    int key;  // 0: a click on the gear
  };
  std::vector<Case> cases = {{"fire A", kKeyFireA}, {"fire B", kKeyFireB}, {"fire F", kKeyFireF},
                             {"back", kKeyEsc},     {"gear", 0}};
  for (const Case& c : cases) {
    host->saved = String();
    openOptions();
    app->m_optionsSel = 0;
    if (c.key != 0)
      game.Tap(c.key);
    else
      game.Click(100, 60);
    EXPECT_EQ(app->m_optionsOpen, 0) << c.how;
    EXPECT_FALSE(host->saved.IsEmpty()) << c.how;
    EXPECT_EQ(app->m_settings[kSoundMode], 1) << c.how;
  }
  game.Step(40);
  EXPECT_EQ(app->m_optionsSlide, 0) << "the box slides away";
}

TEST_F(PauseTest, KeyboardAndCalendarRowsSwitchTheirSettings) {
  constexpr int kKeyboardPlayers = 20;
  constexpr int kCalendar = 21;
  struct Case {
    int row;
    bool iCadeBefore;
    int setting;
    int before, after;
    int keyboardPlayersAfter;
  };
  std::vector<Case> cases = {
      {4, false, kKeyboardPlayers, 0, 1, 2},
      {4, false, kKeyboardPlayers, 1, 0, 1},
      {4, true, kKeyboardPlayers, 0, 1, 2},  // two players switch the iCade protocol off
      {4, true, kKeyboardPlayers, 1, 1, 2},  // shown as one player while the iCade is on
      {5, false, kCalendar, 0, 1, 1},
      {5, false, kCalendar, 1, 0, 1},
  };
  openOptions();
  for (const Case& c : cases) {
    app->p_iCade(c.iCadeBefore ? 1 : 0);
    app->m_settings[kKeyboardPlayers] = 0;
    app->m_settings[c.setting] = c.before;
    // A touch on the row's bar, 40 below the fullscreen row per row: Z is no fire key
    // for two keyboard players, nor with the iCade protocol on.
    game.Click(300, 258 + 40 * (c.row - 4));
    EXPECT_EQ(app->m_settings[c.setting], c.after) << "row " << c.row << " from " << c.before;
    EXPECT_EQ(app->p_KeyboardPlayers(), c.keyboardPlayersAfter) << "row " << c.row << " from " << c.before;
    EXPECT_EQ(zr_TinselJumble_iCadeControls, c.iCadeBefore && c.row != 4 ? 1 : 0) << "row " << c.row;
  }
}

TEST_F(PauseTest, ICadeRowSwitchesTheProtocolAndDropsVirtualButtons) {
  openOptions();
  app->m_optionsSel = 2;
  for (int expected : {1, 0}) {
    app->m_vbutton[5] = 2;
    game.Tap(' ');  // fire A with the protocol on or off
    EXPECT_EQ(zr_TinselJumble_iCadeControls, expected);
    EXPECT_EQ(app->m_vbutton[5], 0);
  }
}

TEST_F(PauseTest, FullscreenFollowsTheRowAndF11) {
  struct Case {
    const char* how;
    int desktopW, expectedFullscreen;
    int width, height, flags;  // the window asked for; width 0 for none
  };
  std::vector<Case> cases = {
      {"F11", 1920, 1, 1920, 1080, 1},       {"F11", 1920, 0, 640, 480, 0},
      {"row", 1920, 1, 1920, 1080, 1},       {"row", 1920, 0, 640, 480, 0},
      {"F11 without a desktop", 0, 0, 0, 0, 0},
  };
  for (const Case& c : cases) {
    host->windowRequests.clear();
    host->desktopW = c.desktopW;
    if (c.how[0] == 'r') {
      openOptions();
      game.Click(300, 218);  // the third row's bar, which a touch also selects
      EXPECT_EQ(app->m_optionsSel, 3) << c.how;
    } else {
      game.Tap(kKeyF11);
    }
    EXPECT_EQ(app->m_fullscreen, c.expectedFullscreen) << c.how;
    if (c.width == 0) {
      EXPECT_TRUE(host->windowRequests.empty()) << c.how;
      continue;
    }
    ASSERT_EQ(host->windowRequests.size(), 1u) << c.how;
    EXPECT_EQ(host->windowRequests[0].width, c.width) << c.how;
    EXPECT_EQ(host->windowRequests[0].height, c.height) << c.how;
    EXPECT_EQ(host->windowRequests[0].flags, c.flags) << c.how;
  }
}

}  // namespace
