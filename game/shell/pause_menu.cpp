// The pause menu: the stopped game's screen dims while a panel of three round buttons
// (end the round, resume, options) slides in from the left beside the drawing toy and
// the word "PAUSED". A button acts on a touch, or on fire A while it is selected; up and
// down move the selection and back resumes. Resuming only starts the panel sliding out:
// play goes on once it has gone, so the players see the game come back rather than jump.
#include <cmath>

#include "game/shell/my_app.h"
#include "game/toolkit/actions.h"
#include "game/shell/virtual_screen.h"

namespace {

enum PauseButton : int { kEndRound = -1, kResume = 0, kOptions = 1 };

constexpr int kPanelClosed = -64;
constexpr int kPanelStep = 24;
// Below this the panel counts as gone even before it is fully off screen.
constexpr int kPanelGone = -32;

constexpr int kIconImage = 97;
constexpr int kGearImage = 95;
constexpr int kEndRoundFrame = 1;
constexpr int kResumeFrame = 3;
constexpr int kRingFrame = 6;
constexpr int kGearOuterFrame = 8;
constexpr int kGearInnerFrames[] = {9, 10};

constexpr int kClickSound = 98;
constexpr int kChimeSound = 99;
constexpr float kPauseVolume = 0.5f;
constexpr float kGearSpinStep = 0.2f;

// The toy and the title stand right of centre, clear of the button column.
constexpr float kToyShift = 96;

}  // namespace

void c_MyApp::p_PauseMenu() {
  float screenW = zr_TinselJumble_jscrw;
  float screenH = zr_TinselJumble_jscrh;
  p_CLS2D();
  p_DoBG();

  p_SetCol(0, 0, 0, std::fabs(static_cast<float>(m_pausePanelY)) / (0.8f * screenH));
  p_Rect(0, 0, screenW, screenH);

  if (m_pauseSel == 1 && m_pausePanelY < screenH / 2) m_pausePanelY += kPanelStep;
  if (m_pauseSel == -1) {
    if (m_pausePanelY < kPanelClosed + 1) {
      m_paused = 0;
    } else {
      m_pausePanelY -= kPanelStep;
      if (m_pausePanelY < kPanelGone) m_paused = 0;
    }
  }

  p_PauseToy();

  p_ResetDraw();
  p_SetSize(4);
  p_Text(screenW / 2 + kToyShift, screenH / 2, String("PAUSED"));
  if (m_padLost != 0) {
    p_SetSize(2);
    p_Text(screenW / 2 + kToyShift, screenH / 2 + 48, String("Pad ") + String(m_padLost) + String(" unplugged"));
  }
  p_PartyPauseHint();

  int panelX = static_cast<int>(64 - (screenH / 2 - m_pausePanelY));
  float panelY = static_cast<float>(m_pausePanelY);
  bool landscape = m_landscape != 0;

  p_ResetDraw();
  p_SetSize(2);
  p_SetCol(50, 50, 250);
  p_PauseButton(kResume, panelX, 196, p_Button(kIconImage, panelX, 196, kResumeFrame));

  float endX = landscape ? panelX : static_cast<int>(screenW / 2 - 96);
  float endY = landscape ? 96 : panelY - 96;
  p_ResetDraw();
  p_SetSize(2);
  p_SetCol(255, 50, 50);
  p_PauseButton(kEndRound, endX, endY, p_Button(kIconImage, endX, endY, kEndRoundFrame));

  float gearX = landscape ? panelX : screenW / 2 + kToyShift;
  float gearY = landscape ? 296 : panelY - 96;
  if (m_optionsOpen == 0) m_gearSpin += kGearSpinStep;
  p_ResetDraw();
  m_drawRot = 0.66f * m_gearSpin;
  int gearTouched = p_Button(kGearImage, gearX, gearY, kGearOuterFrame);
  m_drawRot = -0.33f * m_gearSpin;
  for (int frame : kGearInnerFrames) p_DrawImg(kGearImage, gearX, gearY, static_cast<float>(frame));
  p_PauseButton(kOptions, gearX, gearY, gearTouched);

  if (m_keyLatch == 0 && p_PlayKeyAll(kBack, 0) > 0) {
    m_keyLatch = 1;
    // In a party back asks to leave it, and resuming is fire A's.
    if (!p_PartyBackInPause()) p_PauseAction(kResume, false);
  }
  p_ResetDraw();
}

// One button's turn after it is drawn: its touch, then, when it is the selected one, its
// ring and the keys that act on it or move the selection away from it.
void c_MyApp::p_PauseButton(int button, float x, float y, int touched) {
  if (touched != 0 && m_pointerLatch == 0) {
    m_pointerLatch = 1;
    p_PauseAction(button, true);
  }
  if (m_pauseSub != button) return;

  p_ResetDraw();
  p_SetSize(2.5f);
  p_SetCol(255, 255, 100);
  p_DrawImg(kIconImage, x, y, kRingFrame);

  if (m_keyLatch != 0) return;
  if (p_PlayKeyAll(kFireA, 0) > 0) {
    m_keyLatch = 1;
    // Ending the round also swallows the pointer, so nothing in the round's end reacts.
    if (button == kEndRound) m_pointerLatch = 1;
    p_PauseAction(button, false);
    return;
  }
  bool up = p_PlayKeyAll(kUp, 1) > 0;
  bool down = p_PlayKeyAll(kDown, 1) > 0;
  int next = button;
  float pitch = 0.8f;
  if (button == kResume && up) next = kEndRound;
  if (button == kResume && !up && down) {
    next = kOptions;
    pitch = 1.2f;
  }
  if ((button == kEndRound && down) || (button == kOptions && up)) next = kResume;
  if (next == button) return;
  m_pauseSub = next;
  m_keyLatch = 1;
  p_PlaySFX(kClickSound, pitch, kPauseVolume, 0);
}

void c_MyApp::p_PauseAction(int button, bool byTouch) {
  switch (button) {
    case kEndRound:
      m_paused = 0;
      m_pauseSel = -1;
      m_pausePanelY = kPanelClosed;
      m_roundOver = 1;
      m_roundEndedEarly = 1;
      p_PlaySFX(kClickSound, 0.5f, kPauseVolume, 0);
      break;
    case kResume:
      m_pauseSel = -1;
      p_PlaySFX(kClickSound, 1, kPauseVolume, 0);
      break;
    case kOptions:
      m_optionsOpen = 1;
      if (byTouch)
        p_PlaySFX(kChimeSound);
      else
        p_PlaySFX(kClickSound, 1, kPauseVolume, 0);
      break;
    default:
      break;
  }
}
