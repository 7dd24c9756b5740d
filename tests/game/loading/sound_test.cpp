// Effects and music on the real audio device (OpenAL Soft's null output): each round's
// own tune, the music held while the game is paused, the effects' channel rotation and
// pitch, the sound modes, and tunes or effects that are missing, switched off or out of
// range.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "data_game.h"
#include "game/shell/globals.h"
#include "runtime/audio/audio.h"
#include "runtime/random.h"

namespace {

constexpr int kSoundMode = 5;
constexpr int kMusicChannel = gxtkAudio::kMusicChannel;
constexpr int kEscape = 27;
enum ChannelState { kStopped = 0, kPlaying = 1, kPaused = 2 };

int ChannelHolding(gxtkSample* sample) {
  for (int channel = 0; channel < gxtkAudio::kChannelCount; ++channel)
    if (zr_audio_device->channels[channel].sample == sample) return channel;
  return -1;
}

float Pitch(int channel) {
  float value = -1;
  alGetSourcef(zr_audio_device->channels[channel].source, AL_PITCH, &value);
  return value;
}

class Sound : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(zr_audio_device, nullptr);
    ASSERT_NE(zr_audio_device->alContext, nullptr) << "OpenAL's null output did not open";
    app->m_settings[kSoundMode] = 1;
    app->m_sfxSlot = 0;
  }
  RunningGame& game = DataGame();
  c_MyApp* app = game.app;
};

TEST_F(Sound, EachGamePlaysItsOwnTuneOnALoop) {
  const char* const tunes[26] = {
      "Undercover", "Valid",  "Precluded", "Questioned", "Ringing",    "Started", "Traced",     // A-G
      "Undercover", "Valid",  "Precluded", "Questioned", "Ringing",    "Started", "Traced",     // H-N
      "Undercover", "Valid",  "Precluded", "Questioned", "Ringing",    "Started", "Traced",     // O-U
      "Undercover", "Valid",  "Precluded", "Questioned", "Ringing",                             // V-Z
  };
  for (int letter = 1; letter <= 26; ++letter) {
    game.host.TakeRequests();
    game.StartRound(letter);
    std::vector<std::string> asked = game.host.TakeRequests();
    std::string tune = std::string("sfx/") + tunes[letter - 1] + ".ogg";
    EXPECT_EQ(std::count(asked.begin(), asked.end(), tune), 1) << "game " << letter;
    EXPECT_EQ(zr_audio_device->MusicState(), kPlaying) << "game " << letter;
    EXPECT_EQ(zr_audio_device->channels[kMusicChannel].flags, 1) << "game " << letter << ": the tune loops";
  }
}

TEST_F(Sound, PausingHoldsTheMusicAndResumingPlaysItOn) {
  game.StartRound(1);
  game.Step(10);
  ASSERT_EQ(zr_audio_device->MusicState(), kPlaying);
  game.Tap(kEscape);
  ASSERT_EQ(app->m_paused, 1);
  EXPECT_EQ(zr_audio_device->MusicState(), kPaused);
  game.Step(30);
  EXPECT_EQ(zr_audio_device->MusicState(), kPaused) << "still paused";
  game.Tap(kEscape);
  for (int update = 0; update < 50 && app->m_paused == 1; ++update) game.Step();
  ASSERT_EQ(app->m_paused, 0);
  game.Step();
  EXPECT_EQ(zr_audio_device->MusicState(), kPlaying);
}

TEST_F(Sound, EffectsRotateOverChannels1To23Then0) {
  // 25 distinct sounds, so each effect's channel can be found by its sample.
  const int firstSlot = 20;
  for (int k = 0; k < 25; ++k) gc_assign(app->m_sounds[firstSlot + k], zr_audio_LoadSound(String("sfx/004.wav")));
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
  EXPECT_EQ(ChannelHolding(app->m_sounds[firstSlot]->m_sample), -1) << "the 25th took the first one's channel";
}

