// Effects and music on the real audio device (OpenAL Soft's null output): the channel
// rotation, the random pitch and its one random draw, the sound modes, tunes that are
// missing or switched off, and effect file names.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "game/shell/globals.h"
#include "game_rig.h"
#include "runtime/audio/audio.h"
#include "runtime/random.h"

namespace {

constexpr int kSoundMode = 5;
constexpr int kMusicChannel = gxtkAudio::kMusicChannel;

uint32_t NextSeed(uint32_t seed) { return seed * 1664525u + 1013904223u; }
float ValueOf(uint32_t seed) { return static_cast<float>(seed >> 8) / 16777216.0f; }

int ChannelHolding(gxtkSample* sample) {
  for (int channel = 0; channel < gxtkAudio::kChannelCount; ++channel)
    if (zr_audio_device->channels[channel].sample == sample) return channel;
  return -1;
}

float SourceFloat(int channel, ALenum what) {
  float value = -1;
  alGetSourcef(zr_audio_device->channels[channel].source, what, &value);
  return value;
}

class Sound : public ::testing::Test {
 protected:
  void SetUp() override {
    app = Rig().app;
    ASSERT_NE(zr_audio_device, nullptr);
    ASSERT_NE(zr_audio_device->alContext, nullptr) << "OpenAL's null output did not open";
    app->m_settings[kSoundMode] = 1;
    app->m_sfxSlot = 0;
  }
  void TearDown() override {
    app->p_StopTune();
    for (int channel = 0; channel < gxtkAudio::kChannelCount; ++channel)
      zr_audio_device->StopChannel(channel);
    app->m_settings[kSoundMode] = 1;
  }
  c_MyApp* app = nullptr;
};

}  // namespace

TEST_F(Sound, EffectsRotateOverChannels1To23Then0) {
  // 25 distinct sounds, so each effect's channel can be found by its sample.
  const int firstSlot = 20;
  for (int k = 0; k < 25; ++k)
    gc_assign(app->m_sounds[firstSlot + k], zr_audio_LoadSound(String("sfx/004.wav")));
  std::vector<int> used;
  for (int k = 0; k < 25; ++k) {
    app->p_PlaySFX(firstSlot + k, 1, 1, 0);
    used.push_back(ChannelHolding(app->m_sounds[firstSlot + k]->m_sample));
  }
  std::vector<int> expected;
  for (int channel = 1; channel <= 23; ++channel) expected.push_back(channel);
  expected.push_back(0);
  expected.push_back(1);
  EXPECT_EQ(used, expected);
  // The 25th took the first one's channel.
  EXPECT_EQ(ChannelHolding(app->m_sounds[firstSlot]->m_sample), -1);
  EXPECT_EQ(zr_audio_device->channels[1].state, 1);
  for (int k = 0; k < 25; ++k) app->p_LoadSFX(firstSlot + k, 1);
  EXPECT_EQ(app->m_sounds[firstSlot], nullptr);
}

TEST_F(Sound, RandomPitchForGameEffectsOnlyAndOneDrawPerAskedRate) {
  struct Case {
    int id;
    float rate, volume;
    bool draws, randomPitch;
  };
  const Case cases[] = {
      {4, -1, 1, true, true},      {14, -1, 0.5f, true, true}, {98, -1, 1, true, false},
      {95, -1, 1, true, false},    {4, 1.5f, 1, false, false}, {98, 0.8f, 0.25f, false, false},
  };
  for (const Case& c : cases) {
    std::string label = "sound " + std::to_string(c.id) + " rate " + std::to_string(c.rate);
    uint32_t before = zr_random_Seed;
    float pitch = c.randomPitch ? 0.7f + 0.6f * ValueOf(NextSeed(before)) : (c.draws ? 1 : c.rate);
    app->p_PlaySFX(c.id, c.rate, c.volume, 0);
    EXPECT_EQ(zr_random_Seed, c.draws ? NextSeed(before) : before) << label;
    int channel = app->m_order[app->m_sfxSlot];
    ASSERT_EQ(zr_audio_device->channels[channel].sample, app->m_sounds[c.id]->m_sample) << label;
    EXPECT_NEAR(SourceFloat(channel, AL_PITCH), pitch, 1e-5) << label;
    EXPECT_NEAR(SourceFloat(channel, AL_GAIN), c.volume, 1e-5) << label;
    if (c.randomPitch) {
      EXPECT_GE(pitch, 0.7f) << label;
      EXPECT_LT(pitch, 1.3f) << label;
    }
  }
}

