#pragma once
// Helpers for the drawing tests: a 32-bit pixel buffer with a device context, colour
// comparison with a tolerance, test images encoded on the spot, and a plain test window.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace draw_testing {

// A memory device context with a top-down 32-bit DIB section selected, so that pixels can be
// read back exactly.
class PixelTarget {
 public:
  PixelTarget(int width, int height);
  ~PixelTarget();
  PixelTarget(const PixelTarget&) = delete;
  PixelTarget& operator=(const PixelTarget&) = delete;

  HDC dc() const { return dc_; }
  // The pixel as a COLORREF (0x00BBGGRR).
  COLORREF At(int x, int y) const;
  void Fill(COLORREF colour);

 private:
  int width_;
  int height_;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ previous_ = nullptr;
  std::uint32_t* bits_ = nullptr;
};

testing::AssertionResult ColourNear(COLORREF actual, COLORREF expected, int tolerance);

// An image of width × height filled with one ARGB colour, encoded by GDI+ with the encoder of
// mimeType ("image/png", "image/jpeg"). Empty when the encoder is missing.
std::vector<std::uint8_t> EncodeSolidImage(const wchar_t* mimeType, int width, int height,
                                           std::uint32_t argb);

// An .ico file with one 32-bit size × size image of one ARGB colour.
std::vector<std::uint8_t> MakeIcon(int size, std::uint32_t argb);

// A hidden top-level Unicode window whose procedure answers WM_USER + 1 with 42.
class TestWindow {
 public:
  TestWindow(int width = 200, int height = 120);
  ~TestWindow();
  TestWindow(const TestWindow&) = delete;
  TestWindow& operator=(const TestWindow&) = delete;

  HWND hwnd() const { return hwnd_; }
  static WNDPROC ClassProcedure();

 private:
  HWND hwnd_ = nullptr;
};

// GDI objects of this process (on Wine by walking its GDI handle table).
DWORD GdiObjectCount();

}  // namespace draw_testing
