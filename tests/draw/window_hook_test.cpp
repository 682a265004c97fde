#include "draw/window_hook.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "draw/last_error.h"
#include "tests/draw/draw_test_support.h"

namespace {

using draw_testing::TestWindow;

constexpr char kHookMessage[] = "设置窗口信息失败(SetWindowLongA()返回值为0)";
constexpr char kNoProcedureMessage[] = "您未提供 窗口消息回调 子程序指针！";
constexpr char kRegionMessage[] = "设置窗口区域失败(SetWindowRgn()返回值为0)";

// The procedure installed by the tests: notes the message and forwards it.
draw::WindowHook* g_hook = nullptr;
std::vector<UINT> g_seen;

LRESULT CALLBACK Replacement(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  g_seen.push_back(message);
  return g_hook->CallPrevious(hwnd, message, wParam, lParam);
}

WNDPROC CurrentProcedure(HWND hwnd) {
  return reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hwnd, GWLP_WNDPROC));
}

TEST(WindowHook, HookWithoutProcedureOnlyRecordsTheWindowAndRefusesToForward) {
  TestWindow window;
  draw::WindowHook hook;
  EXPECT_TRUE(hook.Hook(window.hwnd()));
  EXPECT_EQ(hook.GetWindow(), window.hwnd());
  EXPECT_FALSE(hook.IsForwarding());
  EXPECT_EQ(CurrentProcedure(window.hwnd()), TestWindow::ClassProcedure());

  draw::SetLastErrorText("旧的文字");
  EXPECT_EQ(hook.CallPrevious(window.hwnd(), WM_USER + 1, 0, 0), 0);
  EXPECT_EQ(draw::LastErrorText(), kNoProcedureMessage);
  // Nothing was installed, so nothing is put back.
  EXPECT_EQ(hook.Unhook(), 0);
  EXPECT_EQ(CurrentProcedure(window.hwnd()), TestWindow::ClassProcedure());
  draw::ReleaseLastErrorText();
}

TEST(WindowHook, HookOnAnInvalidWindowFailsWithItsMessage) {
  draw::WindowHook hook;
  draw::SetLastErrorText("旧的文字");
  EXPECT_FALSE(hook.Hook(reinterpret_cast<HWND>(static_cast<INT_PTR>(0x7654)), Replacement));
  EXPECT_EQ(draw::LastErrorText(), kHookMessage);
  draw::ReleaseLastErrorText();
}

TEST(WindowHook, InstalledProcedureSeesMessagesFirstAndForwardsToThePreviousOne) {
  TestWindow window;
  draw::WindowHook hook;
  g_hook = &hook;
  g_seen.clear();
  ASSERT_TRUE(hook.Hook(window.hwnd(), Replacement));
  EXPECT_TRUE(hook.IsForwarding());
  EXPECT_EQ(hook.GetPreviousProcedure(), TestWindow::ClassProcedure());
  EXPECT_EQ(CurrentProcedure(window.hwnd()), Replacement);

  EXPECT_EQ(SendMessageA(window.hwnd(), WM_USER + 1, 0, 0), 42);
  ASSERT_FALSE(g_seen.empty());
  EXPECT_EQ(g_seen.back(), static_cast<UINT>(WM_USER + 1));
  // Messages the class leaves to DefWindowProc still get there.
  SetWindowTextW(window.hwnd(), L"标题");
  wchar_t text[16] = {};
  GetWindowTextW(window.hwnd(), text, static_cast<int>(std::size(text)));
  EXPECT_STREQ(text, L"标题");

  // Hooking again with the same procedure must not make it its own predecessor.
  ASSERT_TRUE(hook.Hook(window.hwnd(), Replacement));
  EXPECT_EQ(hook.GetPreviousProcedure(), TestWindow::ClassProcedure());
  EXPECT_EQ(SendMessageA(window.hwnd(), WM_USER + 1, 0, 0), 42);

  EXPECT_EQ(hook.Unhook(), reinterpret_cast<LONG_PTR>(Replacement));
  EXPECT_EQ(hook.GetWindow(), nullptr);
  EXPECT_EQ(CurrentProcedure(window.hwnd()), TestWindow::ClassProcedure());
  // Forwarding stays on after Unhook, with the window the caller passes.
  EXPECT_EQ(hook.CallPrevious(window.hwnd(), WM_USER + 1, 0, 0), 42);
  g_hook = nullptr;
}

