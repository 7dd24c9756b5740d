// The module initialiser: every global of the game module gets its starting value here,
// before the application object is created, and the random sequence starts from the
// same seed on every run (the date-based start reseeds it later).
#include "game/shell/globals.h"

#include "game/shell/virtual_screen.h"
#include "host/program_start.h"
#include "runtime/gc.h"
#include "runtime/random.h"

int zr_TinselJumble_DebugMode = 0;
int zr_TinselJumble_OnScreenControls = 0;
int zr_TinselJumble_AccelerometerControls = 0;
int zr_TinselJumble_iCadeControls = 0;
int zr_TinselJumble_isOuya = 0;
int zr_TinselJumble_HasMusicStream = 1;
int zr_TinselJumble_StartFullscreen = 0;
Array<String> zr_TinselJumble_CreditText;

namespace {
gc_root creditRoots([] { gc_mark_q(zr_TinselJumble_CreditText); });
}  // namespace

int zrInit() {
  zr_TinselJumble_rawscrw = 640;
  zr_TinselJumble_rawscrh = 480;
  zr_TinselJumble_jscrw = 640;
  zr_TinselJumble_jscrh = 480;
  zr_TinselJumble_overscan = 0;
  zr_TinselJumble_DebugMode = 0;
  zr_TinselJumble_OnScreenControls = 0;
  zr_TinselJumble_AccelerometerControls = 0;
  zr_TinselJumble_iCadeControls = 0;
  zr_TinselJumble_isOuya = 0;
  zr_TinselJumble_HasMusicStream = 1;
  gc_assign(zr_TinselJumble_CreditText, zr_TinselJumble_CreditLines());
  zr_random_Seed = 1234;
  return 0;
}
