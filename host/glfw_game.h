// The desktop host on GLFW 3: the one window and its GL context, the fixed-rate loop with
// catch-up and suspension, the clock, display modes, data paths, URLs, and the GLFW
// callbacks that become host events. ZrQuilloGame is the final class whose Main is the
// whole program. The loop reaches the platform only through ZrLoopPlatform, so its timing
// can be checked without a window.
#pragma once

#include <memory>

#include "host/frame_stats.h"
#include "host/loop_platform.h"
#include "host/zr_game.h"

struct GLFWwindow;
class CountingGlSeam;

// A video mode as GLFW reports it (red, green, blue bit depths in that order).
class ZrGlfwVideoMode : public Object {
 public:
  int width = 0;
  int height = 0;
  int redBits = 0;
  int greenBits = 0;
  int blueBits = 0;
};

class ZrGlfwGame : public ZrGame {
 public:
  ZrGlfwGame();
  ~ZrGlfwGame() override;

  static ZrGlfwGame* _glfwGame;

  void SetUpdateRate(int hertz) override;
  int Millisecs() override;
  int SaveState(String state) override;
  String LoadState() override;
  bool PollJoystick(int port, Array<float> joyx, Array<float> joyy, Array<float> joyz,
                    Array<bool> buttons) override;
  void OpenUrl(String url) override;
  void SetMouseVisible(bool visible) override;
  int GetDeviceWidth() override;
  int GetDeviceHeight() override;
  void SetDeviceWindow(int width, int height, int flags) override;
  Array<ZrDisplayMode*> GetDisplayModes() override;
  ZrDisplayMode* GetDesktopMode() override;
  void SetSwapInterval(int interval) override;
  String PathToFilePath(String path) override;
  String DataFolder() override;
  unsigned char* LoadImageData(String path, int* width, int* height, int* components) override;
  unsigned char* LoadAudioData(String path, int* length, int* channels, int* format, int* hertz) override;

  virtual void SetGlfwWindow(int width, int height, int red, int green, int blue, int alpha, int depth,
                             int stencil, bool fullscreen);
  virtual ZrGlfwVideoMode* GetGlfwDesktopMode();
  virtual Array<ZrGlfwVideoMode*> GetGlfwVideoModes();
  virtual void Run();

  // The frame loop proper: Run opens the window, starts the game and then runs this.
  void RunLoop();
  // Pumps events and suspends or resumes by window focus (loop steps 3 and 4).
  void UpdateEvents();

  // Replaces the platform the loop talks to (tests); the host does not own it.
  void SetLoopPlatform(ZrLoopPlatform* platform);
  // From now on the loop times its updates and frames and counts the draw calls, and
  // the sink gets a line of statistics once a second.
  void EnableFrameStats(FrameStats::Sink sink);
  GLFWwindow* Window() const { return _window; }

  // GLFW callbacks (keyboard, characters, mouse, window close).
  static void OnKey(GLFWwindow* window, int key, int scancode, int action, int mods);
  static void OnChar(GLFWwindow* window, unsigned int codepoint);
  static void OnMouseButton(GLFWwindow* window, int button, int action, int mods);
  static void OnMousePos(GLFWwindow* window, double x, double y);
  static void OnWindowClose(GLFWwindow* window);

 protected:
  double _updatePeriod;
  double _nextUpdate;
  String _appDir;  // the executable's folder, found on first use
  int _swapInterval;

 private:
  void ReleaseHeldKeys();
  void TimedUpdate();

  GLFWwindow* _window;
  std::unique_ptr<ZrLoopPlatform> _glfwPlatform;
  ZrLoopPlatform* _platform;
  std::unique_ptr<CountingGlSeam> _drawCounter;
  std::unique_ptr<FrameStats> _frameStats;
};

// What the program's entry asks of the host beyond the toolkit's own start.
struct ZrHostOptions {
  bool frameStats = false;  // a line of frame statistics on standard error each second
};

class ZrQuilloGame : public ZrGlfwGame {
 public:
  static int Main(int argc, char** argv, const ZrHostOptions& options = ZrHostOptions());
};
