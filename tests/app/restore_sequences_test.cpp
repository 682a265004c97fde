// The way back as a player meets it: files marked read-only after the optimize, files that were
// not there, files the game holds, and a program that dies in the middle of its first backup.
// Each sequence ends with the game's folder as it was before the first optimize.
#include <gtest/gtest.h>

#include "app/backup.h"
#include "app/file_ops.h"
#include "app/profiles.h"
#include "app/retry_while_held.h"
#include "tests/app/app_test_util.h"
#include "tests/support/seam_recorder.h"

using testing_support::PathExists;
using testing_support::ReadFileBytes;
using testing_support::SeamRecorder;
using testing_support::WriteFileBytes;
using Texts = std::vector<std::string>;

// Players mark GameUserSettings.ini read-only (and sometimes hidden) after optimizing, so that the
// game cannot undo it. The restore puts it back all the same, with the attributes it had before.
TEST(RestoreSequences, FilesMarkedReadOnlyOrHiddenAfterTheOptimizeComeBackAsTheyWere) {
  for (const DWORD marked :
       {DWORD{FILE_ATTRIBUTE_READONLY}, DWORD{FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN}}) {
    SCOPED_TRACE(marked);
    apptest::GameFolder dir;
    const std::string settings = dir.path() + "GameUserSettings.ini";
    const DWORD before = apptest::GuardAttributes(settings);
    app::OptimizeAction(dir.path(), app::kLowSpecProfile);
    ASSERT_TRUE(SetFileAttributesA(settings.c_str(), marked));

    apptest::ExpectSilentRestore(dir.path());
    apptest::ExpectGameFilesUnchanged(dir.path());
    for (const char* name : apptest::kGameFiles)
      EXPECT_EQ(apptest::GuardAttributes(dir.path() + name), before) << name;
  }
}

// A file that was not there is recorded absent, written by the profile, and deleted again by the
// restore: after one optimize or two, even when it was marked read-only or the game held it at
// the first restore; one deleted by hand meanwhile counts as gone. The record, and a copy a crash
// left unfinished, go with the folder even when they are read-only.
TEST(RestoreSequences, AFileThatWasNotThereIsGoneAgainAfterTheRestore) {
  enum class Then {
    kRestore,
    kOptimizeAgain,
    kMarkReadOnly,
    kHoldAtRestore,
    kDeletedByHand,
    kReadOnlyLeftovers
  };
  for (const Then then : {Then::kRestore, Then::kOptimizeAgain, Then::kMarkReadOnly,
                          Then::kHoldAtRestore, Then::kDeletedByHand, Then::kReadOnlyLeftovers}) {
    SCOPED_TRACE(static_cast<int>(then));
    SeamRecorder recorder;
    apptest::GameFolder dir;
    const std::string scalability = dir.path() + "Scalability.ini";
    ASSERT_TRUE(DeleteFileA(scalability.c_str()));

    app::WindowUpdate update = app::OptimizeAction(dir.path(), app::kLowSpecProfile);
    EXPECT_TRUE(recorder.messages().empty());
    EXPECT_EQ(update.label2Caption, app::kOptimizeDoneCaption);
    EXPECT_TRUE(PathExists(scalability));
    EXPECT_EQ(ReadFileBytes(dir.path() + apptest::kBackup + "\\Scalability.ini.不存在"), "");
    EXPECT_FALSE(PathExists(dir.path() + apptest::kBackup + "\\Scalability.ini"));

    if (then == Then::kOptimizeAgain) {
      update = app::OptimizeAction(dir.path(), app::kNormalProfile);
      EXPECT_TRUE(recorder.messages().empty());
      EXPECT_EQ(update.label2Caption, app::kOptimizeDoneCaption);
      // The file the profile made is not the player's: it is never saved as if it were.
      EXPECT_FALSE(PathExists(dir.path() + apptest::kBackup + "\\Scalability.ini"));
    }
    if (then == Then::kMarkReadOnly) {
      ASSERT_TRUE(SetFileAttributesA(scalability.c_str(), FILE_ATTRIBUTE_READONLY));
    }
    if (then == Then::kDeletedByHand) {
      ASSERT_TRUE(DeleteFileA(scalability.c_str()));
    }
    if (then == Then::kReadOnlyLeftovers) {
      const std::string unfinished = dir.path() + apptest::kBackup + "\\~Engine.ini.tmp";
      WriteFileBytes(unfinished, "cut sh");
      for (const std::string& own :
           {unfinished, dir.path() + apptest::kBackup + "\\Scalability.ini.不存在"})
        ASSERT_TRUE(SetFileAttributesA(own.c_str(), FILE_ATTRIBUTE_READONLY));
    }
    if (then == Then::kHoldAtRestore) {
      apptest::FileLock lock(scalability);
      ASSERT_TRUE(lock.held());
      EXPECT_TRUE(app::RestoreAction(dir.path()).restoreEnabled);
      EXPECT_EQ(recorder.messageTexts(), Texts{apptest::kRestoreFailed});
      EXPECT_TRUE(PathExists(scalability));
      EXPECT_TRUE(PathExists(dir.path() + apptest::kBackup + "\\Scalability.ini.不存在"));
      recorder.clear();
    }

    apptest::ExpectSilentRestore(dir.path());
    EXPECT_FALSE(PathExists(scalability));
    EXPECT_EQ(ReadFileBytes(dir.path() + "Engine.ini"), apptest::kEngine);
    EXPECT_EQ(ReadFileBytes(dir.path() + "GameUserSettings.ini"), apptest::kGameUserSettings);
  }
}

