#include "app/backup.h"

#include <gtest/gtest.h>

#include "app/file_ops.h"
#include "app/misread_backup.h"
#include "app/profiles.h"
#include "tests/app/app_test_util.h"
#include "tests/support/seam_recorder.h"

using testing_support::PathExists;
using testing_support::ReadFileBytes;
using testing_support::SeamRecorder;
using testing_support::TempDir;
using testing_support::WriteFileBytes;
using Texts = std::vector<std::string>;

namespace {

// The restore's window update; "还原" stays enabled while the backup folder is still there.
void ExpectRestoreUpdate(const app::WindowUpdate& update, bool backupLeft = false) {
  EXPECT_EQ(update.restoreEnabled, backupLeft);
  EXPECT_EQ(update.label2Caption, "还原完毕，感谢你的使用。\r\n（如有使用问题欢迎反馈）");
  EXPECT_EQ(update.label1Caption, "配置文件路径：");
}

void ExpectEverythingRestoredSilently(const std::string& folder) {
  apptest::ExpectSilentRestore(folder);
  apptest::ExpectGameFilesUnchanged(folder);
}

void ExpectShellOpenedOnce(const SeamRecorder& recorder, const std::string& folder) {
  ASSERT_EQ(recorder.shellCalls().size(), 1u);
  const auto& call = recorder.shellCalls()[0];
  EXPECT_EQ(call.owner, nullptr);
  EXPECT_EQ(call.file, folder);
  EXPECT_TRUE(call.hasDirectory);
  EXPECT_EQ(call.directory, "");
}

// Optimize twice, restore: the files from before the first optimize, byte for byte.
void ExpectRoundTrip(const std::string& folder) {
  SeamRecorder recorder;
  apptest::WriteGameFiles(folder);
  EXPECT_FALSE(app::BackupExists(folder));
  app::OptimizeAction(folder, app::kLowSpecProfile);
  EXPECT_TRUE(app::BackupExists(folder));
  EXPECT_NE(ReadFileBytes(folder + "Scalability.ini"), apptest::kScalability);
  app::OptimizeAction(folder, app::kNormalProfile);

  ExpectRestoreUpdate(app::RestoreAction(folder));
  apptest::ExpectGameFilesUnchanged(folder);
  EXPECT_FALSE(PathExists(folder + apptest::kBackup));
  EXPECT_TRUE(recorder.messages().empty());
  EXPECT_TRUE(recorder.shellCalls().empty());
}

}  // namespace

TEST(BackupRestore, OptimizeTwiceThenRestoreGivesBackTheOriginalBytes) {
  TempDir dir;
  ExpectRoundTrip(dir.path());
}

// Names no code page holds all of: a Spanish account, Korean, and "誠", whose code page 936 form
// ends in the byte of a backslash.
TEST(BackupRestore, FolderNamesInAnyScriptRoundTrip) {
  TempDir dir("Muñoz-한국");
  const std::string folder = dir.path() + "陳誠\\";
  ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
  ExpectRoundTrip(folder);
}

// A backup folder that an earlier build left under the name code page 950 gave it is the backup
// folder, records and all; beside one of the right name it is left as it is.
TEST(BackupRestore, AMisreadBackupFolderIsTakenOnlyWhereNoneHasTheRightName) {
  for (const bool rightOneToo : {false, true}) {
    SCOPED_TRACE(rightOneToo);
    TempDir dir;
    const std::string misread = dir.path() + app::MisreadBackupFolderName(950) + "\\";
    ASSERT_EQ(misread, dir.path() + "蘋藎珨瑩蚥趙掘爺\\");
    ASSERT_TRUE(app::CreateFolder(misread));
    const std::string record = "Scalability.ini" + app::MisreadAbsentSuffix(950);
    WriteFileBytes(misread + record, "");
    if (rightOneToo) {
      ASSERT_TRUE(app::CreateFolder(dir.path() + apptest::kBackup));
    }
    app::AdoptMisreadBackupFolder(dir.path(), 950);
    EXPECT_EQ(PathExists(misread + record), rightOneToo);
    EXPECT_EQ(PathExists(app::AbsentRecordPath(dir.path(), "Scalability.ini")), !rightOneToo);
  }
}

