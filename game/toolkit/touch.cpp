// Touch and pointer tests of the shell's screens: on-screen buttons drawn from an image
// frame, touch bars, and plain boxes. A finger is one of the ten touch slots the update
// fills (slot 0 is the mouse while its left button is down); every test is strict, so a
// finger exactly on an edge is outside.
#include <cmath>

#include "game/shell/my_app.h"

namespace {

constexpr int kFingers = 10;
// Touch bars answer a little outside their drawn box, more to the right and below,
// where the finger hides the bar less.
constexpr float kTouchSlackBefore = 6;
constexpr float kTouchSlackAfter = 12;

bool FingerInside(const c_MyApp& app, int finger, float left, float top, float right, float bottom) {
  if (app.m_touchDown[finger] == 0) return false;
  float x = static_cast<float>(app.m_touchX[finger]);
  float y = static_cast<float>(app.m_touchY[finger]);
  return x > left && x < right && y > top && y < bottom;
}

bool AnyFingerInside(const c_MyApp& app, float left, float top, float right, float bottom) {
  for (int finger = 0; finger < kFingers; ++finger) {
    if (FingerInside(app, finger, left, top, right, bottom)) return true;
  }
  return false;
}

}  // namespace

// A mirrored button (negative scale) is as large as it looks.
int c_MyApp::p_Button(int image, float x, float y, int frame) {
  p_DrawImg(image, x, y, static_cast<float>(frame));
  float halfW = std::fabs(p_FrameInfo(3 * image) * m_imgScale * m_drawScaleX / 2);
  float halfH = std::fabs(p_FrameInfo(3 * image + 1) * m_imgScale * m_drawScaleY / 2);
  m_hit = m_touching > 0 && AnyFingerInside(*this, x - halfW, y - halfH, x + halfW, y + halfH) ? 1 : 0;
  return m_hit;
}

int c_MyApp::p_Touch(float x, float y, float w, float h) {
  p_Rect(x, y, w, h);
  return AnyFingerInside(*this, x - kTouchSlackBefore, y - kTouchSlackBefore, x + w + kTouchSlackAfter,
                         y + h + kTouchSlackAfter)
             ? 1
             : 0;
}

int c_MyApp::p_MouseIn(float x, float y, float w, float h) {
  return AnyFingerInside(*this, x, y, x + w, y + h) ? 1 : 0;
}

