// The application's drawing interface: frame grids, transforms, the state reset of every
// frame and the built-in font.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "folder_host.h"
#include "recording_gl.h"
#include "runtime/graphics/graphics.h"

namespace {

class DrawingApiTest : public ::testing::Test {
 protected:
  RecordingGlScope scope;
  RecordingGl& gl = scope.gl;
  FolderHost host{MakeTempFolder("tj-drawing")};

  void SetUp() override {
    zr_graphics_SetGraphicsDevice((new gxtkGraphics)->m_new());
    gc_assign(zr_graphics_context, (new c_GraphicsContext)->m_new());
  }
  void TearDown() override { zr_graphics_EndRender(); }

  void WriteSheet(const std::string& name, int w, int h) {
    host.WritePng(name, w, h, [](int x, int y) {
      return std::array<unsigned char, 4>{static_cast<unsigned char>(x), static_cast<unsigned char>(y), 0, 255};
    });
  }
  void BeginFrame() {
    zr_graphics_device->BeginRender();
    zr_graphics_BeginRender();
    gl.ForgetHistory();
  }
  void EndFrame() {
    zr_graphics_EndRender();
    zr_graphics_device->EndRender();
  }
};

std::vector<std::pair<int, int>> framePositions(c_Image* image) {
  std::vector<std::pair<int, int>> positions;
  for (int i = 0; i < image->m_frames.Length(); ++i) {
    positions.emplace_back(image->m_frames[i]->m_x, image->m_frames[i]->m_y);
  }
  return positions;
}

TEST_F(DrawingApiTest, SheetsAreCutIntoFramesRowByRow) {
  WriteSheet("sheet.png", 64, 32);
  c_Image* plain = zr_graphics_LoadImage2("sheet.png", 16, 16, 8, 0);
  ASSERT_NE(plain, nullptr);
  EXPECT_EQ(framePositions(plain), (std::vector<std::pair<int, int>>{
                                       {0, 0}, {16, 0}, {32, 0}, {48, 0}, {0, 16}, {16, 16}, {32, 16}, {48, 16}}));
  EXPECT_EQ(plain->m_width, 16);

  c_Image* padded = zr_graphics_LoadImage2("sheet.png", 16, 16, 8, c_Image::kXPadding);
  EXPECT_EQ(framePositions(padded), (std::vector<std::pair<int, int>>{
                                        {1, 0}, {17, 0}, {33, 0}, {49, 0}, {1, 16}, {17, 16}, {33, 16}, {49, 16}}));
  EXPECT_EQ(padded->m_width, 14);
  EXPECT_EQ(padded->m_height, 16);

  c_Image* both = zr_graphics_LoadImage2("sheet.png", 16, 16, 2, c_Image::kXPadding | c_Image::kYPadding | 1);
  EXPECT_EQ(framePositions(both), (std::vector<std::pair<int, int>>{{1, 1}, {17, 1}}));
  EXPECT_FLOAT_EQ(both->m_handleX, 7);
  EXPECT_FLOAT_EQ(both->m_handleY, 7);
  EXPECT_EQ(both->m_flags, c_Image::kXPadding | c_Image::kYPadding);

  c_Image* row = zr_graphics_LoadImage("sheet.png", 4, 0);
  EXPECT_EQ(framePositions(row), (std::vector<std::pair<int, int>>{{0, 0}, {16, 0}, {32, 0}, {48, 0}}));
  EXPECT_EQ(row->m_height, 32);

  EXPECT_EQ(zr_graphics_LoadImage2("absent.png", 16, 16, 1, 0), nullptr);
  EXPECT_EQ(zr_graphics_LoadImage("absent.png", 1, 0), nullptr);
}

// A sheet too small for the frames asked of it is a damaged file: it is named, and the
// image is left out as if the file were missing.
TEST_F(DrawingApiTest, FramesBeyondTheSheetLeaveTheImageOutAndNameTheFile) {
  WriteSheet("sheet.png", 64, 32);
  struct Case {
    int frameWidth, frameHeight, count;
  } cases[] = {{16, 16, 9}, {65, 16, 1}, {16, 33, 1}};
  for (const Case& c : cases) {
    testing::internal::CaptureStderr();
    EXPECT_EQ(zr_graphics_LoadImage2("sheet.png", c.frameWidth, c.frameHeight, c.count, 0), nullptr);
    std::string warned = testing::internal::GetCapturedStderr();
    EXPECT_EQ(warned, "Damaged data file " + host.PathToFilePath("quillo://data/sheet.png").ToUtf8() +
                          " (too small for its frames)\n")
        << c.frameWidth << "x" << c.frameHeight << " x" << c.count;
  }
  EXPECT_NE(zr_graphics_LoadImage2("sheet.png", 16, 16, 8, 0), nullptr) << "eight frames just fit";
}

TEST_F(DrawingApiTest, AWholePictureIsDrawnWithItsHandleOnThePosition) {
  WriteSheet("picture.png", 10, 20);
  c_Image* centred = zr_graphics_LoadImage("picture.png", 1, 1);
  ASSERT_NE(centred, nullptr);
  EXPECT_FLOAT_EQ(centred->m_handleX, 5);
  EXPECT_FLOAT_EQ(centred->m_handleY, 10);
  c_Image* image = zr_graphics_LoadImage("picture.png", 1, 0);
  image->p_SetHandle(3, 4);
  BeginFrame();
  zr_graphics_DrawImage(image, 13, 14, 0);
  EndFrame();
  ASSERT_EQ(gl.draws.size(), 1u);
  EXPECT_FLOAT_EQ(gl.draws[0].vertices[0].x, 10);  // the handle lands on the drawing position
  EXPECT_FLOAT_EQ(gl.draws[0].vertices[0].y, 10);
  EXPECT_FLOAT_EQ(gl.draws[0].vertices[2].u, 1);
}

TEST_F(DrawingApiTest, TransformsComposeInDrawingOrder) {
  struct Case {
    const char* name;
    void (*apply)();
    float x, y;          // a point in drawing coordinates
    float outX, outY;    // where it lands on the window
  } cases[] = {
      {"translate then scale", [] { zr_graphics_Translate(10, 20); zr_graphics_Scale(2, 3); }, 1, 1, 12, 23},
      {"scale then translate", [] { zr_graphics_Scale(2, 3); zr_graphics_Translate(10, 20); }, 1, 1, 22, 63},
      {"rotate 90", [] { zr_graphics_Rotate(90); }, 1, 0, 0, -1},
      {"rotate -90", [] { zr_graphics_Rotate(-90); }, 0, 1, -1, 0},
  };
  for (const Case& c : cases) {
    BeginFrame();
    c.apply();
    zr_graphics_DrawRect(c.x, c.y, 0, 0);
    EndFrame();
    ASSERT_EQ(gl.draws.size(), 1u) << c.name;
    EXPECT_NEAR(gl.draws[0].vertices[0].x, c.outX, 1e-4) << c.name;
    EXPECT_NEAR(gl.draws[0].vertices[0].y, c.outY, 1e-4) << c.name;
  }
}

TEST_F(DrawingApiTest, TurnedAndScaledImageCoversItsBoxAroundTheHandle) {
  WriteSheet("tall.png", 10, 20);
  c_Image* image = zr_graphics_LoadImage("tall.png", 1, 1);
  BeginFrame();
  zr_graphics_DrawImage2(image, 100, 50, 90, 2, 2, 0);
  EndFrame();
  ASSERT_EQ(gl.draws.size(), 1u);
  float minX = 1e9, maxX = -1e9, minY = 1e9, maxY = -1e9;
  for (const gxtkVertex& v : gl.draws[0].vertices) {
    minX = std::min(minX, v.x), maxX = std::max(maxX, v.x);
    minY = std::min(minY, v.y), maxY = std::max(maxY, v.y);
  }
  EXPECT_NEAR(minX, 80, 1e-3);
  EXPECT_NEAR(maxX, 120, 1e-3);
  EXPECT_NEAR(minY, 40, 1e-3);
  EXPECT_NEAR(maxY, 60, 1e-3);
  // The image's top-left corner turned a quarter counter-clockwise: to the bottom left.
  EXPECT_NEAR(gl.draws[0].vertices[0].x, 80, 1e-3);
  EXPECT_NEAR(gl.draws[0].vertices[0].y, 60, 1e-3);
  EXPECT_EQ(zr_graphics_context->m_stackTop, 0);
}

TEST_F(DrawingApiTest, EveryFrameStartsFromTheDefaultState) {
  BeginFrame();
  zr_graphics_SetColor(1, 2, 3);
  zr_graphics_SetAlpha(0.25f);
  zr_graphics_SetBlend(1);
  zr_graphics_SetScissor(10.9f, 20.2f, 30.7f, 40.1f);
  zr_graphics_Translate(5, 5);
  zr_graphics_PushMatrix();
  ASSERT_EQ(gl.scissors.size(), 1u);
  EXPECT_EQ(gl.scissors[0], (std::vector<GLint>{10, 480 - 20 - 40, 30, 40}));
  EndFrame();

  // The next frame draws untranslated, opaque white, alpha-blended and unclipped.
  gl.ForgetHistory();
  zr_graphics_device->BeginRender();
  zr_graphics_BeginRender();
  EXPECT_EQ(gl.blendFuncs.back(), (std::pair<GLenum, GLenum>(GL_ONE, GL_ONE_MINUS_SRC_ALPHA)));
  EXPECT_EQ(gl.events.back(), "disable scissor");
  zr_graphics_DrawRect(0, 0, 1, 1);
  EndFrame();
  ASSERT_EQ(gl.draws.size(), 1u);
  EXPECT_FLOAT_EQ(gl.draws[0].vertices[0].x, 0);
  EXPECT_EQ(gl.draws[0].vertices[0].color, 0xffffffffu);
}

TEST_F(DrawingApiTest, NothingIsDrawnOutsideAFrameOrBeyondAnImage) {
  WriteSheet("sheet.png", 64, 32);
  c_Image* image = zr_graphics_LoadImage2("sheet.png", 16, 16, 8, 0);
  zr_graphics_device->BeginRender();
  zr_graphics_DrawRect(0, 0, 5, 5);  // before zr_graphics_BeginRender
  zr_graphics_DrawImage(image, 0, 0, 0);
  zr_graphics_BeginRender();
  zr_graphics_DrawImage(image, 0, 0, 8);
  zr_graphics_DrawImage(image, 0, 0, -1);
  zr_graphics_DrawImage2(image, 0, 0, 0, 1, 1, 8);
  zr_graphics_DrawImage(nullptr, 0, 0, 0);
  zr_graphics_PopMatrix();  // nothing was pushed
  zr_graphics_DrawImage(image, 0, 0, 7);
  EndFrame();
  ASSERT_EQ(gl.draws.size(), 1u);
  EXPECT_EQ(gl.draws[0].vertices.size(), 6u);
  EXPECT_FLOAT_EQ(gl.draws[0].vertices[0].u, 48.0f / 64);
  EXPECT_FLOAT_EQ(gl.draws[0].vertices[0].v, 16.0f / 32);
}

TEST_F(DrawingApiTest, NoFontGivesTheBuiltInFontLoadedOnce) {
  zr_graphics_SetFont(nullptr, 65);
  EXPECT_EQ(zr_graphics_context->m_font, nullptr);  // no font file: no font, no crash
  EXPECT_EQ(zr_graphics_context->m_firstChar, 32);

  host.WritePng("vobo_font.png", 96 * 10, 12, [](int x, int) {
    unsigned char ink = (x % 10 == 0 || x % 10 == 9) ? 0 : 255;
    return std::array<unsigned char, 4>{ink, ink, ink, ink};
  });
  zr_graphics_SetFont(nullptr, 65);
  c_Image* font = zr_graphics_context->m_font;
  ASSERT_NE(font, nullptr);
  EXPECT_EQ(font->m_frames.Length(), 96);
  EXPECT_EQ(font->m_frames[1]->m_x, 11) << "cells are 10 wide with a padding column each side";
  int decodes = host.decodes;

  c_Image* own = zr_graphics_LoadImage("vobo_font.png", 1, 0);
  zr_graphics_SetFont(own, 48);
  EXPECT_EQ(zr_graphics_context->m_font, own);
  EXPECT_EQ(zr_graphics_context->m_firstChar, 48);
  zr_graphics_SetFont(nullptr, 48);
  EXPECT_EQ(zr_graphics_context->m_font, font);
  EXPECT_EQ(host.decodes, decodes + 1);  // only the game's own font was decoded again
}

}  // namespace
