// The countdown before a round: the how-to-play card, each player's icon gliding from
// its score-panel slot to its start position and showing who plays it (computer,
// keyboard or joystick, with that player's own buttons), a dot circling the middle of the
// play area while 4, 3, 2, 1 and "GO" count down, and on the last frame every player
// bursting into sparks of its colour. Computer players are drawn fainter, so the humans
// can find themselves at a glance.
#include <algorithm>
#include <cmath>

#include "game/shell/my_app.h"
#include "game/shell/virtual_screen.h"
#include "runtime/math.h"
#include "runtime/random.h"

namespace {

constexpr int kFramesPerCount = 40;
// The icon glides during the countdown's first frames (from 160 down to this).
constexpr int kGlideEndsAt = 140;
constexpr int kIconFadeFrom = 70;
constexpr int kLabelFadeFrom = 90;
constexpr float kFadeFrames = 30;
constexpr float kHumanAlpha = 0.75f;
constexpr float kComputerAlpha = 0.45f;
constexpr float kClockRadius = 45;
constexpr int kBurstParticles = 16;
constexpr int kSparkKind = 5;
constexpr float kIconMargin = 40;

enum PlayerField { kIconX = 91, kIconY = 92, kStartX = 93, kStartY = 94 };


float FadeAlpha(float fullAlpha, int fadeFrom, int timer) {
  return std::clamp(fullAlpha - (fadeFrom - timer) / kFadeFrames, 0.0f, 0.75f);
}

// One glide step of an icon coordinate towards its target; the divisor shrinks to 1,
// so the icon arrives exactly and then sits.
void Glide(float& value, float target, int divisor) {
  value -= (value - target) / divisor;
  if (std::fabs(value - target) < 1) value = target;
}

}  // namespace

void c_MyApp::p_PreAction() {
  int timer = m_introTimer;
  if (timer <= 0) return;

  if (m_hideHud == 0) {
    p_HowToPlayCard();
    int shownGlyphSet = m_glyphSet;
    int divisor = std::max(1, timer - kGlideEndsAt);
    for (int player = 0; player <= 3; ++player) {
      float* row = m_players.Data() + player * 100;
      int pad = m_pad[player];
      bool human = p_IsHumanSource(pad);
      float fullAlpha = human ? kHumanAlpha : kComputerAlpha;
      Glide(row[kIconX], row[kStartX], divisor);
      Glide(row[kIconY], row[kStartY], divisor);

      // A player who starts at the screen's edge (on a floor, in a lane) still sees its
      // whole icon and label: they are drawn kept inside the screen.
      float iconX = std::clamp(row[kIconX], kIconMargin, zr_TinselJumble_jscrw - kIconMargin);
      float iconY = std::clamp(row[kIconY], kIconMargin, zr_TinselJumble_jscrh - kIconMargin);
      p_ResetDraw();
      p_SetSize(2);
      if (human) p_SetRot(-45);
      p_Alpha(FadeAlpha(fullAlpha, kIconFadeFrom, timer));
      p_DrawGfx(iconX, iconY, player);

      p_ResetDraw();
      p_Alpha(FadeAlpha(fullAlpha, kLabelFadeFrom, timer));
      m_glyphSet = p_SeatGlyphSet(pad);
      p_Text(iconX, iconY, p_SeatLabel(pad));

      if (timer == 1) {
        for (int spark = 0; spark < kBurstParticles; ++spark) {
          float angle = spark * 360.0f / kBurstParticles;
          p_ThrowParticle(row[kIconX], row[kIconY], kSparkKind, p_PlayCol(player), angle,
                          3 + zr_random_Rnd() * 5);
        }
      }
    }
    m_glyphSet = shownGlyphSet;
  }

  float centreX = static_cast<float>(
      static_cast<int>((zr_TinselJumble_jscrw - m_panelWidth) / 2));
  float centreY = zr_TinselJumble_jscrh / 2;
  float clockAngle = (timer % kFramesPerCount) * 9 * D2R;
  p_ResetDraw();
  p_SetCol(100, 255, 100, 1);
  p_Oval(centreX + std::sin(clockAngle) * kClockRadius,
         centreY - std::cos(clockAngle) * kClockRadius, 8, 8);

  p_ResetDraw();
  p_SetSize(4);
  p_Alpha(0.75f);
  int count = timer / kFramesPerCount;
  p_Text(centreX, centreY, count > 0 ? String(count) : String("GO"));
  p_ResetDraw();
}
