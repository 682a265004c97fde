// The window at 96, 120, 144 and 192 DPI through the seam, as it opens and as Windows moves it.
#include <cmath>

#include "runtime/dpi.h"
#include "tests/skin/skin_fixture.h"
#include "tests/support/window_checks.h"

namespace skin_testing {
namespace {

int g_dpi = 96;

RECT ChildRect(HWND child) {
  RECT r;
  GetWindowRect(child, &r);
  MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

class DpiTest : public SkinTest {
 protected:
  // Every pixel number within a pixel of its design number × dpi / 96, edges that meet at 96 DPI
  // still meeting, and the frame shown over the whole region.
  void ExpectLaidOutAt(int dpi) {
    SCOPED_TRACE(dpi);
    const auto expectScaled = [dpi](int pixels, int design) {
      EXPECT_LE(std::abs(pixels - design * dpi / 96.0), 1.0) << pixels << " for " << design;
    };
    EXPECT_EQ(W(), MulDiv(500, dpi, 96));
    EXPECT_EQ(H(), MulDiv(200, dpi, 96));
    for (const runtime::ComponentDef& def : app::MainForm().components) {
      if (HWND child = form->ComponentWindow(def.id)) {
        const RECT r = ChildRect(child);
        expectScaled(r.left, def.left);
        expectScaled(r.top, form->Top(def.id));
        expectScaled(r.right, def.left + def.width);
        expectScaled(r.bottom, form->Top(def.id) + def.height);
      }
    }
    const HWND button = form->ComponentWindow(app::ids::按钮4);
    EXPECT_EQ(ChildRect(form->ComponentWindow(app::ids::按钮2)).bottom, ChildRect(button).top);
    LOGFONTW stock{}, font{};
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof stock, &stock);
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(button, WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_EQ(font.lfHeight, MulDiv(stock.lfHeight, dpi, 96));
    EXPECT_STREQ(font.lfFaceName, stock.lfFaceName);
    const int fromRight[] = {48, 73, 98, 123};
    for (int index = 1; index <= 4; ++index) {
      const skin::SkinRect& r = Skin().Button(index).rect;
      expectScaled(W() - r.x, fromRight[index - 1]);
      expectScaled(r.y, 3);
      expectScaled(r.y + r.height, 22);
      EXPECT_TRUE(index == 1 || r.x + r.width == Skin().Button(index - 1).rect.x) << index;
    }
    Move(W() - 3 * dpi / 96, H() / 2);
    EXPECT_EQ(Skin().cursorZone, skin::kZoneRightEdge);
    UpdateWindow(window());
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    GetWindowRgn(window(), region);
    RECT box;
    GetRgnBox(region, &box);
    DeleteObject(region);
    expectScaled(H() - box.bottom, 2);
    auto frame = ReadFrame();
    auto shown = ReadWindow();
    const int shift = Skin().Px(1);
    for (int x = box.left + 3; x < box.right - 3; ++x)
      ASSERT_EQ(shown->At(x, box.bottom - 1), frame->At(x - shift, box.bottom - 1 - shift)) << x;
  }
};

TEST_F(DpiTest, FormAndSkinTakeTheWindowsDpiAndANewOneWhenWindowsMovesTheWindow) {
  const auto previous = runtime::DpiSeam().windowDpi;
  runtime::DpiSeam().windowDpi = [](HWND) { return g_dpi; };  // the test prefix is at 96
  const int dpis[] = {96, 120, 144, 192};
  for (std::size_t i = 0; i < std::size(dpis); ++i) {
    g_dpi = dpis[i];
    Restart();
    SetUpSkin({.topBandOn = 1, .bottomBandOn = 1, .tip = "提示"});
    ShowWindow(window(), SW_SHOWNOACTIVATE);
    testing_support::ExpectCentredBorderless(window(), W(), H());
    form->SetTop(app::ids::图片框1, 30);  // the panel's upper stop
    ExpectLaidOutAt(g_dpi);
    // Windows hands the new DPI and a rectangle for it.
    const int next = dpis[(i + 1) % std::size(dpis)];
    const RECT suggested{40, 30, 40 + MulDiv(500, next, 96), 30 + MulDiv(200, next, 96)};
    SendMessageW(window(), WM_DPICHANGED, MAKEWPARAM(next, next),
                 reinterpret_cast<LPARAM>(&suggested));
    RECT now;
    GetWindowRect(window(), &now);
    EXPECT_TRUE(EqualRect(&now, &suggested));
    ExpectLaidOutAt(next);
  }
  runtime::DpiSeam().windowDpi = previous;
}

}  // namespace
}  // namespace skin_testing
