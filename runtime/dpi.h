#pragma once
// The scale of the program's pixels. The pixel numbers of its forms and of the skin are design
// units: pixels at 96 DPI (100 %). Each reaches Windows through Scaled, at the DPI of the window
// it is for, so that at 96 DPI every number is what it always was.
#include <windows.h>

namespace runtime {

inline constexpr int kDesignDpi = 96;

// A design number at dpi: MulDiv(value, dpi, 96), halves rounded away from zero. Rectangles are
// scaled edge by edge, so that two edges that meet at 96 DPI meet at every scale.
int Scaled(int value, int dpi);

// The DPI of the monitor the window is on: GetDpiForWindow where Windows has it (Windows 10 1607
// and later), else the screen's LOGPIXELSX.
int WindowDpi(HWND window);

// Tests put a DPI of their choosing in place of the window's.
struct DpiSeams {
  int (*windowDpi)(HWND window);
};
DpiSeams& DpiSeam();

}  // namespace runtime
