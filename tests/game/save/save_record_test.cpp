// Saving and loading the record: a round trip keeps everything, a damaged block is reset
// on its own with its message, and damaged or cut files never crash or leave nonsense.
#include <random>
#include <vector>

#include "tests/game/shell/running_game.h"

namespace {

// The real game keeping its state file in a folder of the test's own.
class SavedGameTest : public ::testing::Test {
 protected:
  SavedGameTest() { game.host.stateFile = TempFolder() + "/.quillostate"; }
  std::string stateFile() { return ReadFile(game.host.stateFile); }
  void writeStateFile(const std::string& text) { std::ofstream(game.host.stateFile, std::ios::binary) << text; }
  std::string load() { return game.Load(); }

  RunningGame game;
  c_MyApp* app = game.app;
};

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
  std::vector<int> settings, scores;
  std::vector<bool> flags;
  for (int i = 0; i < 25; ++i) settings.push_back(app->m_settings[i]);
  for (int i = 0; i < 256; ++i) flags.push_back(app->m_flags[i]);
  for (int i = 0; i < 520; ++i) scores.push_back(app->m_highscores[i]);
  app->p_Save();
  EXPECT_EQ(fields(stateFile()).size(), 686u);
  EXPECT_EQ(stateFile().back(), '|');
  EXPECT_EQ(fields(stateFile())[26].front(), '-') << "flag 31 makes the first word negative";

  fillWithValues(app, 2);
  std::string printed = load();
  for (int i = 0; i < 25; ++i) EXPECT_EQ(app->m_settings[i], settings[i]) << "setting " << i;
  for (int i = 0; i < 256; ++i) EXPECT_EQ(app->m_flags[i], flags[i]) << "flag " << i;
  for (int i = 0; i < 520; ++i) EXPECT_EQ(app->m_highscores[i], scores[i]) << "score " << i;
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
  std::string damaged;
  for (const std::string& part : parts) damaged += part + "|";
  writeStateFile(damaged);

  std::vector<int> before;
  for (int i = 0; i < 520; ++i) before.push_back(app->m_highscores[i]);
  std::string printed = load();
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
  damaged.clear();
  for (const std::string& part : parts) damaged += part + "|";
  writeStateFile(damaged);
  printed = load();
  EXPECT_NE(printed.find("Settings Checksum Invalid\n"), std::string::npos);
  EXPECT_EQ(app->m_settings[3], 0);
  EXPECT_EQ(app->m_settings[5], 1);
  EXPECT_EQ(app->m_settings[10], 64) << "clamped after the reset";
}

TEST_F(SavedGameTest, ShortRecordsLoadWhatTheyHold) {
  fillWithValues(app, 4);
  app->p_Save();
  std::vector<std::string> parts = fields(stateFile());
  std::string settingsAndFlags;
  for (int i = 0; i < 35; ++i) settingsAndFlags += parts[i] + "|";
  writeStateFile(settingsAndFlags);
  std::vector<int> scores;
  for (int i = 0; i < 520; ++i) scores.push_back(app->m_highscores[i] = i);
  EXPECT_EQ(load(), "Settings Loaded\nBadges Loaded\n");
  for (int i = 0; i < 520; ++i) ASSERT_EQ(app->m_highscores[i], scores[i]);

  // Exactly 25 parts: no settings checksum can be read, so the settings stay as they
  // were and the flags block is read from the start of the record instead.
  std::string settingsOnly;
  for (int i = 0; i < 24; ++i) settingsOnly += "9|";
  writeStateFile(settingsOnly + "9");
  app->m_settings[0] = 42;
  EXPECT_EQ(load(), "Badge Checksum Invalid\n");
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
    load();
    EXPECT_GE(app->m_settings[10], 64);
    EXPECT_GE(app->m_settings[11], 64);
    EXPECT_GE(app->m_settings[12], 8);
    EXPECT_EQ(app->m_settings[14], 1);
  }
}
