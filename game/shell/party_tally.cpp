// The standings between a party's rounds: one row per player, best first, with a bar
// towards the target. The last round's points arrive as the menu's tally has them, the
// second place's first and the winner's last, and the rows slide into their new order.
// Below stands the next game's title and picture, or the party's winner. The next round
// starts on fire A or by itself after a few seconds, so a party of computers plays on.
#include <algorithm>

#include "game/shell/my_app.h"
#include "game/shell/party.h"
#include "game/shell/virtual_screen.h"
#include "game/toolkit/actions.h"

namespace {

constexpr int kTileSheet = 70;
constexpr int kClickSound = 99;

// Frames after the screen opens: the second place's points arrive, then the winners'.
constexpr int kSecondArrives = 40;
constexpr int kBestArrives = 70;
// Fire A moves on only once every point has arrived.
constexpr int kEarliestPress = 90;
constexpr int kNextRoundAfter = 480;
constexpr int kPodiumAfter = 210;

// Heights are shares of the screen's, which is 360 rather than 480 in a wide window.
constexpr float kFirstRow = 0.23f;
constexpr float kRowStep = 0.095f;
constexpr float kLowerPart = 0.6f;
constexpr float kTokenScale = 0.8f;
constexpr float kTokenX = 100;
constexpr float kBarX = 230;
// The next game's title, left-aligned here with its picture before it.
constexpr float kNextX = 190;

int ArrivalFrame(int points) { return points >= 2 ? kBestArrives : kSecondArrives; }

}  // namespace

