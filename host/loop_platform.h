// The narrow seam between the frame loop and the platform: the clock, sleeping, event
// pumping, presenting a frame, and the two window questions the loop asks each round
// (still open? focused?). The desktop host answers through GLFW; tests put a scripted
// clock and window here to check the loop's timing rules.
#pragma once

class ZrLoopPlatform {
 public:
  virtual ~ZrLoopPlatform() = default;
  virtual double Now() = 0;  // seconds since the platform started
  virtual void Sleep(double seconds) = 0;
  virtual void PollEvents() = 0;
  virtual void WaitEvents() = 0;  // blocks until at least one event arrives
  virtual void SwapBuffers() = 0;
  virtual bool WindowOpen() = 0;
  virtual bool WindowFocused() = 0;
};
