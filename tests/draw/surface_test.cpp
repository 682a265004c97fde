#include "draw/surface.h"

#include <gtest/gtest.h>

#include <string>

#include "draw/last_error.h"
#include "tests/draw/draw_test_support.h"

namespace {

using draw_testing::ColourNear;
using draw_testing::PixelTarget;

constexpr char kZeroDeviceMessage[] =
    "您提供的设备句柄为0(图形.创建_自设备句柄(此处您提供的是一个值为0的整数))"
    "请检查您获得设备句柄的方法";
constexpr char kBitBltMessage[] =
    "将内存设备场景内容复制到窗口设备场景失败(BitBlt()返回值为0)请检查图形是否创建成功";
constexpr char kAlphaBlendMessage[] =
    "将内存设备场景内容复制到窗口设备场景失败(AlphaBlend()返回值为0)请检查图形是否创建成功";

COLORREF MemoryPixel(const draw::图形& surface, int x, int y) {
  return GetPixel(surface.GetMemoryDC(), x, y);
}

// Fills the whole surface with one opaque colour through GDI+.
void Fill(draw::图形& surface, Gdiplus::ARGB colour) {
  draw::GdipSolidBrush brush;
  ASSERT_TRUE(brush.Create(colour));
  ASSERT_TRUE(surface.FillRectangle(brush, 0, 0, static_cast<float>(surface.GetWidth()),
                                    static_cast<float>(surface.GetHeight())));
}

// Creates surface on a device context of width × height and fills it with one opaque colour.
void CreateFilled(draw::图形& surface, HDC dc, int width, int height, Gdiplus::ARGB colour) {
  ASSERT_TRUE(surface.创建_自设备句柄(dc, width, height));
  Fill(surface, colour);
}

TEST(Surface, ZeroDeviceContextAppendsItsMessageAndCreatesNothing) {
  draw::SetLastErrorText("前");
  draw::图形 surface;
  EXPECT_FALSE(surface.创建_自设备句柄(nullptr, 10, 10));
  EXPECT_EQ(draw::LastErrorText(), std::string("前") + kZeroDeviceMessage);
  EXPECT_EQ(surface.GetMemoryDC(), nullptr);
  EXPECT_EQ(surface.GetGraphics(), nullptr);
  EXPECT_FALSE(surface.Release());
  draw::ReleaseLastErrorText();
}

TEST(Surface, CopiesWithoutACreatedSurfaceFailWithTheirMessages) {
  draw::ReleaseLastErrorText();
  draw::图形 surface;
  EXPECT_FALSE(surface.CopyToDevice(0, 0, 4, 4));
  EXPECT_FALSE(surface.AlphaCopyToDevice(0, 0, 4, 4, 255));
  EXPECT_EQ(draw::LastErrorText(), std::string(kBitBltMessage) + kAlphaBlendMessage);
  draw::ReleaseLastErrorText();
}

TEST(Surface, CreatedOnAMemoryDeviceFillsAndCopiesWithSrccopyByDefault) {
  PixelTarget target(40, 30);
  draw::图形 surface;
  ASSERT_TRUE(surface.创建_自设备句柄(target.dc(), 40, 30));
  EXPECT_EQ(surface.GetWidth(), 40);
  EXPECT_EQ(surface.GetHeight(), 30);
  EXPECT_EQ(surface.GetDeviceContext(), target.dc());
  EXPECT_EQ(surface.GetWindow(), nullptr);
  EXPECT_NE(surface.GetMemoryDC(), nullptr);
  ASSERT_NE(surface.GetGraphics(), nullptr);
  EXPECT_EQ(surface.GetHandle(), surface.GetGraphics());

  Fill(surface, 0xFF112233);
  EXPECT_EQ(MemoryPixel(surface, 0, 0), RGB(0x11, 0x22, 0x33));
  EXPECT_EQ(MemoryPixel(surface, 39, 29), RGB(0x11, 0x22, 0x33));

  target.Fill(RGB(0xF0, 0x0F, 0x55));
  ASSERT_TRUE(surface.CopyToDevice(2, 3, 10, 5));
  EXPECT_EQ(target.At(2, 3), RGB(0x11, 0x22, 0x33));
  EXPECT_EQ(target.At(11, 7), RGB(0x11, 0x22, 0x33));
  EXPECT_EQ(target.At(12, 7), RGB(0xF0, 0x0F, 0x55));
  EXPECT_EQ(target.At(11, 8), RGB(0xF0, 0x0F, 0x55));

  // A given raster operation replaces SRCCOPY: the inversion of the destination.
  ASSERT_TRUE(surface.CopyToDevice(20, 20, 2, 2, DSTINVERT));
  EXPECT_EQ(target.At(20, 20), RGB(0x0F, 0xF0, 0xAA));

  EXPECT_TRUE(surface.Release());
  EXPECT_EQ(surface.GetMemoryDC(), nullptr);
  EXPECT_EQ(surface.GetGraphics(), nullptr);
  EXPECT_EQ(surface.GetHandle(), nullptr);
  EXPECT_FALSE(surface.Release());
}

TEST(Surface, MoveSourceOriginShiftsWhereCopiesAreTakenFrom) {
  PixelTarget target(20, 10);
  draw::图形 surface;
  ASSERT_NO_FATAL_FAILURE(CreateFilled(surface, target.dc(), 20, 10, 0xFFFF0000));
  draw::GdipSolidBrush blue;
  ASSERT_TRUE(blue.Create(0xFF0000FF));
  ASSERT_TRUE(surface.FillRectangle(blue, 10, 0, 10, 10));
  surface.MoveSourceOrigin(-10, 0);
  EXPECT_EQ(surface.GetSourceX(), 10);
  ASSERT_TRUE(surface.CopyToDevice(0, 0, 5, 5));
  EXPECT_EQ(target.At(0, 0), RGB(0, 0, 0xFF));
  surface.MoveSourceOrigin(10, 0);
  ASSERT_TRUE(surface.CopyToDevice(0, 0, 5, 5));
  EXPECT_EQ(target.At(0, 0), RGB(0xFF, 0, 0));
}

TEST(Surface, LinearGradientRunsFromTheFirstColourToTheSecond) {
  PixelTarget target(100, 10);
  draw::图形 surface;
  ASSERT_TRUE(surface.创建_自设备句柄(target.dc(), 100, 10));
  draw::GdipLinearBrush gradient;
  ASSERT_TRUE(gradient.CreateFromRect({0, 0, 100, 10}, 0xFFFF0000, 0xFF0000FF,
                                      Gdiplus::LinearGradientModeHorizontal));
  ASSERT_TRUE(surface.FillRectangle(gradient, 0, 0, 100, 10));
  EXPECT_TRUE(ColourNear(MemoryPixel(surface, 0, 5), RGB(0xFF, 0, 0), 8));
  EXPECT_TRUE(ColourNear(MemoryPixel(surface, 99, 5), RGB(0, 0, 0xFF), 8));
  EXPECT_TRUE(ColourNear(MemoryPixel(surface, 50, 5), RGB(0x80, 0, 0x80), 12));
}

TEST(Surface, AlphaCopyBlendsOverTheDevicePixels) {
  PixelTarget target(20, 10);
  draw::图形 surface;
  ASSERT_NO_FATAL_FAILURE(CreateFilled(surface, target.dc(), 20, 10, 0xFF000000));
  target.Fill(RGB(0xFF, 0xFF, 0xFF));
  ASSERT_TRUE(surface.AlphaCopyToDevice(0, 0, 10, 10, 128));
  ASSERT_TRUE(surface.AlphaCopyToDevice(10, 0, 10, 10, 255));
  EXPECT_TRUE(ColourNear(target.At(5, 5), RGB(0x7F, 0x7F, 0x7F), 2));
  EXPECT_EQ(target.At(15, 5), RGB(0, 0, 0));
}

TEST(Surface, DrawRectangleOutlinesWithThePen) {
  PixelTarget target(20, 20);
  draw::图形 surface;
  ASSERT_NO_FATAL_FAILURE(CreateFilled(surface, target.dc(), 20, 20, 0xFFFFFFFF));
  draw::GdipPen pen;
  ASSERT_TRUE(pen.Create(0xFF000000, 1.0f, Gdiplus::UnitPixel));
  ASSERT_TRUE(surface.DrawRectangle(pen, 2, 2, 10, 10));
  EXPECT_EQ(MemoryPixel(surface, 7, 2), RGB(0, 0, 0));
  EXPECT_EQ(MemoryPixel(surface, 2, 7), RGB(0, 0, 0));
  EXPECT_EQ(MemoryPixel(surface, 7, 7), RGB(0xFF, 0xFF, 0xFF));
  // An empty pen is refused by GDI+ and the refusal recorded.
  draw::GdipPen empty;
  EXPECT_FALSE(surface.DrawRectangle(empty, 2, 2, 10, 10));
  EXPECT_NE(draw::LastStatus(), Gdiplus::Ok);
}

int CountPixelsNot(const draw::图形& surface, COLORREF colour) {
  int count = 0;
  for (int y = 0; y < surface.GetHeight(); ++y)
    for (int x = 0; x < surface.GetWidth(); ++x)
      if (MemoryPixel(surface, x, y) != colour) ++count;
  return count;
}

TEST(Surface, DrawStringDrawsTextAndAnEmptyStringDrawsNothing) {
  PixelTarget target(80, 30);
  draw::图形 surface;
  ASSERT_NO_FATAL_FAILURE(CreateFilled(surface, target.dc(), 80, 30, 0xFFFFFFFF));
  draw::GdipSolidBrush black;
  ASSERT_TRUE(black.Create(0xFF000000));
  draw::GdipFont font;
  ASSERT_TRUE(font.CreateFromFamilyName("宋体", 12.0f, Gdiplus::FontStyleBold, Gdiplus::UnitPixel));
  draw::GdipStringFormat defaultFormat;

  surface.DrawString("", font, black, {2, 2, 0, 0}, defaultFormat);
  EXPECT_EQ(CountPixelsNot(surface, RGB(0xFF, 0xFF, 0xFF)), 0);

  ASSERT_TRUE(surface.DrawString("澄远 OK", font, black, {2, 2, 0, 0}, defaultFormat));
  const int inked = CountPixelsNot(surface, RGB(0xFF, 0xFF, 0xFF));
  EXPECT_GT(inked, 20);
  // A layout rectangle of zero size does not clip: the text starts at its corner.
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 80; ++x) EXPECT_EQ(MemoryPixel(surface, x, y), RGB(0xFF, 0xFF, 0xFF));
}

