// One table of stars drawn two ways: a parallax layer that drifts with the camera, and
// falling snow. Ten floats per star in m_stars (frame, x, y, depth, direction, rotation,
// spin); stars 0..m_starCount are used. Depth is both the parallax factor and the alpha,
// so far stars move slower and look fainter. Stars leaving the margin around the screen
// wrap to the far side, so the layer never thins out.
#include <cmath>

#include "game/shell/my_app.h"
#include "game/shell/virtual_screen.h"
#include "runtime/math.h"
#include "runtime/random.h"

namespace {

constexpr int kStarSize = 10;
constexpr int kSheetImage = 96;

enum Field { kFrame, kX, kY, kDepth, kDirection, kRotation, kSpin };

float NewFrame() { return std::floor(zr_random_Rnd() * 255.99f); }
float NewDepth() { return zr_random_Rnd() * 0.6f + 0.2f; }
float NewX() { return zr_random_Rnd() * (zr_TinselJumble_jscrw + 16) - 8; }
float NewY() { return zr_random_Rnd() * (zr_TinselJumble_jscrh + 16) - 8; }

// Stars may lie this far outside the screen before they wrap; the overscan strip is
// visible on the window, so it is covered too.
float Margin() { return zr_TinselJumble_overscan + 16; }

// The count is a public field, so the last star is also bounded by the table itself.
int LastStar(const Array<float>& table, int count) {
  return zr_math_Min(count, table.Length() / kStarSize - 1);
}

// Moves a star that has left the margin one wrap distance back across the screen,
// with a fresh position along the other axis, depth and frame so the wrap is not seen
// as the same star returning.
void WrapStar(float* star) {
  float margin = Margin();
  float wrapX = 2 * margin + zr_TinselJumble_jscrw;
  float wrapY = 2 * margin + zr_TinselJumble_jscrh;
  bool wrapped = false;
  if (star[kX] < -margin || star[kX] > zr_TinselJumble_jscrw + margin) {
    star[kX] += star[kX] < -margin ? wrapX : -wrapX;
    star[kY] = NewY();
    wrapped = true;
  }
  if (star[kY] < -margin || star[kY] > zr_TinselJumble_jscrh + margin) {
    star[kY] += star[kY] < -margin ? wrapY : -wrapY;
    star[kX] = NewX();
    wrapped = true;
  }
  if (wrapped) {
    star[kDepth] = NewDepth();
    star[kFrame] = NewFrame();
  }
}

}  // namespace

void c_MyApp::p_ResetStars(int n) {
  if (n >= 1 && n < 500) m_starCount = n;
  for (int index = 0; index <= LastStar(m_stars, m_starCount); ++index) {
    float* star = m_stars.Data() + index * kStarSize;
    star[kFrame] = NewFrame();
    star[kX] = NewX();
    star[kY] = NewY();
    star[kDepth] = NewDepth();
    star[kRotation] = zr_random_Rnd() * 360;
    star[kSpin] = zr_random_Rnd() - 0.5f;
  }
}

void c_MyApp::p_DoStars(float dx, float dy) {
  p_ResetDraw();
  for (int index = 0; index <= LastStar(m_stars, m_starCount); ++index) {
    float* star = m_stars.Data() + index * kStarSize;
    star[kX] += dx * star[kDepth];
    star[kY] += dy * star[kDepth];
    WrapStar(star);
    star[kRotation] += star[kSpin];
    p_Alpha(star[kDepth]);
    p_DrawImg(kSheetImage, star[kX], star[kY], star[kFrame]);
  }
  // The last star's alpha must not leak into what the game draws next.
  p_ResetDraw();
}

void c_MyApp::p_DoSnow(float dx, float dy) {
  p_ResetDraw();
  for (int index = 0; index <= LastStar(m_stars, m_starCount); ++index) {
    float* star = m_stars.Data() + index * kStarSize;
    // The jitter is biased downwards, so flakes sink even in still air.
    star[kX] += dx * star[kDepth] + (zr_random_Rnd() * 0.6f - 0.3f);
    star[kY] += dy * star[kDepth] + (zr_random_Rnd() * 0.9f - 0.3f);
    WrapStar(star);
    star[kRotation] += star[kSpin];
    p_Alpha(star[kDepth]);
    p_SetRot(-star[kRotation]);
    p_DrawImg(kSheetImage, star[kX], star[kY], star[kFrame]);
  }
  p_ResetDraw();
}