// The game holds GameUserSettings.ini at the first optimize: no copy, so it is not written and
// stays the player's own. Released, it needs nothing from the restore; deleted before the next
// optimize, it is recorded then, without a message, and deleted again by the restore.
TEST(RestoreSequences, AFileHeldAtTheFirstOptimizeIsLeftAloneOrRecordedLater) {
  for (const bool deletedBeforeTheNext : {false, true}) {
    SCOPED_TRACE(deletedBeforeTheNext ? "deleted, then optimized again" : "released");
    SeamRecorder recorder;
    apptest::GameFolder dir;
    const std::string settings = dir.path() + "GameUserSettings.ini";
    {
      apptest::FileLock lock(settings);
      ASSERT_TRUE(lock.held());
      app::OptimizeAction(dir.path(), app::kNormalProfile);
    }
    EXPECT_EQ(recorder.messageTexts(), Texts{apptest::kBackupFailed});
    EXPECT_EQ(ReadFileBytes(settings), apptest::kGameUserSettings);

    if (deletedBeforeTheNext) {
      ASSERT_TRUE(DeleteFileA(settings.c_str()));
      recorder.clear();
      const app::WindowUpdate update = app::OptimizeAction(dir.path(), app::kLowSpecProfile);
      EXPECT_TRUE(recorder.messages().empty());
      EXPECT_EQ(update.label2Caption, app::kOptimizeDoneCaption);
      EXPECT_TRUE(PathExists(settings));
    }

    apptest::ExpectSilentRestore(dir.path());
    EXPECT_EQ(ReadFileBytes(dir.path() + "Engine.ini"), apptest::kEngine);
    EXPECT_EQ(ReadFileBytes(dir.path() + "Scalability.ini"), apptest::kScalability);
    if (deletedBeforeTheNext)
      EXPECT_FALSE(PathExists(settings));
    else
      EXPECT_EQ(ReadFileBytes(settings), apptest::kGameUserSettings);
  }
}

// The game holds a file it rewrote since the optimize, letting others read it: the restore cannot
// copy over it, and counts it as back only when every byte equals the copy, not just the size or
// the first bytes. Until then the backup and "还原" stay; once released, all comes back.
TEST(RestoreSequences, AFileTheGameHoldsCountsAsBackOnlyWhenEveryByteIsTheCopys) {
  const std::string original = "[ScalabilityGroups]\r\n; " + std::string(9000, 'x') + "\r\n";
  struct Row {
    const char* what;
    size_t changedAt;  // npos: the game wrote the copy's bytes again
  };
  const Row rows[] = {
      {"same size, changed after the first 4 KB", 5000},
      {"same size, last byte changed", original.size() - 1},
      {"same bytes", std::string::npos},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    SeamRecorder recorder;
    apptest::GameFolder dir;
    const std::string settings = dir.path() + "GameUserSettings.ini";
    WriteFileBytes(settings, original);
    app::OptimizeAction(dir.path(), app::kLowSpecProfile);
    std::string rewritten = original;
    if (row.changedAt != std::string::npos) rewritten[row.changedAt] = 'y';
    WriteFileBytes(settings, rewritten);

    const bool same = row.changedAt == std::string::npos;
    {
      apptest::FileLock lock(settings, FILE_SHARE_READ);
      ASSERT_TRUE(lock.held());
      EXPECT_EQ(app::RestoreAction(dir.path()).restoreEnabled, !same);
    }
    EXPECT_EQ(recorder.messageTexts(), same ? Texts{} : Texts{apptest::kRestoreFailed});
    EXPECT_EQ(ReadFileBytes(dir.path() + "Engine.ini"), apptest::kEngine);
    EXPECT_EQ(ReadFileBytes(settings), rewritten);
    if (same) {
      EXPECT_FALSE(PathExists(dir.path() + apptest::kBackup));
      continue;
    }
    EXPECT_EQ(ReadFileBytes(dir.path() + apptest::kBackup + "\\GameUserSettings.ini"), original);
    apptest::ExpectSilentRestore(dir.path());
    EXPECT_EQ(ReadFileBytes(settings), original);
  }
}

