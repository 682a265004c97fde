// A file step that fails because another program holds the file for a moment is tried again; a
// step refused for good is not, and no step or action waits longer than its limit.
#include "app/retry_while_held.h"

#include <gtest/gtest.h>

#include "app/profiles.h"
#include "tests/app/app_test_util.h"
#include "tests/support/temp_dir.h"

using testing_support::TempDir;
using testing_support::WriteFileBytes;

TEST(RetryWhileHeld, WaitsOutHoldersButNotRefusalsAndNeverForLong) {
  TempDir dir;
  const std::string file = dir.path() + "Engine.ini", readOnly = dir.path() + "Scalability.ini";
  WriteFileBytes(file, "x");
  ASSERT_TRUE(apptest::WriteReadOnlyFile(readOnly, "x"));
  // Windows refuses even a look at a file that is being deleted while another program holds it
  // open; Wine lets that look through, and refuses it in a folder its user may not list.
  const std::string closed = dir.path() + "closed", unlookable = closed + "\\Engine.ini";
  ASSERT_TRUE(CreateDirectoryA(closed.c_str(), nullptr));
  WriteFileBytes(unlookable, "x");
  apptest::RunUnix("/bin/chmod 0 \"" + apptest::UnixName(closed) + "\"");
  ASSERT_TRUE(apptest::WaitForPath(unlookable, false));
  ASSERT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
  struct Row {
    const char* what;
    std::string path;
    DWORD error;
    bool waitedOut;
  };
  const Row rows[] = {
      {"sharing violation", file, ERROR_SHARING_VIOLATION, true},
      {"lock violation", file, ERROR_LOCK_VIOLATION, true},
      {"access denied to a file", file, ERROR_ACCESS_DENIED, true},
      {"access denied to a file that cannot be looked at", unlookable, ERROR_ACCESS_DENIED, true},
      {"access denied to a read-only file", readOnly, ERROR_ACCESS_DENIED, false},
      {"access denied to a new file", dir.path() + "new.ini", ERROR_ACCESS_DENIED, false},
      {"access denied to a folder", dir.path(), ERROR_ACCESS_DENIED, false},
      {"folder not found", dir.path() + "gone\\x.ini", ERROR_PATH_NOT_FOUND, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    const apptest::CountedWaits waits;
    int tries = 0;
    const auto failsTwice = [&] {
      if (++tries > 2) return true;
      SetLastError(row.error);
      return false;
    };
    EXPECT_EQ(app::RetryWhileHeld(row.path, failsTwice), row.waitedOut);
    EXPECT_EQ(tries, row.waitedOut ? 3 : 1);
    EXPECT_EQ(waits.total > 0, row.waitedOut);
    if (!row.waitedOut) {
      EXPECT_EQ(GetLastError(), row.error);
    }
  }

  // A holder that never lets go: about a second for each step, about three for an action. An
  // optimize is one action, though each of its 13 writes finds its file held.
  const auto heldForever = [] {
    SetLastError(ERROR_SHARING_VIOLATION);
    return false;
  };
  const apptest::CountedWaits waits;
  EXPECT_FALSE(app::RetryWhileHeld(file, heldForever));
  EXPECT_GE(waits.total, 900u);
  EXPECT_LE(waits.total, 1000u);
  {
    const app::ActionWaits action;
    waits.total = 0;
    for (int step = 0; step < 5; ++step) EXPECT_FALSE(app::RetryWhileHeld(file, heldForever));
    EXPECT_GE(waits.total, 2900u);
    EXPECT_LE(waits.total, 3000u);
  }
  waits.total = 0;
  EXPECT_FALSE(app::RetryWhileHeld(file, heldForever));
  EXPECT_GE(waits.total, 900u);
  apptest::GameFolder game;
  testing_support::SeamRecorder recorder;
  app::OptimizeAction(game.path(), app::kLowSpecProfile);
  {
    const apptest::FileLock engine(game.path() + "Engine.ini"),
        settings(game.path() + "GameUserSettings.ini"),
        scalability(game.path() + "Scalability.ini");
    app::OptimizeAction(game.path(), app::kLowSpecProfile);
    EXPECT_GE(waits.total, 2900u);
    EXPECT_LE(waits.total, 3000u);
  }
  SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_NORMAL);
  apptest::RunUnix("/bin/chmod 755 \"" + apptest::UnixName(closed) + "\"");
  EXPECT_TRUE(apptest::WaitForPath(unlookable));
}
