// The advent calendar: which games can be started today. Through 2016 the collection
// opened like a calendar, only game A before December and one more game each day of
// December, Z on Christmas Day; in any other year everything is open. The Advent option
// brings the December opening back for every year, with everything open in the other
// months. An override, changed with down held and fire E or F, sets the number of open
// games for trying the calendar out. A locked game tells the players the day it opens.
#include "game/shell/my_app.h"
#include "game/toolkit/actions.h"
#include "host/app.h"

namespace {

constexpr int kGameCount = 26;
constexpr int kCalendarYear = 2016;
constexpr int kDecember = 12;
constexpr int kCalendarSetting = 21;
constexpr int kAdvent = 1;

// The key latch while the override keys are in use: an E or F press acts once.
constexpr int kOverrideHeld = 2;

}  // namespace

int c_MyApp::p_OpenGames() {
  if (m_unlockOverride >= 1 && m_unlockOverride <= kGameCount) return m_unlockOverride;
  Array<int> date = zr_app_GetDate2();
  int year = date[0];
  int month = date[1];
  int day = date[2];
  bool advent = m_settings[kCalendarSetting] == kAdvent;
  if (!advent && year != kCalendarYear) return kGameCount;
  if (month < kDecember) return advent ? kGameCount : 1;
  // December 1st opens B, the 24th Y and Christmas Day Z.
  int open = day + 1;
  return open < kGameCount ? open : kGameCount;
}

int c_MyApp::p_GameOpen(int game) { return game <= p_OpenGames() ? 1 : 0; }

void c_MyApp::p_UnlockOverrideKeys() {
  if (p_PlayKeyAll(kDown, 0) == 0) return;
  int lower = p_PlayKeyAll(kFireE, 0);
  int raise = p_PlayKeyAll(kFireF, 0);
  if (m_keyLatch == kOverrideHeld) {
    if (lower == 0 && raise == 0) m_keyLatch = 1;
    return;
  }
  if (lower == 0 && raise == 0) return;
  m_unlockOverride += (raise > 0 ? 1 : 0) - (lower > 0 ? 1 : 0);
  if (m_unlockOverride < 0) m_unlockOverride = 0;
  if (m_unlockOverride > kGameCount) m_unlockOverride = kGameCount;
  m_keyLatch = kOverrideHeld;
}

// Game g opens on December g - 1; Y and Z open on the two days that have names.
String c_MyApp::p_LockMessage(int game) {
  String day;
  if (game == 25)
    day = String("Xmas Eve");
  else if (game == 26)
    day = String("Xmas Day");
  else
    day = String("December ") + p_Nth(game - 1);
  return String("This game is currently locked.\\n Come back on ") + day + String("\\n               to play it!");
}
