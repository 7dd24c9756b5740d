// A GL seam for tests that draws nothing and remembers what the device asked for. It can
// refuse texture sizes that are not powers of two, as some drivers do.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "runtime/graphics/gl_seam_null.h"
#include "runtime/graphics/render_device.h"

struct RecordedDraw {
  bool indexed = false;  // glDrawElements rather than glDrawArrays
  GLenum mode = 0;
  GLint first = 0;
  GLsizei count = 0;  // indices for an indexed draw, vertices otherwise
  bool textured = false;
  GLuint texture = 0;
  std::vector<gxtkVertex> vertices;  // in drawing order (indices resolved)
};

struct RecordedTexImage {
  GLuint texture;
  GLsizei width, height;
  bool accepted;
};

class RecordingGl : public NullGlSeam {
 public:
  int windowWidth = 640;
  int windowHeight = 480;
  bool refuseNonPowerOfTwo = false;

  std::vector<RecordedDraw> draws;
  std::vector<std::pair<GLenum, GLenum>> blendFuncs;
  std::vector<std::vector<GLint>> scissors;
  std::vector<std::string> events;  // "enable scissor", "disable scissor", "blend", "draw"
  std::vector<RecordedTexImage> texImages;
  std::vector<std::vector<uint8_t>> subImages;  // the bytes of each upload
  std::vector<GLuint> deletedTextures;

  void ForgetHistory();

  void WindowSize(int* width, int* height) override;
  void VertexPointer(GLint, GLenum, GLsizei stride, const void* pointer) override;
  void Enable(GLenum capability) override;
  void Disable(GLenum capability) override;
  void BlendFunc(GLenum source, GLenum destination) override;
  void Scissor(GLint x, GLint y, GLsizei width, GLsizei height) override;
  void DrawArrays(GLenum mode, GLint first, GLsizei count) override;
  void DrawElements(GLenum mode, GLsizei count, GLenum type, const void* indices) override;
  void GenTextures(GLsizei count, GLuint* names) override;
  void DeleteTextures(GLsizei count, const GLuint* names) override;
  void BindTexture(GLenum, GLuint name) override { boundTexture_ = name; }
  void TexImage2D(GLenum, GLint, GLint, GLsizei width, GLsizei height, GLint, GLenum, GLenum, const void*) override;
  void TexSubImage2D(GLenum, GLint, GLint, GLint, GLsizei width, GLsizei height, GLenum format, GLenum,
                     const void* pixels) override;
  GLenum GetError() override;

  int IndexedDraws() const;

 private:
  const gxtkVertex* vertices_ = nullptr;
  bool texturing_ = false;
  GLuint boundTexture_ = 0;
  GLuint nextTexture_ = 1;
  GLenum pendingError_ = GL_NO_ERROR;
};

// Installs a fresh recording seam and a present GL context for one test, and puts the
// real seam back afterwards.
class RecordingGlScope {
 public:
  RecordingGlScope();
  ~RecordingGlScope();
  RecordingGl gl;
};
