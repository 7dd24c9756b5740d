// The menu's player panel at the right edge: how to join and leave, the four seats with
// who holds each (the computer, the keyboard or a joystick) and their running totals,
// and the tally that flies the last round's points into those totals once the menu is
// back. Joining and leaving wait for the tally, so a seat never changes hands while its
// points are still on their way. With two keyboard players each joins on its own keys,
// and the hints and seats show each its own.
#include "game/shell/my_app.h"
#include "game/toolkit/actions.h"
#include "game/shell/virtual_screen.h"
#include "game/toolkit/glyphs.h"
#include "host/app.h"

namespace {

constexpr int kSeats = 4;
constexpr int kTallyTimer = 9;
constexpr int kTallyStart = 120;
// Joining and leaving open up only in the last frames of the tally.
constexpr int kTallyJoinLimit = 5;
constexpr int kKeyboard = -1;
constexpr int kSecondKeyboard = 5;
// A seat value that also counts as free, besides 0.
constexpr int kFreedSeat = -10;

// The hints show the controller's buttons and the keyboard's keys in turn.
constexpr int kGlyphCycleMs = 2400;
// Room for one more button glyph to the right of a hint.
constexpr float kGlyphStep = 16;

// "¬" and a letter: a button glyph. Built from its code, since a narrow literal would
// widen the character's UTF-8 bytes into two wrong units.
String Glyph(char letter) { return String::FromChar(kGlyphEscape) + String::FromChar(letter); }


}  // namespace

void c_MyApp::p_MenuPanel() {
  float screenW = zr_TinselJumble_jscrw;
  float screenH = zr_TinselJumble_jscrh;
  float panelX = screenW - m_menuPanelW - 4.0f * m_menuSlide;

  p_ResetDraw();
  p_SetCol(0, 0, 0, 0.4f);
  p_Rect(panelX, 0, m_menuPanelW, screenH);

  p_ResetDraw();
  m_glyphSet = zr_app_Millisecs() % kGlyphCycleMs < kGlyphCycleMs / 2 ? 1 : 0;
  p_PanelHint(64, String("Join  : "), 'K');
  p_PanelHint(80, String("Leave : "), 'L');

  float centreX = panelX + m_menuPanelW / 2;
  int rowStep = static_cast<int>((screenH - 16) / 6);
  int& tally = m_roundPoints[kTallyTimer];
  if (tally > kTallyStart) tally = kTallyStart;
  for (int seat = 0; seat < kSeats; ++seat) {
    float y = 1.5f * rowStep + (seat + 1) * rowStep;
    int source = m_pad[seat];
    p_ResetDraw();
    if (!p_IsHumanSource(source)) {
      p_Alpha(0.35f);
      p_DrawGfx(centreX, y, seat);
      p_ResetDraw();
      p_Text(centreX + 40, y, p_SeatLabel(source), 1, 1);
    } else {
      p_SetRot(-45);
      p_Alpha(0.75f);
      p_DrawGfx(centreX, y, seat);
      p_ResetDraw();
      m_glyphSet = p_SeatGlyphSet(source);
      p_Text(centreX + 40, y, p_SeatLabel(source), 1, 1);
    }
    p_SetSize(1.5f);
    p_Text(centreX - 64, y, String(m_totalScore[seat]), 0, 1);

    // Points fly in from the left and land in the total: the second place's half-way
    // through the tally, the winner's at its very end.
    if (tally > 0) {
      int points = m_roundPoints[seat];
      int offset = ((2 - points) * 30 - tally) * 3;
      if (offset <= -2) p_Text(centreX - 64 + (offset > -32 ? offset : -32), y, String(points), 0, 1);
      if (offset == -3) m_totalScore[seat] += points;
    }
  }
  if (tally > 0) --tally;
  p_ResetDraw();
}

// A hint right-aligned at the panel's hint column: the label and the button, which is
// the pad's or the keyboard's as m_glyphSet says; in the keyboard's turn with two
// keyboard players, the left player's key and then the right player's.
void c_MyApp::p_PanelHint(float y, const String& label, char letter) {
  float hintX = zr_TinselJumble_jscrw - 26 - 6.0f * m_menuSlide;
  if (m_glyphSet == kPadButtons || p_KeyboardPlayers() == 1) {
    p_Text(hintX, y, label + Glyph(letter), 2, 1);
    return;
  }
  int shownSet = m_glyphSet;
  m_glyphSet = kLeftPlayerKeys;
  p_Text(hintX - kGlyphStep, y, label + Glyph(letter), 2, 1);
  m_glyphSet = kRightPlayerKeys;
  p_Text(hintX, y, Glyph(letter), 2, 1);
  m_glyphSet = shownSet;
}

void c_MyApp::p_MenuJoin() {
  // The keyboard's right-hand player has no keys of its own with one keyboard player.
  if (p_KeyboardPlayers() == 1) {
    for (int seat = 0; seat < kSeats; ++seat) {
      if (m_pad[seat] == kSecondKeyboard) m_pad[seat] = 0;
    }
  }
  if (m_roundPoints[kTallyTimer] >= kTallyJoinLimit) return;
  int lastSource = p_LastSource();
  for (int source = kKeyboard; source <= lastSource; ++source) {
    if (source == 0) continue;
    if (p_PlayKey(kFireB, 0, source)) {
      bool seated = false;
      for (int seat = 0; seat < kSeats; ++seat) seated = seated || m_pad[seat] == source;
      for (int seat = 0; seat < kSeats && !seated; ++seat) {
        if (m_pad[seat] == 0 || m_pad[seat] == kFreedSeat) {
          m_pad[seat] = source;
          seated = true;
        }
      }
    }
    if (p_PlayKey(kFireC, 0, source)) {
      for (int seat = 0; seat < kSeats; ++seat) {
        if (m_pad[seat] == source) m_pad[seat] = 0;
      }
    }
  }
}
