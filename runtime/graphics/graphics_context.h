// c_GraphicsContext: the drawing state the application sees between frames' begin and end:
// the current matrix with its stack, colour, alpha, blend mode, scissor rectangle and font.
// Matrix changes stay here until the next drawing call hands them to the render device
// (p_Validate), so a run of transforms costs the device one SetMatrix.
#pragma once

#include "runtime/array.h"
#include "runtime/gc.h"

class c_Image;
class gxtkGraphics;

class c_GraphicsContext : public Object {
 public:
  static constexpr int kInitialStackFloats = 192;

  c_Image* m_builtinFont = nullptr;
  c_Image* m_font = nullptr;
  int m_firstChar = 0;
  int m_stackTop = 0;
  float m_a = 1, m_b = 0, m_c = 0, m_d = 1, m_tx = 0, m_ty = 0;
  int m_transformed = 0;
  int m_matrixDirty = 0;
  float m_red = 0, m_green = 0, m_blue = 0;
  float m_alpha = 0;
  int m_blend = 0;
  float m_clipX = 0, m_clipY = 0, m_clipW = 0, m_clipH = 0;
  Array<float> m_matrixStack;

  c_GraphicsContext();
  c_GraphicsContext* m_new() { return this; }
  void mark() override;

  void p_SetMatrix(float a, float b, float c, float d, float tx, float ty);
  // Post-multiplies: points go through the given matrix first, then the current one.
  void p_Transform(float a, float b, float c, float d, float tx, float ty);
  void p_PushMatrix();
  // Popping more than was pushed leaves the matrix as it is.
  void p_PopMatrix();
  // Hands the matrix to the device if it changed since the last drawing call.
  void p_Validate(gxtkGraphics* device);
};
