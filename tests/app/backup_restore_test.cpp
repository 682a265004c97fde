#include "app/backup.h"

#include <gtest/gtest.h>

#include "app/profiles.h"
#include "tests/app/app_test_util.h"
#include "tests/support/seam_recorder.h"

using apptest::ReadIni;
using testing_support::IsDirectory;
using testing_support::PathExists;
using testing_support::ReadFileBytes;
using testing_support::SeamRecorder;
using testing_support::TempDir;
using testing_support::WriteFileBytes;
using Texts = std::vector<std::string>;

namespace {

const std::string kBackup = "墨鸢一键优化备份";
const std::string kBackupFailed = "备份失败，请以管理员身份运行本程序。";
const std::string kRestoreFailed = "还原失败，请以管理员身份运行本程序。";
const std::string kDeleteFailed = "删除备份文件失败，请手动删除。";

void ExpectRestoreUpdate(const app::WindowUpdate& update) {
  EXPECT_FALSE(update.restoreEnabled);
  EXPECT_EQ(update.label2Caption, "还原完毕，感谢你的使用。\r\n（如有使用问题欢迎反馈）");
  EXPECT_EQ(update.label1Caption, "配置文件路径：");
}

void ExpectShellOpenedOnce(const SeamRecorder& recorder, const std::string& folder) {
  ASSERT_EQ(recorder.shellCalls().size(), 1u);
  const auto& call = recorder.shellCalls()[0];
  EXPECT_EQ(call.owner, nullptr);
  EXPECT_EQ(call.file, folder);
  EXPECT_TRUE(call.hasDirectory);
  EXPECT_EQ(call.directory, "");
}

// Optimize twice, restore: the files from before the first optimize, byte for byte. The
// code page 936 folder names include "乗" (81 5C), whose second byte is a backslash.
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
  EXPECT_FALSE(PathExists(folder + kBackup));
  EXPECT_TRUE(recorder.messages().empty());
  EXPECT_TRUE(recorder.shellCalls().empty());
}

}  // namespace

TEST(BackupRestore, OptimizeTwiceThenRestoreGivesBackTheOriginalBytes) {
  TempDir dir;
  ExpectRoundTrip(dir.path());
}

TEST(BackupRestore, NonAsciiFolderNamesRoundTrip) {
  TempDir dir("澄远配置");
  const std::string folder = dir.path() + "游戏\x81\x5C配置\\";
  ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
  ExpectRoundTrip(folder);
}

// A missing file makes a partial backup; it is not renewed later, and its restore loses nothing.
TEST(BackupRestore, PartialBackupStaysPartialAndRestoresWhatItHas) {
  SeamRecorder recorder;
  TempDir dir;
  apptest::WriteGameFiles(dir.path());
  DeleteFileA((dir.path() + "GameUserSettings.ini").c_str());
  app::OptimizeAction(dir.path(), app::kLowSpecProfile);
  EXPECT_EQ(recorder.messageTexts(), Texts{kBackupFailed});
  EXPECT_TRUE(PathExists(dir.path() + kBackup + "\\Engine.ini"));
  EXPECT_FALSE(PathExists(dir.path() + kBackup + "\\GameUserSettings.ini"));

  recorder.clear();
  WriteFileBytes(dir.path() + "GameUserSettings.ini", apptest::kGameUserSettings);
  app::OptimizeAction(dir.path(), app::kNormalProfile);
  EXPECT_TRUE(recorder.messages().empty());
  EXPECT_FALSE(PathExists(dir.path() + kBackup + "\\GameUserSettings.ini"));
  EXPECT_EQ(ReadFileBytes(dir.path() + kBackup + "\\Engine.ini"), apptest::kEngine);

  recorder.clear();
  ExpectRestoreUpdate(app::RestoreAction(dir.path()));
  EXPECT_EQ(recorder.messageTexts(), Texts{kRestoreFailed});
  EXPECT_TRUE(recorder.shellCalls().empty());
  EXPECT_FALSE(PathExists(dir.path() + kBackup));
  EXPECT_EQ(ReadFileBytes(dir.path() + "Engine.ini"), apptest::kEngine);
  EXPECT_EQ(ReadFileBytes(dir.path() + "Scalability.ini"), apptest::kScalability);
  EXPECT_NE(ReadFileBytes(dir.path() + "GameUserSettings.ini"), apptest::kGameUserSettings);
}

