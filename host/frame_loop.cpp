// The fixed-rate loop: render first, sleep until the next update is due, pump events,
// suspend or resume with window focus, then catch up with at most four updates. A stall
// longer than four periods is not made up: the schedule restarts from the current time,
// so the game slows down instead of racing. Every platform question goes through the
// loop platform, which tests replace with a scripted clock and window. With frame
// statistics on, the same clock times each update, render and swap.
#include "host/glfw_game.h"

namespace {
const int kMaxCatchUpUpdates = 4;
}

void ZrGlfwGame::Run() {
  SetGlfwWindow(640, 480, 8, 8, 8, 0, 0, 0, false);
  StartGame();
  RunLoop();
}

void ZrGlfwGame::RunLoop() {
  while (_platform->WindowOpen()) {
    if (_frameStats) {
      double renderStart = _platform->Now();
      RenderGame();
      double swapStart = _platform->Now();
      _platform->SwapBuffers();
      double swapEnd = _platform->Now();
      _frameStats->AddFrame(swapStart - renderStart, swapEnd - swapStart, swapEnd);
    } else {
      RenderGame();
      _platform->SwapBuffers();
    }

    if (_nextUpdate != 0.0) {
      double delay = _nextUpdate - _platform->Now();
      if (delay > 0.0) _platform->Sleep(delay);
    }

    UpdateEvents();
    if (_suspended) continue;

    if (_updateRate == 0) {
      TimedUpdate();
      continue;
    }

    if (_nextUpdate == 0.0) _nextUpdate = _platform->Now();
    bool onSchedule = false;
    for (int update = 0; update < kMaxCatchUpUpdates && !onSchedule; ++update) {
      TimedUpdate();
      // SetUpdateRate inside the update cleared the schedule: stop the burst here.
      if (_nextUpdate == 0.0) break;
      _nextUpdate += _updatePeriod;
      onSchedule = _nextUpdate > _platform->Now();
    }
    if (!onSchedule) _nextUpdate = 0.0;
  }
}

void ZrGlfwGame::TimedUpdate() {
  if (!_frameStats) {
    UpdateGame();
    return;
  }
  double start = _platform->Now();
  UpdateGame();
  _frameStats->AddUpdate(_platform->Now() - start);
}

void ZrGlfwGame::UpdateEvents() {
  if (_suspended)
    _platform->WaitEvents();
  else
    _platform->PollEvents();

  bool focused = _platform->WindowFocused();
  if (focused && _suspended) {
    ResumeGame();
    _nextUpdate = 0.0;
  } else if (!focused && !_suspended) {
    SuspendGame();
    _nextUpdate = 0.0;
  }
}
