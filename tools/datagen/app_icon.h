// The program's icon for the desktop (menus, launchers, task switchers): a bauble in the
// four player colours hanging on a night-blue tile. Drawn by the same painter as the
// game's art, at any square size, with less detail where pixels are few.
#pragma once

#include <string>

#include "raster.h"

namespace datagen {

// The sizes the desktop's icon theme gets, in pixels.
extern const int kAppIconSizes[6];

Image appIcon(int size);

// Writes OUTDIR/hicolor/<n>x<n>/apps/<name>.png for every size; false on a write error.
bool writeAppIcons(const std::string& outDir, const std::string& name);

}  // namespace datagen
