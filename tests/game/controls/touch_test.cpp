// Pointer tests of the shell's screens: image buttons sized by their frame and the
// drawing scale, touch bars with their slack, and plain boxes. Every edge is
// outside; only fingers that are down count.
#include <gtest/gtest.h>

#include <vector>

#include "game/shell/my_app.h"

namespace {

struct Finger {
  int slot;
  int x;
  int y;
};

void PutFingers(c_MyApp& app, const std::vector<Finger>& fingers) {
  for (int slot = 0; slot < 10; ++slot) {
    app.m_touchDown[slot] = 0;
    app.m_touchX[slot] = -3717;
    app.m_touchY[slot] = -3717;
  }
  app.m_touching = fingers.empty() ? 0 : 1;
  for (const Finger& finger : fingers) {
    app.m_touchDown[finger.slot] = 1;
    app.m_touchX[finger.slot] = finger.x;
    app.m_touchY[finger.slot] = finger.y;
  }
}

TEST(TouchTests, ButtonsAnswerInsideTheirScaledFrame) {
  c_MyApp app;
  app.p_ResetDraw();
  constexpr int kImage = 97;
  app.m_frameInfo[3 * kImage] = 32;  // frame width and height
  app.m_frameInfo[3 * kImage + 1] = 16;
  app.m_imgScale = 1;
  app.p_SetSize(2);  // box of 64 x 32 around (100, 100)
  struct Case {
    const char* name;
    std::vector<Finger> fingers;
    int button;
  };
  const Case cases[] = {
      {"inside", {{0, 131, 115}}, 1},          {"on the right edge", {{0, 132, 100}}, 0},
      {"on the bottom edge", {{0, 100, 116}}, 0}, {"left of the box", {{0, 67, 100}}, 0},
      {"second finger inside", {{0, 10, 10}, {3, 70, 90}}, 1}, {"no finger", {}, 0},
  };
  for (const Case& c : cases) {
    PutFingers(app, c.fingers);
    int drawn = app.m_drawCount;
    EXPECT_EQ(app.p_Button(kImage, 100, 100, 2), c.button) << c.name;
    EXPECT_EQ(app.m_hit, c.button) << c.name;
    ASSERT_EQ(app.m_drawCount, drawn + 15) << c.name << ": the button draws itself";
    EXPECT_EQ(app.m_drawList[drawn], kImage);
    EXPECT_EQ(app.m_drawList[drawn + 6], 2) << "frame";
  }
  // A finger held down while the pointer flag says nothing is down does not press.
  PutFingers(app, {{0, 100, 100}});
  app.m_touching = 0;
  EXPECT_EQ(app.p_Button(kImage, 100, 100, 0), 0);
  // An image without a frame size (or no image at all) has no box.
  app.m_touching = 1;
  EXPECT_EQ(app.p_Button(-5, 100, 100, 0), 0);
  EXPECT_EQ(app.p_Button(400, 100, 100, 0), 0);
}

TEST(TouchTests, BarsAndBoxes) {
  c_MyApp app;
  struct Case {
    const char* name;
    int x, y;
    int touch;      // bar (50, 60) 100 x 20 with its slack
    int mouseIn;    // box (50, 60) 100 x 20
  };
  const Case cases[] = {
      {"inside both", 60, 65, 1, 1},          {"in the left slack", 45, 65, 1, 0},
      {"on the slack's left edge", 44, 65, 0, 0}, {"in the right slack", 161, 65, 1, 0},
      {"on the slack's right edge", 162, 65, 0, 0}, {"in the bottom slack", 60, 91, 1, 0},
      {"on the box's top edge", 60, 60, 1, 0},
  };
  for (const Case& c : cases) {
    PutFingers(app, {{2, c.x, c.y}});
    EXPECT_EQ(app.p_Touch(50, 60, 100, 20), c.touch) << c.name;
    EXPECT_EQ(app.p_MouseIn(50, 60, 100, 20), c.mouseIn) << c.name;
  }
  PutFingers(app, {});
  EXPECT_EQ(app.p_MouseIn(-1000, -1000, 2000, 2000), 0) << "lifted fingers sit at -3717";
}

}  // namespace
