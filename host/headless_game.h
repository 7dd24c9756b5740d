// ZrHeadlessGame: a host without a window, for tests and the headless runner. It keeps
// the ZrGame defaults (no window, no joysticks, plain file paths) but has a clock that
// advances 1000/60 ms per update and a fixed calendar date, so a run is the same every
// time. Run(updates) starts the game and steps it; frames are rendered only when asked
// for, and then through a render device that does no GL work unless a test says otherwise.
#pragma once

#include "host/zr_game.h"

class ZrHeadlessGame : public ZrGame {
 public:
  ZrHeadlessGame();

  int Millisecs() override;
  void GetDate(Array<int> date) override;
  // The size of the window the desktop host opens at start, so layout code sees a screen.
  int GetDeviceWidth() override { return 640; }
  int GetDeviceHeight() override { return 480; }

  // Starts the game (once) and runs the given number of updates, each followed by a
  // render when rendering is on.
  void Run(int updates);

  // Renders a frame after each update; the GL calls go to the GL seam in force, which
  // this host sets to the null seam unless a test has put its own there.
  void SetRendering(bool render) { _render = render; }
  // The date GetDate reports: year, month, day, hour, minute, second.
  void SetDate(int year, int month, int day, int hour, int minute, int second);
  int UpdatesRun() const { return _updatesRun; }

 private:
  int _updatesRun;
  bool _render;
  int _date[6];
};
