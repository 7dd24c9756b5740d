// Frame statistics for players and developers who want to see how the game runs: the
// frame loop reports each update's and each frame's duration here, and once a second a
// line goes out with the updates and frames per second, the mean and worst update and
// render times, the mean time spent handing the frame to the screen (where a software
// renderer does its drawing) and the draw calls per frame.
#pragma once

#include <functional>
#include <string>

class FrameStats {
 public:
  using Sink = std::function<void(const std::string& line)>;
  using DrawCallCounter = std::function<int()>;  // draw calls since it was last asked

  FrameStats(Sink sink, DrawCallCounter takeDrawCalls);

  void AddUpdate(double seconds);
  // One frame drawn and presented; `now` is the loop's clock after it. The first frame
  // starts the first second.
  void AddFrame(double renderSeconds, double swapSeconds, double now);

 private:
  void Report(double elapsed);
  void Restart(double now);

  Sink m_sink;
  DrawCallCounter m_takeDrawCalls;
  bool m_started = false;
  double m_secondStart = 0;
  int m_updates = 0;
  double m_updateTotal = 0;
  double m_updateWorst = 0;
  int m_frames = 0;
  double m_renderTotal = 0;
  double m_renderWorst = 0;
  double m_swapTotal = 0;
  long m_drawCalls = 0;
};
