// The sprite sheets sprt_0 .. sprt_5 (40 x 40 cells, 8 x 8 grid) and the popcorn sheet "pop"
// (8 x 8 cells). Each sprite is a function of its player (0..3) drawn from shapes in logical
// pixels of its cell; the frame tables at the bottom say which sprite sits in which frame.
// Things seen from above face up; things seen from the side face right.
#include <cmath>
#include <vector>

#include "art_kit.h"
#include "sheet.h"

namespace datagen {

namespace {

constexpr float kPi = 3.14159265f;
const float OW = kOutline;
float rad(float deg) { return deg * kPi / 180; }

const Rgba kSkin = rgb(255, 214, 180);
const Rgba kTrousers = rgb(50, 55, 90);
const Rgba kMetal = rgb(150, 160, 180);
const Rgba kDarkMetal = rgb(80, 88, 105);

// ---------------------------------------------------------------------------- sheet 0

// A round bauble character: the player token, snake bead, wall stripe and block.
void token(Painter& p, int pl) {
  Rgba c = playerColour(pl);
  p.roundRect(16.5f, 3.5f, 7, 4.5f, 1.2f, linearGradient(0, 3, kGold, 0, 8, rgb(190, 120, 20)), OW);
  p.ring(20, 2.6f, 1.6f, 0.9f, Paint(kGold), 0.6f);
  p.circle(20, 22, 15, glossy(c, 20, 22, 15), OW * 1.2f);
  highlight(p, 13.5f, 15, 4.5f, 2.6f);
  eyes(p, 20, 19.5f, 9, 3.2f, 0.3f, 0.2f);
  smile(p, 20, 26, 6.5f, 1.3f);
  emblem(p, pl, 20, 32.2f, 3.4f);
}

// A fish facing right.
void fish(Painter& p, int pl) {
  Rgba c = playerColour(pl);
  p.polygon({9, 20, 2, 12, 4.5f, 20, 2, 28}, Paint(playerDark(pl)), OW);  // tail
  p.polygon({14, 12.5f, 19, 6, 26, 12}, Paint(playerDark(pl)), OW);        // dorsal fin
  p.ellipse(20, 20, 14, 9.5f,
            linearGradient(0, 11, c, 0, 30, shade(c, 1.4f)), OW);
  p.arc(14, 20, 7, 20, 160, 1.0f, Paint(withAlpha(playerDark(pl), 0.8f)));  // gill
  p.polygon({17, 23, 24, 24, 19, 28}, Paint(playerLight(pl)), 0.7f);        // side fin
  highlight(p, 18, 14.5f, 5, 1.8f, 0.5f);
  p.circle(28.5f, 17.5f, 3.1f, Paint(kWhite), 0.8f);
  p.circle(29.3f, 17.7f, 1.6f, Paint(kInk));
  p.arc(31.5f, 21.5f, 2.2f, 200, 290, 0.9f, Paint(kInk));
  emblem(p, pl, 21, 21.5f, 3.2f);
}

// The side-view runner: bobble hat and scarf in the player colour, facing right.
// phase 0..1 runs the stride; pose 0 run, 1 jump, 2 kick.
void runner(Painter& p, int pl, float phase, int pose) {
  Rgba c = playerColour(pl), dk = playerDark(pl);
  float hipX = 19, hipY = 25, shX = 21, shY = 17.5f;
  float bob = pose == 0 ? -std::fabs(std::sin(phase * 2 * kPi)) * 1.2f : 0;
  hipY += bob;
  shY += bob;
  auto leg = [&](float thigh, float knee, Rgba col) {
    float kx = hipX + std::sin(rad(thigh)) * 6.2f, ky = hipY + std::cos(rad(thigh)) * 6.2f;
    float sa = thigh - knee;
    float fx = kx + std::sin(rad(sa)) * 6.2f, fy = ky + std::cos(rad(sa)) * 6.2f;
    p.polyline({hipX, hipY, kx, ky, fx, fy}, 3.6f, Paint(col), OW);
    p.push();
    p.translate(fx, fy);
    p.rotate(-sa * 0.3f);
    p.roundRect(-1.8f, -1.6f, 5.5f, 3.2f, 1.4f, Paint(rgb(90, 40, 30)), OW);
    p.pop();
  };
  auto arm = [&](float upper, float bend, Rgba col) {
    float ex = shX + std::sin(rad(upper)) * 5, ey = shY + std::cos(rad(upper)) * 5;
    float fa = upper + bend;
    float hx = ex + std::sin(rad(fa)) * 4.5f, hy = ey + std::cos(rad(fa)) * 4.5f;
    p.polyline({shX, shY, ex, ey, hx, hy}, 3.0f, Paint(col), OW);
    p.circle(hx, hy, 1.9f, Paint(kSkin), 0.8f);
  };
  float s = std::sin(phase * 2 * kPi), co = std::cos(phase * 2 * kPi);
  float thighA, kneeA, thighB, kneeB, armA, armB;
  if (pose == 1) {  // jump: knees tucked
    thighA = 70; kneeA = 100; thighB = 20; kneeB = 80; armA = 150; armB = -40;
  } else if (pose == 2) {  // kick: right leg swung forward
    thighA = 80; kneeA = 10; thighB = -15; kneeB = 25; armA = -60; armB = 120;
  } else {
    thighA = 38 * s; kneeA = 20 + 55 * std::max(0.0f, -co);
    thighB = -38 * s; kneeB = 20 + 55 * std::max(0.0f, co);
    armA = -40 * s; armB = 40 * s;
  }
  arm(armB, 70, shade(dk, 0.9f));
  leg(thighB, kneeB, shade(kTrousers, 0.75f));
  // body
  p.ellipse(20, 21.5f + bob, 5.8f, 6.8f, glossy(c, 20, 21.5f + bob, 7), OW);
  emblem(p, pl, 20, 22.5f + bob, 2.6f);
  leg(thighA, kneeA, kTrousers);
  arm(armA, 70, c);
  // head
  float hx = 22.5f, hy = 10.5f + bob;
  p.circle(hx, hy, 5.8f, Paint(kSkin), OW);
  p.circle(hx + 3.2f, hy + 0.8f, 1.2f, Paint(rgb(240, 140, 130)));  // nose
  p.circle(hx + 1.4f, hy - 0.6f, 0.95f, Paint(kInk));               // eye
  p.arc(hx + 1.6f, hy + 1.4f, 1.8f, 150, 200, 0.7f, Paint(kInk));
  // bobble hat
  p.polygon({hx - 6, hy - 2.5f, hx - 4.5f, hy - 7, hx, hy - 9, hx + 4.5f, hy - 7.5f, hx + 6, hy - 2.8f},
            glossy(c, hx, hy - 6, 6), OW);
  p.roundRect(hx - 6.6f, hy - 4.4f, 13, 2.8f, 1.2f, Paint(kSnow), OW);
  p.circle(hx - 4.5f, hy - 9.5f, 2.3f, Paint(kSnow), OW);
  // scarf
  p.roundRect(16.5f, 15.2f + bob, 9, 2.8f, 1.2f, Paint(kSnow), OW);
  float tail = pose == 0 ? s * 2 : 0;
  p.polyline({17, 16.5f + bob, 13, 15 + bob + tail, 10.5f, 16 + bob + tail}, 2.4f, Paint(kSnow), OW);
}

// A wrapped sweet.
void sweet(Painter& p) {
  p.polygon({12, 20, 4, 14, 5.5f, 20, 4, 26}, Paint(rgb(255, 230, 120)), OW);
  p.polygon({28, 20, 36, 14, 34.5f, 20, 36, 26}, Paint(rgb(255, 230, 120)), OW);
  p.ellipse(20, 20, 9.5f, 7.5f, Paint(kWhite), OW);
  p.push();
  p.fill([](float x, float y) { return sdEllipse(x, y, 20, 20, 9.5f, 7.5f); }, {10, 12, 30, 28},
         Paint(PaintFn([](float x, float y) {
           float t = std::fmod(x + y * 0.8f + 100, 5.0f);
           return t < 2.5f ? rgb(230, 30, 50) : rgb(255, 250, 250);
         })));
  p.pop();
  highlight(p, 16, 16, 3.5f, 1.6f, 0.7f);
}

// A missile launcher on tracks, tube raised towards the upper right.
void launcher(Painter& p, int pl) {
  Rgba c = playerColour(pl);
  p.push();
  p.translate(22, 20);
  p.rotate(-40);
  p.roundRect(-3.5f, -16, 7, 18, 1.5f, linearGradient(-3.5f, 0, kMetal, 3.5f, 0, kDarkMetal), OW);
  p.rect(-4.2f, -17, 8.4f, 3, Paint(c));
  p.ellipse(0, -16.8f, 3.2f, 1.2f, Paint(kInk));
  p.pop();
  p.roundRect(8, 20, 24, 10, 3, glossy(c, 20, 24, 14), OW);
  emblem(p, pl, 14, 25, 3.0f);
  p.roundRect(5, 29, 30, 8, 4, Paint(rgb(60, 62, 75)), OW);
  for (int i = 0; i < 4; ++i) p.circle(10 + i * 6.6f, 33, 2.4f, Paint(kMetal), 0.7f);
  p.circle(24, 23.5f, 2.5f, Paint(rgb(70, 170, 255)), 0.8f);
}

// A bug from above, head up.
void bug(Painter& p, int pl) {
  Rgba c = playerColour(pl);
  for (int s = -1; s <= 1; s += 2)
    for (int i = 0; i < 3; ++i) {
      float y = 17 + i * 6.5f;
      p.polyline({20 + s * 8.0f, y, 20 + s * 14.0f, y - 3 + i * 2.5f, 20 + s * 16.5f, y + 1 + i * 2.0f},
                 1.6f, Paint(kInk));
    }
  p.line(17.5f, 8, 13, 2.5f, 1.2f, Paint(kInk));
  p.line(22.5f, 8, 27, 2.5f, 1.2f, Paint(kInk));
  p.circle(13, 2.5f, 1.6f, Paint(c), 0.7f);
  p.circle(27, 2.5f, 1.6f, Paint(c), 0.7f);
  p.circle(20, 10.5f, 5.5f, Paint(rgb(40, 40, 60)), OW);
  p.circle(17.8f, 9.2f, 1.5f, Paint(kWhite));
  p.circle(22.2f, 9.2f, 1.5f, Paint(kWhite));
  p.ellipse(20, 24, 11, 12.5f, glossy(c, 20, 24, 12), OW);
  p.line(20, 13, 20, 36, 1.1f, Paint(withAlpha(kInk, 0.8f)));
  for (int s = -1; s <= 1; s += 2) {
    p.circle(20 + s * 6, 30, 1.8f, Paint(withAlpha(kInk, 0.7f)));
  }
  highlight(p, 14.5f, 18.5f, 3.5f, 1.8f);
  emblem(p, pl, 20, 23.5f, 4.2f);
}

void roadTile(Painter& p, int shade_) {
  Rgba base = shade_ ? rgb(84, 86, 100) : rgb(72, 74, 88);
  p.rect(0, 0, 40, 40, Paint(PaintFn([=](float x, float y) {
           float n = hashNoise(int(std::floor(x * 1.0f)), int(std::floor(y * 1.0f)), 7 + shade_);
           float f = 0.93f + 0.14f * n;
           return shade(base, f);
         })));
}

void vergeTile(Painter& p) {
  p.rect(0, 0, 40, 40, Paint(PaintFn([](float x, float y) {
           float t = std::fmod(x + y + 400, 20.0f);
           Rgba c = t < 10 ? rgb(220, 40, 50) : rgb(245, 248, 255);
           float n = hashNoise(int(x), int(y), 11);
           return shade(c, 0.94f + 0.08f * n);
         })));
}

void lineTile(Painter& p) {
  p.rect(0, 0, 40, 40, Paint(PaintFn([](float x, float y) {
           int cx = int(x / 8), cy = int(y / 8);
           return ((cx + cy) & 1) ? rgb(30, 30, 40) : rgb(245, 245, 250);
         })));
}

// A car from above, nose up.
void car(Painter& p, int pl) {
  Rgba c = playerColour(pl);
  for (float y : {9.0f, 26.0f})
    for (float x : {9.5f, 26.5f}) p.roundRect(x, y, 4.5f, 8, 1.5f, Paint(rgb(35, 35, 45)), OW * 0.8f);
  p.roundRect(11.5f, 3, 17, 34, 6, glossy(c, 20, 18, 18), OW);
  p.polygon({14, 14, 26, 14, 24.5f, 18, 15.5f, 18}, Paint(rgb(60, 110, 170)), 0.7f);  // windscreen
  p.polygon({15.5f, 29, 24.5f, 29, 25.5f, 31.5f, 14.5f, 31.5f}, Paint(rgb(60, 110, 170)), 0.7f);
  p.roundRect(15, 18.5f, 10, 10, 2, Paint(shade(c, 1.15f)), 0.7f);  // roof
  emblem(p, pl, 20, 23.5f, 3.3f);
  p.rect(17.5f, 4, 1.6f, 9.5f, Paint(kWhite));
  p.rect(21, 4, 1.6f, 9.5f, Paint(kWhite));
  p.circle(14.5f, 5.2f, 1.4f, Paint(rgb(255, 250, 190)));
  p.circle(25.5f, 5.2f, 1.4f, Paint(rgb(255, 250, 190)));
}

// A gun turret from above, barrel up.
void turret(Painter& p, int pl) {
  Rgba c = playerColour(pl);
  p.circle(20, 23, 14, Paint(rgb(90, 95, 115)), OW);
  for (int i = 0; i < 8; ++i) {
    float a = rad(i * 45.0f + 22.5f);
    p.circle(20 + std::sin(a) * 11.5f, 23 - std::cos(a) * 11.5f, 1.1f, Paint(kMetal));
  }
  p.roundRect(16.5f, 1.5f, 7, 18, 2, linearGradient(16.5f, 0, kMetal, 23.5f, 0, kDarkMetal), OW);
  p.rect(15.8f, 1.5f, 8.4f, 3.2f, Paint(c));
  p.circle(20, 23, 9.5f, glossy(c, 20, 23, 9.5f), OW);
  highlight(p, 16.5f, 19.5f, 3, 1.5f);
  emblem(p, pl, 20, 23.5f, 4.2f);
}

// A bullet in the player colour, pointing up.
void bullet(Painter& p, int pl, float len = 9) {
  Rgba c = playerColour(pl);
  p.glow(20, 20, 9, withAlpha(shade(c, 1.2f), 0.8f));
  p.fill([=](float x, float y) { return sdRoundBox(x, y, 20, 20, 2.8f, len / 2, 2.8f); },
         {17, 20 - len / 2, 23, 20 + len / 2}, Paint(c), 0.9f);
  p.fill([=](float x, float y) { return sdRoundBox(x, y, 20, 19, 1.3f, len / 2 - 1.5f, 1.3f); },
         {18, 15, 22, 25}, Paint(kWhite));
}

// A glowing virus segment, meant for additive drawing.
void virusSegment(Painter& p) {
  p.glow(20, 20, 19, rgb(90, 255, 120, 0.8f));
  p.star(20, 20, 13, 8, 9, 0, Paint(rgb(60, 200, 90, 0.85f)));
  for (int i = 0; i < 9; ++i) {
    float a = rad(i * 40.0f);
    p.circle(20 + std::sin(a) * 13, 20 - std::cos(a) * 13, 1.6f, Paint(rgb(200, 255, 200)));
  }
  p.circle(20, 20, 7.5f, radialGradient(18, 18, 8, rgb(240, 255, 240), rgb(100, 240, 130)));
  p.circle(17, 18, 1.6f, Paint(rgb(30, 90, 40)));
  p.circle(23, 18, 1.6f, Paint(rgb(30, 90, 40)));
}

// ---------------------------------------------------------------------------- sheet 1

// A ship from above, nose up.
void ship(Painter& p, int pl) {
  Rgba c = playerColour(pl);
  p.polygon({20, 18, 36, 30, 35, 34, 20, 30, 5, 34, 4, 30}, Paint(kSnow), OW);  // wings
  p.polygon({6, 30.5f, 10, 28, 10, 33}, Paint(c));
  p.polygon({34, 30.5f, 30, 28, 30, 33}, Paint(c));
  p.polygon({20, 2, 26, 16, 26, 33, 14, 33, 14, 16}, glossy(c, 20, 16, 16), OW);
  p.ellipse(20, 14, 2.8f, 5, Paint(rgb(120, 200, 255)), 0.8f);
  p.polygon({15.5f, 35, 24.5f, 35, 22, 39, 18, 39}, Paint(rgb(255, 190, 60)));
  emblem(p, pl, 20, 25, 3.4f);
}

// A saguaro cactus dressed with a string of fairy lights and a snow cap (drawn at scale 2).
void cactus(Painter& p) {
  Paint green = linearGradient(14, 0, rgb(110, 200, 90), 26, 0, rgb(40, 120, 50));
  p.polyline({10, 24, 10, 17}, 5.5f, green, OW);
  p.polyline({30, 21, 30, 13}, 5.5f, green, OW);
  p.polyline({10, 24, 10, 26, 15, 26}, 5.5f, green, OW);
  p.polyline({30, 21, 30, 23, 25, 23}, 5.5f, green, OW);
  p.roundRect(14.5f, 6, 11, 34, 5.5f, green, OW);
  p.polyline({10, 24, 10, 26, 15, 26}, 5.5f, green);
  p.polyline({30, 21, 30, 23, 25, 23}, 5.5f, green);
  for (float x : {17.5f, 20.0f, 22.5f}) p.line(x, 9, x, 38, 0.6f, Paint(withAlpha(rgb(20, 80, 30), 0.6f)));
  // snow caps
  p.ellipse(20, 7.5f, 5.3f, 2.6f, Paint(kSnow), 0.8f);
  p.ellipse(10, 14.5f, 2.8f, 1.6f, Paint(kSnow), 0.7f);
  p.ellipse(30, 10.5f, 2.8f, 1.6f, Paint(kSnow), 0.7f);
  // fairy lights
  std::vector<float> wire = {14.5f, 14, 20, 17, 25.5f, 15};
  p.polyline(wire, 0.5f, Paint(kInk));
  p.polyline({14.5f, 27, 20, 30, 25.5f, 28}, 0.5f, Paint(kInk));
  Rgba bulbs[4] = {rgb(255, 60, 60), rgb(255, 220, 40), rgb(60, 160, 255), rgb(255, 130, 230)};
  int k = 0;
  for (float x : {16.0f, 20.0f, 24.0f}) {
    p.glow(x, x == 20 ? 17.5f : 16.2f, 2.6f, withAlpha(bulbs[k % 4], 0.7f));
    p.circle(x, x == 20 ? 17.5f : 16.2f, 1.1f, Paint(bulbs[k++ % 4]));
    p.circle(x, x == 20 ? 30.5f : 29.2f, 1.1f, Paint(bulbs[k++ % 4]));
  }
}

// Three alien invader looks, each wearing something festive.
void alien(Painter& p, int kind) {
  if (kind == 0) {  // purple squid
    Rgba c = rgb(190, 90, 255);
    for (int i = 0; i < 4; ++i)
      p.polyline({12.5f + i * 5, 26, 11 + i * 5.5f, 31, 13 + i * 5.0f, 35}, 2.2f, Paint(c), OW);
    p.polygon({20, 6, 31, 16, 31, 27, 9, 27, 9, 16}, glossy(c, 20, 17, 12), OW);
    eyes(p, 20, 18, 8, 2.8f, 0, 0.4f);
    santaHat(p, 20, 8.5f, 10, 15);
  } else if (kind == 1) {  // green crab
    Rgba c = rgb(90, 230, 90);
    p.polyline({9, 22, 4, 17, 6, 11}, 2.4f, Paint(c), OW);
    p.polyline({31, 22, 36, 17, 34, 11}, 2.4f, Paint(c), OW);
    p.polyline({14, 28, 12, 34}, 2.4f, Paint(c), OW);
    p.polyline({26, 28, 28, 34}, 2.4f, Paint(c), OW);
    p.roundRect(8, 13, 24, 16, 6, glossy(c, 20, 20, 13), OW);
    p.line(15, 13, 12, 7, 1.4f, Paint(c), OW);
    p.line(25, 13, 28, 7, 1.4f, Paint(c), OW);
    p.circle(12, 6.5f, 2, Paint(rgb(255, 230, 60)), 0.8f);
    p.circle(28, 6.5f, 2, Paint(rgb(255, 230, 60)), 0.8f);
    eyes(p, 20, 19.5f, 9, 3, 0, 0.4f);
    p.rect(15, 24.5f, 10, 1.4f, Paint(kInk));
  } else {  // orange octopus with a bauble antenna
    Rgba c = rgb(255, 150, 40);
    for (int i = 0; i < 5; ++i) {
      float x = 10 + i * 5;
      p.polyline({x, 24, x + (i % 2 ? 2 : -2), 30, x, 35}, 2.2f, Paint(c), OW);
    }
    p.ellipse(20, 19, 12.5f, 9.5f, glossy(c, 20, 18, 12), OW);
    p.line(20, 10, 20, 5, 1.2f, Paint(kInk));
    p.circle(20, 4, 2.4f, Paint(rgb(220, 30, 60)), 0.8f);
    eyes(p, 20, 18.5f, 10, 3.4f, 0, 0.4f);
    smile(p, 20, 24, 5);
  }
}

// A laser bolt in the player colour.
void shot(Painter& p, int pl) {
  Rgba c = playerColour(pl);
  p.glow(20, 20, 10, withAlpha(c, 0.75f));
  p.fill([](float x, float y) { return sdRoundBox(x, y, 20, 20, 1.8f, 7, 1.8f); }, {18, 13, 22, 27},
         Paint(shade(c, 1.25f)), 0.6f);
  p.fill([](float x, float y) { return sdRoundBox(x, y, 20, 19.5f, 0.8f, 5.5f, 0.8f); }, {19, 14, 21, 25},
         Paint(kWhite));
}

// A round bomb with a fizzing fuse; `spark` picks the spark's colour (the game flickers it).
void bomb(Painter& p, int spark) {
  p.circle(20, 23, 11, glossy(rgb(60, 60, 80), 20, 23, 11), OW);
  p.roundRect(16.5f, 9.5f, 7, 4.5f, 1, Paint(kDarkMetal), OW);
  p.polyline({20, 10, 22, 6, 26, 5}, 1.2f, Paint(rgb(180, 150, 110)), 0.6f);
  Rgba sc[4] = {rgb(255, 240, 120), rgb(255, 150, 40), rgb(255, 80, 60), rgb(255, 255, 255)};
  p.glow(26.5f, 4.5f, 5 + spark, withAlpha(sc[spark & 3], 0.9f));
  p.star(26.5f, 4.5f, 3.5f, 1.3f, 4, spark * 22.5f, Paint(sc[spark & 3]));
  highlight(p, 15.5f, 18.5f, 3.5f, 2);
  // a red ribbon makes it a festive pudding bomb
  p.arc(20, 23, 11, -60, 60, 1.6f, Paint(rgb(220, 30, 50)));
}

// A wrapped present, also usable as a falling bomb.
void present(Painter& p, int k) {
  static const Rgba box[4] = {rgb(220, 40, 50), rgb(40, 150, 80), rgb(60, 110, 230), rgb(250, 200, 40)};
  static const Rgba bow[4] = {rgb(255, 220, 60), rgb(240, 40, 50), rgb(255, 255, 255), rgb(220, 40, 60)};
  p.roundRect(8, 15, 24, 20, 2, Paint(box[k]), OW);
  p.roundRect(6.5f, 11, 27, 6, 2, Paint(shade(box[k], 1.15f)), OW);
  p.rect(18, 11, 4, 24, Paint(bow[k]));
  p.ellipse(15.5f, 8.5f, 4.5f, 3, Paint(bow[k]), OW);
  p.ellipse(24.5f, 8.5f, 4.5f, 3, Paint(bow[k]), OW);
  p.circle(20, 10, 2, Paint(shade(bow[k], 0.85f)), 0.8f);
}

// ---------------------------------------------------------------------------- sheet 3

// A propeller plane from above, nose up.
void plane(Painter& p, int pl) {
  Rgba c = playerColour(pl);
  p.roundRect(3, 13, 34, 8, 4, linearGradient(0, 13, shade(c, 1.2f), 0, 21, playerDark(pl)), OW);
  p.roundRect(12, 30, 16, 5, 2.5f, Paint(shade(c, 0.9f)), OW);
  p.roundRect(16.5f, 5, 7, 31, 3.5f, glossy(kSnow, 20, 14, 14), OW);
  p.ellipse(20, 14.5f, 2.5f, 3.8f, Paint(rgb(60, 110, 170)), 0.7f);
  p.circle(20, 5, 2.2f, Paint(kGold), 0.8f);
  p.ellipse(20, 3.5f, 9, 1.4f, Paint(withAlpha(rgb(200, 210, 230), 0.6f)));
  emblem(p, pl, 9, 17, 2.6f);
  emblem(p, pl, 31, 17, 2.6f);
}

// A small round figure in the player colour (a bullet at scale 1, a player at scale 2).
void roundFigure(Painter& p, int pl) {
  Rgba c = playerColour(pl);
  p.ellipse(16, 28.3f, 2.6f, 1.6f, Paint(playerDark(pl)), 0.8f);
  p.ellipse(24, 28.3f, 2.6f, 1.6f, Paint(playerDark(pl)), 0.8f);
  p.circle(20, 20, 8, glossy(c, 20, 20, 8), OW);
  highlight(p, 16.5f, 16.5f, 2.4f, 1.2f);
  eyes(p, 20, 19, 5, 1.9f, 0, 0.2f);
  p.arc(20, 19.8f, 2.6f, 130, 230, 0.8f, Paint(kInk));
  santaHat(p, 20.5f, 13.3f, 8.5f, 18, playerDark(pl));
}

// Quartz rocks: a cluster of faceted crystals, four colourings.
void quartz(Painter& p, int kind) {
  static const Rgba cols[4] = {rgb(150, 215, 255), rgb(185, 120, 240), rgb(255, 150, 200),
                               rgb(170, 190, 180)};
  Rgba c = cols[kind];
  Rng rng(101 + kind * 17);
  p.polygon(regularPolygon(20, 23, 14, 7, kind * 13.0f), Paint(shade(rgb(110, 105, 125), 1.0f)), OW);
  struct Crystal { float x, y, w, h, rot; };
  std::vector<Crystal> cr;
  int n = 3 + kind % 2;
  for (int i = 0; i < n; ++i)
    cr.push_back({20 + (i - (n - 1) / 2.0f) * (n == 4 ? 5.0f : 6.5f) + rng.range(-1, 1), 26 + rng.range(-2, 2),
                  rng.range(4.5f, 6), rng.range(13, 20), (i - (n - 1) / 2.0f) * 18 + rng.range(-6, 6)});
  for (const Crystal& k : cr) {
    p.push();
    p.translate(k.x, k.y);
    p.rotate(k.rot);
    float w = k.w, h = k.h;
    p.polygon({-w, 0, -w, -h + w, 0, -h, w, -h + w, w, 0}, Paint(c), OW);
    p.polygon({0, -h, w, -h + w, w, 0, 0, 0}, Paint(shade(c, 0.72f)));
    p.polygon({-w, -h + w, 0, -h, 0, -h + w * 1.4f}, Paint(shade(c, 1.45f)));
    p.line(-w * 0.5f, -h + w * 1.2f, -w * 0.5f, -2, 0.8f, Paint(withAlpha(kWhite, 0.6f)));
    p.pop();
  }
  p.star(13 + kind * 3, 12 + kind, 2.5f, 0.8f, 4, 0, Paint(kWhite));
}

// ---------------------------------------------------------------------------- sheet 4

// A frog from above, head up.
void frog(Painter& p, int pl) {
  Rgba c = playerColour(pl), dk = playerDark(pl);
  for (int s = -1; s <= 1; s += 2) {
    p.polyline({20 + s * 8.0f, 28, 20 + s * 15.0f, 31, 20 + s * 12.0f, 37, 20 + s * 15.5f, 38}, 3.2f,
               Paint(dk), OW);  // back leg
    p.polyline({20 + s * 7.0f, 16, 20 + s * 12.0f, 13, 20 + s * 13.0f, 8}, 2.6f, Paint(dk), OW);
    p.circle(20 + s * 13.0f, 7.5f, 1.9f, Paint(dk), 0.8f);
    p.circle(20 + s * 16.0f, 38.0f, 2.0f, Paint(dk), 0.8f);
  }
  p.ellipse(20, 23, 10.5f, 12.5f, glossy(c, 20, 22, 12), OW);
  p.ellipse(20, 12, 8.5f, 6, Paint(shade(c, 1.05f)));
  for (int s = -1; s <= 1; s += 2) {
    p.circle(20 + s * 5.0f, 8.5f, 3.3f, Paint(shade(c, 1.1f)), OW);
    p.circle(20 + s * 5.0f, 8.0f, 2.1f, Paint(kWhite));
    p.circle(20 + s * 5.0f, 7.6f, 1.2f, Paint(kInk));
  }
  highlight(p, 15, 19, 3, 1.6f);
  emblem(p, pl, 20, 25, 4.2f);
}

// A lily pad with a notch and a small flower.
void lilyPad(Painter& p) {
  auto pad = [](float x, float y) {
    // a round leaf with a wedge cut from the centre to the rim (upper right)
    float notch = sdPolygon(x, y, {20, 20, 33, 4, 38, 10});
    return std::max(sdCircle(x, y, 20, 20, 17), -notch);
  };
  p.fillOutlined(pad, {3, 3, 37, 37}, radialGradient(18, 18, 18, rgb(130, 210, 90), rgb(50, 140, 60)),
                 OW);
  for (int i = 0; i < 7; ++i) {
    float a = rad(60 + i * 45.0f);
    p.line(20, 20, 20 + std::sin(a) * 14, 20 - std::cos(a) * 14, 0.7f, Paint(withAlpha(rgb(30, 100, 40), 0.6f)));
  }
  for (int i = 0; i < 6; ++i) {
    float a = rad(i * 60.0f);
    p.ellipse(9 + std::sin(a) * 2.2f, 27 - std::cos(a) * 2.2f, 1.8f, 1.8f, Paint(rgb(255, 170, 210)), 0.6f);
  }
  p.circle(9, 27, 1.3f, Paint(rgb(255, 230, 80)));
}

// The top-down hero, seen from above and facing up: shoulders in the player colour, a
// backpack with the emblem, both arms forward on a blaster, and a bobble hat on the head.
void hero(Painter& p, int pl) {
  Rgba c = playerColour(pl);
  p.roundRect(12.5f, 24, 15, 12, 3, Paint(playerDark(pl)), OW);  // backpack
  emblem(p, pl, 20, 30, 3.6f);
  p.polyline({10.5f, 20, 14, 12, 18.5f, 8.5f}, 3.4f, Paint(c), OW);  // arms
  p.polyline({29.5f, 20, 26, 12, 21.5f, 8.5f}, 3.4f, Paint(c), OW);
  p.roundRect(18, 1, 4, 12, 1.2f, Paint(kDarkMetal), OW);  // blaster
  p.rect(17.5f, 1, 5, 2.2f, Paint(kGold));
  p.circle(18.2f, 9, 2.1f, Paint(kSkin), 0.8f);
  p.circle(21.8f, 9, 2.1f, Paint(kSkin), 0.8f);
  p.ellipse(20, 21, 12, 6.5f, glossy(c, 20, 20, 12), OW);  // shoulders
  p.circle(20, 18.5f, 6.2f, glossy(playerDark(pl), 19, 17, 6.5f), OW);  // hat from above
  p.arc(20, 18.5f, 5.4f, -55, 55, 1.8f, Paint(kSnow));                   // brim at the front
  p.circle(20, 23.5f, 2.6f, Paint(kSnow), 0.8f);                         // pompom at the back
}

void heroBullet(Painter& p) {
  p.glow(20, 20, 8, rgb(255, 240, 150, 0.9f));
  p.circle(20, 20, 3.2f, Paint(rgb(255, 230, 90)), 0.8f);
  p.circle(19.3f, 19.3f, 1.4f, Paint(kWhite));
}

// Eleven enemies seen from above, all facing down towards the hero.
void enemy(Painter& p, int k) {
  switch (k) {
    case 0:  // grumpy snowman
      p.circle(20, 25, 11, radialGradient(17, 22, 12, kWhite, rgb(190, 205, 230)), OW);
      p.circle(20, 14, 7.5f, radialGradient(18, 12, 8, kWhite, rgb(190, 205, 230)), OW);
      p.polygon({20, 15, 26, 17, 20, 17.5f}, Paint(rgb(255, 140, 30)), 0.6f);
      p.line(16, 11.5f, 18.5f, 12.5f, 1, Paint(kInk));
      p.line(24, 11.5f, 21.5f, 12.5f, 1, Paint(kInk));
      p.circle(17.5f, 13.5f, 1, Paint(kInk));
      p.circle(22.5f, 13.5f, 1, Paint(kInk));
      for (int i = 0; i < 3; ++i) p.circle(20, 22 + i * 4.0f, 1.2f, Paint(kInk));
      p.polyline({9, 24, 3, 19}, 1.2f, Paint(rgb(110, 70, 40)));
      p.polyline({31, 24, 37, 19}, 1.2f, Paint(rgb(110, 70, 40)));
      break;
    case 1: {  // gingerbread man
      Rgba g = rgb(190, 110, 50);
      auto gm = [](float x, float y) {
        float head = sdCircle(x, y, 20, 11, 6.5f);
        float body = sdRoundBox(x, y, 20, 24, 6.5f, 8, 3);
        float arms = sdRoundBox(x, y, 20, 20, 15, 3, 3);
        float legs = std::min(sdSegment(x, y, 17, 28, 13, 36), sdSegment(x, y, 23, 28, 27, 36)) - 3.2f;
        return std::min(std::min(head, body), std::min(arms, legs));
      };
      p.fillOutlined(gm, {4, 3, 36, 40}, Paint(g), OW);
      p.polyline({7, 18.5f, 8.5f, 21.5f, 10, 18.5f}, 0.9f, Paint(kWhite));
      p.polyline({30, 18.5f, 31.5f, 21.5f, 33, 18.5f}, 0.9f, Paint(kWhite));
      p.circle(17.5f, 10, 1.2f, Paint(kInk));
      p.circle(22.5f, 10, 1.2f, Paint(kInk));
      p.arc(20, 11.5f, 2.5f, 120, 240, 0.9f, Paint(kWhite));
      p.circle(20, 21, 1.3f, Paint(rgb(230, 40, 60)));
      p.circle(20, 25.5f, 1.3f, Paint(rgb(60, 190, 80)));
      break;
    }
    case 2:  // spiky green blob
      p.star(20, 20, 16, 11, 12, 0, Paint(rgb(60, 160, 60)), OW);
      p.circle(20, 20, 10.5f, glossy(rgb(120, 220, 80), 20, 20, 11));
      eyes(p, 20, 21, 8, 3, 0, 0.5f);
      break;
    case 3: {  // purple bat
      Rgba c = rgb(120, 70, 170);
      for (int s = -1; s <= 1; s += 2)
        p.polygon({20, 16, 20 + s * 18.0f, 11, 20 + s * 15.0f, 19, 20 + s * 17.0f, 25, 20 + s * 10.0f, 22,
                   20 + s * 6.0f, 27, 20, 24},
                  Paint(c), OW);
      p.ellipse(20, 21, 5.5f, 7, glossy(c, 20, 20, 7), OW);
      p.polygon({16, 16, 16.5f, 11, 19, 15}, Paint(c), 0.7f);
      p.polygon({24, 16, 23.5f, 11, 21, 15}, Paint(c), 0.7f);
      p.circle(18, 21, 1.4f, Paint(rgb(255, 230, 60)));
      p.circle(22, 21, 1.4f, Paint(rgb(255, 230, 60)));
      break;
    }
    case 4:  // red imp with horns
      p.polygon({12, 13, 9, 4, 16, 10}, Paint(rgb(240, 230, 200)), OW);
      p.polygon({28, 13, 31, 4, 24, 10}, Paint(rgb(240, 230, 200)), OW);
      p.circle(20, 21, 12, glossy(rgb(220, 50, 40), 20, 21, 12), OW);
      p.line(14, 16.5f, 18, 18.5f, 1.2f, Paint(kInk));
      p.line(26, 16.5f, 22, 18.5f, 1.2f, Paint(kInk));
      eyes(p, 20, 21, 8, 2.4f, 0, 0.6f);
      p.polyline({14, 27, 17, 29, 20, 27, 23, 29, 26, 27}, 1, Paint(kInk));
      break;
    case 5:  // blue ghost
      p.polygon({8, 20, 9, 12, 14, 6, 20, 5, 26, 6, 31, 12, 32, 20, 32, 35, 28, 31, 24, 36, 20, 32, 16, 36, 12,
                 31, 8, 35},
                linearGradient(0, 5, rgb(220, 240, 255), 0, 36, rgb(120, 170, 240)), OW);
      p.ellipse(16, 17, 2.4f, 3.2f, Paint(kInk));
      p.ellipse(24, 17, 2.4f, 3.2f, Paint(kInk));
      p.ellipse(20, 25, 2.5f, 3, Paint(kInk));
      break;
    case 6:  // angry bauble with a cracked cap
      p.roundRect(16.5f, 3.5f, 7, 4.5f, 1, Paint(rgb(150, 160, 170)), OW);
      p.circle(20, 22, 14, glossy(rgb(240, 130, 20), 20, 22, 14), OW);
      p.line(13, 17, 18, 19.5f, 1.3f, Paint(kInk));
      p.line(27, 17, 22, 19.5f, 1.3f, Paint(kInk));
      eyes(p, 20, 21.5f, 9, 2.6f, 0, 0.6f);
      p.rect(14, 28, 12, 2.5f, Paint(kInk));
      for (int i = 0; i < 3; ++i) p.rect(15.5f + i * 3.5f, 28, 1.6f, 1.4f, Paint(kWhite));
      break;
    case 7:  // clockwork robot
      p.roundRect(8, 11, 24, 22, 4, linearGradient(8, 0, rgb(200, 210, 225), 32, 0, rgb(120, 130, 150)), OW);
      p.rect(18.5f, 5, 3, 6, Paint(kDarkMetal));
      p.circle(20, 4.5f, 2, Paint(rgb(255, 60, 60)), 0.8f);
      p.roundRect(11, 16, 18, 7, 3, Paint(rgb(30, 40, 60)));
      p.circle(15.5f, 19.5f, 2, Paint(rgb(255, 80, 60)));
      p.circle(24.5f, 19.5f, 2, Paint(rgb(255, 80, 60)));
      for (int i = 0; i < 4; ++i) p.rect(12.5f + i * 4.2f, 26.5f, 2.5f, 3.5f, Paint(kDarkMetal));
      break;
    case 8:  // horned shadow beast
      p.polygon({9, 14, 4, 3, 14, 9}, Paint(rgb(200, 190, 170)), OW);
      p.polygon({31, 14, 36, 3, 26, 9}, Paint(rgb(200, 190, 170)), OW);
      p.star(20, 22, 15, 12, 14, 0, Paint(rgb(60, 40, 70)), OW);
      p.circle(15.5f, 20, 2.4f, Paint(rgb(255, 220, 40)));
      p.circle(24.5f, 20, 2.4f, Paint(rgb(255, 220, 40)));
      p.polygon({14, 27, 26, 27, 20, 31}, Paint(kWhite));
      break;
    case 9: {  // ice spider
      for (int s = -1; s <= 1; s += 2)
        for (int i = 0; i < 4; ++i) {
          float y = 14 + i * 5.0f;
          p.polyline({20 + s * 6.0f, y + 4, 20 + s * 13.0f, y - 2, 20 + s * 18.0f, y + 5}, 1.5f,
                     Paint(rgb(120, 190, 240)), 0.7f);
        }
      p.ellipse(20, 24, 8, 10, glossy(rgb(150, 210, 255), 20, 24, 10), OW);
      p.circle(20, 12, 5.5f, Paint(rgb(110, 170, 230)), OW);
      for (int i = 0; i < 4; ++i) p.circle(16.5f + i * 2.3f, 13 + (i % 3 == 0 ? 0 : 1.2f), 0.9f, Paint(rgb(255, 40, 60)));
      emblem(p, 1, 20, 25, 4, rgb(230, 245, 255), 0);
      break;
    }
    default: {  // lump of coal with a fiery glare
      Rng rng(77);
      std::vector<float> pts;
      for (int i = 0; i < 9; ++i) {
        float a = rad(i * 40.0f), r = rng.range(11, 15);
        pts.push_back(20 + std::sin(a) * r);
        pts.push_back(21 - std::cos(a) * r);
      }
      p.polygon(pts, radialGradient(16, 16, 16, rgb(90, 90, 105), rgb(30, 30, 40)), OW);
      p.glow(15.5f, 20, 5, rgb(255, 120, 30, 0.9f));
      p.glow(24.5f, 20, 5, rgb(255, 120, 30, 0.9f));
      p.circle(15.5f, 20, 2, Paint(rgb(255, 210, 80)));
      p.circle(24.5f, 20, 2, Paint(rgb(255, 210, 80)));
      p.arc(20, 31, 5, 300, 420, 1.2f, Paint(rgb(255, 140, 40)));
      break;
    }
  }
}

// ---------------------------------------------------------------------------- extras (free frames)

// Sprites for the games still to be designed: ostriches and eggs, tanks, gems, coins,
// darts, sheep, balls and a box of festive props.
// The bird's body carries a dark shade of the player colour and a wing in the colour
// itself, so it reads against a night sky; the wing is folded, or raised in a flap.
void ostrich(Painter& p, int pl, bool wingUp) {
  Rgba c = playerColour(pl);
  p.polyline({19, 26, 17, 32, 19, 38}, 1.6f, Paint(rgb(240, 170, 120)), 0.8f);
  p.polyline({23, 26, 25, 32, 22, 38}, 1.6f, Paint(rgb(240, 170, 120)), 0.8f);
  p.ellipse(20, 22, 10, 7, glossy(shade(c, 0.55f), 20, 22, 10), OW);
  p.polygon({10, 20, 4, 15, 8, 23}, Paint(c), OW);  // tail feathers
  p.polyline({26, 20, 28, 12, 27, 6}, 2.6f, Paint(rgb(250, 200, 180)), OW);
  p.circle(28, 6, 3.6f, Paint(rgb(250, 200, 180)), OW);
  p.polygon({31, 5, 36, 7, 31, 8}, Paint(rgb(255, 180, 40)), 0.7f);
  p.circle(29, 5, 0.9f, Paint(kInk));
  p.polyline({24.5f, 14, 29.5f, 14}, 2.2f, Paint(c), 0.8f);  // scarf
  if (wingUp) {
    p.polygon({13, 19, 17, 6, 21, 4, 22, 10, 20, 19}, glossy(c, 18, 10, 8), OW);
  } else {
    p.ellipse(18, 21, 6.5f, 4, glossy(c, 17, 20, 6), OW);
  }
  emblem(p, pl, 18, wingUp ? 24 : 21, 2.6f);
}

void egg(Painter& p) {
  p.ellipse(20, 22, 9, 12, radialGradient(17, 17, 14, kWhite, rgb(230, 215, 190)), OW);
  for (int i = 0; i < 5; ++i) p.circle(15 + i * 2.5f, 22 + (i % 2) * 2.0f, 1.1f, Paint(rgb(200, 60, 60)));
  highlight(p, 16, 15, 2.5f, 1.5f);
}

void tank(Painter& p, int pl) {
  Rgba c = playerColour(pl);
  p.roundRect(6, 8, 7, 28, 2, Paint(rgb(50, 52, 62)), OW);
  p.roundRect(27, 8, 7, 28, 2, Paint(rgb(50, 52, 62)), OW);
  for (int i = 0; i < 6; ++i) {
    p.rect(6.8f, 10 + i * 4.5f, 5.4f, 1.2f, Paint(kDarkMetal));
    p.rect(27.8f, 10 + i * 4.5f, 5.4f, 1.2f, Paint(kDarkMetal));
  }
  p.roundRect(11, 10, 18, 24, 3, glossy(c, 20, 22, 14), OW);
  p.roundRect(18, 1.5f, 4, 16, 1.2f, Paint(kDarkMetal), OW);
  p.circle(20, 22, 6.5f, glossy(shade(c, 0.85f), 20, 22, 7), OW);
  emblem(p, pl, 20, 22.5f, 3.4f);
}

void gem(Painter& p, int k) {
  static const Rgba cols[4] = {rgb(255, 60, 90), rgb(70, 180, 255), rgb(255, 210, 50), rgb(80, 230, 120)};
  Rgba c = cols[k];
  p.polygon({12, 13, 28, 13, 34, 19, 20, 35, 6, 19}, Paint(c), OW);
  p.polygon({6, 19, 34, 19, 20, 35}, Paint(shade(c, 0.75f)));
  p.polygon({12, 13, 16, 19, 20, 13, 24, 19, 28, 13}, Paint(shade(c, 1.4f)));
  p.line(16, 19, 20, 35, 0.6f, Paint(withAlpha(kWhite, 0.6f)));
  p.line(24, 19, 20, 35, 0.6f, Paint(withAlpha(kInk, 0.3f)));
  p.star(12, 12, 3, 0.9f, 4, 0, Paint(kWhite));
}

void coin(Painter& p) {
  p.circle(20, 20, 12, radialGradient(16, 16, 16, rgb(255, 240, 140), rgb(220, 150, 20)), OW);
  p.ring(20, 20, 9, 1, Paint(rgb(200, 130, 20)));
  p.star(20, 20.5f, 6, 2.6f, 5, 0, Paint(rgb(255, 250, 200)), 0.6f);
}

void dart(Painter& p) {
  p.line(20, 8, 20, 34, 2, Paint(rgb(120, 90, 60)), OW);
  p.polygon({20, 2, 22.5f, 9, 17.5f, 9}, Paint(kMetal), OW);
  p.polygon({20, 26, 26, 36, 20, 33, 14, 36}, Paint(rgb(230, 40, 60)), OW);
}

void sheepBody(Painter& p, Rgba wool) {
  for (float x : {13.0f, 27.0f}) p.rect(x - 1.2f, 27, 2.4f, 8, Paint(kInk));
  auto fluff = [](float x, float y) {
    float d = 1e9f;
    for (int i = 0; i < 8; ++i) {
      float a = i * 45 * 3.14159265f / 180;
      d = std::min(d, sdCircle(x, y, 19 + std::sin(a) * 8.5f, 22 - std::cos(a) * 6, 5));
    }
    return std::min(d, sdEllipse(x, y, 19, 22, 10, 7.5f));
  };
  p.fillOutlined(fluff, {4, 10, 34, 34}, Paint(wool), OW);
  p.ellipse(31, 19, 4.5f, 5.5f, Paint(rgb(60, 55, 60)), OW);
  p.circle(32.5f, 18, 1.1f, Paint(kWhite));
  p.ellipse(27.5f, 15, 2.5f, 1.3f, Paint(rgb(60, 55, 60)), 0.7f);
}

void sheep(Painter& p, int k) {
  sheepBody(p, k == 1 ? rgb(70, 70, 80) : rgb(250, 250, 245));
  if (k >= 2) santaHat(p, 31, 14.5f, 7, 20, k == 2 ? rgb(225, 30, 40) : rgb(40, 150, 70));
}

// A player's sheep: wool in a light shade of the player colour, the emblem on its flank.
void playerSheep(Painter& p, int pl) {
  sheepBody(p, shade(playerColour(pl), 1.25f));
  emblem(p, pl, 18, 22, 4);
}

void ball(Painter& p, int k) {
  static const Rgba cols[4] = {rgb(255, 90, 60), rgb(90, 160, 255), rgb(255, 220, 70), rgb(120, 230, 120)};
  p.circle(20, 20, 11, glossy(cols[k], 20, 20, 11), OW);
  p.arc(20, 20, 7, 200, 340, 1.4f, Paint(withAlpha(kWhite, 0.85f)));
  highlight(p, 16, 15, 3, 1.6f);
}

// Glitter balls in colours no player wears, biggest first, so a ball never reads as
// somebody's.
void glitterBall(Painter& p, int k) {
  static const Rgba cols[4] = {rgb(150, 70, 230), rgb(230, 60, 200), rgb(190, 200, 215), rgb(255, 160, 220)};
  p.circle(20, 20, 11, glossy(cols[k], 20, 20, 11), OW);
  for (int i = 0; i < 5; ++i) {
    float a = rad(40 + i * 72.0f);
    p.star(20 + std::sin(a) * 6, 20 - std::cos(a) * 6, 1.8f, 0.6f, 4, 0, Paint(withAlpha(kWhite, 0.9f)));
  }
  highlight(p, 16, 15, 3, 1.6f);
}

void yarnBall(Painter& p, int pl) {
  Rgba c = playerColour(pl);
  p.circle(20, 20, 12, glossy(c, 20, 20, 12), OW);
  for (int i = 0; i < 5; ++i) p.arc(20 + (i - 2) * 2.5f, 20, 10 - std::abs(i - 2) * 1.5f, 200, 340, 0.8f, Paint(playerDark(pl)));
  p.polyline({30, 26, 35, 30, 32, 35, 37, 38}, 1.2f, Paint(c), 0.6f);
}

void octagonBlock(Painter& p) {
  p.polygon(regularPolygon(20, 20, 15, 8, 22.5f), linearGradient(0, 5, rgb(200, 120, 255), 0, 35, rgb(90, 40, 160)), OW);
  p.polygon(regularPolygon(20, 20, 9, 8, 22.5f), Paint(withAlpha(kWhite, 0.25f)));
}

void robot(Painter& p) { enemy(p, 7); }

void candyCane(Painter& p) {
  std::vector<float> pts = {16, 36, 16, 12};
  for (int i = 0; i <= 8; ++i) {
    float a = rad(-90 + i * 22.5f);
    pts.push_back(21 + std::sin(a) * 5.0f);
    pts.push_back(12 - std::cos(a) * 5.0f);
  }
  pts.resize(pts.size());
  p.polyline(pts, 4.5f, Paint(kWhite), OW);
  p.push();
  p.polyline(pts, 4.5f, Paint(PaintFn([](float x, float y) {
               return std::fmod(x * 0.7f + y + 100, 6.0f) < 3 ? rgb(230, 30, 50) : kWhite;
             })));
  p.pop();
}

void bauble(Painter& p, int k) {
  static const Rgba cols[4] = {rgb(220, 40, 60), rgb(60, 120, 230), rgb(240, 190, 40), rgb(60, 180, 90)};
  p.line(20, 0, 20, 6, 0.8f, Paint(kInk));
  p.roundRect(17, 5, 6, 4, 1, Paint(kGold), OW);
  p.circle(20, 21, 12, glossy(cols[k], 20, 21, 12), OW);
  p.polyline({8.5f, 19, 14, 22, 20, 19, 26, 22, 31.5f, 19}, 1.4f, Paint(withAlpha(kWhite, 0.9f)));
  highlight(p, 15, 15, 3, 1.6f);
}

void xmasTree(Painter& p) {
  p.rect(17.5f, 31, 5, 6, Paint(rgb(120, 70, 40)));
  p.polygon({20, 4, 28, 14, 25, 14, 32, 23, 28, 23, 35, 32, 5, 32, 12, 23, 8, 23, 15, 14, 12, 14},
            linearGradient(0, 4, rgb(70, 190, 90), 0, 32, rgb(20, 110, 50)), OW);
  Rgba b[3] = {rgb(255, 60, 60), rgb(255, 220, 40), rgb(80, 170, 255)};
  float pos[6][2] = {{18, 13}, {23, 19}, {15, 21}, {25, 27}, {12, 29}, {19, 26}};
  for (int i = 0; i < 6; ++i) p.circle(pos[i][0], pos[i][1], 1.5f, Paint(b[i % 3]), 0.6f);
  p.star(20, 4.5f, 4.5f, 1.9f, 5, 0, Paint(kGold), 0.8f);
}

void snowman(Painter& p) {
  p.circle(20, 28, 10, radialGradient(17, 25, 11, kWhite, rgb(190, 205, 230)), OW);
  p.circle(20, 14, 7, radialGradient(18, 12, 8, kWhite, rgb(190, 205, 230)), OW);
  p.rect(12, 19, 16, 3, Paint(rgb(220, 40, 50)));
  p.rect(22, 19, 3, 8, Paint(rgb(220, 40, 50)));
  p.circle(17.5f, 12.5f, 1, Paint(kInk));
  p.circle(22.5f, 12.5f, 1, Paint(kInk));
  p.polygon({20, 14, 26, 15.5f, 20, 16.5f}, Paint(rgb(255, 140, 30)));
  p.roundRect(14, 3, 12, 5, 1, Paint(kInk));
  p.rect(11.5f, 7, 17, 1.8f, Paint(kInk));
}

void stocking(Painter& p) {
  p.polygon({14, 8, 25, 8, 25, 26, 30, 30, 30, 35, 24, 36, 14, 30}, Paint(rgb(220, 40, 50)), OW);
  p.roundRect(12.5f, 4, 14, 6, 2, Paint(kSnow), OW);
  p.star(19.5f, 19, 3, 1.3f, 5, 0, Paint(kGold));
}

// ---------------------------------------------------------------------------- tables

void sheet0(Painter& p, int f) {
  if (f <= 3) token(p, f);
  else if (f <= 7) fish(p, f - 4);
  else if (f <= 11) runner(p, f - 8, 0.25f, 0);
  else if (f == 19) sweet(p);
  else if (f >= 24 && f <= 27) launcher(p, f - 24);
  else if (f >= 32 && f <= 35) bug(p, f - 32);
  else if (f == 36 || f == 37) roadTile(p, f - 36);
  else if (f == 38) vergeTile(p);
  else if (f == 39) lineTile(p);
  else if (f >= 40 && f <= 43) car(p, f - 40);
  else if (f >= 44 && f <= 47) runner(p, f - 44, 0, 2);
  else if (f >= 48 && f <= 51) turret(p, f - 48);
  else if (f >= 52 && f <= 55) bullet(p, f - 52);
  else if (f == 56) virusSegment(p);
}

void sheet1(Painter& p, int f) {
  if (f >= 36 && f <= 39) ship(p, f - 36);
  else if (f == 48) cactus(p);
  else if (f >= 49 && f <= 51) alien(p, f - 49);
  else if (f >= 52 && f <= 55) shot(p, f - 52);
  else if (f >= 56 && f <= 59) bomb(p, f - 56);
  else if (f >= 60 && f <= 63) present(p, f - 60);
}

void sheet2(Painter& p, int f) {
  if (f < 28) {
    int pl = f / 7, k = f % 7;
    if (k == 6) runner(p, pl, 0, 1);
    else runner(p, pl, k / 6.0f, 0);
  }
}

void sheet3(Painter& p, int f) {
  if (f >= 16 && f <= 19) plane(p, f - 16);
  else if (f >= 20 && f <= 23) roundFigure(p, f - 20);
  else if (f >= 48 && f <= 51) quartz(p, f - 48);
}

void sheet4(Painter& p, int f) {
  if (f <= 3) frog(p, f);
  else if (f == 4) lilyPad(p);
  else if (f >= 12 && f <= 15) glitterBall(p, f - 12);
  else if (f >= 32 && f <= 35) hero(p, f - 32);
  else if (f == 40) heroBullet(p);
  else if (f >= 48 && f <= 58) enemy(p, f - 48);
}

void sheet5(Painter& p, int f) {
  if (f <= 3) ostrich(p, f, false);
  else if (f == 4) egg(p);
  else if (f >= 12 && f <= 15) ostrich(p, f - 12, true);
  else if (f >= 8 && f <= 11) tank(p, f - 8);
  else if (f >= 16 && f <= 19) gem(p, f - 16);
  else if (f == 20) robot(p);
  else if (f == 21) quartz(p, 3);
  else if (f == 24) coin(p);
  else if (f == 25) dart(p);
  else if (f == 28) octagonBlock(p);
  else if (f >= 32 && f <= 35) sheep(p, f - 32);
  else if (f >= 36 && f <= 39) playerSheep(p, f - 36);
  else if (f >= 40 && f <= 43) ball(p, f - 40);
  else if (f >= 44 && f <= 47) yarnBall(p, f - 44);
  else if (f == 48) candyCane(p);
  else if (f >= 49 && f <= 52) bauble(p, f - 49);
  else if (f == 53) xmasTree(p);
  else if (f == 54) snowman(p);
  else if (f == 55) stocking(p);
  else if (f >= 56 && f <= 59) present(p, f - 56);
}

// Popcorn sheet: 0-3 tiny players, 4-15 popcorn kernels.
void popCell(Painter& p, int f) {
  // The players fill their cell and carry a snow-white rim, so the four dots stand out
  // from the kernels and from a dark field at play size.
  if (f < 4) {
    Rgba c = playerColour(f);
    p.circle(4, 4, 3.9f, Paint(kSnow));
    p.circle(4, 4, 3.1f, glossy(c, 4, 4, 3.1f), 0.4f);
    p.circle(3, 3.6f, 0.8f, Paint(kWhite));
    p.circle(5, 3.6f, 0.8f, Paint(kWhite));
    p.circle(3.1f, 3.8f, 0.4f, Paint(kInk));
    p.circle(5.1f, 3.8f, 0.4f, Paint(kInk));
    return;
  }
  Rng rng(500 + f * 31);
  int n = 3 + f % 3;
  std::vector<float> blobs;
  for (int i = 0; i < n; ++i) {
    float a = rng.range(0, 2 * kPi), r = rng.range(0.8f, 1.9f);
    blobs.insert(blobs.end(), {4 + std::cos(a) * r, 4 + std::sin(a) * r, rng.range(1.7f, 2.3f)});
  }
  auto sdf = [blobs](float x, float y) {
    float d = 1e9f;
    for (size_t i = 0; i < blobs.size(); i += 3) d = std::min(d, sdCircle(x, y, blobs[i], blobs[i + 1], blobs[i + 2]));
    return d;
  };
  p.fillOutlined(sdf, {0.5f, 0.5f, 7.5f, 7.5f},
                 radialGradient(3.2f, 3.2f, 4.5f, rgb(255, 252, 235), rgb(235, 205, 140)), 0.55f,
                 rgb(120, 80, 40));
  p.circle(4 + rng.range(-1, 1), 4 + rng.range(-1, 1), 0.8f, Paint(rgb(230, 150, 40)));
}

std::vector<int> range(int a, int b) {
  std::vector<int> v;
  for (int i = a; i <= b; ++i) v.push_back(i);
  return v;
}
std::vector<int> cat(std::vector<std::vector<int>> parts) {
  std::vector<int> v;
  for (auto& p : parts) v.insert(v.end(), p.begin(), p.end());
  return v;
}

}  // namespace

std::vector<SheetDef> spriteSheets() {
  std::vector<SheetDef> s;
  s.push_back({"sprt_0", 40, 40, 64, 8, sheet0, true,
               cat({range(0, 11), {19}, range(24, 27), range(32, 56)})});
  s.push_back({"sprt_1", 40, 40, 64, 8, sheet1, true, cat({range(36, 39), range(48, 59)})});
  s.push_back({"sprt_2", 40, 40, 64, 8, sheet2, true, range(0, 27)});
  s.push_back({"sprt_3", 40, 40, 64, 8, sheet3, true, cat({range(16, 23), range(48, 51)})});
  s.push_back({"sprt_4", 40, 40, 64, 8, sheet4, true,
               cat({range(0, 4), range(12, 15), range(32, 35), {40}, range(48, 58)})});
  s.push_back({"sprt_5", 40, 40, 64, 8, sheet5, true,
               cat({range(0, 4), range(8, 21), range(24, 25), {28}, range(36, 39), range(44, 54), range(56, 59)})});
  s.push_back({"pop", 8, 8, 16, 4, popCell, true, range(0, 15)});
  return s;
}

}  // namespace datagen
