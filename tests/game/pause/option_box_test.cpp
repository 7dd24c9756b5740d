// The options box over the menu: the sound row's cycle and what it does to a playing
// tune, the mode shown without music, one choice per press and none while the box
// moves, the row walk, closing (and saving), the credits, iCade, keyboard players and
// calendar rows, and the fullscreen switch from its row and from F11.
#include <vector>

#include "tests/game/pause/pause_fixture.h"

namespace {

TEST_F(PauseTest, SoundRowCyclesAndStopsTheTuneWhereThereIsNoMusic) {
  struct Case {
    int from, to, musicOnAfter;
  };
  // Each case starts with a tune flagged as playing.
  std::vector<Case> cases = {{0, 1, 1}, {1, 2, 0}, {2, 3, 1}, {3, 0, 0}};
  for (const Case& c : cases) {
    app->m_optionsOpen = 0;
    app->m_optionsSlide = 0;
    app->m_settings[kSoundMode] = c.from;
    app->m_musicOn = 1;
    openOptions();
    app->m_optionsSel = 1;
    tap(kKeyFireA);
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
    step();
    EXPECT_EQ(app->m_settings[kSoundMode], c.afterOneFrame) << "stored " << c.stored;
    tap(kKeyFireA);
    EXPECT_EQ(app->m_settings[kSoundMode], c.afterChoosing) << "stored " << c.stored;
  }
}

TEST_F(PauseTest, APressChoosesOnceAndNotWhileTheBoxMoves) {
  app->m_optionsOpen = 1;
  app->m_optionsSel = 1;
  step(5);
  press(kKeyFireA);
  step(3);
  release(kKeyFireA);
  step();
  EXPECT_EQ(app->m_settings[kSoundMode], 1) << "chosen while sliding in";

  step(30);
  press(kKeyFireA);
  step(10);
  release(kKeyFireA);
  step();
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
    for (int i = 0; i < c.taps; ++i) tap(c.key);
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
    app->m_optionsOpen = 0;
    app->m_optionsSlide = 0;
    openOptions();
    app->m_optionsSel = 0;
    if (c.key != 0)
      tap(c.key);
    else
      click(100, 60);
    EXPECT_EQ(app->m_optionsOpen, 0) << c.how;
    EXPECT_FALSE(host->saved.IsEmpty()) << c.how;
    EXPECT_EQ(app->m_settings[kSoundMode], 1) << c.how;
  }
  step(40);
  EXPECT_EQ(app->m_optionsSlide, 0) << "the box slides away";
}

TEST_F(PauseTest, CreditsRowOpensTheCreditsBox) {
  openOptions();
  click(150, 350);  // the credits bar, 50 below the calendar row
  EXPECT_EQ(app->m_optionsOpen, 0);
  EXPECT_EQ(app->m_creditsOpen, 1);
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
    click(300, 258 + 40 * (c.row - 4));
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
    tap(' ');  // fire A with the protocol on or off
    EXPECT_EQ(zr_TinselJumble_iCadeControls, expected);
    EXPECT_EQ(app->m_vbutton[5], 0);
  }
}

TEST_F(PauseTest, FullscreenFollowsTheRowAndF11) {
  struct Case {
    const char* how;
    int desktopW;
    int expectedFullscreen;
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
      app->m_optionsOpen = 0;
      app->m_optionsSlide = 0;
      openOptions();
      click(300, 218);  // the third row's bar, which a touch also selects
      EXPECT_EQ(app->m_optionsSel, 3) << c.how;
    } else {
      tap(kKeyF11);
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
