// How the render device batches: which drawing calls share one GL draw call, what forces
// a flush, and the vertices each primitive hands to GL, seen through the recording seam.
#include <gtest/gtest.h>

#include <string>

#include "recording_gl.h"
#include "runtime/graphics/render_device.h"

namespace {

class BatchingTest : public ::testing::Test {
 protected:
  RecordingGlScope scope;
  RecordingGl& gl = scope.gl;
  gxtkGraphics* device = (new gxtkGraphics)->m_new();

  void SetUp() override { device->BeginRender(); }
};

TEST_F(BatchingTest, ThreeHundredRectanglesTakeTwoIndexedDraws) {
  for (int i = 0; i < 300; ++i) device->DrawRect(i, i, 2, 2);
  device->EndRender();
  ASSERT_EQ(gl.draws.size(), 2u);
  EXPECT_EQ(gl.IndexedDraws(), 2);
  EXPECT_EQ(gl.draws[0].mode, static_cast<GLenum>(GL_TRIANGLES));
  EXPECT_EQ(gl.draws[0].count, 256 * 6);
  EXPECT_EQ(gl.draws[1].count, 44 * 6);
  // The last rectangle's first triangle, through the fixed index list.
  const gxtkVertex* last = &gl.draws[1].vertices[43 * 6];
  EXPECT_FLOAT_EQ(last[0].x, 299);
  EXPECT_FLOAT_EQ(last[1].x, 301);
  EXPECT_FLOAT_EQ(last[2].y, 301);
}

TEST_F(BatchingTest, OnlyAChangeOfKindOrTextureSplitsTheBatch) {
  gxtkSurface* sheet = device->CreateSurface(32, 32);
  gxtkSurface* otherSheet = device->CreateSurface(32, 32);
  struct Case {
    std::string sequence;  // R rectangle, S sheet, O other sheet, C colour, M matrix, A alpha
    size_t draws;
  } cases[] = {
      {"RSR", 3}, {"SS", 1}, {"SOS", 3}, {"RCRMRAR", 1}, {"SCMSAS", 1}, {"RRSS", 2},
  };
  for (const Case& c : cases) {
    gl.ForgetHistory();
    device->BeginRender();
    for (char step : c.sequence) {
      switch (step) {
        case 'R': device->DrawRect(0, 0, 4, 4); break;
        case 'S': device->DrawSurface(sheet, 0, 0); break;
        case 'O': device->DrawSurface2(otherSheet, 0, 0, 4, 4, 8, 8); break;
        case 'C': device->SetColor(10, 20, 30); break;
        case 'M': device->SetMatrix(2, 0, 0, 2, 5, 5); break;
        case 'A': device->SetAlpha(0.5f); break;
      }
    }
    device->EndRender();
    EXPECT_EQ(gl.draws.size(), c.draws) << c.sequence;
  }
}

TEST_F(BatchingTest, SetBlendAlwaysFlushesAndPicksTheBlendFunction) {
  device->DrawRect(0, 0, 1, 1);
  device->SetBlend(0);  // the mode already in force
  device->DrawRect(0, 0, 1, 1);
  device->SetBlend(1);
  device->SetBlend(1);  // an empty batch has nothing to draw
  device->DrawRect(0, 0, 1, 1);
  device->SetBlend(7);
  device->EndRender();
  EXPECT_EQ(gl.draws.size(), 3u);
  std::vector<std::string> order(gl.events.begin() + 1, gl.events.end());  // after BeginRender's blend
  EXPECT_EQ(order, (std::vector<std::string>{"draw", "blend", "draw", "blend", "blend", "draw", "blend"}));
  std::vector<std::pair<GLenum, GLenum>> expected = {{GL_ONE, GL_ONE_MINUS_SRC_ALPHA},
                                                     {GL_ONE, GL_ONE_MINUS_SRC_ALPHA},
                                                     {GL_ONE, GL_ONE},
                                                     {GL_ONE, GL_ONE},
                                                     {GL_ONE, GL_ONE_MINUS_SRC_ALPHA}};
  EXPECT_EQ(gl.blendFuncs, expected);
}

TEST_F(BatchingTest, ManyOvalsShareOneBatchAsSeparateFans) {
  for (int i = 0; i < 3; ++i) device->DrawOval(i * 10, 0, 4, 4);
  device->DrawOval(0, 0, 2000, 2000);
  device->DrawOval(0, 0, 2000, 2000);
  device->EndRender();
  ASSERT_EQ(gl.draws.size(), 5u);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(gl.draws[i].first, i * 12);
  EXPECT_EQ(gl.draws[3].first, 0);  // the big ones do not fit behind the small ones
  EXPECT_EQ(gl.draws[4].first, 0);
}

TEST_F(BatchingTest, ScissorOfTheFullWindowTurnsTheTestOff) {
  device->DrawRect(0, 0, 1, 1);
  device->SetScissor(0, 0, 640, 480);
  device->SetScissor(10, 20, 100, 50);
  device->SetScissor(0, 0, 640, 479);
  EXPECT_EQ(gl.draws.size(), 1u);
  EXPECT_EQ(gl.events, (std::vector<std::string>{"blend", "draw", "disable scissor", "enable scissor",
                                                 "enable scissor"}));
  ASSERT_EQ(gl.scissors.size(), 2u);
  EXPECT_EQ(gl.scissors[0], (std::vector<GLint>{10, 410, 100, 50}));  // y counted from the bottom
  EXPECT_EQ(gl.scissors[1], (std::vector<GLint>{0, 1, 640, 479}));
}

TEST_F(BatchingTest, MatrixIsAppliedOnTheProcessorAndLinesSitOnPixelCentres) {
  device->SetMatrix(2, 0, 0, 3, 10, 5);
  device->DrawRect(1, 1, 3, 3);
  device->DrawLine(0, 0, 4, 0);
  device->EndRender();
  ASSERT_EQ(gl.draws.size(), 2u);
  const auto& rect = gl.draws[0].vertices;
  EXPECT_FLOAT_EQ(rect[0].x, 12);  // (1, 1) -> (2 + 10, 3 + 5)
  EXPECT_FLOAT_EQ(rect[0].y, 8);
  EXPECT_FLOAT_EQ(rect[2].x, 18);  // (4, 4) -> (8 + 10, 12 + 5)
  EXPECT_FLOAT_EQ(rect[2].y, 17);
  const auto& line = gl.draws[1].vertices;
  EXPECT_FLOAT_EQ(line[0].x, 10.5f);
  EXPECT_FLOAT_EQ(line[1].x, 18.5f);
  EXPECT_FLOAT_EQ(line[1].y, 5.5f);
}

}  // namespace
