// One update of the game, in a fixed order: the hardware keys the shell itself answers,
// music following the pause state, the rate meter, the pointer in virtual pixels, the
// pads (one lost mid-round pauses it), the latches, then the current screen's work and
// its overlays (or, while art is loading, only the loader), and last the late input step
// and the debug overlay. Nothing of a screen runs while the loader does, so a screen
// never sees half-loaded art.
#include "game/shell/globals.h"
#include "game/shell/my_app.h"
#include "game/shell/party.h"
#include "game/toolkit/actions.h"
#include "game/shell/virtual_screen.h"
#include "host/app.h"
#include "host/async_events.h"
#include "runtime/audio/audio.h"
#include "runtime/diagnostics.h"
#include "runtime/input/input.h"

namespace {

enum Key : int { kF1 = 112, kF2 = 113, kF4 = 115, kF11 = 122 };
enum Mode : int { kMenuMode = 1, kBackToMenuMode = 2, kSplashMode = 5, kPlayMode = 10, kSetUpMode = 11 };

constexpr int kBackButton = 19;
constexpr int kFingers = 10;
constexpr int kLeftButton = 0;
constexpr int kStartJingle = 96;
constexpr int kBoxSlideEnd = 30;

// Frames per second from the time since the last call, and its running average.
void MeasureRate(int& fps, int& average, int& lastMs) {
  int now = zr_app_Millisecs();
  if (now > lastMs) fps = 1000 / (now - lastMs);
  average = (average * 9 + fps) / 10;
  lastMs = now;
}

// A device coordinate in virtual pixels. Before the first render there is no scale yet,
// and the pointer is then taken to be at the origin.
int ToVirtual(float device, float margin, float scale) {
  if (!(scale > 0)) return 0;
  return static_cast<int>((device - margin) / scale);
}

// Moves a box's slide counter one step towards fully in (open) or fully out.
void Slide(int& slide, int open) {
  if (open != 0 && slide < kBoxSlideEnd) ++slide;
  if (open == 0 && slide > 0) --slide;
}

}  // namespace

void c_MyApp::p_OnUpdate() {
  m_vbutton[kBackButton] = zr_input_KeyHit(zr_input_KEY_BACK);
  if (zr_input_KeyHit(kF1)) zr_TinselJumble_DebugMode = 1 - zr_TinselJumble_DebugMode;
  if (zr_input_KeyHit(kF2)) m_hideHud = 1 - m_hideHud;
  if (zr_input_KeyHit(kF11)) p_FullscreenFlip();
  if (zr_input_KeyHit(kF4) || zr_input_KeyHit(zr_input_KEY_CLOSE)) zrError("");
  zr_asyncevent_UpdateAsyncEvents();

  if (zr_TinselJumble_HasMusicStream == 1 && m_musicOn == 1) {
    if (m_paused == 1)
      zr_audio_PauseMusic();
    else
      zr_audio_ResumeMusic();
  }
  MeasureRate(m_fps, m_fpsAvg, m_lastMs);

  p_ReadPointer();
  p_WatchPads();
  p_ReleaseLatches();
  // Back closes the menu's credits and badges boxes; the options box closes itself.
  bool boxOpen = m_creditsOpen != 0 || m_badgesOpen != 0 || m_optionsOpen != 0;
  if (m_pointerLatch == 0 && m_keyLatch == 0 && m_mode == kMenuMode && boxOpen &&
      p_PlayKeyAll(kBack, 0) > 0) {
    m_creditsOpen = 0;
    m_badgesOpen = 0;
    m_keyLatch = 1;
    m_pointerLatch = 1;
  }
  if (m_optionsOpen != 0) {
    m_keyLatch = 1;
    m_pointerLatch = 1;
  }

  if (m_loadSteps == 0) {
    p_ScreenWork();
    p_BoxWork();
  } else {
    p_Loader();
  }
  p_DoVirtualInput();

  if (zr_TinselJumble_DebugMode == 1 && m_mode != kSplashMode) {
    p_ResetDraw();
    String scales = String(m_scaleY) + String(",") + String(m_scaleX) + String(":") + String(m_renderFpsAvg);
    // Starts at the left margin rather than centred on it, so the whole line shows.
    p_Text(16, zr_TinselJumble_jscrh / 2, scales, 0, 1);
  }
  p_ShowBadges();
}

void c_MyApp::p_ReadPointer() {
  float marginX = zr_TinselJumble_overscan;
  float marginY = m_devW > 0 ? zr_TinselJumble_overscan * m_devH / m_devW : 0;
  bool wasDown = m_mouseDown != 0;
  bool leftDown = zr_input_MouseDown(kLeftButton) != 0;
  m_pressX = m_mouseX;
  m_pressY = m_mouseY;
  m_mouseX = ToVirtual(zr_input_MouseX(), marginX, m_scaleX);
  m_mouseY = ToVirtual(zr_input_MouseY(), marginY, m_scaleY);
  if (!wasDown && leftDown) {
    m_pressX = m_mouseX;
    m_pressY = m_mouseY;
  }
  m_mouseHits = zr_input_MouseHit(kLeftButton);
  m_touching = leftDown ? 1 : 0;
  for (int finger = 0; finger < kFingers; ++finger) {
    m_touchDown[finger] = 0;
    m_touchX[finger] = static_cast<int>(kNotGiven);
    m_touchY[finger] = static_cast<int>(kNotGiven);
    // On the desktop the mouse is finger 0 while its left button is down.
    bool down = zr_input_TouchDown(finger) != 0 || (finger == 0 && leftDown);
    if (!down) continue;
    m_touchDown[finger] = 1;
    m_touchX[finger] = ToVirtual(zr_input_TouchX(finger), marginX, m_scaleX);
    m_touchY[finger] = ToVirtual(zr_input_TouchY(finger), marginY, m_scaleY);
    m_touching = 1;
  }
  m_mouseDown = leftDown ? 1 : 0;
  if (m_touchDelay > 0) --m_touchDelay;
}

void c_MyApp::p_ScreenWork() {
  switch (m_mode) {
    case kMenuMode:
      p_Menu();
      break;
    case kBackToMenuMode:
      p_LoadMenu();
      p_PlaySFX(kStartJingle);
      m_mode = kMenuMode;
      // A party goes on to its standings instead.
      if (m_partyOn != 0) p_PartyRoundOver();
      break;
    case kPartyLobbyMode:
    case kPartyTallyMode:
    case kPodiumMode:
      p_PartyScreen();
      break;
    case kSplashMode:
      p_WaitStart(0);
      break;
    case kPlayMode:
      p_PlayRound();
      break;
    case kSetUpMode:
      p_SetUpRound();
      break;
    default:
      break;
  }
}

// The round-end overlay and the menu's boxes, after the screen has drawn beneath them.
// The overlay runs in the menu too, where it fades away (and so twice on the update that
// returns from a round).
void c_MyApp::p_BoxWork() {
  if (m_mode == kPlayMode && m_roundOver > 0) p_GameOver();
  if (m_mode == kMenuMode || m_mode == kBackToMenuMode) p_GameOver();
  if (m_mode == kMenuMode) {
    if (m_creditsOpen != 0 || m_creditsSlide > 0) p_CreditBox();
    Slide(m_creditsSlide, m_creditsOpen);
    if (m_badgesOpen != 0) p_BadgesBox();
  }
  if (m_optionsOpen != 0 || m_optionsSlide > 0) p_OptionBox();
  Slide(m_optionsSlide, m_optionsOpen);
}
