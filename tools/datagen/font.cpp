// The stroke font and the two font sheets built from it: the game font
// "fonts/shadow_editundo" (142 cells of 16 x 16: characters 32..127 with a soft shadow,
// the controller and keyboard button glyphs, then the keys of the two keyboard players)
// and the runtime's built-in "vobo_font.png" (one row of 96 cells with a blank pixel
// column on each side).
#include "font.h"

#include <cmath>
#include <cstdlib>
#include <vector>

#include "sheet.h"

namespace datagen {

namespace {

// Strokes of each glyph: points "x,y" separated by spaces, strokes by '|'. A stroke of a
// single point is a dot. Grid: x from 0, y 0 = cap top, 2 = x-height, 6 = baseline, 8 =
// descender. The game's kerning decides the widths: most glyphs are 5 columns, i/l/f 1-3,
// j/s/k/r/z/t/n 4, m/w 7.
const char* const kGlyphs[96] = {
    "",                                                          // space
    "2,0 2,4|2,6",                                               // !
    "1,0 1,1|3,0 3,1",                                           // "
    "1,1 1,5|3,1 3,5|0,2 4,2|0,4 4,4",                           // #
    "4,1 1,1 0,2 1,3 3,3 4,4 3,5 0,5|2,0 2,6",                   // $
    "0,6 4,0|0,0 0,1|4,5 4,6",                                   // %
    "4,6 1,2 1,1 2,0 3,1 0,4 0,5 1,6 2,6 4,4",                   // &
    "2,0 2,1",                                                   // '
    "3,0 2,1 2,5 3,6",                                           // (
    "1,0 2,1 2,5 1,6",                                           // )
    "2,1 2,5|0,2 4,4|4,2 0,4",                                   // *
    "2,1 2,5|0,3 4,3",                                           // +
    "2,5 2,6 1,7",                                               // ,
    "1,3 3,3",                                                   // -
    "2,6",                                                       // .
    "4,0 0,6",                                                   // /
    "1,0 3,0 4,1 4,5 3,6 1,6 0,5 0,1 1,0|1,4 3,2",               // 0
    "1,1 2,0 2,6|1,6 3,6",                                       // 1
    "0,1 1,0 3,0 4,1 4,2 0,6 4,6",                               // 2
    "0,1 1,0 3,0 4,1 4,2 3,3 2,3|3,3 4,4 4,5 3,6 1,6 0,5",       // 3
    "3,6 3,0 0,4 4,4",                                           // 4
    "4,0 0,0 0,3 3,3 4,4 4,5 3,6 1,6 0,5",                       // 5
    "3,0 1,0 0,1 0,5 1,6 3,6 4,5 4,4 3,3 0,3",                   // 6
    "0,0 4,0 4,1 2,3 2,6",                                       // 7
    "1,0 3,0 4,1 4,2 3,3 1,3 0,2 0,1 1,0|1,3 0,4 0,5 1,6 3,6 4,5 4,4 3,3",  // 8
    "4,3 1,3 0,2 0,1 1,0 3,0 4,1 4,5 3,6 1,6",                   // 9
    "2,2|2,5",                                                   // :
    "2,2|2,5 2,6 1,7",                                           // ;
    "3,1 1,3 3,5",                                               // <
    "0,2 4,2|0,4 4,4",                                           // =
    "1,1 3,3 1,5",                                               // >
    "0,1 1,0 3,0 4,1 4,2 2,3 2,4|2,6",                           // ?
    "3,4 3,2 2,2 1,3 2,4 4,4 4,1 3,0 1,0 0,1 0,5 1,6 4,6",       // @
    "0,6 0,1 1,0 3,0 4,1 4,6|0,3 4,3",                           // A
    "0,0 3,0 4,1 4,2 3,3 0,3|3,3 4,4 4,5 3,6 0,6 0,0",           // B
    "4,1 3,0 1,0 0,1 0,5 1,6 3,6 4,5",                           // C
    "0,0 3,0 4,1 4,5 3,6 0,6 0,0",                               // D
    "4,0 0,0 0,6 4,6|0,3 3,3",                                   // E
    "4,0 0,0 0,6|0,3 3,3",                                       // F
    "4,1 3,0 1,0 0,1 0,5 1,6 3,6 4,5 4,3 2,3",                   // G
    "0,0 0,6|4,0 4,6|0,3 4,3",                                   // H
    "1,0 3,0|2,0 2,6|1,6 3,6",                                   // I
    "4,0 4,5 3,6 1,6 0,5",                                       // J
    "0,0 0,6|4,0 1,3 0,3|1,3 4,6",                               // K
    "0,0 0,6 4,6",                                               // L
    "0,6 0,0 2.5,2.5 5,0 5,6",                                   // M
    "0,6 0,0 4,6 4,0",                                           // N
    "1,0 3,0 4,1 4,5 3,6 1,6 0,5 0,1 1,0",                       // O
    "0,6 0,0 3,0 4,1 4,2 3,3 0,3",                               // P
    "1,0 3,0 4,1 4,5 3,6 1,6 0,5 0,1 1,0|2,4 4,6",               // Q
    "0,6 0,0 3,0 4,1 4,2 3,3 0,3|2,3 4,6",                       // R
    "4,1 3,0 1,0 0,1 0,2 1,3 3,3 4,4 4,5 3,6 1,6 0,5",           // S
    "0,0 4,0|2,0 2,6",                                           // T
    "0,0 0,5 1,6 3,6 4,5 4,0",                                   // U
    "0,0 0,3 2,6 4,3 4,0",                                       // V
    "0,0 0,6 2.5,3.5 5,6 5,0",                                   // W
    "0,0 0,1 4,5 4,6|4,0 4,1 0,5 0,6",                           // X
    "0,0 0,1 2,3 4,1 4,0|2,3 2,6",                               // Y
    "0,0 4,0 4,1 0,5 0,6 4,6",                                   // Z
    "3,0 1,0 1,6 3,6",                                           // [
    "0,0 4,6",                                                   // backslash
    "1,0 3,0 3,6 1,6",                                           // ]
    "0,2 2,0 4,2",                                               // ^
    "0,7 4,7",                                                   // _
    "1,0 2,1",                                                   // `
    "1,2 3,2 4,3 4,6|4,4 1,4 0,5 1,6 4,6",                       // a
    "0,0 0,6 3,6 4,5 4,3 3,2 0,2",                               // b
    "4,2 1,2 0,3 0,5 1,6 4,6",                                   // c
    "4,0 4,6 1,6 0,5 0,3 1,2 4,2",                               // d
    "0,4 4,4 4,3 3,2 1,2 0,3 0,5 1,6 4,6",                       // e
    "2,0 1,1 1,6|0,2 2,2",                                       // f
    "4,2 4,7 3,8 0,8|4,5 1,5 0,4 0,3 1,2 4,2",                   // g
    "0,0 0,6|0,2 3,2 4,3 4,6",                                   // h
    "1,2 1,6|1,0",                                               // i
    "3,2 3,7 2,8 0,8|3,0",                                       // j
    "0,0 0,6|3,2 0,5|1,4 3,6",                                   // k
    "0,0 1,0 1,6",                                               // l
    "0,6 0,2 5,2 6,3 6,6|3,2 3,6",                               // m
    "0,6 0,2 2,2 3,3 3,6",                                       // n
    "1,2 3,2 4,3 4,5 3,6 1,6 0,5 0,3 1,2",                       // o
    "0,8 0,2 3,2 4,3 4,5 3,6 0,6",                               // p
    "4,8 4,2 1,2 0,3 0,5 1,6 4,6",                               // q
    "0,6 0,2|0,3 1,2 3,2",                                       // r
    "3,2 1,2 0,3 1,4 2,4 3,5 2,6 0,6",                           // s
    "1,0 1,5 2,6 3,6|0,2 3,2",                                   // t
    "0,2 0,5 1,6 4,6 4,2",                                       // u
    "0,2 0,3 2,6 4,3 4,2",                                       // v
    "0,2 0,5 1,6 2,6 3,5 3,3|3,5 4,6 5,6 6,5 6,2",               // w
    "0,2 4,6|4,2 0,6",                                           // x
    "0,2 0,5 1,6 4,6|4,2 4,7 3,8 0,8",                           // y
    "0,2 3,2 0,6 3,6",                                           // z
    "3,0 2,1 2,2 1,3 2,4 2,5 3,6",                               // {
    "2,0 2,7",                                                   // |
    "1,0 2,1 2,2 3,3 2,4 2,5 1,6",                               // }
    "0,3 1,2 2,3 3,3 4,2",                                       // ~
    "2,1 2,5|0,3 4,3|1,2 3,4|3,2 1,4",                           // 127: a little snowflake
};

struct Stroke {
  std::vector<float> pts;
};

std::vector<Stroke> parseGlyph(int code) {
  std::vector<Stroke> out;
  if (code < 32 || code > 127) return out;
  const char* s = kGlyphs[code - 32];
  Stroke cur;
  while (*s) {
    if (*s == '|') {
      out.push_back(cur);
      cur.pts.clear();
      ++s;
      continue;
    }
    if (*s == ' ') {
      ++s;
      continue;
    }
    char* end;
    float x = std::strtof(s, &end);
    s = end + 1;  // skip ','
    float y = std::strtof(s, &end);
    s = end;
    cur.pts.push_back(x);
    cur.pts.push_back(y);
  }
  if (!cur.pts.empty()) out.push_back(cur);
  return out;
}

const std::vector<std::vector<Stroke>>& glyphTable() {
  static std::vector<std::vector<Stroke>> table = [] {
    std::vector<std::vector<Stroke>> t(128);
    for (int c = 32; c < 128; ++c) t[c] = parseGlyph(c);
    return t;
  }();
  return table;
}

}  // namespace

int glyphColumns(int code) {
  if (code < 32 || code > 127) return 0;
  float maxX = -1;
  for (const Stroke& s : glyphTable()[code])
    for (size_t i = 0; i < s.pts.size(); i += 2) maxX = std::max(maxX, s.pts[i]);
  return int(std::ceil(maxX)) + 1;
}

// Leftmost grid column a glyph's strokes use (free text starts each glyph there).
float glyphLeft(int code) {
  if (code < 32 || code > 127) return 0;
  float minX = 1e9f;
  for (const Stroke& s : glyphTable()[code])
    for (size_t i = 0; i < s.pts.size(); i += 2) minX = std::min(minX, s.pts[i]);
  return minX > 1e8f ? 0 : minX;
}

float glyphAdvance(int code) {
  if (code == ' ') return 4;
  int c = glyphColumns(code);
  return c <= 0 ? 4 : c - glyphLeft(code) + 1.2f;
}

void drawGlyph(Painter& p, int code, float x, float y, float unit, float width, const Paint& paint,
               float grow, float soft) {
  if (code < 32 || code > 127) return;
  const auto& strokes = glyphTable()[code];
  if (strokes.empty()) return;
  // All strokes of a glyph form one shape, so overlapping strokes do not double the alpha.
  std::vector<float> segs;  // x0 y0 x1 y1 in painter units
  float bx0 = 1e9f, by0 = 1e9f, bx1 = -1e9f, by1 = -1e9f;
  for (const Stroke& s : strokes) {
    size_t n = s.pts.size() / 2;
    for (size_t i = 0; i < n; ++i) {
      size_t j = (n == 1) ? i : i + 1;
      if (n > 1 && j >= n) break;
      float ax = x + (s.pts[2 * i] + 0.5f) * unit, ay = y + (s.pts[2 * i + 1] + 0.5f) * unit;
      float bx = x + (s.pts[2 * j] + 0.5f) * unit, by = y + (s.pts[2 * j + 1] + 0.5f) * unit;
      segs.insert(segs.end(), {ax, ay, bx, by});
      bx0 = std::min({bx0, ax, bx});
      by0 = std::min({by0, ay, by});
      bx1 = std::max({bx1, ax, bx});
      by1 = std::max({by1, ay, by});
    }
  }
  float hw = width * unit / 2;
  p.fill(
      [segs, hw](float px, float py) {
        float d = 1e30f;
        for (size_t i = 0; i < segs.size(); i += 4)
          d = std::min(d, sdSegment(px, py, segs[i], segs[i + 1], segs[i + 2], segs[i + 3]));
        return d - hw;
      },
      {bx0 - hw, by0 - hw, bx1 + hw, by1 + hw}, paint, grow, soft);
}

float textWidth(const std::string& s, float unit) {
  float w = 0;
  for (unsigned char c : s) w += glyphAdvance(c) * unit;
  return w;
}

void drawText(Painter& p, const std::string& s, float x, float y, float unit, float width,
              const Paint& paint, float outline, Rgba ink) {
  if (outline > 0) {
    float cx = x;
    for (unsigned char c : s) {
      drawGlyph(p, c, cx - glyphLeft(c) * unit, y, unit, width, Paint(ink), outline);
      cx += glyphAdvance(c) * unit;
    }
  }
  for (unsigned char c : s) {
    drawGlyph(p, c, x - glyphLeft(c) * unit, y, unit, width, paint);
    x += glyphAdvance(c) * unit;
  }
}

// ---------------------------------------------------------------------------- Game font

namespace {

constexpr int kGameFontCells = 142;
constexpr float kGlyphLeft = 5;  // cell column of grid column 0
constexpr float kGlyphTop = 4;   // cell row of grid row 0 (caps)

const Paint& letterPaint() {
  static const Paint paint = linearGradient(0, kGlyphTop, kWhite, 0, kGlyphTop + 7,
                                            rgb(205, 218, 240));
  return paint;
}

// A glyph of the game font: soft dark shadow down and right, then the white letter.
void fontLetter(Painter& p, int code, float x, float y, float unit = 1) {
  drawGlyph(p, code, x + 0.9f * unit, y + 0.9f * unit, unit, 1.0f,
            Paint(rgb(0, 0, 20, 0.55f)), 0.35f * unit, 1.6f * p.level());
  drawGlyph(p, code, x, y, unit, 1.0f, letterPaint());
}

void shadowedShape(Painter& p, const std::function<void(float dx, bool shadow)>& draw) {
  p.push();
  p.translate(0.8f, 0.9f);
  draw(0, true);
  p.pop();
  draw(0, false);
}

// The face buttons A, B, X, Y: a ring in the button's colour around a white letter.
void faceButton(Painter& p, int which, bool pressed) {
  static const Rgba cols[4] = {rgb(70, 200, 80), rgb(235, 60, 60), rgb(60, 130, 240),
                               rgb(245, 200, 40)};
  const char letters[4] = {'A', 'B', 'X', 'Y'};
  float cx = 9.5f, cy = 7.5f, r = 4.6f;
  shadowedShape(p, [&](float, bool shadow) {
    if (shadow) {
      p.fill([=](float x, float y) { return sdCircle(x, y, cx, cy, r); },
             {cx - r, cy - r, cx + r, cy + r}, Paint(rgb(0, 0, 20, 0.5f)), 0.3f, 1.6f * p.level());
      return;
    }
    if (pressed) {
      p.circle(cx, cy + 0.6f, r - 0.6f, radialGradient(cx, cy, r, rgb(255, 255, 255),
                                                       rgb(170, 180, 200)), 0.8f);
      p.circle(cx, cy + 0.6f, 1.6f, Paint(rgb(120, 130, 150)));
      return;
    }
    p.circle(cx, cy, r, radialGradient(cx - 1.5f, cy - 1.5f, r * 1.6f, shade(cols[which], 1.35f),
                                       shade(cols[which], 0.7f)), 0.8f);
    drawGlyph(p, letters[which], cx - 2.0f * 0.62f - 0.3f, cy - 3.5f * 0.62f - 0.3f, 0.62f, 1.3f,
              Paint(kWhite));
  });
}

// The shoulder buttons LB and RB: a wide rounded tab.
void shoulderButton(Painter& p, bool right, bool pressed) {
  float x = 5, y = 4, w = 11, h = 7;
  shadowedShape(p, [&](float, bool shadow) {
    if (shadow) {
      p.fill([=](float px, float py) { return sdRoundBox(px, py, x + w / 2, y + h / 2, w / 2, h / 2, 2.5f); },
             {x, y, x + w, y + h}, Paint(rgb(0, 0, 20, 0.5f)), 0.3f, 1.6f * p.level());
      return;
    }
    Rgba top = pressed ? rgb(160, 170, 190) : rgb(250, 252, 255);
    Rgba bot = pressed ? rgb(120, 125, 140) : rgb(175, 185, 210);
    p.roundRect(x, y + (pressed ? 1 : 0), w, h - (pressed ? 1 : 0), 2.5f,
                linearGradient(0, y, top, 0, y + h, bot), 0.8f);
    if (!pressed) {
      float u = 0.55f;
      drawGlyph(p, right ? 'R' : 'L', x + 1.6f, y + 1.2f, u, 1.4f, Paint(kInk));
      drawGlyph(p, 'B', x + 5.4f, y + 1.2f, u, 1.4f, Paint(kInk));
    }
  });
}

// A d-pad: a plus shape, one arm lit (0 up, 1 down, 2 left, 3 right, -1 none).
void dpadGlyph(Painter& p, int lit) {
  float cx = 9.5f, cy = 7.5f, arm = 5.2f, half = 1.9f;
  auto plus = [=](float x, float y) {
    float a = sdRoundBox(x, y, cx, cy, arm, half, 0.8f);
    float b = sdRoundBox(x, y, cx, cy, half, arm, 0.8f);
    return std::min(a, b);
  };
  Box bb{cx - arm, cy - arm, cx + arm, cy + arm};
  p.push();
  p.translate(0.8f, 0.9f);
  p.fill(plus, bb, Paint(rgb(0, 0, 20, 0.5f)), 0.3f, 1.6f * p.level());
  p.pop();
  p.fillOutlined(plus, bb, linearGradient(0, cy - arm, rgb(240, 244, 255), 0, cy + arm,
                                          rgb(170, 180, 205)),
                 0.8f);
  static const float dirs[4][2] = {{0, -1}, {0, 1}, {-1, 0}, {1, 0}};
  if (lit >= 0) {
    float ax = cx + dirs[lit][0] * 3.4f, ay = cy + dirs[lit][1] * 3.4f;
    p.circle(ax, ay, 1.5f, Paint(rgb(255, 70, 60)));
  }
  p.circle(cx, cy, 1.0f, Paint(rgb(120, 130, 150)));
}

// A keyboard key cap holding a label drawn by `label` (in cap coordinates).
void keyCap(Painter& p, float w, bool pressed, const std::function<void()>& label) {
  float x = 5, y = 2.5f, h = 10;
  p.push();
  p.translate(0.8f, 0.9f);
  p.fill([=](float px, float py) { return sdRoundBox(px, py, x + w / 2, y + h / 2, w / 2, h / 2, 2); },
         {x, y, x + w, y + h}, Paint(rgb(0, 0, 20, 0.5f)), 0.3f, 1.6f * p.level());
  p.pop();
  p.roundRect(x, y, w, h, 2, Paint(rgb(150, 160, 185)), 0.8f);
  float dy = pressed ? 1.2f : 0;
  p.roundRect(x + 0.9f, y + 0.6f + dy, w - 1.8f, h - 2.6f, 1.5f,
              linearGradient(0, y, kWhite, 0, y + h, rgb(215, 222, 240)));
  if (!pressed) label();
}

void keyLetter(Painter& p, char c) {
  keyCap(p, 9, false, [&] { drawGlyph(p, c, 7.5f, 4.3f, 0.85f, 1.15f, Paint(kInk)); });
}

void keyArrow(Painter& p, int dir) {  // 0 up, 1 down, 2 left, 3 right
  keyCap(p, 9, false, [&] {
    p.push();
    p.translate(9.5f, 6.9f);
    p.rotate(dir == 0 ? 0 : dir == 1 ? 180 : dir == 2 ? -90 : 90);
    p.polygon({0, -3, 2.8f, 0.4f, 1, 0.4f, 1, 2.8f, -1, 2.8f, -1, 0.4f, -2.8f, 0.4f}, Paint(kInk));
    p.pop();
  });
}

void gameFontCell(Painter& p, int cell) {
  int code = cell + 32;
  if (code < 128) {
    fontLetter(p, code, kGlyphLeft, kGlyphTop);
    return;
  }
  switch (cell) {
    case 96: case 97: case 98: case 99: faceButton(p, cell - 96, false); break;
    case 100: shoulderButton(p, false, false); break;
    case 101: shoulderButton(p, true, false); break;
    case 102:  // start: a pill with a play triangle
    case 103:  // back: a pill with a back arrow
      shadowedShape(p, [&](float, bool shadow) {
        if (shadow) {
          p.fill([](float x, float y) { return sdRoundBox(x, y, 9.5f, 7.5f, 5, 3.2f, 3.2f); },
                 {4, 4, 15, 11}, Paint(rgb(0, 0, 20, 0.5f)), 0.3f, 1.6f * p.level());
          return;
        }
        p.roundRect(4.5f, 4.3f, 10, 6.4f, 3.2f,
                    linearGradient(0, 4, rgb(240, 244, 255), 0, 11, rgb(160, 170, 195)), 0.8f);
        if (cell == 102)
          p.polygon({8.2f, 5.6f, 11.8f, 7.5f, 8.2f, 9.4f}, Paint(kInk));
        else
          p.polygon({7.2f, 7.5f, 10.2f, 5.5f, 10.2f, 9.5f}, Paint(kInk));
      });
      break;
    case 104: dpadGlyph(p, -1); break;
    case 105: dpadGlyph(p, 0); break;
    case 106: dpadGlyph(p, 1); break;
    case 107: dpadGlyph(p, 2); break;
    case 108: dpadGlyph(p, 3); break;
    case 109: faceButton(p, 0, true); break;
    case 110: shoulderButton(p, false, true); break;
    case 111:  // spare: a little gold star
      p.star(9.5f, 7.5f, 5, 2.2f, 5, 0, Paint(kGold), 0.8f);
      break;
    case 112: keyLetter(p, 'Z'); break;
    case 113: keyLetter(p, 'X'); break;
    case 114: keyLetter(p, 'C'); break;
    case 115: keyLetter(p, 'V'); break;
    case 116: keyLetter(p, 'B'); break;
    case 117: keyLetter(p, 'N'); break;
    case 118:  // Esc
      keyCap(p, 11, false, [&] {
        float u = 0.5f;
        drawGlyph(p, 'E', 6.9f, 5.3f, u, 1.5f, Paint(kInk));
        drawGlyph(p, 'S', 9.6f, 5.3f, u, 1.5f, Paint(kInk));
        drawGlyph(p, 'C', 12.3f, 5.3f, u, 1.5f, Paint(kInk));
      });
      break;
    case 119:  // Backspace: a left-pointing tag with a cross
      keyCap(p, 11, false, [&] {
        p.polygon({7.3f, 6.9f, 9.6f, 4.6f, 14.2f, 4.6f, 14.2f, 9.2f, 9.6f, 9.2f}, Paint(kInk));
        p.line(10.6f, 5.8f, 12.8f, 8.0f, 0.7f, Paint(kWhite));
        p.line(12.8f, 5.8f, 10.6f, 8.0f, 0.7f, Paint(kWhite));
      });
      break;
    case 120:  // keyboard icon
      shadowedShape(p, [&](float, bool shadow) {
        if (shadow) {
          p.fill([](float x, float y) { return sdRoundBox(x, y, 9.5f, 8, 6, 4, 1.2f); }, {3, 4, 16, 12},
                 Paint(rgb(0, 0, 20, 0.5f)), 0.3f, 1.6f * p.level());
          return;
        }
        p.roundRect(3.5f, 4, 12, 8, 1.2f, Paint(rgb(235, 240, 250)), 0.8f);
        for (int r = 0; r < 2; ++r)
          for (int k = 0; k < 4; ++k) p.rect(4.9f + k * 2.6f + r * 1.0f, 5.3f + r * 2.2f, 1.6f, 1.4f, Paint(kInk));
        p.rect(6.6f, 9.8f, 6, 1.1f, Paint(kInk));
      });
      break;
    case 121: keyArrow(p, 0); break;
    case 122: keyArrow(p, 1); break;
    case 123: keyArrow(p, 2); break;
    case 124: keyArrow(p, 3); break;
    case 125:  // controller icon
      shadowedShape(p, [&](float, bool shadow) {
        auto pad = [](float x, float y) {
          float body = sdRoundBox(x, y, 9.5f, 7.2f, 6, 2.6f, 2.6f);
          float l = sdCircle(x, y, 5.6f, 9.3f, 2.5f);
          float r = sdCircle(x, y, 13.4f, 9.3f, 2.5f);
          return std::min(body, std::min(l, r));
        };
        Box bb{3, 4, 16, 12};
        if (shadow) {
          p.fill(pad, bb, Paint(rgb(0, 0, 20, 0.5f)), 0.3f, 1.6f * p.level());
          return;
        }
        p.fillOutlined(pad, bb, Paint(rgb(235, 240, 250)), 0.8f);
        p.rect(5.0f, 6.4f, 2.4f, 0.8f, Paint(kInk));
        p.rect(5.8f, 5.6f, 0.8f, 2.4f, Paint(kInk));
        p.circle(13.0f, 6.0f, 0.65f, Paint(rgb(235, 60, 60)));
        p.circle(14.3f, 7.3f, 0.65f, Paint(rgb(70, 200, 80)));
        p.circle(11.7f, 7.3f, 0.65f, Paint(rgb(60, 130, 240)));
      });
      break;
    case 126:  // a pressed key
      keyCap(p, 9, true, [] {});
      break;
    // The keys of the keyboard's two players that the cells above lack: the left
    // player's W A S D and F G R T, the right player's ; L P O / and '.'.
    case 128: keyLetter(p, 'W'); break;
    case 129: keyLetter(p, 'A'); break;
    case 130: keyLetter(p, 'S'); break;
    case 131: keyLetter(p, 'D'); break;
    case 132: keyLetter(p, 'F'); break;
    case 133: keyLetter(p, 'G'); break;
    case 134: keyLetter(p, 'R'); break;
    case 135: keyLetter(p, 'T'); break;
    case 136: keyLetter(p, ';'); break;
    case 137: keyLetter(p, 'L'); break;
    case 138: keyLetter(p, 'P'); break;
    case 139: keyLetter(p, 'O'); break;
    case 140: keyLetter(p, '/'); break;
    case 141: keyLetter(p, '.'); break;
    default:  // 127: spare, a snowflake
      fontLetter(p, 127, kGlyphLeft, kGlyphTop);
      break;
  }
}

}  // namespace

std::vector<SheetDef> fontSheets() {
  std::vector<SheetDef> out;
  SheetDef game{"fonts/shadow_editundo", 16, 16, kGameFontCells, 16, gameFontCell, true, {}};
  for (int c = 33; c < 160; ++c) game.listed.push_back(c - 32);
  for (int cell = 128; cell < kGameFontCells; ++cell) game.listed.push_back(cell);
  out.push_back(game);

  // The built-in font: 96 cells of 9 x 12, the outer columns left blank (the padding).
  SheetDef vobo{"vobo_font", 9, 12, 96, 96,
                [](Painter& p, int cell) {
                  int code = cell + 32;
                  int cols = glyphColumns(code);
                  float left = cols >= 7 ? 1 : (cols >= 5 ? 2 : (cols >= 3 ? 3 : 3));
                  drawGlyph(p, code, left, 2, 1, 1, Paint(kWhite));
                },
                false, {}};
  for (int c = 33; c < 128; ++c) vobo.listed.push_back(c - 32);
  out.push_back(vobo);
  return out;
}

}  // namespace datagen
