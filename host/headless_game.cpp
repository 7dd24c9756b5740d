// The windowless host. Its clock counts updates, not wall time, so the game's timers and
// anything seeded from Millisecs repeat exactly from run to run. Rendering is off by
// default: a run without a GL context must never reach OpenGL, so when it is on, the
// render device talks to the null GL seam (or a test's recording fake).
#include "host/headless_game.h"

#include "runtime/graphics/gl_seam.h"

namespace {
// The calendar day a headless run sees unless told otherwise: every game is open.
const int kDefaultDate[6] = {2013, 12, 26, 12, 0, 0};
const double kMillisecsPerUpdate = 1000.0 / 60.0;
}  // namespace

ZrHeadlessGame::ZrHeadlessGame() : _updatesRun(0), _render(false) {
  for (int i = 0; i < 6; ++i) _date[i] = kDefaultDate[i];
  if (gl_seam() == gl_seam_real()) gl_seam_use(gl_seam_null());
}

int ZrHeadlessGame::Millisecs() { return static_cast<int>(_updatesRun * kMillisecsPerUpdate); }

void ZrHeadlessGame::GetDate(Array<int> date) {
  int count = date.Length() < 7 ? date.Length() : 7;
  for (int i = 0; i < count; ++i) date[i] = i < 6 ? _date[i] : 0;
}

void ZrHeadlessGame::SetDate(int year, int month, int day, int hour, int minute, int second) {
  const int fields[6] = {year, month, day, hour, minute, second};
  for (int i = 0; i < 6; ++i) _date[i] = fields[i];
}

void ZrHeadlessGame::Run(int updates) {
  StartGame();
  for (int i = 0; i < updates; ++i) {
    UpdateGame();
    ++_updatesRun;
    if (_render) RenderGame();
  }
}
