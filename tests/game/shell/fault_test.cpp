// Faults a player can meet while the game runs, each printing what the player reads; in
// each the game goes on.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <string>

#include "game/shell/globals.h"
#include "running_game.h"
#include "runtime/storage/state_file.h"

namespace {

constexpr int kEscape = 27;
constexpr int kMenuMode = 1;
constexpr int kSplashMode = 5;
constexpr int kPlayMode = 10;
constexpr int kSetUpMode = 11;
constexpr int kFireSlotA = 7;

TEST(Faults, APadUnpluggedMidRoundPausesTheRoundAndNamesThePad) {
  RunningGame game;
  c_MyApp* app = game.app;
  game.host.pads = {{}, {0}};  // pad 2 holds fire A
  app->m_pad[1] = 2;
  game.StartRound(1);
  game.host.Run(20);
  ASSERT_EQ(app->m_paused, 0);
  ASSERT_EQ(app->p_Control(kFireSlotA, 1), 1) << "pad 2 fires for seat 1";

  game.host.pads.resize(1);
  game.host.Run(1);
  std::printf("pad 2 unplugged mid-round: the player reads: %s\n", game.DrawnText().c_str());
  EXPECT_EQ(app->m_paused, 1) << "the round waits for its player";
  EXPECT_NE(game.DrawnText().find("PAUSEDPad2unplugged"), std::string::npos);
  EXPECT_EQ(app->p_Control(kFireSlotA, 1), 0) << "the unplugged pad's fire is let go";

  // Resuming without the pad: the round goes on to its end, the seat standing idle.
  game.Press(kEscape);
  game.Release(kEscape);
  game.host.Run(20);
  EXPECT_EQ(app->m_paused, 0);
  EXPECT_EQ(game.DrawnText().find("unplugged"), std::string::npos) << "the message goes with the pause menu";

  // A pad nobody plays with comes and goes unnoticed.
  game.host.pads.clear();
  game.host.Run(1);
  EXPECT_EQ(app->m_paused, 0);
  for (int update = 0; update < 5000 && app->m_mode != kMenuMode; ++update) game.host.Run(1);
  EXPECT_EQ(app->m_mode, kMenuMode) << "the round came to its end";
}

// Each mode reached as a player reaches it, then the window changes size: the art reloads
// for the new size, the virtual screen takes its shape, and the mode carries on.
TEST(Faults, AResizeInEveryModeReloadsTheArtAndTheModeGoesOn) {
  struct Case {
    const char* mode;
    void (*reach)(RunningGame&);
    int modeAfter;
  };
  const Case cases[] = {
      {"loading", [](RunningGame&) {}, kMenuMode},
      {"options", [](RunningGame& g) { g.RunUntilLoaded(), g.app->m_optionsOpen = 1; }, kMenuMode},
      {"splash", [](RunningGame& g) { g.RunUntilLoaded(), g.app->m_mode = kSplashMode; }, kMenuMode},
      {"round set-up", [](RunningGame& g) { g.RunUntilLoaded(), g.app->m_mode = kSetUpMode; }, kPlayMode},
      {"mid-round", [](RunningGame& g) { g.StartRound(1), g.host.Run(300); }, kPlayMode},
      {"paused", [](RunningGame& g) { g.StartRound(1), g.host.Run(200), g.Press(kEscape), g.host.Run(2); },
       kPlayMode},
      {"round end", [](RunningGame& g) { g.StartRound(1), g.host.Run(200), g.app->m_roundOver = 1; }, kMenuMode},
  };
  for (const Case& c : cases) {
    RunningGame game;
    game.host.SetRendering(true);
    c.reach(game);
    int paused = game.app->m_paused;
    game.host.width = 1280;
    game.host.height = 720;
    game.host.Run(1);
    EXPECT_GT(game.app->m_loadSteps, 0) << c.mode << ": the art is loaded again";
    int updates = 0;
    for (; updates < 100 && game.app->m_loadSteps != 0; ++updates) game.host.Run(1);
    for (int update = 0; update < 200 && game.app->m_mode != c.modeAfter; ++update) game.host.Run(1);
    std::printf("resized during %s: the player sees the loading screen for %d updates, then the game\n", c.mode,
                updates);
    EXPECT_EQ(game.app->m_loadSteps, 0) << c.mode;
    EXPECT_EQ(game.app->m_artLevel, 4) << c.mode;
    EXPECT_EQ(zr_TinselJumble_jscrw, 640) << c.mode;
    EXPECT_EQ(zr_TinselJumble_jscrh, 360) << c.mode;
    EXPECT_EQ(game.app->m_mode, c.modeAfter) << c.mode;
    EXPECT_EQ(game.app->m_paused, paused) << c.mode << ": a paused round stays paused";
    game.host.Run(3);
    EXPECT_GT(game.app->m_drawCount, 0) << c.mode << ": the screen is drawn again";
  }
}

// A folder in which the system refuses every new file, as read-only (or full).
class FailingFolder : public StateFileSystem {
 public:
  explicit FailingFolder(int error) : m_error(error) {}
  int Create(const std::string&) override {
    errno = m_error;
    return -1;
  }
  bool WriteAll(int, const char*, size_t) override { return false; }
  bool Sync(int) override { return false; }
  bool Close(int) override { return false; }
  bool Rename(const std::string&, const std::string&) override { return false; }
  void Remove(const std::string&) override {}
  void SyncDirectory(const std::string&) override {}

 private:
  int m_error;
};

TEST(Faults, ASaveThatFailsKeepsThePreviousSaveAndPlayGoesOn) {
  const std::string folder = TempFolder();
  struct Case {
    const char* fault;
    int error;
    const char* reason;
  } cases[] = {{"read-only save folder", EROFS, "Read-only file system"},
               {"full disk", ENOSPC, "No space left on device"}};
  for (const Case& c : cases) {
    RunningGame game;
    c_MyApp* app = game.app;
    game.host.stateFile = folder + "/.quillostate";
    game.RunUntilLoaded();
    ASSERT_EQ(game.host.SaveState("1|the previous save|"), 0);
    const std::string previous = ReadFile(game.host.stateFile);
    FailingFolder failing(c.error);
    game.host.stateFileSystem = &failing;

    // Losing the window's focus saves.
    testing::internal::CaptureStderr();
    game.host.SuspendGame();
    std::string warned = testing::internal::GetCapturedStderr();
    std::printf("%s: the player reads: %s", c.fault, warned.c_str());
    EXPECT_EQ(warned, "Save failed: cannot write " + game.host.stateFile + " (" + c.reason +
                          "); the previous save is kept\n");
    EXPECT_EQ(ReadFile(game.host.stateFile), previous) << c.fault;

    // Play goes on: a whole round, after which the menu saves (and fails) again.
    game.host.ResumeGame();
    game.StartRound(1);
    testing::internal::CaptureStderr();
    for (int update = 0; update < 5000 && app->m_mode != kMenuMode; ++update) game.host.Run(1);
    game.host.Run(1);
    warned = testing::internal::GetCapturedStderr();
    EXPECT_EQ(app->m_mode, kMenuMode) << c.fault << ": a round was played to its end";
    EXPECT_NE(warned.find("Save failed"), std::string::npos) << c.fault << ": the menu tried to save";
    EXPECT_EQ(ReadFile(game.host.stateFile), previous) << c.fault;
  }
}

}  // namespace
