// The desktop icon. It is drawn in a 64 x 64 logical square and scaled to each size; the
// smallest sizes keep only what still reads there (the tile and the quartered bauble
// with its cap) and use thicker outlines, since a one-unit line would fade to a blur.
#include "app_icon.h"

#include <sys/stat.h>

#include <cerrno>
#include <cmath>

#include "art_kit.h"

namespace datagen {

const int kAppIconSizes[6] = {16, 32, 48, 64, 128, 256};

namespace {

constexpr float kPi = 3.14159265f;
constexpr float kUnits = 64;
constexpr float kTilt = 12;  // degrees the bauble's quarters are turned, for some swing

// Which player's quarter a point of the bauble lies in: reading order, Red and Blue on
// top, Yellow and Green below, as the seats sit in the menu.
int quarterAt(float x, float y, float cx, float cy) {
  float a = kTilt * kPi / 180;
  float u = (x - cx) * std::cos(a) + (y - cy) * std::sin(a);
  float v = -(x - cx) * std::sin(a) + (y - cy) * std::cos(a);
  return (v < 0 ? 0 : 2) + (u < 0 ? 0 : 1);
}

bool makeDirs(const std::string& path) {
  for (size_t i = 1; i <= path.size(); ++i) {
    if (i == path.size() || path[i] == '/') {
      if (mkdir(path.substr(0, i).c_str(), 0755) != 0 && errno != EEXIST) return false;
    }
  }
  return true;
}

}  // namespace

Image appIcon(int size) {
  Image img(size, size);
  Painter p(img, size / kUnits);
  bool tiny = size < 32;
  bool detailed = size >= 48;
  // Outlines in logical units that stay about a pixel wide or more at every size.
  float ow = std::max(kOutline * 1.2f, 0.9f * kUnits / size);

  p.roundRect(3, 3, 58, 58, 13, linearGradient(0, 3, rgb(50, 72, 176), 0, 61, rgb(14, 18, 66)), tiny ? 0 : ow);

  float cx = 32, cy = tiny ? 35.5f : 37, r = tiny ? 21.5f : 20.5f;
  float capTop = cy - r - 5;
  if (!tiny) {
    // the gold thread it hangs from, and a few flakes of snow
    p.line(32, 3, 32, capTop, 1.4f, Paint(kGold));
    p.star(12, 13, 4.2f, 1.2f, 4, 0, Paint(kWhite));
    p.star(52.5f, 12, 3.2f, 0.9f, 4, 0, Paint(withAlpha(kWhite, 0.85f)));
    p.star(9.5f, 51, 2.6f, 0.8f, 4, 0, Paint(withAlpha(kWhite, 0.7f)));
    p.star(54.5f, 53, 3.6f, 1.0f, 4, 0, Paint(kWhite));
  }

  Paint quarters[4] = {glossy(playerColour(0), cx, cy, r), glossy(playerColour(1), cx, cy, r),
                       glossy(playerColour(2), cx, cy, r), glossy(playerColour(3), cx, cy, r)};
  p.circle(cx, cy, r, Paint(PaintFn([=](float x, float y) { return quarters[quarterAt(x, y, cx, cy)].at(x, y); })),
           ow);
  // tinsel seams between the quarters
  float a = kTilt * kPi / 180, seam = tiny ? 1.6f : 1.3f;
  float dx = std::cos(a) * (r - 0.3f), dy = std::sin(a) * (r - 0.3f);
  p.line(cx - dx, cy - dy, cx + dx, cy + dy, seam, Paint(kGold));
  p.line(cx + dy, cy - dx, cx - dy, cy + dx, seam, Paint(kGold));

  if (detailed) {
    for (int player = 0; player < 4; ++player) {
      float angle = (kTilt + 225 + 90 * (player == 2 ? 3 : player == 3 ? 2 : player)) * kPi / 180;
      emblem(p, player, cx + std::cos(angle) * r * 0.5f, cy + std::sin(angle) * r * 0.5f, 4.2f, kWhite, 0.6f);
    }
  }
  highlight(p, cx - r * 0.58f, cy - r * 0.6f, tiny ? 4 : 5, tiny ? 2.2f : 2.4f, 0.6f);

  // the cap, with its loop on larger sizes
  if (!tiny) p.ring(32, capTop - 1.2f, 2.2f, 1.1f, Paint(kGold), 0.6f);
  p.roundRect(26.5f, capTop, 11, 6.5f, 1.5f, linearGradient(0, capTop, kGold, 0, capTop + 6.5f, rgb(180, 110, 20)),
              ow * 0.8f);
  return img;
}

bool writeAppIcons(const std::string& outDir, const std::string& name) {
  for (int size : kAppIconSizes) {
    std::string dir = outDir + "/hicolor/" + std::to_string(size) + "x" + std::to_string(size) + "/apps";
    if (!makeDirs(dir) || !appIcon(size).writePng(dir + "/" + name + ".png")) return false;
  }
  return true;
}

}  // namespace datagen
