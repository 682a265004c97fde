// The real program in its own process: start-up state, a click on "低配优化" with its effect on
// the game's files, "还原", and the ways the program ends.
#include <gtest/gtest.h>

#include "app/backup.h"
#include "app/config_folder.h"
#include "app/file_ops.h"
#include "tests/e2e/running_program.h"
#include "tests/support/running_copy.h"
#include "tests/support/temp_dir.h"

using testing_support::ReadFileBytes;
using testing_support::WriteFileBytes;

namespace {

const std::string kEngine = "[Core.System]\r\nPaths=../../../Engine/Content\r\n";
const std::string kSettings = "[ScalabilityGroups]\r\nsg.ResolutionQuality=100.000000\r\n";
const std::string kScalability = "[TextureQuality@3]\r\nr.MaxAnisotropy=16\r\n";

// The game's folder of the test prefix's user, as the program resolves it, made anew with sample
// files and no backup.
class ProgramTest : public testing::Test {
 protected:
  void SetUp() override {
    folder = e2e::FreshGameFolder();
    SeedGameFiles(kEngine);
  }
  void SeedGameFiles(const std::string& engine) {
    WriteFileBytes(folder + "Engine.ini", engine);
    WriteFileBytes(folder + "GameUserSettings.ini", kSettings);
    WriteFileBytes(folder + "Scalability.ini", kScalability);
  }
  void TearDown() override { testing_support::RemoveTree(folder + "墨鸢一键优化备份"); }

