// The start of every round: the common reset, then the intro countdown frame by frame
// and the how-to-play card.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "game/shell/my_app.h"

namespace {

constexpr int kFont = 90;

void Fill(Array<float>& table, float value) {
  for (int i = 0; i < table.Length(); ++i) table[i] = value;
}

struct Entry {
  float kind, x, y, rotation, scaleX, frame, alpha, r, g, b;
};

std::vector<Entry> Entries(const c_MyApp& app) {
  std::vector<Entry> entries;
  for (int at = 0; at + 15 <= app.m_drawCount; at += 15) {
    const float* e = app.m_drawList.Data() + at;
    entries.push_back({e[0], e[1], e[2], e[3], e[4], e[6], e[7], e[10], e[11], e[12]});
  }
  return entries;
}

// What one call drew, sorted out by kind.
struct Frame {
  std::vector<int> numberGlyphs;     // font glyphs at scale 4
  std::vector<Entry> clockDots;      // light green ovals
  std::map<int, Entry> icons;        // image 0 at scale 2, by frame (= player)
  std::vector<Entry> labelGlyphs;    // font glyphs at scale 1
};

Frame Draw(c_MyApp& app, int timer) {
  app.m_introTimer = timer;
  app.m_drawCount = 0;
  app.p_PreAction();
  Frame frame;
  for (const Entry& e : Entries(app)) {
    if (e.kind == kFont && e.scaleX == 4) frame.numberGlyphs.push_back(static_cast<int>(e.frame));
    if (e.kind == kFont && e.scaleX == 1) frame.labelGlyphs.push_back(e);
    if (e.kind == kDrawOval && e.r == 100 && e.g == 255 && e.b == 100) frame.clockDots.push_back(e);
    if (e.kind == 0 && e.scaleX == 2) frame.icons[static_cast<int>(e.frame)] = e;
  }
  return frame;
}

// A round whose seats are by default keyboard, joystick 2, computer, and an out-of-range
// source that counts as computer.
void StartRound(c_MyApp& app, const std::vector<int>& pads = {-1, 2, 0, 9}) {
  app.m_curImage = kFont;
  app.m_frameInfo[kFont * 3] = 7;
  app.m_frameInfo[kFont * 3 + 1] = 10;
  for (int seat = 0; seat < 4; ++seat) app.m_pad[seat] = pads[seat];
  app.m_panelX = 592;
  app.p_LoadGame();
}

std::vector<int> Glyphs(const std::string& text) {
  std::vector<int> glyphs;
  for (char c : text) glyphs.push_back(c - 32);
  return glyphs;
}

// The label glyphs drawn over one player's icon.
std::vector<int> LabelOf(const Frame& frame, const Entry& icon) {
  std::vector<int> glyphs;
  for (const Entry& e : frame.labelGlyphs)
    if (std::fabs(e.x - icon.x) < 20 && std::fabs(e.y - icon.y) < 20)
      glyphs.push_back(static_cast<int>(e.frame));
  return glyphs;
}

}  // namespace

TEST(Intro, CountsDownFourThreeTwoOneGo) {
  c_MyApp app;
  StartRound(app);
  std::map<int, std::string> shown;
  for (int timer = 160; timer >= 1; --timer) {
    Frame frame = Draw(app, timer);
    shown[timer] = frame.numberGlyphs == Glyphs("GO") ? "GO" : "";
    for (int digit = 1; digit <= 4; ++digit)
      if (frame.numberGlyphs == Glyphs(std::to_string(digit))) shown[timer] = std::to_string(digit);
  }
  const std::map<int, std::string> expected = {
      {160, "4"}, {159, "3"}, {120, "3"}, {119, "2"}, {80, "2"},
      {79, "1"},  {40, "1"},  {39, "GO"}, {1, "GO"},
  };
  for (const auto& [timer, text] : expected) EXPECT_EQ(shown[timer], text) << "timer " << timer;
}

TEST(Intro, IconsSettleOnTheStartsAndShowWhoPlays) {
  c_MyApp app;
  StartRound(app);
  std::map<int, Frame> frames;
  for (int timer = 160; timer >= 1; --timer) frames[timer] = Draw(app, timer);

  // From frame 141 on the icons sit on the start positions.
  for (int timer : {141, 100, 1}) {
    for (int p = 0; p < 4; ++p) {
      const Entry& icon = frames[timer].icons[p];
      EXPECT_EQ(icon.x, app.m_players[p * 100 + 93]) << "timer " << timer << " player " << p;
      EXPECT_EQ(icon.y, app.m_players[p * 100 + 94]) << "timer " << timer << " player " << p;
    }
  }

  std::vector<int> keyboard = LabelOf(frames[100], frames[100].icons[0]);
  std::vector<int> joystick = LabelOf(frames[100], frames[100].icons[1]);
  EXPECT_EQ(LabelOf(frames[100], frames[100].icons[2]), Glyphs("CPU"));
  EXPECT_EQ(LabelOf(frames[100], frames[100].icons[3]), Glyphs("CPU"));
  EXPECT_EQ(keyboard.size(), 2u);
  EXPECT_EQ(joystick.size(), 2u);
  EXPECT_NE(keyboard, joystick);
}

