// The window at 96, 120, 144 and 192 DPI through the DPI seam: the form and the skin laid out at
// the window's DPI when it opens, and again when Windows moves it to a monitor of another DPI.
// The test prefix's own DPI is 96.
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
  // Every pixel number within a pixel of its design number × dpi / 96, and edges that meet at
  // 96 DPI still meeting; the frame shown over all of the region.
  void ExpectLaidOutAt(int dpi) {
    SCOPED_TRACE(dpi);
    const auto expectScaled = [dpi](int pixels, int design) {
      EXPECT_LE(std::abs(pixels - design * dpi / 96.0), 1.0) << pixels << " for " << design;
    };
    RECT outer;
    GetWindowRect(window(), &outer);
    EXPECT_EQ(W(), outer.right - outer.left);
    EXPECT_EQ(H(), outer.bottom - outer.top);
    expectScaled(W(), 500);
    expectScaled(H(), 200);
    for (const runtime::ComponentDef& def : app::MainForm().components) {
      if (HWND child = form->ComponentWindow(def.id)) {
        const RECT r = ChildRect(child);
        const int top = form->Top(def.id);
        expectScaled(r.left, def.left);
        expectScaled(r.top, top);
        expectScaled(r.right, def.left + def.width);
        expectScaled(r.bottom, top + def.height);
      }
    }
    using namespace app::ids;
    EXPECT_EQ(ChildRect(form->ComponentWindow(按钮2)).bottom,
              ChildRect(form->ComponentWindow(按钮4)).top);
    LOGFONTW stock{}, button{};
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof stock, &stock);
    const auto font = SendMessageW(form->ComponentWindow(按钮4), WM_GETFONT, 0, 0);
    GetObjectW(reinterpret_cast<HFONT>(font), sizeof button, &button);
    EXPECT_EQ(button.lfHeight, MulDiv(stock.lfHeight, dpi, 96));
    EXPECT_STREQ(button.lfFaceName, stock.lfFaceName);
    EXPECT_EQ(dpi == 96, reinterpret_cast<HGDIOBJ>(font) == GetStockObject(DEFAULT_GUI_FONT));

    const int fromRight[] = {48, 73, 98, 123};
    for (int index = 1; index <= 4; ++index) {
      const skin::SkinRect& r = Skin().Button(index).rect;
      expectScaled(W() - r.x, fromRight[index - 1]);
      expectScaled(r.y, 3);
      expectScaled(r.height, 19);
      if (index > 1) {
        EXPECT_EQ(r.x + r.width, Skin().Button(index - 1).rect.x);
      }
    }
    Move(W() - 1, H() / 2);
    EXPECT_EQ(Skin().cursorZone, skin::kZoneRightEdge);

    UpdateWindow(window());
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    GetWindowRgn(window(), region);
    RECT box;
    GetRgnBox(region, &box);
    DeleteObject(region);
    expectScaled(box.left, 2);
    expectScaled(box.top, 2);
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
  runtime::DpiSeam().windowDpi = [](HWND) { return g_dpi; };
  const int dpis[] = {96, 120, 144, 192};
  for (std::size_t i = 0; i < std::size(dpis); ++i) {
    g_dpi = dpis[i];
    Restart();
    SetUpSkin({.topBandOn = 1, .bottomBandOn = 1, .tip = "提示"});
    ShowWindow(window(), SW_SHOWNOACTIVATE);
    testing_support::ExpectCentredBorderless(window(), MulDiv(500, g_dpi, 96),
                                             MulDiv(200, g_dpi, 96));
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
