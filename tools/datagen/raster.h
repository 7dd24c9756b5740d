// A small vector painter for the data generator.
// Shapes are signed distance functions in logical units; the painter maps them to the
// pixels of one level (1, 2 or 4 file pixels per logical unit) and covers each pixel by its
// analytic distance to the edge, so every level is drawn at its own resolution with smooth,
// crisp edges. Images hold premultiplied float RGBA and are written as PNG through
// stb_image_write. Everything here is deterministic: no clocks, no threads, no global state.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace datagen {

struct Rgba {
  float r = 0, g = 0, b = 0, a = 0;  // straight (not premultiplied), 0..1
};

Rgba rgb(int r, int g, int b, float a = 1.0f);
Rgba mix(Rgba x, Rgba y, float t);
Rgba shade(Rgba c, float f);        // f < 1 darker, f > 1 towards white
Rgba withAlpha(Rgba c, float a);

// The four player colours and their helpers, shared by every sprite.
Rgba playerColour(int p);
Rgba playerDark(int p);
Rgba playerLight(int p);
extern const Rgba kInk;    // outline colour: a deep blue-black
extern const Rgba kWhite;
extern const Rgba kGold;
extern const Rgba kSnow;

struct Image {
  int w = 0, h = 0;
  std::vector<float> px;  // premultiplied RGBA
  Image() = default;
  Image(int width, int height) : w(width), h(height), px(size_t(width) * height * 4, 0.0f) {}
  void blend(int x, int y, Rgba c, float coverage, bool additive = false);
  void blit(const Image& src, int dx, int dy);  // source over
  std::vector<uint8_t> bytes() const;           // straight RGBA8
  bool writePng(const std::string& path) const;
  bool frameIsEmpty(int x, int y, int fw, int fh) const;
};

// A 2D similarity transform (rotation, uniform scale, mirror, translation).
struct Xf {
  float a = 1, b = 0, c = 0, d = 1, tx = 0, ty = 0;
  void apply(float x, float y, float& ox, float& oy) const {
    ox = a * x + c * y + tx;
    oy = b * x + d * y + ty;
  }
  Xf then(const Xf& outer) const;  // this first, then outer
  Xf inverse() const;
  float scale() const;
};

using Sdf = std::function<float(float, float)>;
using PaintFn = std::function<Rgba(float, float)>;

struct Paint {
  Rgba colour;
  PaintFn fn;  // when set, colour at a local point
  Paint() = default;
  Paint(Rgba c) : colour(c) {}
  Paint(PaintFn f) : fn(std::move(f)) {}
  Rgba at(float x, float y) const { return fn ? fn(x, y) : colour; }
};
Paint linearGradient(float x0, float y0, Rgba c0, float x1, float y1, Rgba c1);
Paint radialGradient(float cx, float cy, float r, Rgba inner, Rgba outer);

struct Box {
  float x0, y0, x1, y1;
};

// Distance functions (negative inside).
float sdCircle(float x, float y, float cx, float cy, float r);
float sdEllipse(float x, float y, float cx, float cy, float rx, float ry);
float sdRoundBox(float x, float y, float cx, float cy, float hw, float hh, float r);
float sdSegment(float x, float y, float ax, float ay, float bx, float by);
float sdPolygon(float x, float y, const std::vector<float>& pts);

class Painter {
 public:
  // Draws into img; logical (0,0) lands on pixel (originX, originY); `level` pixels per unit;
  // nothing is drawn outside the clip rectangle (pixels).
  Painter(Image& img, float originX, float originY, float level, int clipX, int clipY, int clipW,
          int clipH);
  Painter(Image& img, float level);  // whole image, origin at 0

  float level() const { return level_; }
  Image& image() { return img_; }

  void push();
  void pop();
  void translate(float x, float y);
  void rotate(float degrees);  // clockwise on screen
  void scale(float s);
  void flipX();
  void flipY();
  void setAdditive(bool on) { additive_ = on; }
  void setOpacity(float o) { opacity_ = o; }
  float opacity() const { return opacity_; }

  // The core: covers the pixels where sdf - grow < 0, with an edge `soft` pixels wide.
  void fill(const Sdf& sdf, Box bounds, const Paint& paint, float grow = 0.0f, float soft = 1.0f);
  // Fill with an ink outline `ow` units wide outside the shape.
  void fillOutlined(const Sdf& sdf, Box bounds, const Paint& paint, float ow, Rgba ink = kInk);

  // Convenience shapes; `ow` > 0 adds an outline.
  void circle(float cx, float cy, float r, const Paint& p, float ow = 0);
  void ellipse(float cx, float cy, float rx, float ry, const Paint& p, float ow = 0);
  void roundRect(float x, float y, float w, float h, float r, const Paint& p, float ow = 0);
  void rect(float x, float y, float w, float h, const Paint& p) { roundRect(x, y, w, h, 0, p); }
  void line(float x0, float y0, float x1, float y1, float width, const Paint& p, float ow = 0);
  void polyline(const std::vector<float>& pts, float width, const Paint& p, float ow = 0);
  void polygon(const std::vector<float>& pts, const Paint& p, float ow = 0);
  void ring(float cx, float cy, float r, float width, const Paint& p, float ow = 0);
  void arc(float cx, float cy, float r, float a0, float a1, float width, const Paint& p,
           float ow = 0);  // degrees, 0 = up, clockwise
  void star(float cx, float cy, float rOut, float rIn, int points, float rotDeg, const Paint& p,
            float ow = 0);
  void glow(float cx, float cy, float r, Rgba c);  // soft radial light

 private:
  Image& img_;
  float level_;
  int clipX_, clipY_, clipW_, clipH_;
  Xf xf_;
  std::vector<Xf> stack_;
  bool additive_ = false;
  float opacity_ = 1.0f;
};

// Star / polygon point helpers.
std::vector<float> starPoints(float cx, float cy, float rOut, float rIn, int points, float rotDeg);
std::vector<float> regularPolygon(float cx, float cy, float r, int sides, float rotDeg);

// A small seeded generator (xorshift32) so noise is the same on every build.
struct Rng {
  uint32_t s;
  explicit Rng(uint32_t seed) : s(seed ? seed : 0x9e3779b9u) {}
  uint32_t next() {
    s ^= s << 13;
    s ^= s >> 17;
    s ^= s << 5;
    return s;
  }
  float unit() { return float(next() >> 8) / 16777216.0f; }  // 0..1
  float range(float lo, float hi) { return lo + (hi - lo) * unit(); }
  int irange(int lo, int hi) { return lo + int(next() % uint32_t(hi - lo + 1)); }
};

// Hash noise for textures: value in 0..1 from integer lattice coordinates and a seed.
float hashNoise(int x, int y, uint32_t seed);

}  // namespace datagen
