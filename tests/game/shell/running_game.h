// The real game on a headless host whose window size and date a test chooses, started
// the way the program starts it: module globals (zrInit), the application (zrMain),
// then the devices and the game's start-up. OpenAL plays into its null backend.
#pragma once

#include <cstdlib>

#include "game/shell/my_app.h"
#include "host/app.h"
#include "host/headless_game.h"
#include "host/program_start.h"

class SizedHost : public ZrHeadlessGame {
 public:
  int width = 640;
  int height = 480;
  int GetDeviceWidth() override { return width; }
  int GetDeviceHeight() override { return height; }
};

struct RunningGame {
  SizedHost host;
  c_MyApp* app = nullptr;

  RunningGame(int width = 640, int height = 480, int year = 2013, int month = 12, int day = 26) {
    setenv("ALSOFT_DRIVERS", "null", 0);
    host.width = width;
    host.height = height;
    host.SetDate(year, month, day, 12, 0, 0);
    zrInit();
    // Every test gets an application of its own; the program makes only one.
    zr_app__app = nullptr;
    zrMain();
    app = static_cast<c_MyApp*>(zr_app__app);
    host.Run(0);
  }

  // Steps until the loader has finished (it needs about 40 updates).
  void RunUntilLoaded() {
    for (int update = 0; update < 100 && app->m_loadSteps != 0; ++update) host.Run(1);
  }

  // Loads the art, then sets up the given game as the menu would and runs the set-up
  // update.
  void StartRound(int game) {
    RunUntilLoaded();
    app->m_game = game;
    app->m_mode = 11;
    host.Run(1);
  }

  void Press(int key) { host.KeyEvent(1, key); }
  void Release(int key) { host.KeyEvent(2, key); }
};
