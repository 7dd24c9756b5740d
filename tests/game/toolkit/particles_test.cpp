// Particles and backdrops: which slot a throw takes and when the pool is full, the
// limit and count rules (including limits past the table's end), motion, fading and
// drawing by kind, the bouncing debris, background easing and its palette targets, and
// star wrapping, snow and the starfield.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "game/shell/my_app.h"
#include "game/shell/virtual_screen.h"

namespace {

float* Particle(c_MyApp& app, int slot) { return app.m_particles.Data() + slot * 10; }
float* Star(c_MyApp& app, int index) { return app.m_stars.Data() + index * 10; }

const float* Entry(c_MyApp& app, int entry) {
  return app.m_drawList.Data() + entry * kDrawEntrySize;
}

// Every slot up to the limit live except the given ones.
void FillPool(c_MyApp& app, const std::vector<int>& freeSlots) {
  for (int slot = 0; slot <= app.m_particleLimit; ++slot) Particle(app, slot)[0] = 1;
  for (int slot : freeSlots) Particle(app, slot)[0] = 0;
}

TEST(ParticleSlots, ThrowTakesTheHighestFreeSlotUpToTheLimit) {
  struct Case {
    int limit;
    std::vector<int> freeSlots;
    int expectedBase;
  };
  std::vector<Case> cases = {
      {250, {3, 7}, 70},   {250, {}, -1},       {250, {250}, 2500}, {250, {0}, 0},
      {0, {0}, 0},         {-1, {}, -1},        {499, {499, 2}, 4990},
  };
  for (const Case& c : cases) {
    c_MyApp app;
    app.m_particleLimit = c.limit;
    FillPool(app, c.freeSlots);
    Particle(app, c.limit + 1 > 0 ? c.limit + 1 : 500)[0] = 0;  // free, but past the limit
    EXPECT_EQ(app.p_FreeParticle(), c.expectedBase) << "limit " << c.limit;

    std::vector<float> before(app.m_particles.Data(), app.m_particles.Data() + 5100);
    app.p_ThrowParticle(5, 6, 2, 4, 0, 1);
    if (c.expectedBase < 0) {
      EXPECT_EQ(std::vector<float>(app.m_particles.Data(), app.m_particles.Data() + 5100),
                before)
          << "a full pool keeps every live particle, limit " << c.limit;
    } else {
      EXPECT_EQ(app.m_particles[c.expectedBase], 2) << "limit " << c.limit;
      EXPECT_EQ(app.m_particles[c.expectedBase + 8], 4) << "limit " << c.limit;
    }
  }
}

TEST(ParticleSlots, LimitPastTheTableIsBoundedByIt) {
  c_MyApp app;
  app.m_particleLimit = 100000;
  EXPECT_EQ(app.p_FreeParticle(), 5090);
  app.p_ResetParticles(0);
  app.p_ThrowParticle(1, 1, 1, 1, kNotGiven, kNotGiven);
  app.p_DoParticles(1);
  EXPECT_EQ(app.m_particles[5090], 1);
}

TEST(ParticleSlots, ResetSetsTheLimitOnlyInRangeAndClearsUpToIt) {
  struct Case {
    int n;
    int expectedLimit;
  };
  std::vector<Case> cases = {{0, 250}, {500, 250}, {-5, 250}, {499, 499}, {1, 1}, {100, 100}};
  for (const Case& c : cases) {
    c_MyApp app;
    app.m_particleLimit = 250;
    for (int slot = 0; slot < 510; ++slot) Particle(app, slot)[0] = 3;
    app.p_ResetParticles(c.n);
    EXPECT_EQ(app.m_particleLimit, c.expectedLimit) << "n " << c.n;
    EXPECT_EQ(app.p_FreeParticle(), c.expectedLimit * 10) << "n " << c.n;
    EXPECT_EQ(Particle(app, c.expectedLimit)[0], 0) << "n " << c.n;
    EXPECT_EQ(Particle(app, c.expectedLimit + 1)[0], 3) << "n " << c.n;
  }
}

TEST(ParticleThrow, AngleZeroIsUpAndAnglesTurnClockwise) {
  struct Case {
    float angle;
    float vx, vy;
  };
  std::vector<Case> cases = {{0, 0, -2}, {90, 2, 0}, {180, 0, 2}, {270, -2, 0}};
  for (const Case& c : cases) {
    c_MyApp app;
    app.p_ResetParticles(10);
    app.p_ThrowParticle(5, 6, 1, 7, c.angle, 2);
    const float* particle = Particle(app, 10);
    EXPECT_NEAR(particle[3], c.vx, 1e-5) << c.angle;
    EXPECT_NEAR(particle[4], c.vy, 1e-5) << c.angle;
    EXPECT_EQ(particle[1], 5);
    EXPECT_EQ(particle[2], 6);
    EXPECT_GE(particle[6], -8);
    EXPECT_LT(particle[6], 8);
    EXPECT_GE(particle[7], 0.7f);
    EXPECT_LT(particle[7], 1.3f);
    EXPECT_EQ(particle[9], std::floor(particle[9]));
    EXPECT_LE(particle[9], 255);
  }
  c_MyApp app;
  app.p_ResetParticles(10);
  for (int i = 0; i < 10; ++i) app.p_ThrowParticle(0, 0, 1, 1, kNotGiven, kNotGiven);
  for (int slot = 1; slot <= 10; ++slot) {
    float speed = std::hypot(Particle(app, slot)[3], Particle(app, slot)[4]);
    EXPECT_GE(speed, 3 - 1e-4) << "a missing speed is 3 to 8";
    EXPECT_LT(speed, 8 + 1e-4);
  }
}

TEST(ParticleMotion, KindSetsPhysicsAndFading) {
  struct Case {
    int kind;
    float vx, vy;         // after one frame from (10, 10)
    float lifeLost;
  };
  std::vector<Case> cases = {
      {1, 10, 10, 0.01f},    {2, 9.5f, 10.2f, 0.01f}, {5, 9.8f, 10.1f, 0.03f},
      {6, 10, 10, 0.06f},    {16, 10, 10, 0.013f},    {99, 10, 10, 0.01f},
  };
  for (const Case& c : cases) {
    c_MyApp app;
    app.p_ResetParticles(5);
    float* particle = Particle(app, 5);
    particle[0] = static_cast<float>(c.kind);
    particle[3] = 10;
    particle[4] = 10;
    particle[7] = 0.5f;
    app.p_DoParticles(1);
    EXPECT_FLOAT_EQ(particle[1], 10) << "kind " << c.kind << " moves before its physics";
    EXPECT_FLOAT_EQ(particle[3], c.vx) << "kind " << c.kind;
    EXPECT_FLOAT_EQ(particle[4], c.vy) << "kind " << c.kind;
    EXPECT_NEAR(particle[7], 0.5f - c.lifeLost, 1e-6) << "kind " << c.kind;
  }
  c_MyApp app;
  app.p_ResetParticles(5);
  Particle(app, 0)[0] = 4;
  Particle(app, 0)[3] = 10;
  Particle(app, 0)[4] = -10;
  Particle(app, 0)[7] = 0.005f;
  app.p_DoParticles(1);
  EXPECT_TRUE(Particle(app, 0)[3] >= 9.4f && Particle(app, 0)[3] <= 9.8f) << "smoke slows";
  EXPECT_TRUE(Particle(app, 0)[4] >= -9.8f && Particle(app, 0)[4] <= -9.4f) << "no gravity";
  EXPECT_EQ(Particle(app, 0)[0], 0) << "life below zero frees the slot";
}

TEST(ParticleMotion, BouncerThrownStillBouncesInPlaceUntilItFades) {
  c_MyApp app;
  app.p_ResetParticles(250);
  app.p_ThrowParticle(100, 200, 3, 2, 0, 0);
  const float* bouncer = Particle(app, 250);
  float floorY = bouncer[5];
  EXPECT_NEAR(floorY, 200, 16);
  int frames = 0;
  float highest = 1e9f;
  float lowest = -1e9f;
  while (bouncer[0] == 3 && frames < 1000) {
    app.p_DoParticles(1);
    app.m_drawCount = 0;
    highest = std::fmin(highest, bouncer[2]);
    lowest = std::fmax(lowest, bouncer[2]);
    EXPECT_EQ(bouncer[1], 100);
    EXPECT_EQ(bouncer[5], floorY) << "the floor does not spin";
    ++frames;
  }
  EXPECT_GE(frames, 70);
  EXPECT_LE(frames, 131);
  EXPECT_GT(highest, floorY - 40) << "it stays near its floor";
  EXPECT_LT(lowest, floorY + 40);
  EXPECT_LT(highest, lowest - 1) << "and keeps bouncing";
}

TEST(ParticleDrawing, EachKindDrawsItsEntryAndResetsTheState) {
  c_MyApp app;
  app.p_CLS2D();
  app.m_camX = 10;
  app.m_camY = 20;
  app.p_ResetParticles(3);
  float sprite[10] = {1, 60, 70, 0, 0, 30, 0, 1.2f, 6, 17};
  float block[10] = {16, 37, 11, 0, 0, 0, 0, 0.5f, 9, 0};
  float number[10] = {99, 50, 50, 0, 0, 0, 0, 0.5f, 3, 42};
  for (int i = 0; i < 10; ++i) {
    Particle(app, 3)[i] = sprite[i];
    Particle(app, 2)[i] = block[i];
    Particle(app, 1)[i] = number[i];
  }
  app.p_SetRot(33);
  app.p_DoParticles(1);
  const float* numberEntry = Entry(app, 0);
  EXPECT_GE(app.m_drawCount, 4 * kDrawEntrySize) << "a number is one glyph per digit";
  EXPECT_EQ(numberEntry[3], 0);
  EXPECT_EQ(numberEntry[7], 0.5f);
  const float* blockEntry = Entry(app, app.m_drawCount / kDrawEntrySize - 2);
  EXPECT_EQ(std::vector<float>(blockEntry, blockEntry + 8),
            (std::vector<float>{kDrawRect, 16, -16, 0, 16, 16, 0, 0.5f}));
  EXPECT_EQ(blockEntry[10], 255);
  const float* spriteEntry = Entry(app, app.m_drawCount / kDrawEntrySize - 1);
  EXPECT_EQ(std::vector<float>(spriteEntry, spriteEntry + 8),
            (std::vector<float>{96, 50, 50, 30, 0.7f, 0.7f, 17, 1}));
  EXPECT_FLOAT_EQ(spriteEntry[12], 255) << "palette blue";
  EXPECT_EQ(app.m_drawAlpha, 1);
  EXPECT_EQ(app.m_drawRot, 0);
  EXPECT_EQ(app.m_drawScaleX, 1);
  EXPECT_EQ(app.m_drawR, 255);
}

TEST(Background, SetBGTargetsPaletteColourAndKeepsTheDrawColour) {
  struct Case {
    int colour;
    float brightness;
    float r, g, b;
  };
  std::vector<Case> cases = {
      {6, 0.5f, 12.75f, 12.75f, 127.5f}, {9, 2, 255, 255, 255}, {0, 1, 76.5f, 76.5f, 76.5f},
      {3, -1, 0, 0, 0},                  {2, 1, 255, 127.5f, 25.5f},
  };
  for (const Case& c : cases) {
    c_MyApp app;
    app.p_SetCol(1, 2, 3);
    app.p_SetBG(c.colour, c.brightness);
    EXPECT_FLOAT_EQ(app.m_bgTargetR, c.r) << c.colour;
    EXPECT_FLOAT_EQ(app.m_bgTargetG, c.g) << c.colour;
    EXPECT_FLOAT_EQ(app.m_bgTargetB, c.b) << c.colour;
    EXPECT_EQ(app.m_drawR, 1);
    EXPECT_EQ(app.m_drawB, 3);
  }
}

TEST(Background, DoBGEasesAThirtySecondAndStartsTheFrame) {
  c_MyApp app;
  app.m_bgTargetR = 64;
  app.m_bgTargetG = 32;
  app.m_bgFadeB = 96;
  app.m_bgAlpha = -1;
  app.p_SetRot(20);
  app.p_Rect(1, 1, 1, 1);
  app.p_DoBG();
  EXPECT_FLOAT_EQ(app.m_bgR, 2);
  EXPECT_FLOAT_EQ(app.m_bgG, 1);
  EXPECT_FLOAT_EQ(app.m_bgB, 93);
  EXPECT_EQ(app.m_bgAlpha, 1);
  EXPECT_EQ(app.m_drawCount, 0);
  EXPECT_EQ(app.m_drawRot, 0);
  for (int frame = 0; frame < 300; ++frame) app.p_DoBG();
  EXPECT_NEAR(app.m_bgR, 64, 0.5f);

  app.m_bgFadeR = kNotGiven;
  app.m_bgTargetR = kNotGiven;
  app.m_bgAlpha = -1;
  app.p_DoBG();
  EXPECT_EQ(app.m_bgAlpha, -1) << "a not-given red leaves the fill alone";
}

TEST(Stars, ResetSetsTheCountOnlyInRangeAndSeedsOnScreen) {
  c_MyApp app;
  app.p_ResetStars(100);
  for (int n : {0, 500, -1}) {
    app.p_ResetStars(n);
    EXPECT_EQ(app.m_starCount, 100) << n;
  }
  app.p_ResetStars(499);
  EXPECT_EQ(app.m_starCount, 499);
  for (int index = 0; index <= 499; ++index) {
    const float* star = Star(app, index);
    EXPECT_TRUE(star[1] >= -8 && star[1] < zr_TinselJumble_jscrw + 8) << index;
    EXPECT_TRUE(star[2] >= -8 && star[2] < zr_TinselJumble_jscrh + 8) << index;
    EXPECT_TRUE(star[3] >= 0.2f && star[3] < 0.8f) << index;
  }
  app.m_starCount = 100000;
  app.p_DoStars(1, 1);
  app.p_DoSnow(1, 1);
  app.p_DoStarfield(1);
  EXPECT_EQ(app.m_drawCount, 3 * 510 * kDrawEntrySize)
      << "a count past the table draws the 510 stars it holds, three times";
}

TEST(Stars, LeavingTheMarginWrapsOneDistanceWithNewDepthAndFrame) {
  struct Case {
    std::string side;
    float x, y, dx, dy;
    float expectedX, expectedY;  // for the axis that wrapped
    bool wrapsX;
  };
  float w = zr_TinselJumble_jscrw;
  float h = zr_TinselJumble_jscrh;
  float overscan = 4;
  float margin = overscan + 16;
  std::vector<Case> cases = {
      {"left", -margin + 1, 100, -4, 0, -margin - 1 + 2 * margin + w, 0, true},
      {"right", w + margin - 1, 100, 4, 0, w + margin + 1 - 2 * margin - w, 0, true},
      {"top", 100, -margin + 1, 0, -4, 0, -margin - 1 + 2 * margin + h, false},
      {"bottom", 100, h + margin - 1, 0, 4, 0, h + margin + 1 - 2 * margin - h, false},
      {"inside", -margin + 3, 100, -4, 0, -margin + 1, 0, true},
  };
  zr_TinselJumble_overscan = overscan;
  for (const Case& c : cases) {
    c_MyApp app;
    app.p_ResetStars(1);
    float* star = Star(app, 0);
    star[0] = 300;  // no frame is 300, so a new one shows
    star[1] = c.x;
    star[2] = c.y;
    star[3] = 0.5f;
    app.p_DoStars(c.dx, c.dy);
    bool wraps = c.side != "inside";
    if (c.wrapsX) {
      EXPECT_FLOAT_EQ(star[1], c.expectedX) << c.side;
      if (wraps) {
        EXPECT_TRUE(star[2] >= -8 && star[2] < h + 8) << c.side;
      }
    } else {
      EXPECT_FLOAT_EQ(star[2], c.expectedY) << c.side;
      EXPECT_TRUE(star[1] >= -8 && star[1] < w + 8) << c.side;
    }
    EXPECT_EQ(star[0] != 300, wraps) << c.side;
    if (wraps) {
      EXPECT_TRUE(star[3] >= 0.2f && star[3] < 0.8f) << c.side;
    }
    const float* entry = Entry(app, 0);
    EXPECT_EQ(std::vector<float>(entry, entry + 8),
              (std::vector<float>{96, star[1], star[2], 0, 1, 1, star[0], star[3]}))
        << c.side;
    EXPECT_EQ(app.m_drawAlpha, 1) << "the star alpha does not leak to the game";
  }
  zr_TinselJumble_overscan = 0;
}

TEST(Stars, SnowSinksAndTurnsAndTheStarfieldStreamsOut) {
  c_MyApp app;
  app.p_ResetStars(1);
  float* flake = Star(app, 0);
  flake[1] = 300;
  flake[2] = 0;
  flake[5] = 10;
  flake[6] = 0.5f;
  for (int frame = 0; frame < 100; ++frame) {
    app.m_drawCount = 0;
    app.p_DoSnow(0, 0);
  }
  EXPECT_GT(flake[2], 5) << "flakes sink in still air";
  EXPECT_LT(flake[2], 25);
  EXPECT_EQ(Entry(app, 0)[3], flake[5]) << "drawn turned by its rotation";

  struct Case {
    float x, y;
    float dx, dy;  // direction of travel
  };
  float cx = zr_TinselJumble_jscrw / 2;
  float cy = zr_TinselJumble_jscrh / 2;
  std::vector<Case> cases = {{cx + 50, cy, 1, 0}, {cx - 50, cy, -1, 0}, {cx, cy + 50, 0, 1},
                             {cx, cy - 50, 0, -1}};
  for (const Case& c : cases) {
    float* star = Star(app, 0);
    star[1] = c.x;
    star[2] = c.y;
    star[3] = 0.5f;
    app.p_DoStarfield(10);
    EXPECT_NEAR(star[1], c.x + 5 * c.dx, 1e-3) << c.x << "," << c.y;
    EXPECT_NEAR(star[2], c.y + 5 * c.dy, 1e-3) << c.x << "," << c.y;
  }
  float* star = Star(app, 0);
  star[1] = zr_TinselJumble_jscrw + 15;  // just inside the margin, then past it
  star[2] = cy;
  star[3] = 0.5f;
  app.p_DoStarfield(10);
  EXPECT_NEAR(star[1], cx, 4);
  EXPECT_NEAR(star[2], cy, 4);
  EXPECT_TRUE(star[3] >= 0.5f && star[3] < 0.8f);
}

}  // namespace
