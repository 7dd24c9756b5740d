// The asset loader through the headless host on the generated data: the start-up run
// of 38 steps (which files, in which update), the art level and file names chosen for
// several window sizes, the previous level's textures let go as a new level loads, a
// missing image, and a resize during a round, which holds the round while the art is
// reloaded.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "game_rig.h"
#include "host/app.h"
#include "runtime/graphics/gl_seam.h"
#include "tests/runtime/graphics/recording_gl.h"

namespace {

// A loader step's files; images without level suffix and ending, sounds whole.
struct StepFiles {
  std::vector<std::string> images;
  std::vector<std::string> sounds;
};

std::vector<StepFiles> LoaderSteps() {
  std::vector<StepFiles> steps = {
      {{"common/icons"}, {"sfx/096.wav"}},
      {{"common/Buttons"}, {}},
      {{"common/dpad"}, {}},
      {{"common/QVXLLogo"}, {}},
      {{"common/Testcard_Circle"}, {}},
      {{"fonts/shadow_editundo"}, {}},
      {{}, {"sfx/001.wav"}},
      {{}, {"sfx/095.wav"}},
      {{}, {"sfx/098.wav"}},
      {{}, {"sfx/099.wav", "sfx/094.wav"}},
      {{"menu"}, {}},
      {{"logo"}, {}},
      {{"parts"}, {}},
      {{"BadgesA", "heart", "badges"}, {}},
      {{"games", "bars"}, {}},
      {{"sprt_0"}, {}},
      {{"sprt_1"}, {}},
      {{"sprt_2"}, {}},
      {{"sprt_3"}, {}},
      {{"sprt_4"}, {}},
      {{"sprt_5", "pop"}, {}},
      {{}, {"sfx/001.wav", "sfx/002.wav"}},
  };
  for (int sound = 3; sound <= 18; ++sound) {
    std::string number = std::to_string(sound);
    steps.push_back({{}, {"sfx/" + std::string(3 - number.size(), '0') + number + ".wav"}});
  }
  return steps;
}

std::vector<std::string> Expected(const StepFiles& step, const std::string& suffix) {
  std::vector<std::string> files;
  for (const std::string& image : step.images) files.push_back(image + suffix + ".png");
  for (const std::string& sound : step.sounds) files.push_back(sound);
  return files;
}

// Every image of the table: id, logical frame size and frame count.
struct SheetSize {
  int id, frameW, frameH, count;
};
const SheetSize kSheets[] = {
    {97, 32, 32, 16}, {95, 64, 64, 16}, {94, 32, 32, 16},  {93, 256, 256, 1},
    {91, 256, 256, 1}, {99, 256, 256, 4}, {98, 256, 128, 1}, {96, 8, 8, 256},
    {80, 64, 64, 64}, {81, 64, 64, 60},  {50, 32, 32, 1},    {70, 32, 32, 64},
    {71, 128, 32, 16}, {0, 40, 40, 64},  {1, 40, 40, 64},    {2, 40, 40, 64},
    {3, 40, 40, 64},  {4, 40, 40, 64},   {5, 40, 40, 64},    {11, 8, 8, 16},
};

void SetDevice(GameRig& rig, int width, int height) {
  rig.host->SetDeviceSize(width, height);
  zr_app_ValidateDeviceWindow(false);
}

}  // namespace

