// The game tiles ("games", 32 x 32): frame t-1 pictures game t at a glance, frame 62 is the
// big "locked" picture and 63 the locked tile. The menu tints tiles with the game's colour,
// so they are drawn in white and soft greys with ink outlines and only pale accents.
#include <cmath>
#include <vector>

#include "art_kit.h"
#include "sheet.h"

namespace datagen {

namespace {

constexpr float kPi = 3.14159265f;
float rad(float d) { return d * kPi / 180; }
const float OW = 1.0f;
const Rgba W = rgb(255, 255, 255);
const Rgba L = rgb(215, 222, 238);
const Rgba M = rgb(150, 160, 190);
const Rgba D = rgb(85, 95, 125);
Paint soft(float y0 = 4, float y1 = 28) { return linearGradient(0, y0, W, 0, y1, L); }

void eye(Painter& p, float x, float y, float r) {
  p.circle(x, y, r, Paint(W), 0.6f);
  p.circle(x + r * 0.25f, y, r * 0.5f, Paint(kInk));
}

void snake(Painter& p) {
  std::vector<float> body;
  for (int i = 0; i <= 40; ++i) {
    float t = i / 40.0f;
    body.push_back(6 + t * 18);
    body.push_back(26 - t * 16 + std::sin(t * 2 * kPi) * 5);
  }
  p.polyline(body, 5, soft(), OW);
  for (size_t i = 8; i + 1 < body.size(); i += 12) p.circle(body[i], body[i + 1], 1.1f, Paint(M));
  p.ellipse(25, 9, 4.6f, 3.8f, Paint(W), OW);
  eye(p, 26, 8, 1.4f);
  p.polyline({29.5f, 10, 31, 11, 30.5f, 12.5f}, 0.7f, Paint(rgb(255, 120, 120)));
  p.ellipse(9, 9, 3.5f, 2.5f, Paint(L), OW);
  p.line(7, 9, 11, 9, 0.8f, Paint(M));
}

void bugTile(Painter& p) {
  for (int s = -1; s <= 1; s += 2)
    for (int i = 0; i < 3; ++i) p.polyline({16 + s * 6.0f, 13 + i * 5.0f, 16 + s * 12.0f, 11 + i * 6.0f}, 1.4f, Paint(kInk));
  p.circle(16, 8, 4, Paint(D), OW);
  p.ellipse(16, 18, 8, 10, soft(8, 28), OW);
  p.line(16, 9, 16, 28, 0.8f, Paint(kInk));
  p.circle(12.5f, 16, 1.6f, Paint(M));
  p.circle(19.5f, 20, 1.6f, Paint(M));
  p.circle(12.5f, 22, 1.3f, Paint(M));
}

void fishTile(Painter& p, float rot, bool wings) {
  p.push();
  p.translate(16, 16);
  p.rotate(rot);
  p.polygon({-8, 0, -14, -6, -12, 0, -14, 6}, Paint(L), OW);
  p.ellipse(0, 0, 10, 7, soft(-7, 7), OW);
  if (wings) p.polygon({-3, -2, 2, -12, 5, -3}, Paint(W), OW);
  eye(p, 5, -2, 2);
  p.arc(-3, 0, 4.5f, 30, 150, 0.8f, Paint(M));
  p.pop();
}

void ostrichTile(Painter& p) {
  p.ellipse(23, 25, 4.5f, 5.5f, soft(20, 30), OW);  // egg
  p.polyline({11, 30, 11, 14, 13, 8}, 3, Paint(W), OW);
  p.ellipse(10, 30, 8, 4, Paint(M));
  p.circle(14, 7, 4, Paint(W), OW);
  p.polygon({17.5f, 6, 24, 8, 17.5f, 9.5f}, Paint(rgb(255, 215, 150)), 0.6f);
  p.circle(14.8f, 6, 0.9f, Paint(kInk));
  p.line(4, 9, 8, 11, 1.4f, Paint(M));  // duelling spark
  p.star(24, 15, 3, 1, 4, 0, Paint(W));
}

void elevatorTile(Painter& p) {
  p.roundRect(7, 4, 18, 25, 2, soft(), OW);
  p.rect(10, 8, 12, 18, Paint(M));
  p.line(16, 8, 16, 26, 0.8f, Paint(kInk));
  p.polygon({16, 1, 19, 3.5f, 13, 3.5f}, Paint(W), 0.6f);
  p.polygon({26.5f, 10, 30, 14, 26.5f, 18, 23, 14}, Paint(W), OW);  // gem
  p.polygon({2, 19, 5.5f, 15, 9, 19, 5.5f, 23}, Paint(L), OW);
}

void invaderTile(Painter& p) {
  p.polygon({9, 6, 23, 6, 27, 12, 27, 17, 5, 17, 5, 12}, soft(6, 17), OW);
  for (int i = 0; i < 4; ++i) p.line(8 + i * 5.3f, 17, 7 + i * 5.8f, 21, 1.8f, Paint(W), 0.8f);
  eye(p, 12, 11.5f, 2);
  eye(p, 20, 11.5f, 2);
  p.polygon({16, 22, 20, 30, 12, 30}, Paint(L), OW);  // ship
  p.line(16, 20, 16, 17.5f, 1, Paint(W));
}

void headerTile(Painter& p) {
  p.circle(16, 22, 7, soft(15, 29), OW);  // head
  p.arc(16, 22, 7.3f, -80, 80, 2.5f, Paint(M));  // hat
  p.circle(13.5f, 22, 1, Paint(kInk));
  p.circle(18.5f, 22, 1, Paint(kInk));
  p.circle(15, 8, 5.5f, Paint(D), OW);  // bomb
  p.polyline({18.5f, 4, 21.5f, 3}, 1, Paint(M));
  p.star(23, 3, 2.5f, 0.8f, 4, 0, Paint(W));
  p.line(9, 11, 11, 13, 1, Paint(W));
  p.line(23, 11, 21, 13, 1, Paint(W));
}

void iceTile(Painter& p) {
  p.polygon({4, 20, 16, 14, 28, 20, 16, 26}, Paint(W), OW);
  p.polygon({4, 20, 16, 26, 16, 30, 4, 24}, Paint(L), OW);
  p.polygon({28, 20, 16, 26, 16, 30, 28, 24}, Paint(M), OW);
  p.line(8, 5, 22, 12, 1.6f, Paint(D), 0.6f);  // dart
  p.polygon({24, 13, 19.5f, 9.5f, 21, 12.5f, 18.5f, 13.5f}, Paint(W), 0.6f);
  p.polygon({8, 5, 4, 2, 5, 6, 3, 8}, Paint(L), 0.6f);
  p.ellipse(16, 19, 3, 1.5f, Paint(withAlpha(M, 0.6f)));
}

void jetTile(Painter& p) {
  p.polygon({16, 2, 19, 12, 30, 20, 30, 23, 19, 20, 18.5f, 26, 22, 29, 10, 29, 13.5f, 26, 13, 20, 2, 23, 2, 20, 13, 12},
            soft(2, 29), OW);
  p.ellipse(16, 10, 1.6f, 3, Paint(M));
}

void cactusTile(Painter& p) {
  p.polyline({9, 15, 9, 19, 13, 19}, 4, Paint(L), OW);
  p.polyline({23, 12, 23, 16, 19, 16}, 4, Paint(L), OW);
  p.roundRect(12, 4, 8, 26, 4, soft(), OW);
  p.polyline({9, 15, 9, 19, 13, 19}, 4, Paint(L));
  p.polyline({23, 12, 23, 16, 19, 16}, 4, Paint(L));
  p.line(16, 7, 16, 28, 0.7f, Paint(M));
  p.line(2, 30, 30, 30, 1.2f, Paint(M));
}

void frogTile(Painter& p) {
  for (int s = -1; s <= 1; s += 2) {
    p.polyline({16 + s * 6.0f, 22, 16 + s * 12.0f, 25, 16 + s * 10.0f, 30}, 2.5f, Paint(L), OW);
    p.polyline({16 + s * 5.0f, 13, 16 + s * 10.0f, 10, 16 + s * 10.0f, 6}, 2, Paint(L), OW);
  }
  p.ellipse(16, 18, 8, 10, soft(8, 28), OW);
  eye(p, 12, 9.5f, 2.4f);
  eye(p, 20, 9.5f, 2.4f);
}

void missileTile(Painter& p) {
  p.push();
  p.translate(17, 15);
  p.rotate(35);
  p.roundRect(-3, -11, 6, 18, 3, soft(-11, 7), OW);
  p.polygon({-3, 4, -6, 9, -3, 8}, Paint(M), 0.6f);
  p.polygon({3, 4, 6, 9, 3, 8}, Paint(M), 0.6f);
  p.polygon({-2, 8, 2, 8, 0, 14}, Paint(rgb(255, 220, 150)));
  p.pop();
  p.circle(7, 27, 2.5f, Paint(withAlpha(W, 0.7f)));
  p.circle(4, 30, 1.5f, Paint(withAlpha(W, 0.5f)));
  p.circle(10, 24, 1.8f, Paint(withAlpha(W, 0.6f)));
}

void pathTile(Painter& p) {
  std::vector<float> path = {2, 28, 10, 24, 8, 16, 18, 14, 22, 7, 30, 4};
  p.polyline(path, 6, Paint(L), OW);
  p.polyline(path, 1, Paint(M));
  p.circle(24, 20, 4, soft(16, 24), OW);  // coin
  p.circle(24, 20, 2, Paint(M));
  p.circle(7, 6, 3.5f, Paint(W));  // moon
  p.circle(8.6f, 5, 3, Paint(withAlpha(M, 0.9f)));
}

void octagonTile(Painter& p) {
  p.polygon(regularPolygon(16, 16, 10, 8, 22.5f), soft(6, 26), OW);
  p.polygon(regularPolygon(16, 16, 5, 8, 22.5f), Paint(M));
  p.polygon({27, 4, 31, 8, 25, 9}, Paint(W), OW);
  p.arc(16, 16, 13.5f, 20, 80, 0.8f, Paint(W));
}

void popcornTile(Painter& p) {
  p.polygon({8, 14, 24, 14, 21.5f, 30, 10.5f, 30}, Paint(W), OW);
  for (int i = 0; i < 3; ++i) p.polygon({10.5f + i * 4.5f, 14, 12.5f + i * 4.5f, 14, 12 + i * 3.5f, 30, 11 + i * 3.5f, 30}, Paint(M));
  float pos[7][2] = {{10, 12}, {14, 9}, {18.5f, 10}, {22, 12}, {16, 5}, {12, 6}, {21, 6.5f}};
  for (auto& q : pos) p.circle(q[0], q[1], 3.2f, soft(q[1] - 3, q[1] + 3), 0.8f);
}

void quartzTile(Painter& p) {
  p.polygon({6, 28, 6, 14, 10, 8, 14, 14, 14, 28}, soft(8, 28), OW);
  p.polygon({12, 28, 12, 10, 17, 2, 22, 10, 22, 28}, Paint(W), OW);
  p.polygon({17, 2, 22, 10, 22, 28, 17, 28}, Paint(L));
  p.polygon({20, 28, 20, 17, 24, 12, 28, 17, 28, 28}, soft(12, 28), OW);
  p.line(3, 29, 29, 29, 1.5f, Paint(M));
}

void carTile(Painter& p) {
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 2; ++j)
      p.rect(2 + i * 3.0f, 3 + j * 3.0f + (i % 2) * 3.0f, 3, 3, Paint((i + j) % 2 ? kInk : W));
  p.roundRect(11, 6, 10, 22, 4, soft(6, 28), OW);
  p.rect(8.5f, 9, 2.5f, 5, Paint(D));
  p.rect(21, 9, 2.5f, 5, Paint(D));
  p.rect(8.5f, 20, 2.5f, 5, Paint(D));
  p.rect(21, 20, 2.5f, 5, Paint(D));
  p.rect(13, 11, 6, 3, Paint(M));
  p.line(16, 15, 16, 27, 1.2f, Paint(M));
}

void soccerTile(Painter& p) {
  p.circle(16, 16, 12, soft(), OW);
  p.polygon(regularPolygon(16, 16, 4.5f, 5, 0), Paint(D));
  for (int i = 0; i < 5; ++i) {
    float a = rad(i * 72.0f);
    p.line(16 + std::sin(a) * 4.5f, 16 - std::cos(a) * 4.5f, 16 + std::sin(a) * 9, 16 - std::cos(a) * 9, 1, Paint(D));
    p.circle(16 + std::sin(a) * 11, 16 - std::cos(a) * 11, 2, Paint(D));
  }
}

void tankTile(Painter& p) {
  p.roundRect(4, 19, 24, 8, 4, Paint(D), OW);
  for (int i = 0; i < 5; ++i) p.circle(8 + i * 4.0f, 23, 1.5f, Paint(L));
  p.roundRect(7, 13, 18, 7, 2, soft(13, 20), OW);
  p.roundRect(11, 9, 9, 6, 3, Paint(W), OW);
  p.line(19, 11, 29, 7, 2.2f, Paint(L), OW);
  p.star(29, 6, 3, 1, 6, 0, Paint(W));
}

void upsideTile(Painter& p) {
  p.polygon({9, 3, 15, 11, 11.5f, 11, 11.5f, 17, 6.5f, 17, 6.5f, 11, 3, 11}, soft(3, 17), OW);
  p.polygon({23, 29, 29, 21, 25.5f, 21, 25.5f, 15, 20.5f, 15, 20.5f, 21, 17, 21}, Paint(L), OW);
  p.polygon({22, 4, 27, 4, 29, 7, 24.5f, 12, 20, 7}, Paint(W), OW);
  p.circle(8, 25, 4, Paint(M), OW);
}

void virusTile(Painter& p) {
  for (int i = 0; i < 8; ++i) {
    float a = rad(i * 45.0f);
    p.line(16, 16, 16 + std::sin(a) * 13, 16 - std::cos(a) * 13, 1.4f, Paint(L), 0.6f);
    p.circle(16 + std::sin(a) * 13, 16 - std::cos(a) * 13, 2, Paint(W), 0.6f);
  }
  p.circle(16, 16, 8.5f, soft(8, 24), OW);
  p.circle(13, 14, 1.5f, Paint(M));
  p.circle(19, 18, 2, Paint(M));
  p.circle(15, 20, 1, Paint(M));
}

void sheepTile(Painter& p) {
  for (float x : {10.0f, 21.0f}) p.rect(x - 1, 22, 2, 7, Paint(kInk));
  auto fluff = [](float x, float y) {
    float d = 1e9f;
    for (int i = 0; i < 8; ++i) {
      float a = i * 45 * 3.14159265f / 180;
      d = std::min(d, sdCircle(x, y, 15 + std::sin(a) * 7, 17 - std::cos(a) * 5, 4));
    }
    return std::min(d, sdEllipse(x, y, 15, 17, 8, 6));
  };
  p.fillOutlined(fluff, {3, 7, 28, 27}, soft(7, 27), OW);
  p.ellipse(26, 14, 3.8f, 4.5f, Paint(D), OW);
  p.circle(27, 13, 0.9f, Paint(W));
}

void xfireTile(Painter& p) {
  p.line(6, 6, 26, 26, 4, soft(), OW);
  p.line(26, 6, 6, 26, 4, soft(), OW);
  p.ring(16, 16, 9, 1.2f, Paint(W), 0.6f);
  p.circle(5, 27, 3, Paint(L), OW);
  p.circle(27, 5, 3, Paint(L), OW);
}

void yarnTile(Painter& p) {
  std::vector<float> loop;
  for (int i = 0; i <= 60; ++i) {
    float t = i / 60.0f * 2 * kPi;
    loop.push_back(20 + std::cos(t) * 9 - t * 1.2f);
    loop.push_back(12 + std::sin(t) * 7 + t * 1.6f);
  }
  p.polyline(loop, 1.4f, Paint(W), 0.6f);
  p.circle(10, 22, 7, soft(15, 29), OW);
  for (int i = 0; i < 3; ++i) p.arc(10 + (i - 1) * 2.5f, 22, 5 - std::abs(i - 1) * 1.2f, 200, 340, 0.7f, Paint(M));
  p.circle(25, 9, 2.5f, Paint(L), OW);
}

void zapTile(Painter& p) {
  p.polygon({19, 2, 7, 18, 15, 18, 11, 30, 25, 12, 17, 12, 22, 2}, soft(2, 30), OW * 1.2f);
  p.star(26, 24, 4, 1, 4, 0, Paint(W));
  p.star(6, 7, 3, 0.8f, 4, 0, Paint(W));
}

void padlock(Painter& p, float cx, float cy, float s) {
  p.arc(cx, cy - s * 0.35f, s * 0.45f, -90, 90, s * 0.16f, Paint(L), OW);
  p.roundRect(cx - s * 0.65f, cy - s * 0.35f, s * 1.3f, s * 1.05f, s * 0.15f, soft(cy - s * 0.35f, cy + s * 0.7f), OW);
  p.circle(cx, cy + 0.05f * s, s * 0.14f, Paint(kInk));
  p.rect(cx - s * 0.06f, cy + 0.05f * s, s * 0.12f, s * 0.32f, Paint(kInk));
}

void tile(Painter& p, int f) {
  switch (f) {
    case 0: snake(p); break;
    case 1: bugTile(p); break;
    case 2: fishTile(p, 0, false); p.circle(27, 7, 1.6f, Paint(W), 0.5f); p.circle(24, 3.5f, 1, Paint(W), 0.5f); break;
    case 3: ostrichTile(p); break;
    case 4: elevatorTile(p); break;
    case 5: fishTile(p, -25, true); p.rect(25, 22, 5, 8, Paint(M)); p.rect(2, 2, 5, 6, Paint(M)); break;
    case 6: invaderTile(p); break;
    case 7: headerTile(p); break;
    case 8: iceTile(p); break;
    case 9: jetTile(p); break;
    case 10: cactusTile(p); break;
    case 11: frogTile(p); break;
    case 12: missileTile(p); break;
    case 13: pathTile(p); break;
    case 14: octagonTile(p); break;
    case 15: popcornTile(p); break;
    case 16: quartzTile(p); break;
    case 17: carTile(p); break;
    case 18: soccerTile(p); break;
    case 19: tankTile(p); break;
    case 20: upsideTile(p); break;
    case 21: virusTile(p); break;
    case 22: sheepTile(p); break;
    case 23: xfireTile(p); break;
    case 24: yarnTile(p); break;
    case 25: zapTile(p); break;
    case 62:  // the big "locked" picture: a padlock on a wrapped box
      p.roundRect(3, 12, 26, 18, 2, Paint(L), OW);
      p.rect(14.5f, 12, 3, 18, Paint(M));
      p.rect(3, 19.5f, 26, 3, Paint(M));
      padlock(p, 16, 14, 12);
      break;
    case 63: padlock(p, 16, 17, 16); break;
    default: break;
  }
}

}  // namespace

std::vector<SheetDef> tileSheets() {
  std::vector<int> listed;
  for (int i = 0; i < 26; ++i) listed.push_back(i);
  listed.push_back(62);
  listed.push_back(63);
  return {{"games", 32, 32, 64, 8, tile, true, listed}};
}

}  // namespace datagen
