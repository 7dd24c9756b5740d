// The real game on the windowless host, started on a chosen date and run until the menu
// has slid in. Input goes through the host like a player's: key events for keys and
// joystick buttons (joystick u's button b is key 256 + 32u + b), mouse events for the
// pointer. Each test runs in a folder of its own, since returning to the menu saves.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <string>

#include "game/shell/my_app.h"
#include "host/headless_game.h"

namespace menu_test {

enum Key : int {
  kLeftArrow = 37,
  kRightArrow = 39,
  kDownKey = 'S',
  kStartKey = 'Z',   // fire A
  kJoinKey = 'X',    // fire B
  kLeaveKey = 'C',   // fire C
  kLowerKey = 'B',   // fire E
  kRaiseKey = 'O',   // fire F
  kEscape = 27,
};

constexpr int kKeyDown = 1;
constexpr int kKeyUp = 2;
constexpr int kMouseDown = 4;
constexpr int kMouseUp = 5;
constexpr int kMouseMove = 6;

inline int JoyButton(int unit, int button) { return 256 + 32 * unit + button; }

}  // namespace menu_test

class MenuTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char folder[] = "/tmp/tj-menu-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    ASSERT_EQ(chdir(folder), 0);
    host = new ZrHeadlessGame;
    host->SetRendering(true);
  }

  // Starts the game on the date and runs until the loader is done and the panel is in.
  void StartOn(int year, int month, int day) {
    host->SetDate(year, month, day, 12, 0, 0);
    app = (new c_MyApp)->m_new();
    host->Run(0);
    for (int update = 0; update < 300 && (app->m_loadSteps != 0 || app->m_menuSlide < 0); ++update) host->Run(1);
    ASSERT_EQ(app->m_loadSteps, 0);
    ASSERT_EQ(app->m_mode, 1);
    ASSERT_EQ(app->m_menuSlide, 0);
  }

  void Press(int key) { host->KeyEvent(menu_test::kKeyDown, key); }
  void Release(int key) { host->KeyEvent(menu_test::kKeyUp, key); }
  // A press held for one update, then let go and one more update.
  void Tap(int key) {
    Press(key);
    host->Run(1);
    Release(key);
    host->Run(1);
  }
  void Step(int updates = 1) { host->Run(updates); }

  std::string Text(const String& text) { return text.ToNarrow(); }

  ZrHeadlessGame* host = nullptr;
  c_MyApp* app = nullptr;
};
