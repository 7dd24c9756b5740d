// The headless runner's command line: which game to start (or a whole party to which
// target), the seed, the calendar date, how many updates to run at most, who sits in
// each seat and the scripted keys.
// Parsing never exits; a bad argument comes back as an error text for the usage line.
#pragma once

#include <string>
#include <vector>

struct SimOptions {
  int game = -1;  // -1: stay in the menu
  int partyTarget = 0;  // above 0: play a party of rounds to this many points
  bool seedGiven = false;
  unsigned seed = 0;
  int year = 2026, month = 12, day = 6;
  int frames = 3600;  // a party's default is kPartyFrames
  int seats[4] = {0, 0, 0, 0};  // each seat's input source; 0 = a computer player
  std::string keysFile;
};

// Fills options from the arguments (without the program name); returns "" on success,
// else what was wrong.
std::string ParseSimOptions(const std::vector<std::string>& arguments, SimOptions& options);

extern const char* const kSimUsage;

// Updates a party may take unless --frames says otherwise: far more than any party
// needs, but a party that could never end still stops.
constexpr int kPartyFrames = 5000000;
