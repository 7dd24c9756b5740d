// The render step does no game logic: it fills the window with the background colour,
// fits the virtual screen to the window and replays the draw list the update collected,
// mapping each entry from virtual pixels to the window. The larger of the two scale
// factors wins, so the virtual screen keeps its design size on one axis and is shorter
// on the other, and has the window's shape.
#include "game/shell/my_app.h"
#include "game/shell/virtual_screen.h"
#include "host/app.h"
#include "runtime/graphics/graphics.h"

namespace {

constexpr int kImageIds = 100;
constexpr float kAdditiveBlend = 3;

// The device's alpha is a byte: an alpha outside 0..1 would wrap around into another
// value, so it is held at the nearest end.
float ClampAlpha(float alpha) {
  if (alpha < 0) return 0;
  if (alpha > 1) return 1;
  return alpha;
}

// Ties go to the width.
void FitToDevice(c_MyApp& app, int devW, int devH) {
  float overscan = zr_TinselJumble_overscan;
  float sx = (devW - 2 * overscan) / zr_TinselJumble_rawscrw;
  float sy = (devH - 2 * overscan) / zr_TinselJumble_rawscrh;
  if (sx >= sy) {
    app.m_scaleX = app.m_scaleY = sx;
    app.m_fitAxis = 1;
    zr_TinselJumble_jscrw = zr_TinselJumble_rawscrw;
    zr_TinselJumble_jscrh = devH * zr_TinselJumble_rawscrw / devW;
  } else {
    app.m_scaleX = app.m_scaleY = sy;
    app.m_fitAxis = 2;
    zr_TinselJumble_jscrw = devW * zr_TinselJumble_rawscrh / devH;
    zr_TinselJumble_jscrh = zr_TinselJumble_rawscrh;
  }
  app.m_landscape = zr_TinselJumble_jscrh <= zr_TinselJumble_jscrw ? 1 : 0;
}

// Draws every whole entry of the list, each point mapped to (scale x + originX,
// scale y + originY); images whose slot is empty are skipped.
void Replay(const c_MyApp& app, float originX, float originY) {
  float sx = app.m_scaleX;
  float sy = app.m_scaleY;
  int blend = -1;
  // The count is a public field: only entries inside the list are read.
  int used = app.m_drawCount < app.m_drawList.Length() ? app.m_drawCount : app.m_drawList.Length();
  const float* list = app.m_drawList.Data();
  for (int start = 0; start + kDrawEntrySize <= used; start += kDrawEntrySize) {
    const float* entry = list + start;
    zr_graphics_SetAlpha(ClampAlpha(entry[7]));
    zr_graphics_SetColor(entry[10], entry[11], entry[12]);
    // A blend change flushes the device's batch, so it is made only when it differs.
    int entryBlend = entry[13] == kAdditiveBlend ? 1 : 0;
    if (entryBlend != blend) {
      zr_graphics_SetBlend(entryBlend);
      blend = entryBlend;
    }
    float kind = entry[0];
    float x = sx * entry[1] + originX;
    float y = sy * entry[2] + originY;
    if (kind == kDrawRect) {
      zr_graphics_DrawRect(x, y, entry[4] * sx, entry[5] * sy);
    } else if (kind == kDrawOval) {
      zr_graphics_DrawEllipse(x, y, entry[4] * sx, entry[5] * sy);
    } else if (kind == kDrawLine) {
      zr_graphics_DrawLine(x, y, sx * entry[4] + originX, sy * entry[5] + originY);
    } else if (kind >= 0 && kind < kImageIds) {
      c_Image* image = app.m_images[static_cast<int>(kind)];
      if (image)
        zr_graphics_DrawImage2(image, x, y, entry[3], entry[4] * sx * app.m_imgScale,
                               entry[5] * sy * app.m_imgScale, static_cast<int>(entry[6]));
    }
  }
}

}  // namespace

void c_MyApp::p_OnRender() {
  int now = zr_app_Millisecs();
  if (now > m_lastRenderMs) m_renderFps = 1000 / (now - m_lastRenderMs);
  m_renderFpsAvg = (m_renderFpsAvg * 9 + m_renderFps) / 10;
  m_lastRenderMs = now;

  int devW = zr_app_DeviceWidth();
  int devH = zr_app_DeviceHeight();
  zr_graphics_SetColor(m_bgR, m_bgG, m_bgB);
  zr_graphics_SetAlpha(ClampAlpha(m_bgAlpha));
  zr_graphics_DrawRect(-1, -1, static_cast<float>(devW + 2), static_cast<float>(devH + 2));
  zr_graphics_SetColor(255, 255, 255);
  zr_graphics_SetAlpha(1);

  // New art for the new size; the loader picks the resolution.
  if (devW != m_devW || devH != m_devH) {
    m_devW = devW;
    m_devH = devH;
    m_loadSteps = 1;
  }
  // A minimised window has no area to fit to; the last fit stays until it has one.
  if (devW > 0 && devH > 0) {
    FitToDevice(*this, devW, devH);
    float overscan = zr_TinselJumble_overscan;
    Replay(*this, overscan, overscan * devH / devW);
  }
  zr_graphics_SetAlpha(0.5f);
  zr_graphics_SetColor(255, 255, 255);
}
