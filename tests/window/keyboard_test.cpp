// Keys typed on the real window, handled by the program's message loop: when "还原" greys out
// under the focus, Tab and Esc keep working.
#include "app/backup.h"
#include "runtime/message_loop.h"
#include "tests/support/temp_dir.h"
#include "tests/window/main_window_fixture.h"

using namespace app::ids;
using testing_support::TempDir;
using testing_support::WriteFileBytes;

namespace {

// A key pressed and released, as the keyboard delivers it to the foreground window.
void PressKey(WORD key) {
  INPUT input[2] = {};
  input[0].type = input[1].type = INPUT_KEYBOARD;
  input[0].ki.wVk = input[1].ki.wVk = key;
  input[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, input, sizeof(INPUT));
}

// Handles the waiting messages the way the program's message loop does.
void HandleWaitingMessages(const runtime::Form& form) {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (runtime::PreTranslateMessage(form, msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

// Ends a message loop that Esc failed to end, so that the test fails instead of hanging.
void CALLBACK EndStuckLoop(HWND, UINT, UINT_PTR, DWORD) { PostQuitMessage(1); }

}  // namespace

TEST_F(MainWindowTest, KeyboardKeepsWorkingAfterRestoreGreysOutUnderTheFocus) {
  TempDir dir("键盘");
  WriteFileBytes(dir.path() + "Engine.ini", "[Core.System]\r\nPaths=../../\r\n");
  WriteFileBytes(dir.path() + "GameUserSettings.ini", "[ScalabilityGroups]\r\nsg.ShadowQuality=3\r\n");
  WriteFileBytes(dir.path() + "Scalability.ini", "[TextureQuality@3]\r\nr.MaxAnisotropy=16\r\n");
  form->RunCreated();
  SetWindowTextA(Child(编辑框1), dir.path().c_str());
  Click(按钮4);  // optimizes and makes the backup: "还原" is enabled
  ASSERT_TRUE(IsWindowEnabled(Child(按钮3)));
  ShowWindow(form->window(), SW_SHOW);
  SetForegroundWindow(form->window());
  SetFocus(Child(按钮4));
  HandleWaitingMessages(*form);
  ASSERT_EQ(GetForegroundWindow(), form->window());

  PressKey(VK_TAB);
  HandleWaitingMessages(*form);
  ASSERT_EQ(GetFocus(), Child(按钮3));
  PressKey(VK_SPACE);
  HandleWaitingMessages(*form);
  EXPECT_FALSE(app::BackupExists(dir.path())) << "the restore ran";
  EXPECT_FALSE(IsWindowEnabled(Child(按钮3)));
  // The focus went on to the next tab stop, as in a dialog.
  EXPECT_EQ(GetFocus(), Child(按钮2));

  PressKey(VK_TAB);
  HandleWaitingMessages(*form);
  EXPECT_EQ(GetFocus(), Child(按钮1));

  PressKey(VK_ESCAPE);
  const UINT_PTR guard = SetTimer(nullptr, 0, 5000, EndStuckLoop);
  EXPECT_EQ(runtime::RunMessageLoop(*form), 0) << "Esc did not close the window";
  KillTimer(nullptr, guard);
  EXPECT_EQ(form->window(), nullptr);
  EXPECT_TRUE(seams.messages().empty());
}
