// The saved record (a damaged block resets alone, damaged or cut files never crash) and
// the badges: what earns each, for people only and once, their popups, and their save.
#include <array>
#include <random>
#include <set>
#include <vector>

#include "tests/game/shell/running_game.h"

namespace {

// The real game keeping its state file in a folder of the test's own.
class SavedGameTest : public ::testing::Test {
 protected:
  SavedGameTest() { game.host.stateFile = TempFolder() + "/.quillostate"; }
  std::string stateFile() { return ReadFile(game.host.stateFile); }
  void writeStateFile(const std::string& text) { std::ofstream(game.host.stateFile, std::ios::binary) << text; }

  RunningGame game;
  c_MyApp* app = game.app;
};

// Settings, flags and highscores in one list.
std::vector<int> savedFields(c_MyApp* app) {
  std::vector<int> all(app->m_settings.Data(), app->m_settings.Data() + 25);
  for (int i = 0; i < 256; ++i) all.push_back(app->m_flags[i]);
  all.insert(all.end(), app->m_highscores.Data(), app->m_highscores.Data() + 520);
  return all;
}

std::string joined(const std::vector<std::string>& parts) {
  std::string record;
  for (const std::string& part : parts) record += part + "|";
  return record;
}

std::vector<std::string> fields(const std::string& record) {
  std::vector<std::string> out;
  size_t start = 0;
  for (size_t bar = record.find('|'); bar != std::string::npos; bar = record.find('|', start)) {
    out.push_back(record.substr(start, bar - start));
    start = bar + 1;
  }
  return out;
}

void fillWithValues(c_MyApp* app, unsigned seed) {
  std::mt19937 rng(seed);
  for (int i = 0; i < 25; ++i) app->m_settings[i] = static_cast<int>(rng() % 1000) - 100;
  app->m_settings[10] = 300, app->m_settings[11] = 200, app->m_settings[12] = 12, app->m_settings[14] = 1;
  for (int i = 0; i < 256; ++i) app->m_flags[i] = rng() & 1;
  app->m_flags[31] = true;  // the top bit makes the first word negative
  for (int i = 0; i < 520; ++i) app->m_highscores[i] = static_cast<int>(rng() % 100000);
}

}  // namespace

TEST_F(SavedGameTest, RoundTripKeepsSettingsFlagsAndEveryGameRow) {
  fillWithValues(app, 1);
  const std::vector<int> before = savedFields(app);
  app->p_Save();
  EXPECT_EQ(fields(stateFile()).size(), 686u);
  EXPECT_EQ(stateFile().back(), '|');
  EXPECT_EQ(fields(stateFile())[26].front(), '-') << "flag 31 makes the first word negative";

  fillWithValues(app, 2);
  std::string printed = game.Load();
  EXPECT_EQ(savedFields(app), before);
  std::string expected = "Settings Loaded\nBadges Loaded\n";
  for (int row = 0; row < 26; ++row) expected += "Highscore " + std::to_string(row) + " Loaded\n";
  EXPECT_EQ(printed, expected);
}

TEST_F(SavedGameTest, OneChangedDigitResetsOnlyItsBlock) {
  fillWithValues(app, 3);
  app->p_Save();
  std::vector<std::string> parts = fields(stateFile());
  // Row 3 starts after the settings (26 fields), the flags (9) and rows 0..2 (3 x 21).
  const int row3 = 26 + 9 + 3 * 21;
  parts[row3 + 4] = parts[row3 + 4] == "7" ? "8" : "7";
  writeStateFile(joined(parts));

  std::vector<int> before;
  for (int i = 0; i < 520; ++i) before.push_back(app->m_highscores[i]);
  std::string printed = game.Load();
  EXPECT_NE(printed.find("Highscore 3 Checksum Invalid\n"), std::string::npos);
  EXPECT_NE(printed.find("Highscore 4 Loaded\n"), std::string::npos);
  EXPECT_NE(printed.find("Settings Loaded\n"), std::string::npos);
  for (int place = 0; place < 10; ++place) {
    EXPECT_EQ(app->m_highscores[30 + place], 0);
    EXPECT_EQ(app->m_highscores[260 + 30 + place], 0);
    EXPECT_EQ(app->m_highscores[40 + place], before[40 + place]);
  }

  parts = fields(stateFile());
  parts[3] = "12345";
  writeStateFile(joined(parts));
  printed = game.Load();
  EXPECT_NE(printed.find("Settings Checksum Invalid\n"), std::string::npos);
  EXPECT_EQ(app->m_settings[3], 0);
  EXPECT_EQ(app->m_settings[5], 1);
  EXPECT_EQ(app->m_settings[10], 64) << "clamped after the reset";
}

