// The options box from the menu: the settings that belong to the whole party (how many
// players share the keyboard, the advent calendar) are chosen before a game starts, so
// the menu opens the box too, with up or a click on its hint at the foot of the player
// panel. Inside a round the pause menu opens it as before.
#include "game/shell/my_app.h"
#include "game/toolkit/actions.h"
#include "game/shell/virtual_screen.h"

namespace {

constexpr int kTallyTimer = 9;
constexpr float kHintLift = 14;
// The hint's box for a click: it reaches this far left of the panel's right edge.
constexpr float kHintWidth = 120;
constexpr float kHintHeight = 16;
constexpr int kClickSound = 99;

}  // namespace

void c_MyApp::p_MenuOptions() {
  float hintY = zr_TinselJumble_jscrh - kHintLift;
  p_ResetDraw();
  p_PanelHint(hintY, String("Options : "), 'W');

  bool boxOpen = m_creditsOpen != 0 || m_optionsOpen != 0 || m_badgesOpen != 0;
  if (boxOpen || m_roundPoints[kTallyTimer] != 0) return;
  float hintRight = zr_TinselJumble_jscrw - 6.0f * m_menuSlide;
  bool keyed = m_keyLatch == 0 && p_PlayKeyAll(kUp, 0) > 0;
  bool clicked = m_pointerLatch == 0 &&
                 p_MouseIn(hintRight - kHintWidth, hintY - kHintHeight / 2, kHintWidth, kHintHeight) != 0;
  if (!keyed && !clicked) return;
  m_optionsOpen = 1;
  m_keyLatch = 1;
  m_pointerLatch = 1;
  p_PlaySFX(kClickSound);
}
