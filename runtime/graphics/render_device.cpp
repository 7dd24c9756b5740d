// The render device's frame set-up, batching and primitives. Each drawing
// call claims vertex slots in the one batch (flushing it first when the kind, texture or
// capacity demands) and writes its transformed, coloured vertices there; matrix and colour
// changes never break a batch.
#include "runtime/graphics/render_device.h"

#include <cmath>
#include <cstdlib>

#include "runtime/graphics/gl_seam.h"

namespace {

// Float to int toward zero, held to a safe range so that wild values cannot overflow.
int truncToInt(float value) {
  if (!(value == value)) return 0;
  if (value > 1.0e9f) return 1000000000;
  if (value < -1.0e9f) return -1000000000;
  return static_cast<int>(value);
}

}  // namespace

gxtkGraphics::gxtkGraphics() {
  gl_seam()->WindowSize(&width, &height);
  for (int quad = 0; quad < kBatchQuads; ++quad) {
    uint16_t first = static_cast<uint16_t>(quad * 4);
    uint16_t* indices = quadIndices + quad * 6;
    indices[0] = first;
    indices[1] = first + 1;
    indices[2] = first + 2;
    indices[3] = first;
    indices[4] = first + 2;
    indices[5] = first + 3;
  }
}

void gxtkGraphics::mark() { gc_mark_q(batchSurface); }

int gxtkGraphics::Width() { return width; }
int gxtkGraphics::Height() { return height; }

