#include "runtime/commands.h"

#include <gtest/gtest.h>

#include "runtime/fatal_error.h"
#include "tests/support/seam_recorder.h"

using testing_support::SeamRecorder;

TEST(BuiltInCommands, InfoMessageHasNoOwnerTheFixedCaptionAndTaskModalOk) {
  SeamRecorder recorder;
  runtime::InfoMessage("备份失败，请以管理员身份运行本程序。");
  ASSERT_EQ(recorder.messages().size(), 1u);
  const auto& m = recorder.messages()[0];
  EXPECT_EQ(m.owner, nullptr);
  EXPECT_EQ(m.text, "备份失败，请以管理员身份运行本程序。");
  EXPECT_EQ(m.caption, "信息：");
  EXPECT_EQ(m.style, 0x2000u);
}

TEST(BuiltInCommands, ShellOpenPassesOpenVerbNoParametersAndShowNormal) {
  SeamRecorder recorder;
  runtime::ShellOpen(nullptr, "C:\\游戏\\", "");
  runtime::ShellOpen(nullptr, "https://example.com/", nullptr);
  ASSERT_EQ(recorder.shellCalls().size(), 2u);
  const auto& folder = recorder.shellCalls()[0];
  EXPECT_EQ(folder.verb, "open");
  EXPECT_EQ(folder.file, "C:\\游戏\\");
  EXPECT_FALSE(folder.hasParameters);
  EXPECT_TRUE(folder.hasDirectory);
  EXPECT_EQ(folder.directory, "");
  EXPECT_EQ(folder.show, SW_SHOWNORMAL);
  EXPECT_FALSE(recorder.shellCalls()[1].hasDirectory);
}

TEST(FatalRuntimeErrorDeathTest, ShowsTheReportAndEndsWithExitCodeMinusOne) {
  // The recorder lives in the child process that the death test starts; the report goes to
  // stderr from there so that the parent can match it.
  EXPECT_EXIT(
      {
        runtime::Seams().messageBox = testing_support::PrintMessageBox;
        runtime::FatalRuntimeError("载入启动窗口失败\r\n");
      },
      testing::ExitedWithCode(-1),
      "style=16 caption=\\[错误\\] text=\\[运行时出错!\r\n\r\n错误信息：载入启动窗口失败");
}
