// Toolkit paths and where they live on disk. The game names its data files relative to
// the data folder ("gfx/menu.png") or with the "quillo:" scheme, whose three folders
// (data, internal, external) sit beside the executable. No folder is ever created here.
#pragma once

#include "runtime/string.h"

// Gives a plain data-file name its "quillo://data/" prefix; scheme paths, drive paths and
// paths beginning with "./" or "/" pass unchanged.
String zr_data_FixDataPath(const String& path);

// Turns a toolkit path into a platform path, given the executable's folder (no trailing
// slash). Paths without the "quillo:" scheme pass unchanged; an unknown "quillo:" folder
// gives the empty string, which opens nothing.
String zr_storage_ToFilePath(const String& path, const String& appDir);

// The folder of the running executable, without a trailing slash.
String zr_storage_ExecutableDir();
