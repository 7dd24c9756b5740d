// The one game the loading and sound tests share: the running game reading the generated
// data folder (TJ_TEST_APP_DIR/data), started once and loaded, since the real art takes
// a while to decode. OpenAL Soft plays into its null backend, so no sound card is needed.
#pragma once

#include "tests/game/shell/running_game.h"

inline RunningGame& DataGame() {
  static RunningGame* game = [] {
    GameStart start;
    start.appDir = TJ_TEST_APP_DIR;
    auto* started = new RunningGame(start);
    started->RunUntilLoaded();
    return started;
  }();
  return *game;
}
