// The asset loader on the generated data: the start loads the logo and font at once and
// the rest behind the loading screen, the art level follows the window's size, a new
// level lets go of the old one's textures at once, and a missing file leaves only its
// own slot empty.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "data_game.h"
#include "runtime/graphics/gl_seam.h"
#include "tests/runtime/graphics/recording_gl.h"

namespace {

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

// Going fullscreen loads art four times the size; the art of the window must not stay
// behind until the collector happens to reach it, and no picture is held twice (once in
// memory, once as a texture).
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

}  // namespace
