// c_Image and c_Frame: a surface cut into equally sized frames, read left to right and top
// to bottom, with a handle (the point of a frame placed at the drawing position) and flags
// for a centred handle, one-pixel padding around each frame, and "one frame covers the
// whole surface", which lets the image be drawn with the simpler whole-surface primitive.
#pragma once

#include "runtime/array.h"
#include "runtime/gc.h"
#include "runtime/graphics/surface.h"

class c_Frame : public Object {
 public:
  int m_x = 0;
  int m_y = 0;

  c_Frame* m_new(int x, int y);
};

class c_Image : public Object {
 public:
  static constexpr int kMidHandle = 1;
  static constexpr int kXPadding = 2;
  static constexpr int kYPadding = 4;
  static constexpr int kFullFrame = 65536;

  static int m_DefaultFlags;

  gxtkSurface* m_surface = nullptr;
  int m_width = 0;
  int m_height = 0;
  Array<c_Frame*> m_frames;
  int m_flags = 0;
  float m_handleX = 0;
  float m_handleY = 0;
  c_Image* m_sourceImage = nullptr;

  c_Image* m_new() { return this; }
  void mark() override;

  // Frames side by side in one row across the whole surface.
  c_Image* p_Init(gxtkSurface* surface, int frameCount, int flags);
  // A grid of frames inside the source rectangle, starting at (x, y) within it.
  c_Image* p_Init2(gxtkSurface* surface, int x, int y, int frameWidth, int frameHeight, int frameCount, int flags,
                   c_Image* source, int srcX, int srcY, int srcW, int srcH);
  void p_ApplyFlags(int flags);
  void p_SetHandle(float x, float y);
  // Lets go of the picture (texture and pixels) now rather than whenever the collector
  // reaches it. An image cut from another leaves their shared surface alone.
  void p_Discard();
};
