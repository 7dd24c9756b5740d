// The credits box, a modal overlay of the menu: a framed panel of square cells with the
// title card in the middle, the credit lines scrolling slowly upwards (faster while up
// or down is held) and fading at the top and bottom, and four corner discs showing the
// screen, the update and render rates and the close icon. It slides in and out with
// m_creditsSlide; any press closes it.
#include <algorithm>
#include <cmath>

#include "game/shell/globals.h"
#include "game/shell/my_app.h"
#include "game/toolkit/actions.h"
#include "game/shell/virtual_screen.h"

namespace {

constexpr float kSlideFrames = 30;
// Below this the corner discs grow with the slide instead of sitting at full size.
constexpr float kDiscGrowFrames = 20;
constexpr int kCellsAcross = 12;

constexpr float kScrollPerFrame = 0.3f;
constexpr float kFastScroll = 1.5f;
constexpr float kLineHeight = 16;
constexpr int kFirstShownLine = -3;
constexpr int kLastShownLine = 4;

constexpr int kTitleCardImage = 91;
constexpr int kLogoImage = 98;
constexpr int kMakersLogoImage = 93;
constexpr int kButtonsImage = 95;
constexpr int kCornerPictureFrame = 12;
constexpr int kCloseSound = 99;

}  // namespace

void c_MyApp::p_CreditBox() {
  float screenW = zr_TinselJumble_jscrw;
  float screenH = zr_TinselJumble_jscrh;
  float cell = std::max(screenW, screenH) / kCellsAcross;
  int columns = static_cast<int>(screenW / cell);
  int rows = static_cast<int>(screenH / cell);
  float left = (screenW - columns * cell) / 2;
  float top = (screenH - rows * cell) / 2;
  float closing = kSlideFrames - m_creditsSlide;
  float boxAlpha = std::min(std::max(m_creditsSlide / kSlideFrames, 0.0f), 1.0f);
  p_ResetDraw();

  // The panel: an outer ring of black cells, a lighter ring inside it and a dark middle.
  p_SetCol(0, 0, 0, boxAlpha);
  p_Rect(left, top, columns * cell, rows * cell);
  for (int row = 1; row < rows - 1; ++row) {
    for (int column = 1; column < columns - 1; ++column) {
      int ring = std::min({column, row, columns - 1 - column, rows - 1 - row});
      if (ring != 1) continue;
      p_SetCol(70, 70, 130, boxAlpha);
      p_Rect(left + column * cell + 2, top + row * cell + 2, cell - 4, cell - 4);
    }
  }
  if (columns > 4 && rows > 4) {
    p_SetCol(25, 25, 55, boxAlpha);
    p_Rect(left + 2 * cell, top + 2 * cell, (columns - 4) * cell, (rows - 4) * cell);
  }

  float raise = 24 * closing;
  p_SetCol(255, 255, 255, boxAlpha);
  p_DrawImg(kTitleCardImage, screenW / 2, screenH / 2 - raise);

  m_creditScroll -= kScrollPerFrame;
  if (p_PlayKeyAll(kUp, 1) > 0 || p_PlayKeyAll(kDown, 1) > 0) m_creditScroll -= kFastScroll;
  while (m_creditScroll < -kLineHeight) {
    m_creditScroll += kLineHeight;
    m_creditLine += 1;
  }
  // The last line ("End") closes the text and is never shown; the rest cycle for ever.
  int cycle = zr_TinselJumble_CreditText.Length() - 1;
  for (int k = kFirstShownLine; k <= kLastShownLine && cycle > 0; ++k) {
    float offset = kLineHeight * k + m_creditScroll;
    float fade = 1 - (std::fabs(offset) / 40 - 0.3f);
    p_SetCol(255, 255, 255, boxAlpha * std::min(std::max(fade, 0.0f), 1.0f));
    int line = ((m_creditLine + k) % cycle + cycle) % cycle;
    p_Text(screenW / 2 + 24, screenH / 2 - raise + offset, zr_TinselJumble_CreditText[line]);
  }

  p_SetCol(255, 255, 255, boxAlpha);
  p_SetSize(0.4f);
  p_DrawImg(kLogoImage, screenW / 2, top + (rows - 0.5f) * cell);

  float discRadius = m_creditsSlide < kDiscGrowFrames ? cell * m_creditsSlide / kDiscGrowFrames : cell;
  float nearX = left + cell / 2 - 6 * closing;
  float farX = left + (columns - 0.5f) * cell + 6 * closing;
  float nearY = top + cell / 2 - 3 * closing;
  float farY = top + (rows - 0.5f) * cell + 3 * closing;
  const float discX[4] = {nearX, farX, nearX, farX};
  const float discY[4] = {nearY, nearY, farY, farY};
  for (int corner = 0; corner < 4; ++corner) {
    p_ResetDraw();
    p_Alpha(boxAlpha);
    p_Oval(discX[corner], discY[corner], discRadius, discRadius);
    p_SetCol(128, 128, 128);
    float innerRadius = std::max(discRadius - 3, 0.0f);
    p_Oval(discX[corner], discY[corner], innerRadius, innerRadius);
  }
  p_SetCol(255, 255, 255);
  p_SetSize(0.8f);
  const int screenFacts[2][3] = {{m_devW, m_devH, m_fpsAvg},
                                 {static_cast<int>(screenW), static_cast<int>(screenH), m_renderFpsAvg}};
  for (int corner = 0; corner < 2; ++corner) {
    for (int fact = 0; fact < 3; ++fact) {
      p_Text(discX[corner], discY[corner] + 16 * (fact - 1), String(screenFacts[corner][fact]));
    }
  }
  p_SetSize(1);
  p_DrawImg(kButtonsImage, discX[2], discY[2], kCornerPictureFrame);
  p_SetSize(0.3f);
  p_DrawImg(kMakersLogoImage, discX[3], discY[3]);
  p_ResetDraw();

  if (m_creditsOpen == 0) return;
  bool pointerPress = m_touching > 0 && m_pointerLatch == 0;
  bool keyPress = m_keyLatch == 0 &&
                  (p_PlayKeyAll(kFireA, 0) > 0 || p_PlayKeyAll(kFireB, 0) > 0 || p_PlayKeyAll(kFireF, 0) > 0);
  if (pointerPress) m_pointerLatch = 1;
  if (keyPress) m_keyLatch = 1;
  if (pointerPress || keyPress) {
    m_creditsOpen = 0;
    p_PlaySFX(kCloseSound);
  }
}