// Nothing can be saved or written: one message, no completion text, and no backup to restore.
TEST(BackupRestore, MissingConfigFolderIsReportedOnceAndClaimsNothing) {
  SeamRecorder recorder;
  TempDir dir;
  const std::string folder = dir.path() + "missing\\";
  app::WindowUpdate update = app::OptimizeAction(folder, app::kLowSpecProfile);
  EXPECT_EQ(recorder.messageTexts(), Texts{apptest::kBackupFailed});
  EXPECT_FALSE(update.restoreEnabled);
  EXPECT_FALSE(update.label2Caption);
  EXPECT_FALSE(update.label1Caption);
  EXPECT_FALSE(PathExists(folder));
}

TEST(BackupRestore, AFileNamedLikeTheBackupFolderCountsAsABackupButNothingIsWritten) {
  SeamRecorder recorder;
  apptest::GameFolder dir;
  WriteFileBytes(dir.path() + apptest::kBackup, "not a folder");
  EXPECT_TRUE(app::BackupExists(dir.path()));

  // No copy can go into it, so no file is written.
  EXPECT_TRUE(app::OptimizeAction(dir.path(), app::kLowSpecProfile).restoreEnabled);
  EXPECT_EQ(recorder.messageTexts(), Texts{apptest::kBackupFailed});
  apptest::ExpectGameFilesUnchanged(dir.path());

  // Nothing was written, so nothing needs to come back; the file stays, and so does "还原".
  recorder.clear();
  ExpectRestoreUpdate(app::RestoreAction(dir.path()), true);
  EXPECT_EQ(recorder.messageTexts(), Texts{apptest::kDeleteFailed});
  ExpectShellOpenedOnce(recorder, dir.path());
  EXPECT_EQ(ReadFileBytes(dir.path() + apptest::kBackup), "not a folder");

  // Without the three files, no record of their absence can go into it either: a backup failure.
  for (const char* name : apptest::kGameFiles)
    ASSERT_TRUE(DeleteFileA((dir.path() + name).c_str()));
  recorder.clear();
  app::OptimizeAction(dir.path(), app::kLowSpecProfile);
  EXPECT_EQ(recorder.messageTexts(), Texts{apptest::kBackupFailed});
}

TEST(BackupRestore, ADotFileInTheBackupFolderSurvivesAndTheEmptiedFolderIsCompletedLater) {
  SeamRecorder recorder;
  apptest::GameFolder dir;
  app::OptimizeAction(dir.path(), app::kLowSpecProfile);
  WriteFileBytes(dir.path() + apptest::kBackup + "\\.keep", "x");

  ExpectRestoreUpdate(app::RestoreAction(dir.path()), true);
  apptest::ExpectGameFilesUnchanged(dir.path());
  EXPECT_EQ(recorder.messageTexts(), Texts{apptest::kDeleteFailed});
  ExpectShellOpenedOnce(recorder, dir.path());
  EXPECT_TRUE(PathExists(dir.path() + apptest::kBackup + "\\.keep"));
  EXPECT_FALSE(PathExists(dir.path() + apptest::kBackup + "\\Engine.ini"));

  // The emptied folder still counts as a backup: the next optimize saves the files into it
  // before it writes them, and the restore after it gives them back.
  recorder.clear();
  app::OptimizeAction(dir.path(), app::kNormalProfile);
  EXPECT_TRUE(recorder.messages().empty());
  EXPECT_EQ(ReadFileBytes(dir.path() + apptest::kBackup + "\\GameUserSettings.ini"),
            apptest::kGameUserSettings);
  ASSERT_TRUE(DeleteFileA((dir.path() + apptest::kBackup + "\\.keep").c_str()));
  ExpectEverythingRestoredSilently(dir.path());
}

