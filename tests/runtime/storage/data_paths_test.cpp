// Where toolkit paths land on disk: data names get the data folder, the three "quillo:"
// folders sit beside the executable, and platform paths pass untouched.
#include <gtest/gtest.h>

#include "runtime/storage/data_paths.h"

namespace {

TEST(DataPaths, FixDataPathPrefixesOnlyPlainNames) {
  struct Case {
    const char* path;
    const char* fixed;
  } cases[] = {
      {"gfx/menu.png", "quillo://data/gfx/menu.png"},
      {"sfx/001.wav", "quillo://data/sfx/001.wav"},
      {"./save.txt", "./save.txt"},
      {"/etc/passwd", "/etc/passwd"},
      {"C:/games/x.png", "C:/games/x.png"},
      {"quillo://internal/x.txt", "quillo://internal/x.txt"},
      // ":/" after the first slash is not a scheme: the name is an ordinary data name.
      {"gfx/odd:/x.png", "quillo://data/gfx/odd:/x.png"},
      {"", "quillo://data/"},
  };
  for (const Case& c : cases) EXPECT_EQ(zr_data_FixDataPath(c.path).ToUtf8(), c.fixed) << c.path;
}

TEST(DataPaths, QuilloFoldersSitBesideTheExecutable) {
  String appDir("/opt/tinsel");
  struct Case {
    const char* path;
    const char* filePath;
  } cases[] = {
      {"quillo://data/gfx/menu.png", "/opt/tinsel/data/gfx/menu.png"},
      {"quillo://internal/x.txt", "/opt/tinsel/internal/x.txt"},
      {"quillo://external/y.txt", "/opt/tinsel/external/y.txt"},
      {"quillo://elsewhere/z.txt", ""},
      {"quillo:data/gfx/menu.png", ""},
      {"./.quillostate", "./.quillostate"},
      {"/tmp/a.png", "/tmp/a.png"},
      {"C:/a.png", "C:/a.png"},
  };
  for (const Case& c : cases) EXPECT_EQ(zr_storage_ToFilePath(c.path, appDir).ToUtf8(), c.filePath) << c.path;
}

TEST(DataPaths, ExecutableDirIsTheFolderOfThisProgram) {
  std::string dir = zr_storage_ExecutableDir().ToUtf8();
  ASSERT_FALSE(dir.empty());
  EXPECT_EQ(dir[0], '/');
  EXPECT_NE(dir.back(), '/');
  // This test program lives in the build tree's tests folder.
  EXPECT_EQ(dir.substr(dir.rfind('/')), "/tests");
}

}  // namespace
