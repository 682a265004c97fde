// The QR-code panel slides under the timer: exact steps, stops, reversal and label refreshes.
#include <cstdint>
#include <vector>

#include "app/panel.h"
#include "app/pictures.h"
#include "runtime/form_def.h"
#include "runtime/picture.h"
#include "tests/window/main_window_fixture.h"

using namespace app::ids;

namespace {

constexpr char kDesign[] = "优化后远处树干不显示 地面光滑\r\n更容易看到远处的敌人";

class PanelTest : public MainWindowTest {
 protected:
  // One tick of the timer, delivered as the window system delivers it.
  void Tick() { SendMessageA(form->window(), WM_TIMER, runtime::CommandId(时钟1), 0); }
  void ChooseQrItem() {
    SendMessageA(form->window(), WM_COMMAND, runtime::CommandId(神秘二维码), 0);
  }
  // Handles what waits in the queue, then lets the window system bring the window's pixels to
  // the screen (Wine does it when the thread waits for messages).
  static void Settle() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 0, QS_ALLINPUT);
    GdiFlush();
  }
  int PanelTopOnScreen() {
    RECT r;
    GetWindowRect(Child(图片框1), &r);
    MapWindowPoints(nullptr, form->window(), reinterpret_cast<POINT*>(&r), 2);
    return r.top;
  }
};

TEST_F(PanelTest, SlidesUpInSeventeenStepsThenStopsAndRefreshesOnce) {
  ChooseQrItem();
  EXPECT_TRUE(form->Checked(神秘二维码));
  EXPECT_EQ(form->TimerPeriod(时钟1), 1);
  form->SetText(透明标签2, "优化完毕");
  std::vector<int> tops;
  for (int i = 0; i < 17; ++i) {
    Tick();
    tops.push_back(form->Top(图片框1));
    EXPECT_EQ(form->Text(透明标签2), "优化完毕") << "no refresh while moving up";
  }
  EXPECT_EQ(tops.front(), 190);
  EXPECT_EQ(tops.back(), 30);
  EXPECT_EQ(PanelTopOnScreen(), 30);
  EXPECT_EQ(form->TimerPeriod(时钟1), 1);
  Tick();  // the stopping tick
  EXPECT_EQ(form->Top(图片框1), 30);
  EXPECT_EQ(form->TimerPeriod(时钟1), 0);
  EXPECT_EQ(form->Text(透明标签2), kDesign);
  EXPECT_EQ(form->Text(透明标签1), "配置文件路径：");
}

TEST_F(PanelTest, PressOnTheShownPanelSlidesItDownRefreshingOnEveryTick) {
  ChooseQrItem();
  for (int i = 0; i < 18; ++i) Tick();
  ASSERT_EQ(form->TimerPeriod(时钟1), 0);
  SendMessageA(Child(图片框1), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
  EXPECT_FALSE(form->Checked(神秘二维码));
  EXPECT_EQ(form->TimerPeriod(时钟1), 1);
  for (int i = 0; i < 17; ++i) {
    form->SetText(透明标签2, "还原完毕");
    Tick();
    EXPECT_EQ(form->Top(图片框1), 40 + 10 * i);
    EXPECT_EQ(form->Text(透明标签2), kDesign);
  }
  form->SetText(透明标签2, "还原完毕");
  Tick();
  EXPECT_EQ(form->Top(图片框1), 200);
  EXPECT_EQ(form->TimerPeriod(时钟1), 0);
  EXPECT_EQ(form->Text(透明标签2), kDesign);
}

TEST_F(PanelTest, ToggleMidwayReversesFromWhereThePanelIs) {
  ChooseQrItem();
  while (form->Top(图片框1) > 120) Tick();
  ChooseQrItem();
  EXPECT_FALSE(form->Checked(神秘二维码));
  EXPECT_EQ(form->TimerPeriod(时钟1), 1);  // still running
  std::vector<int> tops;
  for (int i = 0; i < 9; ++i) {
    Tick();
    tops.push_back(form->Top(图片框1));
  }
  EXPECT_EQ(tops, (std::vector<int>{130, 140, 150, 160, 170, 180, 190, 200, 200}));
  EXPECT_EQ(form->TimerPeriod(时钟1), 0);
  // Two quick toggles leave the check mark as it was.
  ChooseQrItem();
  ChooseQrItem();
  EXPECT_FALSE(form->Checked(神秘二维码));
}

// The panel's picture shows, tiled from the box's corner, once the panel has slid into view.
TEST_F(PanelTest, ThePanelShowsItsPictureOnceInView) {
  ShowWindow(form->window(), SW_SHOW);
  UpdateWindow(form->window());
  ChooseQrItem();
  for (int i = 0; i < 18; ++i) Tick();
  UpdateWindow(Child(图片框1));
  const runtime::DecodedPicture picture = runtime::DecodePicture(
      app::pictures::kPanelPng, app::pictures::kPanelPngSize, GetSysColor(COLOR_BTNFACE));
  ASSERT_TRUE(picture.valid());
  HDC dc = GetDC(Child(图片框1));
  int same = 0, dark = 0, all = 0;
  for (int y = 0; y < 166; y += 3)
    for (int x = 0; x < 496; x += 3, ++all) {
      const std::uint32_t p = picture.pixels[y * picture.width + x];
      const COLORREF expected = RGB(p >> 16, (p >> 8) & 0xFF, p & 0xFF);
      if (GetPixel(dc, x, y) == expected) ++same;
      if (GetRValue(expected) < 64) ++dark;
    }
  ReleaseDC(Child(图片框1), dc);
  EXPECT_GT(dark, all / 10) << "the picture has its dark QR modules";
  EXPECT_EQ(same, all);
}

// Real timer messages drive the slide to its end.
TEST_F(PanelTest, TheRunningTimerCarriesThePanelUp) {
  ShowWindow(form->window(), SW_SHOW);
  ChooseQrItem();
  DWORD start = GetTickCount();
  MSG msg;
  while (form->TimerPeriod(时钟1) != 0 && GetTickCount() - start < 5000) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
  }
  EXPECT_EQ(form->Top(图片框1), 30);
  EXPECT_EQ(form->TimerPeriod(时钟1), 0);
}

