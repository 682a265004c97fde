// The link menu: its pop-up, its position, and the addresses handed to the shell.
#include <regex>
#include <string>
#include <vector>

#include "app/links.h"
#include "runtime/form_def.h"
#include "tests/window/main_window_fixture.h"

using namespace app::ids;

namespace {

TEST_F(MainWindowTest, PopupHasSevenEntriesWithTheSeparatorFifth) {
  runtime::UniqueMenu menu = form->BuildPopupMenu(菜单);
  ASSERT_EQ(GetMenuItemCount(menu.get()), 7);
  const char* expected[] = {"打开更新网盘", "关注微博", "B站个人主页", "Steam主页", "",
                            "QQ私聊墨鸢", "神秘二维码"};
  for (int i = 0; i < 7; ++i) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE;
    GetMenuItemInfoA(menu.get(), i, TRUE, &info);
    EXPECT_EQ((info.fType & MFT_SEPARATOR) != 0, i == 4);
    if (i != 4) {
      EXPECT_EQ(info.fState & (MFS_CHECKED | MFS_GRAYED), 0u);
    }
    char text[64] = {};
    GetMenuStringA(menu.get(), i, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ(text, expected[i]);
  }
  form->SetChecked(神秘二维码, true);
  MENUITEMINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_STATE;
  GetMenuItemInfoA(form->BuildPopupMenu(菜单).get(), 6, TRUE, &info);
  EXPECT_NE(info.fState & MFS_CHECKED, 0u);
}

TEST_F(MainWindowTest, EachLinkItemHandsItsAddressToTheShell) {
  for (std::uint32_t id : {打开更新网盘, 关注微博, B站个人主页, Steam主页, QQ私聊墨鸢})
    SendMessageA(form->window(), WM_COMMAND, runtime::CommandId(id), 0);
  // The separator and the menu itself run nothing.
  SendMessageA(form->window(), WM_COMMAND, runtime::CommandId(分隔条), 0);
  ASSERT_EQ(seams.shellCalls().size(), 5u);
  for (std::size_t i = 0; i < 5; ++i) {
    const auto& call = seams.shellCalls()[i];
    EXPECT_EQ(call.file, app::kLinks[i].address);
    EXPECT_EQ(call.verb, "open");
    EXPECT_FALSE(call.hasParameters);
    EXPECT_FALSE(call.hasDirectory);
    EXPECT_EQ(call.show, SW_SHOWNORMAL);
    EXPECT_EQ(call.owner, nullptr);  // no "Microsoft Internet Explorer" window here
  }
  EXPECT_TRUE(seams.messages().empty());
}

// The addresses keep the shapes their services expect.
TEST(LinkTable, AddressesHaveTheirFixedShapes) {
  auto matches = [](const char* address, const char* pattern) {
    return std::regex_match(address, std::regex(pattern));
  };
  EXPECT_TRUE(matches(app::kLinks[0].address,
                      R"(https://[a-z.]+/pcloud/album/info\?uk=[0-9]+&album_id=[0-9]+)"));
  EXPECT_TRUE(matches(app::kLinks[1].address, R"(https://[a-z.]+/[A-Za-z0-9_]+)"));
  EXPECT_TRUE(matches(app::kLinks[2].address, R"(https://[a-z.]+/[0-9]+/)"));
  EXPECT_TRUE(matches(app::kLinks[3].address, R"(http://[a-z.]+/id/[A-Za-z0-9_]+/)"));
  EXPECT_TRUE(matches(app::kLinks[4].address,
                      R"(tencent://Message/\?Uin=[0-9]+&websiteName=[a-z.]+&Menu=yes)"));
}

TEST_F(MainWindowTest, LinkOwnerIsTheInternetExplorerWindowWhenThereIsOne) {
  HWND browser = CreateWindowExA(0, "STATIC", "Microsoft Internet Explorer", WS_POPUP, 0, 0, 10,
                                 10, nullptr, nullptr, nullptr, nullptr);
  app::OpenSteamLink();
  DestroyWindow(browser);
  ASSERT_EQ(seams.shellCalls().size(), 1u);
  EXPECT_EQ(seams.shellCalls()[0].owner, browser);
}

// The pop-up opens with its corner 3 pixels right of and below the pointer; dismissing it runs
// nothing.
HWND g_menuWindow = nullptr;
RECT g_menuRect{};
void CALLBACK InspectAndDismissMenu(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND menu = FindWindowA("#32768", nullptr);
  if (!menu || !IsWindowVisible(menu)) return;
  KillTimer(nullptr, timer);
  g_menuWindow = menu;
  GetWindowRect(menu, &g_menuRect);
  EndMenu();
}

TEST_F(MainWindowTest, PopupOpensBesideThePointerAndDismissingRunsNothing) {
  ShowWindow(form->window(), SW_SHOW);
  SetForegroundWindow(form->window());
  SetCursorPos(300, 300);
  POINT pointer;
  GetCursorPos(&pointer);
  SetTimer(nullptr, 0, 20, InspectAndDismissMenu);
  app::ShowLinkMenu();
  ASSERT_NE(g_menuWindow, nullptr);
  EXPECT_EQ(g_menuRect.left, pointer.x + 3);
  EXPECT_EQ(g_menuRect.top, pointer.y + 3);
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
  EXPECT_TRUE(seams.shellCalls().empty());
  EXPECT_FALSE(form->Checked(神秘二维码));
}

}  // namespace
