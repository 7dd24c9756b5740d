// Shared pieces of the festive look (see art_kit.h).
#include "art_kit.h"

#include <cmath>

namespace datagen {

void emblem(Painter& p, int player, float cx, float cy, float s, Rgba fill, float ow) {
  switch (player & 3) {
    case 0:  // star
      p.star(cx, cy + s * 0.08f, s * 1.05f, s * 0.45f, 5, 0, Paint(fill), ow);
      break;
    case 1: {  // snowflake: three bars with little side ticks
      if (ow > 0)
        for (int i = 0; i < 3; ++i) {
          float a = i * 60 * 3.14159265f / 180;
          float dx = std::sin(a) * s, dy = -std::cos(a) * s;
          p.line(cx - dx, cy - dy, cx + dx, cy + dy, s * 0.34f, Paint(kInk), ow);
        }
      for (int i = 0; i < 3; ++i) {
        float a = i * 60 * 3.14159265f / 180;
        float dx = std::sin(a) * s, dy = -std::cos(a) * s;
        p.line(cx - dx, cy - dy, cx + dx, cy + dy, s * 0.34f, Paint(fill));
      }
      p.circle(cx, cy, s * 0.3f, Paint(fill));
      break;
    }
    case 2: {  // bell
      std::vector<float> bell = {cx - s * 0.95f, cy + s * 0.6f, cx - s * 0.7f, cy + s * 0.35f,
                                 cx - s * 0.62f, cy - s * 0.35f, cx - s * 0.35f, cy - s * 0.8f,
                                 cx, cy - s * 0.92f, cx + s * 0.35f, cy - s * 0.8f,
                                 cx + s * 0.62f, cy - s * 0.35f, cx + s * 0.7f, cy + s * 0.35f,
                                 cx + s * 0.95f, cy + s * 0.6f};
      p.circle(cx, cy + s * 0.72f, s * 0.28f, Paint(fill), ow);
      p.polygon(bell, Paint(fill), ow);
      break;
    }
    default: {  // tree: two stacked triangles and a trunk
      p.rect(cx - s * 0.18f, cy + s * 0.55f, s * 0.36f, s * 0.45f, Paint(fill));
      std::vector<float> tree = {cx, cy - s, cx + s * 0.55f, cy - s * 0.2f, cx + s * 0.3f,
                                 cy - s * 0.2f, cx + s * 0.85f, cy + s * 0.62f, cx - s * 0.85f,
                                 cy + s * 0.62f, cx - s * 0.3f, cy - s * 0.2f, cx - s * 0.55f,
                                 cy - s * 0.2f};
      if (ow > 0) p.rect(cx - s * 0.18f - ow, cy + s * 0.55f, s * 0.36f + 2 * ow, s * 0.45f + ow, Paint(kInk));
      p.polygon(tree, Paint(fill), ow);
      p.rect(cx - s * 0.18f, cy + s * 0.55f, s * 0.36f, s * 0.45f, Paint(fill));
      break;
    }
  }
}

Paint glossy(Rgba base, float cx, float cy, float r) {
  Rgba light = shade(base, 1.35f), dark = shade(base, 0.62f);
  float hx = cx - r * 0.35f, hy = cy - r * 0.4f;
  return Paint(PaintFn([=](float x, float y) {
    float d = std::sqrt((x - hx) * (x - hx) + (y - hy) * (y - hy)) / (r * 1.45f);
    if (d < 0.35f) return mix(light, base, d / 0.35f);
    return mix(base, dark, std::min(1.0f, (d - 0.35f) / 0.65f));
  }));
}

void highlight(Painter& p, float cx, float cy, float rx, float ry, float alpha) {
  p.push();
  p.translate(cx, cy);
  p.rotate(-35);
  p.ellipse(0, 0, rx, ry, Paint(withAlpha(kWhite, alpha)));
  p.pop();
}

void eyes(Painter& p, float cx, float cy, float sp, float r, float lx, float ly) {
  for (int s = -1; s <= 1; s += 2) {
    float ex = cx + s * sp / 2;
    p.ellipse(ex, cy, r * 0.85f, r, Paint(kWhite), 0.8f);
    p.circle(ex + lx * r * 0.35f, cy + ly * r * 0.35f, r * 0.5f, Paint(kInk));
    p.circle(ex + lx * r * 0.35f - r * 0.18f, cy + ly * r * 0.35f - r * 0.22f, r * 0.17f,
             Paint(kWhite));
  }
}

void smile(Painter& p, float cx, float cy, float w, float width) {
  p.arc(cx, cy - w * 0.55f, w * 0.62f, 130, 230, width, Paint(kInk));
}

void santaHat(Painter& p, float cx, float cy, float w, float rot, Rgba colour) {
  p.push();
  p.translate(cx, cy);
  p.rotate(rot);
  std::vector<float> cone = {-w * 0.48f, 0, -w * 0.3f, -w * 0.55f, w * 0.05f, -w * 0.85f,
                             w * 0.55f, -w * 0.6f, w * 0.48f, 0};
  p.polygon(cone, linearGradient(0, -w, shade(colour, 1.2f), 0, 0, shade(colour, 0.75f)), kOutline);
  p.circle(w * 0.58f, -w * 0.6f, w * 0.17f, Paint(kSnow), kOutline);
  p.roundRect(-w * 0.55f, -w * 0.14f, w * 1.1f, w * 0.3f, w * 0.15f, Paint(kSnow), kOutline);
  p.pop();
}

}  // namespace datagen
