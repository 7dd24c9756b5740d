// The runner's command line and key scripts: good arguments fill the options, anything
// else is refused with a reason (the runner then prints its usage and exits 2).
#include <gtest/gtest.h>

#include "tools/sim/draw_hash.h"
#include "tools/sim/key_script.h"
#include "tools/sim/sim_options.h"

TEST(SimOptions, GoodArgumentsFillTheOptions) {
  SimOptions options;
  ASSERT_EQ(ParseSimOptions({"--game", "1", "--seed", "4294967295", "--date", "2016-11-30", "--frames", "500",
                             "--seats", "-1,0,2,4", "--keys", "k.txt"},
                            options),
            "");
  EXPECT_EQ(options.game, 1);
  EXPECT_TRUE(options.seedGiven);
  EXPECT_EQ(options.seed, 4294967295u);
  EXPECT_EQ(options.year, 2016);
  EXPECT_EQ(options.month, 11);
  EXPECT_EQ(options.day, 30);
  EXPECT_EQ(options.frames, 500);
  const int seats[4] = {-1, 0, 2, 4};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(options.seats[i], seats[i]);
  EXPECT_EQ(options.keysFile, "k.txt");

  SimOptions party;
  ASSERT_EQ(ParseSimOptions({"--party", "15"}, party), "");
  EXPECT_EQ(party.partyTarget, 15);
  EXPECT_EQ(party.frames, kPartyFrames) << "a party runs long unless told otherwise";
  ASSERT_EQ(ParseSimOptions({"--frames", "900", "--party", "5"}, party), "");
  EXPECT_EQ(party.frames, 900);
}

TEST(SimOptions, BadArgumentsAreRefused) {
  const std::vector<std::vector<std::string>> bad = {
      {"--game"},           {"--game", "27"},         {"--game", "-1"},           {"--game", "1x"},
      {"--seed", "-5"},     {"--seed", "99999999999"}, {"--date", "2026-13-01"},   {"--date", "2026-02-30"},
      {"--date", "26-12"},  {"--date", "2026-12-06x"}, {"--frames", "0"},          {"--seats", "0,0,0"},
      {"--seats", "0,0,0,5"}, {"--seats", "0,0,0,0,0"}, {"--seats", "a,b,c,d"},   {"--wat", "1"},
      {"--party", "0"},     {"--party", "101"},       {"--party", "ten"},
      {"--game", "3", "--party", "10"},
  };
  for (const auto& arguments : bad) {
    SimOptions options;
    EXPECT_NE(ParseSimOptions(arguments, options), "") << arguments[0] << " " << (arguments.size() > 1 ? arguments[1] : "");
  }
}

TEST(KeyScript, LinesListTheKeysHeldPerUpdate) {
  KeyScript keys;
  ASSERT_EQ(keys.Parse("37 32\n\n  39  \n"), "");
  EXPECT_EQ(keys.HeldAt(0), (std::vector<int>{37, 32}));
  EXPECT_TRUE(keys.HeldAt(1).empty());
  EXPECT_EQ(keys.HeldAt(2), (std::vector<int>{39}));
  EXPECT_TRUE(keys.HeldAt(3).empty()) << "past the end nothing is held";
  EXPECT_TRUE(keys.HeldAt(-1).empty());

  for (const char* bad : {"37 x\n", "0\n", "512\n", "3.5\n", "-4\n"}) EXPECT_NE(keys.Parse(bad), "") << bad;
  EXPECT_NE(keys.Load("/nonexistent/keys.txt"), "");
}

TEST(DrawHash, AnyDifferenceInAFrameChangesTheHash) {
  const float frame[3] = {1.0f, 2.0f, 3.0f};
  const float changed[3] = {1.0f, 2.0f, 3.5f};
  DrawHash a, b, c, empty;
  a.AddList(frame, 3);
  b.AddList(frame, 3);
  c.AddList(changed, 3);
  EXPECT_EQ(a.Value(), b.Value());
  EXPECT_NE(a.Value(), c.Value());
  uint64_t before = empty.Value();
  empty.AddList(nullptr, 0);
  EXPECT_NE(empty.Value(), before) << "an empty frame still counts";
}
