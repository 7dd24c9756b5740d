// How the desktop's joysticks become the game's four joystick units.
//
// A device keeps its port for as long as it stays plugged in: one plugged in takes the
// lowest free port, one pulled out frees its own (for the next update), and nobody else
// moves, so a pad plugged in mid-game never takes over another player's seat. At start the pads take
// ports 0..3 in the order of their host ids. A device's axes and buttons are then laid
// out as the game expects: the classic 14-button, 5-axis pad (layout A) keeps its own
// order, every other device is rearranged (layout B).
#pragma once

#include <functional>

#include "runtime/array.h"

class JoystickPortMap {
 public:
  static constexpr int kPorts = 4;
  static constexpr int kHostIds = 16;

  // Frees the ports of devices that are gone, then scans host ids 0..15 in order and
  // gives each present device without a port the lowest free one, not counting ports
  // freed in this update. Devices beyond the fourth wait without a port.
  void Update(const std::function<bool(int hostId)>& isPresent);
  // The host id at a port, or -1 when the port is empty or out of range.
  int HostIdAt(int port) const;

 private:
  int m_hostIds[kPorts] = {-1, -1, -1, -1};
};

// One poll of a device as the classic joystick interface reports it: up to 6 axes
// (vertical axes positive upwards) and up to 32 buttons, hat directions last.
struct JoystickReading {
  static constexpr int kMaxAxes = 6;
  static constexpr int kMaxButtons = 32;

  float axes[kMaxAxes] = {};
  int axisCount = 0;
  bool buttons[kMaxButtons] = {};
  int buttonCount = 0;
};

// Fills a joystick unit's sticks, triggers and 32 buttons from one reading. Outputs
// shorter than expected are filled as far as they go.
void MapJoystickReading(const JoystickReading& reading, Array<float> joyx, Array<float> joyy, Array<float> joyz,
                        Array<bool> buttons);
