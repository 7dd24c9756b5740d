// What a player would see: a real GLFW window (Xvfb and Mesa in the test run), drawn
// through the real GL seam and read back pixel by pixel.
#include <GLFW/glfw3.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <cstdio>

#include "folder_host.h"
#include "runtime/graphics/gl_seam.h"
#include "runtime/graphics/graphics.h"

namespace {

struct Rgb {
  int r, g, b;
};

class WindowRenderTest : public ::testing::Test {
 protected:
  static GLFWwindow* window;

  static void SetUpTestSuite() {
    if (!std::getenv("DISPLAY") || !glfwInit()) return;
    window = glfwCreateWindow(640, 480, "Tinsel Jumble", nullptr, nullptr);
    if (window) glfwMakeContextCurrent(window);
  }
  // The window stays open until the process ends: closing GLFW unloads the GL driver, and
  // the driver's own leftovers could then no longer be told apart from ours.

  void SetUp() override {
    if (!window) GTEST_SKIP() << "no display to open a window on";
    gl_seam_use(gl_seam_real());
    glfwGraphicsSeq = 1;
    device = (new gxtkGraphics)->m_new();
  }
  void TearDown() override { glfwGraphicsSeq = 0; }

  // GL counts rows from the bottom of the window.
  static Rgb Pixel(int x, int y) {
    unsigned char rgb[3];
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, 479 - y, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, rgb);
    return {rgb[0], rgb[1], rgb[2]};
  }

  gxtkGraphics* device = nullptr;
};

GLFWwindow* WindowRenderTest::window = nullptr;

TEST_F(WindowRenderTest, DrawnSceneReadsBackAsDrawn) {
  FolderHost host(MakeTempFolder("tj-window"));
  // Four 2 x 2 quarters: red, green, blue, and white at half alpha.
  host.WritePng("quarters.png", 4, 4, [](int x, int y) {
    int quarter = (y / 2) * 2 + x / 2;
    const std::array<unsigned char, 4> colours[] = {
        {255, 0, 0, 255}, {0, 255, 0, 255}, {0, 0, 255, 255}, {255, 255, 255, 128}};
    return colours[quarter];
  });
  zr_graphics_SetGraphicsDevice(device);
  c_Image* quarters = zr_graphics_LoadImage("quarters.png", 1, 0);
  ASSERT_NE(quarters, nullptr);

  EXPECT_EQ(device->BeginRender(), 1);
  EXPECT_EQ(device->Width(), 640);
  EXPECT_EQ(device->Height(), 480);
  zr_graphics_BeginRender();
  zr_graphics_SetColor(40, 40, 40);
  zr_graphics_DrawRect(0, 0, 640, 480);
  zr_graphics_SetColor(255, 0, 0);
  zr_graphics_DrawRect(20, 20, 100, 60);
  zr_graphics_SetColor(0, 0, 255);
  zr_graphics_DrawRect(140, 20, 100, 60);
  zr_graphics_SetColor(255, 255, 255);
  zr_graphics_SetAlpha(0.5f);
  zr_graphics_DrawRect(190, 20, 100, 60);
  zr_graphics_SetAlpha(1);
  zr_graphics_SetColor(0, 255, 0);
  zr_graphics_DrawEllipse(360, 50, 60, 30);
  zr_graphics_SetColor(255, 255, 0);
  zr_graphics_DrawLine(20, 120, 300, 120);
  zr_graphics_DrawLine(330, 100, 330, 200);
  zr_graphics_SetColor(255, 255, 255);
  zr_graphics_DrawImage2(quarters, 20, 220, 0, 16, 16, 0);
  zr_graphics_SetBlend(1);
  zr_graphics_DrawImage2(quarters, 120, 220, 0, 16, 16, 0);
  zr_graphics_SetColor(100, 50, 0);
  zr_graphics_DrawRect(220, 220, 64, 64);
  zr_graphics_SetBlend(0);
  zr_graphics_SetScissor(400, 300, 100, 100);
  zr_graphics_SetColor(0, 0, 255);
  zr_graphics_DrawRect(0, 0, 640, 480);
  zr_graphics_SetScissor(0, 0, 640, 480);
  zr_graphics_EndRender();
  device->EndRender();

  struct Probe {
    const char* what;
    int x, y;
    Rgb expected;
  } probes[] = {
      {"red rectangle", 70, 50, {255, 0, 0}},
      {"red rectangle's last pixel", 119, 79, {255, 0, 0}},
      {"just right of the red rectangle", 120, 50, {40, 40, 40}},
      {"just below the red rectangle", 70, 80, {40, 40, 40}},
      {"half white over blue", 215, 50, {127, 127, 255}},
      {"half white over background", 270, 50, {147, 147, 147}},
      {"oval centre", 360, 50, {0, 255, 0}},
      {"oval near its right end", 417, 50, {0, 255, 0}},
      {"outside the oval's corner", 305, 25, {40, 40, 40}},
      {"horizontal line", 150, 120, {255, 255, 0}},
      {"beside the horizontal line", 150, 122, {40, 40, 40}},
      {"vertical line", 330, 150, {255, 255, 0}},
      {"image red quarter", 36, 236, {255, 0, 0}},
      {"image blue quarter", 36, 268, {0, 0, 255}},
      {"image half-white quarter", 68, 268, {147, 147, 147}},
      {"added red quarter", 136, 236, {255, 40, 40}},
      {"added half-white quarter", 168, 268, {168, 168, 168}},
      {"added rectangle", 250, 250, {140, 90, 40}},
      {"scissored fill", 450, 350, {0, 0, 255}},
      {"left of the scissor", 395, 350, {40, 40, 40}},
      {"above the scissor", 450, 295, {40, 40, 40}},
  };
  for (const Probe& probe : probes) {
    Rgb seen = Pixel(probe.x, probe.y);
    EXPECT_NEAR(seen.r, probe.expected.r, 2) << probe.what;
    EXPECT_NEAR(seen.g, probe.expected.g, 2) << probe.what;
    EXPECT_NEAR(seen.b, probe.expected.b, 2) << probe.what;
  }
}

TEST_F(WindowRenderTest, TexturesComeBackAfterTheWindowIsOpenedAgain) {
  FolderHost host(MakeTempFolder("tj-window"));
  host.WritePng("green.png", 8, 8, [](int, int) { return std::array<unsigned char, 4>{0, 200, 0, 255}; });
  gxtkSurface* surface = device->LoadSurface("quillo://data/green.png");
  ASSERT_NE(surface, nullptr);

  // A new window means a new context: the old texture name is gone with the old one.
  glfwDestroyWindow(window);
  window = glfwCreateWindow(640, 480, "Tinsel Jumble", nullptr, nullptr);
  ASSERT_NE(window, nullptr);
  glfwMakeContextCurrent(window);
  glfwGraphicsSeq = 2;

  device->BeginRender();
  device->DrawSurface(surface, 10, 10);
  device->EndRender();
  Rgb seen = Pixel(13, 13);
  EXPECT_EQ(seen.g, 200);
  EXPECT_EQ(surface->contextSeq, 2);
}

}  // namespace
