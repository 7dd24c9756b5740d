// The menu as the players use it: seats, the offered game, the Best: line, the boxes and
// the badges panel, and back, which quits unless it is closing a box.
#include <string>
#include <vector>

#include "game/shell/virtual_screen.h"
#include "menu_fixture.h"

using namespace menu_test;

namespace {

std::vector<int> Seats(c_MyApp* app) { return {app->m_pad[0], app->m_pad[1], app->m_pad[2], app->m_pad[3]}; }

}  // namespace

TEST_F(MenuTest, JoiningTakesTheFirstFreeSeatOncePerSourceAndLeavingFreesIt) {
  StartOn(2013, 12, 26);
  struct Input {
    int key;
    std::vector<int> seats;
  } inputs[] = {
      {kJoinKey, {-1, 0, 0, 0}},            // the keyboard starts seated
      {JoyButton(0, 1), {-1, 1, 0, 0}},     // joystick 0 is source 1
      {JoyButton(0, 1), {-1, 1, 0, 0}},     // a second press takes no second seat
      {kLeaveKey, {0, 1, 0, 0}},
      {JoyButton(1, 1), {2, 1, 0, 0}},      // the freed seat is the first one again
      {kJoinKey, {2, 1, -1, 0}},
      {JoyButton(2, 1), {2, 1, -1, 3}},
      {JoyButton(3, 1), {2, 1, -1, 3}},     // a fifth source finds no seat
      {JoyButton(0, 2), {2, 0, -1, 3}},     // joystick 0 leaves
      {JoyButton(3, 1), {2, 4, -1, 3}},
  };
  for (const Input& input : inputs) {
    Tap(input.key);
    EXPECT_EQ(Seats(app), input.seats) << "after key " << input.key;
  }

  app->m_pad[1] = -10;  // also a free seat
  app->m_pad[3] = 7;    // a computer seat, but not a free one
  Tap(JoyButton(0, 1));
  EXPECT_EQ(Seats(app), (std::vector<int>{2, 1, -1, 7}));
}

TEST_F(MenuTest, TwoKeyboardPlayersJoinAndLeaveOnTheirOwnKeys) {
  StartOn(2013, 12, 26);
  app->m_settings[20] = 1;
  struct Input {
    int key;
    std::vector<int> seats;
  } inputs[] = {
      {'L', {-1, 5, 0, 0}},   // the right player's fire B: the right-hand source is 5
      {'L', {-1, 5, 0, 0}},
      {'R', {0, 5, 0, 0}},    // the left player's fire C
      {'X', {0, 5, 0, 0}},    // the one-player join key is nobody's now
      {'G', {-1, 5, 0, 0}},
      {'P', {-1, 0, 0, 0}},
      {'L', {-1, 5, 0, 0}},
  };
  for (const Input& input : inputs) {
    Tap(input.key);
    EXPECT_EQ(Seats(app), input.seats) << "after key " << input.key;
  }
  // Back to one keyboard player, the right-hand seat is free again.
  app->m_settings[20] = 0;
  Step();
  EXPECT_EQ(Seats(app), (std::vector<int>{-1, 0, 0, 0}));
}

TEST_F(MenuTest, UpOrAClickOnItsHintOpensTheOptionsButNotDuringTheTally) {
  const int kUpArrow = 38;
  StartOn(2013, 12, 26);
  Tap(kUpArrow);
  EXPECT_EQ(app->m_optionsOpen, 1);
  Step(30);
  Tap(kEscape);
  EXPECT_EQ(app->m_optionsOpen, 0);
  EXPECT_EQ(app->m_mode, 1) << "back closed the box and did not quit";

  Step(30);
  game->Click(600, 466);
  EXPECT_EQ(app->m_optionsOpen, 1);
  app->m_optionsOpen = 0;
  Step(31);

  app->m_roundPoints[9] = 60;
  Tap(kUpArrow);
  EXPECT_EQ(app->m_optionsOpen, 0);
}

// The tally counts down before the seats are looked at, so the seat is freed on the first
// frame that leaves the timer under 5; the cursor waits for the whole tally.
TEST_F(MenuTest, SeatsAndCursorWaitForTheTally) {
  StartOn(2013, 12, 26);
  app->m_roundPoints[9] = 20;
  Press(kLeaveKey);
  for (int update = 0; update < 40 && app->m_pad[0] == -1; ++update) Step();
  EXPECT_EQ(app->m_roundPoints[9], 4);
  EXPECT_EQ(app->m_pad[0], 0);

  app->m_menuGame = 10;
  app->m_roundPoints[9] = 40;
  Press(kRightArrow);
  Step(39);
  EXPECT_EQ(app->m_menuGame, 10);
  Step(20);
  EXPECT_GT(app->m_menuGame, 10) << "a direction held through the tally moves once it ends";
}

