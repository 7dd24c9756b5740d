// gxtkSurface: one texture of the render device, built lazily in the present GL context
// from decoded, premultiplied pixel bytes. Pixels read from a file are let go once the
// texture holds them (GL keeps its own copy, and a second one would double the art's
// memory); a new context reads the file again. glfwGraphicsSeq counts GL contexts; the
// host raises it each time it opens a window with a new one.
#pragma once

#include <cstdint>

#include "runtime/gc.h"
#include "runtime/string.h"

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
  // The file the pixels came from, read again for a new context.
  String sourcePath;

  ~gxtkSurface() override;

  virtual void Discard();
  virtual int Width();
  virtual int Height();
  virtual bool Loaded();
  virtual void OnUnsafeLoadComplete();

  // Takes ownership of malloc'd pixel bytes and premultiplies them by their alpha.
  void SetData(unsigned char* data, int w, int h, int bytesPerPixel);
  // Reads an image file through the host and stores its pixels as SetData does,
  // remembering the file. False (and the surface unchanged) when it cannot be read.
  bool LoadFile(String path);
  // Makes the texture current, creating and uploading it first if the present context
  // has none.
  void Bind();

 private:
  void Release();
  // Reads the source file again for a texture that has lost its pixels; false when the
  // file is gone or no longer the same size.
  bool ReloadPixels();
};
