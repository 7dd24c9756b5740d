// The menu's way into the badges panel: a hint under the join and leave hints, and fire E
// (or a touch on the hint) to open the panel and again to close it. Down held with fire E
// belongs to the calendar override, so it leaves the panel alone.
#include "game/shell/my_app.h"
#include "game/toolkit/actions.h"
#include "game/shell/virtual_screen.h"
#include "game/toolkit/glyphs.h"
#include "host/app.h"

namespace {

constexpr float kHintY = 112;
constexpr float kHintWidth = 84;
constexpr float kHintHeight = 16;
// The hints show the controller's buttons and the keyboard's keys in turn.
constexpr int kGlyphCycleMs = 2400;
constexpr int kClickSound = 99;

}  // namespace

void c_MyApp::p_MenuBadges() {
  float hintX = zr_TinselJumble_jscrw - 26 - 6.0f * m_menuSlide;
  p_ResetDraw();
  m_glyphSet = zr_app_Millisecs() % kGlyphCycleMs < kGlyphCycleMs / 2 ? 1 : 0;
  p_Text(hintX, kHintY, String("Badges: ") + String::FromChar(kGlyphEscape) + String("U"), 2, 1);

  bool otherBox = m_creditsOpen != 0 || m_optionsOpen != 0;
  bool keyed = m_keyLatch == 0 && p_PlayKeyAll(kFireE, 0) > 0 && p_PlayKeyAll(kDown, 0) == 0;
  bool touched = m_pointerLatch == 0 && p_MouseIn(hintX - kHintWidth, kHintY - kHintHeight / 2, kHintWidth, kHintHeight);
  if (otherBox || !(keyed || touched)) return;
  m_badgesOpen = 1 - m_badgesOpen;
  if (m_badgesOpen != 0) {
    m_badgeScroll = 0;
    m_badgeScrollTarget = 0;
  }
  m_keyLatch = 1;
  m_pointerLatch = 1;
  p_PlaySFX(kClickSound);
}
