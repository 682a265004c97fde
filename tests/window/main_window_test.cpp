#include <shlobj.h>

#include <vector>

#include "app/backup.h"
#include "app/config_folder.h"
#include "app/program.h"
#include "tests/support/temp_dir.h"
#include "tests/support/window_checks.h"
#include "tests/window/main_window_fixture.h"

using namespace app::ids;
using testing_support::ReadFileBytes;
using testing_support::TempDir;
using testing_support::WriteFileBytes;

namespace {

RECT ClientRectOf(HWND child) {
  RECT r;
  GetWindowRect(child, &r);
  MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

std::string WindowText(HWND window) {
  char buffer[256] = {};
  GetWindowTextA(window, buffer, sizeof buffer);
  return buffer;
}

}  // namespace

TEST_F(MainWindowTest, WindowIsCentredBorderlessWithTheProgramsIcon) {
  HWND w = form->window();
  EXPECT_EQ(WindowText(w), "澄远");
  testing_support::ExpectCentredBorderless(w, 500, 200);
  const LONG_PTR style = GetWindowLongPtrA(w, GWL_STYLE);
  EXPECT_EQ(style & (WS_CLIPCHILDREN | WS_MINIMIZEBOX | WS_MAXIMIZEBOX),
            WS_CLIPCHILDREN | WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
  EXPECT_NE(GetWindowLongPtrA(w, GWL_EXSTYLE) & WS_EX_APPWINDOW, 0);
  EXPECT_EQ(GetMenu(w), nullptr);
  EXPECT_NE(GetClassLongPtrA(w, GCLP_HICON), 0);
  EXPECT_NE(GetClassLongPtrA(w, GCLP_HICONSM), 0);
}

TEST_F(MainWindowTest, ComponentsHaveTheirIdsGeometryTextsAndStacking) {
  struct Expected {
    std::uint32_t id;
    const char* className;
    RECT rect;
    const char* text;
  };
  const Expected expected[] = {
      {图片框1, "CYPictureBox", {3, 200, 499, 366}, ""},
      {按钮4, "Button", {403, 85, 483, 117}, "低配优化"},
      {按钮3, "Button", {403, 117, 483, 149}, "还原"},
      {按钮2, "Button", {403, 53, 483, 85}, "普通优化"},
      {按钮1, "Button", {315, 129, 395, 149}, "打开目录"},
      {编辑框1, "Edit", {109, 129, 312, 149}, ""},
  };
  std::vector<HWND> stack;
  for (HWND c = GetWindow(form->window(), GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
    stack.push_back(c);
  ASSERT_EQ(stack.size(), std::size(expected));
  for (std::size_t i = 0; i < stack.size(); ++i) {
    SCOPED_TRACE(expected[i].text);
    EXPECT_EQ(static_cast<std::uint32_t>(GetWindowLongPtrA(stack[i], GWLP_ID)), expected[i].id);
    char className[64];
    GetClassNameA(stack[i], className, sizeof className);
    EXPECT_STRCASEEQ(className, expected[i].className);
    RECT r = ClientRectOf(stack[i]);
    EXPECT_TRUE(EqualRect(&r, &expected[i].rect));
    EXPECT_EQ(WindowText(stack[i]), expected[i].text);
    EXPECT_NE(GetWindowLongPtrA(stack[i], GWL_STYLE) & WS_VISIBLE, 0);
  }
  const LONG_PTR editStyle = GetWindowLongPtrA(Child(编辑框1), GWL_STYLE);
  // A plain border, not the sunken 3-D edge (the edit control draws WS_BORDER itself).
  EXPECT_EQ(GetWindowLongPtrA(Child(编辑框1), GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
  EXPECT_NE(editStyle & ES_AUTOHSCROLL, 0);
  EXPECT_EQ(editStyle & (ES_READONLY | ES_PASSWORD | ES_NOHIDESEL), 0);
  for (std::uint32_t id : {按钮1, 按钮2, 按钮3, 按钮4, 编辑框1})
    EXPECT_NE(GetWindowLongPtrA(Child(id), GWL_STYLE) & WS_TABSTOP, 0);
  for (std::uint32_t id : {按钮1, 按钮2, 按钮3, 按钮4})
    EXPECT_EQ(GetWindowLongPtrA(Child(id), GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON);
  EXPECT_EQ(reinterpret_cast<HGDIOBJ>(SendMessageA(Child(按钮4), WM_GETFONT, 0, 0)),
            GetStockObject(DEFAULT_GUI_FONT));
  // The panel starts just below the 200-pixel client area, out of sight.
  EXPECT_EQ(form->Top(图片框1), 200);
  EXPECT_EQ(form->Text(透明标签1), "配置文件路径：");
  EXPECT_EQ(form->Text(透明标签2), "优化后远处树干不显示 地面光滑\r\n更容易看到远处的敌人");
  EXPECT_FALSE(form->Checked(神秘二维码));
  EXPECT_EQ(form->TimerPeriod(时钟1), 0);
}

// The start-up handler shows the resolved folder and enables "还原" exactly when a backup exists.
TEST_F(MainWindowTest, StartUpEnablesRestoreOnlyWithABackup) {
  const std::string folder = app::ResolveConfigFolder();
  const std::string backup = folder + "墨鸢一键优化备份";
  testing_support::RemoveTree(backup);
  form->RunCreated();
  EXPECT_EQ(form->Text(编辑框1), folder);
  EXPECT_FALSE(IsWindowEnabled(Child(按钮3)));

  // The game's folder in the test prefix, with a backup folder in it.
  testing_support::MakeFolders(folder);
  ASSERT_TRUE(CreateDirectoryA(backup.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS);
  form.reset();
  form = app::LoadMainWindow();
  form->RunCreated();
  EXPECT_TRUE(IsWindowEnabled(Child(按钮3)));
  testing_support::RemoveTree(backup);
  EXPECT_TRUE(seams.messages().empty());
}

// The four buttons through the window system, on real files in a folder typed into the box.
TEST_F(MainWindowTest, ButtonsRunTheirActionsOnTheFolderInTheBox) {
  TempDir dir("按钮");
  const std::string original = "[Core.System]\r\nPaths=../../\r\n";
  WriteFileBytes(dir.path() + "Engine.ini", original);
  WriteFileBytes(dir.path() + "GameUserSettings.ini",
                 "[ScalabilityGroups]\r\nsg.ShadowQuality=3\r\n");
  WriteFileBytes(dir.path() + "Scalability.ini", "[TextureQuality@3]\r\nr.MaxAnisotropy=16\r\n");
  SetWindowTextA(Child(编辑框1), dir.path().c_str());  // as if typed
  form->SetDisabled(按钮3, true);

  Click(按钮4);
  EXPECT_TRUE(IsWindowEnabled(Child(按钮3)));
  EXPECT_EQ(form->Text(透明标签2),
            "优化完毕，求关注收藏硬币评论。↗\r\n（如果更新后出现不兼容随时可以还原）");
  EXPECT_EQ(form->Text(透明标签1), "配置文件路径：");
  EXPECT_NE(ReadFileBytes(dir.path() + "Engine.ini").find("r.TextureStreaming=False"),
            std::string::npos);
  EXPECT_TRUE(app::BackupExists(dir.path()));

  Click(按钮2);
  EXPECT_NE(ReadFileBytes(dir.path() + "GameUserSettings.ini").find("sg.TextureQuality=3"),
            std::string::npos);

  Click(按钮3);
  EXPECT_FALSE(IsWindowEnabled(Child(按钮3)));
  EXPECT_EQ(form->Text(透明标签2), "还原完毕，感谢你的使用。\r\n（如有使用问题欢迎反馈）");
  EXPECT_EQ(ReadFileBytes(dir.path() + "Engine.ini"), original);
  EXPECT_FALSE(app::BackupExists(dir.path()));

  Click(按钮1);
  ASSERT_EQ(seams.shellCalls().size(), 1u);
  EXPECT_EQ(seams.shellCalls()[0].file, dir.path());
  EXPECT_EQ(seams.shellCalls()[0].directory, "");
  EXPECT_TRUE(seams.messages().empty());
}

// A path pasted from Explorer's address bar has no trailing backslash: the actions use the folder
// it names, and the box keeps the text as pasted, in any script.
TEST_F(MainWindowTest, PastedPathWithoutBackslashIsTheFolderItNames) {
  for (const std::string name : {"cfg", "陳誠"}) {
    SCOPED_TRACE(name);
    TempDir dir("粘贴");
    const std::string folder = dir.path() + name;
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    const std::string original = "[Core.System]\r\nPaths=../../\r\n";
    for (const char* file : {"Engine.ini", "GameUserSettings.ini", "Scalability.ini"})
      WriteFileBytes(folder + "\\" + file, original);
    SetWindowTextA(Child(编辑框1), folder.c_str());

    Click(按钮4);
    EXPECT_EQ(form->Text(编辑框1), folder);
    EXPECT_NE(ReadFileBytes(folder + "\\Engine.ini").find("r.TextureStreaming=False"),
              std::string::npos);
    EXPECT_EQ(ReadFileBytes(folder + "\\墨鸢一键优化备份\\Scalability.ini"), original);
    EXPECT_FALSE(testing_support::PathExists(folder + "Engine.ini"));
    EXPECT_FALSE(testing_support::PathExists(folder + "墨鸢一键优化备份"));
    EXPECT_TRUE(IsWindowEnabled(Child(按钮3)));

    Click(按钮3);
    EXPECT_EQ(ReadFileBytes(folder + "\\Engine.ini"), original);
    EXPECT_FALSE(app::BackupExists(folder + "\\"));
  }
  EXPECT_TRUE(seams.messages().empty());
}

// A path pasted with blanks or a tab in front (an indented line of the user guide brings them
// along) is the folder it names, for every step: the restore brings all three back and removes
// the backup only then.
TEST_F(MainWindowTest, BlanksAroundAPastedPathAreNotPartOfTheFolder) {
  for (const std::string blanks : {" ", "  ", "\t", " \t "}) {
    SCOPED_TRACE(testing::PrintToString(blanks));
    TempDir dir("空格");
    const std::string original = "[Core.System]\r\nPaths=../../\r\n";
    for (const char* file : {"Engine.ini", "GameUserSettings.ini", "Scalability.ini"})
      WriteFileBytes(dir.path() + file, original);
    SetWindowTextA(Child(编辑框1), dir.path().c_str());
    Click(按钮4);
    ASSERT_TRUE(app::BackupExists(dir.path()));

    SetWindowTextA(Child(编辑框1), (blanks + dir.path() + blanks).c_str());
    Click(按钮3);
    EXPECT_EQ(form->Text(编辑框1), blanks + dir.path() + blanks);
    for (const char* file : {"Engine.ini", "GameUserSettings.ini", "Scalability.ini"})
      EXPECT_EQ(ReadFileBytes(dir.path() + file), original) << file;
    EXPECT_FALSE(app::BackupExists(dir.path()));
    EXPECT_FALSE(IsWindowEnabled(Child(按钮3)));
  }
  EXPECT_TRUE(seams.messages().empty());
}

// Items that cannot be written leave the labels as they are and say so, once.
TEST_F(MainWindowTest, UnwrittenItemsKeepTheLabelsAndSaySo) {
  TempDir dir("只读");
  for (const char* file : {"Engine.ini", "GameUserSettings.ini", "Scalability.ini"})
    WriteFileBytes(dir.path() + file, "[ScalabilityGroups]\r\nsg.ShadowQuality=3\r\n");
  const std::string settings = dir.path() + "GameUserSettings.ini";
  ASSERT_TRUE(SetFileAttributesA(settings.c_str(), FILE_ATTRIBUTE_READONLY));
  SetWindowTextA(Child(编辑框1), dir.path().c_str());
  const std::string description = form->Text(透明标签2);

  Click(按钮2);
  EXPECT_EQ(
      seams.messageTexts(),
      std::vector<std::string>{"写入配置文件失败，请关闭游戏并取消配置文件的只读属性后重试。"});
  EXPECT_EQ(form->Text(透明标签2), description);
  EXPECT_TRUE(IsWindowEnabled(Child(按钮3)));

  Click(按钮3);
  EXPECT_EQ(seams.messages().size(), 1u);
  EXPECT_EQ(form->Text(透明标签2), "还原完毕，感谢你的使用。\r\n（如有使用问题欢迎反馈）");
  EXPECT_FALSE(app::BackupExists(dir.path()));
}

TEST_F(MainWindowTest, EmptiedPathBoxOpensAnEmptyNameAndReportsNothing) {
  SetWindowTextA(Child(编辑框1), "");
  Click(按钮1);
  ASSERT_EQ(seams.shellCalls().size(), 1u);
  EXPECT_EQ(seams.shellCalls()[0].file, "");
  EXPECT_EQ(seams.shellCalls()[0].owner, nullptr);
  EXPECT_TRUE(seams.messages().empty());
}

// The window cannot be created: the run-time error, and exit code -1 after the exit sequence.
TEST(MainWindowDeathTest, WindowThatCannotBeCreatedEndsTheProgram) {
  EXPECT_EXIT(
      {
        runtime::Seams().messageBox = testing_support::PrintMessageBox;
        // A class of the main window's name whose windows refuse to be created.
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = [](HWND w, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
          return m == WM_NCCREATE ? FALSE : DefWindowProcA(w, m, wp, lp);
        };
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = app::MainForm().className;
        RegisterClassExA(&wc);
        app::RunProgram();
      },
      testing::ExitedWithCode(-1),
      "style=16 caption=\\[错误\\] text=\\[运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n\\]");
}
