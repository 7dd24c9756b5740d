// The GL seam for running without a window: every call does nothing, so the device can
// batch and flush as usual while no GL context exists. It reports the 640 x 480 window the
// game starts with, never an error and texture name 0. Fakes that only care
// about a few calls (counting draws, say) derive from it and override those.
#pragma once

#include "runtime/graphics/gl_seam.h"

class NullGlSeam : public GlSeam {
 public:
  void WindowSize(int* width, int* height) override {
    *width = 640;
    *height = 480;
  }

  void Viewport(GLint, GLint, GLsizei, GLsizei) override {}
  void MatrixMode(GLenum) override {}
  void LoadIdentity() override {}
  void Ortho(GLdouble, GLdouble, GLdouble, GLdouble, GLdouble, GLdouble) override {}
  void EnableClientState(GLenum) override {}
  void VertexPointer(GLint, GLenum, GLsizei, const void*) override {}
  void TexCoordPointer(GLint, GLenum, GLsizei, const void*) override {}
  void ColorPointer(GLint, GLenum, GLsizei, const void*) override {}
  void Enable(GLenum) override {}
  void Disable(GLenum) override {}
  void BlendFunc(GLenum, GLenum) override {}
  void Scissor(GLint, GLint, GLsizei, GLsizei) override {}
  void DrawArrays(GLenum, GLint, GLsizei) override {}
  void DrawElements(GLenum, GLsizei, GLenum, const void*) override {}

  void GenTextures(GLsizei count, GLuint* names) override {
    for (GLsizei i = 0; i < count; ++i) names[i] = 0;
  }
  void DeleteTextures(GLsizei, const GLuint*) override {}
  void BindTexture(GLenum, GLuint) override {}
  void TexParameteri(GLenum, GLenum, GLint) override {}
  void TexImage2D(GLenum, GLint, GLint, GLsizei, GLsizei, GLint, GLenum, GLenum, const void*) override {}
  void TexSubImage2D(GLenum, GLint, GLint, GLint, GLsizei, GLsizei, GLenum, GLenum, const void*) override {}
  void PixelStorei(GLenum, GLint) override {}
  GLenum GetError() override { return GL_NO_ERROR; }
};
