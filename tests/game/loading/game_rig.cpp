// Starting the shared game: OpenAL is pointed at its null backend before the host's
// start-up opens the device, and the start-up's loader run is recorded.
#include "game_rig.h"

#include <cstdlib>

#include "host/app.h"
#include "host/program_start.h"
#include "runtime/audio/audio.h"

namespace {

constexpr int kStartUpdates = 41;
constexpr int kJingle = 96;

int ChannelHolding(c_Sound* sound) {
  if (!sound || !zr_audio_device) return -1;
  for (int channel = 0; channel < gxtkAudio::kChannelCount; ++channel)
    if (zr_audio_device->channels[channel].sample == sound->m_sample) return channel;
  return -1;
}

GameRig* StartGame() {
  setenv("ALSOFT_DRIVERS", "null", 1);
  auto* rig = new GameRig;
  rig->host = new DataHost(TJ_TEST_APP_DIR);
  zr_std_main(0, nullptr);
  rig->app = static_cast<c_MyApp*>(zr_app__app);
  rig->host->Run(0);
  rig->startRequests = rig->host->TakeRequests();
  rig->jingleChannel = -1;
  for (int update = 1; update <= kStartUpdates; ++update) {
    rig->host->Run(1);
    rig->startUpdates.push_back(
        {rig->host->TakeRequests(), rig->app->m_loadSteps, rig->app->m_mode});
    if (update == 4) rig->jingleChannel = ChannelHolding(rig->app->m_sounds[kJingle]);
  }
  return rig;
}

}  // namespace

GameRig& Rig() {
  static GameRig* started = StartGame();
  return *started;
}

int RunLoader(GameRig& rig, int limit) {
  int ran = 0;
  while (rig.app->m_loadSteps != 0 && ran < limit) {
    rig.host->Run(1);
    ++ran;
  }
  return ran;
}
