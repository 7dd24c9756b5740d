// Fake desktop joysticks behind the real joystick ports. Like the real library, the fake
// gamepad database refuses a mapping line without a name followed by a comma.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "host/zr_game.h"
#include "runtime/input/joystick_ports.h"
#include "runtime/storage/data_paths.h"

struct FakePad {
  std::string deviceId;
  std::vector<float> axes;             // raw, vertical axes positive downwards
  std::vector<unsigned char> buttons;  // raw, 1 = held
  float gamepadAxes[6] = {0, 0, 0, 0, -1, -1};
  unsigned char gamepadButtons[15] = {};
};

class FakeJoysticks : public JoystickDevices {
 public:
  std::map<int, FakePad> plugged;  // by host id
  std::set<std::string> database;  // device ids known as gamepads

  bool Present(int hostId) override { return plugged.count(hostId) > 0; }

  bool GamepadState(int hostId, float axes[6], unsigned char buttons[15]) override {
    auto pad = plugged.find(hostId);
    if (pad == plugged.end() || database.count(pad->second.deviceId) == 0) return false;
    for (int i = 0; i < 6; ++i) axes[i] = pad->second.gamepadAxes[i];
    for (int i = 0; i < 15; ++i) buttons[i] = pad->second.gamepadButtons[i];
    return true;
  }
  const float* Axes(int hostId, int* count) override {
    auto pad = plugged.find(hostId);
    *count = pad == plugged.end() ? 0 : static_cast<int>(pad->second.axes.size());
    return *count > 0 ? pad->second.axes.data() : nullptr;
  }
  const unsigned char* Buttons(int hostId, int* count) override {
    auto pad = plugged.find(hostId);
    *count = pad == plugged.end() ? 0 : static_cast<int>(pad->second.buttons.size());
    return *count > 0 ? pad->second.buttons.data() : nullptr;
  }
  bool AddGamepadMapping(const std::string& line) override {
    size_t idEnd = line.find(',');
    size_t nameEnd = idEnd == std::string::npos ? idEnd : line.find(',', idEnd + 1);
    if (nameEnd == std::string::npos || nameEnd == idEnd + 1) return false;
    database.insert(line.substr(0, idEnd));
    return true;
  }
};

// A host whose joysticks are fake pads read through the real ports, and whose data
// folder ("quillo://data/") is appDir/data.
class FakeJoystickHost : public ZrGame {
 public:
  FakeJoysticks devices;
  JoystickPorts ports{&devices};
  String appDir = String("/nonexistent");

  bool PollJoystick(int port, Array<float> joyx, Array<float> joyy, Array<float> joyz, Array<bool> buttons) override {
    return ports.Poll(port, joyx, joyy, joyz, buttons);
  }
  String PathToFilePath(String path) override { return zr_storage_ToFilePath(path, appDir); }
};
