// Round points and the score panel, the round clock and the round-end overlay. Text is
// read back from the draw list: a glyph of the game font is drawn as frame code - 32.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "game/shell/globals.h"
#include "game/shell/my_app.h"
#include "game/shell/virtual_screen.h"
#include "runtime/input/input.h"

namespace {

constexpr int kFont = 90;

class ScoresTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app.m_curImage = kFont;
    app.m_frameInfo[3 * kFont] = 16;
    app.m_frameInfo[3 * kFont + 1] = 16;
    app.m_imgScale = 1;
  }

  void SetPlayers(std::array<float, 4> scores, std::array<float, 4> alive) {
    for (int p = 0; p < 4; ++p) {
      app.m_players[p * 100 + 95] = scores[p];
      app.m_players[p * 100 + 99] = alive[p];
    }
  }
  std::array<int, 4> RoundPoints() {
    return {app.m_roundPoints[0], app.m_roundPoints[1], app.m_roundPoints[2], app.m_roundPoints[3]};
  }
  // The visible characters drawn since the list was emptied, in drawing order.
  std::string DrawnText() {
    std::string text;
    for (int at = 0; at < app.m_drawCount; at += 15) {
      if (app.m_drawList[at] == kFont) text += static_cast<char>(app.m_drawList[at + 6] + 32);
    }
    return text;
  }
  int CountEntries(float kind) {
    int count = 0;
    for (int at = 0; at < app.m_drawCount; at += 15) count += app.m_drawList[at] == kind ? 1 : 0;
    return count;
  }
  // The sound slot turns once per effect played.
  void ListenForTicks() {
    app.m_settings[5] = 1;
    gc_assign(app.m_sounds[12], (new c_Sound)->m_new(nullptr));
  }

  c_MyApp app;
};

TEST_F(ScoresTest, RoundPointsLeaderAndBanner) {
  struct Case {
    std::array<float, 4> scores;
    std::array<int, 4> points;
    int leader;
    std::string banner;  // after "GAME OVER"
  };
  const Case cases[] = {
      {{10, 0, 0, 0}, {2, 1, 1, 1}, 0, "RedWins!"},
      {{10, 5, 0, 0}, {2, 1, 0, 0}, 0, "RedWins!"},
      {{0, 0, 0, 7}, {1, 1, 1, 2}, 3, "GreenWins!"},
      {{3, 9, 9, 2}, {1, 2, 2, 0}, 2, "GameDrawn!"},
      {{6, 6, 6, 6}, {2, 2, 2, 2}, 3, "GameDrawn!"},
      {{0, 0, 0, 0}, {2, 2, 2, 2}, 3, "GameDrawn!"},
      {{-5, 0, 0, 0}, {0, 2, 2, 2}, 3, "GameDrawn!"},
      {{-5, -1, -2, -3}, {0, 0, 0, 0}, -1, "GameDrawn!"},
      {{4.7f, 4.2f, 1, 0}, {2, 2, 1, 0}, 1, "GameDrawn!"},
      {{0, 12, 3, 12.5f}, {0, 2, 1, 2}, 3, "GameDrawn!"},
  };
  for (const Case& c : cases) {
    std::string name = std::to_string(c.scores[0]) + "," + std::to_string(c.scores[1]) + "," +
                       std::to_string(c.scores[2]) + "," + std::to_string(c.scores[3]);
    SetPlayers(c.scores, {0, 0, 0, 0});
    app.m_leader = -1;
    app.p_ScoreDisplay(1, 0.5f);
    EXPECT_EQ(RoundPoints(), c.points) << name;
    EXPECT_EQ(app.m_leader, c.leader) << name;
    EXPECT_EQ(app.m_roundPoints[9], 120) << name;

    app.m_drawCount = 0;
    app.m_mode = 10;
    app.m_gameOverTimer = 30;
    app.p_GameOver();
    EXPECT_EQ(DrawnText(), "GAMEOVER" + c.banner) << name;
  }
}

TEST_F(ScoresTest, ModesDecideSurvivalPointsAndPanel) {
  struct Case {
    int mode, hideHud;
    std::array<float, 4> gained;
    int panelWidth;
    std::string numbers;  // drawn by the panel, players 0..3
  };
  // Players 0 and 2 are in play; scores start at 10, 20, 30, 40; lives 3, 0, 1, -2.
  const Case cases[] = {
      {0, 0, {1, 0, 1, 0}, 0, ""},
      {1, 0, {0, 0, 0, 0}, 96, "10203040"},
      {2, 0, {1, 0, 1, 0}, 96, "3010"},
      {2, 1, {1, 0, 1, 0}, 0, ""},
      {-1, 0, {0, 0, 0, 0}, 0, ""},
  };
  for (const Case& c : cases) {
    SetPlayers({10, 20, 30, 40}, {3, 0, 1, -2});
    app.m_hideHud = c.hideHud;
    app.m_panelWidth = 96;
    app.m_drawCount = 0;
    app.p_ScoreDisplay(c.mode, 0.5f);
    for (int p = 0; p < 4; ++p) {
      EXPECT_EQ(app.m_players[p * 100 + 95], 10 * (p + 1) + c.gained[p]) << "mode " << c.mode << " player " << p;
    }
    EXPECT_EQ(app.m_panelWidth, c.panelWidth) << "mode " << c.mode;
    EXPECT_EQ(DrawnText(), c.numbers) << "mode " << c.mode;
    EXPECT_EQ(CountEntries(0), c.panelWidth > 0 ? 4 : 0) << "mode " << c.mode << ": player icons";
  }
}

