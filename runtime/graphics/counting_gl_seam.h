// A GL seam that passes every call on to another seam and counts the draw calls on the
// way, for the frame statistics. It is put in force around the seam that was in force,
// so the game draws exactly as before.
#pragma once

#include "runtime/graphics/gl_seam.h"

class CountingGlSeam : public GlSeam {
 public:
  explicit CountingGlSeam(GlSeam* inner) : m_inner(inner) {}

  // The draw calls since the last time this was asked.
  int TakeDrawCalls();
  GlSeam* Inner() const { return m_inner; }

  void WindowSize(int* width, int* height) override;
  void Viewport(GLint x, GLint y, GLsizei width, GLsizei height) override;
  void MatrixMode(GLenum mode) override;
  void LoadIdentity() override;
  void Ortho(GLdouble left, GLdouble right, GLdouble bottom, GLdouble top, GLdouble zNear,
             GLdouble zFar) override;
  void EnableClientState(GLenum array) override;
  void VertexPointer(GLint size, GLenum type, GLsizei stride, const void* pointer) override;
  void TexCoordPointer(GLint size, GLenum type, GLsizei stride, const void* pointer) override;
  void ColorPointer(GLint size, GLenum type, GLsizei stride, const void* pointer) override;
  void Enable(GLenum capability) override;
  void Disable(GLenum capability) override;
  void BlendFunc(GLenum source, GLenum destination) override;
  void Scissor(GLint x, GLint y, GLsizei width, GLsizei height) override;
  void DrawArrays(GLenum mode, GLint first, GLsizei count) override;
  void DrawElements(GLenum mode, GLsizei count, GLenum type, const void* indices) override;
  void GenTextures(GLsizei count, GLuint* names) override;
  void DeleteTextures(GLsizei count, const GLuint* names) override;
  void BindTexture(GLenum target, GLuint name) override;
  void TexParameteri(GLenum target, GLenum name, GLint value) override;
  void TexImage2D(GLenum target, GLint level, GLint internalFormat, GLsizei width, GLsizei height,
                  GLint border, GLenum format, GLenum type, const void* pixels) override;
  void TexSubImage2D(GLenum target, GLint level, GLint x, GLint y, GLsizei width, GLsizei height,
                     GLenum format, GLenum type, const void* pixels) override;
  void PixelStorei(GLenum name, GLint value) override;
  GLenum GetError() override;

 private:
  GlSeam* m_inner;
  int m_drawCalls = 0;
};
