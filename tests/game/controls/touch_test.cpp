// Pointer tests of the shell's screens: image buttons sized by their frame and the
// drawing scale, and touch bars with their slack. Every edge is outside; only fingers
// that are down count, and an image without a frame size has no button at all.
#include <gtest/gtest.h>

#include <vector>

#include "game/shell/my_app.h"

namespace {

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
