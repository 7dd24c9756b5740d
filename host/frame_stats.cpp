// Gathering and printing the once-a-second frame statistics. Rates are counts over the
// time that really passed, so a stalled second shows as fewer frames rather than as a
// late line claiming sixty.
#include "host/frame_stats.h"

#include <algorithm>
#include <cstdio>
#include <utility>

FrameStats::FrameStats(Sink sink, DrawCallCounter takeDrawCalls)
    : m_sink(std::move(sink)), m_takeDrawCalls(std::move(takeDrawCalls)) {}

void FrameStats::AddUpdate(double seconds) {
  ++m_updates;
  m_updateTotal += seconds;
  m_updateWorst = std::max(m_updateWorst, seconds);
}

void FrameStats::AddFrame(double renderSeconds, double swapSeconds, double now) {
  int drawCalls = m_takeDrawCalls();
  if (!m_started) {
    // Whatever ran before the first frame (the start-up) belongs to no second.
    m_started = true;
    Restart(now);
    return;
  }
  ++m_frames;
  m_renderTotal += renderSeconds;
  m_renderWorst = std::max(m_renderWorst, renderSeconds);
  m_swapTotal += swapSeconds;
  m_drawCalls += drawCalls;
  double elapsed = now - m_secondStart;
  if (elapsed < 1.0) return;
  Report(elapsed);
  Restart(now);
}

void FrameStats::Report(double elapsed) {
  auto mean = [](double total, int count) { return count > 0 ? total / count : 0.0; };
  char line[256];
  std::snprintf(line, sizeof line,
                "stats: %.1f updates/s, %.1f frames/s, update %.2f ms mean %.2f ms worst, "
                "render %.2f ms mean %.2f ms worst, swap %.2f ms mean, %.1f draw calls/frame\n",
                m_updates / elapsed, m_frames / elapsed, 1000 * mean(m_updateTotal, m_updates),
                1000 * m_updateWorst, 1000 * mean(m_renderTotal, m_frames), 1000 * m_renderWorst,
                1000 * mean(m_swapTotal, m_frames), mean(static_cast<double>(m_drawCalls), m_frames));
  m_sink(line);
}

void FrameStats::Restart(double now) {
  m_secondStart = now;
  m_updates = 0;
  m_updateTotal = 0;
  m_updateWorst = 0;
  m_frames = 0;
  m_renderTotal = 0;
  m_renderWorst = 0;
  m_swapTotal = 0;
  m_drawCalls = 0;
}
