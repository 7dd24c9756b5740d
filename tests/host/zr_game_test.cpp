// The host base's event rules: nothing reaches the game before it starts, it starts once,
// suspends and resumes only in turn, gets no updates while suspended, and a runtime
// throwable escaping the game ends the program through Die. Also the calendar date.
#include <gtest/gtest.h>

#include <ctime>
#include <stdexcept>

#include "host/zr_game.h"
#include "recording_delegate.h"

namespace {

// Die must not end the test program: it throws something the test can see instead.
struct DiedWith : std::runtime_error {
  explicit DiedWith(ThrowableObject* thrown) : std::runtime_error("died"), thrown(thrown) {}
  ThrowableObject* thrown;
};

class TestHost : public ZrGame {
 public:
  void Die(ThrowableObject* thrown) override { throw DiedWith(thrown); }
};

void sendEveryKind(ZrGame& host) {
  host.KeyEvent(1, 65);
  host.MouseEvent(4, 0, 10, 20);
  host.TouchEvent(7, 2, 1, 1);
  host.MotionEvent(10, 0, 0.5f, 0, 0);
  host.RenderGame();
  host.UpdateGame();
  host.DiscardGraphics();
}

TEST(HostEvents, NothingReachesTheGameBeforeItStarts) {
  TestHost host;
  RecordingDelegate* game = new RecordingDelegate;
  host.SetDelegate(game);
  EXPECT_EQ(host.Delegate(), game);
  sendEveryKind(host);
  host.SuspendGame();
  host.ResumeGame();
  EXPECT_TRUE(game->events.empty());
  EXPECT_FALSE(host.Started());
  EXPECT_FALSE(host.Suspended());

  host.StartGame();
  sendEveryKind(host);
  std::vector<std::string> expected = {"start",  "key 1 65", "mouse 4 0 10 20", "touch 7 2",
                                       "motion 10", "render", "update", "discard"};
  EXPECT_EQ(game->events, expected);
}

TEST(HostEvents, StartSuspendAndResumeEachHappenOnlyInTurn) {
  TestHost host;
  RecordingDelegate* game = new RecordingDelegate;
  host.SetDelegate(game);
  host.StartGame();
  host.StartGame();  // a second start does nothing
  host.ResumeGame();  // resume without a suspend does nothing
  host.SuspendGame();
  host.SuspendGame();
  host.UpdateGame();  // no updates while suspended...
  host.RenderGame();  // ...but frames and input still arrive
  host.KeyEvent(1, 32);
  host.ResumeGame();
  host.ResumeGame();
  host.UpdateGame();
  std::vector<std::string> expected = {"start", "suspend", "render", "key 1 32", "resume", "update"};
  EXPECT_EQ(game->events, expected);
  EXPECT_TRUE(host.Started());
  EXPECT_FALSE(host.Suspended());
}

struct GameFault : ThrowableObject {};

TEST(HostEvents, ThrowableEscapingTheGameGoesToDie) {
  TestHost host;
  RecordingDelegate* game = new RecordingDelegate;
  GameFault* fault = new GameFault;
  game->onUpdate = [fault](int) { throw static_cast<ThrowableObject*>(fault); };
  host.SetDelegate(game);
  host.StartGame();
  try {
    host.UpdateGame();
    FAIL() << "Die was not called";
  } catch (const DiedWith& died) {
    EXPECT_EQ(died.thrown, fault);
  }
}

bool onFreeList(const gc_object* p) {
  for (const gc_object* node = gc_free_list.succ; node != &gc_free_list; node = node->succ)
    if (node == p) return true;
  return false;
}

TEST(HostEvents, DelegateSurvivesCollectionWhileOnlyTheHostHoldsIt) {
  TestHost host;
  RecordingDelegate* game = new RecordingDelegate;
  host.SetDelegate(game);
  host.StartGame();
  for (int round = 0; round < 3; ++round) {
    // Enough garbage that the collection after the next event is a full cycle.
    for (int j = 0; j < 300; ++j) Array<int> garbage(8192);
    host.RenderGame();
    ASSERT_FALSE(onFreeList(game)) << "round " << round;
  }
  host.UpdateGame();
  EXPECT_EQ(game->updates, 1);
}

TEST(HostEvents, UpdateRateAndKeyboardSwitchAreKept) {
  ZrGame host;
  EXPECT_EQ(host.UpdateRate(), 0);
  host.SetUpdateRate(60);
  EXPECT_EQ(host.UpdateRate(), 60);
  host.SetKeyboardEnabled(true);
  EXPECT_TRUE(host.KeyboardEnabled());
  EXPECT_EQ(host.Millisecs(), 0);
  EXPECT_EQ(host.GetDeviceWidth(), 0);
  EXPECT_EQ(host.GetDisplayModes().Length(), 0);
  EXPECT_EQ(host.GetDesktopMode(), nullptr);
  EXPECT_TRUE(host.PathToFilePath("quillo://data/x") == String("quillo://data/x"));
  EXPECT_EQ(ZrGame::_game, &host);
}

TEST(HostDate, GetDateFillsAsManyFieldsAsTheArrayHolds) {
  ZrGame host;
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);

  Array<int> full(7);
  full[6] = 99;
  host.GetDate(full);
  EXPECT_EQ(full[0], local.tm_year + 1900);
  EXPECT_EQ(full[1], local.tm_mon + 1);
  EXPECT_EQ(full[2], local.tm_mday);
  EXPECT_EQ(full[6], 0) << "milliseconds are always 0";

  Array<int> longer(9);
  longer[7] = 5;
  host.GetDate(longer);
  EXPECT_EQ(longer[0], local.tm_year + 1900);
  EXPECT_EQ(longer[7], 5) << "entries past the seventh are left alone";

  Array<int> shorter(2);
  host.GetDate(shorter);
  EXPECT_EQ(shorter[1], local.tm_mon + 1);

  Array<int> empty;
  host.GetDate(empty);
  EXPECT_EQ(empty.Length(), 0);
}

}  // namespace
