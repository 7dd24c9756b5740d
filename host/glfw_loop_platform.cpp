// GLFW answers for the frame loop. The window counts as open while it exists and nobody
// has asked GLFW to close it; the host itself refuses such requests from the close box,
// so the loop ends only when the program decides.
#include "host/glfw_loop_platform.h"

#include <GLFW/glfw3.h>

#include <chrono>
#include <thread>

double GlfwLoopPlatform::Now() { return glfwGetTime(); }

void GlfwLoopPlatform::Sleep(double seconds) {
  std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
}

void GlfwLoopPlatform::PollEvents() { glfwPollEvents(); }
void GlfwLoopPlatform::WaitEvents() { glfwWaitEvents(); }

void GlfwLoopPlatform::SwapBuffers() {
  if (*m_window) glfwSwapBuffers(*m_window);
}

bool GlfwLoopPlatform::WindowOpen() { return *m_window && !glfwWindowShouldClose(*m_window); }

bool GlfwLoopPlatform::WindowFocused() { return *m_window && glfwGetWindowAttrib(*m_window, GLFW_FOCUSED); }
