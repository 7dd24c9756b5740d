// The context's matrix arithmetic and its growing stack of saved matrices (six floats
// each, doubled whenever it is full, so deep nesting never fails). Every change only marks
// the matrix dirty; the device hears of it when something is next drawn.
#include "runtime/graphics/graphics_context.h"

#include "runtime/graphics/image.h"
#include "runtime/graphics/render_device.h"

c_GraphicsContext::c_GraphicsContext() { gc_assign(m_matrixStack, Array<float>(kInitialStackFloats)); }

void c_GraphicsContext::mark() {
  gc_mark_q(m_builtinFont);
  gc_mark_q(m_font);
  gc_mark_q(m_matrixStack);
}

void c_GraphicsContext::p_SetMatrix(float a, float b, float c, float d, float tx, float ty) {
  m_a = a;
  m_b = b;
  m_c = c;
  m_d = d;
  m_tx = tx;
  m_ty = ty;
  m_transformed = (a != 1 || b != 0 || c != 0 || d != 1 || tx != 0 || ty != 0) ? 1 : 0;
  m_matrixDirty = 1;
}

void c_GraphicsContext::p_Transform(float a, float b, float c, float d, float tx, float ty) {
  p_SetMatrix(m_a * a + m_c * b, m_b * a + m_d * b, m_a * c + m_c * d, m_b * c + m_d * d,
              m_a * tx + m_c * ty + m_tx, m_b * tx + m_d * ty + m_ty);
}

void c_GraphicsContext::p_PushMatrix() {
  if (m_stackTop + 6 > m_matrixStack.Length()) {
    gc_assign(m_matrixStack, m_matrixStack.Resize(m_matrixStack.Length() * 2));
  }
  float* slot = &m_matrixStack[m_stackTop];
  slot[0] = m_a;
  slot[1] = m_b;
  slot[2] = m_c;
  slot[3] = m_d;
  slot[4] = m_tx;
  slot[5] = m_ty;
  m_stackTop += 6;
}

void c_GraphicsContext::p_PopMatrix() {
  if (m_stackTop < 6) return;
  m_stackTop -= 6;
  const float* slot = &m_matrixStack[m_stackTop];
  p_SetMatrix(slot[0], slot[1], slot[2], slot[3], slot[4], slot[5]);
}

void c_GraphicsContext::p_Validate(gxtkGraphics* device) {
  if (!m_matrixDirty || !device) return;
  device->SetMatrix(m_a, m_b, m_c, m_d, m_tx, m_ty);
  m_matrixDirty = 0;
}
