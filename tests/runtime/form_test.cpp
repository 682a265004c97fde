// The component runtime on a small form of its own: window, stacking, properties, events.
#include "runtime/form.h"

#include <gtest/gtest.h>

#include <vector>

#include "app/pictures.h"
#include "runtime/message_loop.h"
#include "runtime/picture.h"
#include "tests/support/window_checks.h"

namespace {

using runtime::ComponentDef;
using runtime::Form;
using runtime::Kind;

constexpr std::uint32_t kWindowId = 0x52019999;
constexpr std::uint32_t kSelf = 0x06010000;
constexpr std::uint32_t kTimer = 0x16010101;
constexpr std::uint32_t kBox = 0x16010102;
constexpr std::uint32_t kMenu = 0x26010103;
constexpr std::uint32_t kItemA = 0x26010104;
constexpr std::uint32_t kSeparator = 0x26010105;
constexpr std::uint32_t kItemB = 0x26010106;
constexpr std::uint32_t kButton = 0x16010107;
constexpr std::uint32_t kLabel = 0x16010108;
constexpr std::uint32_t kEdit = 0x16010109;
constexpr std::uint32_t kButton2 = 0x1601010A;
constexpr std::uint32_t kOtherMenu = 0x2601010B;
constexpr std::uint32_t kOtherItem = 0x2601010C;

std::vector<std::uint32_t> g_events;
std::vector<const runtime::Form*> g_actedOn;  // the form each action was handed
void OnTick(runtime::Form& form) {
  g_events.push_back(kTimer);
  g_actedOn.push_back(&form);
}
void OnItemA(runtime::Form& form) {
  g_events.push_back(kItemA);
  g_actedOn.push_back(&form);
}
void OnButton(runtime::Form& form) {
  g_events.push_back(kButton);
  g_actedOn.push_back(&form);
}
void OnBoxDown(runtime::Form& form, int x, int y, bool, bool, bool) {
  g_events.push_back(kBox);
  g_events.push_back(static_cast<std::uint32_t>(x * 1000 + y));
  g_actedOn.push_back(&form);
}
bool g_created = false;
void OnCreated(runtime::Form& form) {
  g_created = true;
  g_actedOn.push_back(&form);
}

constexpr runtime::FontDef kLabelFont{"微软雅黑", -19, 400, GB2312_CHARSET};

constexpr ComponentDef kComponents[] = {
    {Kind::Timer, kTimer, "timer", 1, 1, 26, 26, false, false, false, nullptr, nullptr, nullptr,
     false, false, 0, OnTick},
    {Kind::PictureBox, kBox, "box", 3, 200, 100, 60, true, false, false, nullptr, nullptr, nullptr,
     false, false, 0, nullptr, OnBoxDown},
    {Kind::Menu, kMenu, "menu", 0, 0, 0, 0, false, false, false, "menu"},
    {Kind::MenuItem, kItemA, "a", 0, 0, 0, 0, true, false, false, "A", nullptr, nullptr, false,
     false, 1, OnItemA},
    {Kind::MenuItem, kSeparator, "", 0, 0, 0, 0, true, false, false, "-", nullptr, nullptr, false,
     false, 1},
    {Kind::MenuItem, kItemB, "b", 0, 0, 0, 0, true, false, false, "B", nullptr, nullptr, false,
     false, 1},
    {Kind::Button, kButton, "button", 20, 20, 80, 32, true, false, true, "按钮", nullptr, nullptr,
     false, false, 0, OnButton},
    {Kind::TransparentLabel, kLabel, "label", 10, 100, 120, 40, true, false, false, "说明文字",
     &kLabelFont, nullptr, true},
    {Kind::EditBox, kEdit, "edit", 110, 20, 100, 20, true, false, true, ""},
    {Kind::Button, kButton2, "button2", 20, 60, 80, 32, true, false, true, "二"},
    {Kind::Menu, kOtherMenu, "other", 0, 0, 0, 0, false, false, false, "other"},
    {Kind::MenuItem, kOtherItem, "c", 0, 0, 0, 0, true, false, false, "C", nullptr, nullptr, false,
     false, 1},
};
static_assert(runtime::CommandIdsAreUnique(kComponents));

const runtime::FormDef kForm{kWindowId,
                             kSelf,
                             "CYTestForm",
                             "测试窗口",
                             300,
                             220,
                             WS_POPUP | WS_CLIPCHILDREN | WS_MINIMIZEBOX | WS_MAXIMIZEBOX,
                             WS_EX_APPWINDOW,
                             nullptr,
                             0,
                             true,
                             kComponents,
                             OnCreated};

MSG KeyDown(HWND window, WPARAM key) {
  MSG msg{};
  msg.hwnd = window;
  msg.message = WM_KEYDOWN;
  msg.wParam = key;
  return msg;
}

void Pump() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

class FormTest : public testing::Test {
 protected:
  void SetUp() override {
    g_events.clear();
    g_actedOn.clear();
    g_created = false;
    form = Form::Create(kForm);
    ASSERT_NE(form, nullptr);
  }
  std::unique_ptr<Form> form;
};

TEST_F(FormTest, WindowIsCentredBorderlessAndHiddenUntilShown) {
  HWND w = form->window();
  EXPECT_FALSE(IsWindowVisible(w));
  testing_support::ExpectCentredBorderless(w, 300, 220);
  RECT client;
  GetClientRect(w, &client);
  EXPECT_EQ(client.right, 300);
  EXPECT_EQ(client.bottom, 220);
  EXPECT_NE(GetWindowLongPtrA(w, GWL_STYLE) & WS_CLIPCHILDREN, 0);
  EXPECT_EQ(GetMenu(w), nullptr);
  EXPECT_EQ(runtime::FindForm(kWindowId), form.get());
  EXPECT_EQ(runtime::ComponentWindow(kWindowId, kSelf), w);
  char caption[64];
  GetWindowTextA(w, caption, sizeof caption);
  EXPECT_STREQ(caption, "测试窗口");
}

TEST_F(FormTest, ChildWindowsCarryTheirIdsAndStackFirstOnTop) {
  HWND w = form->window();
  std::vector<std::uint32_t> order;
  for (HWND child = GetWindow(w, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    order.push_back(static_cast<std::uint32_t>(GetWindowLongPtrA(child, GWLP_ID)));
  EXPECT_EQ(order, (std::vector<std::uint32_t>{kBox, kButton, kEdit, kButton2}));
  EXPECT_EQ(form->ComponentWindow(kTimer), nullptr);
  EXPECT_EQ(form->ComponentWindow(kLabel), nullptr);
  EXPECT_TRUE(IsWindowVisible(form->ComponentWindow(kButton)) ||
              (GetWindowLongPtrA(form->ComponentWindow(kButton), GWL_STYLE) & WS_VISIBLE));
  EXPECT_NE(GetWindowLongPtrA(form->ComponentWindow(kButton), GWL_STYLE) & WS_TABSTOP, 0);
}

TEST_F(FormTest, CreatedEventRunsOnlyWhenAsked) {
  EXPECT_FALSE(g_created);
  form->RunCreated();
  EXPECT_TRUE(g_created);
  EXPECT_EQ(g_actedOn, (std::vector<const runtime::Form*>{form.get()}));
}

TEST_F(FormTest, PropertiesReachTheWindowSystem) {
  form->SetText(kEdit, "C:\\配置\\");
  EXPECT_EQ(form->Text(kEdit), "C:\\配置\\");
  char buffer[64];
  GetWindowTextA(form->ComponentWindow(kEdit), buffer, sizeof buffer);
  EXPECT_STREQ(buffer, "C:\\配置\\");

  form->SetDisabled(kButton, true);
  EXPECT_FALSE(IsWindowEnabled(form->ComponentWindow(kButton)));
  EXPECT_TRUE(form->Disabled(kButton));
  form->SetDisabled(kButton, false);
  EXPECT_TRUE(IsWindowEnabled(form->ComponentWindow(kButton)));

  form->SetTop(kBox, 30);
  RECT r;
  GetWindowRect(form->ComponentWindow(kBox), &r);
  MapWindowPoints(nullptr, form->window(), reinterpret_cast<POINT*>(&r), 2);
  EXPECT_EQ(r.top, 30);
  EXPECT_EQ(r.left, 3);
  EXPECT_EQ(form->Top(kBox), 30);

  form->SetChecked(kItemB, true);
  EXPECT_TRUE(form->Checked(kItemB));
  form->SetText(kLabel, "新文字");
  EXPECT_EQ(form->Text(kLabel), "新文字");
}

TEST_F(FormTest, LongEditTextIsKeptWhole) {
  std::string longText(40000, 'x');
  form->SetText(kEdit, longText);
  EXPECT_EQ(form->Text(kEdit).size(), longText.size());
}

TEST_F(FormTest, TimerPeriodRules) {
  form->SetTimerPeriod(kTimer, -5);
  EXPECT_EQ(form->TimerPeriod(kTimer), 0);
  form->SetTimerPeriod(kTimer, 1);
  EXPECT_EQ(form->TimerPeriod(kTimer), 1);
  // Ticks arrive as window messages.
  DWORD start = GetTickCount();
  while (g_events.size() < 2 && GetTickCount() - start < 10000) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    Pump();
  }
  EXPECT_GE(g_events.size(), 2u);
  form->SetTimerPeriod(kTimer, 0);
  g_events.clear();
  Sleep(60);
  Pump();
  EXPECT_TRUE(g_events.empty());
}

// Writing the period the timer already runs with touches nothing: a system timer stopped behind
// the form's back stays stopped, where a restart would bring it back. Only the absence of a tick
// is waited for, so a slow machine cannot make the test fail.
TEST_F(FormTest, WritingTheSamePeriodLeavesTheRunningTimerAlone) {
  const UINT timerId = runtime::CommandId(kTimer);
  form->SetTimerPeriod(kTimer, 20);
  ASSERT_TRUE(KillTimer(form->window(), timerId));  // it was running
  Pump();
  g_events.clear();
  form->SetTimerPeriod(kTimer, 20);
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < 300) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    Pump();
  }
  EXPECT_TRUE(g_events.empty());

