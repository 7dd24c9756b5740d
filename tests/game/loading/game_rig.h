// The one game these tests share: the real application on a DataHost, with OpenAL Soft
// playing into its null backend. It is started once; the start-up's loader run is
// recorded update by update for the tests that check it.
#pragma once

#include <string>
#include <vector>

#include "data_host.h"
#include "game/shell/my_app.h"

struct LoaderUpdate {
  std::vector<std::string> requests;  // data files asked for during the update
  int loadStepsAfter;
  int modeAfter;
};

struct GameRig {
  DataHost* host;
  c_MyApp* app;
  std::vector<std::string> startRequests;  // asked for by the creation step
  std::vector<LoaderUpdate> startUpdates;  // the first 41 updates
  int jingleChannel;                       // channel holding sound 96 after update 4, or -1
};

GameRig& Rig();

// Runs updates until the loader is idle (at most the given number); gives how many ran.
int RunLoader(GameRig& rig, int limit);
