// Gamepads as the game reads them, through the real ports and fake pads, with and
// without a mappings file.
#include <gtest/gtest.h>

#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "fake_joysticks.h"
#include "runtime/input/gamepad_mappings.h"
#include "runtime/input/input.h"

namespace {

const char kKnownId[] = "030000005e0400008e02000010010000";
const char kOddId[] = "03000000aa1100002233000011010000";

class GamepadTest : public ::testing::Test {
 protected:
  void SetUp() override {
    device = zr_input_SetInputDevice((new c_InputDevice)->m_new());
    host.devices.database.insert(kKnownId);
  }
  void TearDown() override { zr_input_SetInputDevice(nullptr); }

  void Tick() {
    device->p_EndUpdate();
    device->p_BeginUpdate();
  }

  FakeJoystickHost host;
  c_InputDevice* device = nullptr;
};

// A pad whose raw buttons lie in no layout the game knows: whatever the game reads
// comes from the gamepad view.
FakePad Gamepad(const char* deviceId) {
  FakePad pad;
  pad.deviceId = deviceId;
  pad.axes.assign(8, 0);
  pad.buttons.assign(20, 0);
  return pad;
}

TEST_F(GamepadTest, KnownPadsUseTheStandardLayoutOnEveryUnit) {
  struct Control {
    const char* what;
    int gamepadButton;  // -1: a stick
    int stickAxis;
    float stickValue;
    int button;  // the unit's button that goes down, or -1
    float joyX0, joyY0, joyX1, joyY1;
  };
  const Control controls[] = {
      {"A", GLFW_GAMEPAD_BUTTON_A, 0, 0, 0, 0, 0, 0, 0},
      {"B", GLFW_GAMEPAD_BUTTON_B, 0, 0, 1, 0, 0, 0, 0},
      {"X", GLFW_GAMEPAD_BUTTON_X, 0, 0, 2, 0, 0, 0, 0},
      {"Y", GLFW_GAMEPAD_BUTTON_Y, 0, 0, 3, 0, 0, 0, 0},
      {"left bumper", GLFW_GAMEPAD_BUTTON_LEFT_BUMPER, 0, 0, 4, 0, 0, 0, 0},
      {"right thumb", GLFW_GAMEPAD_BUTTON_RIGHT_THUMB, 0, 0, 13, 0, 0, 0, 0},
      {"guide: nothing", GLFW_GAMEPAD_BUTTON_GUIDE, 0, 0, -1, 0, 0, 0, 0},
      {"Back", GLFW_GAMEPAD_BUTTON_BACK, 0, 0, 6, 0, 0, 0, 0},
      {"Start", GLFW_GAMEPAD_BUTTON_START, 0, 0, 7, 0, 0, 0, 0},
      {"d-pad left", GLFW_GAMEPAD_BUTTON_DPAD_LEFT, 0, 0, 8, 0, 0, 0, 0},
      {"d-pad up", GLFW_GAMEPAD_BUTTON_DPAD_UP, 0, 0, 9, 0, 0, 0, 0},
      {"d-pad right", GLFW_GAMEPAD_BUTTON_DPAD_RIGHT, 0, 0, 10, 0, 0, 0, 0},
      {"d-pad down", GLFW_GAMEPAD_BUTTON_DPAD_DOWN, 0, 0, 11, 0, 0, 0, 0},
      {"left stick right", -1, GLFW_GAMEPAD_AXIS_LEFT_X, 1, -1, 1, 0, 0, 0},
      {"left stick up", -1, GLFW_GAMEPAD_AXIS_LEFT_Y, -1, -1, 0, 1, 0, 0},
      {"right stick left", -1, GLFW_GAMEPAD_AXIS_RIGHT_X, -1, -1, 0, 0, -1, 0},
      {"right stick down", -1, GLFW_GAMEPAD_AXIS_RIGHT_Y, 1, -1, 0, 0, 0, 1},  // the game reads it down-positive
  };
  const int hostIds[4] = {2, 3, 8, 15};
  for (int id : hostIds) host.devices.plugged[id] = Gamepad(kKnownId);
  device->p_BeginUpdate();

  for (int unit = 0; unit < 4; ++unit) {
    for (const Control& c : controls) {
      FakePad& pad = host.devices.plugged[hostIds[unit]];
      pad = Gamepad(kKnownId);
      if (c.gamepadButton >= 0) pad.gamepadButtons[c.gamepadButton] = GLFW_PRESS;
      if (c.gamepadButton < 0) pad.gamepadAxes[c.stickAxis] = c.stickValue;
      Tick();
      for (int reader = 0; reader < 4; ++reader) {
        std::string where = std::string(c.what) + " on unit " + std::to_string(unit) + ", read on " +
                            std::to_string(reader);
        bool mine = reader == unit;
        for (int button = 0; button < 32; ++button)
          EXPECT_EQ(zr_input_JoyDown(button, reader), mine && button == c.button ? 1 : 0) << where << ", button "
                                                                                        << button;
        EXPECT_FLOAT_EQ(zr_input_JoyX(0, reader), mine ? c.joyX0 : 0) << where;
        EXPECT_FLOAT_EQ(zr_input_JoyY(0, reader), mine ? c.joyY0 : 0) << where;
        EXPECT_FLOAT_EQ(zr_input_JoyX(1, reader), mine ? c.joyX1 : 0) << where;
        EXPECT_FLOAT_EQ(zr_input_JoyY(1, reader), mine ? c.joyY1 : 0) << where;
      }
      pad = Gamepad(kKnownId);
    }
  }
}

// Writes a file, or removes it when the text is empty.
void Put(const std::filesystem::path& path, const std::string& text) {
  std::filesystem::remove(path);
  if (!text.empty()) std::ofstream(path, std::ios::binary) << text;
}

TEST_F(GamepadTest, AMappingsFileMakesAnUnknownPadAGamepad) {
  const std::string mapping = std::string(kOddId) + ",Odd Pad,a:b5,b:b6,leftx:a3,lefty:a4,platform:Linux,";
  struct Case {
    const char* what;
    std::string inData, besideSave;
    std::vector<std::string> said;  // with DATA for the data folder's file
    bool gamepad;
  };
  const Case cases[] = {
      {"no files", "", "", {}, false},
      {"in the data folder, among comments and blank lines",
       "# pads of ours\n\n   \n" + mapping + "\r\n",
       "",
       {"Gamepad mappings: 1 read from DATA"},
       true},
      {"beside the save", "", mapping, {"Gamepad mappings: 1 read from ./gamepad_mappings.txt"}, true},
      {"what is no mapping is counted, the rest still read",
       "not a mapping\n" + std::string(kOddId) + ",\n" + mapping + "\n0x" + mapping + "\n",
       "",
       {"Gamepad mappings: 1 read from DATA, 3 skipped (the first on line 1)"},
       true},
      {"a file with nothing but a refused line", "",
       std::string(kOddId) + ",Odd Pad\n",
       {"Gamepad mappings: 0 read from ./gamepad_mappings.txt, 1 skipped (the first on line 1)"},
       false},
      {"both files, one of them only comments", "# nothing here\n", mapping,
       {"Gamepad mappings: 1 read from ./gamepad_mappings.txt"}, true},
      {"both files", mapping, mapping,
       {"Gamepad mappings: 1 read from DATA", "Gamepad mappings: 1 read from ./gamepad_mappings.txt"}, true},
  };

  const std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                       ("tj-gamepads-" + std::to_string(getpid()));
  std::filesystem::create_directories(folder / "data");
  const std::filesystem::path workingFolder = std::filesystem::current_path();
  std::filesystem::current_path(folder);
  host.appDir = String(folder.string().c_str());
  const std::string dataFile = (folder / "data" / "gamepad_mappings.txt").string();

  for (const Case& c : cases) {
    host.devices.database = {kKnownId};
    Put(folder / "data" / "gamepad_mappings.txt", c.inData);
    Put(folder / "gamepad_mappings.txt", c.besideSave);
    testing::internal::CaptureStdout();
    ReadGamepadMappingFiles(&host, host.devices);
    std::string said;
    for (std::string line : c.said) {
      size_t data = line.find("DATA");
      if (data != std::string::npos) line.replace(data, 4, dataFile);
      said += line + "\n";
    }
    EXPECT_EQ(testing::internal::GetCapturedStdout(), said) << c.what;

    // The physical A button: raw button 5, and A in the gamepad view.
    FakePad pad = Gamepad(kOddId);
    pad.buttons[5] = 1;
    pad.gamepadButtons[GLFW_GAMEPAD_BUTTON_A] = GLFW_PRESS;
    host.devices.plugged = {{0, pad}};
    device->p_BeginUpdate();
    EXPECT_EQ(zr_input_JoyDown(0, 0), c.gamepad ? 1 : 0) << c.what << ": A is button 0 of a gamepad";
    EXPECT_EQ(zr_input_JoyDown(5, 0), c.gamepad ? 0 : 1) << c.what << ": raw button 5 of an unknown pad";
    device->p_EndUpdate();
  }
  std::filesystem::current_path(workingFolder);
  std::filesystem::remove_all(folder);
}

}  // namespace