TEST(BackupRestore, MissingConfigFolderReportsTheBackupOnceAndStillSucceeds) {
  SeamRecorder recorder;
  TempDir dir;
  const std::string folder = dir.path() + "missing\\";
  app::WindowUpdate update = app::OptimizeAction(folder, app::kLowSpecProfile);
  EXPECT_EQ(recorder.messageTexts(), Texts{kBackupFailed});
  EXPECT_TRUE(update.restoreEnabled);
  EXPECT_EQ(update.label2Caption, app::kOptimizeDoneCaption);
  EXPECT_EQ(update.label1Caption, "配置文件路径：");
  EXPECT_FALSE(PathExists(folder));
}

TEST(BackupRestore, AFileNamedLikeTheBackupFolderCountsAsABackupButCannotBeRestored) {
  SeamRecorder recorder;
  TempDir dir;
  apptest::WriteGameFiles(dir.path());
  WriteFileBytes(dir.path() + kBackup, "not a folder");
  EXPECT_TRUE(app::BackupExists(dir.path()));

  app::OptimizeAction(dir.path(), app::kLowSpecProfile);
  EXPECT_TRUE(recorder.messages().empty());
  EXPECT_EQ(ReadIni(dir.path() + "Engine.ini")[0].second.back(), "r.TextureStreaming=False");

  ExpectRestoreUpdate(app::RestoreAction(dir.path()));
  EXPECT_EQ(recorder.messageTexts(), (Texts{kRestoreFailed, kDeleteFailed}));
  ExpectShellOpenedOnce(recorder, dir.path());
  EXPECT_EQ(ReadFileBytes(dir.path() + kBackup), "not a folder");
}

TEST(BackupRestore, ADotFileInTheBackupFolderSurvivesAndTheFolderIsOpened) {
  SeamRecorder recorder;
  TempDir dir;
  apptest::WriteGameFiles(dir.path());
  app::OptimizeAction(dir.path(), app::kLowSpecProfile);
  WriteFileBytes(dir.path() + kBackup + "\\.keep", "x");

  ExpectRestoreUpdate(app::RestoreAction(dir.path()));
  apptest::ExpectGameFilesUnchanged(dir.path());
  EXPECT_EQ(recorder.messageTexts(), Texts{kDeleteFailed});
  ExpectShellOpenedOnce(recorder, dir.path());
  EXPECT_TRUE(PathExists(dir.path() + kBackup + "\\.keep"));
  EXPECT_FALSE(PathExists(dir.path() + kBackup + "\\Engine.ini"));
}

TEST(BackupRestore, BackupFolderDeletedByHandIsRecreatedAndRemovedAgain) {
  SeamRecorder recorder;
  TempDir dir;
  apptest::WriteGameFiles(dir.path());
  app::OptimizeAction(dir.path(), app::kLowSpecProfile);
  const std::string optimized = ReadFileBytes(dir.path() + "Engine.ini");
  for (const char* name : {"Engine.ini", "GameUserSettings.ini", "Scalability.ini"})
    ASSERT_TRUE(DeleteFileA((dir.path() + kBackup + "\\" + name).c_str()));
  ASSERT_TRUE(RemoveDirectoryA((dir.path() + kBackup).c_str()));

  ExpectRestoreUpdate(app::RestoreAction(dir.path()));
  EXPECT_EQ(recorder.messageTexts(), Texts{kRestoreFailed});
  EXPECT_TRUE(recorder.shellCalls().empty());
  EXPECT_FALSE(PathExists(dir.path() + kBackup));
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

  ExpectRestoreUpdate(app::RestoreAction(folder));
  lock.Release();
  EXPECT_EQ(recorder.messageTexts(), Texts{kRestoreFailed});
  EXPECT_TRUE(recorder.shellCalls().empty());
  EXPECT_EQ(ReadFileBytes(folder + "Engine.ini"), apptest::kEngine);
  EXPECT_EQ(ReadFileBytes(folder + "Scalability.ini"), apptest::kScalability);
  EXPECT_EQ(ReadFileBytes(folder + "GameUserSettings.ini"), optimized);
  EXPECT_TRUE(app::BackupExists(folder));
  EXPECT_EQ(ReadFileBytes(folder + kBackup + "\\Engine.ini"), apptest::kEngine);
  EXPECT_EQ(ReadFileBytes(folder + kBackup + "\\GameUserSettings.ini"), apptest::kGameUserSettings);
  EXPECT_EQ(ReadFileBytes(folder + kBackup + "\\Scalability.ini"), apptest::kScalability);
}

