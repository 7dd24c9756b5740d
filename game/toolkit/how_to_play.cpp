// The how-to-play card of the countdown: a dark card above the countdown's clock with a
// line per control of the game ("steer", "fire"...), and a column of buttons for each
// kind of player at the table (the keyboard, each keyboard player, the pads), headed by
// the markers of the seats that play that way. With nobody at the table it shows the
// keyboard and the pads. The card fades in as the countdown starts and out before "GO"
// ends, and is hidden with the rest of the display.
#include <algorithm>

#include "game/shell/my_app.h"
#include "game/shell/virtual_screen.h"
#include "game/toolkit/glyphs.h"

namespace {

constexpr int kSeats = 4;
constexpr int kMostLines = 3;
constexpr int kIntroStart = 160;
constexpr float kFadeInFrames = 10;
constexpr float kFadeOutFrames = 30;

constexpr float kTextScale = 1.5f;
constexpr float kTitleScale = 1;
// Every text starts with a space, one advance of 7 before its first glyph, which is
// centred on its pen: a text drawn this far left of x starts its glyphs at x.
constexpr float kTextLead = 7 * kTextScale - 4;
constexpr float kTitleLead = 7 * kTitleScale - 3;
constexpr float kRowStep = 20;
constexpr float kPadding = 12;
constexpr float kVerbWidth = 96;
constexpr float kColumnWidth = 74;
constexpr float kMarkerScale = 0.45f;
constexpr float kMarkerStep = 14;
// The card ends this far above the middle of the play area, clear of the clock.
constexpr float kClearOfClock = 60;

struct Column {
  int glyphSet;
  int seats[kSeats];
  int seatCount;
};

// One column per glyph set the human seats use, in seat order.
int ColumnsOfSeats(c_MyApp& app, Column (&columns)[kSeats]) {
  int count = 0;
  for (int seat = 0; seat < kSeats; ++seat) {
    int pad = app.m_pad[seat];
    if (!c_MyApp::p_IsHumanSource(pad)) continue;
    int set = app.p_SeatGlyphSet(pad);
    Column* column = nullptr;
    for (int c = 0; c < count; ++c) {
      if (columns[c].glyphSet == set) column = &columns[c];
    }
    if (!column) {
      column = &columns[count++];
      *column = {set, {}, 0};
    }
    column->seats[column->seatCount++] = seat;
  }
  return count;
}

// Nobody to show their own buttons: the keyboard (or both of its players) and the pads.
int ColumnsForEveryone(c_MyApp& app, Column (&columns)[kSeats]) {
  int count = 0;
  if (app.p_KeyboardPlayers() == 2) {
    columns[count++] = {kLeftPlayerKeys, {}, 0};
    columns[count++] = {kRightPlayerKeys, {}, 0};
  } else {
    columns[count++] = {kKeyboardKeys, {}, 0};
  }
  columns[count++] = {kPadButtons, {}, 0};
  return count;
}

float CardAlpha(int timer) {
  float fadeIn = (kIntroStart - timer) / kFadeInFrames;
  float fadeOut = timer / kFadeOutFrames;
  return std::clamp(std::min(fadeIn, fadeOut), 0.0f, 1.0f);
}

}  // namespace

void c_MyApp::p_HowToPlayCard() {
  int lines = 0;
  while (lines < kMostLines && !p_ControlVerb(m_game, lines).IsEmpty()) ++lines;
  if (lines == 0) return;
  Column columns[kSeats];
  int columnCount = ColumnsOfSeats(*this, columns);
  bool anyoneSeated = columnCount > 0;
  if (!anyoneSeated) columnCount = ColumnsForEveryone(*this, columns);

  float alpha = CardAlpha(m_introTimer);
  float width = 2 * kPadding + kVerbWidth + columnCount * kColumnWidth;
  float height = 2 * kPadding + (lines + 1) * kRowStep;
  float centreX = static_cast<float>(static_cast<int>((zr_TinselJumble_jscrw - m_panelWidth) / 2));
  float left = centreX - width / 2;
  float top = zr_TinselJumble_jscrh / 2 - kClearOfClock - height;
  float firstRowY = top + kPadding + kRowStep / 2;

  p_ResetDraw();
  p_SetCol(0, 0, 30, 0.6f * alpha);
  p_Rect(left, top, width, height);

  int shownSet = m_glyphSet;
  p_ResetDraw();
  p_SetSize(kTitleScale);
  p_SetCol(255, 230, 120, alpha);
  p_Text(left + kPadding - kTitleLead, firstRowY, String("How to play"), 0, 1);
  for (int c = 0; c < columnCount; ++c) {
    float columnX = left + kPadding + kVerbWidth + c * kColumnWidth;
    if (anyoneSeated) {
      p_ResetDraw();
      p_SetSize(kMarkerScale);
      p_Alpha(alpha);
      for (int s = 0; s < columns[c].seatCount; ++s)
        p_DrawGfx(columnX + kMarkerStep / 2 + s * kMarkerStep, firstRowY, columns[c].seats[s]);
    } else {
      p_ResetDraw();
      p_SetSize(kTextScale);
      p_Alpha(alpha);
      m_glyphSet = columns[c].glyphSet;
      String icon = String::FromChar(kGlyphEscape) + String(columns[c].glyphSet == kPadButtons ? "H" : "G");
      p_Text(columnX - kTextLead, firstRowY, icon, 0, 1);
    }
  }

  for (int line = 0; line < lines; ++line) {
    float y = firstRowY + (line + 1) * kRowStep;
    p_ResetDraw();
    p_SetSize(kTextScale);
    p_Alpha(alpha);
    p_Text(left + kPadding - kTextLead, y, p_ControlVerb(m_game, line), 0, 1);
    String buttons = p_ControlButtons(m_game, line);
    for (int c = 0; c < columnCount; ++c) {
      m_glyphSet = columns[c].glyphSet;
      p_Text(left + kPadding + kVerbWidth + c * kColumnWidth - kTextLead, y, buttons, 0, 1);
    }
  }
  m_glyphSet = shownSet;
  p_ResetDraw();
}
