// The pause and options tests' start: the running game with its art loaded, rendering,
// in the menu with nothing held and sound on with music, and the keys they use.
#pragma once

#include <gtest/gtest.h>

#include "game/shell/globals.h"
#include "tests/game/shell/running_game.h"

// Keys as the input device numbers them.
enum TestKey : int {
  kKeyEsc = 27,
  kKeyLeft = 37,
  kKeyUp = 38,
  kKeyRight = 39,
  kKeyDown = 40,
  kKeyF11 = 122,
  kKeyFireA = 'Z',
  kKeyFireB = 'X',
  kKeyFireF = 'N',
};

class PauseTest : public ::testing::Test {
 protected:
  static constexpr int kSoundMode = 5;

  PauseTest() {
    host->SetRendering(true);
    game.RunUntilLoaded();
    step(2);
  }

  void step(int updates = 1) { game.Step(updates); }
  void press(int key) { game.Press(key); }
  void release(int key) { game.Release(key); }
  void tap(int key) { game.Tap(key); }
  // A click at a point of the 640 x 480 window, which is the virtual screen unscaled.
  void click(float x, float y) { game.Click(x, y); }

  // Opens the options box over the current screen and waits until it has slid in.
  void openOptions() {
    app->m_optionsOpen = 1;
    step(31);
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
    step();
    ASSERT_EQ(app->m_mode, 10);
    tap(kKeyEsc);
    ASSERT_EQ(app->m_paused, 1);
  }

  RunningGame game;
  SizedHost* host = &game.host;
  c_MyApp* app = game.app;
};
