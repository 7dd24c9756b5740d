// The surface's pixel store, premultiplication and lazy texture creation. A driver that
// refuses a texture size gets one second try at power-of-two sizes; the texture
// coordinates then follow the size actually allocated. Pixels from a file are freed once
// uploaded, and read from the file again when a new context needs them.
#include "runtime/graphics/surface.h"

#include <cstdlib>

#include "host/zr_game.h"
#include "runtime/diagnostics.h"
#include "runtime/graphics/gl_seam.h"

int glfwGraphicsSeq = 0;

namespace {

int glFormatFor(int bytesPerPixel) {
  switch (bytesPerPixel) {
    case 1:
      return GL_LUMINANCE;
    case 2:
      return GL_LUMINANCE_ALPHA;
    case 3:
      return GL_RGB;
    default:
      return GL_RGBA;
  }
}

int nextPowerOfTwo(int size) {
  int power = 1;
  while (power < size) power *= 2;
  return power;
}

// The decoded pixels of an image file, or null when there is no host, no such file or
// no picture in it.
unsigned char* decodeFile(const String& path, int* w, int* h, int* components) {
  if (!ZrGame::_game) return nullptr;
  unsigned char* data = ZrGame::_game->LoadImageData(path, w, h, components);
  if (data && (*w <= 0 || *h <= 0 || *components < 1 || *components > 4)) {
    std::free(data);
    return nullptr;
  }
  return data;
}

}  // namespace

gxtkSurface::~gxtkSurface() { Release(); }

void gxtkSurface::Discard() { Release(); }

void gxtkSurface::Release() {
  if (contextSeq == glfwGraphicsSeq) {
    gl_seam()->DeleteTextures(1, &textureName);
    contextSeq = -1;
  }
  std::free(pixels);
  pixels = nullptr;
  sourcePath = String();
}

int gxtkSurface::Width() { return width; }
int gxtkSurface::Height() { return height; }
bool gxtkSurface::Loaded() { return true; }
void gxtkSurface::OnUnsafeLoadComplete() { Bind(); }

bool gxtkSurface::LoadFile(String path) {
  int w = 0, h = 0, components = 0;
  unsigned char* data = decodeFile(path, &w, &h, &components);
  if (!data) return false;
  SetData(data, w, h, components);
  sourcePath = path;
  return true;
}

bool gxtkSurface::ReloadPixels() {
  int w = 0, h = 0, components = 0;
  unsigned char* data = decodeFile(sourcePath, &w, &h, &components);
  if (data && (w != width || h != height || components != bytesPerPixel)) {
    std::free(data);
    data = nullptr;
  }
  if (!data) {
    zrPrint(String("Cannot read the picture again: ") + sourcePath);
    return false;
  }
  String path = sourcePath;
  SetData(data, w, h, components);
  sourcePath = path;
  return true;
}

void gxtkSurface::SetData(unsigned char* data, int w, int h, int bytes) {
  if (data != pixels) std::free(pixels);
  sourcePath = String();
  pixels = data;
  width = w;
  height = h;
  bytesPerPixel = bytes;
  glFormat = glFormatFor(bytes);
  int count = w * h;
  if (bytes == 2) {
    for (unsigned char* p = pixels; p < pixels + count * 2; p += 2) {
      p[0] = static_cast<unsigned char>(p[0] * p[1] / 255);
    }
  } else if (bytes == 4) {
    for (unsigned char* p = pixels; p < pixels + count * 4; p += 4) {
      p[0] = static_cast<unsigned char>(p[0] * p[3] / 255);
      p[1] = static_cast<unsigned char>(p[1] * p[3] / 255);
      p[2] = static_cast<unsigned char>(p[2] * p[3] / 255);
    }
  }
}

void gxtkSurface::Bind() {
  if (glfwGraphicsSeq == 0) return;
  GlSeam* gl = gl_seam();
  if (contextSeq == glfwGraphicsSeq) {
    gl->BindTexture(GL_TEXTURE_2D, textureName);
    return;
  }
  contextSeq = glfwGraphicsSeq;
  if (!pixels && !sourcePath.IsEmpty()) ReloadPixels();
  gl->GenTextures(1, &textureName);
  gl->BindTexture(GL_TEXTURE_2D, textureName);
  gl->TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  gl->TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  gl->TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
  gl->TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);

  int textureWidth = width;
  int textureHeight = height;
  gl->TexImage2D(GL_TEXTURE_2D, 0, glFormat, textureWidth, textureHeight, 0, glFormat, GL_UNSIGNED_BYTE, nullptr);
  if (gl->GetError() != GL_NO_ERROR) {
    textureWidth = nextPowerOfTwo(width);
    textureHeight = nextPowerOfTwo(height);
    gl->TexImage2D(GL_TEXTURE_2D, 0, glFormat, textureWidth, textureHeight, 0, glFormat, GL_UNSIGNED_BYTE,
                   nullptr);
  }
  // A surface made without a size still gets finite texture coordinates.
  uScale = 1.0f / (textureWidth > 0 ? textureWidth : 1);
  vScale = 1.0f / (textureHeight > 0 ? textureHeight : 1);

  if (pixels) {
    gl->PixelStorei(GL_UNPACK_ALIGNMENT, 1);
    gl->TexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, width, height, glFormat, GL_UNSIGNED_BYTE, pixels);
    if (!sourcePath.IsEmpty()) {
      std::free(pixels);
      pixels = nullptr;
    }
  }
}
