// The audio device on a real OpenAL Soft writing to a wave file, limited to four sources
// so that running out can be shown.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <string>
#include <thread>

#include "folder_host.h"
#include "runtime/audio/audio.h"
#include "runtime/audio/audio_device.h"
#include "sound_files.h"

using namespace audiotest;

namespace {

struct WaveRig {
  std::string folder;
  std::string outputPath;
  gxtkAudio* device = nullptr;
  gxtkSample* beep = nullptr;  // 0.25 s one-shot
  gxtkSample* hum = nullptr;   // 3 s, for sounds that must still be playing
};

gxtkSample* heldSamples[2];
gc_root testRoots([] {
  for (gxtkSample* s : heldSamples) gc_mark_q(s);
});

// One device per process, as in the game; it is made on first use, after OpenAL has been
// pointed at a configuration that writes to a file of this test's own folder.
WaveRig& rig() {
  static WaveRig* made = [] {
    auto* r = new WaveRig;
    r->folder = MakeTempFolder("tj-wave");
    r->outputPath = r->folder + "/output.wav";
    std::string config = r->folder + "/alsoft.conf";
    std::string text = "[general]\ndrivers=wave\nsources=4\nchannels=stereo\nsample-type=int16\nfrequency=22050\n"
                       "[wave]\nfile=" + r->outputPath + "\n";
    writeFile(config, Bytes(text.begin(), text.end()));
    setenv("ALSOFT_CONF", config.c_str(), 1);
    unsetenv("ALSOFT_DRIVERS");
    writeFile(r->folder + "/data/sfx/beep.wav", squareWave16(5512, 1, 22050, 12000));
    writeFile(r->folder + "/data/sfx/hum.wav", squareWave16(66150, 1, 22050, 6000));
    writeFile(r->folder + "/data/sfx/tune.ogg", oggTone(22050, 2, 22050));
    new FolderHost(r->folder);
    r->device = (new gxtkAudio)->m_new();
    zr_audio_SetAudioDevice(r->device);
    r->beep = heldSamples[0] = r->device->LoadSample("quillo://data/sfx/beep.wav");
    r->hum = heldSamples[1] = r->device->LoadSample("quillo://data/sfx/hum.wav");
    return r;
  }();
  return *made;
}

ALint sourceState(ALuint source) {
  ALint state = 0;
  alGetSourcei(source, AL_SOURCE_STATE, &state);
  return state;
}

// Polls until the channel reports stopped; gives the seconds it took, or -1 after 4 s.
double secondsUntilStopped(gxtkAudio* device, int channel) {
  auto start = std::chrono::steady_clock::now();
  for (;;) {
    double spent = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (device->ChannelState(channel) == 0) return spent;
    if (spent > 4) return -1;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

// The loudest 16-bit sample the wave writer has put out since the given file size.
int loudestOutputSince(const std::string& path, size_t since) {
  Bytes out = readFile(path);
  size_t dataStart = 0;
  for (size_t i = 12; i + 8 <= out.size(); i++)
    if (out[i] == 'd' && out[i + 1] == 'a' && out[i + 2] == 't' && out[i + 3] == 'a') {
      dataStart = i + 8;
      break;
    }
  if (dataStart == 0) return -1;
  size_t from = since > dataStart ? dataStart + ((since - dataStart) & ~size_t(3)) : dataStart;
  int loudest = 0;
  for (size_t i = from; i + 1 < out.size(); i += 2)
    loudest = std::max(loudest, std::abs(static_cast<int16_t>(out[i] | (out[i + 1] << 8))));
  return loudest;
}

class AudioDeviceOnWaveOutput : public ::testing::Test {
 protected:
  void SetUp() override {
    device = rig().device;
    ASSERT_NE(device->alContext, nullptr) << "OpenAL's wave output did not open";
  }
  void TearDown() override {
    for (int c = 0; c < gxtkAudio::kChannelCount; ++c) device->StopChannel(c);
  }
  gxtkAudio* device = nullptr;
};

}  // namespace

TEST_F(AudioDeviceOnWaveOutput, OneShotSoundReachesTheOutputAndThenStops) {
  size_t before = readFile(rig().outputPath).size();
  device->PlaySample(rig().beep, 0, 0);
  EXPECT_EQ(device->ChannelState(0), 1);
  double took = secondsUntilStopped(device, 0);
  EXPECT_GT(took, 0.1);
  EXPECT_GE(took, 0) << "a 0.25 s sound still played after 4 s";
  EXPECT_EQ(device->ChannelState(0), 0);
  device->PauseChannel(0);  // too late: the sound is over
  EXPECT_EQ(device->ChannelState(0), 0);
  std::this_thread::sleep_for(std::chrono::milliseconds(300));  // let the writer catch up
  EXPECT_GT(loudestOutputSince(rig().outputPath, before), 2000);
}

TEST_F(AudioDeviceOnWaveOutput, PlayingOnABusyChannelRestartsItWithTheNewSound) {
  device->PlaySample(rig().hum, 1, 0);
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  device->PlaySample(rig().beep, 1, 0);
  EXPECT_EQ(device->ChannelState(1), 1);
  ALint buffer = 0;
  alGetSourcei(device->channels[1].source, AL_BUFFER, &buffer);
  EXPECT_EQ(static_cast<ALuint>(buffer), rig().beep->buffer);
  double took = secondsUntilStopped(device, 1);
  EXPECT_GE(took, 0);
  EXPECT_LT(took, 1.5) << "the 3 s sound went on instead of the 0.25 s one";
}

TEST_F(AudioDeviceOnWaveOutput, PauseAndSuspendHoldChannelsAndResumeRestartsThem) {
  device->PlaySample(rig().hum, 4, 1);
  device->PlaySample(rig().hum, 5, 1);
  device->PauseChannel(5);
  EXPECT_EQ(device->ChannelState(5), 2);
  device->Suspend();
  EXPECT_EQ(sourceState(device->channels[4].source), AL_PAUSED);
  EXPECT_EQ(device->ChannelState(4), 1);
  device->Resume();
  EXPECT_EQ(sourceState(device->channels[4].source), AL_PLAYING);
  EXPECT_EQ(sourceState(device->channels[5].source), AL_PAUSED) << "Resume woke a channel the game paused";
  device->ResumeChannel(5);
  EXPECT_EQ(device->ChannelState(5), 1);
  EXPECT_EQ(sourceState(device->channels[5].source), AL_PLAYING);
  device->StopChannel(4);
  EXPECT_EQ(device->ChannelState(4), 0);
  EXPECT_EQ(sourceState(device->channels[4].source), AL_STOPPED);
}

TEST_F(AudioDeviceOnWaveOutput, MissingMusicStopsTheCurrentTuneAndGivesMinusOne) {
  EXPECT_EQ(zr_audio_PlayMusic("sfx/tune.ogg", 1), 0);
  EXPECT_EQ(device->MusicState(), 1);
  zr_audio_PauseMusic();
  EXPECT_EQ(device->MusicState(), 2);
  zr_audio_ResumeMusic();
  EXPECT_EQ(device->MusicState(), 1);
  EXPECT_EQ(zr_audio_PlayMusic("sfx/missing.ogg", 1), -1);
  EXPECT_EQ(device->MusicState(), 0);
  EXPECT_EQ(sourceState(device->channels[gxtkAudio::kMusicChannel].source), AL_STOPPED);
  EXPECT_EQ(device->PlayMusic("quillo://data/sfx/beep.wav", 0), 0);
  zr_audio_StopMusic();
  EXPECT_EQ(device->MusicState(), 0);
}

TEST_F(AudioDeviceOnWaveOutput, DiscardedSampleIsDeletedAtTheFirstFlushAfterItsChannelStopped) {
  gxtkSample* sample = device->LoadSample("quillo://data/sfx/beep.wav");
  ASSERT_NE(sample, nullptr);
  ALuint buffer = sample->buffer;
  device->PlaySample(sample, 2, 0);
  sample->Discard();
  EXPECT_EQ(sample->buffer, 0u);
  EXPECT_EQ(device->LoadSample("quillo://data/sfx/none.wav"), nullptr);  // flushes
  EXPECT_TRUE(alIsBuffer(buffer)) << "deleted while still playing";
  EXPECT_GE(secondsUntilStopped(device, 2), 0);
  // The channel has already been seen stopped; its buffer must still be let go.
  EXPECT_EQ(device->LoadSample("quillo://data/sfx/none.wav"), nullptr);
  EXPECT_FALSE(alIsBuffer(buffer));
}

TEST_F(AudioDeviceOnWaveOutput, CollectorKeepsPlayingSamplesAndFreesThemWhenDone) {
  gxtkSample* sample = device->LoadSample("quillo://data/sfx/beep.wav");
  ASSERT_NE(sample, nullptr);
  ALuint buffer = sample->buffer;
  device->PlaySample(sample, 3, 0);
  auto collectEverything = [] {
    gc_collect_all();
    gc_collect_all();
    gc_flush_free(INT_MAX);
  };
  collectEverything();
  EXPECT_TRUE(gc_is_known_object(sample)) << "a playing sample was collected";
  EXPECT_TRUE(gc_is_known_object(rig().beep));
  EXPECT_GE(secondsUntilStopped(device, 3), 0);
  collectEverything();
  EXPECT_FALSE(gc_is_known_object(sample));
  EXPECT_TRUE(alIsBuffer(buffer));  // queued, not yet deleted
  device->PlaySample(rig().beep, 3, 0);
  EXPECT_FALSE(alIsBuffer(buffer));
}

TEST_F(AudioDeviceOnWaveOutput, ChannelsBorrowSilentSourcesWhenOpenALHasNoMore) {
  // Four sources in all, one held by the music channel: three effects can sound at once.
  for (int c = 0; c < gxtkAudio::kMusicChannel; ++c) device->PlaySample(rig().hum, c, 1);
  for (int c = 0; c < gxtkAudio::kMusicChannel; ++c) EXPECT_EQ(device->ChannelState(c), c < 3 ? 1 : 0) << c;
  ALuint lent = device->channels[1].source;
  device->StopChannel(1);
  device->PlaySample(rig().beep, 20, 0);
  EXPECT_EQ(device->ChannelState(20), 1);
  EXPECT_EQ(device->channels[20].source, lent);
  EXPECT_EQ(device->channels[1].source, 0u);
  EXPECT_EQ(device->ChannelState(0), 1) << "a playing channel lost its source";
}

TEST_F(AudioDeviceOnWaveOutput, GameSoundsLoadFromTheDataFolderAndPlay) {
  c_Sound* sound = zr_audio_LoadSound("sfx/beep.wav");
  ASSERT_NE(sound, nullptr);
  ASSERT_NE(sound->m_sample, nullptr);
  EXPECT_NE(sound->m_sample->buffer, 0u);
  EXPECT_EQ(zr_audio_LoadSound("sfx/none.wav"), nullptr);
  EXPECT_EQ(zr_audio_LoadSound("sfx/tune.mp3"), nullptr);
  zr_audio_PlaySound(nullptr, 7, 0);
  EXPECT_EQ(device->ChannelState(7), 0);
  zr_audio_PlaySound(sound, 7, 0);
  EXPECT_EQ(device->ChannelState(7), 1);
  zr_audio_StopChannel(7);
  EXPECT_EQ(device->ChannelState(7), 0);
  // Channels outside 0..32 are ignored rather than trusted.
  zr_audio_PlaySound(sound, 33, 0);
  zr_audio_PlaySound(sound, -1, 0);
  EXPECT_EQ(device->ChannelState(33), 0);
}
