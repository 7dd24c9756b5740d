// The frame loop's timing, against a scripted clock and window.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "host/glfw_game.h"
#include "host/loop_platform.h"
#include "recording_delegate.h"
#include "runtime/graphics/gl_seam.h"

namespace {

// A clock that moves only when the loop sleeps or a test says so, and a window that
// stays open for a given number of frames with a scripted focus.
class ScriptedPlatform : public ZrLoopPlatform {
 public:
  double now = 1000.0;
  int framesLeft = 0;
  int frame = 0;
  std::function<bool(int frame)> focused = [](int) { return true; };
  std::vector<double> sleeps;
  int polls = 0;
  int waits = 0;

  double Now() override { return now; }
  void Sleep(double seconds) override {
    sleeps.push_back(seconds);
    now += seconds;
  }
  void PollEvents() override { ++polls; }
  void WaitEvents() override { ++waits; }
  double swapSeconds = 0;
  void SwapBuffers() override { now += swapSeconds; }
  bool WindowOpen() override {
    if (framesLeft == 0) return false;
    --framesLeft;
    ++frame;
    return true;
  }
  bool WindowFocused() override { return focused(frame); }
};

class FrameLoop : public ::testing::Test {
 protected:
  void SetUp() override {
    game = new RecordingDelegate;
    host.SetDelegate(game);
    host.SetLoopPlatform(&platform);
    game->onRender = [this](int) { CountFrame(); };
  }

  // Notes the updates run since the previous render.
  void CountFrame() {
    updatesPerFrame.push_back(game->updates - updatesSoFar);
    updatesSoFar = game->updates;
  }

  void RunFrames(int frames) {
    platform.framesLeft = frames;
    host.StartGame();
    host.RunLoop();
    CountFrame();  // the last frame's updates
  }

