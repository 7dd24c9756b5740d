// The contact sheet: one PNG with every frame of the sprite-like sheets, each on a checked
// tile (so transparency and the frame's bounds show) with its frame number underneath, and
// a heading per sheet. Small frames are drawn enlarged (they are vectors, so this is a
// fresh drawing, not an upscale).
#include "contact_sheet.h"

#include <algorithm>
#include <cstdio>

#include "font.h"
#include "sheet.h"

namespace datagen {

namespace {

struct Block {
  const SheetDef* def;
  int zoom, cols, cellW, cellH, rows;
};

bool onContactSheet(const SheetDef& d) {
  return d.count > 1 && d.frameW <= 64 && d.name != "fonts/shadow_editundo" && d.name != "vobo_font";
}

}  // namespace

Image contactSheet(int level) {
  std::vector<SheetDef> sheets = allSheets();
  std::vector<Block> blocks;
  const int margin = 6, labelH = 11, headH = 16;
  int width = 0;
  for (const SheetDef& d : sheets) {
    if (!onContactSheet(d)) continue;
    Block b{&d, std::max(1, 32 / d.frameW), 0, 0, 0, 0};
    b.cols = d.frameW >= 64 ? 8 : (d.count > 64 ? 16 : 8);
    b.cellW = std::max(d.frameW * b.zoom, 28) + margin;
    b.cellH = d.frameH * b.zoom + labelH + margin;
    b.rows = (d.count + b.cols - 1) / b.cols;
    width = std::max(width, b.cols * b.cellW + margin);
    blocks.push_back(b);
  }
  int height = margin;
  for (const Block& b : blocks) height += headH + b.rows * b.cellH;
  Image img(width * level, height * level);
  Painter bg(img, float(level));
  bg.rect(0, 0, float(width), float(height), Paint(rgb(34, 40, 70)));

  int y = margin;
  for (const Block& b : blocks) {
    const SheetDef& d = *b.def;
    char head[96];
    std::snprintf(head, sizeof head, "%s  %dx%d  x%d", d.name.c_str(), d.frameW, d.frameH, d.count);
    drawText(bg, head, margin, y + 3, 1, 1, Paint(rgb(255, 230, 120)));
    y += headH;
    for (int f = 0; f < d.count; ++f) {
      int cx = margin + (f % b.cols) * b.cellW, cy = y + (f / b.cols) * b.cellH;
      int fw = d.frameW * b.zoom, fh = d.frameH * b.zoom;
      bg.rect(float(cx), float(cy), float(fw), float(fh), Paint(PaintFn([=](float x, float yy) {
                int k = (int((x - cx) / 4) + int((yy - cy) / 4)) & 1;
                return k ? rgb(70, 78, 110) : rgb(58, 64, 94);
              })));
      Painter p(img, float(cx * level), float(cy * level), float(level * b.zoom), cx * level,
                cy * level, fw * level, fh * level);
      d.draw(p, f);
      bool listed = std::find(d.listed.begin(), d.listed.end(), f) != d.listed.end();
      char num[16];
      std::snprintf(num, sizeof num, "%d", f);
      drawText(bg, num, cx + 1, cy + fh + 2, 1, 1,
               Paint(listed ? rgb(255, 255, 255) : rgb(140, 150, 180)));
    }
    y += b.rows * b.cellH;
  }
  return img;
}

}  // namespace datagen