  // Another period starts it again.
  form->SetTimerPeriod(kTimer, 30);
  const DWORD restarted = GetTickCount();
  while (g_events.empty() && GetTickCount() - restarted < 10000) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    Pump();
  }
  EXPECT_FALSE(g_events.empty());
  form->SetTimerPeriod(kTimer, 0);
}

TEST_F(FormTest, ClicksMenuCommandsAndPictureBoxPressesRunTheirActions) {
  SendMessageA(form->ComponentWindow(kButton), BM_CLICK, 0, 0);
  SendMessageA(form->window(), WM_COMMAND, runtime::CommandId(kItemA), 0);
  SendMessageA(form->ComponentWindow(kBox), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(7, 9));
  // A command for an item without an action, and a disabled button, run nothing.
  SendMessageA(form->window(), WM_COMMAND, runtime::CommandId(kItemB), 0);
  form->SetDisabled(kButton, true);
  SendMessageA(form->ComponentWindow(kButton), BM_CLICK, 0, 0);
  EXPECT_EQ(g_events, (std::vector<std::uint32_t>{kButton, kItemA, kBox, 7009}));
  EXPECT_EQ(g_actedOn, (std::vector<const runtime::Form*>(3, form.get())));
}

TEST_F(FormTest, PopupMenuHoldsTheSubItemsInOrder) {
  form->SetChecked(kItemB, true);
  runtime::UniqueMenu menu = form->BuildPopupMenu(kMenu);
  ASSERT_TRUE(menu);
  ASSERT_EQ(GetMenuItemCount(menu.get()), 3);
  MENUITEMINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID;
  GetMenuItemInfoA(menu.get(), 0, TRUE, &info);
  EXPECT_EQ(info.wID, runtime::CommandId(kItemA));
  EXPECT_EQ(info.fState & MFS_CHECKED, 0u);
  GetMenuItemInfoA(menu.get(), 1, TRUE, &info);
  EXPECT_NE(info.fType & MFT_SEPARATOR, 0u);
  GetMenuItemInfoA(menu.get(), 2, TRUE, &info);
  EXPECT_NE(info.fState & MFS_CHECKED, 0u);
  char text[16];
  GetMenuStringA(menu.get(), 2, text, sizeof text, MF_BYPOSITION);
  EXPECT_STREQ(text, "B");
  // The next top-level entry ends the list.
  EXPECT_EQ(GetMenuItemCount(form->BuildPopupMenu(kOtherMenu).get()), 1);
}

