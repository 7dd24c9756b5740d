// The GL seam over the system's fixed-function OpenGL (Mesa on the desktop) and GLFW 3.
// Each call forwards unchanged; the window size is that of the window whose context is
// current, so the device never needs to know the host's window handle.
#include <GLFW/glfw3.h>

#include "runtime/graphics/gl_seam.h"

namespace {

class RealGlSeam : public GlSeam {
 public:
  void WindowSize(int* width, int* height) override {
    *width = 0;
    *height = 0;
    if (GLFWwindow* window = glfwGetCurrentContext()) glfwGetWindowSize(window, width, height);
  }

  void Viewport(GLint x, GLint y, GLsizei width, GLsizei height) override { glViewport(x, y, width, height); }
  void MatrixMode(GLenum mode) override { glMatrixMode(mode); }
  void LoadIdentity() override { glLoadIdentity(); }
  void Ortho(GLdouble left, GLdouble right, GLdouble bottom, GLdouble top, GLdouble zNear,
             GLdouble zFar) override {
    glOrtho(left, right, bottom, top, zNear, zFar);
  }
  void EnableClientState(GLenum array) override { glEnableClientState(array); }
  void VertexPointer(GLint size, GLenum type, GLsizei stride, const void* pointer) override {
    glVertexPointer(size, type, stride, pointer);
  }
  void TexCoordPointer(GLint size, GLenum type, GLsizei stride, const void* pointer) override {
    glTexCoordPointer(size, type, stride, pointer);
  }
  void ColorPointer(GLint size, GLenum type, GLsizei stride, const void* pointer) override {
    glColorPointer(size, type, stride, pointer);
  }
  void Enable(GLenum capability) override { glEnable(capability); }
  void Disable(GLenum capability) override { glDisable(capability); }
  void BlendFunc(GLenum source, GLenum destination) override { glBlendFunc(source, destination); }
  void Scissor(GLint x, GLint y, GLsizei width, GLsizei height) override { glScissor(x, y, width, height); }
  void DrawArrays(GLenum mode, GLint first, GLsizei count) override { glDrawArrays(mode, first, count); }
  void DrawElements(GLenum mode, GLsizei count, GLenum type, const void* indices) override {
    glDrawElements(mode, count, type, indices);
  }

  void GenTextures(GLsizei count, GLuint* names) override { glGenTextures(count, names); }
  void DeleteTextures(GLsizei count, const GLuint* names) override { glDeleteTextures(count, names); }
  void BindTexture(GLenum target, GLuint name) override { glBindTexture(target, name); }
  void TexParameteri(GLenum target, GLenum name, GLint value) override { glTexParameteri(target, name, value); }
  void TexImage2D(GLenum target, GLint level, GLint internalFormat, GLsizei width, GLsizei height, GLint border,
                  GLenum format, GLenum type, const void* pixels) override {
    glTexImage2D(target, level, internalFormat, width, height, border, format, type, pixels);
  }
  void TexSubImage2D(GLenum target, GLint level, GLint x, GLint y, GLsizei width, GLsizei height,
                     GLenum format, GLenum type, const void* pixels) override {
    glTexSubImage2D(target, level, x, y, width, height, format, type, pixels);
  }
  void PixelStorei(GLenum name, GLint value) override { glPixelStorei(name, value); }
  GLenum GetError() override { return glGetError(); }
};

}  // namespace

GlSeam* gl_seam_real() {
  static RealGlSeam seam;
  return &seam;
}
