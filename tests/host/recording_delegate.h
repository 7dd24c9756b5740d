// A delegate for host tests that writes down every event it receives, in order, and can
// run a test's action inside an update or a render.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "host/zr_game.h"

class RecordingDelegate : public ZrGameDelegate {
 public:
  std::vector<std::string> events;
  int updates = 0;
  int renders = 0;
  std::function<void(int update)> onUpdate;
  std::function<void(int render)> onRender;

  int Count(const std::string& event) const {
    int count = 0;
    for (const std::string& e : events) count += e == event;
    return count;
  }

  void StartGame() override { events.push_back("start"); }
  void SuspendGame() override { events.push_back("suspend"); }
  void ResumeGame() override { events.push_back("resume"); }
  void UpdateGame() override {
    events.push_back("update");
    ++updates;
    if (onUpdate) onUpdate(updates);
  }
  void RenderGame() override {
    events.push_back("render");
    ++renders;
    if (onRender) onRender(renders);
  }
  void KeyEvent(int event, int data) override {
    events.push_back("key " + std::to_string(event) + " " + std::to_string(data));
  }
  void MouseEvent(int event, int data, float x, float y) override {
    events.push_back("mouse " + std::to_string(event) + " " + std::to_string(data) + " " +
                     std::to_string(static_cast<int>(x)) + " " + std::to_string(static_cast<int>(y)));
  }
  void DiscardGraphics() override { events.push_back("discard"); }
};