TEST(Loader, StartUpLoadsLogoAndFontAtOnceThenRuns38Steps) {
  GameRig& rig = Rig();
  const std::vector<std::string>& atStart = rig.startRequests;
  // The host's 640 x 480 window is wider than 630, so the start loads the "-hd" art.
  auto logo = std::find(atStart.begin(), atStart.end(), "common/QVXLLogo-hd.png");
  auto font = std::find(atStart.begin(), atStart.end(), "fonts/shadow_editundo-hd.png");
  EXPECT_TRUE(logo != atStart.end() && font != atStart.end() && logo < font);

  std::vector<StepFiles> steps = LoaderSteps();
  ASSERT_EQ(steps.size(), 38u);
  ASSERT_GE(rig.startUpdates.size(), 41u);
  for (int step = 1; step <= 38; ++step) {
    const LoaderUpdate& update = rig.startUpdates[step - 1];
    EXPECT_EQ(update.requests, Expected(steps[step - 1], "-hd")) << "update " << step;
    EXPECT_EQ(update.loadStepsAfter, step + 1) << "update " << step;
  }
  // The 39th update only notices that the loader is done; then the menu's mode runs.
  EXPECT_TRUE(rig.startUpdates[38].requests.empty());
  EXPECT_EQ(rig.startUpdates[38].loadStepsAfter, 0);
  for (int update = 39; update < 41; ++update) {
    EXPECT_EQ(rig.startUpdates[update].loadStepsAfter, 0);
    EXPECT_EQ(rig.startUpdates[update].modeAfter, 1);
  }
  // The start jingle is the first effect after start, so it takes channel 1.
  EXPECT_EQ(rig.jingleChannel, 1);
  EXPECT_EQ(rig.app->m_curImage, 90);
}

TEST(Loader, ArtLevelAndFilesFollowTheDeviceSize) {
  struct Case {
    int width, height, level;
    const char* suffix;
  };
  const Case cases[] = {
      {640, 480, 2, "-hd"},  {630, 630, 1, ""},      {631, 480, 2, "-hd"},
      {800, 640, 2, "-hd"},  {600, 700, 2, "-hd"},   {1230, 1230, 2, "-hd"},
      {1300, 700, 4, "-hd2"}, {480, 1231, 4, "-hd2"},
  };
  GameRig& rig = Rig();
  c_MyApp* app = rig.app;
  std::vector<StepFiles> steps = LoaderSteps();
  for (const Case& c : cases) {
    std::string label = std::to_string(c.width) + "x" + std::to_string(c.height);
    SetDevice(rig, c.width, c.height);
    rig.host->TakeRequests();
    app->p_Reload();
    std::string suffix = c.suffix;
    EXPECT_EQ(rig.host->TakeRequests(),
              (std::vector<std::string>{"common/QVXLLogo" + suffix + ".png",
                                        "fonts/shadow_editundo" + suffix + ".png"}))
        << label;
    EXPECT_EQ(RunLoader(rig, 60), 39) << label;
    std::vector<std::string> loaded = rig.host->TakeRequests();
    std::vector<std::string> expected;
    for (const StepFiles& step : steps) {
      std::vector<std::string> files = Expected(step, suffix);
      expected.insert(expected.end(), files.begin(), files.end());
    }
    EXPECT_EQ(loaded, expected) << label;

    EXPECT_EQ(app->m_artLevel, c.level) << label;
    EXPECT_FLOAT_EQ(app->m_imgScale, 1.0f / c.level) << label;
    for (const SheetSize& sheet : kSheets) {
      EXPECT_NE(app->m_images[sheet.id], nullptr) << label << " image " << sheet.id;
      EXPECT_EQ(app->m_frameInfo[sheet.id * 3], sheet.frameW * c.level) << label;
      EXPECT_EQ(app->m_frameInfo[sheet.id * 3 + 1], sheet.frameH * c.level) << label;
      EXPECT_EQ(app->m_frameInfo[sheet.id * 3 + 2], sheet.count) << label;
    }
    // The font's entry holds the text advance and line height, the same at every level.
    EXPECT_NE(app->m_images[90], nullptr) << label;
    EXPECT_EQ(app->m_frameInfo[270], 7) << label;
    EXPECT_EQ(app->m_frameInfo[271], 10) << label;
    EXPECT_EQ(app->m_frameInfo[272], 142) << label;
  }
  SetDevice(rig, 640, 480);
  app->p_Reload();
  RunLoader(rig, 60);
}

