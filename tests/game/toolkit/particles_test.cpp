// Particles and stars at the edges of their tables: a limit or count past the table's
// end is held to it, a full pool keeps every live particle, and out-of-range resets are
// refused, so no game can write or draw past a table.
#include <gtest/gtest.h>

#include <vector>

#include "game/shell/my_app.h"
#include "game/shell/virtual_screen.h"

namespace {

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
