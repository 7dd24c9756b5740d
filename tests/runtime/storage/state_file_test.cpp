// The state file. Failing steps come from a file system that does the real work but
// breaks at a chosen step.
#include <dirent.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>

#include "folder_host.h"
#include "host/zr_game.h"
#include "runtime/storage/state_file.h"

namespace {

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// Runs the tests in a scratch working folder, where the state file lives.
class StateFile : public ::testing::Test {
 protected:
  void SetUp() override {
    m_dir = MakeTempFolder("tj-state");
    ASSERT_NE(getcwd(m_oldDir, sizeof m_oldDir), nullptr);
    ASSERT_EQ(chdir(m_dir.c_str()), 0);
  }
  void TearDown() override { ASSERT_EQ(chdir(m_oldDir), 0); }
  // Names in the scratch folder other than the state file itself.
  int StrayFiles() {
    int count = 0;
    DIR* dir = opendir(".");
    while (dirent* entry = readdir(dir)) {
      std::string name = entry->d_name;
      if (name != "." && name != ".." && name != ".quillostate") ++count;
    }
    closedir(dir);
    return count;
  }

  std::string m_dir;
  char m_oldDir[4096];
};

TEST_F(StateFile, StateComesBackAsSavedInUtf8) {
  ZrGame host;
  EXPECT_TRUE(host.LoadState().IsEmpty()) << "no file yet reads as no state";

  const Char text[] = {'1', '|', 0xE9, '|', 0x20AC, '|', 'z'};
  String state(text, 7);
  ASSERT_EQ(host.SaveState(state), 0);
  EXPECT_EQ(readFile(".quillostate"), "1|\xC3\xA9|\xE2\x82\xAC|z");
  EXPECT_TRUE(host.LoadState() == state);

  ASSERT_EQ(host.SaveState("second"), 0);
  EXPECT_EQ(readFile(".quillostate"), "second");
  EXPECT_EQ(StrayFiles(), 0) << "no temporary file is left behind";

  ASSERT_EQ(host.SaveState(""), 0);
  EXPECT_EQ(readFile(".quillostate"), "");
}

// Does everything for real except the one step it is told to break.
class BreakingFileSystem : public StateFileSystem {
 public:
  enum Step { kNone, kCreate, kWrite, kSync, kClose, kRename, kCrashBeforeRename };
  explicit BreakingFileSystem(Step step) : m_step(step), m_real(zr_storage_PosixFileSystem()) {}

  // A read-only folder: nothing can be created in it.
  int Create(const std::string& path) override {
    if (m_step != kCreate) return m_real.Create(path);
    errno = EROFS;
    return -1;
  }
  bool WriteAll(int descriptor, const char* bytes, size_t count) override {
    if (m_step != kWrite) return m_real.WriteAll(descriptor, bytes, count);
    // A full disk: half the bytes land, then the write fails.
    m_real.WriteAll(descriptor, bytes, count / 2);
    errno = ENOSPC;
    return false;
  }
  bool Sync(int descriptor) override { return m_step == kSync ? false : m_real.Sync(descriptor); }
  bool Close(int descriptor) override { return m_real.Close(descriptor) && m_step != kClose; }
  bool Rename(const std::string& from, const std::string& to) override {
    if (m_step == kCrashBeforeRename) throw std::runtime_error("power cut");
    return m_step == kRename ? false : m_real.Rename(from, to);
  }
  void Remove(const std::string& path) override { m_real.Remove(path); }
  void SyncDirectory(const std::string& directory) override { m_real.SyncDirectory(directory); }

 private:
  Step m_step;
  StateFileSystem& m_real;
};

// Each failed save keeps the previous state and says so in one line, with the file the
// player would look for and, where the system gave one, the reason.
TEST_F(StateFile, FailedSaveKeepsThePreviousStateAndSaysSo) {
  const std::string previous = "7|settings|highscores";
  const std::string file = m_dir + "/.quillostate";
  struct Case {
    BreakingFileSystem::Step step;
    const char* label;
    std::string reason;
  } cases[] = {
      {BreakingFileSystem::kCreate, "read-only folder", " (Read-only file system)"},
      {BreakingFileSystem::kWrite, "disk full", " (No space left on device)"},
      {BreakingFileSystem::kSync, "sync", ""},
      {BreakingFileSystem::kClose, "close", ""},
      {BreakingFileSystem::kRename, "rename", ""},
  };
  for (const Case& c : cases) {
    ASSERT_EQ(zr_storage_SaveState(String(previous.c_str()), "./.quillostate", zr_storage_PosixFileSystem()), 0);
    BreakingFileSystem broken(c.step);
    errno = 0;
    testing::internal::CaptureStderr();
    EXPECT_EQ(zr_storage_SaveState("a much longer new state that never lands", "./.quillostate", broken), -1)
        << c.label;
    std::string warned = testing::internal::GetCapturedStderr();
    std::printf("%s: the player reads: %s", c.label, warned.c_str());
    EXPECT_EQ(warned, "Save failed: cannot write " + file + c.reason + "; the previous save is kept\n") << c.label;
    EXPECT_EQ(readFile(".quillostate"), previous) << c.label;
    EXPECT_EQ(StrayFiles(), 0) << c.label << ": the temporary file is cleaned up";
  }
}

TEST_F(StateFile, SaveInterruptedBeforeRenameLeavesPreviousStateIntact) {
  ZrGame host;
  ASSERT_EQ(host.SaveState("3|old"), 0);
  BreakingFileSystem crashing(BreakingFileSystem::kCrashBeforeRename);
  EXPECT_THROW(zr_storage_SaveState("4|new", ".quillostate", crashing), std::runtime_error);

  // The next start finds the old state, and the next save still works.
  EXPECT_TRUE(host.LoadState() == String("3|old"));
  ASSERT_EQ(host.SaveState("5|newer"), 0);
  EXPECT_TRUE(host.LoadState() == String("5|newer"));
}

// A folder where the state file should be (made by hand, or by a broken copy) is
// neither replaced nor read as a save; the game starts fresh and says why it cannot save.
TEST_F(StateFile, AFolderInPlaceOfTheFileIsLeftAloneAndReadsAsNoState) {
  ZrGame host;
  ASSERT_EQ(mkdir(".quillostate", 0700), 0);
  testing::internal::CaptureStderr();
  EXPECT_EQ(host.SaveState("lost"), -1);
  EXPECT_NE(testing::internal::GetCapturedStderr().find("Save failed"), std::string::npos);
  EXPECT_TRUE(host.LoadState().IsEmpty());
  struct stat info {};
  ASSERT_EQ(stat(".quillostate", &info), 0);
  EXPECT_TRUE(S_ISDIR(info.st_mode));
  EXPECT_EQ(StrayFiles(), 0);
}

}  // namespace
