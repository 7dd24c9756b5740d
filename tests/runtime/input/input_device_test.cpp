// The input device through its event and query entry points, with fake pads on the real
// joystick ports.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <vector>

#include "fake_joysticks.h"
#include "runtime/input/input.h"

namespace {

// A raw pad with the classic pad's 5 axes and 14 buttons (so its layout is kept), its
// first axis telling it apart, and the given buttons held.
FakePad ClassicPad(float firstAxis, const std::set<int>& held) {
  FakePad pad;
  pad.axes = {firstAxis, 0, 0, 0, 0};
  pad.buttons.assign(14, 0);
  for (int button : held) pad.buttons[button] = 1;
  return pad;
}

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

// The game reads the pointer as touch point 0 too: the left button is its twin key.
TEST_F(InputDeviceTest, LeftMouseButtonIsTouchPointZero) {
  device->p_MouseEvent(4, 0, 10, 20);
  EXPECT_EQ(zr_input_KeyDown(1), 1);
  EXPECT_EQ(zr_input_KeyHit(384), 1);
  EXPECT_EQ(zr_input_TouchDown(0), 1);
  EXPECT_EQ(zr_input_MouseHit(0), 1);
  EXPECT_EQ(zr_input_TouchX(0), 10);
  EXPECT_EQ(zr_input_TouchY(0), 20);
  device->p_MouseEvent(5, 0, 99, 99);
  EXPECT_EQ(zr_input_KeyDown(384), 0);
  EXPECT_EQ(zr_input_MouseX(), 10) << "a release leaves the pointer where it was";
  device->p_MouseEvent(4, 1, 50, 60);  // other buttons have no twin
  EXPECT_EQ(zr_input_KeyDown(2), 1);
  EXPECT_EQ(zr_input_TouchDown(1), 0);
  device->p_MouseEvent(6, -1, 5, 6);
  EXPECT_EQ(zr_input_TouchX(0), 5);
  EXPECT_EQ(zr_input_MouseY(), 6);
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
  host.devices.plugged = {{1, ClassicPad(0.25f, {0})}, {5, ClassicPad(1.25f, {0, 3})}};
  device->p_BeginUpdate();
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
  host.devices.plugged[5].buttons[3] = 0;
  device->p_BeginUpdate();
  EXPECT_EQ(zr_input_JoyDown(0, 1), 1);
  EXPECT_EQ(zr_input_JoyHit(0, 1), 0);
  EXPECT_EQ(zr_input_JoyDown(3, 1), 0);
  EXPECT_EQ(zr_input_JoyHit(3, 1), 0);
}

// Pads plugged in and pulled out mid-game, a few between each tick. Every pad holds its
// A button: one that keeps its unit goes on holding it without a new hit, a pad new to
// a unit presses it there once, and an emptied unit lets go of everything (for a tick,
// so the next pad's press is a press).
TEST_F(InputDeviceTest, PadsKeepTheirUnitsWhileOthersComeAndGo) {
  struct Step {
    const char* what;
    std::vector<int> plug, pull;  // host ids
    std::vector<int> units;       // host id at units 0..3, -1 for none
  };
  const Step steps[] = {
      {"two pads at start take units in id order", {5, 1}, {}, {1, 5, -1, -1}},
      {"pulling out the first frees its unit only", {}, {1}, {-1, 5, -1, -1}},
      {"a pad plugged in takes the free unit", {7}, {}, {7, 5, -1, -1}},
      {"two more fill the rest", {9, 2}, {}, {7, 5, 2, 9}},
      {"a fifth waits for a unit", {12}, {}, {7, 5, 2, 9}},
      {"a unit freed stays empty for one tick", {}, {5}, {7, -1, 2, 9}},
      {"then the waiting pad takes it", {}, {}, {7, 12, 2, 9}},
      {"one in as two go out", {1}, {2, 9}, {7, 12, -1, -1}},
      {"takes the lowest freed unit", {}, {}, {7, 12, 1, -1}},
      {"all out", {}, {7, 12, 1}, {-1, -1, -1, -1}},
  };
  std::vector<int> before = {-1, -1, -1, -1};
  for (const Step& step : steps) {
    for (int id : step.pull) host.devices.plugged.erase(id);
    for (int id : step.plug) host.devices.plugged[id] = ClassicPad(id / 16.0f, {0});
    device->p_BeginUpdate();
    for (int unit = 0; unit < 4; ++unit) {
      int id = step.units[unit];
      EXPECT_FLOAT_EQ(zr_input_JoyX(0, unit), id < 0 ? 0.0f : id / 16.0f) << step.what << ", unit " << unit;
      EXPECT_EQ(zr_input_JoyDown(0, unit), id < 0 ? 0 : 1) << step.what << ", unit " << unit;
      EXPECT_EQ(zr_input_JoyHit(0, unit), id >= 0 && id != before[unit] ? 1 : 0) << step.what << ", unit " << unit;
    }
    device->p_EndUpdate();
    before = step.units;
  }
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
  EXPECT_EQ(zr_input_KeyDown(0), 0);
  EXPECT_EQ(zr_input_KeyHit(0), 0);
  EXPECT_EQ(device->m__keyHitPut, 0) << "rejected keys take no slot in the hit queue";
  EXPECT_EQ(zr_input_KeyDown(416), 0);

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
  host.devices.plugged = {{0, ClassicPad(0, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13})}};
  device->p_BeginUpdate();
  for (int button = 14; button < 32; ++button) EXPECT_EQ(zr_input_JoyDown(button, 0), 0) << button;
  EXPECT_EQ(zr_input_KeyDown(416), 0);
}

TEST(InputWithoutDevice, EveryQueryAnswersZero) {
  FakeJoystickHost host;
  zr_input_SetInputDevice(nullptr);
  EXPECT_EQ(zr_input_KeyDown(65), 0);
  EXPECT_EQ(zr_input_KeyHit(65), 0);
  EXPECT_EQ(zr_input_GetChar(), 0);
  EXPECT_EQ(zr_input_MouseX(), 0);
  EXPECT_EQ(zr_input_JoyX(0, 0), 0);
}

}  // namespace
