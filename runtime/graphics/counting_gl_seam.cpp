// The counting seam: two draw entry points count, everything else is handed on as is.
#include "runtime/graphics/counting_gl_seam.h"

int CountingGlSeam::TakeDrawCalls() {
  int calls = m_drawCalls;
  m_drawCalls = 0;
  return calls;
}

void CountingGlSeam::DrawArrays(GLenum mode, GLint first, GLsizei count) {
  ++m_drawCalls;
  m_inner->DrawArrays(mode, first, count);
}

void CountingGlSeam::DrawElements(GLenum mode, GLsizei count, GLenum type, const void* indices) {
  ++m_drawCalls;
  m_inner->DrawElements(mode, count, type, indices);
}

void CountingGlSeam::WindowSize(int* width, int* height) { m_inner->WindowSize(width, height); }
void CountingGlSeam::Viewport(GLint x, GLint y, GLsizei width, GLsizei height) {
  m_inner->Viewport(x, y, width, height);
}
void CountingGlSeam::MatrixMode(GLenum mode) { m_inner->MatrixMode(mode); }
void CountingGlSeam::LoadIdentity() { m_inner->LoadIdentity(); }
void CountingGlSeam::Ortho(GLdouble left, GLdouble right, GLdouble bottom, GLdouble top, GLdouble zNear,
                           GLdouble zFar) {
  m_inner->Ortho(left, right, bottom, top, zNear, zFar);
}
void CountingGlSeam::EnableClientState(GLenum array) { m_inner->EnableClientState(array); }
void CountingGlSeam::VertexPointer(GLint size, GLenum type, GLsizei stride, const void* pointer) {
  m_inner->VertexPointer(size, type, stride, pointer);
}
void CountingGlSeam::TexCoordPointer(GLint size, GLenum type, GLsizei stride, const void* pointer) {
  m_inner->TexCoordPointer(size, type, stride, pointer);
}
void CountingGlSeam::ColorPointer(GLint size, GLenum type, GLsizei stride, const void* pointer) {
  m_inner->ColorPointer(size, type, stride, pointer);
}
void CountingGlSeam::Enable(GLenum capability) { m_inner->Enable(capability); }
void CountingGlSeam::Disable(GLenum capability) { m_inner->Disable(capability); }
void CountingGlSeam::BlendFunc(GLenum source, GLenum destination) { m_inner->BlendFunc(source, destination); }
void CountingGlSeam::Scissor(GLint x, GLint y, GLsizei width, GLsizei height) {
  m_inner->Scissor(x, y, width, height);
}
void CountingGlSeam::GenTextures(GLsizei count, GLuint* names) { m_inner->GenTextures(count, names); }
void CountingGlSeam::DeleteTextures(GLsizei count, const GLuint* names) { m_inner->DeleteTextures(count, names); }
void CountingGlSeam::BindTexture(GLenum target, GLuint name) { m_inner->BindTexture(target, name); }
void CountingGlSeam::TexParameteri(GLenum target, GLenum name, GLint value) {
  m_inner->TexParameteri(target, name, value);
}
void CountingGlSeam::TexImage2D(GLenum target, GLint level, GLint internalFormat, GLsizei width, GLsizei height,
                                GLint border, GLenum format, GLenum type, const void* pixels) {
  m_inner->TexImage2D(target, level, internalFormat, width, height, border, format, type, pixels);
}
void CountingGlSeam::TexSubImage2D(GLenum target, GLint level, GLint x, GLint y, GLsizei width, GLsizei height,
                                   GLenum format, GLenum type, const void* pixels) {
  m_inner->TexSubImage2D(target, level, x, y, width, height, format, type, pixels);
}
void CountingGlSeam::PixelStorei(GLenum name, GLint value) { m_inner->PixelStorei(name, value); }
GLenum CountingGlSeam::GetError() { return m_inner->GetError(); }
