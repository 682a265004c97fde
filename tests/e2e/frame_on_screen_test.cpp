// The real program's first frame, read back from the screen: what the skin must show there.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "tests/e2e/running_program.h"

namespace {

struct Capture {
  int width = 0, height = 0;
  std::vector<COLORREF> pixels;
  COLORREF at(int x, int y) const { return pixels[y * width + x]; }
  int Luminance(int x, int y) const {
    COLORREF c = at(x, y);
    return (GetRValue(c) * 3 + GetGValue(c) * 6 + GetBValue(c)) / 10;
  }
  int CountWhite(int x0, int y0, int x1, int y1) const {
    int n = 0;
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x)
        if (GetRValue(at(x, y)) > 235 && GetGValue(at(x, y)) > 235 && GetBValue(at(x, y)) > 235) ++n;
    return n;
  }
  double MeanLuminance(int x0, int y0, int x1, int y1) const {
    double sum = 0;
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x) sum += Luminance(x, y);
    return sum / ((x1 - x0) * (y1 - y0));
  }
};

// The window's screen area (and a margin of 2 pixels) as the screen shows it.
Capture CaptureWindow(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  Capture capture;
  capture.width = r.right - r.left;
  capture.height = r.bottom - r.top;
  HDC screen = GetDC(nullptr);
  for (int y = 0; y < capture.height; ++y)
    for (int x = 0; x < capture.width; ++x)
      capture.pixels.push_back(GetPixel(screen, r.left + x, r.top + y));
  ReleaseDC(nullptr, screen);
  return capture;
}

TEST(FrameOnScreen, ShowsBandsCaptionButtonsTipLineAndTheRoundedOutline) {
  e2e::RunningProgram program;
  ASSERT_NE(program.window(), nullptr);
  // Paints run inside the program: read the screen until two readings with the program idle in
  // between agree on a drawn frame (bounded; how long it takes does not matter).
  Capture c = CaptureWindow(program.window());
  for (int i = 0; i < 100; ++i) {
    DWORD_PTR ignored;
    SendMessageTimeoutA(program.window(), WM_NULL, 0, 0, SMTO_NORMAL, 2000, &ignored);
    Sleep(100);
    Capture again = CaptureWindow(program.window());
    // Settled: the same twice, and the frame drawn (inside differs from the clipped corner).
    const bool settled = again.pixels == c.pixels && again.at(100, 50) != again.at(0, 100);
    c = std::move(again);
    if (settled) break;
  }
  ASSERT_EQ(c.width, 500);
  ASSERT_EQ(c.height, 200);
  const int W = 500, H = 200;

  // The clip region cuts the two outer columns at the left and rows at the top: the desktop
  // shows there, the same as just beside the window.
  HDC screen = GetDC(nullptr);
  RECT r;
  GetWindowRect(program.window(), &r);
  const COLORREF desktop = GetPixel(screen, r.left - 1, r.top + 100);
  ReleaseDC(nullptr, screen);
  EXPECT_EQ(c.at(0, 100), desktop);
  EXPECT_EQ(c.at(100, 0), desktop);
  EXPECT_NE(c.at(100, 50), desktop);

  // The translucent white band makes the caption row brighter than the picture below it.
  EXPECT_GT(c.MeanLuminance(150, 5, 350, 28), c.MeanLuminance(150, 35, 350, 50) + 20);
  // The caption "澄远" in white bold at (28, 9), shown one pixel right and down.
  EXPECT_GT(c.CountWhite(29, 10, 29 + 28, 10 + 14), 20);
  // The close button's white cross, drawn one pixel below its hit rectangle at (W - 48, 3).
  EXPECT_GT(c.CountWhite(W - 48, 4, W - 11, 23), 8);
  // The icon at (5, 5), 20 x 20: not the band's plain gradient.
  EXPECT_GT(c.MeanLuminance(6, 6, 26, 26), 0);
  // The tip line, grey on the bottom band: mid-grey pixels where no picture detail is that grey.
  int grey = 0;
  for (int y = H - 24; y < H - 10; ++y)
    for (int x = 6; x < 300; ++x) {
      COLORREF p = c.at(x, y);
      int spread = std::max({GetRValue(p), GetGValue(p), GetBValue(p)}) -
                   std::min({GetRValue(p), GetGValue(p), GetBValue(p)});
      if (spread < 12 && c.Luminance(x, y) > 110 && c.Luminance(x, y) < 200) ++grey;
    }
  EXPECT_GT(grey, 50);
  // The two transparent labels in white over the frame.
  EXPECT_GT(c.CountWhite(21, 55, 386, 111), 200);
  EXPECT_GT(c.CountWhite(19, 127, 105, 151), 20);

  PostMessageA(program.window(), WM_CLOSE, 0, 0);
  EXPECT_EQ(program.WaitForExit(), 0u);
}

// The skin's close button ends the program at once, with exit code 0.
TEST(FrameOnScreen, CloseButtonEndsTheProgram) {
  e2e::RunningProgram program;
  ASSERT_NE(program.window(), nullptr);
  const LPARAM onClose = MAKELPARAM(500 - 48 + 18, 3 + 9);
  PostMessageA(program.window(), WM_MOUSEMOVE, 0, onClose);
  PostMessageA(program.window(), WM_LBUTTONDOWN, MK_LBUTTON, onClose);
  PostMessageA(program.window(), WM_LBUTTONUP, 0, onClose);
  EXPECT_EQ(program.WaitForExit(), 0u);
}

}  // namespace
