// What every image of the data folder is: a grid of equally sized frames, each drawn by a
// function in logical units (the frame's top-left is 0,0). The writer renders every image
// at the three levels (1, 2 and 4 file pixels per logical pixel) and the contact sheet
// draws the same functions.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "raster.h"

namespace datagen {

using FrameFn = std::function<void(Painter&, int frame)>;

struct SheetDef {
  std::string name;  // relative to the data folder, without level suffix or ".png"
  int frameW, frameH, count, columns;
  FrameFn draw;
  bool levels = true;  // false: one file at level 1 only, named name + ".png"
  std::vector<int> listed;  // frames that must not be empty (the test checks them too)
};

// Renders one sheet at one level into a new image.
Image renderSheet(const SheetDef& def, int level);

// Every image of the game, in the loader's order (the tables live in their own files).
std::vector<SheetDef> spriteSheets();     // sprt_0 .. sprt_5, pop
std::vector<SheetDef> interfaceSheets();  // icons, Buttons, dpad, logos, menu, games, ...
std::vector<SheetDef> fontSheets();       // the game font and the built-in font
std::vector<SheetDef> allSheets();

}  // namespace datagen
