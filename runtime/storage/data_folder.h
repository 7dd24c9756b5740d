// Whether a data folder is there to play from: the game cannot show anything without its
// images, and a folder that is missing or holds none is a build that was never made or
// an install that went wrong, not a single lost file.
#pragma once

#include <string>

enum class DataFolderState { kMissing, kNoImages, kHoldsImages };

// Looks for PNG files in the folder and in its subfolders, down to a few levels.
DataFolderState zr_storage_DataFolderState(const std::string& folder);
