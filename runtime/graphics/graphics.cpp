// The zr_graphics functions: frame begin and end, matrix composition, state forwarding,
// the drawing calls and image and font loading. The context is made on first use if the
// module initialiser has not made it yet, so an early call cannot find it missing.
#include "runtime/graphics/graphics.h"

#include <cmath>

#include "host/zr_game.h"
#include "runtime/diagnostics.h"
#include "runtime/storage/data_paths.h"

gxtkGraphics* zr_graphics_device = nullptr;
gxtkGraphics* zr_graphics_renderDevice = nullptr;
c_GraphicsContext* zr_graphics_context = nullptr;

namespace {

gc_root graphicsRoots([] {
  gc_mark_q(zr_graphics_device);
  gc_mark_q(zr_graphics_context);
  gc_mark_q(zr_graphics_renderDevice);
});

c_GraphicsContext* context() {
  if (!zr_graphics_context) gc_assign(zr_graphics_context, (new c_GraphicsContext)->m_new());
  return zr_graphics_context;
}

// Float to int toward zero, held to a safe range so that wild values cannot overflow.
int truncToInt(float value) {
  if (!(value == value)) return 0;
  if (value > 1.0e9f) return 1000000000;
  if (value < -1.0e9f) return -1000000000;
  return static_cast<int>(value);
}

bool hasFrame(c_Image* image, int frame) {
  return image && image->m_surface && frame >= 0 && frame < image->m_frames.Length();
}

// Draws the frame with its top-left corner at (x, y) under the device's matrix.
void drawFrame(c_Image* image, float x, float y, int frame) {
  if (image->m_flags & c_Image::kFullFrame) {
    zr_graphics_renderDevice->DrawSurface(image->m_surface, x, y);
  } else {
    c_Frame* cell = image->m_frames[frame];
    zr_graphics_renderDevice->DrawSurface2(image->m_surface, x, y, cell->m_x, cell->m_y, image->m_width,
                                           image->m_height);
  }
}

// The device to draw on, with the current matrix handed over; null outside a frame.
gxtkGraphics* validatedDevice() {
  if (!zr_graphics_renderDevice) return nullptr;
  context()->p_Validate(zr_graphics_renderDevice);
  return zr_graphics_renderDevice;
}

}  // namespace

void zr_graphics_SetGraphicsDevice(gxtkGraphics* device) { gc_assign(zr_graphics_device, device); }

void zr_graphics_BeginRender() {
  gc_assign(zr_graphics_renderDevice, zr_graphics_device);
  c_GraphicsContext* state = context();
  state->m_stackTop = 0;
  state->p_SetMatrix(1, 0, 0, 1, 0, 0);
  zr_graphics_SetColor(255, 255, 255);
  zr_graphics_SetAlpha(1);
  zr_graphics_SetBlend(0);
  // The window size the device read this frame is the one the application knows too.
  int width = zr_graphics_renderDevice ? zr_graphics_renderDevice->Width() : 0;
  int height = zr_graphics_renderDevice ? zr_graphics_renderDevice->Height() : 0;
  zr_graphics_SetScissor(0, 0, static_cast<float>(width), static_cast<float>(height));
}

void zr_graphics_EndRender() { zr_graphics_renderDevice = nullptr; }

void zr_graphics_SetMatrix(float a, float b, float c, float d, float tx, float ty) {
  context()->p_SetMatrix(a, b, c, d, tx, ty);
}

void zr_graphics_Transform(float a, float b, float c, float d, float tx, float ty) {
  context()->p_Transform(a, b, c, d, tx, ty);
}

void zr_graphics_Translate(float x, float y) { zr_graphics_Transform(1, 0, 0, 1, x, y); }

void zr_graphics_Scale(float x, float y) { zr_graphics_Transform(x, 0, 0, y, 0, 0); }

void zr_graphics_Rotate(float degrees) {
  float radians = degrees * 0.017453292f;
  float sine = static_cast<float>(std::sin(static_cast<double>(radians)));
  float cosine = static_cast<float>(std::cos(static_cast<double>(radians)));
  zr_graphics_Transform(cosine, -sine, sine, cosine, 0, 0);
}

void zr_graphics_PushMatrix() { context()->p_PushMatrix(); }

void zr_graphics_PopMatrix() { context()->p_PopMatrix(); }

void zr_graphics_SetColor(float r, float g, float b) {
  c_GraphicsContext* state = context();
  state->m_red = r;
  state->m_green = g;
  state->m_blue = b;
  if (zr_graphics_renderDevice) zr_graphics_renderDevice->SetColor(r, g, b);
}

