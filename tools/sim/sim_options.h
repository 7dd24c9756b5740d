// The headless runner's command line: which game to start, the seed, the calendar date,
// how many updates to run at most, who sits in each seat and the scripted keys.
// Parsing never exits; a bad argument comes back as an error text for the usage line.
#pragma once

#include <string>
#include <vector>

struct SimOptions {
  int game = -1;  // -1: stay in the menu
  bool seedGiven = false;
  unsigned seed = 0;
  int year = 2026, month = 12, day = 6;
  int frames = 3600;
  int seats[4] = {0, 0, 0, 0};  // each seat's input source; 0 = a computer player
  std::string keysFile;
};

// Fills options from the arguments (without the program name); returns "" on success,
// else what was wrong.
std::string ParseSimOptions(const std::vector<std::string>& arguments, SimOptions& options);

extern const char* const kSimUsage;
