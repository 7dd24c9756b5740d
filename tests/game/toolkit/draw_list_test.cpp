// The draw list's edges: a palette index outside the palette draws in the first colour,
// and a full list drops further appends at 2499 entries until the next frame starts.
#include <gtest/gtest.h>

#include "game/shell/my_app.h"
#include "game/shell/virtual_screen.h"

namespace {

TEST(Palette, IndexesOutsideThePaletteUseTheFirstColour) {
  c_MyApp app;
  app.p_Ink(0, 1);
  const float first[3] = {app.m_drawR, app.m_drawG, app.m_drawB};
  for (int index : {-3, 10, 1000}) {
    app.p_Ink(2, 1);
    app.p_Ink(index, 1);
    EXPECT_EQ(app.m_drawR, first[0]) << index;
    EXPECT_EQ(app.m_drawG, first[1]) << index;
    EXPECT_EQ(app.m_drawB, first[2]) << index;
  }
}

TEST(DrawEntries, FullListDropsAppendsAt2499Entries) {
  c_MyApp app;
  app.p_CLS2D();
  for (int i = 0; i < 2600; ++i) {
    if (i % 2) {
      app.p_DrawImg(3, 1, 1);
    } else {
      app.p_Rect(1, 1, 1, 1);
    }
  }
  EXPECT_EQ(app.m_drawCount, 37485);
  for (int i = 37485; i < 37500; ++i) EXPECT_EQ(app.m_drawList[i], 0) << i;
  app.p_Line(0, 0, 1, 1);
  app.p_Oval(0, 0, 1, 1);
  EXPECT_EQ(app.m_drawCount, 37485);
  app.p_CLS2D();
  app.p_Oval(0, 0, 1, 1);
  EXPECT_EQ(app.m_drawCount, 15) << "a new list takes entries again";
}

}  // namespace
