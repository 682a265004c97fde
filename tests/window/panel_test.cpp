// The QR-code panel slides under the timer: exact steps, stops, reversal and label refreshes.
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
  void Tick() {
    SendMessageA(form->window(), WM_TIMER, runtime::CommandId(时钟1), 0);
  }
  void ChooseQrItem() {
    SendMessageA(form->window(), WM_COMMAND, runtime::CommandId(神秘二维码), 0);
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

}  // namespace
