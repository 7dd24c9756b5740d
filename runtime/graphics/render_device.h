// gxtkGraphics: the batched 2D render device, the only code that draws with OpenGL.
// Primitives are transformed on the processor and appended to one 1024-vertex batch that
// is drawn with a single call when the primitive kind or texture changes, the batch is full,
// the blend or scissor changes, pixels are read or the frame ends. Colours are
// premultiplied by alpha; all GL work goes through the GL seam in force.
#pragma once

#include <cstdint>

#include "runtime/array.h"
#include "runtime/gc.h"
#include "runtime/graphics/surface.h"
#include "runtime/string.h"

// One batch vertex: position, texture coordinates and colour bytes R, G, B, A.
struct gxtkVertex {
  float x, y;
  float u, v;
  uint32_t color;
};
static_assert(sizeof(gxtkVertex) == 20, "GL reads vertices with a 20-byte stride");

class gxtkGraphics : public Object {
 public:
  static constexpr int kBatchVertices = 1024;
  static constexpr int kBatchQuads = kBatchVertices / 4;

  int width = 0;
  int height = 0;
  uint32_t packedColor = 0xffffffff;
  float red = 255, green = 255, blue = 255;
  float alpha = 1;
  float a = 1, b = 0, c = 0, d = 1, tx = 0, ty = 0;
  bool transformed = false;
  gxtkVertex vertexBuffer[kBatchVertices];
  uint16_t quadIndices[kBatchQuads * 6];
  int batchType = 0;
  int batchCount = 0;
  gxtkSurface* batchSurface = nullptr;

  gxtkGraphics();
  // The toolkit's two-step creation: the constructor does the work, m_new hands it back.
  gxtkGraphics* m_new() { return this; }
  void mark() override;

  virtual int Width();
  virtual int Height();
  virtual int BeginRender();
  virtual void EndRender();
  virtual void DiscardGraphics();
  virtual gxtkSurface* LoadSurface(String path);
  virtual gxtkSurface* CreateSurface(int w, int h);
  virtual bool LoadSurface__UNSAFE__(gxtkSurface* surface, String path);
  virtual void SetAlpha(float alpha);
  virtual void SetColor(float r, float g, float b);
  virtual void SetBlend(int mode);
  virtual void SetScissor(int x, int y, int w, int h);
  virtual void SetMatrix(float a, float b, float c, float d, float tx, float ty);
  virtual void DrawRect(float x, float y, float w, float h);
  virtual void DrawLine(float x1, float y1, float x2, float y2);
  virtual void DrawOval(float x, float y, float w, float h);
  virtual void DrawSurface(gxtkSurface* surface, float x, float y);
  virtual void DrawSurface2(gxtkSurface* surface, float x, float y, int srcx, int srcy, int srcw, int srch);

 private:
  gxtkVertex* Begin(int type, int count, gxtkSurface* surface);
  void Flush();
  void Put(gxtkVertex* vertex, float x, float y, float u, float v);
};
