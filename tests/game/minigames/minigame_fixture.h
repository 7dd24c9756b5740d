// Frame-by-frame tests of one mini-game: the real application started on a windowless
// host, with a round set up by calling the game's own set-up routine directly. Tests
// place things in the shared tables, run the game's frame routine and read the tables.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>

#include "game/shell/my_app.h"
#include "runtime/input/input.h"
#include "runtime/input/input_device.h"
#include "runtime/random.h"
#include "tests/game/shell/running_game.h"

class MinigameTest : public ::testing::Test {
 protected:
  RunningGame game;
  c_MyApp* app = game.app;

  float& player(int p, int field) { return app->m_players[p * 100 + field]; }
  float& object(int i, int field) { return app->m_objects[i * 10 + field]; }

  // Each seat's input source: 0 the computer, -1 the keyboard, 1..4 a joystick, and -2 a
  // seat nobody steers.
  void seats(int a, int b, int c, int d) {
    const int sources[4] = {a, b, c, d};
    for (int p = 0; p < 4; ++p) app->m_pad[p] = sources[p];
  }
  // The keyboard's stick as the controls would have filled it for this frame.
  void keyboardStick(float x, float y) {
    app->m_controls[kKeyboardControls + 1] = x;
    app->m_controls[kKeyboardControls + 2] = y;
  }
  // Keyboard keys held down or let go before a frame, as between two updates: the hits of
  // the previous frame are over (a hit counts as a press only in its own update), and a
  // key already down sends no second press.
  void hold(int key) {
    zr_input_device->p_EndUpdate();
    if (!zr_input_KeyDown(key)) game.Press(key);
  }
  void release(int key) {
    zr_input_device->p_EndUpdate();
    game.Release(key);
  }
  // Ends the countdown, so that the next frame is one of play.
  void skipCountdown() { app->m_introTimer = 0; }
  // A round of one game in play, nobody steering; a negative seed leaves the random state.
  void startRound(void (c_MyApp::*load)(), void (c_MyApp::*frame)(), int seed = -1) {
    if (seed >= 0) zr_random_Seed = static_cast<uint32_t>(seed);
    (app->*load)();
    seats(-2, -2, -2, -2);
    skipCountdown();
    frameRoutine = frame;
  }
  // The game's frame routine; frames() runs it as the shell would while nothing pauses.
  void (c_MyApp::*frameRoutine)() = nullptr;
  void frames(int count = 1) {
    for (int n = 0; n < count; ++n) (app->*frameRoutine)();
  }
  // Sets an object's fields from field 0 on.
  void setObject(int i, std::initializer_list<float> fields) {
    int field = 0;
    for (float value : fields) object(i, field++) = value;
  }

  static constexpr int kKeyboardControls = 20 - 10;
  static constexpr int kFireAKey = 90;
  static constexpr int kFireBKey = 88;
};
