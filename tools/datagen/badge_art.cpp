// The badge pictures ("badges", 64 x 64, frame = badge id - 128). Each game has two: a
// gold medal on a ribbon for winning it, and a rosette for its harder badge, both showing
// the game's tile picture on the game's menu colour; the rosette's corner token says what
// the badge asks (a count, a time, no life lost, a lead, a feat). The collection badges
// are round seals in a laurel wreath, each with a picture of its own.
#include <cmath>
#include <string>
#include <vector>

#include "art_kit.h"
#include "font.h"
#include "sheet.h"

namespace datagen {

std::vector<SheetDef> tileSheets();  // tiles.cpp

namespace {

constexpr float kPi = 3.14159265f;
float rad(float d) { return d * kPi / 180; }
const float OW = kOutline;
constexpr int kGames = 26;
constexpr int kCollectionBadges = 8;

// The menu's seven tints; game g wears tint (g mod 7) + 1, as its tile does.
Rgba gameTone(int game) {
  static const Rgba tones[7] = {rgb(220, 50, 50),  rgb(240, 140, 40), rgb(225, 190, 30), rgb(50, 170, 70),
                                rgb(30, 170, 200), rgb(50, 90, 220),  rgb(140, 70, 200)};
  return tones[game % 7];
}

// What each game's harder badge asks, shown as the rosette's token (game A first).
enum Token { kCount, kTime, kNoLoss, kLead, kFeat };
const Token kTokens[kGames] = {kFeat,  kNoLoss, kCount, kLead,  kCount, kTime,  kCount, kCount, kCount,
                               kNoLoss, kTime,  kTime,  kNoLoss, kCount, kTime,  kCount, kTime,  kLead,
                               kLead,  kLead,  kCount, kCount, kTime,  kCount, kFeat,  kCount};

// Game g's tile picture, centred on (cx, cy) at the given size.
void gameEmblem(Painter& p, int game, float cx, float cy, float size) {
  static const FrameFn tile = tileSheets().front().draw;
  p.push();
  p.translate(cx - size / 2, cy - size / 2);
  p.scale(size / 32);
  tile(p, game - 1);
  p.pop();
}

void ribbon(Painter& p, Rgba left, Rgba right) {
  p.polygon({20, 1, 29, 1, 36, 22, 27, 22}, Paint(left), OW);
  p.polygon({44, 1, 35, 1, 28, 22, 37, 22}, Paint(right), OW);
}

void shine(Painter& p, float cx, float cy, float r) {
  highlight(p, cx - r * 0.35f, cy - r * 0.45f, r * 0.45f, r * 0.2f, 0.45f);
  p.star(cx + r * 0.55f, cy - r * 0.6f, 4.5f, 1.1f, 4, 0, Paint(kWhite));
}

void winMedal(Painter& p, int game) {
  Rgba tone = gameTone(game);
  ribbon(p, shade(tone, 0.8f), shade(tone, 1.3f));
  float cx = 32, cy = 39;
  p.circle(cx, cy, 23, radialGradient(cx - 7, cy - 9, 34, rgb(255, 240, 150), kGold), OW);
  p.ring(cx, cy, 21, 1.2f, Paint(rgb(200, 130, 20)));
  p.circle(cx, cy, 18, glossy(tone, cx, cy, 18), OW * 0.8f);
  gameEmblem(p, game, cx, cy, 30);
  shine(p, cx, cy, 18);
}

void token(Painter& p, Token kind, float cx, float cy) {
  p.circle(cx, cy, 9, radialGradient(cx - 3, cy - 3, 12, rgb(255, 240, 150), kGold), OW);
  Paint ink(kInk);
  switch (kind) {
    case kCount:  // a plus: more of them
      p.line(cx - 4.5f, cy, cx + 4.5f, cy, 2.4f, ink);
      p.line(cx, cy - 4.5f, cx, cy + 4.5f, 2.4f, ink);
      break;
    case kTime:  // a clock face
      p.circle(cx, cy, 5.6f, Paint(kWhite), 0.9f);
      p.line(cx, cy, cx, cy - 4, 1.1f, ink);
      p.line(cx, cy, cx + 3, cy + 1, 1.1f, ink);
      break;
    case kNoLoss: {  // a whole heart
      Paint red(rgb(230, 40, 60));
      p.circle(cx - 2.4f, cy - 1.6f, 3, red);
      p.circle(cx + 2.4f, cy - 1.6f, 3, red);
      p.polygon({cx - 5.2f, cy - 0.6f, cx + 5.2f, cy - 0.6f, cx, cy + 5.4f}, red);
      break;
    }
    case kLead:  // two chevrons pointing up: well ahead
      p.polyline({cx - 4.5f, cy + 0.5f, cx, cy - 4, cx + 4.5f, cy + 0.5f}, 2, ink);
      p.polyline({cx - 4.5f, cy + 5, cx, cy + 0.5f, cx + 4.5f, cy + 5}, 2, ink);
      break;
    case kFeat:  // a flash
      p.polygon({cx + 1.5f, cy - 6, cx - 4, cy + 1, cx - 0.5f, cy + 1, cx - 1.5f, cy + 6, cx + 4, cy - 1,
                 cx + 0.5f, cy - 1},
                ink);
      break;
  }
}

void skillRosette(Painter& p, int game) {
  Rgba tone = gameTone(game);
  float cx = 32, cy = 28;
  // Two tails hang below the rosette.
  p.polygon({22, 36, 31, 40, 26, 62, 21, 57, 16, 61}, Paint(shade(tone, 0.75f)), OW);
  p.polygon({42, 36, 33, 40, 38, 62, 43, 57, 48, 61}, Paint(shade(tone, 0.75f)), OW);
  p.star(cx, cy, 27, 23, 20, 0, radialGradient(cx - 8, cy - 8, 36, rgb(245, 248, 255), rgb(165, 175, 200)), OW);
  p.ring(cx, cy, 21, 1.2f, Paint(rgb(120, 130, 160)));
  p.circle(cx, cy, 19, glossy(shade(tone, 0.85f), cx, cy, 19), OW * 0.8f);
  gameEmblem(p, game, cx, cy, 30);
  shine(p, cx, cy, 19);
  token(p, kTokens[game - 1], 50, 48);
}

// A collection seal: a gold disc with a coloured face and a laurel wreath inside its rim.
void seal(Painter& p, Rgba face) {
  float cx = 32, cy = 32;
  p.star(cx, cy, 30, 27.5f, 24, 0, radialGradient(cx - 8, cy - 10, 40, rgb(255, 240, 150), kGold), OW);
  p.circle(cx, cy, 23, glossy(face, cx, cy, 23), OW * 0.8f);
  Paint leaf(rgb(60, 150, 70));
  for (int side = -1; side <= 1; side += 2) {
    for (int i = 0; i < 6; ++i) {
      float a = rad(200 - i * 22.0f);
      float lx = cx + side * std::sin(a) * -19, ly = cy - std::cos(a) * 19;
      p.push();
      p.translate(lx, ly);
      p.rotate(side * (-i * 22.0f + 110));
      p.ellipse(0, 0, 2, 4, leaf, 0.6f);
      p.pop();
    }
  }
}

void offWeGo(Painter& p) {
  seal(p, rgb(40, 120, 200));
  p.line(24, 16, 24, 48, 2.2f, Paint(rgb(120, 80, 40)), OW);
  std::vector<float> flag;
  for (int i = 0; i <= 12; ++i) flag.push_back(25 + i * 1.5f), flag.push_back(17 + std::sin(i * 0.5f) * 1.6f);
  for (int i = 12; i >= 0; --i) flag.push_back(25 + i * 1.5f), flag.push_back(31 + std::sin(i * 0.5f) * 1.6f);
  p.polygon(flag, Paint(rgb(70, 200, 90)), OW);
  drawText(p, "1", 31.5f, 20, 1.25f, 1.1f, Paint(kWhite));
}

void fullHouse(Painter& p) {
  seal(p, rgb(120, 60, 170));
  const float spots[4][2] = {{25, 25}, {39, 25}, {25, 39}, {39, 39}};
  for (int player = 0; player < 4; ++player) {
    float x = spots[player][0], y = spots[player][1];
    p.circle(x, y, 6.5f, glossy(playerColour(player), x, y, 6.5f), OW * 0.8f);
    emblem(p, player, x, y, 3.4f, kWhite, 0.5f);
  }
}

void onARoll(Painter& p) {
  seal(p, rgb(200, 50, 50));
  for (int i = 0; i < 3; ++i) {
    float x = 21 + i * 11.0f, y = 40 - i * 7.0f;
    p.line(x - 9, y + 2, x - 4, y + 1, 1.2f, Paint(withAlpha(kWhite, 0.7f)));
    p.star(x, y, 6.5f, 2.8f, 5, 0, Paint(rgb(255, 225, 90)), OW * 0.7f);
  }
}

void christmasCheer(Painter& p) {
  seal(p, rgb(30, 110, 60));
  p.rect(30, 42, 4, 6, Paint(rgb(120, 80, 40)));
  p.polygon({32, 13, 44, 30, 38, 30, 47, 43, 17, 43, 26, 30, 20, 30}, Paint(rgb(60, 190, 90)), OW);
  p.star(32, 14, 5, 2, 5, 0, Paint(kGold), 0.6f);
  const float balls[4][2] = {{28, 27}, {36, 33}, {26, 39}, {39, 40}};
  for (int i = 0; i < 4; ++i) p.circle(balls[i][0], balls[i][1], 1.8f, Paint(playerColour(i)), 0.5f);
}

void fullCalendar(Painter& p) {
  seal(p, rgb(60, 90, 170));
  p.roundRect(18, 18, 28, 28, 2.5f, Paint(kSnow), OW);
  p.roundRect(18, 18, 28, 7, 2.5f, Paint(rgb(220, 50, 50)), OW);
  for (int i = 0; i < 2; ++i) p.line(25 + i * 14.0f, 15, 25 + i * 14.0f, 21, 1.8f, Paint(rgb(90, 90, 110)));
  drawText(p, "26", 24.5f, 29, 1.4f, 1.1f, Paint(kInk));
  p.polyline({35, 41, 38.5f, 44.5f, 45, 35}, 2.2f, Paint(rgb(40, 170, 60)), 0.6f);
}

void alphabetAce(Painter& p) {
  seal(p, rgb(210, 120, 30));
  p.polygon({21, 22, 25, 14, 29, 20, 32, 12, 35, 20, 39, 14, 43, 22}, Paint(kGold), OW * 0.8f);
  drawText(p, "A", 19.5f, 27, 2.2f, 1.2f, Paint(kWhite), 0.8f);
  drawText(p, "Z", 34, 27, 2.2f, 1.2f, Paint(kWhite), 0.8f);
}

void partyChampion(Painter& p) {
  seal(p, rgb(50, 150, 190));
  Rng rng(4711);
  for (int i = 0; i < 14; ++i) {
    float x = rng.range(14, 50), y = rng.range(12, 30);
    p.push();
    p.translate(x, y);
    p.rotate(rng.range(0, 180));
    p.rect(-1.2f, -0.6f, 2.4f, 1.2f, Paint(playerLight(i % 4)));
    p.pop();
  }
  Paint gold(radialGradient(28, 24, 20, rgb(255, 240, 150), kGold));
  p.arc(21, 27, 5, 180, 360, 1.8f, Paint(kGold), 0.6f);
  p.arc(43, 27, 5, 0, 180, 1.8f, Paint(kGold), 0.6f);
  p.polygon({22, 20, 42, 20, 39, 33, 34, 37, 30, 37, 25, 33}, gold, OW);
  p.rect(30.5f, 37, 3, 5, Paint(kGold));
  p.roundRect(24, 42, 16, 5, 1, Paint(rgb(120, 80, 40)), OW * 0.8f);
}

void collector(Painter& p) {
  seal(p, rgb(90, 60, 140));
  const Rgba metals[3] = {rgb(205, 127, 50), rgb(200, 205, 220), kGold};
  const float spots[3][2] = {{22, 33}, {42, 33}, {32, 29}};
  for (int i = 0; i < 3; ++i) {
    float x = spots[i][0], y = spots[i][1];
    p.polygon({x - 4, y - 14, x, y - 14, x + 3, y - 5, x - 1, y - 5}, Paint(playerColour(i)), 0.6f);
    p.circle(x, y + 2, 7.5f, radialGradient(x - 3, y - 1, 11, shade(metals[i], 1.3f), metals[i]), OW * 0.8f);
    p.star(x, y + 2.4f, 4, 1.7f, 5, 0, Paint(withAlpha(kWhite, 0.85f)));
  }
}

void badgePicture(Painter& p, int frame) {
  if (frame < 2 * kGames) {
    int game = frame / 2 + 1;
    if (frame % 2 == 0)
      winMedal(p, game);
    else
      skillRosette(p, game);
    return;
  }
  switch (frame - 2 * kGames) {
    case 0: offWeGo(p); break;
    case 1: fullHouse(p); break;
    case 2: onARoll(p); break;
    case 3: christmasCheer(p); break;
    case 4: fullCalendar(p); break;
    case 5: alphabetAce(p); break;
    case 6: partyChampion(p); break;
    default: collector(p); break;
  }
}

}  // namespace

std::vector<SheetDef> badgeSheets() {
  constexpr int count = 2 * kGames + kCollectionBadges;
  std::vector<int> listed;
  for (int frame = 0; frame < count; ++frame) listed.push_back(frame);
  return {{"badges", 64, 64, count, 8, badgePicture, true, listed}};
}

}  // namespace datagen
