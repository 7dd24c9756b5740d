// The host base's event rules, and the calendar date.
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
  std::vector<std::string> expected = {"start",  "key 1 65", "mouse 4 0 10 20",
                                       "render", "update", "discard"};
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

// The calendar decides which games are open, so the date must be today's, and an
// array of any length is filled as far as it goes without being overrun.
TEST(HostDate, GetDateFillsAsManyFieldsAsTheArrayHolds) {
  ZrGame host;
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  const int today[3] = {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
  for (int length : {0, 2, 7, 9}) {
    Array<int> date(length);
    if (length > 7) date[7] = 5;
    host.GetDate(date);
    for (int field = 0; field < length && field < 3; ++field) EXPECT_EQ(date[field], today[field]) << length;
    if (length == 7) {
      EXPECT_EQ(date[6], 0) << "milliseconds are always 0";
    }
    if (length == 9) {
      EXPECT_EQ(date[7], 5) << "entries past the seventh are left alone";
    }
  }
}

}  // namespace
