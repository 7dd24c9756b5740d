// The one doorway from the render device to OpenGL. The device and its surfaces call the
// fixed-function GL entry points only through the GlSeam in force, so a test can put a
// recording fake there and a windowless run can put the null seam there, which does no GL
// work at all. The real seam (the default) forwards to the system's libGL and asks GLFW
// for the size of the window whose context is current.
#pragma once

#include <GL/gl.h>

class GlSeam {
 public:
  virtual ~GlSeam() {}

  // Client size of the window being drawn into, in pixels.
  virtual void WindowSize(int* width, int* height) = 0;

  virtual void Viewport(GLint x, GLint y, GLsizei width, GLsizei height) = 0;
  virtual void MatrixMode(GLenum mode) = 0;
  virtual void LoadIdentity() = 0;
  virtual void Ortho(GLdouble left, GLdouble right, GLdouble bottom, GLdouble top, GLdouble zNear,
                     GLdouble zFar) = 0;
  virtual void EnableClientState(GLenum array) = 0;
  virtual void VertexPointer(GLint size, GLenum type, GLsizei stride, const void* pointer) = 0;
  virtual void TexCoordPointer(GLint size, GLenum type, GLsizei stride, const void* pointer) = 0;
  virtual void ColorPointer(GLint size, GLenum type, GLsizei stride, const void* pointer) = 0;
  virtual void Enable(GLenum capability) = 0;
  virtual void Disable(GLenum capability) = 0;
  virtual void BlendFunc(GLenum source, GLenum destination) = 0;
  virtual void Scissor(GLint x, GLint y, GLsizei width, GLsizei height) = 0;
  virtual void DrawArrays(GLenum mode, GLint first, GLsizei count) = 0;
  virtual void DrawElements(GLenum mode, GLsizei count, GLenum type, const void* indices) = 0;

  virtual void GenTextures(GLsizei count, GLuint* names) = 0;
  virtual void DeleteTextures(GLsizei count, const GLuint* names) = 0;
  virtual void BindTexture(GLenum target, GLuint name) = 0;
  virtual void TexParameteri(GLenum target, GLenum name, GLint value) = 0;
  virtual void TexImage2D(GLenum target, GLint level, GLint internalFormat, GLsizei width, GLsizei height,
                          GLint border, GLenum format, GLenum type, const void* pixels) = 0;
  virtual void TexSubImage2D(GLenum target, GLint level, GLint x, GLint y, GLsizei width, GLsizei height,
                             GLenum format, GLenum type, const void* pixels) = 0;
  virtual void PixelStorei(GLenum name, GLint value) = 0;
  virtual GLenum GetError() = 0;
};

// The seam the device and its surfaces use from now on; null restores the real one.
void gl_seam_use(GlSeam* seam);
GlSeam* gl_seam();

// The seam over the system's OpenGL and GLFW.
GlSeam* gl_seam_real();
// A seam that does nothing and reports a window of 640 x 480 and no GL errors.
GlSeam* gl_seam_null();
