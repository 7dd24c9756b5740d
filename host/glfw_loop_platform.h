// The frame loop's platform on GLFW: the GLFW clock, a real sleep, GLFW's event pump and
// the questions about the host's one window. It follows the host's window pointer, so a
// window re-created for fullscreen is picked up without telling it.
#pragma once

#include "host/loop_platform.h"

struct GLFWwindow;

class GlfwLoopPlatform : public ZrLoopPlatform {
 public:
  explicit GlfwLoopPlatform(GLFWwindow* const* window) : m_window(window) {}
  double Now() override;
  void Sleep(double seconds) override;
  void PollEvents() override;
  void WaitEvents() override;
  void SwapBuffers() override;
  bool WindowOpen() override;
  bool WindowFocused() override;

 private:
  GLFWwindow* const* m_window;
};
