#include "tests/support/window_checks.h"

#include <gtest/gtest.h>

namespace testing_support {

void ExpectCentredBorderless(HWND window, int width, int height) {
  RECT r;
  GetWindowRect(window, &r);
  EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - width) / 2);
  EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - height) / 2);
  EXPECT_EQ(r.right - r.left, width);
  EXPECT_EQ(r.bottom - r.top, height);
  const LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
  EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_THICKFRAME), 0);
}

}  // namespace testing_support
