// The process entry of the game, tinsel-jumble. It reads the command line before
// anything else, so --help, --version and a mistyped option answer at once, even where
// no display is there to open a window on; then it enters the save folder if asked,
// passes the start choices on and runs the program.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "game/program/command_line.h"
#include "game/shell/globals.h"
#include "host/glfw_game.h"
#include "runtime/storage/save_folder.h"

namespace {

const char kStateFileName[] = "/.quillostate";

std::string workingFolder() {
  std::vector<char> buffer(4096);
  return ::getcwd(buffer.data(), buffer.size()) ? std::string(buffer.data()) : std::string(".");
}

std::string dataHomeSaveFolder() {
  return zr_storage_DataHomeSaveFolder(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
}

}  // namespace

int main(int argumentCount, char** arguments) {
  CommandLine line = ParseCommandLine(std::vector<std::string>(arguments + 1, arguments + argumentCount));
  if (!line.error.empty()) {
    std::fprintf(stderr, "tinsel-jumble: %s\n%s\n", line.error.c_str(), kCommandLineUsage);
    return 2;
  }
  if (line.help) {
    std::string homeFolder = dataHomeSaveFolder();
    std::fputs(CommandLineHelp(workingFolder() + kStateFileName, homeFolder.empty() ? "" : homeFolder + kStateFileName)
                   .c_str(),
               stdout);
    return 0;
  }
  if (line.version) {
    std::printf("tinsel-jumble %s\n", TJ_VERSION);
    return 0;
  }
  if (line.saveInDataHome) {
    std::string problem = zr_storage_EnterFolder(dataHomeSaveFolder());
    // The game is still worth playing; its save then stays where it was started from.
    if (!problem.empty())
      std::fprintf(stderr, "tinsel-jumble: %s; the save stays in %s\n", problem.c_str(), workingFolder().c_str());
  }
  if (line.window == StartWindow::kFullscreen) zr_TinselJumble_StartFullscreen = 1;

  ZrHostOptions options;
  options.frameStats = line.frameStats;
  return ZrQuilloGame::Main(argumentCount, arguments, options);
}
