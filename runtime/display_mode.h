// c_DisplayMode: one distinct screen size the desktop offers (collected record).
#pragma once

#include "runtime/gc.h"

class c_DisplayMode : public Object {
 public:
  int m__width = 0;
  int m__height = 0;

  c_DisplayMode* m_new(int width, int height) {
    m__width = width;
    m__height = height;
    return this;
  }
  int p_Width() const { return m__width; }
  int p_Height() const { return m__height; }
};
