// Actions and control axes fed through the real input device (keys, typed iCade letters,
// pads set by the test), the latches, and the pointer's buttons and touch bars.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "game/shell/globals.h"
#include "game/shell/my_app.h"
#include "host/zr_game.h"
#include "runtime/input/input.h"

namespace {

enum Key : int { kBackspace = 8, kEscape = 27, kArrowLeft = 37, kArrowUp = 38, kArrowRight = 39, kBackquote = 192 };
enum Action : int { kUp = 0, kLeft = 3, kRight = 5, kDown = 8, kFireA = 10, kFireB = 11, kMenu = 98, kBack = 99 };
enum Source : int { kKeyboard = -1, kNobody = 0, kJoy1 = 1, kJoy2 = 2, kJoy3 = 3 };

struct Pad {
  float stickX = 0;
  float stickY = 0;  // raw: positive is up
  std::set<int> buttons;
};

// Pads sit in ports 0, 1, ... as the desktop host numbers them.
class PadHost : public ZrGame {
 public:
  std::vector<Pad> pads;

  bool PollJoystick(int port, Array<float> joyx, Array<float> joyy, Array<float>, Array<bool> buttons) override {
    if (port >= static_cast<int>(pads.size())) return false;
    joyx[0] = pads[port].stickX;
    joyy[0] = pads[port].stickY;
    for (int button = 0; button < buttons.Length(); ++button) buttons[button] = pads[port].buttons.count(button) > 0;
    return true;
  }
};

class ControlsTest : public ::testing::Test {
 protected:
  void SetUp() override { Reset(); }
  void TearDown() override {
    zr_input_SetInputDevice(nullptr);
    zr_TinselJumble_iCadeControls = 0;
  }

  void Reset() {
    device = zr_input_SetInputDevice((new c_InputDevice)->m_new());
    host.pads.clear();
    zr_TinselJumble_iCadeControls = 0;
    for (int i = 0; i < app.m_vbutton.Length(); ++i) app.m_vbutton[i] = 0;
    for (int i = 0; i < app.m_controls.Length(); ++i) app.m_controls[i] = 0;
  }
  void Hold(int key) { device->p_KeyEvent(zr_input_EVENT_KEYDOWN, key); }
  void Release(int key) { device->p_KeyEvent(zr_input_EVENT_KEYUP, key); }
  void Type(const std::string& letters) {
    for (char letter : letters) device->p_KeyEvent(zr_input_EVENT_KEYCHAR, letter);
  }
  // One update's worth of input handling around the game's controls.
  void Frame() {
    device->p_BeginUpdate();
    app.p_DoControls();
    app.p_DoVirtualInput();
    device->p_EndUpdate();
  }
  float Axis(int source, int axis) { return app.m_controls[20 + 10 * source + axis]; }

