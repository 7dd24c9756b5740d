// The way into a party: the menu's hint and key (fire F), and the lobby where the
// players choose the target (5, 10 or 15 points, remembered in the settings), see which
// games are in the deal, and can still join or leave their seats before it starts.
// The lobby's side panel is the menu's own, so the seats look the same on both screens.
#include "game/shell/my_app.h"
#include "game/shell/party.h"
#include "game/shell/virtual_screen.h"
#include "game/toolkit/actions.h"

namespace {

enum Mode : int { kMenuMode = 1 };

constexpr int kGameCount = 26;
constexpr int kTallyTimer = 9;
constexpr int kTileSheet = 70;
constexpr int kBackdropImage = 99;
constexpr int kStartSound = 98;
constexpr int kClickSound = 99;
constexpr int kTargetCount = sizeof(kPartyTargets) / sizeof(kPartyTargets[0]);
// The small tiles of the games in the deal: two rows of thirteen.
constexpr int kTilesPerRow = 13;
constexpr float kTileStep = 26;
// Shares of the screen's height, which is 360 rather than 480 in a wide window.
constexpr float kTilesTop = 0.76f;

}  // namespace

// The party hint sits under the join and leave hints. Fire F opens the lobby when the
// menu would take a start (no box, no tally running); held with down it still belongs to
// the calendar override.
void c_MyApp::p_MenuParty() {
  float hintX = zr_TinselJumble_jscrw - 26 - 6.0f * m_menuSlide;
  int glyphSet = m_glyphSet;
  m_glyphSet = PartyHintGlyphSet();
  p_ResetDraw();
  p_Text(hintX, 96, String("Party : ") + PartyGlyph('O'), 2, 1);
  m_glyphSet = glyphSet;

  bool boxOpen = m_creditsOpen != 0 || m_optionsOpen != 0 || m_badgesOpen != 0;
  bool pressed = p_PlayKeyAll(kFireF, 0) > 0 && p_PlayKeyAll(kDown, 1) == 0;
  if (!pressed || m_keyLatch != 0 || boxOpen || m_roundPoints[kTallyTimer] != 0) return;
  m_keyLatch = 1;
  m_pointerLatch = 1;
  m_partyTimer = 0;
  m_mode = kPartyLobbyMode;
  p_PlaySFX(kClickSound);
}

void c_MyApp::p_PartyLobby() {
  float screenW = zr_TinselJumble_jscrw;
  float screenH = zr_TinselJumble_jscrh;
  float areaW = screenW - m_menuPanelW;
  p_DoBG();
  p_DoSnow(0, 0);
  p_SetBG(8, 0.25f);
  // The seat panel may still be sliding in when the lobby opens straight after the menu.
  if (m_menuSlide < 0) ++m_menuSlide;

  p_ResetDraw();
  p_SetSize(3);
  p_Alpha(0.15f);
  p_SetRot(zr_app_Millisecs() / 300.0f);
  p_DrawImg(kBackdropImage, areaW / 2, screenH / 2);

  p_ResetDraw();
  p_SetSize(4);
  p_Ink(8, 5);
  p_Text(64, 0.2f * screenH - 40, String("Party"), 0, 1);
  p_Ink(3, 5);
  p_Text(96, 0.2f * screenH, String("Of Rounds"), 0, 1);
  p_SetSize(2);
  p_Ink(5, 5);
  p_Text(64, 0.2f * screenH + 32, String("Shuffled games, one by one.\\n  First to the target wins!"), 0, 1);

  // The target, between the arrows that change it.
  int target = p_PartyTargetSetting();
  float centreX = areaW / 2;
  float targetY = 0.5f * screenH;
  int glyphSet = m_glyphSet;
  m_glyphSet = PartyHintGlyphSet();
  p_ResetDraw();
  p_SetSize(2);
  p_Text(centreX, targetY - 36, String("First to"));
  p_Text(centreX, targetY + 32, String("points"));
  p_SetSize(3);
  if (target > kPartyTargets[0]) p_Text(centreX - 90, targetY, PartyGlyph('A'));
  if (target < kPartyTargets[kTargetCount - 1]) p_Text(centreX + 90, targetY, PartyGlyph('D'));
  p_SetSize(5);
  p_SetCol(255, 230, 80);
  p_Text(centreX, targetY, String(target));

  // The games in the deal: every game open today.
  int open = 0;
  for (int game = 1; game <= kGameCount; ++game) {
    if (!p_GameOpen(game)) continue;
    float x = centreX + ((open % kTilesPerRow) - (kTilesPerRow - 1) / 2.0f) * kTileStep;
    float y = kTilesTop * screenH + (open / kTilesPerRow) * kTileStep;
    p_ResetDraw();
    p_SetSize(0.75f);
    p_DrawImg(kTileSheet, x, y, static_cast<float>(game - 1));
    ++open;
  }
  p_ResetDraw();
  p_SetSize(1.5f);
  p_Text(centreX, kTilesTop * screenH - 26, String(open) + String(open == 1 ? " game in the deal" : " games in the deal"));

  p_ResetDraw();
  p_Text(24, screenH - 40, String("Start : ") + PartyGlyph('J'), 0, 1);
  p_Text(24, screenH - 22, String("Back  : ") + PartyGlyph('Q'), 0, 1);
  m_glyphSet = glyphSet;

  p_MenuPanel();
  p_MenuJoin();

  if (m_keyLatch != 0) return;
  int step = 0;
  if (p_PlayKeyAll(kLeft, 1) > 0) step = -1;
  if (p_PlayKeyAll(kRight, 1) > 0) step = 1;
  if (step != 0) {
    m_keyLatch = 1;
    int index = 0;
    while (index < kTargetCount - 1 && kPartyTargets[index] != target) ++index;
    index += step;
    if (index >= 0 && index < kTargetCount) {
      m_settings[kPartyTargetSetting] = kPartyTargets[index];
      p_PlaySFX(kClickSound, 0.8f + 0.2f * index, 0.8f, 0);
    }
  } else if (p_PlayKeyAll(kFireA, 0) > 0 || p_PlayKeyAll(kFireD, 0) > 0) {
    m_keyLatch = 1;
    m_pointerLatch = 1;
    m_settings[kPartyTargetSetting] = target;
    p_Save();
    p_PlaySFX(kStartSound);
    p_StartParty(target);
  } else if (p_PlayKeyAll(kBack, 0) > 0) {
    m_keyLatch = 1;
    m_pointerLatch = 1;
    m_mode = kMenuMode;
    p_PlaySFX(kClickSound);
  }
}
