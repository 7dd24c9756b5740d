// gxtkSurface: one texture of the render device. The decoded, premultiplied pixel bytes stay
// in memory beside the GL texture, so the texture can be rebuilt lazily whenever a new
// window (and with it a new GL context) has been opened since it was made.
// glfwGraphicsSeq counts window openings; the host raises it each time it opens a window.
#pragma once

#include <cstdint>

#include "runtime/gc.h"

extern int glfwGraphicsSeq;

class gxtkSurface : public Object {
 public:
  unsigned char* pixels = nullptr;
  int width = 0;
  int height = 0;
  int bytesPerPixel = 0;
  int glFormat = 0;
  int contextSeq = -1;
  uint32_t textureName = 0;
  float uScale = 0;
  float vScale = 0;

  ~gxtkSurface() override;

  virtual void Discard();
  virtual int Width();
  virtual int Height();
  virtual bool Loaded();
  virtual void OnUnsafeLoadComplete();

  // Takes ownership of malloc'd pixel bytes and premultiplies them by their alpha.
  void SetData(unsigned char* data, int w, int h, int bytesPerPixel);
  // Writes ARGB words (alpha in the top byte) into an RGBA surface, premultiplied, and
  // updates the texture if it belongs to the present context. A rectangle that does not
  // lie inside the surface is ignored.
  void SetSubData(int x, int y, int w, int h, const uint32_t* argb, int pitch);
  // Makes the texture current, creating and uploading it first if the present context
  // has none.
  void Bind();

 private:
  void Release();
};
