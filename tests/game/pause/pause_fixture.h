// One running game for the whole test program (the application object registers itself
// once per process) on a windowless host that records window requests. Every test runs
// in a fresh folder, since closing the options box writes the state file there, and
// starts from the menu with nothing held, art loaded and sound on with music.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <vector>

#include "game/shell/globals.h"
#include "game/shell/my_app.h"
#include "host/headless_game.h"
#include "runtime/input/input_device.h"

// The windowless host with a desktop of a chosen size (none when 0) that remembers each
// window it was asked for.
class WindowRecordingHost : public ZrHeadlessGame {
 public:
  struct Request {
    int width, height, flags;
  };
  void SetDeviceWindow(int width, int height, int flags) override { requests.push_back({width, height, flags}); }
  ZrDisplayMode* GetDesktopMode() override {
    if (desktopW == 0) return nullptr;
    ZrDisplayMode* mode = new ZrDisplayMode;
    mode->width = desktopW;
    mode->height = desktopH;
    return mode;
  }
  std::vector<Request> requests;
  int desktopW = 1920;
  int desktopH = 1080;
};

// Keys as the input device numbers them.
enum TestKey : int {
  kKeyEsc = 27,
  kKeyLeft = 37,
  kKeyUp = 38,
  kKeyRight = 39,
  kKeyDown = 40,
  kKeyF11 = 122,
  kKeyFireA = 'Z',
  kKeyFireB = 'X',
  kKeyFireF = 'N',
};

class PauseTest : public ::testing::Test {
 protected:
  static constexpr int kSoundMode = 5;

  void SetUp() override {
    char folder[] = "/tmp/tj-pause-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    ASSERT_EQ(chdir(folder), 0);
    if (!host) {
      host = new WindowRecordingHost;
      host->SetRendering(true);
      app = (new c_MyApp)->m_new();
      for (int update = 0; update < 200 && (update == 0 || app->m_loadSteps > 0); ++update) host->Run(1);
      ASSERT_EQ(app->m_loadSteps, 0) << "the art never finished loading";
    }
    host->requests.clear();
    host->desktopW = 1920;
    zr_TinselJumble_HasMusicStream = 1;
    app->p_iCade(0);
    app->m_settings[kSoundMode] = 1;
    app->m_fullscreen = 0;
    app->m_mode = 1;
    app->m_paused = 0;
    app->m_pauseSel = -1;
    app->m_pausePanelY = -64;
    app->m_optionsOpen = 0;
    app->m_optionsSlide = 0;
    app->m_optionsSel = 0;
    app->m_creditsOpen = 0;
    app->m_creditsSlide = 0;
    app->m_roundOver = 0;
    app->m_gameOverTimer = 0;
    step(2);  // lets every latch go
  }

  void TearDown() override {
    for (int key : held) host->KeyEvent(zr_input_EVENT_KEYUP, key);
    held.clear();
    host->MouseEvent(zr_input_EVENT_MOUSEUP, 0, 0, 0);
  }

  void step(int updates = 1) { host->Run(updates); }
  void press(int key) {
    host->KeyEvent(zr_input_EVENT_KEYDOWN, key);
    held.push_back(key);
  }
  void release(int key) { host->KeyEvent(zr_input_EVENT_KEYUP, key); }
  // One update with the key down, then one with it up again.
  void tap(int key) {
    press(key);
    step();
    release(key);
    step();
  }
  // One update with the left button down at a point of the 640 x 480 window, which is
  // the virtual screen unscaled, then one with it up.
  void click(float x, float y) {
    host->MouseEvent(zr_input_EVENT_MOUSEMOVE, 0, x, y);
    host->MouseEvent(zr_input_EVENT_MOUSEDOWN, 0, x, y);
    step();
    host->MouseEvent(zr_input_EVENT_MOUSEUP, 0, x, y);
    step();
  }

  // Opens the options box over the current screen and waits until it has slid in.
  void openOptions() {
    app->m_optionsOpen = 1;
    step(31);
    ASSERT_EQ(app->m_optionsSlide, 30);
  }

  // Starts the fallback round and pauses it with Esc; the pause panel then slides in
  // from where a fresh game has it (a resumed one leaves it a little further in).
  void pauseRound() {
    app->m_pausePanelY = -64;
    app->m_roundOver = 0;
    app->m_gameOverTimer = 0;
    app->m_optionsOpen = 0;
    app->m_optionsSlide = 0;
    app->m_game = 0;
    app->m_mode = 11;
    step();
    ASSERT_EQ(app->m_mode, 10);
    tap(kKeyEsc);
    ASSERT_EQ(app->m_paused, 1);
  }

  static WindowRecordingHost* host;
  static c_MyApp* app;
  std::vector<int> held;
};

inline WindowRecordingHost* PauseTest::host = nullptr;
inline c_MyApp* PauseTest::app = nullptr;