void ExpectEverythingRestoredSilently(const std::string& folder) {
  SeamRecorder recorder;
  ExpectRestoreUpdate(app::RestoreAction(folder));
  EXPECT_TRUE(recorder.messages().empty());
  EXPECT_TRUE(recorder.shellCalls().empty());
  apptest::ExpectGameFilesUnchanged(folder);
  EXPECT_FALSE(PathExists(folder + kBackup));
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

// A copy missing since the backup still makes the restore fail, but holds nothing back: once the
// locked file is free, the retry brings back what was saved and removes the folder.
TEST(BackupRestore, CopyMissingSinceTheBackupFailsTheRestoreButKeepsNothing) {
  SeamRecorder recorder;
  TempDir dir;
  apptest::WriteGameFiles(dir.path());
  DeleteFileA((dir.path() + "GameUserSettings.ini").c_str());
  app::OptimizeAction(dir.path(), app::kNormalProfile);
  const std::string settings = ReadFileBytes(dir.path() + "GameUserSettings.ini");
  apptest::FileLock lock(dir.path() + "Engine.ini");
  ASSERT_TRUE(lock.held());

  recorder.clear();
  ExpectRestoreUpdate(app::RestoreAction(dir.path()));
  lock.Release();
  EXPECT_EQ(recorder.messageTexts(), Texts{kRestoreFailed});
  EXPECT_EQ(ReadFileBytes(dir.path() + kBackup + "\\Engine.ini"), apptest::kEngine);
  EXPECT_EQ(ReadFileBytes(dir.path() + kBackup + "\\Scalability.ini"), apptest::kScalability);

  recorder.clear();
  ExpectRestoreUpdate(app::RestoreAction(dir.path()));
  EXPECT_EQ(recorder.messageTexts(), Texts{kRestoreFailed});
  EXPECT_TRUE(recorder.shellCalls().empty());
  EXPECT_FALSE(PathExists(dir.path() + kBackup));
  EXPECT_EQ(ReadFileBytes(dir.path() + "Engine.ini"), apptest::kEngine);
  EXPECT_EQ(ReadFileBytes(dir.path() + "Scalability.ini"), apptest::kScalability);
  EXPECT_EQ(ReadFileBytes(dir.path() + "GameUserSettings.ini"), settings);
}

TEST(BackupRestore, FolderWithoutTrailingBackslashGluesNamesToItsLastFolder) {
  SeamRecorder recorder;
  TempDir dir;
  const std::string inner = dir.path() + "cfg\\";
  ASSERT_TRUE(CreateDirectoryA(inner.c_str(), nullptr));
  apptest::WriteGameFiles(inner);

  app::OptimizeAction(dir.path() + "cfg", app::kLowSpecProfile);
  EXPECT_EQ(recorder.messageTexts(), Texts{kBackupFailed});
  EXPECT_TRUE(IsDirectory(dir.path() + "cfg" + kBackup));
  EXPECT_EQ(ReadIni(dir.path() + "cfgEngine.ini"),
            (apptest::Ini{{"Core.System", {"r.TextureStreaming=False"}}}));
  apptest::ExpectGameFilesUnchanged(inner);
}

TEST(BackupRestore, BackupTestTakesTheNameLiterally) {
  TempDir dir;
  ASSERT_TRUE(CreateDirectoryA((dir.path() + "old" + kBackup).c_str(), nullptr));
  EXPECT_FALSE(app::BackupExists(dir.path()));
  EXPECT_FALSE(app::BackupExists(dir.path() + "*"));
  EXPECT_FALSE(app::BackupExists(dir.path() + "ol?"));
  EXPECT_TRUE(app::BackupExists(dir.path() + "old"));
  EXPECT_TRUE(app::BackupExists("\\\\?\\" + dir.path() + "old"));
}
