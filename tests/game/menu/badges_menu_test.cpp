// The badges as the menu shows them: fire E (from the keyboard or a pad) or a touch on
// the hint opens the panel and closes it again, as do back and the close icon; down with
// fire E stays the calendar override's. The panel lists every badge inside its frame and
// scrolls no further than the last one, and every badge's name fits its popup.
#include <vector>

#include "game/shell/virtual_screen.h"
#include "menu_fixture.h"

using namespace menu_test;

namespace {

constexpr int kBadgesKey = 'B';  // fire E
constexpr int kFontImage = 90;
constexpr int kBadgePictures = 81;
constexpr float kGlyphHalfWidth = 4;

// The entries the badges panel drew this frame: from its outer frame up to its close icon.
std::vector<const float*> PanelEntries(c_MyApp* app) {
  std::vector<const float*> entries;
  bool inPanel = false;
  for (int at = 0; at < app->m_drawCount; at += kDrawEntrySize) {
    const float* entry = app->m_drawList.Data() + at;
    if (entry[0] == kDrawRect && entry[1] == 64 && entry[4] == 512) inPanel = true;
    if (inPanel && entry[0] == 97) break;
    if (inPanel) entries.push_back(entry);
  }
  return entries;
}

}  // namespace

TEST_F(MenuTest, FireEOrTheHintOpensTheBadgesAndBackOrTheCloseIconCloses) {
  StartOn(2013, 12, 26);
  int offered = app->m_menuGame;
  Tap(kBadgesKey);
  EXPECT_EQ(app->m_badgesOpen, 1);
  Tap(kRightArrow);
  EXPECT_EQ(app->m_menuGame, offered) << "the cursor stays while the panel is open";
  Tap(kBadgesKey);
  EXPECT_EQ(app->m_badgesOpen, 0);

  app->m_unlockOverride = 5;
  Press(kDownKey);
  Tap(kBadgesKey);
  Release(kDownKey);
  Step();
  EXPECT_EQ(app->m_badgesOpen, 0) << "down with fire E is the calendar override's";
  EXPECT_EQ(app->m_unlockOverride, 4);

  Tap(JoyButton(0, 4));
  EXPECT_EQ(app->m_badgesOpen, 1) << "a pad's fire E";
  Tap(kEscape);
  EXPECT_EQ(app->m_badgesOpen, 0);
  EXPECT_EQ(app->m_mode, 1) << "back closed the panel and did not quit";

  host->MouseEvent(kMouseDown, 0, 600, 112);  // the hint's visible end
  Step();
  host->MouseEvent(kMouseUp, 0, 600, 112);
  Step();
  EXPECT_EQ(app->m_badgesOpen, 1);
  host->MouseEvent(kMouseDown, 0, 545, 18);  // the close icon
  Step();
  host->MouseEvent(kMouseUp, 0, 545, 18);
  Step();
  EXPECT_EQ(app->m_badgesOpen, 0);
  EXPECT_EQ(app->m_creditsOpen, 0) << "the credits button under the icon stays shut";
}

// Scrolled down from the top to the end with down held: at every frame all the panel's
// text stays inside its frame, the draw list never fills, an earned badge's picture is
// drawn in full colour and the others dark, and the scroll stops with the last row on
// the screen.
TEST_F(MenuTest, TheBadgesPanelListsEveryBadgeInsideItsFrameDownToTheLast) {
  StartOn(2013, 12, 26);
  app->m_flags[128] = true;
  Tap(kBadgesKey);
  ASSERT_EQ(app->m_badgesOpen, 1);
  std::vector<bool> pictureSeen(60, false);
  Press(kDownKey);
  for (int frame = 0; frame < 200; ++frame) {
    Step();
    ASSERT_LT(app->m_drawCount, kDrawListSize - kDrawEntrySize) << "frame " << frame;
    for (const float* entry : PanelEntries(app)) {
      if (entry[0] == kFontImage) {
        EXPECT_GT(entry[1] - kGlyphHalfWidth, 0.12f * 640) << "frame " << frame;
        EXPECT_LT(entry[1] + kGlyphHalfWidth, 0.88f * 640) << "frame " << frame;
      }
      if (entry[0] != kBadgePictures) continue;
      int picture = static_cast<int>(entry[6]);
      pictureSeen[picture] = true;
      EXPECT_EQ(entry[10], picture == 0 ? 255 : 40) << "picture " << picture;
    }
  }
  Release(kDownKey);
  EXPECT_EQ(std::vector<bool>(60, true), pictureSeen);
  EXPECT_EQ(app->m_badgeScroll, 480 - (64 + 60 * 40 + 16));
  const float* lastPicture = nullptr;
  for (const float* entry : PanelEntries(app))
    if (entry[0] == kBadgePictures) lastPicture = entry;
  ASSERT_NE(lastPicture, nullptr);
  EXPECT_EQ(lastPicture[6], 51) << "Zap Everything's other badge ends the list";
  EXPECT_EQ(lastPicture[2], 480 - 16 - 20);
}

TEST_F(MenuTest, EveryBadgeNameFitsItsPopup) {
  StartOn(2013, 12, 26);
  for (int id = 128; id <= 187; ++id) {
    app->m_keyTimerA[0] = id;
    app->m_keyTimerB[0] = 100;
    app->m_drawCount = 0;
    app->p_ShowBadges();
    int glyphs = 0;
    for (int at = 0; at < app->m_drawCount; at += kDrawEntrySize) {
      const float* entry = app->m_drawList.Data() + at;
      if (entry[0] != kFontImage) continue;
      ++glyphs;
      EXPECT_GT(entry[1] - kGlyphHalfWidth, 0) << app->p_BadgeName(id).ToNarrow();
      EXPECT_LT(entry[1] + kGlyphHalfWidth, 144 - 16) << app->p_BadgeName(id).ToNarrow();
    }
    EXPECT_GT(glyphs, 0);
  }
}
