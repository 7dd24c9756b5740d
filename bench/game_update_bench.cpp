// Updates per second of the real game, headless (no window, GL or sound card), with four
// computer players: the menu, the fallback game once its round has started, and each of
// the 26 games. Each
// iteration is one update followed by its render into the do-nothing GL seam, as the
// runner does. The target is well under 0.2 ms per update.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "game/shell/my_app.h"
#include "host/app.h"
#include "host/headless_game.h"
#include "host/program_start.h"

namespace {

const int kModeMenu = 1;
const int kModeInGame = 10;
const int kModeLoadingGame = 11;

// The one application of this process, started and past its loader.
c_MyApp* startedApp(ZrHeadlessGame** hostOut) {
  static ZrHeadlessGame* host = nullptr;
  static c_MyApp* app = nullptr;
  if (!app) {
    setenv("ALSOFT_DRIVERS", "null", 0);
    host = new ZrHeadlessGame;
    host->SetRendering(true);
    static char name[] = "tj_game_update_bench";
    static char* arguments[] = {name, nullptr};
    zr_std_main(1, arguments);
    app = static_cast<c_MyApp*>(zr_app__app);
    host->Run(0);
    while (app->m_loadSteps != 0) host->Run(1);
  }
  for (int seat = 0; seat < 4; ++seat) app->m_pad[seat] = 0;
  *hostOut = host;
  return app;
}

void BM_MenuUpdate(benchmark::State& state) {
  ZrHeadlessGame* host;
  c_MyApp* app = startedApp(&host);
  app->m_mode = kModeMenu;
  for (auto _ : state) host->Run(1);
  state.counters["updates_per_second"] = benchmark::Counter(state.iterations(), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_MenuUpdate);

void BM_FallbackGameUpdate(benchmark::State& state) {
  ZrHeadlessGame* host;
  c_MyApp* app = startedApp(&host);
  app->m_game = 0;
  app->m_mode = kModeLoadingGame;
  host->Run(200);  // through the set-up and the intro countdown
  for (auto _ : state) host->Run(1);
  state.counters["updates_per_second"] = benchmark::Counter(state.iterations(), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_FallbackGameUpdate);

// Every game with four computer players; a finished round starts again, so almost every
// iteration is a frame of play (set-up frames are a small share). The argument is the
// game number, 1 = A ... 26 = Z.
void BM_GameUpdate(benchmark::State& state) {
  ZrHeadlessGame* host;
  c_MyApp* app = startedApp(&host);
  int game = static_cast<int>(state.range(0));
  app->m_mode = kModeMenu;
  for (auto _ : state) {
    if (app->m_mode != kModeInGame) {
      app->m_game = game;
      app->m_mode = kModeLoadingGame;
    }
    host->Run(1);
  }
  state.counters["updates_per_second"] = benchmark::Counter(state.iterations(), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_GameUpdate)->DenseRange(1, 26);

// Virus Vengeance at its busiest: every one of the ten virus slots open from the first
// frame of play, and the four computer turrets kept alive so the round never thins out.
// The viruses counter is the mean number crawling per update.
void BM_VirusVengeanceTenViruses(benchmark::State& state) {
  const int kGameV = 22;
  const int kVirusSlots = 55;
  ZrHeadlessGame* host;
  c_MyApp* app = startedApp(&host);
  app->m_game = kGameV;
  app->m_mode = kModeLoadingGame;
  host->Run(1);
  app->m_introTimer = 0;
  app->m_players[kVirusSlots] = 10;
  long crawling = 0;
  for (auto _ : state) {
    for (int seat = 0; seat < 4; ++seat) app->m_players[seat * 100 + 99] = 3;
    host->Run(1);
    for (int virus = 0; virus < 10; ++virus) crawling += app->m_grid[virus * 1000] > 0;
  }
  state.counters["viruses"] = static_cast<double>(crawling) / state.iterations();
  state.counters["updates_per_second"] = benchmark::Counter(state.iterations(), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_VirusVengeanceTenViruses);

}  // namespace

BENCHMARK_MAIN();