TEST_F(Sound, ModesDecideWhatPlaysAndTheDrawHappensAnyway) {
  struct Case {
    int mode;
    bool effects, music;
  };
  const Case cases[] = {{0, false, false}, {1, true, true}, {2, true, false}, {3, false, true}};
  for (const Case& c : cases) {
    std::string label = "mode " + std::to_string(c.mode);
    app->m_settings[kSoundMode] = c.mode;
    app->m_sfxSlot = 0;
    zr_audio_device->StopChannel(1);
    uint32_t before = zr_random_Seed;
    app->p_PlaySFX(4);
    EXPECT_EQ(zr_random_Seed, NextSeed(before)) << label;
    EXPECT_EQ(zr_audio_device->channels[1].state, c.effects ? 1 : 0) << label;
    EXPECT_EQ(app->m_sfxSlot, c.effects ? 1 : 0) << label;

    app->p_PlayTune(String("Started"), 1);
    EXPECT_EQ(app->m_musicOn, c.music ? 1 : 0) << label;
    EXPECT_EQ(zr_audio_device->channels[kMusicChannel].state, c.music ? 1 : 0) << label;
    app->p_StopTune();
    EXPECT_EQ(zr_audio_device->channels[kMusicChannel].state, 0) << label;
  }
}

TEST_F(Sound, TuneStopsTheRunningOneAndEffectsOnlyModeStartsNothing) {
  app->p_PlayTune(String("Started"), 1);
  ASSERT_EQ(zr_audio_device->channels[kMusicChannel].state, 1);
  ASSERT_EQ(zr_audio_device->channels[kMusicChannel].flags, 1) << "the tune loops";
  app->m_settings[kSoundMode] = 2;
  app->p_PlayTune(String("Valid"), 1);
  EXPECT_EQ(app->m_musicOn, 0);
  EXPECT_EQ(zr_audio_device->channels[kMusicChannel].state, 0);
}

TEST_F(Sound, MissingTuneLeavesTheMusicStoppedButCountsAsStarted) {
  Rig().host->TakeRequests();
  app->p_PlayTune(String("NoSuchTune"), 0);
  EXPECT_EQ(Rig().host->TakeRequests(), std::vector<std::string>{"sfx/NoSuchTune.ogg"});
  EXPECT_EQ(app->m_musicOn, 1);
  EXPECT_EQ(zr_audio_device->channels[kMusicChannel].state, 0);
}

TEST_F(Sound, WithoutAMusicStreamTunesAreIgnored) {
  zr_TinselJumble_HasMusicStream = 0;
  Rig().host->TakeRequests();
  app->p_PlayTune(String("Started"), 1);
  zr_TinselJumble_HasMusicStream = 1;
  EXPECT_TRUE(Rig().host->TakeRequests().empty());
  EXPECT_EQ(app->m_musicOn, 0);
  EXPECT_EQ(zr_audio_device->channels[kMusicChannel].state, 0);
}

TEST_F(Sound, EffectFilesHaveThreeDigitNumbers) {
  struct Case {
    int id, set;
    std::vector<std::string> asked;
  };
  const Case cases[] = {
      {7, 0, {"sfx/007.wav"}}, {12, 0, {"sfx/012.wav"}}, {99, 0, {"sfx/099.wav"}},
      {3, 1, {}},               {-1, 0, {}},              {100, 0, {}},
  };
  for (const Case& c : cases) {
    Rig().host->TakeRequests();
    app->p_LoadSFX(c.id, c.set);
    EXPECT_EQ(Rig().host->TakeRequests(), c.asked) << "sound " << c.id;
    if (c.id >= 0 && c.id < 100) {
      EXPECT_EQ(app->m_sounds[c.id] != nullptr, c.set == 0) << "sound " << c.id;
    }
  }
  app->p_LoadSFX(3, 0);
}

TEST_F(Sound, OutOfRangeIdsAndSlotsDoNotCrash) {
  for (int id : {-1, 100, 1000}) app->p_PlaySFX(id);
  app->m_sfxSlot = 57;  // a value no rotation leaves behind
  app->p_PlaySFX(98, 1, 1, 0);
  EXPECT_EQ(app->m_sfxSlot, 0);
  EXPECT_EQ(ChannelHolding(app->m_sounds[98]->m_sample), 0);
}
