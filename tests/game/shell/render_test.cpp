// The render step against a recording GL seam: the virtual screen fitted to the window
// (the larger scale wins, ties go to the width) and the draw list replayed in its pixels.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "game/shell/virtual_screen.h"
#include "running_game.h"
#include "runtime/graphics/graphics.h"
#include "tests/runtime/graphics/recording_gl.h"

namespace {

TEST(ShellRender, FitsTheVirtualScreenToTheWindow) {
  struct Case {
    int width, height;
    float overscan, scale;
    int axis;
    float jscrw, jscrh;
  };
  const std::vector<Case> cases = {
      {1280, 720, 0, 2.0f, 1, 640, 360},  {640, 960, 0, 2.0f, 2, 320, 480},
      {1280, 960, 0, 2.0f, 1, 640, 480},  {640, 480, 0, 1.0f, 1, 640, 480},
      {1000, 300, 0, 1.5625f, 1, 640, 192}, {1280, 720, 32, 1.9f, 1, 640, 360},
  };
  for (const Case& c : cases) {
    std::string name = std::to_string(c.width) + "x" + std::to_string(c.height) + " overscan " +
                       std::to_string(static_cast<int>(c.overscan));
    RunningGame game({c.width, c.height});
    zr_TinselJumble_overscan = c.overscan;
    game.host.RenderGame();
    c_MyApp* app = game.app;
    EXPECT_FLOAT_EQ(app->m_scaleX, c.scale) << name;
    EXPECT_FLOAT_EQ(app->m_scaleY, c.scale) << name;
    EXPECT_EQ(app->m_fitAxis, c.axis) << name;
    EXPECT_FLOAT_EQ(zr_TinselJumble_jscrw, c.jscrw) << name;
    EXPECT_FLOAT_EQ(zr_TinselJumble_jscrh, c.jscrh) << name;
    EXPECT_EQ(app->m_landscape, c.jscrh <= c.jscrw ? 1 : 0) << name;
  }
}

TEST(ShellRender, AWindowWithoutAreaKeepsTheLastFit) {
  RunningGame game({1280, 720});
  game.host.RenderGame();
  game.host.width = 0;
  game.host.height = 0;
  game.host.RenderGame();
  EXPECT_FLOAT_EQ(game.app->m_scaleX, 2.0f);
  EXPECT_FLOAT_EQ(zr_TinselJumble_jscrh, 360);
  EXPECT_EQ(game.app->m_loadSteps, 1);
}

std::vector<gxtkVertex> AllVertices(const RecordingGl& gl, bool textured) {
  std::vector<gxtkVertex> vertices;
  for (const RecordedDraw& draw : gl.draws)
    if (draw.textured == textured) vertices.insert(vertices.end(), draw.vertices.begin(), draw.vertices.end());
  return vertices;
}

bool HasVertex(const std::vector<gxtkVertex>& vertices, float x, float y, uint32_t color) {
  for (const gxtkVertex& v : vertices)
    if (std::fabs(v.x - x) < 0.01f && std::fabs(v.y - y) < 0.01f && v.color == color) return true;
  return false;
}

// Colour bytes as the device packs them: red, green, blue premultiplied, then alpha.
uint32_t Packed(int r, int g, int b, int a) {
  return static_cast<uint32_t>(r) | static_cast<uint32_t>(g) << 8 | static_cast<uint32_t>(b) << 16 |
         static_cast<uint32_t>(a) << 24;
}

void Append(c_MyApp* app, std::vector<float> entry) {
  entry.resize(kDrawEntrySize);
  for (int i = 0; i < kDrawEntrySize; ++i) app->m_drawList[app->m_drawCount + i] = entry[i];
  app->m_drawCount += kDrawEntrySize;
}

TEST(ShellRender, ReplaysEveryEntryKindInWindowPixels) {
  RecordingGlScope scope;
  scope.gl.windowWidth = 1280;
  scope.gl.windowHeight = 720;
  RunningGame game({1280, 720});
  game.RunUntilLoaded();
  c_MyApp* app = game.app;
  gxtkSurface* pixels = zr_graphics_device->CreateSurface(8, 8);
  c_Image* sprite = (new c_Image)->m_new()->p_Init(pixels, 1, c_Image::kMidHandle);
  gc_assign(app->m_images[7], sprite);
  app->m_bgR = 10;
  app->m_bgG = 20;
  app->m_bgB = 30;
  app->m_bgAlpha = 1;

  app->m_drawCount = 0;
  //             kind    x    y  rot  a   b  frame alpha       r    g  b blend
  Append(app, {kDrawRect, 10, 20, 0, 30, 40, 0, 1.5f, 0, 0, 255, 0, 0, 1});
  Append(app, {kDrawOval, 100, 50, 0, 5, 6, 0, 1, 0, 0, 0, 255, 0, 1});
  Append(app, {kDrawLine, 1, 2, 0, 3, 4, 0, 1, 0, 0, 0, 0, 255, 3});
  Append(app, {7, 50, 60, 0, 2, 2, 0, 1, 0, 0, 255, 255, 255, 1});
  Append(app, {8, 70, 60, 0, 2, 2, 0, 1, 0, 0, 255, 255, 255, 1});
  Append(app, {-5, 70, 60, 0, 2, 2, 0, 1, 0, 0, 255, 255, 255, 1});
  app->m_drawList[app->m_drawCount] = kDrawRect;  // a part entry past the count
  scope.gl.ForgetHistory();
  game.host.RenderGame();

  std::vector<gxtkVertex> shapes = AllVertices(scope.gl, false);
  EXPECT_TRUE(HasVertex(shapes, -1, -1, Packed(10, 20, 30, 255))) << "the background fill";
  EXPECT_TRUE(HasVertex(shapes, 1281, 721, Packed(10, 20, 30, 255)));
  // The rectangle's alpha of 1.5 is held at 1 rather than wrapping in the colour byte.
  for (auto corner : {std::make_pair(20.0f, 40.0f), {80.0f, 40.0f}, {80.0f, 120.0f}, {20.0f, 120.0f}})
    EXPECT_TRUE(HasVertex(shapes, corner.first, corner.second, Packed(255, 0, 0, 255)))
        << corner.first << "," << corner.second;

  // Lines land on pixel centres.
  EXPECT_TRUE(HasVertex(shapes, 2.5f, 4.5f, Packed(0, 0, 255, 255)));
  EXPECT_TRUE(HasVertex(shapes, 6.5f, 8.5f, Packed(0, 0, 255, 255)));
  bool additive = false;
  for (const auto& blend : scope.gl.blendFuncs) additive = additive || (blend.first == GL_ONE && blend.second == GL_ONE);
  EXPECT_TRUE(additive) << "blend 3 draws additively";

  // The 8-pixel sprite at scale 2, times the window scale 2 and the art scale.
  std::vector<gxtkVertex> images = AllVertices(scope.gl, true);
  float half = 8 * 2 * 2 * app->m_imgScale / 2;
  EXPECT_EQ(images.size(), 6u) << "one quad: the missing image and the bad id draw nothing";
  EXPECT_TRUE(HasVertex(images, 100 - half, 120 - half, Packed(255, 255, 255, 255)));
  EXPECT_TRUE(HasVertex(images, 100 + half, 120 + half, Packed(255, 255, 255, 255)));
}

}  // namespace