  PadHost host;
  c_InputDevice* device = nullptr;
  c_MyApp app;
};

// With two keyboard players source -1 is the left one and source 5 the right one.
TEST_F(ControlsTest, ActionsOfKeyboardPlayersJoysticksAndVirtualButtons) {
  constexpr int kRightPlayer = 5;
  struct Case {
    const char* name;
    int keyboardPlayers;
    bool iCade;
    std::vector<int> keys;
    std::vector<int> vbuttons;  // held by an iCade letter
    int action, source, expected;
    std::vector<int> taps = {};  // pressed and released before the update
  };
  const Case cases[] = {
      {"a tap of Esc backs out", 1, false, {}, {}, kBack, kKeyboard, 1, {kEscape}},
      {"a tapped letter is the iCade's", 1, true, {}, {}, kFireA, kKeyboard, 0, {'Z'}},
      {"W is an iCade letter", 1, true, {'W'}, {}, kUp, kKeyboard, 0},
      {"backquote backs out", 1, false, {kBackquote}, {}, kBack, kKeyboard, 1},
      {"backquote not with iCade", 1, true, {kBackquote}, {}, kBack, kKeyboard, 0},
      {"backspace backs out with iCade", 1, true, {kBackspace}, {}, kBack, kKeyboard, 1},
      {"Esc is every joystick's menu", 1, false, {kEscape}, {}, kMenu, kJoy3, 1},
      {"pads read arrows with iCade", 1, true, {kArrowLeft}, {}, kLeft, kJoy2, 1},
      {"no fifth pad", 1, false, {kEscape}, {19}, kBack, kRightPlayer, 0},
      {"back key backs out of a pad", 1, false, {}, {19}, kBack, kJoy2, 1},
      {"one player: no right-hand source", 1, false, {kArrowUp}, {}, kUp, kRightPlayer, 0},
      {"two players: Z is nobody's fire A", 2, false, {'Z'}, {}, kFireA, kKeyboard, 0},
      {"Esc backs the left player out", 2, false, {kEscape}, {}, kBack, kKeyboard, 1},
      {"backspace the right player", 2, false, {kBackspace}, {}, kBack, kRightPlayer, 1},
      {"Esc is the left player's only", 2, false, {kEscape}, {}, kBack, kRightPlayer, 0},
      {"with iCade the keyboard is one player", 2, true, {kArrowUp}, {}, kUp, kKeyboard, 1},
      {"and the right-hand source is gone", 2, true, {kArrowUp}, {}, kUp, kRightPlayer, 0},
  };
  for (const Case& c : cases) {
    Reset();
    app.m_settings[20] = c.keyboardPlayers == 2 ? 1 : 0;
    zr_TinselJumble_iCadeControls = c.iCade ? 1 : 0;
    for (int key : c.keys) Hold(key);
    for (int key : c.taps) {
      Hold(key);
      Release(key);
    }
    for (int index : c.vbuttons) app.m_vbutton[index] = 2;
    device->p_BeginUpdate();
    EXPECT_EQ(app.p_PlayKey(c.action, 0, c.source), c.expected) << c.name;
  }
}

TEST_F(ControlsTest, StickCountsAsDirectionOnlyInModeOneAndPastThreshold) {
  struct Case {
    const char* name;
    float x, y;
    bool iCade;
    int action, mode, expected;
  };
  const Case cases[] = {
      {"up past 0.4", 0, 0.41f, false, kUp, 1, 1},   {"up at 0.4", 0, 0.4f, false, kUp, 1, 0},
      {"mode 0 ignores it", 0, 0.9f, false, kUp, 0, 0}, {"down", 0, -0.41f, false, kDown, 1, 1},
      {"left", -0.5f, 0, false, kLeft, 1, 1},           {"no stick with iCade", 0.9f, 0, true, kRight, 1, 0},
  };
  for (const Case& c : cases) {
    Reset();
    zr_TinselJumble_iCadeControls = c.iCade ? 1 : 0;
    host.pads.resize(2);
    host.pads[1].stickX = c.x;
    host.pads[1].stickY = c.y;
    device->p_BeginUpdate();
    EXPECT_EQ(app.p_PlayKey(c.action, c.mode, kJoy2), c.expected) << c.name;
    EXPECT_EQ(app.p_PlayKey(c.action, c.mode, kJoy1), 0) << c.name << ": pad 0 is idle";
  }
  EXPECT_FLOAT_EQ(app.p_StickY(0, -1), 0);
}

TEST_F(ControlsTest, AxesStepDecayAndClamp) {
  // Keyboard x over frames: left held for four frames, then released.
  Hold(kArrowLeft);
  const float heldX[] = {-0.3f, -0.6f, -0.9f, -1.0f};
  for (float expected : heldX) {
    Frame();
    EXPECT_NEAR(Axis(kKeyboard, 1), expected, 1e-5f);
  }
  Release(kArrowLeft);
  const float releasedX[] = {-0.6f, -0.2f, 0.0f, 0.0f};
  for (float expected : releasedX) {
    Frame();
    EXPECT_NEAR(Axis(kKeyboard, 1), expected, 1e-5f);
  }
  EXPECT_EQ(Axis(kKeyboard, 2), 0);

  // A stick outside the dead zone sets both axes, y growing downwards; inside it the
  // axes recentre.
  host.pads.resize(1);
  host.pads[0].stickX = 0.5f;
  host.pads[0].stickY = 0.8f;
  Frame();
  EXPECT_FLOAT_EQ(Axis(kJoy1, 1), 0.5f);
  EXPECT_FLOAT_EQ(Axis(kJoy1, 2), -0.8f);

  // A pad that goes away lets its axes fall back to 0.
  host.pads.clear();
  Frame();
  Frame();
  Frame();
  EXPECT_EQ(Axis(kJoy1, 1), 0);
  EXPECT_EQ(Axis(kJoy1, 2), 0);
}

// Each seat reads its own source's controls; idle seats, unknown sources and controls
// outside the table read nothing.
TEST_F(ControlsTest, EachSeatReadsItsOwnSourcesControls) {
  host.pads.resize(2);
  host.pads[1].buttons = {1};
  Hold(kArrowRight);
  Frame();
  app.m_pad[0] = kKeyboard;
  app.m_pad[1] = kJoy2;
  app.m_pad[2] = -2;
  app.m_pad[3] = 9;
  EXPECT_FLOAT_EQ(app.p_Control(1, 0), 0.3f);
  EXPECT_FLOAT_EQ(app.p_Control(8, 1), 1);
  EXPECT_EQ(app.p_Control(1, 2), 0);
  EXPECT_EQ(app.p_Control(1, 3), 0);
  EXPECT_EQ(app.p_Control(1, 40), 0);
  EXPECT_EQ(app.p_Control(-30, 0), 0);
}

TEST_F(ControlsTest, ICadeLettersHoldAndReleaseVirtualButtons) {
  // Letters typed before the switch are dropped.
  Type("wx");
  app.p_iCade(1);
  EXPECT_EQ(zr_TinselJumble_iCadeControls, 1);
  EXPECT_EQ(app.m_iCadeChar, 0);
  app.p_DoVirtualInput();
  EXPECT_EQ(app.m_vbutton[0], 0);
  device->p_EndUpdate();

  struct Case {
    const char* name;
    std::string letters;
    int vbutton, expected;
  };
  const Case cases[] = {
      {"press holds", "w", 0, 2},           {"held over updates", "", 0, 2},
      {"release in another update", "E", 0, 0}, {"press and release together", "Hr", 10, 0},
      {"lower case presses", "l", 17, 2},   {"other characters ignored", "1!?", 17, 2},
  };
  for (const Case& c : cases) {
    Type(c.letters);
    Frame();
    EXPECT_EQ(app.m_vbutton[c.vbutton], c.expected) << c.name;
  }
  app.p_iCade(0);
  EXPECT_EQ(zr_TinselJumble_iCadeControls, 0);
  EXPECT_EQ(app.m_vbutton[5], 0);
  EXPECT_EQ(app.m_vbutton[17], 0);
  // With the protocol off, letters stay letters.
  Type("w");
  app.p_DoVirtualInput();
  EXPECT_EQ(app.m_vbutton[0], 0);
}

TEST_F(ControlsTest, LatchesFreeOnlyWhenNothingIsHeld) {
  struct Case {
    const char* name;
    std::vector<int> keys;
    float stickX;
    int touching, keyLatch, pointerLatch;
  };
  const Case cases[] = {
      {"key held", {'Z'}, 0, 0, 1, 0},
      {"back held", {kEscape}, 0, 0, 1, 0},
      {"stick pushed", {}, 0.6f, 0, 1, 0},
      {"pointer down", {}, 0, 1, 0, 1},
      {"a key the actions do not use", {'Q'}, 0, 0, 0, 0},
      {"nothing", {}, 0, 0, 0, 0},
  };
  for (const Case& c : cases) {
    Reset();
    host.pads.resize(1);
    for (int key : c.keys) Hold(key);
    host.pads[0].stickX = c.stickX;
    device->p_BeginUpdate();
    app.m_touching = c.touching;
    app.m_keyLatch = 1;
    app.m_pointerLatch = 1;
    app.p_ReleaseLatches();
    EXPECT_EQ(app.m_keyLatch, c.keyLatch) << c.name;
    EXPECT_EQ(app.m_pointerLatch, c.pointerLatch) << c.name;
  }
}

struct Finger {
  int slot, x, y;
};

void PutFingers(c_MyApp& app, const std::vector<Finger>& fingers) {
  for (int slot = 0; slot < 10; ++slot) app.m_touchDown[slot] = 0;
  app.m_touching = fingers.empty() ? 0 : 1;
  for (const Finger& finger : fingers) {
    app.m_touchDown[finger.slot] = 1;
    app.m_touchX[finger.slot] = finger.x;
    app.m_touchY[finger.slot] = finger.y;
  }
}

TEST(TouchTests, ButtonsAndBarsAnswerInsideTheirBoxes) {
  c_MyApp app;
  app.p_ResetDraw();
  constexpr int kImage = 97;
  app.m_frameInfo[3 * kImage] = 32;  // frame width and height
  app.m_frameInfo[3 * kImage + 1] = 16;
  app.m_imgScale = 1;
  app.p_SetSize(2);  // a button of 64 x 32 around (100, 100)
  struct Case {
    const char* name;
    std::vector<Finger> fingers;
    int button;
    int bar;  // the bar (50, 60) 100 x 20 with 6 pixels of slack before it and 12 after
  };
  const Case cases[] = {
      {"inside the button", {{0, 131, 115}}, 1, 0},  {"on its right edge", {{0, 132, 100}}, 0, 0},
      {"on its bottom edge", {{0, 100, 116}}, 0, 0},   {"second finger inside", {{0, 10, 10}, {3, 70, 90}}, 1, 1},
      {"no finger", {}, 0, 0},                         {"in the bar's left slack", {{2, 45, 65}}, 0, 1},
      {"on the slack's left edge", {{2, 44, 65}}, 0, 0}, {"in the right slack", {{2, 161, 65}}, 0, 1},
      {"on its right edge", {{2, 162, 65}}, 0, 0},
  };
  for (const Case& c : cases) {
    PutFingers(app, c.fingers);
    EXPECT_EQ(app.p_Button(kImage, 100, 100, 2), c.button) << c.name;
    EXPECT_EQ(app.p_Touch(50, 60, 100, 20), c.bar) << c.name;
  }
  PutFingers(app, {{0, 100, 100}});
  app.m_touching = 0;
  EXPECT_EQ(app.p_Button(kImage, 100, 100, 0), 0) << "a finger the pointer flag does not hold";
  app.m_touching = 1;
  EXPECT_EQ(app.p_Button(-5, 100, 100, 0), 0);
  EXPECT_EQ(app.p_Button(400, 100, 100, 0), 0);
}

}  // namespace