TEST_F(FormTest, EscClosesAndTabMovesAmongTabStops) {
  ShowWindow(form->window(), SW_SHOW);
  HWND button = form->ComponentWindow(kButton);
  HWND edit = form->ComponentWindow(kEdit);
  SetFocus(button);
  MSG tab = KeyDown(button, VK_TAB);
  EXPECT_TRUE(runtime::PreTranslateMessage(*form, tab));
  EXPECT_EQ(GetFocus(), edit);
  MSG enter = KeyDown(edit, VK_RETURN);
  EXPECT_FALSE(runtime::PreTranslateMessage(*form, enter));
  EXPECT_EQ(GetFocus(), edit);
  MSG esc = KeyDown(edit, VK_ESCAPE);
  EXPECT_TRUE(runtime::PreTranslateMessage(*form, esc));
  EXPECT_FALSE(IsWindow(form->window()) && form->window());
}

// A control disabled under the focus hands it on to the next tab stop, or to the window when no
// tab stop is left, so that keys still reach the form.
TEST_F(FormTest, DisablingTheFocusedControlMovesTheFocusOn) {
  ShowWindow(form->window(), SW_SHOW);
  SetForegroundWindow(form->window());
  HWND button = form->ComponentWindow(kButton);
  HWND edit = form->ComponentWindow(kEdit);
  HWND button2 = form->ComponentWindow(kButton2);
  SetFocus(edit);
  form->SetDisabled(kButton, true);  // not the focus: the focus stays
  EXPECT_EQ(GetFocus(), edit);
  form->SetDisabled(kButton, false);
  form->SetDisabled(kEdit, true);
  EXPECT_EQ(GetFocus(), button2);
  form->SetDisabled(kButton2, true);
  EXPECT_EQ(GetFocus(), button);  // round to the first tab stop
  form->SetDisabled(kButton, true);
  EXPECT_EQ(GetFocus(), form->window());
  // From the window itself Tab finds the tab stop that is enabled again.
  form->SetDisabled(kEdit, false);
  EXPECT_TRUE(runtime::PreTranslateMessage(*form, KeyDown(form->window(), VK_TAB)));
  EXPECT_EQ(GetFocus(), edit);
}