int gxtkGraphics::BeginRender() {
  GlSeam* gl = gl_seam();
  gl->WindowSize(&width, &height);
  gl->Viewport(0, 0, width, height);
  gl->MatrixMode(GL_PROJECTION);
  gl->LoadIdentity();
  gl->Ortho(0, width, height, 0, -1, 1);
  gl->MatrixMode(GL_MODELVIEW);
  gl->LoadIdentity();
  gl->EnableClientState(GL_VERTEX_ARRAY);
  gl->VertexPointer(2, GL_FLOAT, sizeof(gxtkVertex), &vertexBuffer[0].x);
  gl->EnableClientState(GL_TEXTURE_COORD_ARRAY);
  gl->TexCoordPointer(2, GL_FLOAT, sizeof(gxtkVertex), &vertexBuffer[0].u);
  gl->EnableClientState(GL_COLOR_ARRAY);
  gl->ColorPointer(4, GL_UNSIGNED_BYTE, sizeof(gxtkVertex), &vertexBuffer[0].color);
  gl->Enable(GL_BLEND);
  gl->BlendFunc(GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
  gl->Disable(GL_TEXTURE_2D);
  batchCount = 0;
  return 1;
}

void gxtkGraphics::EndRender() { Flush(); }

void gxtkGraphics::DiscardGraphics() {}

gxtkSurface* gxtkGraphics::LoadSurface(String path) {
  gxtkSurface* surface = new gxtkSurface;
  if (!LoadSurface__UNSAFE__(surface, path)) return nullptr;
  surface->Bind();
  return surface;
}

gxtkSurface* gxtkGraphics::CreateSurface(int w, int h) {
  if (w <= 0 || h <= 0) return nullptr;
  gxtkSurface* surface = new gxtkSurface;
  surface->width = w;
  surface->height = h;
  surface->bytesPerPixel = 4;
  surface->glFormat = GL_RGBA;
  surface->Bind();
  return surface;
}

bool gxtkGraphics::LoadSurface__UNSAFE__(gxtkSurface* surface, String path) {
  return surface && surface->LoadFile(path);
}

void gxtkGraphics::SetAlpha(float newAlpha) {
  alpha = newAlpha;
  SetColor(red, green, blue);
}

void gxtkGraphics::SetColor(float r, float g, float b) {
  red = r;
  green = g;
  blue = b;
  uint32_t redByte = truncToInt(r * alpha) & 255;
  uint32_t greenByte = truncToInt(g * alpha) & 255;
  uint32_t blueByte = truncToInt(b * alpha) & 255;
  uint32_t alphaByte = truncToInt(255 * alpha) & 255;
  packedColor = redByte | greenByte << 8 | blueByte << 16 | alphaByte << 24;
}

void gxtkGraphics::SetBlend(int mode) {
  Flush();
  gl_seam()->BlendFunc(GL_ONE, mode == 1 ? GL_ONE : GL_ONE_MINUS_SRC_ALPHA);
}

void gxtkGraphics::SetScissor(int x, int y, int w, int h) {
  Flush();
  GlSeam* gl = gl_seam();
  if (x == 0 && y == 0 && w == width && h == height) {
    gl->Disable(GL_SCISSOR_TEST);
    return;
  }
  // A negative size would be refused by GL and leave the old rectangle in force; an empty
  // one clips everything, which is what the caller asked for.
  if (w < 0) w = 0;
  if (h < 0) h = 0;
  gl->Enable(GL_SCISSOR_TEST);
  gl->Scissor(x, height - y - h, w, h);
}

void gxtkGraphics::SetMatrix(float ma, float mb, float mc, float md, float mtx, float mty) {
  a = ma;
  b = mb;
  c = mc;
  d = md;
  tx = mtx;
  ty = mty;
  transformed = !(ma == 1 && mb == 0 && mc == 0 && md == 1 && mtx == 0 && mty == 0);
}

gxtkVertex* gxtkGraphics::Begin(int type, int count, gxtkSurface* surface) {
  if (type != batchType || surface != batchSurface || batchCount + count > kBatchVertices) {
    Flush();
    batchType = type;
    gc_assign(batchSurface, surface);
  }
  gxtkVertex* vertices = vertexBuffer + batchCount;
  batchCount += count;
  return vertices;
}

void gxtkGraphics::Flush() {
  if (batchCount == 0) return;
  GlSeam* gl = gl_seam();
  if (batchSurface) {
    gl->Enable(GL_TEXTURE_2D);
    batchSurface->Bind();
  }
  switch (batchType) {
    case 2:
      gl->DrawArrays(GL_LINES, 0, batchCount);
      break;
    case 4:
      gl->DrawElements(GL_TRIANGLES, batchCount / 4 * 6, GL_UNSIGNED_SHORT, quadIndices);
      break;
    default:
      for (int first = 0; first < batchCount; first += batchType) gl->DrawArrays(GL_TRIANGLE_FAN, first, batchType);
      break;
  }
  if (batchSurface) gl->Disable(GL_TEXTURE_2D);
  batchCount = 0;
}

void gxtkGraphics::Put(gxtkVertex* vertex, float x, float y, float u, float v) {
  if (transformed) {
    vertex->x = a * x + c * y + tx;
    vertex->y = b * x + d * y + ty;
  } else {
    vertex->x = x;
    vertex->y = y;
  }
  vertex->u = u;
  vertex->v = v;
  vertex->color = packedColor;
}

void gxtkGraphics::DrawLine(float x1, float y1, float x2, float y2) {
  gxtkVertex* vertices = Begin(2, 2, nullptr);
  Put(&vertices[0], x1, y1, 0, 0);
  Put(&vertices[1], x2, y2, 0, 0);
  for (int i = 0; i < 2; ++i) {
    vertices[i].x += 0.5f;
    vertices[i].y += 0.5f;
  }
}

void gxtkGraphics::DrawRect(float x, float y, float w, float h) {
  gxtkVertex* vertices = Begin(4, 4, nullptr);
  Put(&vertices[0], x, y, 0, 0);
  Put(&vertices[1], x + w, y, 0, 0);
  Put(&vertices[2], x + w, y + h, 0, 0);
  Put(&vertices[3], x, y + h, 0, 0);
}

void gxtkGraphics::DrawOval(float x, float y, float w, float h) {
  float rx = w / 2;
  float ry = h / 2;
  float centreX = x + rx;
  float centreY = y + ry;
  int segments;
  if (transformed) {
    segments = truncToInt(std::sqrt((rx * a) * (rx * a) + (rx * b) * (rx * b)) +
                          std::sqrt((ry * c) * (ry * c) + (ry * d) * (ry * d)));
  } else {
    segments = std::abs(truncToInt(rx)) + std::abs(truncToInt(ry));
  }
  int count;
  if (segments < 12) {
    count = 12;
  } else if (segments > kBatchVertices) {
    count = kBatchVertices;
  } else {
    count = segments & ~3;
  }
  gxtkVertex* vertices = Begin(count, count, nullptr);
  // The points are found by turning one step at a time rather than by a sine and cosine
  // each: a big oval has hundreds of points, and games draw blasts and balls every frame.
  double step = 6.2831855 / count;
  double stepCos = std::cos(step), stepSin = std::sin(step);
  double pointCos = 1, pointSin = 0;
  for (int i = 0; i < count; ++i) {
    Put(&vertices[i], centreX + static_cast<float>(pointCos) * rx, centreY - static_cast<float>(pointSin) * ry, 0, 0);
    double turnedCos = pointCos * stepCos - pointSin * stepSin;
    pointSin = pointSin * stepCos + pointCos * stepSin;
    pointCos = turnedCos;
  }
}

void gxtkGraphics::DrawSurface(gxtkSurface* surface, float x, float y) {
  if (!surface) return;
  DrawSurface2(surface, x, y, 0, 0, surface->Width(), surface->Height());
}

void gxtkGraphics::DrawSurface2(gxtkSurface* surface, float x, float y, int srcx, int srcy, int srcw, int srch) {
  if (!surface) return;
  float left = srcx * surface->uScale;
  float right = (srcx + srcw) * surface->uScale;
  float top = srcy * surface->vScale;
  float bottom = (srcy + srch) * surface->vScale;
  gxtkVertex* vertices = Begin(4, 4, surface);
  Put(&vertices[0], x, y, left, top);
  Put(&vertices[1], x + srcw, y, right, top);
  Put(&vertices[2], x + srcw, y + srch, right, bottom);
  Put(&vertices[3], x, y + srch, left, bottom);
}