void c_MyApp::p_PartyTally() {
  float screenW = zr_TinselJumble_jscrw;
  float screenH = zr_TinselJumble_jscrh;
  p_DoBG();
  p_DoSnow(0, 0);
  p_SetBG(m_partyRound % 7 + 1, 0.2f);

  // Points shown now: the round's arrive part-way through, the first screen has none.
  int shown[kPartySeats];
  for (int seat = 0; seat < kPartySeats; ++seat) {
    int points = m_partyPoints[seat] - m_partyBefore[seat];
    bool arrived = points > 0 && m_partyTimer >= ArrivalFrame(points);
    shown[seat] = m_partyBefore[seat] + (arrived ? points : 0);
    if (points > 0 && m_partyTimer == ArrivalFrame(points)) p_PlaySFX(kClickSound, 1 + 0.25f * points, 0.7f, 0);
  }

  p_ResetDraw();
  p_SetSize(3);
  p_Text(screenW / 2, 0.07f * screenH, m_partyRound == 0 ? String("Party!") : String("Round ") + String(m_partyRound));
  p_SetSize(1.5f);
  p_SetCol(220, 220, 255, 0.9f);
  p_Text(screenW / 2, 0.135f * screenH, String("First to ") + String(m_partyTarget) + String(" points"));

  float barW = std::max(screenW - kBarX - 120, 60.0f);
  for (int seat = 0; seat < kPartySeats; ++seat) {
    int ahead = 0, rank = 0;
    for (int other = 0; other < kPartySeats; ++other) {
      if (shown[other] > shown[seat]) ++ahead;
      if (shown[other] > shown[seat] || (shown[other] == shown[seat] && other < seat)) ++rank;
    }
    float targetY = (kFirstRow + rank * kRowStep) * screenH;
    float& y = m_partyRowY[seat];
    y = y <= 0 ? targetY : y + (targetY - y) / 6;
    const float* colour = kPartySeatColours[seat];

    p_ResetDraw();
    p_SetSize(kTokenScale);
    p_DrawGfx(kTokenX, y, seat);
    p_SetSize(2);
    p_Text(16, y, p_Nth(ahead + 1), 0, 1);
    p_SetCol(colour[0], colour[1], colour[2]);
    p_Text(kTokenX + 24, y, String(kPartySeatNames[seat]), 0, 1);

    p_SetCol(0, 0, 0, 0.45f);
    p_Rect(kBarX, y - 7, barW, 14);
    p_SetCol(colour[0], colour[1], colour[2], 1);
    p_Rect(kBarX, y - 7, barW * std::min(static_cast<float>(shown[seat]) / m_partyTarget, 1.0f), 14);
    p_SetCol(255, 255, 255, 0.8f);
    p_Rect(kBarX + barW - 2, y - 11, 2, 22);

    p_ResetDraw();
    p_SetSize(2.5f);
    p_Text(kBarX + barW + 36, y, String(shown[seat]));
    int points = m_partyPoints[seat] - m_partyBefore[seat];
    int since = m_partyTimer - ArrivalFrame(points);
    if (points > 0 && since >= -20) {
      p_SetSize(1.5f);
      p_SetCol(100, 255, 100, since < 60 ? 1.0f : std::max(0.0f, 1 - (since - 60) / 40.0f));
      p_Text(kBarX + barW + 70, y - 12, String("+") + String(points));
    }
  }

  float lowerY = kLowerPart * screenH;
  p_ResetDraw();
  if (m_partyWinner >= 0) {
    const float* colour = kPartySeatColours[m_partyWinner];
    if (m_partyTimer >= kBestArrives) {
      p_SetSize(3);
      p_SetCol(colour[0], colour[1], colour[2]);
      p_Text(screenW / 2, lowerY + 40, String(kPartySeatNames[m_partyWinner]) + String(" wins the party!"));
    }
  } else {
    int leader = p_PartyLeader();
    int best = *std::max_element(m_partyPoints, m_partyPoints + kPartySeats);
    if (leader < 0 && best >= m_partyTarget && m_partyTimer >= kBestArrives) {
      p_SetSize(1.5f);
      p_SetCol(255, 230, 80);
      p_Text(screenW / 2, lowerY, String("Tied at the top: one more round!"));
    }
    p_GameID(m_partyNextGame);
    p_ResetDraw();
    p_SetSize(1.5f);
    p_SetCol(220, 220, 255, 0.9f);
    p_Text(kNextX, lowerY + 22, m_partyRound == 0 ? String("First game") : String("Next game"), 0, 1);
    p_ResetDraw();
    p_SetSize(2);
    p_DrawImg(kTileSheet, kNextX - 50, lowerY + 60, static_cast<float>(m_partyNextGame - 1));
    p_SetSize(3);
    p_Ink(m_partyNextGame % 7 + 1, 5);
    p_Text(kNextX, lowerY + 50, m_gameTitle1 + String(" ") + m_gameTitle2, 0, 1);
    p_SetSize(1.5f);
    p_Ink((m_partyNextGame + 4) % 7 + 1, 5);
    p_Text(kNextX, lowerY + 82, m_gameDesc, 0, 1);
  }

  int glyphSet = m_glyphSet;
  m_glyphSet = PartyHintGlyphSet();
  p_ResetDraw();
  p_SetSize(1);
  if (m_partyWinner < 0) {
    int seconds = (kNextRoundAfter - m_partyTimer + 59) / 60;
    p_Text(screenW - 16, screenH - 52, String("Next round in ") + String(seconds), 2, 1);
  }
  p_Text(screenW - 16, screenH - 36, String(m_partyWinner >= 0 ? "Podium : " : "Play  : ") + PartyGlyph('J'), 2, 1);
  if (m_partyLeaveAsked != 0) p_SetCol(255, 230, 80);
  p_Text(screenW - 16, screenH - 20, String(m_partyLeaveAsked != 0 ? "Leave? Again : " : "Leave : ") + PartyGlyph('Q'), 2, 1);
  p_ResetDraw();
  m_glyphSet = glyphSet;

  bool pressed = m_keyLatch == 0 && m_partyTimer >= kEarliestPress &&
                 (p_PlayKeyAll(kFireA, 0) > 0 || p_PlayKeyAll(kFireD, 0) > 0);
  bool leave = m_keyLatch == 0 && p_PlayKeyAll(kBack, 0) > 0;
  if (leave) {
    m_keyLatch = 1;
    if (p_PartyLeaveAsked()) p_EndParty();
  } else if (m_partyWinner >= 0 && (pressed || m_partyTimer >= kPodiumAfter)) {
    m_keyLatch = 1;
    p_PartyWon();
  } else if (m_partyWinner < 0 && (pressed || m_partyTimer >= kNextRoundAfter)) {
    p_PartyNextRound();
  }

  // The round's banner fades away over the standings, as it does over the menu.
  p_GameOver();
}