// Going fullscreen loads art four times the size; the art of the window must not stay
// behind until the collector happens to reach it, and no picture is held twice (once in
// memory, once as a texture).
TEST(Loader, ANewArtLevelLetsGoOfThePreviousOneAtOnce) {
  GameRig& rig = Rig();
  c_MyApp* app = rig.app;
  {
    RecordingGlScope scope;  // a window's GL context
    SetDevice(rig, 640, 480);
    app->p_Reload();
    RunLoader(rig, 60);
    std::vector<GLuint> windowArt;
    for (const SheetSize& sheet : kSheets) windowArt.push_back(app->m_images[sheet.id]->m_surface->textureName);

    SetDevice(rig, 1300, 700);
    app->p_Reload();
    RunLoader(rig, 60);
    const std::vector<GLuint>& deleted = scope.gl.deletedTextures;
    for (GLuint texture : windowArt)
      EXPECT_TRUE(std::count(deleted.begin(), deleted.end(), texture) == 1) << "texture " << texture;
    for (const SheetSize& sheet : kSheets) {
      gxtkSurface* surface = app->m_images[sheet.id]->m_surface;
      EXPECT_EQ(std::count(deleted.begin(), deleted.end(), surface->textureName), 0) << "image " << sheet.id;
      EXPECT_EQ(surface->pixels, nullptr) << "image " << sheet.id << " is held twice";
    }
  }
  gl_seam_use(gl_seam_null());  // the headless host's seam again
  SetDevice(rig, 640, 480);
  app->p_Reload();
  RunLoader(rig, 60);
}

TEST(Loader, MissingImageLeavesItsSlotEmptyAndTheLoadCompletes) {
  GameRig& rig = Rig();
  c_MyApp* app = rig.app;
  rig.host->Hide("common/icons-hd.png");
  rig.host->Hide("sfx/005.wav");
  app->p_Reload();
  EXPECT_EQ(RunLoader(rig, 60), 39);
  rig.host->ShowAll();
  EXPECT_EQ(app->m_images[97], nullptr);
  EXPECT_EQ(app->m_frameInfo[97 * 3], 64);
  EXPECT_EQ(app->m_frameInfo[97 * 3 + 1], 64);
  EXPECT_EQ(app->m_frameInfo[97 * 3 + 2], 16);
  EXPECT_EQ(app->m_sounds[5], nullptr);
  EXPECT_NE(app->m_images[95], nullptr);
  EXPECT_NE(app->m_sounds[6], nullptr);
  // A silent slot is simply skipped.
  app->p_PlaySFX(5);

  app->p_Reload();
  RunLoader(rig, 60);
  EXPECT_NE(app->m_images[97], nullptr);
  EXPECT_NE(app->m_sounds[5], nullptr);
}

TEST(Loader, BadImageIdsAreIgnored) {
  c_MyApp* app = Rig().app;
  for (int id : {-1, 100, 5000}) app->p_LoadImg(id, String("common/icons"), 32, 32, 16, 1);
  EXPECT_NE(app->m_images[97], nullptr);
}

TEST(Loader, ResizeDuringARoundHoldsTheRoundWhileTheArtReloads) {
  GameRig& rig = Rig();
  c_MyApp* app = rig.app;
  rig.host->SetRendering(true);
  app->m_game = 0;
  app->p_LoadGame();
  rig.host->Run(5);
  int timerBefore = app->m_introTimer;
  ASSERT_EQ(app->m_loadSteps, 0);
  ASSERT_LT(timerBefore, 160) << "the round is running";

  rig.host->SetDeviceSize(1920, 1080);
  rig.host->Run(1);  // the render sees the new size
  int timerHeld = app->m_introTimer;
  EXPECT_EQ(app->m_loadSteps, 1);
  for (int update = 1; update <= 39; ++update) {
    rig.host->Run(1);
    EXPECT_EQ(app->m_introTimer, timerHeld) << "update " << update;
  }
  EXPECT_EQ(app->m_loadSteps, 0);
  EXPECT_EQ(app->m_artLevel, 4);
  EXPECT_EQ(app->m_mode, 10);
  rig.host->Run(1);
  EXPECT_EQ(app->m_introTimer, timerHeld - 1) << "the round goes on after the load";

  rig.host->SetDeviceSize(640, 480);
  rig.host->Run(1);
  RunLoader(rig, 60);
  rig.host->SetRendering(false);
  EXPECT_EQ(app->m_artLevel, 2);
}