// The games' effects vary in pitch; the menu's sounds (94 and up) and a rate asked for
// play as asked.
TEST_F(Sound, GameEffectsVaryInPitchAndOthersPlayAsAsked) {
  std::vector<float> gamePitches;
  for (int play = 0; play < 20; ++play) {
    app->p_PlaySFX(4);
    float pitch = Pitch(app->m_order[app->m_sfxSlot]);
    EXPECT_GE(pitch, 0.7f);
    EXPECT_LT(pitch, 1.3f);
    gamePitches.push_back(pitch);
  }
  std::sort(gamePitches.begin(), gamePitches.end());
  EXPECT_GT(gamePitches.back() - gamePitches.front(), 0.2f);
  app->p_PlaySFX(98);
  EXPECT_FLOAT_EQ(Pitch(app->m_order[app->m_sfxSlot]), 1);
  app->p_PlaySFX(4, 1.5f, 1, 0);
  EXPECT_FLOAT_EQ(Pitch(app->m_order[app->m_sfxSlot]), 1.5f);
}

// The random draw happens whether sound is on or not, so a round plays out the same
// with the sound off.
TEST_F(Sound, ModesDecideWhatPlaysAndRoundsPlayTheSameInEach) {
  struct Case {
    int mode;
    bool effects, music;
  };
  const Case cases[] = {{0, false, false}, {1, true, true}, {2, true, false}, {3, false, true}};
  zr_random_Seed = 99;
  app->p_PlaySFX(4);
  const uint32_t seedAfterEffect = zr_random_Seed;
  for (const Case& c : cases) {
    std::string label = "mode " + std::to_string(c.mode);
    app->m_settings[kSoundMode] = c.mode;
    app->m_sfxSlot = 0;
    zr_audio_device->StopChannel(1);
    zr_random_Seed = 99;
    app->p_PlaySFX(4);
    EXPECT_EQ(zr_random_Seed, seedAfterEffect) << label;
    EXPECT_EQ(zr_audio_device->channels[1].state, c.effects ? kPlaying : kStopped) << label;

    app->p_PlayTune(String("Started"), 1);
    EXPECT_EQ(zr_audio_device->MusicState(), c.music ? kPlaying : kStopped) << label;
    app->p_StopTune();
    EXPECT_EQ(zr_audio_device->MusicState(), kStopped) << label;
  }
}

TEST_F(Sound, MissingOrSwitchedOffTunesLeaveTheMusicStopped) {
  app->p_PlayTune(String("Started"), 1);
  game.host.TakeRequests();
  app->p_PlayTune(String("NoSuchTune"), 0);
  EXPECT_EQ(game.host.TakeRequests(), std::vector<std::string>{"sfx/NoSuchTune.ogg"});
  EXPECT_EQ(app->m_musicOn, 1) << "counts as started, so pausing treats it like any other";
  EXPECT_EQ(zr_audio_device->MusicState(), kStopped) << "the running tune was stopped";

  zr_TinselJumble_HasMusicStream = 0;
  app->p_PlayTune(String("Started"), 1);
  zr_TinselJumble_HasMusicStream = 1;
  EXPECT_TRUE(game.host.TakeRequests().empty());
  EXPECT_EQ(zr_audio_device->MusicState(), kStopped);
}

TEST_F(Sound, OutOfRangeIdsAndSlotsDoNotCrash) {
  game.host.TakeRequests();
  for (int id : {-1, 100, 1000}) {
    app->p_PlaySFX(id);
    app->p_LoadSFX(id, 0);
  }
  EXPECT_TRUE(game.host.TakeRequests().empty());
  app->m_sfxSlot = 57;  // a value no rotation leaves behind
  app->p_PlaySFX(98, 1, 1, 0);
  EXPECT_EQ(app->m_sfxSlot, 0);
  EXPECT_EQ(ChannelHolding(app->m_sounds[98]->m_sample), 0);
}

}  // namespace