TEST_F(SavedGameTest, ShortRecordsLoadWhatTheyHold) {
  fillWithValues(app, 4);
  app->p_Save();
  std::vector<std::string> parts = fields(stateFile());
  writeStateFile(joined(std::vector<std::string>(parts.begin(), parts.begin() + 35)));
  std::vector<int> scores;
  for (int i = 0; i < 520; ++i) scores.push_back(app->m_highscores[i] = i);
  EXPECT_EQ(game.Load(), "Settings Loaded\nBadges Loaded\n");
  for (int i = 0; i < 520; ++i) ASSERT_EQ(app->m_highscores[i], scores[i]);

  // Exactly 25 parts: no settings checksum can be read, so the settings stay as they
  // were and the flags block is read from the start of the record instead.
  std::string settingsOnly;
  for (int i = 0; i < 24; ++i) settingsOnly += "9|";
  writeStateFile(settingsOnly + "9");
  app->m_settings[0] = 42;
  EXPECT_EQ(game.Load(), "Badge Checksum Invalid\n");
  EXPECT_EQ(app->m_settings[0], 42);
}

TEST_F(SavedGameTest, DamagedFilesNeverCrashAndKeepSaneSettings) {
  std::mt19937 rng(7);
  std::string randomBytes;
  for (int i = 0; i < 5000; ++i) randomBytes += static_cast<char>(rng() % 256);
  std::string randomFields;
  for (int i = 0; i < 700; ++i) randomFields += std::to_string(static_cast<int>(rng())) + "|";
  fillWithValues(app, 5);
  app->p_Save();
  std::string whole = stateFile();
  const std::vector<std::string> files = {"", randomBytes, randomFields, whole.substr(0, whole.size() / 2),
                                          whole.substr(0, 77), std::string(100, '|'),
                                          "99999999999999999999999999999999999999999999999999999999999999999999|"};
  for (const std::string& file : files) {
    writeStateFile(file);
    game.Load();
    EXPECT_GE(app->m_settings[10], 64);
    EXPECT_GE(app->m_settings[11], 64);
    EXPECT_GE(app->m_settings[12], 8);
    EXPECT_EQ(app->m_settings[14], 1);
  }
}

namespace {

constexpr int kKeys = -1, kCpu = 0, kIdle = -2;  // -2: a seat nobody steers, not a person
constexpr int kWinA = 128, kPillsA = 129, kWinB = 130, kSureFooted = 131, kWinC = 132, kBigCatch = 133;
constexpr int kWinD = 134, kEggHoarder = 135, kWinJ = 146, kNotAScratch = 147;
constexpr int kFirstRound = 180, kFullHouse = 181, kOnARoll = 182, kChristmas = 183;
constexpr int kFullCalendar = 184, kAlphabet = 185, kParty = 186, kCollector = 187;
constexpr int kEndRoundButton = -1;

struct Round {
  int game;
  std::array<int, 4> pads;
  std::array<int, 4> scores;
  std::array<int, 4> lives = {3, 3, 3, 3};
};

class BadgeTest : public ::testing::Test {
 protected:
  RunningGame game;
  c_MyApp* app = game.app;
  // Another start of the program, which loads the save.
  void restart() {
    game.Restart();
    app = game.app;
  }
  // A round coming back to the menu: the score panel ranks the scores into the round
  // points as it does every frame, then the menu takes the round in.
  void finish(const Round& round, bool endedFromPause = false) {
    app->m_game = round.game;
    for (int seat = 0; seat < 4; ++seat) {
      app->m_pad[seat] = round.pads[seat];
      app->m_players[seat * 100 + 95] = static_cast<float>(round.scores[seat]);
      app->m_players[seat * 100 + 99] = static_cast<float>(round.lives[seat]);
    }
    app->p_ScoreDisplay(1.0f);
    if (endedFromPause) app->p_PauseAction(kEndRoundButton, false);
    app->p_LoadMenu();
  }
  std::set<int> held() {
    std::set<int> ids;
    for (int id = 128; id < 224; ++id)
      if (app->m_flags[id]) ids.insert(id);
    return ids;
  }
  std::multiset<int> popups() {
    std::multiset<int> ids;
    for (int slot = 0; slot < 13; ++slot)
      if (app->m_keyTimerB[slot] != 0) ids.insert(app->m_keyTimerA[slot]);
    return ids;
  }
};

}  // namespace

