// The input device through its event and query entry points: hits once per press,
// the mouse and touch twins, the per-tick limits of the hit and character queues,
// joystick polling through the host, and queries outside the tables.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <vector>

#include "host/zr_game.h"
#include "runtime/input/input.h"
#include "runtime/input/joystick_mapping.h"

namespace {

// A host whose joysticks sit at chosen host ids, each with a set of pressed raw buttons.
class FakeJoystickHost : public ZrGame {
 public:
  std::map<int, std::set<int>> pressedById;  // present host ids
  std::vector<int> polledPorts;

  bool PollJoystick(int port, Array<float> joyx, Array<float> joyy, Array<float> joyz, Array<bool> buttons) override {
    polledPorts.push_back(port);
    if (port == 0) m_ports.Rebuild([this](int id) { return pressedById.count(id) > 0; });
    int id = m_ports.HostIdAt(port);
    if (id < 0) return false;
    JoystickReading reading;
    reading.axisCount = 5;
    reading.axes[0] = 0.25f * static_cast<float>(id);
    reading.buttonCount = 14;
    for (int button : pressedById[id]) reading.buttons[button] = true;
    MapJoystickReading(reading, joyx, joyy, joyz, buttons);
    return true;
  }

 private:
  JoystickPortMap m_ports;
};

class InputDeviceTest : public ::testing::Test {
 protected:
  void SetUp() override { device = zr_input_SetInputDevice((new c_InputDevice)->m_new()); }
  void TearDown() override { zr_input_SetInputDevice(nullptr); }

