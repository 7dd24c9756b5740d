// The real game on a headless host whose window, date, desktop, pads, data folder and
// state file a test chooses. Without a state file the save stays in memory, so no test
// reads another's; without a data folder nothing loads.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "game/shell/my_app.h"
#include "host/app.h"
#include "host/headless_game.h"
#include "host/program_start.h"
#include "runtime/audio/sound_decoding.h"
#include "runtime/storage/data_paths.h"
#include "runtime/storage/file_loading.h"
#include "runtime/storage/state_file.h"

class SizedHost : public ZrHeadlessGame {
 public:
  int width = 640, height = 480;
  std::vector<std::set<int>> pads;  // ports 0, 1, ..., each with the buttons it holds
  std::string stateFile;            // none: the save stays in `saved`
  StateFileSystem* stateFileSystem = nullptr;
  String saved;
  struct WindowRequest {
    int width, height, flags;
  };
  int desktopW = 1920, desktopH = 1080;  // no desktop when 0
  std::vector<WindowRequest> windowRequests;
  // The folder whose data/ the game reads, the data files asked for since the last
  // TakeRequests, and files that read as missing.
  std::string appDir;
  std::vector<std::string> requests;
  std::set<std::string> hidden;

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
  void SetDeviceWindow(int w, int h, int flags) override { windowRequests.push_back({w, h, flags}); }
  ZrDisplayMode* GetDesktopMode() override {
    if (desktopW == 0) return nullptr;
    ZrDisplayMode* mode = new ZrDisplayMode;
    mode->width = desktopW;
    mode->height = desktopH;
    return mode;
  }
  String PathToFilePath(String path) override {
    return appDir.empty() ? path : zr_storage_ToFilePath(path, String(appDir.c_str()));
  }
  unsigned char* LoadImageData(String path, int* w, int* h, int* components) override {
    return WithData(path, [&](FILE* file) { return zr_storage_DecodeImage(file, w, h, components); });
  }
  unsigned char* LoadAudioData(String path, int* length, int* channels, int* format, int* hertz) override {
    return WithData(path,
                    [&](FILE* file) { return zr_audio_LoadAudioFile(file, path, length, channels, format, hertz); });
  }
  std::vector<std::string> TakeRequests() { return std::exchange(requests, {}); }

 private:
  template <typename Decode>
  unsigned char* WithData(const String& path, Decode decode) {
    static const std::string kDataPrefix = "quillo://data/";
    std::string name = path.ToNarrow();
    if (name.rfind(kDataPrefix, 0) == 0) name = name.substr(kDataPrefix.size());
    requests.push_back(name);
    FILE* file = appDir.empty() || hidden.count(name) ? nullptr : OpenFile(path, "rb");
    if (!file) return nullptr;
    unsigned char* data = decode(file);
    std::fclose(file);
    return data;
  }
};

// A fresh folder under /tmp, removed with all it holds when the test program ends.
inline std::string TempFolder() {
  static struct Folders {
    std::vector<std::string> paths;
    ~Folders() {
      std::error_code ignored;
      for (const std::string& path : paths) std::filesystem::remove_all(path, ignored);
    }
  } folders;
  char pattern[] = "/tmp/tj-game-XXXXXX";
  if (!mkdtemp(pattern)) return "";
  folders.paths.push_back(pattern);
  return pattern;
}

inline std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// How the game starts; without a data folder every picture and sound is missing (quick).
struct GameStart {
  GameStart(int width = 640, int height = 480) : width(width), height(height) {}
  int width, height;
  int year = 2013, month = 12, day = 26;
  std::string appDir;
};

struct RunningGame {
  SizedHost host;
  c_MyApp* app = nullptr;

  explicit RunningGame(const GameStart& start = GameStart()) {
    setenv("ALSOFT_DRIVERS", "null", 0);
    host.width = start.width;
    host.height = start.height;
    host.appDir = start.appDir;
    host.SetDate(start.year, start.month, start.day, 12, 0, 0);
    zrInit();
    NewApp();
    host.Run(0);
  }

  // Another start of the program on the same host, which loads the save.
  void Restart() {
    NewApp();
    app->p_OnCreate();
  }

  void RunUntilLoaded() {
    for (int update = 0; update < 100 && app->m_loadSteps != 0; ++update) host.Run(1);
  }
  // Steps until the loader has finished and the menu panel has slid in.
  void RunUntilMenu() {
    for (int update = 0; update < 300 && (app->m_loadSteps != 0 || app->m_menuSlide < 0); ++update) host.Run(1);
  }

  // Sets up the given game as the menu would, once the art is loaded.
  void StartRound(int game) {
    RunUntilLoaded();
    app->m_game = game;
    app->m_mode = 11;
    host.Run(1);
  }

  void Press(int key) { host.KeyEvent(1, key); }
  void Release(int key) { host.KeyEvent(2, key); }
  void Step(int updates = 1) { host.Run(updates); }
  // A press held for one update, then let go and one more update.
  void Tap(int key) {
    Press(key);
    Step();
    Release(key);
    Step();
  }
  // The left button pressed at a point of the window for one update, then let go.
  void Click(float x, float y) {
    host.MouseEvent(6, 0, x, y);
    host.MouseEvent(4, 0, x, y);
    Step();
    host.MouseEvent(5, 0, x, y);
    Step();
  }

  // What loading the save printed.
  std::string Load() {
    std::fflush(stdout);
    ::testing::internal::CaptureStdout();
    app->p_Load();
    return ::testing::internal::GetCapturedStdout();
  }

  // The characters the last update drew with the font (spaces are not drawn).
  std::string DrawnText() const {
    std::string text;
    for (int at = 0; at + kDrawEntrySize <= app->m_drawCount; at += kDrawEntrySize)
      if (app->m_drawList[at] == kFontImage) text += static_cast<char>(app->m_drawList[at + 6] + 32);
    return text;
  }

 private:
  static constexpr int kFontImage = 90;
  // Every test gets an application of its own; the program makes only one.
  void NewApp() {
    zr_app__app = nullptr;
    zrMain();
    app = static_cast<c_MyApp*>(zr_app__app);
  }
};