void zr_graphics_SetAlpha(float alpha) {
  context()->m_alpha = alpha;
  if (zr_graphics_renderDevice) zr_graphics_renderDevice->SetAlpha(alpha);
}

void zr_graphics_SetBlend(int mode) {
  context()->m_blend = mode;
  if (zr_graphics_renderDevice) zr_graphics_renderDevice->SetBlend(mode);
}

void zr_graphics_SetScissor(float x, float y, float w, float h) {
  c_GraphicsContext* state = context();
  state->m_clipX = x;
  state->m_clipY = y;
  state->m_clipW = w;
  state->m_clipH = h;
  if (zr_graphics_renderDevice) {
    zr_graphics_renderDevice->SetScissor(truncToInt(x), truncToInt(y), truncToInt(w), truncToInt(h));
  }
}

void zr_graphics_DrawRect(float x, float y, float w, float h) {
  if (gxtkGraphics* device = validatedDevice()) device->DrawRect(x, y, w, h);
}

void zr_graphics_DrawLine(float x1, float y1, float x2, float y2) {
  if (gxtkGraphics* device = validatedDevice()) device->DrawLine(x1, y1, x2, y2);
}

void zr_graphics_DrawEllipse(float x, float y, float xr, float yr) {
  if (gxtkGraphics* device = validatedDevice()) device->DrawOval(x - xr, y - yr, xr * 2, yr * 2);
}

void zr_graphics_DrawImage(c_Image* image, float x, float y, int frame) {
  if (!hasFrame(image, frame) || !validatedDevice()) return;
  drawFrame(image, x - image->m_handleX, y - image->m_handleY, frame);
}

void zr_graphics_DrawImage2(c_Image* image, float x, float y, float rotation, float scaleX, float scaleY,
                            int frame) {
  if (!hasFrame(image, frame) || !zr_graphics_renderDevice) return;
  zr_graphics_PushMatrix();
  zr_graphics_Transform(1, 0, 0, 1, x, y);
  zr_graphics_Rotate(rotation);
  zr_graphics_Transform(scaleX, 0, 0, scaleY, 0, 0);
  zr_graphics_Transform(1, 0, 0, 1, -image->m_handleX, -image->m_handleY);
  validatedDevice();
  drawFrame(image, 0, 0, frame);
  zr_graphics_PopMatrix();
}

c_Image* zr_graphics_LoadImage(String path, int frameCount, int flags) {
  if (!zr_graphics_device) return nullptr;
  gxtkSurface* surface = zr_graphics_device->LoadSurface(zr_data_FixDataPath(path));
  if (!surface) return nullptr;
  return (new c_Image)->m_new()->p_Init(surface, frameCount, flags);
}

// Whether frameCount frames, laid out in rows left to right the way the image cuts
// them, fit on a sheet.
static bool FramesFit(int frameWidth, int frameHeight, int frameCount, int sheetWidth, int sheetHeight) {
  int x = 0, y = 0;
  for (int frame = 0; frame < frameCount; ++frame) {
    if (x + frameWidth > sheetWidth) {
      if (frameWidth > sheetWidth) return false;
      y += frameHeight;
      x = 0;
    }
    if (y + frameHeight > sheetHeight) return false;
    x += frameWidth;
  }
  return true;
}

c_Image* zr_graphics_LoadImage2(String path, int frameWidth, int frameHeight, int frameCount, int flags) {
  if (!zr_graphics_device) return nullptr;
  String filePath = zr_data_FixDataPath(path);
  gxtkSurface* surface = zr_graphics_device->LoadSurface(filePath);
  if (!surface) return nullptr;
  // A sheet too small for its frames is a damaged file: it is named and left out, like
  // a file that does not decode, instead of stopping the game.
  if (!FramesFit(frameWidth, frameHeight, frameCount, surface->Width(), surface->Height())) {
    String shown = ZrGame::_game ? ZrGame::_game->PathToFilePath(filePath) : filePath;
    zrWarn(String("Damaged data file ") + shown + String(" (too small for its frames)"));
    return nullptr;
  }
  return (new c_Image)->m_new()->p_Init2(surface, 0, 0, frameWidth, frameHeight, frameCount, flags, nullptr, 0, 0,
                                         surface->Width(), surface->Height());
}

void zr_graphics_SetFont(c_Image* font, int firstChar) {
  c_GraphicsContext* state = context();
  if (!font) {
    if (!state->m_builtinFont) gc_assign(state->m_builtinFont, zr_graphics_LoadImage("vobo_font.png", 96, 2));
    font = state->m_builtinFont;
    firstChar = 32;
  }
  gc_assign(state->m_font, font);
  state->m_firstChar = firstChar;
}