TEST(WindowHook, AWindowThatAlreadyRunsTheProcedureIsNotMadeItsOwnPredecessor) {
  TestWindow window;
  draw::WindowHook first;
  ASSERT_TRUE(first.Hook(window.hwnd(), Replacement));
  // A second hook object meets a window that already runs Replacement: the procedure before it
  // is unknown to this object, so it refuses, instead of taking Replacement as its predecessor.
  draw::WindowHook second;
  draw::SetLastErrorText("旧的文字");
  EXPECT_FALSE(second.Hook(window.hwnd(), Replacement));
  EXPECT_EQ(draw::LastErrorText(), kHookMessage);
  EXPECT_EQ(second.GetPreviousProcedure(), nullptr);
  EXPECT_EQ(CurrentProcedure(window.hwnd()), Replacement);
  // Forwarding through it ends at once instead of recursing until the stack runs out.
  g_hook = &second;
  EXPECT_EQ(SendMessageA(window.hwnd(), WM_USER + 1, 0, 0), 0);
  // The first hook still forwards to the class's procedure.
  g_hook = &first;
  EXPECT_EQ(SendMessageA(window.hwnd(), WM_USER + 1, 0, 0), 42);
  EXPECT_EQ(first.Unhook(), reinterpret_cast<LONG_PTR>(Replacement));
  g_hook = nullptr;
  draw::ReleaseLastErrorText();
}

TEST(WindowHook, AFailedHookForgetsThePreviousProcedureOfAnEarlierOne) {
  TestWindow window;
  draw::WindowHook hook;
  ASSERT_TRUE(hook.Hook(window.hwnd(), Replacement));
  ASSERT_EQ(hook.GetPreviousProcedure(), TestWindow::ClassProcedure());
  hook.Unhook();
  EXPECT_FALSE(hook.Hook(reinterpret_cast<HWND>(static_cast<INT_PTR>(0x7654)), Replacement));
  EXPECT_EQ(hook.GetPreviousProcedure(), nullptr);
  EXPECT_TRUE(hook.IsForwarding());
  // Nothing is forwarded to the procedure of the window hooked before.
  EXPECT_EQ(hook.CallPrevious(window.hwnd(), WM_USER + 1, 0, 0), 0);

  // The same on a second window that already runs the procedure through another hook: the
  // object refuses, instead of forwarding the second window's messages to the first one's.
  ASSERT_TRUE(hook.Hook(window.hwnd(), Replacement));
  hook.Unhook();
  draw::WindowHook other;
  g_hook = &other;
  TestWindow second;
  ASSERT_TRUE(other.Hook(second.hwnd(), Replacement));
  EXPECT_FALSE(hook.Hook(second.hwnd(), Replacement));
  EXPECT_EQ(hook.GetPreviousProcedure(), nullptr);
  EXPECT_EQ(hook.CallPrevious(second.hwnd(), WM_USER + 1, 0, 0), 0);
  EXPECT_EQ(CurrentProcedure(second.hwnd()), Replacement);
  EXPECT_EQ(other.Unhook(), reinterpret_cast<LONG_PTR>(Replacement));
  g_hook = nullptr;
  draw::ReleaseLastErrorText();
}

TEST(WindowHook, PaintBracketFillsTheRecordAndValidatesTheUpdateRegion) {
  TestWindow window(120, 80);
  ShowWindow(window.hwnd(), SW_SHOWNOACTIVATE);
  UpdateWindow(window.hwnd());
  draw::WindowHook hook;
  ASSERT_TRUE(hook.Hook(window.hwnd()));
  RECT dirty{10, 20, 30, 40};
  InvalidateRect(window.hwnd(), &dirty, TRUE);

  const HDC dc = hook.BeginPaint();
  ASSERT_NE(dc, nullptr);
  const draw::PaintRecord& record = hook.GetPaintRecord();
  EXPECT_EQ(record.deviceContext, dc);
  EXPECT_TRUE(EqualRect(&record.paint, &dirty))
      << record.paint.left << "," << record.paint.top << "," << record.paint.right << ","
      << record.paint.bottom;
  // A copy carries its own duplicate of the record.
  draw::WindowHook copy = hook;
  EXPECT_EQ(copy.GetPaintRecord().deviceContext, dc);
  EXPECT_TRUE(EqualRect(&copy.GetPaintRecord().paint, &dirty));
  EXPECT_EQ(copy.GetWindow(), window.hwnd());

  EXPECT_TRUE(hook.EndPaint());
  RECT remaining;
  EXPECT_FALSE(GetUpdateRect(window.hwnd(), &remaining, FALSE));
}

