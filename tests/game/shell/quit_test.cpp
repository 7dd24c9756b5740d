// F4 and the window-close key end the program with status 0 from inside the update; the
// test runs the game in a child process for each. Other function keys do not quit.
#include <gtest/gtest.h>

#include <cstdlib>

#include "running_game.h"
#include "runtime/input/input.h"

namespace {

constexpr int kF3 = 114;
constexpr int kF4 = 115;

// The close key goes straight into the input device: the host's own close handling
// would end the program before the update could.
void HitAndUpdate(int key) {
  RunningGame game;
  game.RunUntilLoaded();
  zr_input_device->p_KeyEvent(1, key);
  game.host.Run(1);
}

TEST(ShellQuitDeathTest, F4AndTheCloseKeyEndTheProgramCleanly) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  for (int key : {kF4, static_cast<int>(zr_input_KEY_CLOSE)}) {
    EXPECT_EXIT(HitAndUpdate(key), ::testing::ExitedWithCode(0), "") << key;
  }
  // Another function key runs the update through; the child then leaves with its own code.
  EXPECT_EXIT((HitAndUpdate(kF3), std::exit(7)), ::testing::ExitedWithCode(7), "");
}

}  // namespace
