// The game-select menu, one frame of it: the offered game's picture and texts over a
// slowly turning backdrop, the player panel, the tile strip, the cursor, the joining and
// the options, then starting the game, the credits button and the drag guard. The order
// is the drawing order, and it is also the order in which the pieces claim the latches,
// so a press that started a game is never also taken by a later piece.
#include "game/shell/globals.h"
#include "game/shell/my_app.h"
#include "game/toolkit/actions.h"
#include "game/shell/virtual_screen.h"
#include "host/app.h"
#include "runtime/diagnostics.h"
#include "runtime/random.h"

namespace {

enum Mode : int { kSetUpMode = 11 };

constexpr int kGameCount = 26;
constexpr int kTallyTimer = 9;
// Draws that follow a reseed and are thrown away, so the first value used is well mixed.
constexpr int kDiscardedDraws = 11;

constexpr int kBackdropImage = 99;
constexpr int kTileSheet = 70;
constexpr int kLockedPicture = 62;
constexpr int kLogoImage = 93;
constexpr int kLockedGameTexts = 63;
constexpr int kStartSound = 98;
constexpr int kClickSound = 99;

}  // namespace

void c_MyApp::p_Menu() {
  float screenW = zr_TinselJumble_jscrw;
  float screenH = zr_TinselJumble_jscrh;
  p_DoBG();
  p_DoSnow(0, 0);
  zr_random_Seed = static_cast<uint32_t>(zr_app_Millisecs());
  for (int draw = 0; draw < kDiscardedDraws; ++draw) zr_random_Rnd();

  if (m_menuSlide < 0) ++m_menuSlide;

  p_ResetDraw();
  p_SetSize(3);
  p_Alpha(0.15f);
  p_SetRot(-(zr_app_Millisecs() / 300.0f));
  p_DrawImg(kBackdropImage, screenW / 2, screenH / 2);
  p_ResetDraw();

  if (m_keyLatch == 0 && m_pointerLatch == 0 && p_PlayKeyAll(kBack, 0) > 0) zrError("");

  p_UnlockOverrideKeys();
  if (m_menuGame < 1 || m_menuGame > kGameCount) m_menuGame = 1;
  m_game = m_menuGame;
  int offeredOpen = p_GameOpen(m_menuGame);
  p_GameID(offeredOpen ? m_menuGame : kLockedGameTexts);

  p_SetSize(8);
  p_Alpha(0.25f);
  p_DrawImg(kTileSheet, (screenW - m_menuPanelW) / 2, screenH / 2 - 64,
            static_cast<float>(offeredOpen ? m_menuGame - 1 : kLockedPicture));

  p_ResetDraw();
  p_SetSize(4);
  p_Ink(m_menuGame % 7 + 1, 5);
  p_Text(64, 0.2f * screenH - 40, m_gameTitle1, 0, 1);
  p_Ink((m_menuGame + 1) % 7 + 1, 5);
  p_Text(96, 0.2f * screenH, m_gameTitle2, 0, 1);
  p_SetSize(2);
  p_Ink((m_menuGame + 4) % 7 + 1, 5);
  p_Text(64, 0.2f * screenH + 32, m_gameDesc, 0, 1);
  // The highscore lists are kept per game; the best of them is worth showing the players
  // before they choose.
  if (offeredOpen) {
    p_SetSize(1.5f);
    p_Text(64, 0.2f * screenH + 96, String("Best: ") + String(m_highscores[(m_menuGame - 1) * 10]), 0, 1);
  }
  p_ResetDraw();

  p_MenuPanel();
  p_MenuTiles();
  p_MenuCursor();
  p_MenuJoin();
  p_MenuOptions();
  p_MenuParty();
  p_MenuBadges();

  bool boxOpen = m_creditsOpen != 0 || m_optionsOpen != 0 || m_badgesOpen != 0;
  bool startPressed = p_PlayKeyAll(kFireA, 0) > 0 || p_PlayKeyAll(kFireD, 0) > 0;
  if (startPressed && m_keyLatch == 0 && !boxOpen && offeredOpen && m_roundPoints[kTallyTimer] == 0) {
    m_mode = kSetUpMode;
    m_keyLatch = 1;
    m_pointerLatch = 1;
    p_PlaySFX(kStartSound);
    m_glyphSet = 0;
  }

  p_ResetDraw();
  p_SetSize(0.35f);
  int creditsHit = p_Button(kLogoImage, screenW - 70, 4.0f * m_menuSlide + 32, 0);
  p_ResetDraw();
  if (creditsHit && m_pointerLatch == 0 && !boxOpen) {
    m_creditsOpen = 1;
    m_pointerLatch = 1;
    p_PlaySFX(kClickSound);
  }

  // A pointer that moves sideways is dragging, not pressing the credits button.
  float dragX = static_cast<float>(m_mouseX - m_pressX);
  if (m_touching > 0 && !boxOpen && m_pointerLatch != 1 && (dragX < 0 ? -dragX : dragX) * 1.5f > 2)
    m_pointerLatch = 2;
}
