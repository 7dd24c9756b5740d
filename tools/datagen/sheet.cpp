// Rendering a sheet at one level, and the list of all sheets of the data folder.
#include "sheet.h"

namespace datagen {

Image renderSheet(const SheetDef& def, int level) {
  int rows = (def.count + def.columns - 1) / def.columns;
  int fw = def.frameW * level, fh = def.frameH * level;
  Image img(fw * def.columns, fh * rows);
  for (int f = 0; f < def.count; ++f) {
    int cx = (f % def.columns) * fw, cy = (f / def.columns) * fh;
    Painter p(img, float(cx), float(cy), float(level), cx, cy, fw, fh);
    def.draw(p, f);
  }
  return img;
}

std::vector<SheetDef> allSheets() {
  std::vector<SheetDef> all;
  for (auto* list : {&spriteSheets, &interfaceSheets, &fontSheets})
    for (SheetDef& d : (*list)()) all.push_back(std::move(d));
  return all;
}

}  // namespace datagen
