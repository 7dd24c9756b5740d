// The end of a party: the winner's name over a podium that rises from the floor, the
// first three players standing on their steps (the winner bouncing on the highest), the
// fourth beside it, and confetti raining from the top with bursts from the steps. Fire A
// or back returns to the menu once the podium has stood a moment; it also does so by
// itself after a while.
#include <algorithm>
#include <cmath>

#include "game/shell/my_app.h"
#include "game/shell/party.h"
#include "game/shell/virtual_screen.h"
#include "game/toolkit/actions.h"
#include "runtime/math.h"
#include "runtime/random.h"

namespace {

constexpr int kRiseFrames = 40;
constexpr int kEarliestPress = 120;
constexpr int kMenuAfter = 720;
constexpr int kBurstEvery = 90;

constexpr int kSteps = 3;
// Heights are shares of the screen's, which is 360 rather than 480 in a wide window.
constexpr float kStepHeights[kSteps] = {0.31f, 0.22f, 0.16f};
constexpr float kStepOffsets[kSteps] = {0, -124, 124};
constexpr float kStepWidth = 112;

enum ParticleKind : int { kStraight = 1, kDebris = 2 };
constexpr int kConfettiColours = 8;

}  // namespace

void c_MyApp::p_PartyPodium() {
  float screenW = zr_TinselJumble_jscrw;
  float screenH = zr_TinselJumble_jscrh;
  p_DoBG();
  p_DoSnow(0, 0);
  p_SetBG(3, 0.2f);

  // Places by points, the earlier seat first among equals; a shared score shares a rank.
  int order[kPartySeats] = {0, 1, 2, 3};
  std::stable_sort(order, order + kPartySeats, [this](int a, int b) { return m_partyPoints[a] > m_partyPoints[b]; });
  auto rankOf = [this](int seat) {
    int ahead = 0;
    for (int other = 0; other < kPartySeats; ++other) ahead += m_partyPoints[other] > m_partyPoints[seat] ? 1 : 0;
    return ahead + 1;
  };

  const float* winnerColour = kPartySeatColours[m_partyWinner];
  p_ResetDraw();
  p_SetSize(3.5f);
  p_SetCol(winnerColour[0], winnerColour[1], winnerColour[2]);
  p_Text(screenW / 2, 0.09f * screenH, String(kPartySeatNames[m_partyWinner]) + String(" wins the party!"));
  p_SetSize(1.5f);
  p_SetCol(220, 220, 255, 0.9f);
  p_Text(screenW / 2, 0.175f * screenH, String(m_partyPoints[m_partyWinner]) + String(" points after ") + String(m_partyRound) +
                              String(m_partyRound == 1 ? " round" : " rounds"));

  float rise = std::min(m_partyTimer / static_cast<float>(kRiseFrames), 1.0f);
  rise = 1 - (1 - rise) * (1 - rise);
  float floorY = 0.87f * screenH;
  for (int step = 0; step < kSteps; ++step) {
    int seat = order[step];
    const float* colour = kPartySeatColours[seat];
    float x = screenW / 2 + kStepOffsets[step];
    float height = kStepHeights[step] * screenH * rise;
    float top = floorY - height;
    p_ResetDraw();
    p_SetCol(235, 235, 250, 0.9f);
    p_Rect(x - kStepWidth / 2, top, kStepWidth, height);
    p_SetCol(colour[0], colour[1], colour[2]);
    p_Rect(x - kStepWidth / 2, top, kStepWidth, 8);
    p_SetSize(3);
    p_SetCol(70, 70, 110, rise);
    p_Text(x, top + 0.35f * height + 2, String(rankOf(seat)));
    p_SetSize(1.5f);
    p_Text(x, top + height - 14, String(m_partyPoints[seat]) + String(m_partyPoints[seat] == 1 ? " point" : " points"));

    float bounce = seat == m_partyWinner ? std::fabs(std::sin(m_partyTimer * 6 * D2R)) * 12 : 0;
    float tokenScale = seat == m_partyWinner ? 2.0f : 1.5f;
    float tokenY = top - 20 * tokenScale - bounce;
    p_ResetDraw();
    p_SetSize(tokenScale);
    p_DrawGfx(x, tokenY, seat);
    p_SetSize(2);
    p_SetCol(colour[0], colour[1], colour[2]);
    p_Text(x, tokenY - 20 * tokenScale - 16, String(kPartySeatNames[seat]));
  }
  int fourth = order[kSteps];
  p_ResetDraw();
  p_SetSize(1.5f);
  p_SetCol(kPartySeatColours[fourth][0], kPartySeatColours[fourth][1], kPartySeatColours[fourth][2], 0.9f);
  p_Text(16, floorY + 0.065f * screenH, p_Nth(rankOf(fourth)) + String("  ") + String(kPartySeatNames[fourth]) + String("  ") +
                              String(m_partyPoints[fourth]), 0, 1);

  // Confetti falls from the top all the while; a burst leaps from a step now and then,
  // the first from the winner's.
  for (int piece = 0; piece < 2; ++piece) {
    p_ThrowParticle(zr_random_Rnd() * screenW, -8, kStraight, 1 + p_Rand(0, kConfettiColours - 1),
                    180 + zr_random_Rnd() * 40 - 20, 1.5f + zr_random_Rnd() * 2);
  }
  if (m_partyTimer % kBurstEvery == kRiseFrames / 2) {
    int step = m_partyTimer < kBurstEvery ? 0 : p_Rand(0, kSteps - 1);
    float x = screenW / 2 + kStepOffsets[step];
    float top = floorY - kStepHeights[step] * screenH;
    for (int piece = 0; piece < 40; ++piece) {
      p_ThrowParticle(x, top, kDebris, 1 + p_Rand(0, kConfettiColours - 1), zr_random_Rnd() * 120 - 60,
                      4 + zr_random_Rnd() * 5);
    }
  }
  p_DoParticles(1);

  if (m_partyTimer >= kEarliestPress) {
    int glyphSet = m_glyphSet;
    m_glyphSet = PartyHintGlyphSet();
    p_ResetDraw();
    p_Text(screenW - 16, screenH - 20, String("Menu : ") + PartyGlyph('J'), 2, 1);
    p_ResetDraw();
    m_glyphSet = glyphSet;
  }
  bool pressed = m_keyLatch == 0 && (p_PlayKeyAll(kFireA, 0) > 0 || p_PlayKeyAll(kBack, 0) > 0);
  if ((pressed && m_partyTimer >= kEarliestPress) || m_partyTimer >= kMenuAfter) p_EndParty();
}
