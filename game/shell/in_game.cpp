// Pausing a running game: the back key or fire D on any source, or a touch on the pause
// icon in the top-left corner. Each way uses up its press (the key or the pointer latch)
// so the press that paused does not also act in the pause menu.
#include "game/shell/my_app.h"
#include "game/toolkit/actions.h"

namespace {

constexpr int kIcons = 97;
constexpr float kIconX = 16;
constexpr float kIconY = 16;
constexpr int kPauseSound = 98;

}  // namespace

void c_MyApp::p_InGame() {
  p_ResetDraw();
  m_menuSlide = -32;
  bool pressed = p_PlayKeyAll(kBack, 0) > 0 || p_PlayKeyAll(kFireD, 0) > 0;
  if (pressed && m_paused == 0 && m_keyLatch == 0) {
    m_keyLatch = 1;
    p_EnterPause();
  }
  if (m_hideHud == 0) {
    p_Alpha(0.2f);
    bool touched = p_Button(kIcons, kIconX, kIconY, 0) != 0;
    p_ResetDraw();
    if (touched && m_paused == 0 && m_pointerLatch == 0) {
      m_pointerLatch = 1;
      p_EnterPause();
    }
  }
  if (m_paused == 1) p_PauseMenu();
}

void c_MyApp::p_EnterPause() {
  m_paused = 1;
  m_padLost = 0;
  m_pauseSel = 1;
  m_pauseSub = 0;
  p_PlaySFX(kPauseSound, 1, 0.5f, 0);
}
