// Copies the vertices each draw call would read, quad indices resolved, as GL sees them.
#include "recording_gl.h"

namespace {

bool isPowerOfTwo(GLsizei size) { return size > 0 && (size & (size - 1)) == 0; }

}  // namespace

void RecordingGl::ForgetHistory() {
  draws.clear();
  blendFuncs.clear();
  scissors.clear();
  events.clear();
  texImages.clear();
  subImages.clear();
  deletedTextures.clear();
}

void RecordingGl::WindowSize(int* width, int* height) {
  *width = windowWidth;
  *height = windowHeight;
}

void RecordingGl::VertexPointer(GLint, GLenum, GLsizei, const void* pointer) {
  // The x of vertex 0 is the start of the vertex itself.
  vertices_ = static_cast<const gxtkVertex*>(pointer);
}

void RecordingGl::Enable(GLenum capability) {
  if (capability == GL_TEXTURE_2D) texturing_ = true;
  if (capability == GL_SCISSOR_TEST) events.push_back("enable scissor");
}

void RecordingGl::Disable(GLenum capability) {
  if (capability == GL_TEXTURE_2D) texturing_ = false;
  if (capability == GL_SCISSOR_TEST) events.push_back("disable scissor");
}

void RecordingGl::BlendFunc(GLenum source, GLenum destination) {
  blendFuncs.emplace_back(source, destination);
  events.push_back("blend");
}

void RecordingGl::Scissor(GLint x, GLint y, GLsizei width, GLsizei height) {
  scissors.push_back({x, y, width, height});
}

void RecordingGl::DrawArrays(GLenum mode, GLint first, GLsizei count) {
  RecordedDraw draw;
  draw.mode = mode;
  draw.first = first;
  draw.count = count;
  draw.textured = texturing_;
  draw.texture = boundTexture_;
  for (GLsizei i = 0; i < count; ++i) draw.vertices.push_back(vertices_[first + i]);
  draws.push_back(draw);
  events.push_back("draw");
}

void RecordingGl::DrawElements(GLenum mode, GLsizei count, GLenum, const void* indices) {
  RecordedDraw draw;
  draw.indexed = true;
  draw.mode = mode;
  draw.count = count;
  draw.textured = texturing_;
  draw.texture = boundTexture_;
  const uint16_t* index = static_cast<const uint16_t*>(indices);
  for (GLsizei i = 0; i < count; ++i) draw.vertices.push_back(vertices_[index[i]]);
  draws.push_back(draw);
  events.push_back("draw");
}

void RecordingGl::GenTextures(GLsizei count, GLuint* names) {
  for (GLsizei i = 0; i < count; ++i) names[i] = nextTexture_++;
}

void RecordingGl::TexImage2D(GLenum, GLint, GLint, GLsizei width, GLsizei height, GLint, GLenum, GLenum,
                             const void*) {
  bool accepted = !refuseNonPowerOfTwo || (isPowerOfTwo(width) && isPowerOfTwo(height));
  if (!accepted) pendingError_ = GL_INVALID_VALUE;
  texImages.push_back({boundTexture_, width, height, accepted});
}

void RecordingGl::TexSubImage2D(GLenum, GLint, GLint, GLint, GLsizei width, GLsizei height, GLenum format, GLenum,
                                const void* pixels) {
  size_t bytesPerPixel = format == GL_RGBA ? 4 : format == GL_RGB ? 3 : format == GL_LUMINANCE_ALPHA ? 2 : 1;
  const uint8_t* bytes = static_cast<const uint8_t*>(pixels);
  subImages.emplace_back(bytes, bytes + static_cast<size_t>(width) * height * bytesPerPixel);
}

void RecordingGl::DeleteTextures(GLsizei count, const GLuint* names) {
  for (GLsizei i = 0; i < count; ++i) deletedTextures.push_back(names[i]);
}

GLenum RecordingGl::GetError() {
  GLenum error = pendingError_;
  pendingError_ = GL_NO_ERROR;
  return error;
}

int RecordingGl::IndexedDraws() const {
  int count = 0;
  for (const RecordedDraw& draw : draws) count += draw.indexed ? 1 : 0;
  return count;
}

RecordingGlScope::RecordingGlScope() {
  gl_seam_use(&gl);
  glfwGraphicsSeq = 1;
}

RecordingGlScope::~RecordingGlScope() {
  gl_seam_use(nullptr);
  glfwGraphicsSeq = 0;
}
