// The vector painter: distance functions, transforms, coverage and PNG output.
#include "raster.h"

#include <stb_image_write.h>

#include <algorithm>
#include <cmath>

namespace datagen {

namespace {
constexpr float kPi = 3.14159265358979f;
float clamp01(float v) { return v < 0 ? 0 : (v > 1 ? 1 : v); }
}  // namespace

Rgba rgb(int r, int g, int b, float a) { return {r / 255.0f, g / 255.0f, b / 255.0f, a}; }
Rgba mix(Rgba x, Rgba y, float t) {
  return {x.r + (y.r - x.r) * t, x.g + (y.g - x.g) * t, x.b + (y.b - x.b) * t,
          x.a + (y.a - x.a) * t};
}
Rgba shade(Rgba c, float f) {
  if (f <= 1) return {c.r * f, c.g * f, c.b * f, c.a};
  float t = std::min(1.0f, f - 1);
  return {c.r + (1 - c.r) * t, c.g + (1 - c.g) * t, c.b + (1 - c.b) * t, c.a};
}
Rgba withAlpha(Rgba c, float a) { return {c.r, c.g, c.b, a}; }

const Rgba kInk = {0.07f, 0.06f, 0.16f, 1};
const Rgba kWhite = {1, 1, 1, 1};
const Rgba kGold = {1.0f, 0.78f, 0.22f, 1};
const Rgba kSnow = {0.93f, 0.96f, 1.0f, 1};

Rgba playerColour(int p) {
  static const Rgba c[4] = {rgb(255, 40, 40), rgb(40, 120, 255), rgb(255, 220, 30),
                            rgb(40, 200, 60)};
  return c[p & 3];
}
Rgba playerDark(int p) {
  static const Rgba c[4] = {rgb(150, 10, 20), rgb(15, 50, 150), rgb(190, 120, 0),
                            rgb(10, 110, 30)};
  return c[p & 3];
}
Rgba playerLight(int p) {
  static const Rgba c[4] = {rgb(255, 150, 140), rgb(150, 200, 255), rgb(255, 248, 170),
                            rgb(160, 245, 150)};
  return c[p & 3];
}

// ---------------------------------------------------------------------------- Image

void Image::blend(int x, int y, Rgba c, float cov, bool additive) {
  if (x < 0 || y < 0 || x >= w || y >= h) return;
  float a = clamp01(c.a * cov);
  if (a <= 0) return;
  float* p = &px[(size_t(y) * w + x) * 4];
  if (additive) {
    p[0] = std::min(1.0f, p[0] + c.r * a);
    p[1] = std::min(1.0f, p[1] + c.g * a);
    p[2] = std::min(1.0f, p[2] + c.b * a);
    p[3] = std::min(1.0f, p[3] + a);
    return;
  }
  float k = 1 - a;
  p[0] = c.r * a + p[0] * k;
  p[1] = c.g * a + p[1] * k;
  p[2] = c.b * a + p[2] * k;
  p[3] = a + p[3] * k;
}

void Image::blit(const Image& src, int dx, int dy) {
  for (int y = 0; y < src.h; ++y) {
    int ty = y + dy;
    if (ty < 0 || ty >= h) continue;
    for (int x = 0; x < src.w; ++x) {
      int tx = x + dx;
      if (tx < 0 || tx >= w) continue;
      const float* s = &src.px[(size_t(y) * src.w + x) * 4];
      float* d = &px[(size_t(ty) * w + tx) * 4];
      float k = 1 - s[3];
      for (int i = 0; i < 4; ++i) d[i] = s[i] + d[i] * k;
    }
  }
}

std::vector<uint8_t> Image::bytes() const {
  std::vector<uint8_t> out(size_t(w) * h * 4);
  for (size_t i = 0; i < size_t(w) * h; ++i) {
    const float* p = &px[i * 4];
    float a = clamp01(p[3]);
    uint8_t a8 = uint8_t(std::lround(a * 255));
    if (a8 == 0) {
      out[i * 4 + 0] = out[i * 4 + 1] = out[i * 4 + 2] = out[i * 4 + 3] = 0;
      continue;
    }
    for (int k = 0; k < 3; ++k) out[i * 4 + k] = uint8_t(std::lround(clamp01(p[k] / a) * 255));
    out[i * 4 + 3] = a8;
  }
  return out;
}

bool Image::writePng(const std::string& path) const {
  std::vector<uint8_t> b = bytes();
  return stbi_write_png(path.c_str(), w, h, 4, b.data(), w * 4) != 0;
}

bool Image::frameIsEmpty(int x0, int y0, int fw, int fh) const {
  for (int y = y0; y < y0 + fh && y < h; ++y)
    for (int x = x0; x < x0 + fw && x < w; ++x)
      if (px[(size_t(y) * w + x) * 4 + 3] > 0.5f / 255) return false;
  return true;
}

// ---------------------------------------------------------------------------- Transforms

Xf Xf::then(const Xf& o) const {
  Xf r;
  r.a = o.a * a + o.c * b;
  r.b = o.b * a + o.d * b;
  r.c = o.a * c + o.c * d;
  r.d = o.b * c + o.d * d;
  r.tx = o.a * tx + o.c * ty + o.tx;
  r.ty = o.b * tx + o.d * ty + o.ty;
  return r;
}

Xf Xf::inverse() const {
  float det = a * d - b * c;
  Xf r;
  r.a = d / det;
  r.b = -b / det;
  r.c = -c / det;
  r.d = a / det;
  r.tx = -(r.a * tx + r.c * ty);
  r.ty = -(r.b * tx + r.d * ty);
  return r;
}

float Xf::scale() const { return std::sqrt(std::fabs(a * d - b * c)); }

// ---------------------------------------------------------------------------- Paints

Paint linearGradient(float x0, float y0, Rgba c0, float x1, float y1, Rgba c1) {
  float dx = x1 - x0, dy = y1 - y0, len2 = dx * dx + dy * dy;
  return Paint(PaintFn([=](float x, float y) {
    float t = clamp01(((x - x0) * dx + (y - y0) * dy) / len2);
    return mix(c0, c1, t);
  }));
}

Paint radialGradient(float cx, float cy, float r, Rgba inner, Rgba outer) {
  return Paint(PaintFn([=](float x, float y) {
    float t = clamp01(std::sqrt((x - cx) * (x - cx) + (y - cy) * (y - cy)) / r);
    return mix(inner, outer, t);
  }));
}

// ---------------------------------------------------------------------------- Distances

float sdCircle(float x, float y, float cx, float cy, float r) {
  return std::sqrt((x - cx) * (x - cx) + (y - cy) * (y - cy)) - r;
}

float sdEllipse(float x, float y, float cx, float cy, float rx, float ry) {
  // A first-order estimate: exact enough for the coverage of a one-pixel edge.
  float px = (x - cx) / rx, py = (y - cy) / ry;
  float k0 = std::sqrt(px * px + py * py);
  float gx = px / rx, gy = py / ry;
  float k1 = std::sqrt(gx * gx + gy * gy);
  if (k1 < 1e-6f) return -std::min(rx, ry);
  return k0 * (k0 - 1.0f) / k1;
}

float sdRoundBox(float x, float y, float cx, float cy, float hw, float hh, float r) {
  float qx = std::fabs(x - cx) - hw + r, qy = std::fabs(y - cy) - hh + r;
  float ox = std::max(qx, 0.0f), oy = std::max(qy, 0.0f);
  return std::sqrt(ox * ox + oy * oy) + std::min(std::max(qx, qy), 0.0f) - r;
}

float sdSegment(float x, float y, float ax, float ay, float bx, float by) {
  float pax = x - ax, pay = y - ay, bax = bx - ax, bay = by - ay;
  float l2 = bax * bax + bay * bay;
  float h = l2 > 0 ? clamp01((pax * bax + pay * bay) / l2) : 0;
  float dx = pax - bax * h, dy = pay - bay * h;
  return std::sqrt(dx * dx + dy * dy);
}

float sdPolygon(float x, float y, const std::vector<float>& v) {
  size_t n = v.size() / 2;
  float d = 1e30f;
  bool inside = false;
  for (size_t i = 0, j = n - 1; i < n; j = i++) {
    float xi = v[2 * i], yi = v[2 * i + 1], xj = v[2 * j], yj = v[2 * j + 1];
    d = std::min(d, sdSegment(x, y, xj, yj, xi, yi));
    if (((yi > y) != (yj > y)) && (x < (xj - xi) * (y - yi) / (yj - yi) + xi)) inside = !inside;
  }
  return inside ? -d : d;
}

// ---------------------------------------------------------------------------- Painter

Painter::Painter(Image& img, float ox, float oy, float level, int cx, int cy, int cw, int ch)
    : img_(img), level_(level), clipX_(cx), clipY_(cy), clipW_(cw), clipH_(ch) {
  xf_ = Xf{level, 0, 0, level, ox, oy};
}

Painter::Painter(Image& img, float level) : Painter(img, 0, 0, level, 0, 0, img.w, img.h) {}

void Painter::push() { stack_.push_back(xf_); }
void Painter::pop() {
  xf_ = stack_.back();
  stack_.pop_back();
}
void Painter::translate(float x, float y) { xf_ = Xf{1, 0, 0, 1, x, y}.then(xf_); }
void Painter::rotate(float deg) {
  float r = deg * kPi / 180.0f, s = std::sin(r), c = std::cos(r);
  xf_ = Xf{c, s, -s, c, 0, 0}.then(xf_);
}
void Painter::scale(float s) { xf_ = Xf{s, 0, 0, s, 0, 0}.then(xf_); }
void Painter::flipX() { xf_ = Xf{-1, 0, 0, 1, 0, 0}.then(xf_); }
void Painter::flipY() { xf_ = Xf{1, 0, 0, -1, 0, 0}.then(xf_); }

void Painter::fill(const Sdf& sdf, Box bb, const Paint& paint, float grow, float soft) {
  float k = xf_.scale();  // pixels per local unit
  float margin = grow + (soft + 1.5f) / k;
  float xs[4], ys[4];
  xf_.apply(bb.x0 - margin, bb.y0 - margin, xs[0], ys[0]);
  xf_.apply(bb.x1 + margin, bb.y0 - margin, xs[1], ys[1]);
  xf_.apply(bb.x0 - margin, bb.y1 + margin, xs[2], ys[2]);
  xf_.apply(bb.x1 + margin, bb.y1 + margin, xs[3], ys[3]);
  int x0 = int(std::floor(*std::min_element(xs, xs + 4)));
  int x1 = int(std::ceil(*std::max_element(xs, xs + 4)));
  int y0 = int(std::floor(*std::min_element(ys, ys + 4)));
  int y1 = int(std::ceil(*std::max_element(ys, ys + 4)));
  x0 = std::max(x0, clipX_);
  y0 = std::max(y0, clipY_);
  x1 = std::min(x1, clipX_ + clipW_);
  y1 = std::min(y1, clipY_ + clipH_);
  Xf inv = xf_.inverse();
  float edge = std::max(0.01f, soft);
  for (int y = y0; y < y1; ++y) {
    for (int x = x0; x < x1; ++x) {
      float lx, ly;
      inv.apply(x + 0.5f, y + 0.5f, lx, ly);
      float d = (sdf(lx, ly) - grow) * k;  // signed distance in pixels
      float cov = clamp01(0.5f - d / edge);
      if (cov <= 0) continue;
      Rgba c = paint.at(lx, ly);
      c.a *= opacity_;
      img_.blend(x, y, c, cov, additive_);
    }
  }
}

void Painter::fillOutlined(const Sdf& sdf, Box bb, const Paint& paint, float ow, Rgba ink) {
  if (ow > 0) fill(sdf, bb, Paint(ink), ow);
  fill(sdf, bb, paint);
}

void Painter::circle(float cx, float cy, float r, const Paint& p, float ow) {
  fillOutlined([=](float x, float y) { return sdCircle(x, y, cx, cy, r); },
               {cx - r, cy - r, cx + r, cy + r}, p, ow);
}

void Painter::ellipse(float cx, float cy, float rx, float ry, const Paint& p, float ow) {
  fillOutlined([=](float x, float y) { return sdEllipse(x, y, cx, cy, rx, ry); },
               {cx - rx, cy - ry, cx + rx, cy + ry}, p, ow);
}

void Painter::roundRect(float x, float y, float w, float h, float r, const Paint& p, float ow) {
  float cx = x + w / 2, cy = y + h / 2;
  r = std::min(r, std::min(w, h) / 2);
  fillOutlined([=](float px, float py) { return sdRoundBox(px, py, cx, cy, w / 2, h / 2, r); },
               {x, y, x + w, y + h}, p, ow);
}

void Painter::line(float x0, float y0, float x1, float y1, float width, const Paint& p,
                   float ow) {
  float hw = width / 2;
  fillOutlined([=](float x, float y) { return sdSegment(x, y, x0, y0, x1, y1) - hw; },
               {std::min(x0, x1) - hw, std::min(y0, y1) - hw, std::max(x0, x1) + hw,
                std::max(y0, y1) + hw},
               p, ow);
}

void Painter::polyline(const std::vector<float>& v, float width, const Paint& p, float ow) {
  if (v.size() < 4) return;
  float hw = width / 2;
  Box bb{1e9f, 1e9f, -1e9f, -1e9f};
  for (size_t i = 0; i < v.size(); i += 2) {
    bb.x0 = std::min(bb.x0, v[i] - hw);
    bb.x1 = std::max(bb.x1, v[i] + hw);
    bb.y0 = std::min(bb.y0, v[i + 1] - hw);
    bb.y1 = std::max(bb.y1, v[i + 1] + hw);
  }
  fillOutlined(
      [v, hw](float x, float y) {
        float d = 1e30f;
        for (size_t i = 0; i + 3 < v.size(); i += 2)
          d = std::min(d, sdSegment(x, y, v[i], v[i + 1], v[i + 2], v[i + 3]));
        return d - hw;
      },
      bb, p, ow);
}

void Painter::polygon(const std::vector<float>& v, const Paint& p, float ow) {
  Box bb{1e9f, 1e9f, -1e9f, -1e9f};
  for (size_t i = 0; i < v.size(); i += 2) {
    bb.x0 = std::min(bb.x0, v[i]);
    bb.x1 = std::max(bb.x1, v[i]);
    bb.y0 = std::min(bb.y0, v[i + 1]);
    bb.y1 = std::max(bb.y1, v[i + 1]);
  }
  fillOutlined([v](float x, float y) { return sdPolygon(x, y, v); }, bb, p, ow);
}

void Painter::ring(float cx, float cy, float r, float width, const Paint& p, float ow) {
  float hw = width / 2;
  fillOutlined([=](float x, float y) { return std::fabs(sdCircle(x, y, cx, cy, r)) - hw; },
               {cx - r - hw, cy - r - hw, cx + r + hw, cy + r + hw}, p, ow);
}

void Painter::arc(float cx, float cy, float r, float a0, float a1, float width, const Paint& p,
                  float ow) {
  std::vector<float> pts;
  int steps = std::max(4, int(std::fabs(a1 - a0) / 6));
  for (int i = 0; i <= steps; ++i) {
    float a = (a0 + (a1 - a0) * i / steps) * kPi / 180;
    pts.push_back(cx + std::sin(a) * r);
    pts.push_back(cy - std::cos(a) * r);
  }
  polyline(pts, width, p, ow);
}

void Painter::star(float cx, float cy, float ro, float ri, int n, float rot, const Paint& p,
                   float ow) {
  polygon(starPoints(cx, cy, ro, ri, n, rot), p, ow);
}

void Painter::glow(float cx, float cy, float r, Rgba c) {
  fill([=](float x, float y) { return sdCircle(x, y, cx, cy, r); }, {cx - r, cy - r, cx + r, cy + r},
       Paint(PaintFn([=](float x, float y) {
         float t = clamp01(std::sqrt((x - cx) * (x - cx) + (y - cy) * (y - cy)) / r);
         float f = (1 - t) * (1 - t);
         return withAlpha(c, c.a * f);
       })));
}

std::vector<float> starPoints(float cx, float cy, float ro, float ri, int n, float rot) {
  std::vector<float> v;
  for (int i = 0; i < 2 * n; ++i) {
    float a = (rot + i * 180.0f / n) * kPi / 180;
    float r = (i % 2) ? ri : ro;
    v.push_back(cx + std::sin(a) * r);
    v.push_back(cy - std::cos(a) * r);
  }
  return v;
}

std::vector<float> regularPolygon(float cx, float cy, float r, int sides, float rot) {
  std::vector<float> v;
  for (int i = 0; i < sides; ++i) {
    float a = (rot + i * 360.0f / sides) * kPi / 180;
    v.push_back(cx + std::sin(a) * r);
    v.push_back(cy - std::cos(a) * r);
  }
  return v;
}

float hashNoise(int x, int y, uint32_t seed) {
  uint32_t h = uint32_t(x) * 374761393u + uint32_t(y) * 668265263u + seed * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  h ^= h >> 16;
  return float(h & 0xffffff) / 16777216.0f;
}

}  // namespace datagen
