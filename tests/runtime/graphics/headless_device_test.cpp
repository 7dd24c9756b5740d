// Without a window the device runs on the null GL seam: a whole frame of every kind of
// drawing, surface and pixel call goes through without GL work and without a crash, and a
// device with no host to decode images simply loads nothing.
#include <gtest/gtest.h>

#include <array>

#include "image_files_host.h"
#include "runtime/graphics/gl_seam.h"
#include "runtime/graphics/graphics.h"

namespace {

TEST(HeadlessDevice, AFullFrameOnTheNullSeamIsHarmless) {
  gl_seam_use(gl_seam_null());
  glfwGraphicsSeq = 0;
  ImageFilesHost host(MakeTempFolder("tj-headless"));
  host.WritePng("sprites.png", 32, 16, [](int x, int) {
    return std::array<unsigned char, 4>{static_cast<unsigned char>(x * 8), 0, 0, 255};
  });

  gxtkGraphics* device = (new gxtkGraphics)->m_new();
  zr_graphics_SetGraphicsDevice(device);
  zr_graphics_SetFont(nullptr, 32);
  EXPECT_EQ(device->Width(), 640);
  c_Image* sprites = zr_graphics_LoadImage2("sprites.png", 16, 16, 2, 1);
  ASSERT_NE(sprites, nullptr);  // the pixels are kept for a window that may come
  EXPECT_EQ(sprites->m_surface->contextSeq, -1);
  gxtkSurface* canvas = device->CreateSurface(4, 4);
  ASSERT_NE(canvas, nullptr);

  for (int frame = 0; frame < 3; ++frame) {
    EXPECT_EQ(device->BeginRender(), 1);
    zr_graphics_BeginRender();
    device->Cls(0, 0, 0);
    for (int i = 0; i < 600; ++i) zr_graphics_DrawImage2(sprites, i, i, i, 1.5f, 1.5f, i % 2);
    zr_graphics_DrawRect(1, 2, 3, 4);
    zr_graphics_DrawEllipse(100, 100, 3000, 20);
    zr_graphics_DrawLine(0, 0, 10, 10);
    zr_graphics_SetBlend(1);
    zr_graphics_SetScissor(10, 10, 20, 20);
    device->DrawPoint(3, 3);
    Array<float> xyuv(20);
    device->DrawPoly2(xyuv, sprites->m_surface, 0, 0);
    Array<int> pixels(16);
    pixels[0] = 12345;
    device->ReadPixels(pixels, 0, 0, 4, 4, 0, 4);
    EXPECT_EQ(pixels[0], 0);
    device->WritePixels2(canvas, pixels, 0, 0, 4, 4, 0, 4);
    zr_graphics_EndRender();
    device->EndRender();
  }
  device->DiscardGraphics();
  canvas->Discard();
  gl_seam_use(nullptr);
}

TEST(HeadlessDevice, WithoutAHostNoImageLoads) {
  gl_seam_use(gl_seam_null());
  ASSERT_EQ(ZrGame::_game, nullptr);
  gxtkGraphics* device = (new gxtkGraphics)->m_new();
  EXPECT_EQ(device->LoadSurface("quillo://data/anything.png"), nullptr);
  EXPECT_FALSE(device->LoadSurface__UNSAFE__(nullptr, "x.png"));
  gl_seam_use(nullptr);
}

}  // namespace