TEST(BackupRestore, BackupFolderDeletedByHandIsRecreatedAndRemovedAgain) {
  SeamRecorder recorder;
  apptest::GameFolder dir;
  app::OptimizeAction(dir.path(), app::kLowSpecProfile);
  const std::string optimized = ReadFileBytes(dir.path() + "Engine.ini");
  for (const char* name : apptest::kGameFiles)
    ASSERT_TRUE(DeleteFileA((dir.path() + apptest::kBackup + "\\" + name).c_str()));
  ASSERT_TRUE(RemoveDirectoryA((dir.path() + apptest::kBackup).c_str()));

  ExpectRestoreUpdate(app::RestoreAction(dir.path()));
  EXPECT_EQ(recorder.messageTexts(), Texts{apptest::kRestoreFailed});
  EXPECT_TRUE(recorder.shellCalls().empty());
  EXPECT_FALSE(PathExists(dir.path() + apptest::kBackup));
  EXPECT_EQ(ReadFileBytes(dir.path() + "Engine.ini"), optimized);
}

namespace {

// Optimizes the original files, then restores while the game holds GameUserSettings.ini open:
// the other two come back, the folder keeps all three copies, and the restore reports failure.
void OptimizeThenRestoreWhileTheGameHoldsItsSettings(const std::string& folder,
                                                     const app::Profile& profile) {
  SeamRecorder recorder;
  apptest::WriteGameFiles(folder);
  app::OptimizeAction(folder, profile);
  const std::string optimized = ReadFileBytes(folder + "GameUserSettings.ini");
  apptest::FileLock lock(folder + "GameUserSettings.ini");
  ASSERT_TRUE(lock.held());

  ExpectRestoreUpdate(app::RestoreAction(folder), true);
  lock.Release();
  EXPECT_EQ(recorder.messageTexts(), Texts{apptest::kRestoreFailed});
  EXPECT_TRUE(recorder.shellCalls().empty());
  EXPECT_EQ(ReadFileBytes(folder + "Engine.ini"), apptest::kEngine);
  EXPECT_EQ(ReadFileBytes(folder + "Scalability.ini"), apptest::kScalability);
  EXPECT_EQ(ReadFileBytes(folder + "GameUserSettings.ini"), optimized);
  EXPECT_TRUE(app::BackupExists(folder));
  EXPECT_EQ(ReadFileBytes(folder + apptest::kBackup + "\\Engine.ini"), apptest::kEngine);
  EXPECT_EQ(ReadFileBytes(folder + apptest::kBackup + "\\GameUserSettings.ini"),
            apptest::kGameUserSettings);
  EXPECT_EQ(ReadFileBytes(folder + apptest::kBackup + "\\Scalability.ini"), apptest::kScalability);
}

}  // namespace

TEST(BackupRestore, RetryAfterAPartialRestoreBringsEverythingBackWithoutAMessage) {
  TempDir dir;
  OptimizeThenRestoreWhileTheGameHoldsItsSettings(dir.path(), app::kLowSpecProfile);
  ExpectEverythingRestoredSilently(dir.path());
}

// The optimize after a partial restore finds the backup and makes none; the files it overwrites
// are still saved in the folder, so the next restore gives back the originals of all three.
TEST(BackupRestore, OptimizeAfterAPartialRestoreLosesNoOriginal) {
  for (const app::Profile* profile : {&app::kLowSpecProfile, &app::kNormalProfile}) {
    SCOPED_TRACE(profile == &app::kLowSpecProfile ? "low-end profile" : "normal profile");
    TempDir dir;
    OptimizeThenRestoreWhileTheGameHoldsItsSettings(dir.path(), *profile);
    SeamRecorder recorder;
    app::OptimizeAction(dir.path(), *profile);
    EXPECT_TRUE(recorder.messages().empty());
    EXPECT_NE(ReadFileBytes(dir.path() + "Engine.ini"), apptest::kEngine);
    EXPECT_NE(ReadFileBytes(dir.path() + "Scalability.ini"), apptest::kScalability);
    ExpectEverythingRestoredSilently(dir.path());
  }
}

