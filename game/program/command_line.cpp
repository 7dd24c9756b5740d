// Parsing the game's options and the help text. Options are whole words only: a player
// who types "--full" learns the right spelling from the usage instead of getting a
// guess.
#include "game/program/command_line.h"

const char* const kCommandLineUsage =
    "usage: tinsel-jumble [--fullscreen | --windowed] [--stats] [--save-in-data-home] [--help] [--version]";

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
  CommandLine line;
  for (const std::string& argument : arguments) {
    if (argument == "--help" || argument == "-h") {
      line.help = true;
    } else if (argument == "--version") {
      line.version = true;
    } else if (argument == "--fullscreen") {
      line.window = StartWindow::kFullscreen;
    } else if (argument == "--windowed") {
      line.window = StartWindow::kWindowed;
    } else if (argument == "--stats") {
      line.frameStats = true;
    } else if (argument == "--save-in-data-home") {
      line.saveInDataHome = true;
    } else {
      line.error = argument.rfind("-", 0) == 0 ? "unknown option " + argument : "unexpected argument " + argument;
      break;
    }
  }
  return line;
}

std::string CommandLineHelp(const std::string& workingSave, const std::string& homeSave) {
  std::string help = kCommandLineUsage;
  help +=
      "\n"
      "Twenty-six party games for up to four players on one screen.\n"
      "\n"
      "Options:\n"
      "  --fullscreen         start in fullscreen at the desktop's size (this run only)\n"
      "  --windowed           start in a 640x480 window (this run only; the usual start)\n"
      "  --stats              print frame statistics on standard error once a second\n"
      "  --save-in-data-home  keep the save in the per-user data folder (the desktop\n"
      "                       launcher does this) instead of the folder started from\n"
      "  --help               show this help and quit\n"
      "  --version            show the version and quit\n"
      "\n"
      "Controls:             keyboard                      joypad\n"
      "  move                arrow keys or W A S D         d-pad or left stick\n"
      "  fire A              Z, J, Space or Enter          button A\n"
      "  fire B              X, K or Ctrl                  button B\n"
      "  fire C              C, L or Shift                 button X\n"
      "  back / pause        Esc, Backspace or Delete      Back or Start\n"
      "  fullscreen on/off   F11\n"
      "  quit                F4, Esc in the menu, or close the window\n"
      "\n"
      "Settings, badges and highscores are saved in the file .quillostate:\n"
      "  started from this folder: ";
  help += workingSave;
  help += "\n  with --save-in-data-home: ";
  help += homeSave.empty() ? std::string("(none: set HOME or XDG_DATA_HOME)") : homeSave;
  help += "\n";
  return help;
}
