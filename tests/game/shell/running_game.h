// The real game on a headless host whose window size, date, pads and state file a test
// chooses, started the way the program starts it: module globals (zrInit), the
// application (zrMain), then the devices and the game's start-up. OpenAL plays into its
// null backend. Without a state file the save is kept in memory, so no test reads
// another's save.
#pragma once

#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "game/shell/my_app.h"
#include "host/app.h"
#include "host/headless_game.h"
#include "host/program_start.h"
#include "runtime/storage/state_file.h"

class SizedHost : public ZrHeadlessGame {
 public:
  int width = 640;
  int height = 480;
  // Pads plugged into ports 0, 1, ..., each with the buttons it holds.
  std::vector<std::set<int>> pads;
  // The state file and the file system that writes it; without a file, the save stays in
  // memory (saved).
  std::string stateFile;
  StateFileSystem* stateFileSystem = nullptr;
  String saved;
  int GetDeviceWidth() override { return width; }
  int GetDeviceHeight() override { return height; }
  int SaveState(String state) override {
    if (stateFile.empty()) {
      saved = state;
      return 0;
    }
    return zr_storage_SaveState(state, stateFile, stateFileSystem ? *stateFileSystem : zr_storage_PosixFileSystem());
  }
  String LoadState() override { return stateFile.empty() ? saved : zr_storage_LoadState(stateFile); }
  bool PollJoystick(int port, Array<float>, Array<float>, Array<float>, Array<bool> buttons) override {
    if (port >= static_cast<int>(pads.size())) return false;
    for (int button = 0; button < buttons.Length(); ++button) buttons[button] = pads[port].count(button) > 0;
    return true;
  }
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

  // The characters the last update drew with the font, in drawing order (spaces are not
  // drawn).
  std::string DrawnText() const {
    std::string text;
    for (int at = 0; at + kDrawEntrySize <= app->m_drawCount; at += kDrawEntrySize)
      if (app->m_drawList[at] == kFontImage) text += static_cast<char>(app->m_drawList[at + 6] + 32);
    return text;
  }

 private:
  static constexpr int kFontImage = 90;
};
