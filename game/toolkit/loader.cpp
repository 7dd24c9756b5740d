// Loading the game's art. The logo and the font come at once, so the loading screen
// can be drawn from the first update; everything else arrives one step per update
// behind that screen, so the window keeps responding while files are read. Each image
// exists at three resolutions, and the one that suits the window is picked again at
// every step, so a window resized in the middle of a load still ends with art of one
// size. Sound slots are filled in the same steps.
#include "game/shell/my_app.h"
#include "host/app.h"
#include "runtime/graphics/graphics.h"

namespace {

constexpr int kImageSlots = 100;
constexpr int kLogoImage = 93;
constexpr int kFontImage = 90;
constexpr int kFontCells = 142;
constexpr int kStartJingle = 96;
constexpr int kPartyFanfare = 94;
constexpr int kLastStep = 38;

// Beyond these device sizes (either side) the next finer art level is used.
constexpr int kLevel2Above = 630;
constexpr int kLevel4Above = 1230;

// One sheet of the image table; sizes are logical, the level multiplies them.
struct Sheet {
  int id;
  const char* name;
  int frameW, frameH, count;
};

constexpr Sheet kSheets[] = {
    {97, "common/icons", 32, 32, 16},  {95, "common/Buttons", 64, 64, 16},
    {94, "common/dpad", 32, 32, 16},   {kLogoImage, "common/QVXLLogo", 256, 256, 1},
    {91, "common/Testcard_Circle", 256, 256, 1},
    {99, "menu", 256, 256, 4},         {98, "logo", 256, 128, 1},
    {96, "parts", 8, 8, 256},          {80, "BadgesA", 64, 64, 64},
    {81, "badges", 64, 64, 60},
    {50, "heart", 32, 32, 1},          {70, "games", 32, 32, 64},
    {71, "bars", 128, 32, 16},         {0, "sprt_0", 40, 40, 64},
    {1, "sprt_1", 40, 40, 64},         {2, "sprt_2", 40, 40, 64},
    {3, "sprt_3", 40, 40, 64},         {4, "sprt_4", 40, 40, 64},
    {5, "sprt_5", 40, 40, 64},         {11, "pop", 8, 8, 16},
};

void LoadSheet(c_MyApp& app, int id) {
  for (const Sheet& sheet : kSheets) {
    if (sheet.id == id) {
      app.p_LoadImg(id, String(sheet.name), sheet.frameW, sheet.frameH, sheet.count, 1);
      return;
    }
  }
}

// The font's cells are 16 x 16 at level 1, but text advances by the glyph's drawn width
// and line height, which is what the text layout reads from the frame table. Past the
// 128 character and button cells come the keys of the keyboard's two players.
void LoadFont(c_MyApp& app) {
  app.p_LoadImg(kFontImage, String("fonts/shadow_editundo"), 16, 16, kFontCells, 1);
  app.m_frameInfo[kFontImage * 3] = 7;
  app.m_frameInfo[kFontImage * 3 + 1] = 10;
  app.m_curImage = kFontImage;
}

void ChooseArtLevel(c_MyApp& app) {
  int deviceW = zr_app_DeviceWidth();
  int deviceH = zr_app_DeviceHeight();
  app.m_artLevel = 1;
  if (deviceW > kLevel2Above || deviceH > kLevel2Above) app.m_artLevel = 2;
  if (deviceW > kLevel4Above || deviceH > kLevel4Above) app.m_artLevel = 4;
  app.m_imgScale = 1.0f / app.m_artLevel;
}

void RunStep(c_MyApp& app, int step) {
  if (step >= 16 && step <= 20) {
    LoadSheet(app, step - 16);  // the sprite sheets 0..4
    return;
  }
  if (step >= 23) {
    app.p_LoadSFX(step - 20, 0);  // effects 3..18
    return;
  }
  switch (step) {
    case 1:
      LoadSheet(app, 97);
      app.p_LoadSFX(kStartJingle, 0);
      break;
    case 2:
      LoadSheet(app, 95);
      break;
    case 3:
      LoadSheet(app, 94);
      break;
    case 4:
      LoadSheet(app, kLogoImage);
      app.p_PlaySFX(kStartJingle);
      break;
    case 5:
      LoadSheet(app, 91);
      break;
    case 6:
      LoadFont(app);
      break;
    case 7:
      app.p_LoadSFX(1, 0);
      break;
    case 8:
      app.p_LoadSFX(95, 0);
      break;
    case 9:
      app.p_LoadSFX(98, 0);
      break;
    case 10:
      app.p_LoadSFX(99, 0);
      app.p_LoadSFX(kPartyFanfare, 0);
      break;
    case 11:
      LoadSheet(app, 99);
      break;
    case 12:
      LoadSheet(app, 98);
      break;
    case 13:
      LoadSheet(app, 96);
      break;
    case 14:
      LoadSheet(app, 80);
      LoadSheet(app, 50);
      LoadSheet(app, 81);
      break;
    case 15:
      LoadSheet(app, 70);
      LoadSheet(app, 71);
      break;
    case 21:
      LoadSheet(app, 5);
      LoadSheet(app, 11);
      break;
    case 22:
      app.p_LoadSFX(1, 0);
      app.p_LoadSFX(2, 0);
      break;
    default:
      break;
  }
}

}  // namespace

void c_MyApp::p_LoadImg(int id, const String& name, int frameW, int frameH, int count,
                        int flags) {
  if (id < 0 || id >= kImageSlots) return;
  String file = name;
  if (m_artLevel == 2) file += String("-hd");
  if (m_artLevel == 4) file += String("-hd2");
  file += String(".png");
  // The old art is let go before the new file is read, so both are never held at once:
  // the collector alone would keep a whole level of textures until it swept them.
  if (m_images[id]) m_images[id]->p_Discard();
  gc_assign(m_images[id], nullptr);
  int fileFrameW = frameW * m_artLevel;
  int fileFrameH = frameH * m_artLevel;
  gc_assign(m_images[id], zr_graphics_LoadImage2(file, fileFrameW, fileFrameH, count, flags));
  m_frameInfo[id * 3] = fileFrameW;
  m_frameInfo[id * 3 + 1] = fileFrameH;
  m_frameInfo[id * 3 + 2] = count;
}

void c_MyApp::p_Reload() {
  m_bgR = 0;
  m_bgG = 0;
  m_bgB = 0;
  m_bgAlpha = 1;
  ChooseArtLevel(*this);
  LoadSheet(*this, kLogoImage);
  LoadFont(*this);
  m_loadSteps = 1;
}

void c_MyApp::p_Loader() {
  ChooseArtLevel(*this);
  if (m_loadSteps >= 1 && m_loadSteps <= kLastStep) {
    RunStep(*this, m_loadSteps);
  } else {
    m_loadSteps = 0;
  }
  if (m_loadSteps > 0) ++m_loadSteps;
  p_WaitStart(1);
}