TEST(Intro, HiddenHudKeepsOnlyTheClockAndNothingRunsAfterTheCountdown) {
  c_MyApp app;
  StartRound(app);
  app.m_hideHud = 1;
  float iconX = app.m_players[91];
  Frame hidden = Draw(app, 1);
  EXPECT_TRUE(hidden.icons.empty());
  EXPECT_TRUE(hidden.labelGlyphs.empty());
  EXPECT_EQ(hidden.clockDots.size(), 1u);
  EXPECT_EQ(hidden.numberGlyphs, Glyphs("GO"));
  EXPECT_EQ(app.m_players[91], iconX) << "hidden icons do not glide";

  app.m_hideHud = 0;
  for (int timer : {0, -5}) {
    app.m_introTimer = timer;
    app.m_drawCount = 0;
    app.p_PreAction();
    EXPECT_EQ(app.m_drawCount, 0) << "timer " << timer;
  }
}

// The how-to-play card: each control's verb, then its buttons in each kind of seat's own
// glyphs under the markers of the seats that play that way (keyboard and pads when nobody
// plays); no card for a number without a game. Verbs and buttons are drawn at 1.5.
TEST(Intro, HowToPlayCardShowsTheControlsInEverySeatsOwnButtons) {
  const std::vector<int> keyboardZ = {112}, padA = {96}, padB = {97};
  auto join = [](std::vector<std::vector<int>> parts) {
    std::vector<int> all;
    for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
  };
  struct Case {
    const char* name;
    int game;
    std::vector<int> pads;
    int keyboardPlayers;
    std::vector<int> cardGlyphs;  // font frames at the card's scale, in drawing order
    std::vector<int> markers;     // seats heading the columns
  };
  const std::vector<Case> cases = {
      {"jump on the keyboard and a pad", 11, {-1, 2, 0, 9}, 1, join({Glyphs("jump"), keyboardZ, padA}), {0, 1}},
      {"three controls, two pads in one column", 18, {0, 3, 0, 1}, 1,
       join({Glyphs("steer"), {107, 108}, Glyphs("speed"), Glyphs("up"), padA, Glyphs("brake"), padB}), {1, 3}},
      {"both keyboard players", 1, {5, -1, 0, 0}, 2,
       join({Glyphs("turn"), {121, 123, 122, 124}, {128, 129, 130, 131}}), {0, 1}},
      {"the right player's fire keys", 8, {0, 0, 5, 0}, 2, join({Glyphs("run"), {123, 124}, Glyphs("jump"), {136}}),
       {2}},
      {"nobody at the table", 10, {0, 0, 0, 0}, 1,
       join({{120, 125}, Glyphs("steer"), {123, 124}, {107, 108}, Glyphs("fire"), keyboardZ, padA}), {}},
      {"no game, no card", 0, {-1, 2, 0, 0}, 1, {}, {}},
  };
  for (const Case& c : cases) {
    c_MyApp app;
    app.m_settings[20] = c.keyboardPlayers == 2 ? 1 : 0;
    StartRound(app, c.pads);
    app.m_game = c.game;
    Draw(app, 100);
    std::vector<int> cardGlyphs, markers;
    for (const Entry& e : Entries(app)) {
      if (e.kind == kFont && e.scaleX == 1.5f) cardGlyphs.push_back(static_cast<int>(e.frame));
      if (e.kind == 0 && e.scaleX < 1) markers.push_back(static_cast<int>(e.frame));
    }
    EXPECT_EQ(cardGlyphs, c.cardGlyphs) << c.name;
    EXPECT_EQ(markers, c.markers) << c.name;
  }
}

TEST(RoundSetup, FreshGameClearsTheLastRound) {
  c_MyApp app;
  Fill(app.m_players, 7);
  Fill(app.m_objects, 7);
  Fill(app.m_grid, 7);
  Fill(app.m_particles, 7);
  app.m_paused = 1;
  app.m_roundOver = 1;
  app.m_gameOverTimer = 55;
  app.m_particleLimit = 400;

  app.p_FreshGame();

  for (int i = 0; i <= 1000; ++i) {
    float expected = (i == 199 || i == 299 || i == 399 || i == 499) ? 3 : 0;
    ASSERT_EQ(app.m_players[i], expected) << "player index " << i;
  }
  // Past index 1000 the games keep their own counters; the reset leaves them.
  EXPECT_EQ(app.m_players[1001], 7);
  for (int i = 0; i <= 5000; ++i) ASSERT_EQ(app.m_objects[i], 0) << "object index " << i;
  EXPECT_EQ(app.m_objects[5001], 7);
  EXPECT_EQ(app.m_grid[app.m_grid.Length() - 1], 0);
  EXPECT_EQ(app.m_particleLimit, 250);
  for (int slot = 0; slot <= 250; ++slot) ASSERT_EQ(app.m_particles[slot * 10], 0) << slot;
  EXPECT_EQ(app.m_particles[251 * 10], 7) << "slots past the limit are not touched";
  EXPECT_EQ(app.m_paused + app.m_roundOver + app.m_gameOverTimer, 0);
}
