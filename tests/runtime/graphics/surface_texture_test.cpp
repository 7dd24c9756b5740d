// Surfaces and their textures, seen through the recording seam.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <iterator>

#include "folder_host.h"
#include "recording_gl.h"
#include "runtime/graphics/render_device.h"

namespace {

String DataPath(const std::string& name) { return String(("quillo://data/" + name).c_str()); }

class SurfaceTest : public ::testing::Test {
 protected:
  RecordingGlScope scope;
  RecordingGl& gl = scope.gl;
  FolderHost host{MakeTempFolder("tj-surface")};
  gxtkGraphics* device = (new gxtkGraphics)->m_new();

  void WriteSolid(const std::string& name, int w, int h, std::array<unsigned char, 4> rgba) {
    host.WritePng(name, w, h, [&](int, int) { return rgba; });
  }
};

TEST_F(SurfaceTest, RefusedNonPowerOfTwoTextureIsRetriedAtPowerOfTwoSizes) {
  gl.refuseNonPowerOfTwo = true;
  WriteSolid("wide.png", 100, 30, {255, 255, 255, 255});
  gxtkSurface* surface = device->LoadSurface(DataPath("wide.png"));
  ASSERT_NE(surface, nullptr);
  ASSERT_EQ(gl.texImages.size(), 2u);
  EXPECT_FALSE(gl.texImages[0].accepted);
  EXPECT_EQ(gl.texImages[0].width, 100);
  EXPECT_TRUE(gl.texImages[1].accepted);
  EXPECT_EQ(gl.texImages[1].width, 128);
  EXPECT_EQ(gl.texImages[1].height, 32);
  EXPECT_FLOAT_EQ(surface->uScale, 1.0f / 128);
  EXPECT_FLOAT_EQ(surface->vScale, 1.0f / 32);
  EXPECT_EQ(surface->Width(), 100);  // the image keeps its own size

  device->BeginRender();
  device->DrawSurface(surface, 0, 0);
  device->EndRender();
  ASSERT_EQ(gl.draws.size(), 1u);
  const auto& v = gl.draws[0].vertices;
  EXPECT_FLOAT_EQ(v[2].u, 100.0f / 128);
  EXPECT_FLOAT_EQ(v[2].v, 30.0f / 32);
  EXPECT_FLOAT_EQ(v[2].x, 100);

  // A driver that takes any size gets the image's own.
  gl.refuseNonPowerOfTwo = false;
  gl.ForgetHistory();
  gxtkSurface* exact = device->LoadSurface(DataPath("wide.png"));
  ASSERT_EQ(gl.texImages.size(), 1u);
  EXPECT_FLOAT_EQ(exact->uScale, 1.0f / 100);
}

TEST_F(SurfaceTest, PixelsArePremultipliedWhenStored) {
  struct Case {
    int components;
    std::vector<unsigned char> file;
    std::vector<unsigned char> stored;
  } cases[] = {
      {4, {200, 100, 50, 128}, {100, 50, 25, 128}},
      {4, {255, 255, 255, 0}, {0, 0, 0, 0}},
      {4, {10, 20, 30, 255}, {10, 20, 30, 255}},
      {2, {200, 128}, {100, 128}},
      {3, {200, 100, 50}, {200, 100, 50}},
      {1, {77}, {77}},
  };
  for (const Case& c : cases) {
    host.WritePngBytes("one.png", 1, 1, c.components, c.file);
    gxtkSurface* surface = device->LoadSurface(DataPath("one.png"));
    ASSERT_NE(surface, nullptr);
    EXPECT_EQ(surface->bytesPerPixel, c.components);
    EXPECT_EQ(gl.subImages.back(), c.stored) << c.components << " components";
  }
}

// The texture holds the only copy of a picture read from a file; a new context reads
// the file again.
TEST_F(SurfaceTest, TexturesAreMadeOnlyInAWindowAndRemadeAfterANewOne) {
  WriteSolid("tile.png", 8, 8, {0, 255, 0, 255});
  glfwGraphicsSeq = 0;  // no window has been opened yet
  gxtkSurface* surface = device->LoadSurface(DataPath("tile.png"));
  ASSERT_NE(surface, nullptr);
  EXPECT_TRUE(gl.texImages.empty());
  EXPECT_EQ(surface->contextSeq, -1);
  EXPECT_NE(surface->pixels, nullptr) << "kept until there is a texture to hold them";

  auto draw = [&] {
    device->BeginRender();
    device->DrawSurface(surface, 0, 0);
    device->EndRender();
  };
  glfwGraphicsSeq = 1;
  draw();
  ASSERT_EQ(gl.texImages.size(), 1u);
  GLuint first = surface->textureName;
  EXPECT_EQ(gl.draws.back().texture, first);
  EXPECT_TRUE(gl.draws.back().textured);
  EXPECT_EQ(surface->pixels, nullptr) << "the texture holds the picture now";

  draw();
  EXPECT_EQ(gl.texImages.size(), 1u);  // same context: only bound

  glfwGraphicsSeq = 2;  // a new window with a new context
  draw();
  ASSERT_EQ(gl.texImages.size(), 2u);
  EXPECT_NE(surface->textureName, first);
  EXPECT_EQ(gl.draws.back().texture, surface->textureName);
  ASSERT_EQ(gl.subImages.size(), 2u);
  EXPECT_EQ(gl.subImages[1], gl.subImages[0]);
  EXPECT_EQ(host.decodes, 2) << "read from the file again";
  EXPECT_EQ(surface->pixels, nullptr);
}

TEST_F(SurfaceTest, APictureGoneFromDiskGivesAnEmptyTextureInANewContext) {
  struct Case {
    const char* what;
    std::string replacement;  // empty: the file is removed
  };
  WriteSolid("wider.png", 16, 8, {1, 2, 3, 255});
  std::ifstream in(host.PathOf("wider.png"), std::ios::binary);
  const std::string wider((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const Case cases[] = {{"removed", ""}, {"damaged", "not a picture"}, {"another size", wider}};
  for (const Case& c : cases) {
    WriteSolid("tile.png", 8, 8, {1, 2, 3, 255});
    glfwGraphicsSeq = 1;
    gxtkSurface* surface = device->LoadSurface(DataPath("tile.png"));
    ASSERT_NE(surface, nullptr);
    if (c.replacement.empty())
      std::remove(host.PathOf("tile.png").c_str());
    else
      host.WriteBytes("tile.png", c.replacement);
    gl.ForgetHistory();
    glfwGraphicsSeq = 2;
    testing::internal::CaptureStdout();
    device->BeginRender();
    device->DrawSurface(surface, 0, 0);
    device->EndRender();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Cannot read the picture again: quillo://data/tile.png\n")
        << c.what;
    ASSERT_EQ(gl.texImages.size(), 1u) << c.what;
    EXPECT_EQ(gl.texImages[0].width, 8) << c.what;
    EXPECT_TRUE(gl.subImages.empty()) << c.what;
    EXPECT_EQ(gl.draws.size(), 1u) << c.what << ": still drawn, without a picture";
  }
}

}  // namespace
