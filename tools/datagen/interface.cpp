// The interface images: icons, on-screen pad, gear buttons, the makers' logo, the title
// card, the menu backdrops, the "Tinsel Jumble" logo, the heart, bars, badges and particles.
// The game tiles live in tiles.cpp. Pictures the game tints (particles, backdrops) are white.
#include <cmath>
#include <vector>

#include "art_kit.h"
#include "font.h"
#include "sheet.h"

namespace datagen {

std::vector<SheetDef> tileSheets();   // tiles.cpp
std::vector<SheetDef> badgeSheets();  // badge_art.cpp

namespace {

constexpr float kPi = 3.14159265f;
float rad(float d) { return d * kPi / 180; }
const float OW = kOutline;

// ---------------------------------------------------------------------------- icons (32 x 32)

void roundButton(Painter& p, float cx, float cy, float r, Rgba c) {
  p.circle(cx + 0.8f, cy + 1.2f, r, Paint(rgb(0, 0, 20, 0.35f)));
  p.circle(cx, cy, r, glossy(c, cx, cy, r), OW * 1.2f);
  p.ring(cx, cy, r - 1.6f, 1.0f, Paint(withAlpha(kWhite, 0.35f)));
}

void icon(Painter& p, int f) {
  static const Rgba tone[16] = {
      rgb(60, 120, 230), rgb(220, 50, 50), rgb(60, 120, 230), rgb(60, 180, 80), rgb(60, 120, 230),
      rgb(60, 120, 230), rgb(255, 210, 60), rgb(60, 120, 230), rgb(120, 90, 200), rgb(220, 50, 50),
      rgb(60, 180, 80), rgb(240, 150, 40), rgb(60, 120, 230), rgb(60, 120, 230), rgb(220, 50, 50),
      rgb(255, 210, 60)};
  if (f == 6) {  // selection ring: a glowing gold ring with four sparkles
    p.ring(16, 16, 13, 3, Paint(kGold), OW);
    p.ring(16, 16, 13, 1, Paint(rgb(255, 250, 200)));
    for (int i = 0; i < 4; ++i) {
      float a = rad(45 + i * 90.0f);
      p.star(16 + std::sin(a) * 13, 16 - std::cos(a) * 13, 3.5f, 1, 4, 0, Paint(kWhite));
    }
    return;
  }
  roundButton(p, 16, 16, 13.5f, tone[f]);
  Paint w(kWhite);
  switch (f) {
    case 0:  // pause
      p.roundRect(10.5f, 9, 4, 14, 1, w, 0.8f);
      p.roundRect(17.5f, 9, 4, 14, 1, w, 0.8f);
      break;
    case 1: p.roundRect(10, 10, 12, 12, 1.5f, w, 0.8f); break;  // stop
    case 2:  // restart arrow
      p.arc(16, 16, 6.5f, 60, 330, 2.6f, w, 0.8f);
      p.polygon({16, 5.5f, 20.5f, 9.5f, 15, 12.5f}, w, 0.8f);
      break;
    case 3: p.polygon({12, 8.5f, 23.5f, 16, 12, 23.5f}, w, 0.8f); break;  // play
    case 4:  // sound on
    case 5:  // sound off
      p.polygon({8, 13, 12, 13, 17, 8.5f, 17, 23.5f, 12, 19, 8, 19}, w, 0.8f);
      if (f == 4) {
        p.arc(17, 16, 4.5f, 45, 135, 1.6f, w);
        p.arc(17, 16, 8, 40, 140, 1.6f, w);
      } else {
        p.line(19.5f, 12.5f, 25.5f, 19.5f, 2, Paint(rgb(255, 120, 120)), 0.8f);
        p.line(25.5f, 12.5f, 19.5f, 19.5f, 2, Paint(rgb(255, 120, 120)), 0.8f);
      }
      break;
    case 7:  // music note
      p.ellipse(12, 21.5f, 3.2f, 2.5f, w, 0.8f);
      p.ellipse(21, 19.5f, 3.2f, 2.5f, w, 0.8f);
      p.polyline({14.8f, 21.5f, 14.8f, 9.5f, 23.8f, 7.5f, 23.8f, 19.5f}, 1.6f, w);
      break;
    case 8:  // settings gear
      p.star(16, 16, 9.5f, 7, 8, 0, w, 0.8f);
      p.circle(16, 16, 3, Paint(tone[f]));
      break;
    case 9:  // close cross
      p.line(10.5f, 10.5f, 21.5f, 21.5f, 3.2f, w, 0.8f);
      p.line(21.5f, 10.5f, 10.5f, 21.5f, 3.2f, w, 0.8f);
      break;
    case 10:  // tick
      p.polyline({9.5f, 16.5f, 14, 21, 23, 11}, 3.2f, w, 0.8f);
      break;
    case 11:  // trophy
      p.polygon({10, 8, 22, 8, 21, 15, 16, 18.5f, 11, 15}, Paint(kGold), 0.8f);
      p.rect(14.5f, 18, 3, 4, Paint(kGold));
      p.roundRect(11, 21.5f, 10, 3, 1, Paint(kGold), 0.8f);
      p.arc(10, 11.5f, 3, 180, 360, 1.2f, Paint(kGold));
      p.arc(22, 11.5f, 3, 0, 180, 1.2f, Paint(kGold));
      break;
    case 12:  // full screen corners
      for (int sx = -1; sx <= 1; sx += 2)
        for (int sy = -1; sy <= 1; sy += 2)
          p.polyline({16 + sx * 7.5f, 16 + sy * 3.0f, 16 + sx * 7.5f, 16 + sy * 7.5f, 16 + sx * 3.0f, 16 + sy * 7.5f},
                     2.2f, w, 0.6f);
      break;
    case 13:  // home
      p.polygon({16, 8, 24.5f, 15.5f, 22, 15.5f, 22, 23, 10, 23, 10, 15.5f, 7.5f, 15.5f}, w, 0.8f);
      p.rect(14.5f, 18, 3, 5, Paint(tone[f]));
      break;
    case 14: p.polygon({16, 7, 25, 16, 19, 16, 19, 24, 13, 24, 13, 16, 7, 16}, w, 0.8f); break;  // up
    default:  // 15: a star
      p.star(16, 16.5f, 9, 4, 5, 0, w, 0.8f);
      break;
  }
}

// ---------------------------------------------------------------------------- dpad (32 x 32)

void dpadPiece(Painter& p, int f) {
  bool pressed = f >= 8;
  int k = f % 8;
  Rgba face = pressed ? rgb(150, 170, 210) : rgb(235, 240, 255);
  Rgba rim = pressed ? rgb(80, 100, 150) : rgb(120, 140, 190);
  if (k < 4) {  // arrow pads up, down, left, right
    p.push();
    p.translate(16, 16);
    p.rotate(k == 0 ? 0 : k == 1 ? 180 : k == 2 ? -90 : 90);
    p.roundRect(-11, -13, 22, 26, 5, Paint(withAlpha(rim, 0.85f)), OW);
    p.roundRect(-9.5f, -11.5f, 19, 22, 4, linearGradient(0, -12, face, 0, 12, shade(face, 0.85f)));
    p.polygon({0, -7, 6, 2, -6, 2}, Paint(rgb(40, 60, 110)));
    p.pop();
  } else if (k == 4 || k == 5) {  // fire buttons A and B
    Rgba c = k == 4 ? rgb(70, 200, 80) : rgb(235, 60, 60);
    if (pressed) c = shade(c, 0.7f);
    p.circle(16, 16, 13, glossy(c, 16, 16, 13), OW);
    p.ring(16, 16, 11, 1, Paint(withAlpha(kWhite, 0.4f)));
    drawGlyph(p, k == 4 ? 'A' : 'B', 16 - 2.5f * 1.6f - 0.8f, 16 - 3.5f * 1.6f - 0.8f, 1.6f, 1.2f, Paint(kWhite));
  } else if (k == 6) {  // stick base
    p.circle(16, 16, 14, radialGradient(16, 16, 14, withAlpha(rim, 0.3f), withAlpha(rim, 0.8f)), OW);
    for (int i = 0; i < 4; ++i) {
      p.push();
      p.translate(16, 16);
      p.rotate(i * 90.0f);
      p.polygon({0, -12.5f, 2.5f, -9.5f, -2.5f, -9.5f}, Paint(withAlpha(kWhite, 0.8f)));
      p.pop();
    }
  } else {  // stick knob
    p.circle(16, 16, 9, glossy(face, 16, 16, 9), OW);
    p.ring(16, 16, 5.5f, 1, Paint(withAlpha(rim, 0.6f)));
  }
}

// ---------------------------------------------------------------------------- Buttons (64 x 64)

void gear(Painter& p, float cx, float cy, float r, int teeth, Rgba c, float hole) {
  std::vector<float> pts;
  for (int i = 0; i < teeth * 4; ++i) {
    float a = rad((i - 0.5f) * 360.0f / (teeth * 4));
    float rr = (i % 4 < 2) ? r : r * 0.8f;
    pts.push_back(cx + std::sin(a) * rr);
    pts.push_back(cy - std::cos(a) * rr);
  }
  auto body = [pts, cx, cy, hole](float x, float y) {
    return std::max(sdPolygon(x, y, pts), -sdCircle(x, y, cx, cy, hole));
  };
  p.fillOutlined(body, {cx - r, cy - r, cx + r, cy + r}, glossy(c, cx, cy, r), OW * 1.2f);
}

void buttonCell(Painter& p, int f) {
  switch (f) {
    case 8: gear(p, 32, 32, 30, 12, rgb(230, 180, 60), 20); break;  // outer layer
    case 9:
      gear(p, 32, 32, 21, 9, rgb(200, 60, 60), 12);
      for (int i = 0; i < 6; ++i) {
        float a = rad(i * 60.0f);
        p.circle(32 + std::sin(a) * 16.5f, 32 - std::cos(a) * 16.5f, 1.6f, Paint(kGold));
      }
      break;
    case 10:
      gear(p, 32, 32, 12, 7, rgb(70, 160, 90), 0.01f);
      p.star(32, 32, 6, 2.6f, 5, 0, Paint(kGold), 0.8f);
      break;
    case 12: {  // credits corner: a small stack of presents under a sprig of holly
      p.roundRect(10, 30, 26, 24, 2, Paint(rgb(60, 110, 230)), OW);
      p.rect(21, 30, 4, 24, Paint(kWhite));
      p.roundRect(30, 38, 24, 18, 2, Paint(rgb(220, 40, 50)), OW);
      p.rect(40, 38, 4, 18, Paint(kGold));
      p.ellipse(18, 27, 5, 3, Paint(kWhite), OW);
      p.ellipse(28, 27, 5, 3, Paint(kWhite), OW);
      for (int s = -1; s <= 1; s += 2)
        p.polygon({42, 22, 42 + s * 12.0f, 16, 42 + s * 8.0f, 22, 42 + s * 12.0f, 28}, Paint(rgb(40, 140, 60)), OW);
      p.circle(40, 21, 2.5f, Paint(rgb(220, 30, 40)), 0.8f);
      p.circle(44, 21.5f, 2.5f, Paint(rgb(220, 30, 40)), 0.8f);
      p.circle(42, 18, 2.5f, Paint(rgb(220, 30, 40)), 0.8f);
      break;
    }
    default: {  // round menu buttons in the palette, each with a symbol
      static const Rgba cols[8] = {rgb(220, 50, 50), rgb(240, 140, 40), rgb(240, 200, 40), rgb(60, 180, 80),
                                   rgb(50, 190, 210), rgb(60, 110, 230), rgb(140, 80, 220), rgb(230, 80, 160)};
      Rgba c = cols[f % 8];
      p.circle(33, 34, 27, Paint(rgb(0, 0, 20, 0.35f)));
      p.circle(32, 32, 27, glossy(c, 32, 32, 27), OW * 1.5f);
      p.ring(32, 32, 23.5f, 1.6f, Paint(withAlpha(kWhite, 0.4f)));
      highlight(p, 22, 20, 8, 4, 0.4f);
      int sym = f % 8;
      if (sym < 4) emblem(p, sym, 32, 32, 12, kWhite, 1.2f);
      else if (sym == 4) p.polygon({25, 19, 44, 32, 25, 45}, Paint(kWhite), 1.2f);
      else if (sym == 5) p.star(32, 33, 14, 6, 5, 0, Paint(kWhite), 1.2f);
      else if (sym == 6) emblem(p, 1, 32, 32, 13, kWhite, 1.2f);
      else p.circle(32, 32, 9, Paint(kWhite), 1.2f);
      break;
    }
  }
}

// ---------------------------------------------------------------------------- big round pictures

// The makers' round logo: a gold-rimmed red disc with the letters TJ, a star, and the
// word DEVELOPERS for the Tinsel Jumble developers.
void makersLogo(Painter& p, int) {
  p.circle(128, 128, 124, radialGradient(100, 90, 170, rgb(255, 230, 120), rgb(200, 120, 20)), 3);
  p.circle(128, 128, 108, radialGradient(105, 95, 150, rgb(240, 60, 60), rgb(130, 10, 30)), 2.5f);
  for (int i = 0; i < 24; ++i) {
    float a = rad(i * 15.0f);
    p.circle(128 + std::sin(a) * 116, 128 - std::cos(a) * 116, 2.6f, Paint(i % 2 ? kWhite : rgb(255, 250, 200)));
  }
  float unit = 10.0f;
  float w = textWidth("TJ", unit);
  drawText(p, "TJ", 128 - w / 2 + unit * 0.6f, 128 - 4 * unit, unit, 1.25f, Paint(kWhite), 1.6f);
  p.star(128, 52, 16, 7, 5, 0, Paint(kGold), 2.5f);
  float u2 = 2.6f;
  float w2 = textWidth("DEVELOPERS", u2);
  drawText(p, "DEVELOPERS", 128 - w2 / 2 + u2 * 0.6f, 178, u2, 1.3f, Paint(rgb(255, 230, 150)), 1.2f);
  highlight(p, 80, 70, 40, 16, 0.18f);
}

// The round title card: a night scene of snowy hills, a tree and falling snow in a ring of
// fairy lights, with the game's name.
void titleCard(Painter& p, int) {
  auto inside = [](float x, float y) { return sdCircle(x, y, 128, 128, 118); };
  p.circle(128, 128, 126, Paint(rgb(30, 30, 60)), 2);
  p.fill(inside, {10, 10, 246, 246}, linearGradient(0, 10, rgb(20, 40, 110), 0, 200, rgb(90, 120, 200)));
  Rng rng(42);
  for (int i = 0; i < 60; ++i) {
    float x = rng.range(20, 236), y = rng.range(20, 200);
    if (sdCircle(x, y, 128, 128, 112) > 0) continue;
    float r = rng.range(0.8f, 2.2f);
    p.circle(x, y, r, Paint(withAlpha(kWhite, rng.range(0.5f, 0.95f))));
  }
  auto hills = [inside](float x, float y) {
    float h1 = 175 + std::sin(x * 0.03f) * 10, h2 = 195 + std::sin(x * 0.05f + 2) * 8;
    return std::max(inside(x, y), std::min(h1 - y, h2 - y));
  };
  p.fill(hills, {10, 150, 246, 246}, linearGradient(0, 160, kWhite, 0, 246, rgb(180, 200, 240)));
  p.push();
  p.translate(128, 170);
  p.polygon({0, -70, 22, -40, 13, -40, 32, -15, 20, -15, 42, 12, -42, 12, -20, -15, -32, -15, -13, -40, -22, -40},
            linearGradient(0, -70, rgb(70, 190, 90), 0, 12, rgb(20, 100, 50)), 2);
  p.rect(-6, 12, 12, 10, Paint(rgb(110, 70, 40)));
  Rgba bulbs[4] = {rgb(255, 70, 70), rgb(255, 220, 60), rgb(80, 170, 255), rgb(255, 140, 220)};
  float pos[9][2] = {{-6, -50}, {8, -42}, {-12, -28}, {14, -22}, {0, -12}, {-24, 0}, {22, 2}, {-6, 4}, {10, -32}};
  for (int i = 0; i < 9; ++i) {
    p.glow(pos[i][0], pos[i][1], 7, withAlpha(bulbs[i % 4], 0.6f));
    p.circle(pos[i][0], pos[i][1], 3, Paint(bulbs[i % 4]), 0.8f);
  }
  p.star(0, -72, 12, 5, 5, 0, Paint(kGold), 2);
  p.pop();
  // ring of fairy lights on the rim
  for (int i = 0; i < 32; ++i) {
    float a = rad(i * 11.25f);
    float x = 128 + std::sin(a) * 120, y = 128 - std::cos(a) * 120;
    Rgba c = bulbs[i % 4];
    p.glow(x, y, 8, withAlpha(c, 0.7f));
    p.circle(x, y, 3.3f, Paint(c), 1);
  }
  float u = 3.6f;
  const char* l1 = "TINSEL";
  const char* l2 = "JUMBLE";
  drawText(p, l1, 128 - textWidth(l1, u) / 2 + u * 0.6f, 34, u, 1.4f, Paint(rgb(255, 235, 140)), 1.4f);
  drawText(p, l2, 128 - textWidth(l2, u) / 2 + u * 0.6f, 64, u, 1.4f, Paint(rgb(255, 235, 140)), 1.4f);
}

// ---------------------------------------------------------------------------- menu backdrops

// Big white snowflakes and a star, drawn rotating and faint behind the menu.
void snowflake(Painter& p, float cx, float cy, float r, int style) {
  Paint w(kWhite);
  for (int i = 0; i < 6; ++i) {
    p.push();
    p.translate(cx, cy);
    p.rotate(i * 60.0f);
    float t = r * 0.075f;
    p.line(0, 0, 0, -r, t, w);
    int branches = style == 0 ? 3 : (style == 1 ? 2 : 4);
    for (int b = 1; b <= branches; ++b) {
      float y = -r * (0.25f + 0.65f * b / (branches + 1.0f));
      float len = r * (style == 1 ? 0.38f : 0.28f) * (1.2f - 0.2f * b);
      p.line(0, y, len, y - len, t * 0.8f, w);
      p.line(0, y, -len, y - len, t * 0.8f, w);
    }
    p.polygon({0, -r * 1.02f, r * 0.07f, -r * 0.9f, 0, -r * 0.8f, -r * 0.07f, -r * 0.9f}, w);
    p.pop();
  }
  p.polygon(regularPolygon(cx, cy, r * 0.2f, 6, 0), w);
  p.polygon(regularPolygon(cx, cy, r * 0.1f, 6, 30), Paint(withAlpha(kWhite, 0.0f)));
}

void menuBackdrop(Painter& p, int f) {
  if (f == 3) {
    p.star(128, 128, 124, 50, 8, 0, Paint(withAlpha(kWhite, 0.85f)));
    p.star(128, 128, 90, 30, 8, 22.5f, Paint(kWhite));
    return;
  }
  snowflake(p, 128, 128, 122, f);
}

// ---------------------------------------------------------------------------- the logo

void titleLogo(Painter& p, int) {
  // a swag of tinsel between the two words
  std::vector<float> swag;
  for (int i = 0; i <= 64; ++i) {
    float x = 6 + i * 244.0f / 64;
    swag.push_back(x);
    swag.push_back(56 + std::sin(i * kPi / 8) * 2.5f + 5 * std::sin(i * kPi / 64));
  }
  p.polyline(swag, 6, Paint(PaintFn([](float x, float y) {
               float t = std::fmod(x * 0.9f + y * 0.4f, 6.0f);
               return t < 3 ? rgb(255, 215, 70) : rgb(255, 245, 190);
             })),
             1.2f);
  float u = 5.0f;
  auto word = [&](const char* s, float y, Rgba top, Rgba bottom) {
    float w = textWidth(s, u);
    float x = 128 - w / 2 + u * 0.6f;
    drawText(p, s, x + 1.5f, y + 2, u, 1.9f, Paint(rgb(0, 0, 30, 0.5f)), 1.7f, rgb(0, 0, 30, 0.5f));
    drawText(p, s, x, y, u, 1.9f, linearGradient(0, y, top, 0, y + 7 * u, bottom), 1.7f);
  };
  word("TINSEL", 6, rgb(255, 110, 100), rgb(190, 20, 40));
  word("JUMBLE", 72, rgb(120, 240, 130), rgb(20, 130, 50));
  // the four player baubles hang from the ends of the swag
  float bx[4] = {12, 30, 226, 244}, drop[4] = {14, 26, 26, 14};
  for (int i = 0; i < 4; ++i) {
    float y = 57 + drop[i];
    p.line(bx[i], 57, bx[i], y - 6, 1, Paint(kInk));
    p.roundRect(bx[i] - 2, y - 7.5f, 4, 2.5f, 0.6f, Paint(kGold), 0.7f);
    p.circle(bx[i], y, 6.5f, glossy(playerColour(i), bx[i], y, 6.5f), 1);
    emblem(p, i, bx[i], y + 0.5f, 2.8f, kWhite, 0);
  }
  p.star(236, 16, 9, 3, 4, 0, Paint(kWhite));
  p.star(18, 20, 5, 1.5f, 4, 0, Paint(kWhite));
  p.star(240, 112, 6, 1.8f, 4, 0, Paint(kWhite));
}

// ---------------------------------------------------------------------------- heart, bars

void heart(Painter& p, int) {
  auto h = [](float x, float y) {
    float l = sdCircle(x, y, 11, 12, 7.5f), r = sdCircle(x, y, 21, 12, 7.5f);
    float tri = sdPolygon(x, y, {4.2f, 15, 16, 28.5f, 27.8f, 15, 16, 9});
    return std::min(std::min(l, r), tri);
  };
  p.fillOutlined(h, {2, 3, 30, 30}, radialGradient(11, 10, 20, rgb(255, 120, 130), rgb(200, 20, 50)), OW * 1.2f);
  highlight(p, 10, 10, 3.5f, 2, 0.6f);
}

void bar(Painter& p, int f) {
  int kind = f / 4, v = f % 4;
  Rgba c = playerColour(v);
  switch (kind) {
    case 0:  // a rounded bar in each player colour
      p.roundRect(2, 6, 124, 20, 10, glossy(c, 30, 12, 60), OW);
      p.roundRect(8, 9, 112, 5, 2.5f, Paint(withAlpha(kWhite, 0.4f)));
      break;
    case 1: {  // tinsel garland
      Rgba t[4] = {rgb(255, 215, 70), rgb(220, 220, 235), rgb(230, 50, 60), rgb(70, 200, 100)};
      for (int i = 0; i < 60; ++i) {
        float x = 3 + i * 2.05f;
        float y = 16 + std::sin(i * 0.5f) * 2;
        p.line(x, y - 7, x + 2, y + 7, 1.2f, Paint(shade(t[v], i % 2 ? 1.3f : 0.9f)));
      }
      break;
    }
    case 2:  // candy cane stripes
      p.roundRect(2, 8, 124, 16, 8, Paint(PaintFn([](float x, float y) {
                    return std::fmod(x + y, 12.0f) < 6 ? rgb(230, 30, 50) : rgb(255, 250, 250);
                  })),
                  OW);
      break;
    default:  // string of lights
      p.polyline({0, 10, 32, 14, 64, 10, 96, 14, 128, 10}, 1.2f, Paint(rgb(40, 60, 40)));
      for (int i = 0; i < 8; ++i) {
        float x = 8 + i * 16.0f, y = 13 + (i % 2) * 2.0f;
        Rgba b = playerColour((i + v) % 4);
        p.glow(x, y + 6, 9, withAlpha(b, 0.6f));
        p.roundRect(x - 2, y - 1, 4, 3, 1, Paint(rgb(60, 70, 60)));
        p.ellipse(x, y + 6, 3, 4.5f, Paint(shade(b, 1.2f)), 0.8f);
      }
      break;
  }
}

// ---------------------------------------------------------------------------- badges

// A medal turning about its upright axis: frame f shows angle f * 360 / 64, with a shine
// sweeping across the face as it turns to the front.
void badge(Painter& p, int f) {
  float ang = f * 360.0f / 64;
  float c = std::cos(rad(ang));
  float sx = std::max(0.06f, std::fabs(c));
  bool front = c >= 0;
  // ribbon stays put
  p.polygon({22, 2, 30, 2, 36, 24, 28, 24}, Paint(rgb(220, 40, 50)), OW);
  p.polygon({42, 2, 34, 2, 28, 24, 36, 24}, Paint(rgb(40, 110, 220)), OW);
  float cx = 32, cy = 38, r = 22;
  Rgba gold = kGold, rim = rgb(200, 130, 20);
  // edge thickness seen while turning
  float edge = (1 - sx) * 4;
  p.ellipse(cx + (c >= 0 ? edge * 0.5f : -edge * 0.5f), cy, r * sx + edge * 0.5f, r, Paint(rim), OW);
  p.ellipse(cx, cy, r * sx, r, radialGradient(cx - 6 * sx, cy - 8, 30, rgb(255, 240, 150), gold), OW);
  p.push();
  p.translate(cx, cy);
  // the face: squeeze the x axis by drawing into a narrowed emblem
  if (sx > 0.2f) {
    float s = 15;
    std::vector<float> st = starPoints(0, 1, s, s * 0.45f, 5, 0);
    for (size_t i = 0; i < st.size(); i += 2) st[i] *= sx;
    if (front) {
      p.polygon(st, Paint(rgb(255, 250, 220)), 0.8f);
    } else {
      std::vector<float> ring;
      p.ellipse(0, 0, 12 * sx, 12, Paint(rgb(230, 170, 40)), 0.8f);
      p.ellipse(0, 0, 7 * sx, 7, Paint(rgb(255, 230, 130)));
    }
  }
  p.pop();
  // the shine: a bright diagonal band sliding across while the face turns towards us
  float shine = std::fmod(f / 64.0f * 2 + 0.1f, 1.0f);
  float bandX = cx - r + shine * 2 * r * 1.4f - r * 0.2f;
  auto face = [=](float x, float y) { return sdEllipse(x, y, cx, cy, r * sx, r); };
  p.fill(face, {cx - r, cy - r, cx + r, cy + r}, Paint(PaintFn([=](float x, float y) {
           float d = std::fabs((x - bandX) + (y - cy) * 0.5f);
           float a = std::max(0.0f, 1 - d / 4.5f);
           return withAlpha(kWhite, 0.75f * a * a);
         })));
  if (f % 16 == 4) p.star(cx + 10 * sx, cy - 12, 6, 1.4f, 4, 0, Paint(kWhite));
}

// ---------------------------------------------------------------------------- particles

// 256 white particles (the game tints them): snowflakes, sparkles, stars, confetti and dots,
// in a seeded variety of sizes and angles.
void particle(Painter& p, int f) {
  Rng rng(9000 + f * 7919);
  int kind = f % 8;
  float rot = rng.range(0, 360), s = rng.range(0.75f, 1.0f);
  Paint w(kWhite);
  p.push();
  p.translate(4, 4);
  p.rotate(rot);
  p.scale(s);
  switch (kind) {
    case 0:  // six-armed snowflake
    case 4:
      for (int i = 0; i < 3; ++i) {
        float a = rad(i * 60.0f);
        p.line(-std::sin(a) * 3.4f, std::cos(a) * 3.4f, std::sin(a) * 3.4f, -std::cos(a) * 3.4f, 0.7f, w);
      }
      if (kind == 4) p.circle(0, 0, 1.1f, w);
      break;
    case 1:  // four-point sparkle
      p.star(0, 0, 3.6f, 0.9f, 4, 0, w);
      break;
    case 2:  // five-point star
      p.star(0, 0.3f, 3.4f, 1.5f, 5, 0, w);
      break;
    case 3:  // confetti strip
      p.roundRect(-1.2f, -3, 2.4f, 6, 0.5f, linearGradient(-1.2f, 0, kWhite, 1.2f, 0, rgb(200, 200, 200)));
      break;
    case 5:  // soft snow dot
      p.glow(0, 0, 3.6f, kWhite);
      p.circle(0, 0, 1.4f, w);
      break;
    case 6:  // confetti square
      p.roundRect(-2, -2, 4, 4, 0.5f, linearGradient(-2, -2, kWhite, 2, 2, rgb(190, 190, 190)));
      break;
    default:  // eight-point glint
      p.star(0, 0, 3.5f, 1.2f, 8, 0, w);
      p.circle(0, 0, 1.0f, w);
      break;
  }
  p.pop();
}

std::vector<int> all(int n) {
  std::vector<int> v;
  for (int i = 0; i < n; ++i) v.push_back(i);
  return v;
}

}  // namespace

std::vector<SheetDef> interfaceSheets() {
  std::vector<SheetDef> s;
  s.push_back({"common/icons", 32, 32, 16, 4, icon, true, {0, 1, 3, 6}});
  s.push_back({"common/Buttons", 64, 64, 16, 4, buttonCell, true, {8, 9, 10, 12}});
  s.push_back({"common/dpad", 32, 32, 16, 4, dpadPiece, true, all(16)});
  s.push_back({"common/QVXLLogo", 256, 256, 1, 1, makersLogo, true, {0}});
  s.push_back({"common/Testcard_Circle", 256, 256, 1, 1, titleCard, true, {0}});
  s.push_back({"menu", 256, 256, 4, 2, menuBackdrop, true, all(4)});
  s.push_back({"logo", 256, 128, 1, 1, titleLogo, true, {0}});
  s.push_back({"parts", 8, 8, 256, 16, particle, true, all(256)});
  s.push_back({"BadgesA", 64, 64, 64, 8, badge, true, all(64)});
  for (SheetDef& d : badgeSheets()) s.push_back(std::move(d));
  s.push_back({"heart", 32, 32, 1, 1, heart, true, {0}});
  for (SheetDef& d : tileSheets()) s.push_back(std::move(d));
  s.push_back({"bars", 128, 32, 16, 4, bar, true, all(16)});
  return s;
}

}  // namespace datagen
