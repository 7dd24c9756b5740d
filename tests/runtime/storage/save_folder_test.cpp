// The per-user save folder: where the XDG rules put it, and what entering it makes.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "folder_host.h"
#include "host/zr_game.h"
#include "runtime/storage/save_folder.h"

namespace {

TEST(SaveFolder, FollowsXdgDataHomeThenHome) {
  struct Case {
    const char* xdgDataHome;
    const char* home;
    const char* folder;
  } cases[] = {
      {"/data/me", "/home/me", "/data/me/tinsel-jumble"},
      {nullptr, "/home/me", "/home/me/.local/share/tinsel-jumble"},
      {"", "/home/me", "/home/me/.local/share/tinsel-jumble"},
      // A relative XDG_DATA_HOME is invalid and ignored.
      {"share", "/home/me", "/home/me/.local/share/tinsel-jumble"},
      {"/data/me", nullptr, "/data/me/tinsel-jumble"},
      {nullptr, nullptr, ""},
      {nullptr, "me", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(zr_storage_DataHomeSaveFolder(c.xdgDataHome, c.home), c.folder)
        << (c.xdgDataHome ? c.xdgDataHome : "(unset)") << " " << (c.home ? c.home : "(unset)");
  }
}

class EnterSaveFolder : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_NE(getcwd(m_oldDir, sizeof m_oldDir), nullptr); }
  void TearDown() override { ASSERT_EQ(chdir(m_oldDir), 0); }
  std::string m_home = MakeTempFolder("tj-home");
  char m_oldDir[4096];
};

TEST_F(EnterSaveFolder, CreatesMissingFoldersPrivatelyAndTheSaveLandsThere) {
  std::string folder = zr_storage_DataHomeSaveFolder(nullptr, m_home.c_str());
  ASSERT_EQ(zr_storage_EnterFolder(folder), "");
  struct stat info;
  for (const std::string& made : {m_home + "/.local", m_home + "/.local/share", folder}) {
    ASSERT_EQ(stat(made.c_str(), &info), 0) << made;
    EXPECT_EQ(info.st_mode & 0777, 0700u) << made;
  }
  ZrGame host;
  ASSERT_EQ(host.SaveState(String("1|2|3|")), 0);
  std::ifstream saved(folder + "/.quillostate");
  std::string content;
  std::getline(saved, content);
  EXPECT_EQ(content, "1|2|3|");

  // Entering it again, as every later start does, keeps what is there.
  ASSERT_EQ(chdir(m_oldDir), 0);
  ASSERT_EQ(zr_storage_EnterFolder(folder), "");
  EXPECT_EQ(host.LoadState().ToUtf8(), "1|2|3|");
}

TEST_F(EnterSaveFolder, AFileInTheWayIsReported) {
  std::ofstream(m_home + "/.local").put('x');
  std::string problem = zr_storage_EnterFolder(zr_storage_DataHomeSaveFolder(nullptr, m_home.c_str()));
  EXPECT_NE(problem.find(m_home + "/.local/share"), std::string::npos) << problem;
  EXPECT_NE(problem.find("Not a directory"), std::string::npos) << problem;
  EXPECT_NE(zr_storage_EnterFolder(""), "");
}

}  // namespace