// What the screen shows in a rectangle of screen coordinates: 0x00RRGGBB, top row first.
std::vector<std::uint32_t> ScreenPixels(const RECT& rect) {
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB};
  runtime::WindowDC screen(nullptr);
  void* bits = nullptr;
  runtime::UniqueBitmap bitmap(
      CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  HDC memory = CreateCompatibleDC(screen.get());
  {
    runtime::SelectedObject selected(memory, bitmap.get());
    BitBlt(memory, 0, 0, width, height, screen.get(), rect.left, rect.top, SRCCOPY);
  }
  DeleteDC(memory);
  GdiFlush();
  std::vector<std::uint32_t> pixels(static_cast<const std::uint32_t*>(bits),
                                    static_cast<const std::uint32_t*>(bits) + width * height);
  for (std::uint32_t& pixel : pixels) pixel &= 0xFFFFFF;
  return pixels;
}

// The raised panel covers the edit box and the right-hand buttons; whatever they repaint, the
// screen keeps showing the panel's picture over them.
TEST_F(PanelTest, RaisedPanelStaysWholeWhileTheControlsBeneathRepaint) {
  form->RunCreated();  // the skin paints the window as in the program
  ShowWindow(form->window(), SW_SHOW);
  SetForegroundWindow(form->window());
  Settle();  // the window and its controls are painted
  ChooseQrItem();
  for (int i = 0; i < 18; ++i) Tick();
  ASSERT_EQ(PanelTopOnScreen(), 30);
  Settle();

  RECT panel;
  GetWindowRect(Child(图片框1), &panel);
  const runtime::DecodedPicture picture = runtime::DecodePicture(
      app::pictures::kPanelPng, app::pictures::kPanelPngSize, GetSysColor(COLOR_BTNFACE));
  ASSERT_TRUE(picture.valid());
  const std::uint32_t covered[] = {按钮4, 按钮3, 按钮2, 按钮1, 编辑框1};
  // Pixels of the screen over each covered control that differ from the panel's picture.
  auto spoiled = [&](const std::vector<std::uint32_t>& screen, std::uint32_t id) {
    RECT control;
    GetWindowRect(Child(id), &control);
    int count = 0;
    for (LONG y = control.top; y < control.bottom; ++y)
      for (LONG x = control.left; x < control.right; ++x) {
        const LONG px = x - panel.left, py = y - panel.top;
        if (screen[py * (panel.right - panel.left) + px] != picture.pixels[py * picture.width + px])
          ++count;
      }
    return count;
  };
  const std::vector<std::uint32_t> before = ScreenPixels(panel);
  for (std::uint32_t id : covered) {
    SCOPED_TRACE(testing::Message() << "before, component 0x" << std::hex << id);
    ASSERT_EQ(spoiled(before, id), 0);
  }

  form->SetText(编辑框1, "C:\\新的路径\\");
  SetFocus(Child(编辑框1));  // the caret appears
  form->SetDisabled(按钮3, true);
  form->SetDisabled(按钮4, true);
  form->SetDisabled(按钮4, false);
  SetFocus(Child(按钮2));  // the focus rectangle is drawn
  for (std::uint32_t id : covered)
    RedrawWindow(Child(id), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
  for (std::uint32_t id : covered) UpdateWindow(Child(id));
  Settle();

  const std::vector<std::uint32_t> after = ScreenPixels(panel);
  for (std::uint32_t id : covered) {
    SCOPED_TRACE(testing::Message() << "after, component 0x" << std::hex << id);
    EXPECT_EQ(spoiled(after, id), 0);
  }
  EXPECT_TRUE(after == before);
}

}  // namespace
