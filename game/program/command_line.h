// The game's command line: the window to start in, frame statistics, where the save is
// kept, and the requests for help and for the version. Parsing never prints or exits;
// the program's entry decides what to do with the result.
#pragma once

#include <string>
#include <vector>

enum class StartWindow { kUsual, kFullscreen, kWindowed };

struct CommandLine {
  bool help = false;
  bool version = false;
  bool frameStats = false;
  bool saveInDataHome = false;
  StartWindow window = StartWindow::kUsual;
  std::string error;  // what was not understood; empty when every argument was
};

// Reads the arguments that follow the program name. The last of --fullscreen and
// --windowed wins, as with most programs.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// The --help text: usage, options, controls and where the save is. `workingSave` and
// `homeSave` are the two places the state file can be, as full paths.
std::string CommandLineHelp(const std::string& workingSave, const std::string& homeSave);

// The one-line usage that follows an error.
extern const char* const kCommandLineUsage;