  std::string folder;
};

TEST_F(ProgramTest, LowSpecClickRewritesTheFilesAndEscEndsTheProgram) {
  e2e::RunningProgram program;
  ASSERT_NE(program.window(), nullptr);
  char box[512] = {};
  // WM_GETTEXT itself: GetWindowText does not ask another process's controls.
  SendMessageA(FindWindowExA(program.window(), nullptr, "Edit", nullptr), WM_GETTEXT, sizeof box,
               reinterpret_cast<LPARAM>(box));
  EXPECT_EQ(std::string(box), folder);
  EXPECT_FALSE(IsWindowEnabled(program.Button("还原")));

  program.Click("低配优化");
  EXPECT_EQ(program.messagesAnswered(), 0);
  EXPECT_TRUE(IsWindowEnabled(program.Button("还原")));
  EXPECT_NE(ReadFileBytes(folder + "Engine.ini").find("r.TextureStreaming=False"),
            std::string::npos);
  EXPECT_NE(ReadFileBytes(folder + "GameUserSettings.ini").find("sg.TextureQuality=0"),
            std::string::npos);
  EXPECT_EQ(ReadFileBytes(folder + "墨鸢一键优化备份\\Engine.ini"), kEngine);

  PostMessageA(program.window(), WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_EQ(program.WaitForExit(), 0u);
}

TEST_F(ProgramTest, BackupFoundAtStartIsRestoredByTheRestoreButton) {
  CreateDirectoryA((folder + "墨鸢一键优化备份").c_str(), nullptr);
  WriteFileBytes(folder + "墨鸢一键优化备份\\Engine.ini", kEngine);
  WriteFileBytes(folder + "墨鸢一键优化备份\\GameUserSettings.ini", kSettings);
  WriteFileBytes(folder + "墨鸢一键优化备份\\Scalability.ini", kScalability);
  WriteFileBytes(folder + "Engine.ini", "[Core.System]\r\nr.TextureStreaming=False\r\n");

  e2e::RunningProgram program;
  ASSERT_NE(program.window(), nullptr);
  EXPECT_TRUE(IsWindowEnabled(program.Button("还原")));
  program.Click("还原");
  EXPECT_EQ(program.messagesAnswered(), 0);
  EXPECT_FALSE(IsWindowEnabled(program.Button("还原")));
  EXPECT_EQ(ReadFileBytes(folder + "Engine.ini"), kEngine);
  EXPECT_FALSE(app::BackupExists(folder));

  PostMessageA(program.window(), WM_CLOSE, 0, 0);
  EXPECT_EQ(program.WaitForExit(), 0u);
}

// While a process with the game's image name runs, an optimize shows one message and changes
// nothing; once it has ended, the same click optimizes.
TEST_F(ProgramTest, OptimizeWaitsUntilTheGameHasEnded) {
  e2e::RunningProgram program;
  ASSERT_NE(program.window(), nullptr);
  {
    testing_support::RunningCopy game("TslGame.exe");
    program.Click("低配优化");
    EXPECT_EQ(program.messagesAnswered(), 1);
    EXPECT_FALSE(IsWindowEnabled(program.Button("还原")));
    EXPECT_EQ(ReadFileBytes(folder + "Engine.ini"), kEngine);
    EXPECT_EQ(ReadFileBytes(folder + "GameUserSettings.ini"), kSettings);
    EXPECT_EQ(ReadFileBytes(folder + "Scalability.ini"), kScalability);
    EXPECT_FALSE(app::BackupExists(folder));
  }
  program.Click("低配优化");
  EXPECT_EQ(program.messagesAnswered(), 1);
  EXPECT_TRUE(IsWindowEnabled(program.Button("还原")));
  EXPECT_NE(ReadFileBytes(folder + "Engine.ini").find("r.TextureStreaming=False"),
            std::string::npos);
  EXPECT_EQ(ReadFileBytes(folder + "墨鸢一键优化备份\\Engine.ini"), kEngine);
}

// Without the configuration folder the backup fails once, with an info message, and there is no
// backup to restore.
TEST_F(ProgramTest, MissingFolderShowsTheBackupMessageOnce) {
  const std::string moved = folder.substr(0, folder.size() - 1) + "_moved";
  app::RemoveFolderTree(moved);
  ASSERT_TRUE(MoveFileA(folder.substr(0, folder.size() - 1).c_str(), moved.c_str()));
  {
    e2e::RunningProgram program;
    ASSERT_NE(program.window(), nullptr);
    program.Click("普通优化");
    EXPECT_EQ(program.messagesAnswered(), 1);
    // Nothing was saved or written: no backup to restore.
    EXPECT_FALSE(IsWindowEnabled(program.Button("还原")));
  }
  MoveFileA(moved.c_str(), folder.substr(0, folder.size() - 1).c_str());
}

// The program killed at moments spread over its first optimize, as a crash, Task Manager or a
// power cut ends it: whatever the moment, an optimize and a restore afterwards give back every
// original byte. Engine.ini is large, so that its copy lasts long enough for kills to land in it.
TEST_F(ProgramTest, KilledDuringTheFirstOptimizeItLosesNoOriginal) {
  const std::string engine = kEngine + "; " + std::string(16 << 20, 'x') + "\r\n";
  for (const DWORD killedAfter : {0, 2, 5, 10, 20, 40, 80, 160}) {
    SCOPED_TRACE(testing::Message() << "killed " << killedAfter << " ms after the click");
    testing_support::RemoveTree(folder + "墨鸢一键优化备份");
    SeedGameFiles(engine);
    {
      e2e::RunningProgram program;
      ASSERT_NE(program.window(), nullptr);
      PostMessageA(program.Button("低配优化"), BM_CLICK, 0, 0);
      Sleep(killedAfter);
    }  // ended here, wherever it was

    e2e::RunningProgram program;
    ASSERT_NE(program.window(), nullptr);
    program.Click("低配优化");
    EXPECT_NE(ReadFileBytes(folder + "Scalability.ini"), kScalability);
    program.Click("还原");
    EXPECT_EQ(program.messagesAnswered(), 0);
    EXPECT_TRUE(ReadFileBytes(folder + "Engine.ini") == engine);
    EXPECT_EQ(ReadFileBytes(folder + "GameUserSettings.ini"), kSettings);
    EXPECT_EQ(ReadFileBytes(folder + "Scalability.ini"), kScalability);
    EXPECT_FALSE(app::BackupExists(folder));
  }
}

}  // namespace
