// The menu tests' keys and start: the running game on a chosen date, run until the menu
// has slid in. Input goes through the host like a player's: key events for keys and
// joystick buttons (joystick u's button b is key 256 + 32u + b), mouse events for the
// pointer.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "tests/game/shell/running_game.h"

namespace menu_test {

// Start, join, leave, lower and raise are fire A, B, C, E and F.
enum Key : int { kLeftArrow = 37, kRightArrow = 39, kDownKey = 'S', kEscape = 27, kDelete = 46, kBackspace = 8 };
enum Fire : int { kStartKey = 'Z', kJoinKey = 'X', kLeaveKey = 'C', kLowerKey = 'B', kRaiseKey = 'O' };
enum Mouse : int { kMouseDown = 4, kMouseUp = 5, kMouseMove = 6 };

inline int JoyButton(int unit, int button) { return 256 + 32 * unit + button; }

}  // namespace menu_test

class MenuTest : public ::testing::Test {
 protected:
  void StartOn(int year, int month, int day) {
    GameStart start;
    start.year = year, start.month = month, start.day = day;
    game = std::make_unique<RunningGame>(start);
    host = &game->host;
    app = game->app;
    host->SetRendering(true);
    game->RunUntilMenu();
    ASSERT_EQ(app->m_loadSteps, 0);
    ASSERT_EQ(app->m_mode, 1);
    ASSERT_EQ(app->m_menuSlide, 0);
  }

  void Press(int key) { game->Press(key); }
  void Release(int key) { game->Release(key); }
  void Tap(int key) { game->Tap(key); }
  void Step(int updates = 1) { game->Step(updates); }
  std::string Text(const String& text) { return text.ToNarrow(); }

  std::unique_ptr<RunningGame> game;
  SizedHost* host = nullptr;
  c_MyApp* app = nullptr;
};
