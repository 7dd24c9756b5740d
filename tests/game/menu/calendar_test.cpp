// The advent calendar: which games are open on a date, what a locked game says, and the
// override keys.
#include <string>
#include <vector>

#include "menu_fixture.h"

using namespace menu_test;

namespace {

const std::string kLockedBefore = "This game is currently locked.\\n Come back on ";
const std::string kLockedAfter = "\\n               to play it!";

}  // namespace

// With All Open (the default) only 2016 keeps the calendar: the first game before
// December, then a game a day; the Advent option opens a game a day every December.
TEST_F(MenuTest, DateAndCalendarOptionDecideWhichGamesOpenAndLockedGamesSayWhen) {
  enum Calendar { kAllOpen = 0, kAdvent = 1 };
  struct Case {
    Calendar calendar;
    int year, month, day;
    int open;
    std::vector<std::pair<int, std::string>> lockedDays;  // game and the day it names
  } cases[] = {
      {kAllOpen, 2016, 11, 20, 1, {{2, "December 1st"}, {3, "December 2nd"}, {4, "December 3rd"},
                                    {12, "December 11th"}, {22, "December 21st"}, {23, "December 22nd"},
                                    {24, "December 23rd"}, {25, "Xmas Eve"}, {26, "Xmas Day"}}},
      {kAllOpen, 2016, 1, 1, 1, {{2, "December 1st"}}},
      {kAllOpen, 2016, 12, 24, 25, {{26, "Xmas Day"}}},
      {kAllOpen, 2016, 12, 31, 26, {}},
      {kAllOpen, 2017, 11, 5, 26, {}},
      {kAdvent, 2026, 12, 1, 2, {{3, "December 2nd"}, {24, "December 23rd"}, {26, "Xmas Day"}}},
      {kAdvent, 2026, 12, 25, 26, {}},
      {kAdvent, 2026, 3, 15, 26, {}},
      {kAdvent, 2031, 12, 1, 2, {{25, "Xmas Eve"}}},
      {kAdvent, 2016, 11, 20, 26, {}},  // outside December everything is open, 2016 too
      {kAllOpen, 2026, 12, 1, 26, {}},
      {kAllOpen, 2026, 12, 24, 26, {}},
  };
  StartOn(2013, 12, 26);
  for (const Case& c : cases) {
    std::string when = std::to_string(c.calendar) + " " + std::to_string(c.year) + "-" + std::to_string(c.month) +
                       "-" + std::to_string(c.day);
    app->m_settings[21] = c.calendar;
    host->SetDate(c.year, c.month, c.day, 12, 0, 0);
    EXPECT_EQ(app->p_OpenGames(), c.open) << when;
    for (int game = 1; game <= 26; ++game) {
      app->m_menuGame = game;
      Step();
      EXPECT_EQ(Text(app->m_gameTitle1) == "Locked", game > c.open) << when << " game " << game;
    }
    for (const auto& [game, day] : c.lockedDays) {
      app->m_menuGame = game;
      Step();
      EXPECT_EQ(Text(app->m_gameTitle2), "Game");
      EXPECT_EQ(Text(app->m_gameDesc), kLockedBefore + day + kLockedAfter) << when << " game " << game;
    }
  }
}

TEST_F(MenuTest, OverrideKeysSetHowManyGamesAreOpenOncePerPress) {
  StartOn(2016, 11, 20);
  Press(kDownKey);
  struct Input {
    int key, override;
  } inputs[] = {
      {kRaiseKey, 1}, {kRaiseKey, 2}, {kRaiseKey, 3}, {kLowerKey, 2}, {kLowerKey, 1},
      {kLowerKey, 0}, {kLowerKey, 0},  // never below 0, which follows the date again
  };
  for (const Input& input : inputs) {
    Tap(input.key);
    EXPECT_EQ(app->m_unlockOverride, input.override);
  }

  // Held, a key acts once.
  Press(kRaiseKey);
  Step(30);
  EXPECT_EQ(app->m_unlockOverride, 1);
  Release(kRaiseKey);
  Step();

  app->m_unlockOverride = 25;
  for (int press = 0; press < 3; ++press) Tap(kRaiseKey);
  EXPECT_EQ(app->m_unlockOverride, 26);
  EXPECT_EQ(app->p_OpenGames(), 26);
  Release(kDownKey);

  // Without down held the keys do nothing.
  app->m_unlockOverride = 3;
  Tap(kRaiseKey);
  Tap(kLowerKey);
  EXPECT_EQ(app->m_unlockOverride, 3);
  EXPECT_EQ(app->p_OpenGames(), 3);
  app->m_menuGame = 4;
  Step();
  EXPECT_EQ(Text(app->m_gameTitle1), "Locked");
  app->m_menuGame = 3;
  Step();
  EXPECT_EQ(Text(app->m_gameTitle1), "Catching");
}
