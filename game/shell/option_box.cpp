// The options box: a panel rising from below over whatever screen opened it, with a
// spinning gear to go back and one row per setting (sound mode, the iCade protocol,
// fullscreen or windowed; and when no round is paused, how many players share the
// keyboard, the advent calendar and the credits). A row is chosen by touching it or by a
// fire button while it is selected. The box keeps latches of its own and holds the
// shell's, so nothing behind it reacts and one press chooses once; nothing can be chosen
// while the box is still moving. Closing it saves the settings.
#include <initializer_list>

#include "game/shell/globals.h"
#include "game/shell/my_app.h"
#include "game/toolkit/actions.h"
#include "game/shell/virtual_screen.h"

namespace {

// The actions whose holding keeps the box's key latch set.
constexpr int kLatchActions[] = {kUp, kLeft, kRight, kDown, kFireA, kFireB, kFireC, kFireD, kFireE, kFireF, kBack};

enum Row : int {
  kBackRow = 0,
  kSoundRow = 1,
  kICadeRow = 2,
  kWindowRow = 3,
  kKeyboardRow = 4,
  kCalendarRow = 5,
  kCreditsRow = 6,
};

enum SoundMode : int { kSoundOff = 0, kSoundAll = 1, kEffectsOnly = 2, kMusicOnly = 3, kSoundModes = 4 };
constexpr int kSoundModeSetting = 5;
// 0 one keyboard player, 1 two; 0 every game open, 1 one more each day of December.
constexpr int kKeyboardPlayersSetting = 20;
constexpr int kCalendarSetting = 21;

constexpr int kSlideEnd = 30;
constexpr int kGearImage = 95;
constexpr int kGearFrames[] = {8, 9, 10};
constexpr float kGearTurns[] = {0.66f, -0.33f, -1};
constexpr float kGearSpinStep = 0.2f;
constexpr float kGearY = 60;
constexpr int kChimeSound = 99;
constexpr int kVirtualButtons = 20;

bool AnyPressed(c_MyApp& app, std::initializer_list<int> actions, int mode) {
  for (int action : actions) {
    if (app.p_PlayKeyAll(action, mode) > 0) return true;
  }
  return false;
}

bool AnyFire(c_MyApp& app) { return AnyPressed(app, {kFireA, kFireB, kFireC, kFireD, kFireE, kFireF}, 0); }

// A stored mode the box cannot show (a mode with music while there is none, or a value
// from a damaged state file) becomes Off.
int ShownSoundMode(int mode) {
  bool known = mode >= kSoundOff && mode < kSoundModes;
  if (!known) return kSoundOff;
  if (zr_TinselJumble_HasMusicStream == 0 && mode > kSoundAll) return kSoundOff;
  return mode;
}

String SoundLabel(int mode) {
  if (zr_TinselJumble_HasMusicStream == 0) return String(mode == kSoundAll ? "Sound : On" : "Sound : Off");
  static const char* const kLabels[kSoundModes] = {"Sound : Off", "Sound : SFX + Music", "Sound : SFX",
                                                   "Sound : Music"};
  return String(kLabels[mode]);
}

// Draws one row's bar and label; a touch on the bar selects the row. Returns whether the
// row was chosen, which needs both of the box's latches free.
bool OptionRow(c_MyApp& app, int row, float x, float y, float width, const String& label) {
  bool selected = app.m_optionsSel == row;
  app.p_ResetDraw();
  if (selected)
    app.p_SetCol(0, 180, 255, 0.5f);
  else
    app.p_SetCol(0, 0, 160, 0.5f);
  bool touched = app.p_Touch(x, y - 2, width, 24) != 0;
  if (touched) app.m_optionsSel = row;
  app.p_ResetDraw();
  app.p_SetSize(2);
  app.p_Text(100, y, label, 0, 0);
  bool latchesFree = app.m_optKeyLatch == 0 && app.m_optTouchLatch == 0;
  return latchesFree && (touched || (selected && AnyFire(app)));
}

}  // namespace

