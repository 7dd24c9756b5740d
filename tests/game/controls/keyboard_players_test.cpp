// Every game, from one seed, must play the same presses alike on a pad and on either
// keyboard player's keys (and unlike a seat that presses nothing).
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "game/shell/my_app.h"
#include "runtime/random.h"
#include "tests/game/shell/running_game.h"

namespace {

constexpr int kPlayFrames = 900;
constexpr int kKeyboardPlayersSetting = 20;
constexpr int kPlayMode = 10;

enum Press { kUpPress, kLeftPress, kRightPress, kDownPress, kFireAPress, kFireBPress, kPresses };

struct Source {
  const char* name;
  int pad, keyboardPlayers;
  int keys[kPresses];
};

constexpr int kJoy0 = 256;
const Source kPad = {"pad", 1, 1, {kJoy0 + 9, kJoy0 + 8, kJoy0 + 10, kJoy0 + 11, kJoy0 + 0, kJoy0 + 1}};
const Source kRightPlayer = {"right keyboard player", 5, 2, {38, 37, 39, 40, 186, 'L'}};
const Source kLeftPlayer = {"left keyboard player", -1, 2, {'W', 'A', 'D', 'S', 'F', 'G'}};
// A pad whose player presses only Q, which no action reads.
const Source kIdlePad = {"idle pad", 1, 1, {'Q', 'Q', 'Q', 'Q', 'Q', 'Q'}};

// What is pressed in a frame: a direction (or two) changing every 37 frames, fire A in
// bursts and fire B now and then, so every game sees moves, holds, taps and releases.
std::set<int> PressesAt(int frame) {
  static const std::vector<std::vector<int>> kMoves = {
      {kUpPress}, {kRightPress}, {kDownPress, kRightPress}, {}, {kLeftPress}, {kDownPress}, {kUpPress, kLeftPress}};
  std::set<int> presses;
  for (int press : kMoves[(frame / 37) % kMoves.size()]) presses.insert(press);
  if ((frame / 11) % 3 == 0) presses.insert(kFireAPress);
  if ((frame / 23) % 5 == 1) presses.insert(kFireBPress);
  return presses;
}

struct Outcome {
  int frames = 0;
  std::vector<float> tables;
};

Outcome PlayRound(int game, const Source& source) {
  RunningGame run;
  run.RunUntilLoaded();
  run.app->m_settings[kKeyboardPlayersSetting] = source.keyboardPlayers == 2 ? 1 : 0;
  const int seats[4] = {0, source.pad, 0, 0};
  for (int seat = 0; seat < 4; ++seat) run.app->m_pad[seat] = seats[seat];
  zr_random_Seed = 1000 + game;
  run.StartRound(game);

  Outcome outcome;
  std::set<int> held;
  for (; outcome.frames < kPlayFrames && run.app->m_mode == kPlayMode && run.app->m_roundOver == 0;
       ++outcome.frames) {
    std::set<int> wanted;
    for (int press : PressesAt(outcome.frames)) wanted.insert(source.keys[press]);
    for (int key : held)
      if (!wanted.count(key)) run.Release(key);
    for (int key : wanted)
      if (!held.count(key)) run.Press(key);
    held = wanted;
    run.host.Run(1);
  }
  for (int key : held) run.Release(key);
  const Array<float>* tables[] = {&run.app->m_players, &run.app->m_objects, &run.app->m_grid};
  for (const Array<float>* table : tables)
    outcome.tables.insert(outcome.tables.end(), table->Data(), table->Data() + table->Length());
  return outcome;
}

TEST(KeyboardPlayers, EveryGamePlaysThemAsItPlaysAPad) {
  for (int game = 1; game <= 26; ++game) {
    Outcome onPad = PlayRound(game, kPad);
    ASSERT_GT(onPad.frames, 200) << "game " << game << " ended before it was played";
    EXPECT_FALSE(PlayRound(game, kIdlePad).tables == onPad.tables) << "game " << game << " ignored the presses";
    for (const Source* keyboard : {&kRightPlayer, &kLeftPlayer}) {
      Outcome onKeyboard = PlayRound(game, *keyboard);
      EXPECT_EQ(onKeyboard.frames, onPad.frames) << "game " << game << ", " << keyboard->name;
      EXPECT_TRUE(onKeyboard.tables == onPad.tables) << "game " << game << " went otherwise for the " << keyboard->name;
    }
  }
}

}  // namespace