  ScriptedPlatform platform;
  ZrGlfwGame host;
  RecordingDelegate* game;
  std::vector<int> updatesPerFrame;
  int updatesSoFar = 0;
};

const double kPeriod = 1.0 / 60.0;

TEST_F(FrameLoop, RateZeroNeverSleepsAndUpdatesOncePerFrame) {
  game->onUpdate = [this](int) { platform.now += 0.001; };
  RunFrames(5);
  EXPECT_TRUE(platform.sleeps.empty());
  EXPECT_EQ(game->renders, 5);
  EXPECT_EQ(game->updates, 5);
  EXPECT_EQ(game->events[1], "render") << "a frame is drawn before the first update";
}

TEST_F(FrameLoop, SteadyRateSleepsUntilEachUpdateIsDue) {
  host.SetUpdateRate(60);
  RunFrames(6);
  // The first frame starts the schedule; every later one waits one period.
  std::vector<int> expected = {0, 1, 1, 1, 1, 1, 1};
  EXPECT_EQ(updatesPerFrame, expected);
  ASSERT_EQ(platform.sleeps.size(), 5u);
  for (double sleep : platform.sleeps) EXPECT_NEAR(sleep, kPeriod, 1e-9);
  EXPECT_EQ(platform.polls, 6);
  EXPECT_EQ(platform.waits, 0);
}

// A stall of up to four periods is caught up in full; a longer one runs four updates
// and starts a fresh schedule, with no backlog: the next frame sleeps a whole period.
// (stall in periods, updates per frame)
class FrameLoopStall : public FrameLoop, public ::testing::WithParamInterface<std::pair<double, std::vector<int>>> {};

TEST_P(FrameLoopStall, RunsAtMostFourUpdatesThenRestartsTheSchedule) {
  host.SetUpdateRate(60);
  game->onRender = [this](int render) {
    CountFrame();
    if (render == 3) platform.now += GetParam().first * kPeriod;
  };
  RunFrames(6);
  EXPECT_EQ(updatesPerFrame, GetParam().second);
  ASSERT_GE(platform.sleeps.size(), 3u);
  EXPECT_NEAR(platform.sleeps.back(), kPeriod, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Stalls, FrameLoopStall,
                         ::testing::Values(std::make_pair(3.5, std::vector<int>{0, 1, 1, 3, 1, 1, 1}),
                                           std::make_pair(10.0, std::vector<int>{0, 1, 1, 4, 1, 1, 1})));

TEST_F(FrameLoop, RateChangeInsideAnUpdateStopsTheBurst) {
  host.SetUpdateRate(60);
  game->onRender = [this](int render) {
    CountFrame();
    if (render == 3) platform.now += 10 * kPeriod;
  };
  // The second update of the burst changes the rate.
  game->onUpdate = [this](int update) {
    if (update == 4) host.SetUpdateRate(30);
  };
  RunFrames(5);
  std::vector<int> expected = {0, 1, 1, 2, 1, 1};
  EXPECT_EQ(updatesPerFrame, expected);
  // The new schedule starts without a sleep and then waits the new period.
  EXPECT_NEAR(platform.sleeps.back(), 1.0 / 30.0, 1e-9);
}

TEST_F(FrameLoop, FocusLossSuspendsOnceAndResumeRestartsTheSchedule) {
  host.SetUpdateRate(60);
  platform.focused = [](int frame) { return frame < 3 || frame > 6; };
  // While suspended, each wait for events is a long time.
  game->onRender = [this](int) {
    CountFrame();
    if (host.Suspended()) platform.now += 5.0;
  };
  RunFrames(9);
  EXPECT_EQ(game->Count("suspend"), 1);
  EXPECT_EQ(game->Count("resume"), 1);
  EXPECT_EQ(platform.waits, 4) << "the loop blocks for events while suspended";
  // Frames 3..6 run no updates; on resume (frame 7) exactly one runs, not a backlog.
  std::vector<int> expected = {0, 1, 1, 0, 0, 0, 0, 1, 1, 1};
  EXPECT_EQ(updatesPerFrame, expected);
  EXPECT_EQ(game->renders, 9) << "frames are still drawn while suspended";
}

TEST_F(FrameLoop, StatsReportRatesTimesAndDrawCallsOnceASecond) {
  struct Case {
    const char* how;
    double updateMs, renderMs, swapMs;
    int drawCalls;
    int slowFrame;  // this frame's render takes 200 ms (0: none)
    const char* secondLine;
  } cases[] = {
      // Frames slower than updates: the loop catches up with about two updates a frame
      // (a frame and its updates take 31.9 ms; the second's edges fall between updates).
      {"slow frames", 1, 25, 5, 40, 0,
       "stats: 59.7 updates/s, 31.3 frames/s, update 1.00 ms mean 1.00 ms worst, "
       "render 25.00 ms mean 25.00 ms worst, swap 5.00 ms mean, 40.0 draw calls/frame\n"},
      // One stall of 200 ms: four of its twelve updates run, the others are dropped; the
      // worst render shows it, the mean less so.
      {"one stall", 2, 3, 1, 5, 90,
       "stats: 52.2 updates/s, 49.3 frames/s, update 2.00 ms mean 2.00 ms worst, "
       "render 6.94 ms mean 200.00 ms worst, swap 1.00 ms mean, 5.0 draw calls/frame\n"},
  };
  for (const Case& c : cases) {
    ScriptedPlatform scripted;
    ZrGlfwGame statsHost;
    RecordingDelegate* recorder = new RecordingDelegate;
    statsHost.SetDelegate(recorder);
    statsHost.SetLoopPlatform(&scripted);
    gl_seam_use(gl_seam_null());
    std::vector<std::string> lines;
    statsHost.EnableFrameStats([&lines](const std::string& line) { lines.push_back(line); });
    scripted.swapSeconds = c.swapMs / 1000;
    recorder->onUpdate = [&](int) { scripted.now += c.updateMs / 1000; };
    recorder->onRender = [&](int render) {
      scripted.now += (render == c.slowFrame ? 200 : c.renderMs) / 1000;
      // The device draws quads with DrawElements and everything else with DrawArrays.
      for (int call = 0; call < c.drawCalls; ++call) {
        if (call % 2)
          gl_seam()->DrawElements(GL_TRIANGLES, 6, GL_UNSIGNED_SHORT, nullptr);
        else
          gl_seam()->DrawArrays(GL_TRIANGLES, 0, 3);
      }
    };
    statsHost.SetUpdateRate(60);
    scripted.framesLeft = 200;
    statsHost.StartGame();
    statsHost.RunLoop();
    // The first second holds the start; the second one shows the steady state.
    ASSERT_GE(lines.size(), 3u) << c.how;
    EXPECT_EQ(lines[1], c.secondLine) << c.how;
  }
  gl_seam_use(nullptr);
}

}  // namespace
