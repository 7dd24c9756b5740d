// The application's life outside the update: its creation (zrMain, once the data is
// known to be there), the start-up that resets every table and picks the game the menu
// offers first, and the focus changes.
// The offered game comes from the date so the calendar opens on the day's game: in
// December up to Christmas it is the next day's door, on other days a game drawn from a
// seed made of the date, the same all day long.
#include "game/shell/data_check.h"
#include "game/shell/globals.h"
#include "game/shell/my_app.h"
#include "game/shell/virtual_screen.h"
#include "host/app.h"
#include "host/program_start.h"
#include "runtime/random.h"

namespace {

constexpr int kMenuMode = 1;
constexpr int kPlayMode = 10;
constexpr int kPlayRate = 60;
constexpr int kSuspendedRate = 5;
constexpr int kStartStars = 100;
constexpr int kClearedFlags = 128;
constexpr int kClearedVirtualButtons = 19;
constexpr int kLastClearedHighscore = 260;
constexpr int kSoundOnSetting = 5;
constexpr int kGamesDrawnFrom = 25;
// Numbers drawn and thrown away after seeding, so that neighbouring dates, whose seeds
// differ little, do not start on neighbouring games.
constexpr int kDiscardedDraws = 11;

int FirstMenuGame(int year, int month, int day) {
  zr_random_Seed = static_cast<uint32_t>(day + 10 * month + 20 * year);
  for (int draw = 0; draw < kDiscardedDraws; ++draw) zr_random_Rnd();
  // November 2016 always opens on the first game, without a further draw.
  if (year == 2016 && month == 11) return 1;
  int game = 1 + static_cast<int>(kGamesDrawnFrom * zr_random_Rnd());
  if (month == 12 && day <= 25) game = day + 1;
  return game;
}

}  // namespace

int zrMain() {
  zr_TinselJumble_CheckData();
  (new c_MyApp)->m_new();
  return 0;
}

void c_MyApp::p_OnCreate() {
  p_ResetStars(kStartStars);
  for (int seat = 0; seat < m_pad.Length(); ++seat) m_pad[seat] = 0;
  m_pad[0] = -1;
  zr_app_SetUpdateRate(kPlayRate);
  m_mode = kMenuMode;
  // Fullscreen from the start when asked, so the first art loaded fits the screen.
  if (zr_TinselJumble_StartFullscreen == 1 && m_fullscreen == 0) {
    p_FullscreenFlip();
    zr_app_ValidateDeviceWindow(false);
  }
  m_devW = zr_app_DeviceWidth();
  m_devH = zr_app_DeviceHeight();
  p_Reload();

  m_menuSlide = -32;
  m_paused = 0;
  m_pauseSel = -1;
  m_pausePanelY = -64;
  for (int slot = 0; slot < m_keyTimerA.Length(); ++slot) m_keyTimerA[slot] = 0;
  for (int slot = 0; slot < m_keyTimerB.Length(); ++slot) m_keyTimerB[slot] = 0;
  for (int flag = 0; flag < kClearedFlags; ++flag) m_flags[flag] = false;
  for (int button = 0; button < kClearedVirtualButtons; ++button) m_vbutton[button] = 0;
  for (int setting = 0; setting < m_settings.Length(); ++setting) m_settings[setting] = 0;
  m_settings[kSoundOnSetting] = 1;
  for (int entry = 0; entry <= kLastClearedHighscore; ++entry) m_highscores[entry] = 0;
  p_Load();

  for (int channel = 0; channel < m_order.Length(); ++channel) m_order[channel] = channel;

  Array<int> date = zr_app_GetDate2();
  m_menuGame = FirstMenuGame(date[0], date[1], date[2]);
}

namespace {

// Both focus changes drop held inputs and the iCade protocol; a game that was running
// comes back paused, so nobody loses a round to a window that was out of sight.
void LeaveFocusState(c_MyApp& app) {
  app.p_iCade(0);
  if (app.m_mode < kPlayMode) {
    app.m_paused = 0;
    app.m_pauseSel = 0;
    app.m_pausePanelY = 0;
  } else {
    app.m_paused = 1;
    app.m_pauseSel = 1;
    app.m_pausePanelY = static_cast<int>(zr_TinselJumble_jscrh / 2);
  }
}

}  // namespace

void c_MyApp::p_OnSuspend() {
  LeaveFocusState(*this);
  zr_app_SetUpdateRate(kSuspendedRate);
  p_Save();
}

void c_MyApp::p_OnResume() {
  LeaveFocusState(*this);
  zr_app_SetUpdateRate(kPlayRate);
}
