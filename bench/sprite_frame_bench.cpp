// A full frame of the game's largest draw list: 2,499 turned and scaled sprites from one
// sheet through the drawing interface, as the game's render step replays them. The GL
// seam only counts draw calls, so the time is the processor's share of the frame: matrix
// composition, vertex transformation and batching. Reports draw calls per frame.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "runtime/graphics/gl_seam_null.h"
#include "runtime/graphics/graphics.h"

namespace {

class CountingGl : public NullGlSeam {
 public:
  int drawCalls = 0;

  void WindowSize(int* width, int* height) override {
    *width = 1280;
    *height = 960;
  }
  void DrawArrays(GLenum, GLint, GLsizei) override { ++drawCalls; }
  void DrawElements(GLenum, GLsizei, GLenum, const void*) override { ++drawCalls; }
  void GenTextures(GLsizei count, GLuint* names) override {
    for (GLsizei i = 0; i < count; ++i) names[i] = 1;
  }
};

void BM_FrameOf2499SpritesFromOneSheet(benchmark::State& state) {
  CountingGl gl;
  gl_seam_use(&gl);
  glfwGraphicsSeq = 1;
  gxtkGraphics* device = (new gxtkGraphics)->m_new();
  zr_graphics_SetGraphicsDevice(device);
  // A 256 x 256 sheet of 64 frames of 32 x 32 with centred handles, as the game's sheets.
  gxtkSurface* sheet = device->CreateSurface(256, 256);
  c_Image* sprites = (new c_Image)->m_new()->p_Init2(sheet, 0, 0, 32, 32, 64, 1, nullptr, 0, 0, 256, 256);

  const int kSprites = 2499;
  int framesDrawn = 0;
  gl.drawCalls = 0;
  for (auto _ : state) {
    device->BeginRender();
    zr_graphics_BeginRender();
    for (int i = 0; i < kSprites; ++i) {
      zr_graphics_SetAlpha(0.5f + (i % 5) * 0.1f);
      zr_graphics_SetColor(255, 255 - i % 128, 128 + i % 128);
      zr_graphics_DrawImage2(sprites, (i * 37) % 1280, (i * 53) % 960, static_cast<float>(i % 360), 1.5f, 1.5f,
                             i % 64);
    }
    zr_graphics_EndRender();
    device->EndRender();
    ++framesDrawn;
  }
  state.counters["draw_calls_per_frame"] = static_cast<double>(gl.drawCalls) / framesDrawn;
  state.counters["sprites_per_second"] =
      benchmark::Counter(static_cast<double>(kSprites) * framesDrawn, benchmark::Counter::kIsRate);
  gl_seam_use(nullptr);
  glfwGraphicsSeq = 0;
}
BENCHMARK(BM_FrameOf2499SpritesFromOneSheet)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