// A scanner holds a file for a moment, here until the program first waits: GameUserSettings.ini
// sharing reading only while the profile is written, the unfinished copy of Engine.ini sharing
// reading only from its flush on (so that it cannot be renamed), a saved copy sharing everything
// (it can be deleted, but keeps its name until it is let go) while the backup folder is removed.
// Both clicks end as if it had not been there.
TEST(RestoreSequences, AFileAScannerHoldsForAMomentIsWaitedFor) {
  struct Row {
    bool atRestore, fromTheFlush;
    const char* file;
    DWORD share;
  };
  const Row rows[] = {{false, false, "GameUserSettings.ini", FILE_SHARE_READ},
                      {false, true, "墨鸢一键优化备份\\~Engine.ini.tmp", FILE_SHARE_READ},
                      {true, false, "墨鸢一键优化备份\\Engine.ini",
                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE}};
  static HANDLE held;
  static int waits;
  static std::string heldPath;
  static DWORD share;
  for (const Row& row : rows) {
    SCOPED_TRACE(row.file);
    SeamRecorder recorder;
    apptest::GameFolder dir;
    if (row.atRestore) app::OptimizeAction(dir.path(), app::kLowSpecProfile);
    heldPath = dir.path() + row.file;
    share = row.share;
    static const auto hold = [](const std::string& path) {
      if (path == heldPath)
        held = CreateFileA(path.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING, 0, nullptr);
    };
    held = INVALID_HANDLE_VALUE;
    if (row.fromTheFlush)
      app::SaveCopySeams().afterStep = [](app::SaveCopyStep step, const std::string& path) {
        if (step == app::SaveCopyStep::kFlushed) hold(path);
      };
    else
      hold(heldPath);
    waits = 0;
    app::HoldWaitSeams().wait = [](DWORD) {
      if (waits++ == 0) CloseHandle(held);
    };
    if (row.atRestore) {
      apptest::ExpectSilentRestore(dir.path());
      apptest::ExpectGameFilesUnchanged(dir.path());
    } else {
      EXPECT_EQ(app::OptimizeAction(dir.path(), app::kLowSpecProfile).label2Caption,
                app::kOptimizeDoneCaption);
      EXPECT_TRUE(recorder.messages().empty());
      EXPECT_EQ(apptest::ReadIni(dir.path() + "GameUserSettings.ini")[0].second.size(), 8u);
    }
    app::HoldWaitSeams().wait = nullptr;
    app::SaveCopySeams().afterStep = nullptr;
    if (waits == 0) CloseHandle(held);
    EXPECT_GT(waits, 0);
  }
}

// The program dies in the middle of its first backup, with the copy of GameUserSettings.ini cut
// short (a crash, Task Manager, a power cut). Nothing cut short is taken for a copy: the next
// optimize saves the file again before writing it, and the restore gives back every byte.
TEST(RestoreSequences, ACopyCutShortByACrashIsNeverTrusted) {
  // The death test runs this body again in a child process: the folder must be the same there.
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  const std::string folder = std::string(temp) + "cy-crash-during-backup\\";
  testing_support::RemoveTree(folder.substr(0, folder.size() - 1));
  ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
  apptest::WriteGameFiles(folder);

  EXPECT_EXIT(
      {
        app::SaveCopySeams().afterStep = [](app::SaveCopyStep step, const std::string& path) {
          static int copies = 0;
          if (step != app::SaveCopyStep::kCopied || ++copies < 2) return;
          // What a crash in the middle of CopyFileA was seen to leave: an empty file.
          CloseHandle(
              CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING, 0, nullptr));
          TerminateProcess(GetCurrentProcess(), 3);
        };
        app::OptimizeAction(folder, app::kLowSpecProfile);
      },
      testing::ExitedWithCode(3), "");
  apptest::ExpectGameFilesUnchanged(folder);
  EXPECT_EQ(ReadFileBytes(folder + apptest::kBackup + "\\Engine.ini"), apptest::kEngine);
  EXPECT_FALSE(PathExists(folder + apptest::kBackup + "\\GameUserSettings.ini"));
  EXPECT_FALSE(PathExists(folder + apptest::kBackup + "\\Scalability.ini"));

  SeamRecorder recorder;
  const app::WindowUpdate update = app::OptimizeAction(folder, app::kLowSpecProfile);
  EXPECT_TRUE(recorder.messages().empty());
  EXPECT_EQ(update.label2Caption, app::kOptimizeDoneCaption);
  EXPECT_NE(ReadFileBytes(folder + "GameUserSettings.ini"), apptest::kGameUserSettings);
  EXPECT_FALSE(PathExists(folder + apptest::kBackup + "\\~GameUserSettings.ini.tmp"));
  apptest::ExpectSilentRestore(folder);
  apptest::ExpectGameFilesUnchanged(folder);
  testing_support::RemoveTree(folder.substr(0, folder.size() - 1));
}