  FakeJoystickHost host;
  c_InputDevice* device = nullptr;
};

TEST_F(InputDeviceTest, EachPressIsOneHitForOneTick) {
  struct Case {
    const char* name;
    std::vector<std::pair<int, int>> events;  // (event, key) before the tick
    bool held;
    int hits;
  };
  const Case cases[] = {
      {"tap between ticks", {{1, 65}, {2, 65}}, false, 1},
      {"auto-repeat", {{1, 65}, {1, 65}, {1, 65}}, true, 1},
      {"two taps", {{1, 65}, {2, 65}, {1, 65}, {2, 65}}, false, 2},
      {"release without press", {{2, 65}}, false, 0},
  };
  for (const Case& c : cases) {
    SetUp();
    for (auto [event, key] : c.events) device->p_KeyEvent(event, key);
    EXPECT_EQ(zr_input_KeyDown(65), c.held ? 1 : 0) << c.name;
    EXPECT_EQ(zr_input_KeyHit(65), c.hits) << c.name;
    device->p_EndUpdate();
    EXPECT_EQ(zr_input_KeyHit(65), 0) << c.name << ": a hit lasts one tick";
    EXPECT_EQ(zr_input_KeyDown(65), c.held ? 1 : 0) << c.name << ": held flags persist";
  }
  // A key still held from an earlier tick gives no new hit when it repeats.
  device->p_KeyEvent(1, 65);
  device->p_EndUpdate();
  device->p_KeyEvent(1, 65);
  EXPECT_EQ(zr_input_KeyHit(65), 0);
}

TEST_F(InputDeviceTest, LeftMouseButtonAndTouchPointZeroAreOnePointer) {
  device->p_MouseEvent(4, 0, 10, 20);
  EXPECT_EQ(zr_input_KeyDown(1), 1);
  EXPECT_EQ(zr_input_KeyDown(384), 1);
  EXPECT_EQ(zr_input_KeyHit(1), 1);
  EXPECT_EQ(zr_input_KeyHit(384), 1);
  EXPECT_EQ(zr_input_TouchDown(0), 1);
  EXPECT_EQ(zr_input_MouseHit(0), 1);
  EXPECT_EQ(zr_input_TouchX(0), 10);
  EXPECT_EQ(zr_input_TouchY(0), 20);
  device->p_MouseEvent(5, 0, 99, 99);
  EXPECT_EQ(zr_input_KeyDown(1), 0);
  EXPECT_EQ(zr_input_KeyDown(384), 0);
  EXPECT_EQ(zr_input_MouseX(), 10) << "a release leaves the pointer where it was";
  device->p_EndUpdate();

  device->p_TouchEvent(7, 0, 30, 40);
  EXPECT_EQ(zr_input_MouseDown(0), 1);
  EXPECT_EQ(zr_input_MouseHit(0), 1);
  EXPECT_EQ(zr_input_MouseX(), 30);
  EXPECT_EQ(zr_input_MouseY(), 40);
  device->p_KeyEvent(2, 1);  // releasing the mouse twin releases the finger too
  EXPECT_EQ(zr_input_TouchDown(0), 0);
  device->p_EndUpdate();

  // Other buttons and fingers have no twin, and only finger 0 moves the mouse.
  device->p_MouseEvent(4, 1, 50, 60);
  EXPECT_EQ(zr_input_KeyDown(2), 1);
  EXPECT_EQ(zr_input_TouchDown(1), 0);
  device->p_TouchEvent(7, 1, 70, 80);
  EXPECT_EQ(zr_input_KeyDown(385), 1);
  EXPECT_EQ(zr_input_KeyDown(2), 1);
  EXPECT_EQ(zr_input_TouchX(1), 70);
  EXPECT_EQ(zr_input_MouseX(), 50);
  device->p_MouseEvent(6, -1, 5, 6);
  EXPECT_EQ(zr_input_TouchX(0), 5);
  EXPECT_EQ(zr_input_TouchY(0), 6);
}

TEST_F(InputDeviceTest, HitQueueCountsThirtyThreeDistinctHitsPerTick) {
  for (int key = 100; key < 134; ++key) device->p_KeyEvent(1, key);  // 34 presses
  for (int key = 100; key < 133; ++key) EXPECT_EQ(zr_input_KeyHit(key), 1) << key;
  EXPECT_EQ(zr_input_KeyHit(133), 0) << "the 34th hit finds the queue full";
  EXPECT_EQ(zr_input_KeyDown(133), 1) << "but the key is still held";
  device->p_EndUpdate();
  for (int key = 100; key < 134; ++key) EXPECT_EQ(zr_input_KeyHit(key), 0) << key;
  device->p_KeyEvent(1, 200);
  EXPECT_EQ(zr_input_KeyHit(200), 1) << "the next tick has room again";
  device->p_EndUpdate();

  // With one slot left, the mouse button takes it and its twin finger goes without.
  for (int key = 100; key < 132; ++key) device->p_KeyEvent(2, key);
  for (int key = 100; key < 132; ++key) device->p_KeyEvent(1, key);  // 32 hits
  device->p_MouseEvent(4, 0, 0, 0);
  EXPECT_EQ(zr_input_KeyHit(1), 1);
  EXPECT_EQ(zr_input_KeyHit(384), 0);
  EXPECT_EQ(zr_input_KeyDown(384), 1);
}

TEST_F(InputDeviceTest, CharacterQueueKeepsThirtyTwoCharactersPerTick) {
  for (int i = 0; i < 33; ++i) device->p_KeyEvent(3, 'a' + i);
  for (int i = 0; i < 32; ++i) EXPECT_EQ(zr_input_GetChar(), 'a' + i) << i;
  EXPECT_EQ(zr_input_GetChar(), 0) << "the 33rd character was dropped";
  EXPECT_EQ(zr_input_GetChar(), 0);
  device->p_EndUpdate();

  device->p_KeyEvent(3, 'x');
  device->p_KeyEvent(3, 'y');
  EXPECT_EQ(zr_input_GetChar(), 'x');
  device->p_EndUpdate();
  EXPECT_EQ(zr_input_GetChar(), 0) << "unread characters do not outlive their tick";
}

TEST_F(InputDeviceTest, JoysticksAtHostIdsOneAndFiveBecomeUnitsZeroAndOne) {
  host.pressedById = {{1, {0}}, {5, {0, 3}}};
  device->p_BeginUpdate();
  EXPECT_EQ(host.polledPorts, (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(zr_input_JoyHit(0, 0), 1);
  EXPECT_EQ(zr_input_KeyHit(256), 1);
  EXPECT_EQ(zr_input_JoyHit(0, 1), 1);
  EXPECT_EQ(zr_input_KeyHit(288), 1) << "JoyHit(0, 1) is key 288";
  EXPECT_EQ(zr_input_JoyDown(3, 1), 1);
  EXPECT_EQ(zr_input_JoyDown(3, 0), 0);
  EXPECT_FLOAT_EQ(zr_input_JoyX(0, 0), 0.25f);
  EXPECT_FLOAT_EQ(zr_input_JoyX(0, 1), 1.25f);
  device->p_EndUpdate();

  // Still pressed: held without a new hit. Released: no longer held, and no hit either.
  host.pressedById[5] = {0};
  device->p_BeginUpdate();
  EXPECT_EQ(zr_input_JoyDown(0, 1), 1);
  EXPECT_EQ(zr_input_JoyHit(0, 1), 0);
  EXPECT_EQ(zr_input_JoyDown(3, 1), 0);
  EXPECT_EQ(zr_input_JoyHit(3, 1), 0);
  device->p_EndUpdate();

  // Unplugging the first pad moves the second to unit 0; nothing reaches port 2, and
  // the emptied unit 1 lets go of what it held.
  host.pressedById.erase(1);
  host.polledPorts.clear();
  device->p_BeginUpdate();
  EXPECT_EQ(host.polledPorts, (std::vector<int>{0, 1}));
  EXPECT_FLOAT_EQ(zr_input_JoyX(0, 0), 1.25f);
  EXPECT_EQ(zr_input_JoyDown(0, 0), 1);
  EXPECT_EQ(zr_input_JoyDown(0, 1), 0);
  EXPECT_EQ(zr_input_JoyX(0, 1), 0);

  host.pressedById.clear();
  host.polledPorts.clear();
  device->p_BeginUpdate();
  EXPECT_EQ(host.polledPorts, (std::vector<int>{0})) << "with no joystick only port 0 is asked";
}

TEST_F(InputDeviceTest, WithoutPadsJoystickKeysFromKeyEventsStayHeld) {
  device->p_KeyEvent(1, 260);
  device->p_KeyEvent(1, 300);
  device->p_BeginUpdate();
  device->p_EndUpdate();
  device->p_BeginUpdate();
  EXPECT_EQ(zr_input_JoyDown(4, 0), 1);
  EXPECT_EQ(zr_input_JoyDown(12, 1), 1);
}

TEST_F(InputDeviceTest, QueriesAndEventsOutsideTheTablesAreHarmless) {
  device->p_KeyEvent(1, 512);
  device->p_KeyEvent(1, -1);
  device->p_KeyEvent(1, 0);
  device->p_MouseEvent(4, 600, 1, 1);
  device->p_MouseEvent(4, 415, 1, 1);  // would be the back key
  device->p_TouchEvent(7, 32, 1, 1);   // so would this
  device->p_TouchEvent(9, -1, 1, 1);
  device->p_MotionEvent(9, 0, 1, 2, 3);
  EXPECT_EQ(zr_input_KeyDown(0), 0);
  EXPECT_EQ(zr_input_KeyHit(0), 0);
  EXPECT_EQ(device->m__keyHitPut, 0) << "rejected keys take no slot in the hit queue";
  EXPECT_EQ(zr_input_KeyDown(416), 0);
  EXPECT_EQ(zr_input_AccelX(), 0) << "only event 10 moves the accelerometer";

  const int badKeys[] = {-1, 0, 512, 100000, -100000};
  for (int key : badKeys) {
    EXPECT_EQ(zr_input_KeyDown(key), 0) << key;
    EXPECT_EQ(zr_input_KeyHit(key), 0) << key;
  }
  EXPECT_EQ(zr_input_MouseDown(511), 0);
  EXPECT_EQ(zr_input_TouchDown(128), 0);
  EXPECT_EQ(zr_input_TouchDown(-384), 0);
  EXPECT_EQ(zr_input_JoyDown(0, 8), 0);
  EXPECT_EQ(zr_input_JoyHit(-1, 0), 0);
  EXPECT_EQ(zr_input_TouchX(32), 0);
  EXPECT_EQ(zr_input_TouchY(-1), 0);
  EXPECT_EQ(zr_input_JoyX(2, 0), 0);
  EXPECT_EQ(zr_input_JoyY(0, 4), 0);
  EXPECT_EQ(zr_input_JoyY(0, -1), 0);

  // The back key and the joystick buttons past the mapped fourteen are never pressed.
  host.pressedById = {{0, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}}};
  device->p_BeginUpdate();
  for (int button = 14; button < 32; ++button) EXPECT_EQ(zr_input_JoyDown(button, 0), 0) << button;
  EXPECT_EQ(zr_input_KeyDown(416), 0);

  device->p_MotionEvent(10, 0, 1, 2, 3);
  EXPECT_EQ(zr_input_AccelX(), 1);
  EXPECT_EQ(zr_input_AccelY(), 2);
}

TEST_F(InputDeviceTest, KeyboardSwitchReachesTheHost) {
  zr_input_EnableKeyboard();
  EXPECT_TRUE(host.KeyboardEnabled());
  zr_input_DisableKeyboard();
  EXPECT_FALSE(host.KeyboardEnabled());
}

TEST(InputWithoutDevice, EveryQueryAnswersZero) {
  FakeJoystickHost host;
  zr_input_SetInputDevice(nullptr);
  EXPECT_EQ(zr_input_KeyDown(65), 0);
  EXPECT_EQ(zr_input_KeyHit(65), 0);
  EXPECT_EQ(zr_input_GetChar(), 0);
  EXPECT_EQ(zr_input_MouseX(), 0);
  EXPECT_EQ(zr_input_JoyX(0, 0), 0);
  EXPECT_EQ(zr_input_AccelY(), 0);
  zr_input_EnableKeyboard();
  EXPECT_FALSE(host.KeyboardEnabled());
}

}  // namespace
