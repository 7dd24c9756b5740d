// Joystick layouts; which pad gets which port is checked through the input device.
#include "runtime/input/joystick_mapping.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Outputs {
  Array<float> joyx{2}, joyy{2}, joyz{2};
  Array<bool> buttons{32};
};

JoystickReading reading(int axisCount, int buttonCount) {
  JoystickReading r;
  r.axisCount = axisCount;
  r.buttonCount = buttonCount;
  for (int i = 0; i < axisCount; ++i) r.axes[i] = 0.1f * static_cast<float>(i + 1);
  return r;
}

// The output that lights up when raw button `raw` alone is pressed, or -1.
int outputOf(JoystickReading r, int raw) {
  r.buttons[raw] = true;
  Outputs out;
  MapJoystickReading(r, out.joyx, out.joyy, out.joyz, out.buttons);
  int lit = -1;
  for (int i = 0; i < 32; ++i) {
    if (out.buttons[i]) {
      EXPECT_EQ(lit, -1) << "one raw button lights one output";
      lit = i;
    }
  }
  return lit;
}

TEST(JoystickLayout, ClassicPadKeepsItsOrder) {
  JoystickReading pad = reading(5, 14);
  Outputs out;
  MapJoystickReading(pad, out.joyx, out.joyy, out.joyz, out.buttons);
  EXPECT_FLOAT_EQ(out.joyx[0], 0.1f);
  EXPECT_FLOAT_EQ(out.joyy[0], 0.2f);
  EXPECT_FLOAT_EQ(out.joyz[0], 0.3f);
  EXPECT_FLOAT_EQ(out.joyx[1], 0.5f);
  EXPECT_FLOAT_EQ(out.joyy[1], -0.4f);
  EXPECT_FLOAT_EQ(out.joyz[1], -0.3f);

  const int expected[14] = {0, 1, 2, 3, 4, 5, 6, 7, 12, 13, 8, 9, 10, 11};  // raw 10..13 = hat
  for (int raw = 0; raw < 14; ++raw) EXPECT_EQ(outputOf(pad, raw), expected[raw]) << "raw " << raw;
}

TEST(JoystickLayout, OtherDevicesAreRearranged) {
  JoystickReading pad = reading(6, 16);  // twelve buttons and a hat
  Outputs out;
  MapJoystickReading(pad, out.joyx, out.joyy, out.joyz, out.buttons);
  EXPECT_FLOAT_EQ(out.joyx[0], 0.1f);
  EXPECT_FLOAT_EQ(out.joyy[0], 0.2f);
  EXPECT_FLOAT_EQ(out.joyx[1], 0.3f);
  EXPECT_FLOAT_EQ(out.joyy[1], -0.4f);
  EXPECT_FLOAT_EQ(out.joyz[0], 0.0f);
  EXPECT_FLOAT_EQ(out.joyz[1], 0.0f);

  const int expected[16] = {2, 0, 1, 3, 4, 5, -1, -1, 6, 7, 12, 13, 8, 9, 10, 11};
  for (int raw = 0; raw < 16; ++raw) EXPECT_EQ(outputOf(pad, raw), expected[raw]) << "raw " << raw;

  // Buttons 6 and 7 are the triggers of such devices.
  pad.buttons[6] = true;
  pad.buttons[7] = true;
  MapJoystickReading(pad, out.joyx, out.joyy, out.joyz, out.buttons);
  EXPECT_FLOAT_EQ(out.joyz[0], 1.0f);
  EXPECT_FLOAT_EQ(out.joyz[1], 1.0f);
}

TEST(JoystickLayout, LayoutNeedsExactlyFourteenButtonsAndFiveAxes) {
  struct Case {
    int axes, buttons;
    bool classic;
  };
  const Case cases[] = {{5, 14, true}, {6, 14, false}, {5, 13, false}, {5, 15, false}, {4, 14, false}};
  for (const Case& c : cases) {
    // Raw button 0 is output 0 on the classic pad and output 2 on the others.
    EXPECT_EQ(outputOf(reading(c.axes, c.buttons), 0), c.classic ? 0 : 2) << c.axes << " axes, " << c.buttons;
  }
}

TEST(JoystickLayout, MissingInputsReadAsIdleAndOddOutputsAreSafe) {
  Outputs out;
  for (int i = 0; i < 32; ++i) out.buttons[i] = true;
  out.joyx[1] = 9;
  JoystickReading twoAxes = reading(2, 3);  // too few buttons for the hat: -1..-4 reach real ones
  twoAxes.buttons[0] = true;
  MapJoystickReading(twoAxes, out.joyx, out.joyy, out.joyz, out.buttons);
  EXPECT_FLOAT_EQ(out.joyx[1], 0.0f) << "a missing axis reads 0";
  EXPECT_TRUE(out.buttons[2]);
  EXPECT_TRUE(out.buttons[9]) << "-3 of three buttons is button 0";
  for (int i = 14; i < 32; ++i) EXPECT_FALSE(out.buttons[i]) << "output " << i << " is cleared";

  JoystickReading everything = reading(6, 32);
  for (bool& pressed : everything.buttons) pressed = true;
  MapJoystickReading(everything, out.joyx, out.joyy, out.joyz, out.buttons);
  for (int i = 14; i < 32; ++i) EXPECT_FALSE(out.buttons[i]) << "output " << i << " is never mapped";

  Array<float> none;
  Array<bool> fewButtons(4);
  MapJoystickReading(everything, none, none, none, fewButtons);
  EXPECT_TRUE(fewButtons[0]);
}

}  // namespace
