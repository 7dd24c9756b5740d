// Joystick port assignment and the two button and axis layouts.
//
// Each stick or trigger output names its source: an axis as is, an axis negated, or a
// button read as 1.0 or 0.0. Button sources below zero count from the end of the
// device's list, where the hat switch sits.
#include "runtime/input/joystick_mapping.h"

void JoystickPortMap::Update(const std::function<bool(int hostId)>& isPresent) {
  bool present[kHostIds];
  for (int hostId = 0; hostId < kHostIds; ++hostId) present[hostId] = isPresent(hostId);
  bool hasPort[kHostIds] = {};
  bool freedNow[kPorts] = {};
  for (int port = 0; port < kPorts; ++port) {
    int& hostId = m_hostIds[port];
    if (hostId >= 0 && !present[hostId]) {
      hostId = -1;
      freedNow[port] = true;
    }
    if (hostId >= 0) hasPort[hostId] = true;
  }
  // A port freed now stays empty until the next update, so its unit lets go of the old
  // pad's buttons before a new pad can press them.
  int port = 0;
  for (int hostId = 0; hostId < kHostIds; ++hostId) {
    if (!present[hostId] || hasPort[hostId]) continue;
    while (port < kPorts && (m_hostIds[port] >= 0 || freedNow[port])) ++port;
    if (port == kPorts) return;
    m_hostIds[port] = hostId;
  }
}

int JoystickPortMap::HostIdAt(int port) const { return port >= 0 && port < kPorts ? m_hostIds[port] : -1; }

namespace {

constexpr int kAxis = 0;
constexpr int kAxisNegated = 64;
constexpr int kButton = 128;

struct Layout {
  int axisSources[6];  // joyx[0], joyy[0], joyz[0], joyx[1], joyy[1], joyz[1]
  int buttonSources[14];
};

constexpr Layout kLayoutA = {
    {kAxis + 0, kAxis + 1, kAxis + 2, kAxis + 4, kAxisNegated + 3, kAxisNegated + 2},
    {0, 1, 2, 3, 4, 5, 6, 7, -4, -3, -2, -1, 8, 9},
};
constexpr Layout kLayoutB = {
    {kAxis + 0, kAxis + 1, kButton + 6, kAxis + 2, kAxisNegated + 3, kButton + 7},
    {1, 2, 0, 3, 4, 5, 8, 9, -4, -3, -2, -1, 10, 11},
};

bool buttonAt(const JoystickReading& reading, int index) {
  if (index < 0) index += reading.buttonCount;
  return index >= 0 && index < reading.buttonCount && reading.buttons[index];
}

float axisAt(const JoystickReading& reading, int index) {
  return index >= 0 && index < reading.axisCount ? reading.axes[index] : 0.0f;
}

float sourceValue(const JoystickReading& reading, int source) {
  if (source >= kButton) return buttonAt(reading, source - kButton) ? 1.0f : 0.0f;
  if (source >= kAxisNegated) return -axisAt(reading, source - kAxisNegated);
  return axisAt(reading, source);
}

void put(Array<float>& values, int index, float value) {
  if (index < values.Length()) values[index] = value;
}

}  // namespace

void MapJoystickReading(const JoystickReading& reading, Array<float> joyx, Array<float> joyy, Array<float> joyz,
                        Array<bool> buttons) {
  // The classic pad reports its hat as four trailing buttons after ten real ones.
  const Layout& layout = reading.buttonCount == 14 && reading.axisCount == 5 ? kLayoutA : kLayoutB;
  Array<float>* outputs[6] = {&joyx, &joyy, &joyz, &joyx, &joyy, &joyz};
  for (int i = 0; i < 6; ++i) put(*outputs[i], i / 3, sourceValue(reading, layout.axisSources[i]));

  for (int i = 0; i < buttons.Length(); ++i) buttons[i] = false;
  for (int i = 0; i < 14 && i < buttons.Length(); ++i) buttons[i] = buttonAt(reading, layout.buttonSources[i]);
}
