// The app layer and the delegate, driven by the headless host.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/app.h"
#include "host/game_delegate.h"
#include "host/headless_game.h"
#include "runtime/graphics/graphics.h"
#include "runtime/input/input.h"

namespace {

class TestApp : public c_App {
 public:
  std::vector<std::string> calls;
  std::vector<int> clock;
  std::vector<int> hitsOfA;

  void p_OnCreate() override { calls.push_back("create"); }
  void p_OnSuspend() override { calls.push_back("suspend"); }
  void p_OnResume() override { calls.push_back("resume"); }
  void p_OnUpdate() override {
    calls.push_back("update");
    clock.push_back(zr_app_Millisecs());
    hitsOfA.push_back(zr_input_KeyHit(65));
  }
  void p_OnRender() override { calls.push_back("render"); }
};

// A headless host whose window size and display modes a test sets.
class ShapedHost : public ZrHeadlessGame {
 public:
  int width = 640, height = 480;
  std::vector<std::pair<int, int>> modes;
  bool hasDesktop = true;

  int GetDeviceWidth() override { return width; }
  int GetDeviceHeight() override { return height; }
  Array<ZrDisplayMode*> GetDisplayModes() override {
    Array<ZrDisplayMode*> result(static_cast<int>(modes.size()));
    for (size_t i = 0; i < modes.size(); ++i) {
      ZrDisplayMode* mode = new ZrDisplayMode;
      mode->width = modes[i].first;
      mode->height = modes[i].second;
      gc_assign(result[static_cast<int>(i)], mode);
    }
    return result;
  }
  ZrDisplayMode* GetDesktopMode() override {
    if (!hasDesktop) return nullptr;
    ZrDisplayMode* mode = new ZrDisplayMode;
    mode->width = 1920;
    mode->height = 1080;
    return mode;
  }
};

class AppLayer : public ::testing::Test {
 protected:
  void SetUp() override {
    // Each test builds its own application.
    zr_app__app = nullptr;
    app = new TestApp;
    app->m_new();
  }
  ShapedHost host;
  TestApp* app = nullptr;
};

TEST_F(AppLayer, HeadlessRunStartsOnceAndStepsTheGame) {
  host.Run(3);
  std::vector<std::string> expected = {"create", "update", "update", "update"};
  EXPECT_EQ(app->calls, expected) << "no frames are drawn unless asked for";
  host.SetRendering(true);
  host.Run(2);
  expected.insert(expected.end(), {"update", "render", "update", "render"});
  EXPECT_EQ(app->calls, expected);
  std::vector<int> clock = {0, 16, 33, 50, 66};
  EXPECT_EQ(app->clock, clock);
  EXPECT_NE(zr_graphics_device, nullptr);
  EXPECT_NE(zr_input_device, nullptr);
}

TEST_F(AppLayer, KeyHitIsSeenByExactlyOneUpdate) {
  host.Run(1);
  host.KeyEvent(1, 65);
  host.Run(2);
  host.KeyEvent(2, 65);
  host.KeyEvent(1, 65);
  host.KeyEvent(2, 65);
  host.KeyEvent(1, 65);
  host.Run(1);
  std::vector<int> hits = {0, 1, 0, 2};
  EXPECT_EQ(app->hitsOfA, hits);
}

TEST_F(AppLayer, SuspendAndResumeReachTheApp) {
  host.Run(1);
  host.SuspendGame();
  host.Run(2);  // no updates while suspended
  host.ResumeGame();
  host.Run(1);
  std::vector<std::string> expected = {"create", "update", "suspend", "resume", "update"};
  EXPECT_EQ(app->calls, expected);
}

TEST_F(AppLayer, DeviceSizeFollowsTheWindowAtTheNextUpdate) {
  host.Run(1);
  EXPECT_EQ(zr_app_DeviceWidth(), 640);
  EXPECT_EQ(zr_app_DeviceHeight(), 480);
  host.width = 800;
  host.height = 600;
  EXPECT_EQ(zr_app_DeviceWidth(), 640) << "nothing changes between updates";
  host.Run(1);
  EXPECT_EQ(zr_app_DeviceWidth(), 800);
  EXPECT_EQ(zr_app_DeviceHeight(), 600);
}

TEST_F(AppLayer, DisplayModesListEachSizeOnceInFirstSeenOrder) {
  host.modes = {{640, 480}, {800, 600}, {640, 480}, {1024, 768}, {800, 600}, {480, 640}};
  host.Run(0);
  std::vector<std::pair<int, int>> listed;
  for (int i = 0; i < zr_app__displayModes.Length(); ++i)
    listed.push_back({zr_app__displayModes[i]->p_Width(), zr_app__displayModes[i]->p_Height()});
  std::vector<std::pair<int, int>> expected = {{640, 480}, {800, 600}, {1024, 768}, {480, 640}};
  EXPECT_EQ(listed, expected);
  EXPECT_EQ(zr_app__desktopMode->p_Width(), 1920);

  host.hasDesktop = false;
  zr_app_EnumDisplayModes();
  EXPECT_EQ(zr_app__desktopMode->p_Width(), 640) << "without a desktop mode the window size stands in";
  EXPECT_EQ(zr_app__desktopMode->p_Height(), 480);
}

TEST_F(AppLayer, CloseBoxAndBackKeyEndTheProgramWithStatusZero) {
  host.Run(1);
  EXPECT_EXIT(host.KeyEvent(1, 432), ::testing::ExitedWithCode(0), "");
  EXPECT_EXIT(host.KeyEvent(1, 416), ::testing::ExitedWithCode(0), "");
  // Their key-ups and other keys do not end anything.
  host.KeyEvent(2, 432);
  host.KeyEvent(1, 27);
  host.Run(1);
  EXPECT_EQ(app->calls.back(), "update");
}

}  // namespace
