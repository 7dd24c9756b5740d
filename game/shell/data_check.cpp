// The data folder is made by the build (the data tool draws and synthesises every file
// into it), so that is what the message sends the player to. Single missing or damaged
// files are not this check's business: the host names each one and the game goes on.
#include "game/shell/data_check.h"

#include <cstdlib>
#include <string>

#include "host/zr_game.h"
#include "runtime/diagnostics.h"
#include "runtime/storage/data_folder.h"

void zr_TinselJumble_CheckData() {
  std::string folder = ZrGame::_game ? ZrGame::_game->DataFolder().ToUtf8() : std::string();
  if (folder.empty()) return;
  switch (zr_storage_DataFolderState(folder)) {
    case DataFolderState::kHoldsImages:
      return;
    case DataFolderState::kMissing:
      zrWarn(String::FromUtf8("No game data: " + folder + " is missing. Build the game (cmake --build build) to make it."));
      break;
    case DataFolderState::kNoImages:
      zrWarn(String::FromUtf8("No game data: " + folder +
                              " holds no images. Build the game (cmake --build build) to make them."));
      break;
  }
  std::exit(1);
}
