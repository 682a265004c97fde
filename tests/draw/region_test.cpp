// Region: creation, combination and hit tests, and handing a region to a real window.
#include "draw/region.h"

#include <gtest/gtest.h>

#include <utility>

#include "draw/last_error.h"
#include "draw/window_hook.h"
#include "tests/draw/draw_test_support.h"

namespace {

TEST(Region, ShapesCombineAndAnswerHitTests) {
  draw::Region region;
  EXPECT_FALSE(region.Contains(0, 0));
  ASSERT_TRUE(region.CreateRect(0, 0, 10, 10));
  EXPECT_TRUE(region.Contains(9, 9));
  EXPECT_FALSE(region.Contains(10, 9));

  draw::Region ellipse;
  ASSERT_TRUE(ellipse.CreateEllipse(5, 0, 25, 20));
  ASSERT_TRUE(region.Combine(ellipse, RGN_OR));
  EXPECT_TRUE(region.Contains(20, 10));
  EXPECT_TRUE(region.Contains(1, 1));
  ASSERT_TRUE(region.Combine(ellipse, RGN_DIFF));
  EXPECT_FALSE(region.Contains(20, 10));
  EXPECT_TRUE(region.Contains(1, 1));

  const POINT triangle[] = {{0, 0}, {20, 0}, {0, 20}};
  ASSERT_TRUE(region.CreatePolygon(triangle));
  EXPECT_TRUE(region.Contains(2, 2));
  EXPECT_FALSE(region.Contains(15, 15));

  draw::Region moved = std::move(region);
  EXPECT_EQ(region.Handle(), nullptr);
  EXPECT_TRUE(moved.Contains(2, 2));

  draw::ReleaseLastErrorText();
  draw::Region none;
  EXPECT_FALSE(moved.Combine(none, RGN_OR));
  EXPECT_EQ(draw::LastErrorText(), "合并区域失败(CombineRgn()返回值为0)");
  draw::ReleaseLastErrorText();
}

TEST(Region, SetRegionHandsTheRegionToTheWindowOnlyOnSuccess) {
  draw_testing::TestWindow window(100, 60);
  draw::WindowHook hook;
  ASSERT_TRUE(hook.Hook(window.hwnd()));
  draw::Region region;
  ASSERT_TRUE(region.CreateRoundRect(0, 0, 100, 60, 20, 20));
  ASSERT_TRUE(hook.SetRegion(region, FALSE));
  EXPECT_EQ(region.Handle(), nullptr);  // the system's now

  // The window's region has the rounded corners.
  const HRGN copy = CreateRectRgn(0, 0, 0, 0);
  ASSERT_EQ(GetWindowRgn(window.hwnd(), copy), COMPLEXREGION);
  EXPECT_TRUE(PtInRegion(copy, 50, 30));
  EXPECT_FALSE(PtInRegion(copy, 1, 1));
  DeleteObject(copy);

  // On a window that does not exist the region stays with the object.
  draw::WindowHook gone;
  ASSERT_TRUE(gone.Hook(reinterpret_cast<HWND>(static_cast<INT_PTR>(0x7654))));
  draw::Region kept;
  ASSERT_TRUE(kept.CreateRect(0, 0, 5, 5));
  draw::ReleaseLastErrorText();
  EXPECT_FALSE(gone.SetRegion(kept));
  EXPECT_NE(kept.Handle(), nullptr);
  EXPECT_TRUE(kept.Contains(1, 1));
  EXPECT_EQ(draw::LastErrorText(), "设置窗口区域失败(SetWindowRgn()返回值为0)");
  draw::ReleaseLastErrorText();
}

}  // namespace