TEST(BackupRestore, BackupTestTakesTheNameLiterally) {
  TempDir dir;
  ASSERT_TRUE(CreateDirectoryA((dir.path() + "old" + apptest::kBackup).c_str(), nullptr));
  EXPECT_FALSE(app::BackupExists(dir.path()));
  EXPECT_FALSE(app::BackupExists(dir.path() + "*"));
  EXPECT_FALSE(app::BackupExists(dir.path() + "ol?"));
  EXPECT_TRUE(app::BackupExists(dir.path() + "old"));
  EXPECT_TRUE(app::BackupExists("\\\\?\\" + dir.path() + "old"));
}

// The game holds GameUserSettings.ini open at the first optimize: its copy fails, and it is not
// written. Once the game is closed, the next optimize saves it before writing it, and the
// restore gives back all three originals.
TEST(BackupRestore, AFileHeldByTheGameAtTheFirstOptimizeIsSavedByTheNext) {
  for (const app::Profile* profile : {&app::kLowSpecProfile, &app::kNormalProfile}) {
    SCOPED_TRACE(profile == &app::kLowSpecProfile ? "low-end profile" : "normal profile");
    SeamRecorder recorder;
    apptest::GameFolder dir;
    apptest::FileLock lock(dir.path() + "GameUserSettings.ini");
    ASSERT_TRUE(lock.held());
    app::WindowUpdate update = app::OptimizeAction(dir.path(), *profile);
    lock.Release();
    EXPECT_EQ(recorder.messageTexts(), Texts{apptest::kBackupFailed});
    EXPECT_TRUE(update.restoreEnabled);
    EXPECT_FALSE(update.label2Caption);
    EXPECT_NE(ReadFileBytes(dir.path() + "Engine.ini"), apptest::kEngine);
    EXPECT_EQ(ReadFileBytes(dir.path() + "GameUserSettings.ini"), apptest::kGameUserSettings);
    EXPECT_FALSE(PathExists(dir.path() + apptest::kBackup + "\\GameUserSettings.ini"));

    recorder.clear();
    update = app::OptimizeAction(dir.path(), *profile);
    EXPECT_TRUE(recorder.messages().empty());
    EXPECT_EQ(update.label2Caption, app::kOptimizeDoneCaption);
    EXPECT_EQ(ReadFileBytes(dir.path() + apptest::kBackup + "\\GameUserSettings.ini"),
              apptest::kGameUserSettings);
    EXPECT_NE(ReadFileBytes(dir.path() + "GameUserSettings.ini"), apptest::kGameUserSettings);
    ExpectEverythingRestoredSilently(dir.path());
  }
}

// Players mark GameUserSettings.ini read-only so that the game cannot reset it. Its items fail,
// and the window says so instead of claiming success; the restore finds the file as it was
// saved, brings the other two back without a message and removes the folder with the copy,
// which is read-only like its original.
TEST(BackupRestore, ReadOnlySettingsAreReportedAndRestoredWithTheirReadOnlyCopy) {
  SeamRecorder recorder;
  apptest::GameFolder dir;
  const std::string settings = dir.path() + "GameUserSettings.ini";
  ASSERT_TRUE(SetFileAttributesA(settings.c_str(), FILE_ATTRIBUTE_READONLY));

  const app::WindowUpdate update = app::OptimizeAction(dir.path(), app::kLowSpecProfile);
  EXPECT_EQ(recorder.messageTexts(), Texts{apptest::kWriteFailed});
  EXPECT_TRUE(update.restoreEnabled);
  EXPECT_FALSE(update.label2Caption);
  EXPECT_FALSE(update.label1Caption);
  EXPECT_EQ(ReadFileBytes(settings), apptest::kGameUserSettings);
  EXPECT_NE(ReadFileBytes(dir.path() + "Scalability.ini"), apptest::kScalability);
  const std::string copy = dir.path() + apptest::kBackup + "\\GameUserSettings.ini";
  EXPECT_TRUE(GetFileAttributesA(copy.c_str()) & FILE_ATTRIBUTE_READONLY);

  ExpectEverythingRestoredSilently(dir.path());
  EXPECT_TRUE(GetFileAttributesA(settings.c_str()) & FILE_ATTRIBUTE_READONLY);
}
