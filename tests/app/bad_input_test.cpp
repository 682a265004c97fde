// The folder text is whatever the user left in the path box. None of these may crash the
// program or write anywhere but into the folder the text names.
#include <gtest/gtest.h>

#include "app/backup.h"
#include "app/profiles.h"
#include "tests/app/app_test_util.h"
#include "tests/support/seam_recorder.h"

using testing_support::PathExists;
using testing_support::ReadFileBytes;
using testing_support::SeamRecorder;
using testing_support::TempDir;
using Texts = std::vector<std::string>;

namespace {

std::string WindowsDirectory() {
  char buffer[MAX_PATH] = {};
  GetWindowsDirectoryA(buffer, MAX_PATH);
  return std::string(buffer) + "\\";
}

// Optimizes and restores the folder text and checks the messages and the window updates: nothing
// is written, so the labels keep what they show.
void ExpectOptimizeAndRestoreMessages(const std::string& folder, const Texts& optimizeMessages,
                                      const Texts& restoreMessages) {
  SeamRecorder recorder;
  app::WindowUpdate update = app::OptimizeAction(folder, app::kLowSpecProfile);
  EXPECT_EQ(recorder.messageTexts(), optimizeMessages);
  EXPECT_FALSE(update.label2Caption);
  recorder.clear();
  update = app::RestoreAction(folder);
  EXPECT_EQ(recorder.messageTexts(), restoreMessages);
  EXPECT_FALSE(update.restoreEnabled);
  EXPECT_EQ(update.label2Caption, app::kRestoreDoneCaption);
}

}  // namespace

// An empty text or one without a folder part is relative to the current directory for the
// backup, and the profile writes, which would go into the Windows directory, are skipped.
TEST(BadFolderText, EmptyOrBareTextWritesNothingIntoTheWindowsDirectory) {
  TempDir current;
  apptest::CurrentDirectory inside(current.path());
  const std::string windows = WindowsDirectory();
  for (const std::string folder : {"", "cfg"}) {
    std::vector<std::string> before;
    for (const char* name : apptest::kGameFiles)
      before.push_back(ReadFileBytes(windows + folder + name));

    // Nothing was saved, so nothing was written and nothing needs to come back.
    ExpectOptimizeAndRestoreMessages(folder, {apptest::kBackupFailed}, {});

    size_t i = 0;
    for (const char* name : apptest::kGameFiles) {
      EXPECT_EQ(ReadFileBytes(windows + folder + name), before[i++]) << folder + name;
      EXPECT_FALSE(PathExists(current.path() + folder + name)) << folder + name;
    }
    EXPECT_FALSE(PathExists(current.path() + folder + apptest::kBackup));
  }
}

TEST(BadFolderText, RelativeTextIsTakenFromTheCurrentDirectory) {
  TempDir current;
  apptest::CurrentDirectory inside(current.path());
  CreateDirectoryA((current.path() + "rel").c_str(), nullptr);
  apptest::WriteGameFiles(current.path() + "rel\\");
  SeamRecorder recorder;
  app::OptimizeAction("rel\\", app::kLowSpecProfile);
  EXPECT_TRUE(recorder.messages().empty());
  EXPECT_EQ(apptest::ReadIni(current.path() + "rel\\Engine.ini")[0].second.back(),
            "r.TextureStreaming=False");
  app::RestoreAction("rel\\");
  apptest::ExpectGameFilesUnchanged(current.path() + "rel\\");
}

// Thousands of characters: every file call fails, no backup folder is there to remove, and the
// shell, which under Wine crashes on such a text, is not called.
TEST(BadFolderText, OverlongTextFailsLikeAMissingFolderWithoutTheShell) {
  const std::string folder = "C:\\" + std::string(5000, 'a') + "\\";
  ExpectOptimizeAndRestoreMessages(folder, {apptest::kBackupFailed}, {apptest::kRestoreFailed});
  {
    SeamRecorder recorder;
    app::RestoreAction(folder);
    EXPECT_TRUE(recorder.shellCalls().empty());
  }
  // With the real shell in place, in a child process: Wine's shell would bring it down if the
  // text got through.
  EXPECT_EXIT(
      {
        app::OpenFolderInShell(folder);
        fprintf(stderr, "still running");
        std::exit(7);
      },
      testing::ExitedWithCode(7), "still running");
}

TEST(BadFolderText, ShellGetsFolderTextsUpToTheLongestPath) {
  SeamRecorder recorder;
  std::string longest = "C:\\";
  while (longest.size() < 3 + 3 * 255) longest += "游";  // 258 characters, 769 bytes
  longest += "\\";
  app::OpenFolderInShell(longest);
  app::OpenFolderInShell(longest + "x");
  app::OpenFolderInShell("");
  ASSERT_EQ(recorder.shellCalls().size(), 2u);
  EXPECT_EQ(recorder.shellCalls()[0].file, longest);
  EXPECT_EQ(recorder.shellCalls()[1].file, "");
}

TEST(BadFolderText, UncAndIllegalNamesFailWithTheUsualMessages) {
  TempDir dir;
  for (const std::string& folder : Texts{"\\\\nohost\\share\\cfg\\", dir.path() + "a<b>|\"\\"}) {
    SCOPED_TRACE(folder);
    ExpectOptimizeAndRestoreMessages(folder, {apptest::kBackupFailed}, {apptest::kRestoreFailed});
  }
  WIN32_FIND_DATAA entry;
  HANDLE find = FindFirstFileA((dir.path() + "*").c_str(), &entry);
  int entries = 0;
  if (find != INVALID_HANDLE_VALUE) {
    do entries += entry.cFileName[0] != '.';
    while (FindNextFileA(find, &entry));
    FindClose(find);
  }
  EXPECT_EQ(entries, 0);
}
