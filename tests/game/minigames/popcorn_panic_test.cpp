// Popcorn Panic played frame by frame: whole rounds keep the field's rules (wrapping,
// kernels that only ever enter from off screen and leave after two crossings, the rising
// slot limit, the three pop sounds), and only living players collect or get hit.
#include <cmath>
#include <set>

#include "runtime/audio/audio.h"
#include "tests/game/minigames/minigame_fixture.h"

namespace {

const int kAlive = 99, kScore = 95, kDeathTimer = 97, kLimit = 55;

class PopcornPanicTest : public MinigameTest {
 protected:
  void SetUp() override { startRound(&c_MyApp::p_LoadGame_Popcorn, &c_MyApp::p_Game_Popcorn, 5); }
};

// Red drives one way through the field's edges beside three computers for a whole round.
TEST_F(PopcornPanicTest, AWholeRoundKeepsTheFieldsRules) {
  // A silent stand-in for each popping sound, so the channels tell which one played.
  c_Sound* marker[14] = {};
  for (int id = 10; id <= 13; ++id) gc_assign(app->m_sounds[id], marker[id] = (new c_Sound)->m_new(new gxtkSample));
  zr_random_Seed = 1;
  app->p_LoadGame_Popcorn();
  seats(-1, 0, 0, 0);
  keyboardStick(1, 0.5f);
  std::set<int> pops;
  float before[251] = {};
  int frame = 0;
  for (; frame < 36000 && !app->m_roundOver; ++frame) {
    frames(1);
    for (int p = 0; p < 4; ++p) {
      float x = player(p, 1), y = player(p, 2);
      ASSERT_TRUE((x >= 4 && x <= 540 && y >= 4 && y <= 476) || player(p, kAlive) <= 0) << "player " << p;
    }
    for (int i = 0; i <= 250; ++i) {
      float kind = object(i, 0), x = object(i, 1), y = object(i, 2);
      if (kind > 0) {
        ASSERT_LE(i, static_cast<int>(player(0, kLimit))) << "frame " << frame;
        ASSERT_TRUE(i < 4 || object(i, 7) > 0) << "a kernel leaves after its second crossing";
      }
      if (kind > 0 && before[i] == 0 && x >= 0 && x <= 640 && y >= 0 && y <= 480) {
        // Only a split appears on screen: a kernel, beside the kernel it came from.
        bool parent = false;
        for (int j = 4; j <= 250; ++j)
          parent = parent || (j != i && object(j, 0) > 0 && std::hypot(object(j, 1) - x, object(j, 2) - y) < 3);
        ASSERT_TRUE(i >= 4 && parent) << "object " << i << " appeared on screen at frame " << frame;
      }
      before[i] = kind;
    }
    for (int channel = 0; channel < 24; ++channel)
      for (int id = 10; id <= 13; ++id)
        if (zr_audio_device->channels[channel].sample == marker[id]->m_sample) pops.insert(id);
  }
  EXPECT_TRUE(app->m_roundOver) << "still going after " << frame << " frames";
  EXPECT_EQ(pops, (std::set<int>{10, 11, 13})) << "kernels pop; the clock's tick is not theirs";
}

// A bonus is collected within 15 pixels, a kernel kills within 7; a player already out,
// or still flashing from a hit, is untouched.
TEST_F(PopcornPanicTest, OnlyLivingPlayersMeetObjects) {
  struct Case {
    int slot;
    float distance, alive, deathTimer;
    float score, aliveAfter, deathTimerAfter;
    bool objectStays;
  } cases[] = {
      {0, 14.9f, 3, 0, 1, 3, 0, false}, {0, 15, 3, 0, 0, 3, 0, true},   {0, 0, 0, 0, 0, 0, 0, true},
      {4, 6.9f, 3, 0, 0, 0, 60, true},  {4, 7, 3, 0, 0, 3, 0, true},    {4, 0, 0, 0, 0, 0, 0, true},
      {4, 0, 3, 30, 0, 3, 29, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "slot " << c.slot << " at " << c.distance << " alive " << c.alive);
    startRound(&c_MyApp::p_LoadGame_Popcorn, &c_MyApp::p_Game_Popcorn);
    player(0, kLimit) = 4.5f;
    player(0, 1) = player(0, 2) = 100;
    player(0, kAlive) = c.alive;
    player(0, kDeathTimer) = c.deathTimer;
    setObject(c.slot, {5, 100 + c.distance, 100, 0, 0, 0, 0, 2});
    frames(1);
    EXPECT_EQ(player(0, kScore), c.score);
    EXPECT_EQ(player(0, kAlive), c.aliveAfter);
    EXPECT_EQ(player(0, kDeathTimer), c.deathTimerAfter);
    EXPECT_EQ(object(c.slot, 0) > 0, c.objectStays);
  }
}

}  // namespace
