// Cutting a surface into frames and applying the image flags. A sheet whose frames do not
// fit, or an image initialised twice, is a fault in the game's asset tables and stops the
// program with a message.
#include "runtime/graphics/image.h"

#include "runtime/diagnostics.h"

int c_Image::m_DefaultFlags = 0;

c_Frame* c_Frame::m_new(int x, int y) {
  m_x = x;
  m_y = y;
  return this;
}

void c_Image::mark() {
  gc_mark_q(m_surface);
  gc_mark_q(m_frames);
  gc_mark_q(m_sourceImage);
}

c_Image* c_Image::p_Init(gxtkSurface* surface, int frameCount, int flags) {
  if (m_surface) zrError("Image already initialized");
  if (!surface) return this;
  // A count below one would divide by zero; such an image is one whole frame.
  if (frameCount < 1) frameCount = 1;
  gc_assign(m_surface, surface);
  m_width = surface->Width() / frameCount;
  m_height = surface->Height();
  gc_assign(m_frames, Array<c_Frame*>(frameCount));
  for (int i = 0; i < frameCount; ++i) gc_assign(m_frames[i], (new c_Frame)->m_new(i * m_width, 0));
  p_ApplyFlags(flags);
  return this;
}

c_Image* c_Image::p_Init2(gxtkSurface* surface, int x, int y, int frameWidth, int frameHeight, int frameCount,
                          int flags, c_Image* source, int srcX, int srcY, int srcW, int srcH) {
  if (m_surface) zrError("Image already initialized");
  if (!surface) return this;
  gc_assign(m_surface, surface);
  gc_assign(m_sourceImage, source);
  m_width = frameWidth;
  m_height = frameHeight;
  gc_assign(m_frames, Array<c_Frame*>(frameCount));
  for (int i = 0; i < m_frames.Length(); ++i) {
    if (x + m_width > srcW) {
      y += m_height;
      if (m_width > srcW) zrError("Image frame outside surface");
      x = 0;
    }
    if (y + m_height > srcH) zrError("Image frame outside surface");
    gc_assign(m_frames[i], (new c_Frame)->m_new(x + srcX, y + srcY));
    x += m_width;
  }
  p_ApplyFlags(flags);
  return this;
}

void c_Image::p_ApplyFlags(int flags) {
  m_flags = flags;
  if (m_flags & kXPadding) {
    for (int i = 0; i < m_frames.Length(); ++i) m_frames[i]->m_x += 1;
    m_width -= 2;
  }
  if (m_flags & kYPadding) {
    for (int i = 0; i < m_frames.Length(); ++i) m_frames[i]->m_y += 1;
    m_height -= 2;
  }
  if (m_flags & kMidHandle) {
    m_handleX = m_width * 0.5f;
    m_handleY = m_height * 0.5f;
    m_flags &= ~kMidHandle;
  }
  if (m_surface && m_frames.Length() == 1 && m_frames[0]->m_x == 0 && m_frames[0]->m_y == 0 &&
      m_width == m_surface->Width() && m_height == m_surface->Height()) {
    m_flags |= kFullFrame;
  }
}

void c_Image::p_SetHandle(float x, float y) {
  m_handleX = x;
  m_handleY = y;
  m_flags &= ~kMidHandle;
}

void c_Image::p_Discard() {
  if (m_surface && !m_sourceImage) m_surface->Discard();
}
