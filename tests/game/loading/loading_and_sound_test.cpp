// The loader and the sound on the generated data folder, in one running game started
// once, since the real art takes a while to decode; OpenAL Soft plays into its null
// backend.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "game/shell/globals.h"
#include "runtime/audio/audio.h"
#include "runtime/graphics/gl_seam.h"
#include "runtime/random.h"
#include "tests/game/shell/running_game.h"
#include "tests/runtime/graphics/recording_gl.h"

namespace {

RunningGame& DataGame() {
  static RunningGame* game = [] {
    GameStart start;
    start.appDir = TJ_TEST_APP_DIR;
    auto* started = new RunningGame(start);
    started->RunUntilLoaded();
    return started;
  }();
  return *game;
}

constexpr int kImageSlots = 100;

void Resize(RunningGame& game, int width, int height) {
  game.host.width = width;
  game.host.height = height;
  zr_app_ValidateDeviceWindow(false);
  game.app->p_Reload();
  game.RunUntilLoaded();
}

std::vector<int> LoadedImages(c_MyApp* app) {
  std::vector<int> ids;
  for (int id = 0; id < kImageSlots; ++id)
    if (app->m_images[id]) ids.push_back(id);
  return ids;
}

TEST(Loader, TheStartShowsTheLogoAtOnceAndLoadsEverythingBehindIt) {
  RunningGame& game = DataGame();
  c_MyApp* app = game.app;
  Resize(game, 640, 480);
  game.host.TakeRequests();
  app->p_Reload();
  EXPECT_EQ(game.host.TakeRequests(),
            (std::vector<std::string>{"common/QVXLLogo-hd.png", "fonts/shadow_editundo-hd.png"}));
  EXPECT_NE(app->m_images[90], nullptr) << "the loading screen can write";
  int updates = 0;
  for (; updates < 100 && app->m_loadSteps != 0; ++updates) game.Step();
  EXPECT_EQ(app->m_loadSteps, 0);
  EXPECT_LE(updates, 40) << "the loading screen shows for under a second";
  std::vector<std::string> loaded = game.host.TakeRequests();
  EXPECT_GE(loaded.size(), 40u);
  for (const std::string& file : loaded)
    EXPECT_TRUE(file.find(".png") == std::string::npos || file.find("-hd.png") != std::string::npos) << file;
  EXPECT_GE(LoadedImages(app).size(), 20u);
  for (int sound : {1, 2, 18, 94, 95, 96, 98, 99}) EXPECT_NE(app->m_sounds[sound], nullptr) << sound;
}

// Small windows get the plain art, larger ones the art twice and four times the size;
// every frame is then that many times as large.
TEST(Loader, ArtLevelFollowsTheWindowSize) {
  struct Case {
    int width, height, level;
    const char* suffix;
  };
  const Case cases[] = {
      {630, 630, 1, ".png"},    {631, 480, 2, "-hd.png"},  {600, 700, 2, "-hd.png"},
      {1230, 1230, 2, "-hd.png"}, {1300, 700, 4, "-hd2.png"}, {480, 1231, 4, "-hd2.png"},
  };
  RunningGame& game = DataGame();
  c_MyApp* app = game.app;
  Resize(game, 630, 630);
  std::vector<int> plainImages = LoadedImages(app);
  std::vector<int> plainWidths(app->m_frameInfo.Data(), app->m_frameInfo.Data() + 3 * kImageSlots);
  for (const Case& c : cases) {
    std::string label = std::to_string(c.width) + "x" + std::to_string(c.height);
    game.host.TakeRequests();
    Resize(game, c.width, c.height);
    EXPECT_EQ(app->m_artLevel, c.level) << label;
    std::string logo = std::string("common/QVXLLogo") + c.suffix;
    EXPECT_EQ(game.host.TakeRequests().front(), logo) << label;
    EXPECT_EQ(LoadedImages(app), plainImages) << label;
    for (int id : plainImages) {
      if (id == 90) continue;  // the font's entry holds its advance, the same at every level
      EXPECT_EQ(app->m_frameInfo[id * 3], plainWidths[id * 3] * c.level) << label << " image " << id;
      EXPECT_EQ(app->m_frameInfo[id * 3 + 2], plainWidths[id * 3 + 2]) << label << " image " << id;
    }
  }
  Resize(game, 640, 480);
}

// Going fullscreen loads art four times the size: the window's art goes at once, not when
// the collector happens to reach it, and no picture is held both in memory and as a texture.
TEST(Loader, ANewArtLevelLetsGoOfThePreviousOneAtOnce) {
  RunningGame& game = DataGame();
  c_MyApp* app = game.app;
  {
    RecordingGlScope scope;  // a window's GL context
    Resize(game, 640, 480);
    std::vector<GLuint> windowArt;
    for (int id : LoadedImages(app)) windowArt.push_back(app->m_images[id]->m_surface->textureName);
    Resize(game, 1300, 700);
    const std::vector<GLuint>& deleted = scope.gl.deletedTextures;
    for (GLuint texture : windowArt)
      EXPECT_EQ(std::count(deleted.begin(), deleted.end(), texture), 1) << "texture " << texture;
    for (int id : LoadedImages(app)) {
      gxtkSurface* surface = app->m_images[id]->m_surface;
      EXPECT_EQ(std::count(deleted.begin(), deleted.end(), surface->textureName), 0) << "image " << id;
      EXPECT_EQ(surface->pixels, nullptr) << "image " << id << " is held twice";
    }
  }
  gl_seam_use(gl_seam_null());  // the headless host's seam again
  Resize(game, 640, 480);
}

TEST(Loader, AMissingFileLeavesOnlyItsSlotEmptyAndTheLoadCompletes) {
  RunningGame& game = DataGame();
  c_MyApp* app = game.app;
  game.host.hidden = {"common/icons-hd.png", "sfx/005.wav"};
  Resize(game, 640, 480);
  game.host.hidden.clear();
  EXPECT_EQ(app->m_loadSteps, 0);
  EXPECT_EQ(app->m_images[97], nullptr);
  EXPECT_EQ(app->m_sounds[5], nullptr);
  EXPECT_NE(app->m_images[95], nullptr);
  EXPECT_NE(app->m_sounds[6], nullptr);
  app->p_PlaySFX(5);  // a silent slot is simply skipped
  for (int id : {-1, 100, 5000}) app->p_LoadImg(id, String("common/icons"), 32, 32, 16, 1);

  Resize(game, 640, 480);
  EXPECT_NE(app->m_images[97], nullptr);
  EXPECT_NE(app->m_sounds[5], nullptr);
}

constexpr int kSoundMode = 5;
constexpr int kMusicChannel = gxtkAudio::kMusicChannel;
constexpr int kEscape = 27;
enum ChannelState { kStopped = 0, kPlaying = 1, kPaused = 2 };

int ChannelHolding(gxtkSample* sample) {
  for (int channel = 0; channel < gxtkAudio::kChannelCount; ++channel)
    if (zr_audio_device->channels[channel].sample == sample) return channel;
  return -1;
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
  // A..G, H..N, O..U and V..Z each play the seven tunes in turn.
  const char* const tunes[7] = {"Undercover", "Valid", "Precluded", "Questioned", "Ringing", "Started", "Traced"};
  for (int letter = 1; letter <= 26; ++letter) {
    game.host.TakeRequests();
    game.StartRound(letter);
    std::vector<std::string> asked = game.host.TakeRequests();
    std::string tune = std::string("sfx/") + tunes[(letter - 1) % 7] + ".ogg";
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