// A label is drawn in white over the window's background, and a child window above it covers it.
TEST_F(FormTest, TransparentLabelPaintsWhiteTextAndIsCoveredByChildren) {
  ShowWindow(form->window(), SW_SHOW);
  UpdateWindow(form->window());
  form->SetText(kLabel, "████████");
  HDC dc = GetDC(form->window());
  int white = 0;
  for (int y = 100; y < 140; ++y)
    for (int x = 10; x < 130; ++x)
      if (GetPixel(dc, x, y) == RGB(255, 255, 255)) ++white;
  EXPECT_GT(white, 100);
  // Slide the picture box over the label: the label's area now shows the box.
  form->SetTop(kBox, 95);
  UpdateWindow(form->window());
  form->SetText(kLabel, "████████");
  int whiteUnderBox = 0;
  for (int y = 100; y < 140; ++y)
    for (int x = 10; x < 100; ++x)
      if (GetPixel(dc, x, y) == RGB(255, 255, 255)) ++whiteUnderBox;
  EXPECT_EQ(whiteUnderBox, 0);
  ReleaseDC(form->window(), dc);
}

// The window's background picture is tiled from the client area's corner on every erase: the
// panel's PNG (170 rows, so a second row of tiles shows) and the window's own JPEG (219 rows, so
// the last row of the 220-pixel client area is the picture's first again).
TEST(FormBackground, EveryEraseTilesThePictureFromTheCorner) {
  static const runtime::PictureData kPictures[] = {
      {app::pictures::kPanelPng, app::pictures::kPanelPngSize},
      {app::pictures::kBackgroundJpeg, app::pictures::kBackgroundJpegSize}};
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP target = CreateCompatibleBitmap(screen, 300, 220);
  ReleaseDC(nullptr, screen);
  HGDIOBJ previous = SelectObject(dc, target);
  for (const runtime::PictureData& background : kPictures) {
    runtime::FormDef definition = kForm;
    definition.windowId = kWindowId + 1;
    definition.className = "CYTestFormWithBackground";
    definition.background = &background;
    definition.components = {};
    std::unique_ptr<Form> form = Form::Create(definition);
    ASSERT_NE(form, nullptr);
    const runtime::DecodedPicture picture =
        runtime::DecodePicture(background.bytes, background.size, GetSysColor(COLOR_BTNFACE));
    ASSERT_TRUE(picture.valid());
    ASSERT_LT(picture.height, 220);
    for (int erase = 0; erase < 2; ++erase) {
      SCOPED_TRACE(testing::Message() << picture.height << " rows, erase " << erase);
      PatBlt(dc, 0, 0, 300, 220, BLACKNESS);
      EXPECT_EQ(SendMessageA(form->window(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0), 1);
      int same = 0, all = 0;
      for (int y = 0; y < 220; y += 3)
        for (int x = 0; x < 300; x += 3, ++all) {
          const std::uint32_t p = picture.pixels[(y % picture.height) * picture.width + x];
          if (GetPixel(dc, x, y) == RGB(p >> 16, (p >> 8) & 0xFF, p & 0xFF)) ++same;
        }
      EXPECT_EQ(same, all);  // rows 0 to 219 in steps of 3: row 219 is sampled
    }
  }
  SelectObject(dc, previous);
  DeleteObject(target);
  DeleteDC(dc);
}

}  // namespace
