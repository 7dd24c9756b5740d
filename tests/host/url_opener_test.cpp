// Opening a URL hands it to xdg-open as one argument, untouched by any shell. A stand-in
// xdg-open on PATH writes down the arguments it was given.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "host/url_opener.h"

namespace {

TEST(OpenUrl, AddressArrivesAsOneArgumentAndIsNeverRunByAShell) {
  char pattern[] = "/tmp/tj_url_XXXXXX";
  ASSERT_NE(mkdtemp(pattern), nullptr);
  std::string dir = pattern;
  std::string log = dir + "/arguments";
  std::string marker = dir + "/pwned";
  {
    std::ofstream script(dir + "/xdg-open");
    script << "#!/bin/sh\nfor a in \"$@\"; do printf '[%s]\\n' \"$a\"; done > '" << log << ".part'\nmv '" << log
           << ".part' '" << log << "'\n";
  }
  ASSERT_EQ(chmod((dir + "/xdg-open").c_str(), 0755), 0);
  std::string oldPath = std::getenv("PATH") ? std::getenv("PATH") : "";
  setenv("PATH", (dir + ":" + oldPath).c_str(), 1);

  std::string url = "https://example.org/a b?x=1&y=$(touch " + marker + ");touch " + marker;
  EXPECT_TRUE(zr_host_OpenUrl(url));
  setenv("PATH", oldPath.c_str(), 1);

  // The opener runs detached; give it a moment to write.
  std::string logged;
  for (int i = 0; i < 200 && logged.empty(); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
    std::ifstream in(log);
    std::ostringstream text;
    text << in.rdbuf();
    logged = text.str();
  }
  EXPECT_EQ(logged, "[" + url + "]\n");
  EXPECT_NE(access(marker.c_str(), F_OK), 0) << "a shell ran the address";
  EXPECT_FALSE(zr_host_OpenUrl(""));
  std::system(("rm -rf '" + dir + "'").c_str());
}

}  // namespace