TEST_F(MenuTest, HeldDirectionRepeatsSoonerEachTimeDownToEveryThirdFrame) {
  struct Case {
    int key, firstGame, step;
  } cases[] = {
      {kRightArrow, 3, 1},
      {kLeftArrow, 24, -1},
      {JoyButton(0, 10), 3, 1},  // a joystick's d-pad
  };
  StartOn(2013, 12, 26);
  for (const Case& c : cases) {
    app->m_menuGame = c.firstGame;
    Step();
    Press(c.key);
    std::vector<int> waits;  // updates without a move between two moves
    int sinceMove = -1;
    int game = app->m_menuGame;
    for (int update = 0; update < 60; ++update) {
      Step();
      if (app->m_menuGame != game) {
        EXPECT_EQ(app->m_menuGame, game + c.step);
        game = app->m_menuGame;
        if (sinceMove >= 0) waits.push_back(sinceMove);
        sinceMove = 0;
      } else if (sinceMove >= 0) {
        ++sinceMove;
      }
    }
    Release(c.key);
    Step();
    ASSERT_GE(waits.size(), 5u) << "key " << c.key;
    EXPECT_EQ(std::vector<int>(waits.begin(), waits.begin() + 5), (std::vector<int>{20, 14, 8, 2, 2})) << c.key;
  }

  // The strip ends at A and Z however long a direction is held.
  Press(kRightArrow);
  Step(200);
  EXPECT_EQ(app->m_menuGame, 26);
  Release(kRightArrow);
  Press(kLeftArrow);
  Step(200);
  EXPECT_EQ(app->m_menuGame, 1);
  Release(kLeftArrow);
}

TEST_F(MenuTest, TouchingATileColumnOffersThatGame) {
  StartOn(2013, 12, 26);
  app->m_menuGame = 1;
  Step();
  // 500 pixels of strip hold 28 tiles of 17 pixels; tile 5 spans x 85..102.
  struct Touch {
    float x, y;
    int offered;
  } touches[] = {{94, 400, 5}, {86, 400, 5}, {125, 470, 7}, {125, 300, 7}, {450, 330, 26}};
  for (const Touch& touch : touches) {
    game->Click(touch.x, touch.y);
    EXPECT_EQ(app->m_menuGame, touch.offered) << touch.x << ", " << touch.y;
  }
}

// Each back key (Esc, Delete, Backspace) closes a box without quitting.
TEST_F(MenuTest, CreditsButtonOpensTheBoxAndEachBackKeyClosesItWithoutQuitting) {
  StartOn(2013, 12, 26);
  for (int key : {kEscape, kDelete, kBackspace}) {
    game->Click(570, 32);
    ASSERT_EQ(app->m_creditsOpen, 1) << key;
    Step(30);
    Tap(key);
    EXPECT_EQ(app->m_creditsOpen, 0) << key;
    EXPECT_EQ(app->m_mode, 1) << key;
    Step(30);
  }
}

// The Best: line under the offered game shows that game's own top score.
TEST_F(MenuTest, BestLineShowsTheOfferedGamesTopScore) {
  StartOn(2013, 12, 26);
  for (int game = 1; game <= 26; ++game) app->m_highscores[(game - 1) * 10] = 1000 + game;
  for (int game : {1, 2, 13, 25, 26}) {
    app->m_menuGame = game;
    Step();
    EXPECT_NE(this->game->DrawnText().find("Best:" + std::to_string(1000 + game)), std::string::npos) << game;
  }
}

TEST_F(MenuTest, DraggingSidewaysIsNotAPressOfTheCreditsButton) {
  StartOn(2013, 12, 26);
  host->MouseEvent(kMouseDown, 0, 500, 200);
  Step();
  host->MouseEvent(kMouseMove, 0, 520, 200);
  Step();
  EXPECT_EQ(app->m_pointerLatch, 2);
  host->MouseEvent(kMouseMove, 0, 570, 32);  // onto the button, still held
  Step(3);
  EXPECT_EQ(app->m_creditsOpen, 0);
  EXPECT_EQ(app->m_pointerLatch, 2);
}

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

  game->Click(600, 112);  // the hint's visible end
  EXPECT_EQ(app->m_badgesOpen, 1);
  game->Click(545, 18);  // the close icon
  EXPECT_EQ(app->m_badgesOpen, 0);
  EXPECT_EQ(app->m_creditsOpen, 0) << "the credits button under the icon stays shut";
}

// Scrolled to the end with down held: the text stays inside the frame, the draw list never
// fills, only earned badges are bright, and the scroll stops on the last row.
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
