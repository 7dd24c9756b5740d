// The toolkit's tables at their edges, where a game could write or draw past them.
#include <gtest/gtest.h>

#include <vector>

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

TEST(ParticleSlots, AFullPoolKeepsItsParticlesAndALimitPastTheTableIsBoundedByIt) {
  c_MyApp app;
  app.m_particleLimit = 250;
  for (int slot = 0; slot <= 250; ++slot) app.m_particles[slot * 10] = 1;
  std::vector<float> before(app.m_particles.Data(), app.m_particles.Data() + 5100);
  app.p_ThrowParticle(5, 6, 2, 4, 0, 1);
  EXPECT_EQ(std::vector<float>(app.m_particles.Data(), app.m_particles.Data() + 5100), before);

  app.m_particleLimit = 100000;
  EXPECT_EQ(app.p_FreeParticle(), 5090);
  app.p_ResetParticles(0);
  app.p_ThrowParticle(1, 1, 1, 1, kNotGiven, kNotGiven);
  app.p_DoParticles(1);
  EXPECT_EQ(app.m_particles[5090], 1);
  for (int n : {0, 500, -5}) {
    app.m_particleLimit = 250;
    app.p_ResetParticles(n);
    EXPECT_EQ(app.m_particleLimit, 250) << n;
  }
}

TEST(Stars, CountsOutsideTheTableAreRefusedOrHeldToIt) {
  c_MyApp app;
  app.p_ResetStars(100);
  for (int n : {0, 500, -1}) {
    app.p_ResetStars(n);
    EXPECT_EQ(app.m_starCount, 100) << n;
  }
  app.m_starCount = 100000;
  app.p_DoStars(1, 1);
  app.p_DoSnow(1, 1);
  EXPECT_EQ(app.m_drawCount, 2 * 510 * kDrawEntrySize) << "a count past the table draws the 510 stars it holds";
}

}  // namespace
