// The optimize and restore buttons while a process with the game's image name runs: one message,
// and nothing changed, neither the files nor the window; once it has ended, they act again.
#include <string>
#include <vector>

#include "app/backup.h"
#include "app/config_folder.h"
#include "app/game_process.h"
#include "tests/support/running_copy.h"
#include "tests/support/temp_dir.h"
#include "tests/window/main_window_fixture.h"

using namespace app::ids;
using testing_support::ReadFileBytes;
using testing_support::RunningCopy;
using testing_support::TempDir;
using testing_support::WriteFileBytes;

namespace {

const char* const kFiles[] = {"Engine.ini", "GameUserSettings.ini", "Scalability.ini"};
const std::string kOriginal = "[ScalabilityGroups]\r\nsg.ShadowQuality=3\r\n";
const std::string kOptimized = "[Core.System]\r\nr.TextureStreaming=False\r\n";
constexpr char kLabel1[] = "标签一";
constexpr char kLabel2[] = "标签二";

struct ActionCase {
  const char* name;
  std::uint32_t button;
  bool restores;  // the folder holds a backup and the optimized files, and 还原 is enabled
};
constexpr ActionCase kActions[] = {
    {"低配优化", 按钮4, false},
    {"普通优化", 按钮2, false},
    {"还原", 按钮3, true},
};

// Every file of the folder and of its backup, "" for one that is missing.
std::vector<std::string> FolderContents(const std::string& folder) {
  std::vector<std::string> contents;
  for (const char* file : kFiles) {
    contents.push_back(ReadFileBytes(folder + file));
    contents.push_back(ReadFileBytes(app::BackupPath(folder, file)));
  }
  return contents;
}

class GameRunningTest : public MainWindowTest {
 protected:
  // A folder made for the action, in the box; labels and 还原 in a state that the action's window
  // update would change.
  void Prepare(const TempDir& dir, const ActionCase& action) {
    for (const char* file : kFiles) WriteFileBytes(dir.path() + file, kOriginal);
    if (action.restores) {
      ASSERT_TRUE(CreateDirectoryA((dir.path() + app::kBackupFolder).c_str(), nullptr));
      for (const char* file : kFiles) {
        WriteFileBytes(app::BackupPath(dir.path(), file), kOriginal);
        WriteFileBytes(dir.path() + file, kOptimized);
      }
    }
    SetWindowTextA(Child(编辑框1), dir.path().c_str());
    form->SetDisabled(按钮3, !action.restores);
    form->SetText(透明标签1, kLabel1);
    form->SetText(透明标签2, kLabel2);
    seams.clear();
  }

  void ExpectRefused(const TempDir& dir, const ActionCase& action) {
    const std::vector<std::string> before = FolderContents(dir.path());
    Click(action.button);
    EXPECT_EQ(seams.messageTexts(), std::vector<std::string>{app::kGameRunningMessage});
    for (const testing_support::MessageBoxCall& message : seams.messages()) {
      EXPECT_EQ(message.caption, "信息：");
      EXPECT_EQ(message.style, static_cast<UINT>(MB_OK | MB_TASKMODAL));
      EXPECT_EQ(message.owner, nullptr);
    }
    EXPECT_EQ(FolderContents(dir.path()), before);
    EXPECT_EQ(app::BackupExists(dir.path()), action.restores);
    EXPECT_EQ(IsWindowEnabled(Child(按钮3)) != FALSE, action.restores);
    EXPECT_EQ(form->Text(透明标签1), kLabel1);
    EXPECT_EQ(form->Text(透明标签2), kLabel2);
  }

  void ExpectDone(const TempDir& dir, const ActionCase& action) {
    Click(action.button);
    EXPECT_TRUE(seams.messages().empty());
    EXPECT_NE(form->Text(透明标签2), kLabel2);
    EXPECT_EQ(app::BackupExists(dir.path()), !action.restores);
    EXPECT_EQ(IsWindowEnabled(Child(按钮3)) != FALSE, !action.restores);
    if (action.restores)
      EXPECT_EQ(ReadFileBytes(dir.path() + "Engine.ini"), kOriginal);
    else
      EXPECT_NE(ReadFileBytes(dir.path() + "Engine.ini").find("r.TextureStreaming=False"),
                std::string::npos);
  }
};

TEST_F(GameRunningTest, OptimizeAndRestoreChangeNothingWhileTheGameRuns) {
  struct NameCase {
    const char* imageName;
    bool isTheGame;
  };
  const NameCase names[] = {
      {"TslGame.exe", true},
      {"tSLgAME.EXE", true},
      {"TslGame2.exe", false},
  };
  for (const NameCase& name : names) {
    SCOPED_TRACE(name.imageName);
    for (const ActionCase& action : kActions) {
      SCOPED_TRACE(action.name);
      TempDir dir("游戏");
      Prepare(dir, action);
      {
        RunningCopy game(name.imageName);
        EXPECT_EQ(app::GameIsRunning(), name.isTheGame);
        if (!name.isTheGame) {
          ExpectDone(dir, action);
          continue;
        }
        ExpectRefused(dir, action);
      }
      // The game has ended: the action runs on the folder it left as it was.
      seams.clear();
      ExpectDone(dir, action);
    }
  }
}

// Start-up and opening the folder do not touch the game's files: neither is checked.
TEST_F(GameRunningTest, StartUpAndOpenFolderAreNotCheckedWhileTheGameRuns) {
  RunningCopy game("TslGame.exe");
  form->RunCreated();
  EXPECT_EQ(form->Text(编辑框1), app::ResolveConfigFolder());
  TempDir dir("游戏");
  SetWindowTextA(Child(编辑框1), dir.path().c_str());
  Click(按钮1);
  EXPECT_TRUE(seams.messages().empty());
  ASSERT_EQ(seams.shellCalls().size(), 1u);
  EXPECT_EQ(seams.shellCalls()[0].file, dir.path());
}

}  // namespace