TEST(Surface, DecodedImagesAreDrawnScaled) {
  struct Case {
    const char* name;
    std::vector<std::uint8_t> bytes;
    int tolerance;
  } cases[] = {
      {"png", draw_testing::EncodeSolidImage(L"image/png", 16, 16, 0xFF2040C0), 2},
      {"jpeg", draw_testing::EncodeSolidImage(L"image/jpeg", 16, 16, 0xFF2040C0), 6},
      {"ico", draw_testing::MakeIcon(16, 0xFF2040C0), 2},
  };
  for (auto& c : cases) {
    SCOPED_TRACE(c.name);
    PixelTarget target(40, 40);
    draw::图形 surface;
    ASSERT_NO_FATAL_FAILURE(CreateFilled(surface, target.dc(), 40, 40, 0xFFFFFFFF));
    draw::GdipImage image;
    ASSERT_TRUE(image.LoadFromBytes(c.bytes));
    ASSERT_TRUE(surface.DrawImageRect(image, 5, 5, 30, 30));
    EXPECT_TRUE(ColourNear(MemoryPixel(surface, 20, 20), RGB(0x20, 0x40, 0xC0), c.tolerance));
    // Away from the edges, which the scaling blends with the background.
    EXPECT_TRUE(ColourNear(MemoryPixel(surface, 12, 28), RGB(0x20, 0x40, 0xC0), c.tolerance));
    EXPECT_TRUE(ColourNear(MemoryPixel(surface, 28, 12), RGB(0x20, 0x40, 0xC0), c.tolerance));
    EXPECT_EQ(MemoryPixel(surface, 2, 20), RGB(0xFF, 0xFF, 0xFF));
    EXPECT_EQ(MemoryPixel(surface, 37, 20), RGB(0xFF, 0xFF, 0xFF));
  }
}

TEST(Surface, WindowDeviceContextGivesTheWindowAndItsRectangle) {
  draw_testing::TestWindow window(150, 90);
  draw::图形 surface;
  ASSERT_TRUE(surface.创建_自设备句柄(GetDC(window.hwnd()), 150, 90));
  EXPECT_EQ(surface.GetWindow(), window.hwnd());
  EXPECT_EQ(surface.GetWindowWidth(), 150);
  EXPECT_EQ(surface.GetWindowHeight(), 90);
  EXPECT_TRUE(surface.Release());
  EXPECT_EQ(surface.GetDeviceContext(), nullptr);
}

}  // namespace