void c_MyApp::p_OptionBox() {
  float screenW = zr_TinselJumble_jscrw;
  float screenH = zr_TinselJumble_jscrh;
  p_ResetDraw();
  m_keyLatch = 1;
  m_pointerLatch = 1;
  if (m_optionsSlide < kSlideEnd) {
    m_optKeyLatch = 1;
    m_optTouchLatch = 1;
  }
  float top = (kSlideEnd - m_optionsSlide) * 24.0f;
  int lastRow = m_paused == 0 ? kCreditsRow : kWindowRow;
  if (m_optionsSel < kBackRow || m_optionsSel > lastRow) m_optionsSel = kBackRow;

  p_SetCol(150, 75, 0, 0.85f);
  p_Rect(50, top, screenW - 100, screenH);

  // The gear rolls in from the left as the panel rises.
  m_gearSpin += kGearSpinStep;
  float gearX = (m_optionsSlide * 3 - 90) * 4 + 100.0f;
  p_ResetDraw();
  p_SetSize(m_optionsSel == kBackRow ? 2 : 1.5f);
  bool gearTouched = false;
  for (int piece = 0; piece < 3; ++piece) {
    m_drawRot = kGearTurns[piece] * m_gearSpin;
    if (piece == 0)
      gearTouched = p_Button(kGearImage, gearX, kGearY, kGearFrames[piece]) != 0;
    else
      p_DrawImg(kGearImage, gearX, kGearY, static_cast<float>(kGearFrames[piece]));
  }
  p_ResetDraw();
  p_SetSize(2);
  p_Text(gearX + 76, kGearY, String("<[BACK]"), 0, 1);
  bool latchesFree = m_optKeyLatch == 0 && m_optTouchLatch == 0;
  if (latchesFree && (gearTouched || p_PlayKeyAll(kBack, 0) > 0)) p_CloseOptions();

  float rowY = top + 130;
  float rowW = screenW - 168;
  int soundMode = ShownSoundMode(m_settings[kSoundModeSetting]);
  m_settings[kSoundModeSetting] = soundMode;
  if (OptionRow(*this, kSoundRow, 84, rowY, rowW, SoundLabel(soundMode))) {
    p_ChooseOption();
    if (zr_TinselJumble_HasMusicStream == 1) {
      soundMode = (soundMode + 1) % kSoundModes;
      if (soundMode == kSoundOff || soundMode == kEffectsOnly) p_StopTune();
    } else {
      soundMode = soundMode == kSoundOff ? kSoundAll : kSoundOff;
    }
    m_settings[kSoundModeSetting] = soundMode;
  }

  rowY += 40;
  String iCadeLabel(zr_TinselJumble_iCadeControls == 1 ? "iCade : On" : "iCade : Off");
  if (OptionRow(*this, kICadeRow, 84, rowY, rowW, iCadeLabel)) {
    p_ChooseOption();
    p_iCade(zr_TinselJumble_iCadeControls == 1 ? 0 : 1);
    for (int button = 0; button < kVirtualButtons; ++button) m_vbutton[button] = 0;
  }

  rowY += 40;
  String windowLabel(m_fullscreen == 1 ? "Windowed" : "Fullscreen");
  if (OptionRow(*this, kWindowRow, 84, rowY, rowW, windowLabel)) {
    p_ChooseOption();
    p_FullscreenFlip();
  }

  // The players' seats and the calendar are the menu's business, and so is the credits
  // box: a paused round offers none of them.
  if (m_paused == 0) {
    rowY += 40;
    String keyboardLabel(p_KeyboardPlayers() == 2 ? "Keyboard : 2 Players" : "Keyboard : 1 Player");
    if (OptionRow(*this, kKeyboardRow, 84, rowY, rowW, keyboardLabel)) {
      p_ChooseOption();
      // Two players take the letter keys the iCade protocol would read as its own.
      bool two = p_KeyboardPlayers() == 1;
      if (two && zr_TinselJumble_iCadeControls == 1) p_iCade(0);
      m_settings[kKeyboardPlayersSetting] = two ? 1 : 0;
    }

    rowY += 40;
    bool advent = m_settings[kCalendarSetting] == 1;
    String calendarLabel(advent ? "Calendar : Advent" : "Calendar : All Open");
    if (OptionRow(*this, kCalendarRow, 84, rowY, rowW, calendarLabel)) {
      p_ChooseOption();
      m_settings[kCalendarSetting] = advent ? 0 : 1;
    }

    rowY += 50;
    if (OptionRow(*this, kCreditsRow, 84, rowY, 180, String("Credits"))) {
      m_optionsOpen = 0;
      m_creditsOpen = 1;
      m_optKeyLatch = 0;
      m_optTouchLatch = 0;
    }
  }

  if (m_optKeyLatch == 0) p_OptionKeys(lastRow);

  if (m_touching == 0) m_optTouchLatch = 0;
  bool anyHeld = false;
  for (int action : kLatchActions) anyHeld = anyHeld || p_PlayKeyAll(action, 1) > 0;
  if (!anyHeld) m_optKeyLatch = 0;
  p_ResetDraw();
}

// Fire on the gear's row closes the box; the directions walk the rows.
void c_MyApp::p_OptionKeys(int lastRow) {
  if (m_optionsSel == kBackRow && AnyPressed(*this, {kFireF, kFireA, kFireB}, 0)) {
    p_CloseOptions();
    return;
  }
  int step = 0;
  if (AnyPressed(*this, {kUp, kLeft}, 1)) {
    if (m_optionsSel > kBackRow) step = -1;
  } else if (AnyPressed(*this, {kDown, kRight}, 1)) {
    if (m_optionsSel < lastRow) step = 1;
  }
  if (step == 0) return;
  m_optionsSel += step;
  m_optKeyLatch = 1;
  p_PlaySFX(kChimeSound);
}

void c_MyApp::p_ChooseOption() {
  m_optKeyLatch = 1;
  m_optTouchLatch = 1;
  p_PlaySFX(kChimeSound);
}

// Both latches are taken, so the press that closed the box cannot also choose a row
// while it slides away.
void c_MyApp::p_CloseOptions() {
  m_optionsOpen = 0;
  m_optKeyLatch = 1;
  m_optTouchLatch = 1;
  p_PlaySFX(kChimeSound);
  p_Save();
}