TEST_F(ScoresTest, RoundClockShowsLastSecondsTicksThreeTimesAndEndsTheRound) {
  ListenForTicks();
  app.m_timeLeft = 400;
  int ticks = 0;
  int calls = 0;
  int lastSlot = app.m_sfxSlot;
  while (app.m_roundOver == 0 && calls < 1000) {
    int timeLeft = app.m_timeLeft;
    app.m_drawCount = 0;
    app.p_TimeOut();
    ++calls;
    if (app.m_sfxSlot != lastSlot) {
      ++ticks;
      EXPECT_TRUE(app.m_timeLeft == 180 || app.m_timeLeft == 120 || app.m_timeLeft == 60) << app.m_timeLeft;
    }
    lastSlot = app.m_sfxSlot;
    bool shown = timeLeft < 360;
    EXPECT_EQ(CountEntries(-3716), shown ? 1 : 0) << "time left " << timeLeft;
    if (timeLeft == 359 || timeLeft == 59) {
      EXPECT_EQ(DrawnText(), timeLeft == 359 ? "5" : "0");
    }
  }
  EXPECT_EQ(ticks, 3);
  EXPECT_EQ(calls, 401);
  EXPECT_EQ(app.m_timeLeft, -1);
}

TEST_F(ScoresTest, OverlayGrowsForNinetyFramesThenShrinksOverTheMenu) {
  app.m_mode = 10;
  app.m_roundOver = 1;
  app.m_musicOn = 1;
  for (int frame = 1; frame < 90; ++frame) {
    app.p_GameOver();
    ASSERT_EQ(app.m_mode, 10) << frame;
    ASSERT_EQ(app.m_gameOverTimer, frame);
  }
  app.m_keyLatch = 0;
  app.m_pointerLatch = 0;
  app.p_GameOver();
  EXPECT_EQ(app.m_mode, 2);
  EXPECT_EQ(app.m_gameOverTimer, 73);
  EXPECT_EQ(app.m_musicOn, 0);
  EXPECT_EQ(app.m_keyLatch, 1) << "the overlay holds the latches";
  EXPECT_EQ(app.m_pointerLatch, 1);

  app.m_mode = 1;
  for (int frame = 0; frame < 100; ++frame) app.p_GameOver();
  EXPECT_EQ(app.m_gameOverTimer, 0);
  app.m_keyLatch = 0;
  app.m_drawCount = 0;
  app.p_GameOver();
  EXPECT_EQ(app.m_keyLatch, 0) << "a gone overlay leaves the latches alone";
}

TEST_F(ScoresTest, CreditsCloseOnceOnAFreshPress) {
  gc_assign(zr_TinselJumble_CreditText, zr_TinselJumble_CreditLines());
  app.m_settings[5] = 1;
  gc_assign(app.m_sounds[99], (new c_Sound)->m_new(nullptr));
  app.m_creditsOpen = 1;
  app.m_creditsSlide = 30;

  struct Case {
    const char* name;
    int keyLatch, pointerLatch, touching, fireA, open, sounds;
  };
  const Case cases[] = {
      {"fire A", 0, 0, 0, true, 0, 1},       {"fire A, key latched", 1, 0, 0, true, 1, 0},
      {"pointer down", 0, 0, 1, false, 0, 1}, {"pointer down, latched", 0, 1, 1, false, 1, 0},
      {"nothing", 0, 0, 0, false, 1, 0},
  };
  for (const Case& c : cases) {
    c_InputDevice* device = zr_input_SetInputDevice((new c_InputDevice)->m_new());
    if (c.fireA) device->p_KeyEvent(zr_input_EVENT_KEYDOWN, 'Z');
    app.m_creditsOpen = 1;
    app.m_keyLatch = c.keyLatch;
    app.m_pointerLatch = c.pointerLatch;
    app.m_touching = c.touching;
    int slot = app.m_sfxSlot;
    app.p_CreditBox();
    EXPECT_EQ(app.m_creditsOpen, c.open) << c.name;
    EXPECT_EQ(app.m_sfxSlot != slot ? 1 : 0, c.sounds) << c.name;
  }
  zr_input_SetInputDevice(nullptr);
}

}  // namespace
