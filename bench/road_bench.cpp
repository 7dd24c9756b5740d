// Retro Racing builds its track at the start of every race, and while no call has found
// one the game tries again, a few calls each frame. Over 1,000 seeds this reports how
// many frames the worst race waited for its track, the worst set-up and the worst frame
// spent waiting (both must fit well inside a 16.7 ms frame) and the most track tiles
// drawn per frame, which share the draw list with everything else. It also times one
// call to the generator on its own.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>

#include "game/shell/my_app.h"
#include "host/app.h"
#include "host/headless_game.h"
#include "host/program_start.h"
#include "runtime/random.h"

namespace {

const int kSeeds = 1000;

c_MyApp* startedApp() {
  static c_MyApp* app = nullptr;
  if (!app) {
    setenv("ALSOFT_DRIVERS", "null", 0);
    static ZrHeadlessGame* host = new ZrHeadlessGame;
    static char name[] = "tj_road_bench";
    static char* arguments[] = {name, nullptr};
    zr_std_main(1, arguments);
    app = static_cast<c_MyApp*>(zr_app__app);
    host->Run(0);
    while (app->m_loadSteps != 0) host->Run(1);
    for (int seat = 0; seat < 4; ++seat) app->m_pad[seat] = 0;
  }
  return app;
}

bool HasTrack(c_MyApp* app) { return app->m_players[66] >= 0; }

int TrackTiles(c_MyApp* app) {
  int tiles = 0;
  for (int cell = 0; cell < 80 * 44; ++cell) tiles += app->m_grid[cell * 10] != 0;
  return tiles;
}

// Processor time of the calling thread, so other programs on the machine do not count.
double ThreadMicroseconds() {
  timespec now;
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return now.tv_sec * 1e6 + now.tv_nsec / 1e3;
}

// Seeds 1..1000: the set-up (the common reset and the first calls), then frames of the
// game until a track stands; a frame makes several calls while there is none.
void BM_RoadSurvey(benchmark::State& state) {
  c_MyApp* app = startedApp();
  for (auto _ : state) {
    int worstWait = 0, waitingRaces = 0, framesWaitedInAll = 0, mostTiles = 0;
    double worstSetUp = 0, worstFrame = 0;
    for (int seed = 1; seed <= kSeeds; ++seed) {
      zr_random_Seed = static_cast<uint32_t>(seed);
      double start = ThreadMicroseconds();
      app->p_LoadGame_R();
      worstSetUp = std::max(worstSetUp, ThreadMicroseconds() - start);
      int framesWaited = 0;
      while (!HasTrack(app)) {
        app->m_drawCount = 0;
        start = ThreadMicroseconds();
        app->p_Game_R();
        worstFrame = std::max(worstFrame, ThreadMicroseconds() - start);
        ++framesWaited;
      }
      worstWait = std::max(worstWait, framesWaited);
      waitingRaces += framesWaited > 0;
      framesWaitedInAll += framesWaited;
      mostTiles = std::max(mostTiles, TrackTiles(app));
    }
    state.counters["worst_frames_waited"] = worstWait;
    state.counters["races_that_waited"] = waitingRaces;
    state.counters["mean_frames_waited"] = static_cast<double>(framesWaitedInAll) / kSeeds;
    state.counters["worst_setup_us"] = worstSetUp;
    state.counters["worst_waiting_frame_us"] = worstFrame;
    state.counters["most_tiles"] = mostTiles;
  }
}
BENCHMARK(BM_RoadSurvey)->Iterations(1)->Unit(benchmark::kMillisecond);

// One call, successful or not, on seeds that run on from call to call.
void BM_MakeRoad(benchmark::State& state) {
  c_MyApp* app = startedApp();
  app->p_LoadGame_R();
  for (auto _ : state) app->p_MakeRoad();
}
BENCHMARK(BM_MakeRoad)->Unit(benchmark::kMicrosecond);

}  // namespace
BENCHMARK_MAIN();
