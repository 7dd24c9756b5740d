// The per-user folder an installed game keeps its save in, following the XDG base
// directory rules: $XDG_DATA_HOME/tinsel-jumble, or ~/.local/share/tinsel-jumble when
// that variable is unset, empty or not an absolute path. The state file keeps its own
// name and content inside; the game simply runs with this folder as its working folder.
#pragma once

#include <string>

// The save folder for the given environment values (either may be null); empty when
// neither gives an absolute path to build on.
std::string zr_storage_DataHomeSaveFolder(const char* xdgDataHome, const char* home);

// Creates the folder and any missing parents (new ones private to the user, 0700) and
// makes it the working folder. Returns "" on success, else what went wrong.
std::string zr_storage_EnterFolder(const std::string& folder);