TEST(WindowHook, RoundRectRegionGetsTheComputedEdgesAndCorners) {
  constexpr int W = 60, H = 40;
  TestWindow window(W, H);
  draw::WindowHook hook;
  ASSERT_TRUE(hook.Hook(window.hwnd()));
  ASSERT_TRUE(hook.SetRoundRectRegion(2, 2, W - 1, H - 3, 3, 3, 1)) << draw::LastErrorText();

  HRGN region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(window.hwnd(), region), ERROR);
  // The system got the edges (2, 2) to (W + 1, H - 1) and the 3 × 3 corner ellipse.
  HRGN expected = CreateRoundRectRgn(2, 2, W + 1, H - 1, 3, 3);
  EXPECT_TRUE(EqualRgn(region, expected));
  DeleteObject(expected);
  // A rounded-rectangle region leaves out one more column on the right and one more row at the
  // bottom than a rectangle region with the same edges (Windows does this, and Wine copies it):
  // the visible pixels run from (2, 2) to (W, H - 2), exclusive.
  RECT box;
  GetRgnBox(region, &box);
  EXPECT_EQ(box.left, 2);
  EXPECT_EQ(box.top, 2);
  EXPECT_EQ(box.right, W);
  EXPECT_EQ(box.bottom, H - 2);
  // Every pixel outside that rectangle is cut away, and every pixel inside it except the rounded
  // corners (the two pixels nearest each corner on either axis) stays.
  for (int y = -1; y <= H + 2; ++y) {
    for (int x = -1; x <= W + 2; ++x) {
      const bool inside = x >= 2 && x < W && y >= 2 && y < H - 2;
      const bool nearCorner = (x <= 3 || x >= W - 2) && (y <= 3 || y >= H - 4);
      if (inside && nearCorner) continue;
      EXPECT_EQ(PtInRegion(region, x, y) != 0, inside) << x << "," << y;
    }
  }
  DeleteObject(region);
}

TEST(WindowHook, EllipticRegionIsTheEllipseInTheGivenBox) {
  TestWindow window(60, 40);
  draw::WindowHook hook;
  ASSERT_TRUE(hook.Hook(window.hwnd()));
  ASSERT_TRUE(hook.SetEllipticRegion(0, 0, 60, 40));
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(window.hwnd(), region), ERROR);
  EXPECT_TRUE(PtInRegion(region, 30, 20));
  EXPECT_TRUE(PtInRegion(region, 1, 20));
  EXPECT_TRUE(PtInRegion(region, 30, 1));
  EXPECT_FALSE(PtInRegion(region, 1, 1));
  EXPECT_FALSE(PtInRegion(region, 58, 38));
  DeleteObject(region);
}

TEST(WindowHook, FailedRegionCallsAppendTheirMessageAndLeaveNoRegionBehind) {
  draw::WindowHook hook;
  ASSERT_TRUE(hook.Hook(reinterpret_cast<HWND>(static_cast<INT_PTR>(0x7654))));
  draw::SetLastErrorText("前");
  HRGN mine = CreateRectRgn(0, 0, 10, 10);
  EXPECT_FALSE(hook.SetRegion(mine));
  // The region is still the caller's to delete.
  EXPECT_TRUE(DeleteObject(mine));

  const DWORD before = draw_testing::GdiObjectCount();
  EXPECT_FALSE(hook.SetRoundRectRegion(0, 0, 10, 10, 3, 3));
  EXPECT_FALSE(hook.SetEllipticRegion(0, 0, 10, 10));
  EXPECT_EQ(draw_testing::GdiObjectCount(), before);
  EXPECT_EQ(draw::LastErrorText(),
            std::string("前") + kRegionMessage + kRegionMessage + kRegionMessage);
  draw::ReleaseLastErrorText();
}

}  // namespace