TEST_F(BadgeTest, RoundResultsAwardTheirGamesBadgesToPeopleOnly) {
  struct Case {
    const char* what;
    Round round;
    std::set<int> awarded;
  };
  const Case cases[] = {
      {"a person wins A", {1, {kKeys, kCpu, kCpu, kCpu}, {500, 300, 200, 100}}, {kWinA, kFirstRound}},
      {"a computer wins A", {1, {kKeys, kCpu, kCpu, kCpu}, {300, 500, 200, 100}}, {kFirstRound}},
      {"a drawn round", {1, {kKeys, kCpu, kCpu, kCpu}, {500, 500, 200, 100}}, {kFirstRound}},
      {"computers alone", {1, {kCpu, kCpu, kCpu, kCpu}, {500, 300, 200, 100}}, {}},
      {"B won without a fall", {2, {kCpu, 1, kCpu, kCpu}, {90, 900, 80, 70}, {0, 3, 0, 0}},
       {kWinB, kSureFooted, kFirstRound}},
      {"B won after a fall", {2, {kCpu, 1, kCpu, kCpu}, {90, 900, 80, 70}, {0, 2, 0, 0}}, {kWinB, kFirstRound}},
      {"a beaten person's 12 fish", {3, {kKeys, kCpu, kCpu, kCpu}, {12, 13, 0, 0}}, {kBigCatch, kFirstRound}},
      {"a computer's 13 fish", {3, {kKeys, kCpu, kCpu, kCpu}, {11, 13, 0, 0}}, {kFirstRound}},
      {"D won by five eggs", {4, {kKeys, kCpu, kCpu, kCpu}, {10, 5, 2, 0}}, {kWinD, kEggHoarder, kFirstRound}},
      {"D won by four eggs", {4, {kKeys, kCpu, kCpu, kCpu}, {10, 6, 2, 0}}, {kWinD, kFirstRound}},
      {"J won untouched", {10, {kKeys, kCpu, kCpu, kCpu}, {2000, 900, 80, 70}, {100, 0, 0, 0}},
       {kWinJ, kNotAScratch, kFirstRound}},
      {"J won with a hit taken", {10, {kKeys, kCpu, kCpu, kCpu}, {2000, 900, 80, 70}, {90, 0, 0, 0}},
       {kWinJ, kFirstRound}},
      {"four people", {3, {kKeys, 1, 2, 3}, {5, 4, 3, 2}}, {kWinC, kFirstRound, kFullHouse}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    game.host.saved = String();  // a first start
    restart();
    finish(c.round);
    EXPECT_EQ(held(), c.awarded);
    EXPECT_EQ(popups(), std::multiset<int>(c.awarded.begin(), c.awarded.end()));
  }
}

// A round ended from the pause menu counts for nothing; the next round counts again.
// Each badge comes once, and the saved record brings them all back at the next start.
TEST_F(BadgeTest, BadgesComeOnceAreKeptAcrossASaveAndLoadAndNotFromAnAbandonedRound) {
  const Round won = {1, {kKeys, kCpu, kCpu, kCpu}, {500, 300, 200, 100}};
  finish(won, true);
  EXPECT_EQ(held(), std::set<int>{});
  EXPECT_TRUE(popups().empty());

  app->p_LoadGame_A();
  finish(won);
  EXPECT_EQ(held(), (std::set<int>{kWinA, kFirstRound}));
  for (int slot = 0; slot < 13; ++slot) app->m_keyTimerB[slot] = 0;
  finish(won);
  EXPECT_EQ(held(), (std::set<int>{kWinA, kFirstRound}));
  EXPECT_TRUE(popups().empty()) << "a badge already held comes without a popup";

  restart();
  EXPECT_EQ(held(), (std::set<int>{kWinA, kFirstRound}));
  EXPECT_TRUE(app->m_flags[224]) << "game A remembered as played";
  EXPECT_TRUE(popups().empty());
}

// Wins in a row from one seat held by one source; a computer's win, a draw or another
// source in the seat starts the count again.
TEST_F(BadgeTest, ThreeWinsInARowFromOneSeat) {
  const std::array<int, 4> keysFirst = {kKeys, kCpu, kCpu, kCpu};
  const std::array<int, 4> padFirst = {1, kCpu, kCpu, kCpu};
  const std::array<int, 4> seatWins = {9, 1, 1, 1}, cpuWins = {1, 9, 1, 1}, drawn = {9, 9, 1, 1};
  struct Step {
    std::array<int, 4> pads, scores;
    bool rolling;
  };
  const Step steps[] = {
      {keysFirst, seatWins, false}, {keysFirst, seatWins, false}, {keysFirst, cpuWins, false},
      {keysFirst, seatWins, false}, {keysFirst, drawn, false},    {keysFirst, seatWins, false},
      {keysFirst, seatWins, false}, {padFirst, seatWins, false},  {padFirst, seatWins, false},
      {padFirst, seatWins, true},
  };
  int n = 0;
  for (const Step& step : steps) {
    finish({5, step.pads, step.scores});
    EXPECT_EQ(app->m_flags[kOnARoll], step.rolling) << "round " << n++;
  }
}

// Winning each of the 26 games in turn: the calendar, the alphabet and (with the run of
// wins, the first round and the 26 win badges) the collector's 30 all come with the
// last game. Christmas Day and the party have badges of their own.
TEST_F(BadgeTest, TheWholeCollectionChristmasAndTheParty) {
  // Won by one point and with no lives left, so no game's other badge comes too.
  for (int game = 1; game <= 26; ++game) {
    finish({game, {kKeys, kCpu, kCpu, kCpu}, {2, 1, 1, 1}, {0, 0, 0, 0}});
    bool last = game == 26;
    EXPECT_EQ(app->m_flags[kFullCalendar], last) << game;
    EXPECT_EQ(app->m_flags[kAlphabet], last) << game;
    EXPECT_EQ(app->m_flags[kCollector], last) << game;
  }
  EXPECT_EQ(held().size(), 26u + 5u);

  game.host.SetDate(2024, 12, 24, 12, 0, 0);
  finish({1, {kKeys, kCpu, kCpu, kCpu}, {9, 1, 1, 1}});
  EXPECT_FALSE(app->m_flags[kChristmas]);
  game.host.SetDate(2024, 12, 25, 12, 0, 0);
  finish({1, {kCpu, kCpu, kCpu, kCpu}, {9, 1, 1, 1}});
  EXPECT_FALSE(app->m_flags[kChristmas]) << "computers alone";
  finish({1, {kCpu, kCpu, kKeys, kCpu}, {9, 1, 1, 1}});
  EXPECT_TRUE(app->m_flags[kChristmas]);

  app->m_pad[1] = kCpu;
  app->p_AwardPartyWin(1);
  EXPECT_FALSE(app->m_flags[kParty]);
  app->m_pad[1] = 2;
  app->p_AwardPartyWin(1);
  EXPECT_TRUE(app->m_flags[kParty]);
  restart();
  EXPECT_TRUE(app->m_flags[kParty]) << "saved as it was given";
}

// Anaconda Arena reports a snake's length after each pill; eight pills make 380. The
// badge goes to a person's snake only, and is saved at once.
TEST_F(BadgeTest, AGameReportsAFeatAndItsBadgeIsGivenAndSaved) {
  struct Case {
    int pad;
    float lengthBefore;
    bool awarded;
  };
  const Case cases[] = {{kKeys, 300, false}, {kIdle, 340, false}, {kKeys, 340, true}};
  for (const Case& c : cases) {
    restart();
    app->m_game = 1;
    app->p_LoadGame_A();
    for (int seat = 0; seat < 4; ++seat) app->m_pad[seat] = kIdle;
    app->m_pad[0] = c.pad;
    // Red's head at (10, 10) heading right, a pill in the next cell, and a move due.
    app->m_players[3] = 10, app->m_players[4] = 10, app->m_players[5] = 2, app->m_players[21] = c.lengthBefore;
    app->m_grid[(11 + 10 * app->m_gridW) * 10] = 20;
    app->m_grid[(11 + 10 * app->m_gridW) * 10 + 1] = 2400;
    app->m_introTimer = 0;
    app->m_players[20] = 6;
    app->p_Game_A();
    ASSERT_EQ(app->m_players[21], c.lengthBefore + 40) << "the pill was eaten";
    EXPECT_EQ(app->m_flags[kPillsA], c.awarded) << c.pad << " " << c.lengthBefore;
    restart();
    EXPECT_EQ(app->m_flags[kPillsA], c.awarded) << "saved";
  }
  app->m_game = 2;
  app->m_pad[0] = kKeys;
  app->p_BadgeFeat(0, 1000);
  EXPECT_EQ(held(), std::set<int>{kPillsA}) << "Bumpy Bugs has no feat";
}
