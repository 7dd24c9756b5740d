// The contact sheet of every sprite frame, with frame numbers, for looking the art over.
#pragma once

#include "raster.h"

namespace datagen {

Image contactSheet(int level);

}  // namespace datagen
