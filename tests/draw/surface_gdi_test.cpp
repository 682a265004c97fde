// The surface's creation variants, GDI drawing, bitmap transfers and device-independent bits,
// read back as pixels.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "draw/last_error.h"
#include "draw/region.h"
#include "draw/surface.h"
#include "runtime/form.h"
#include "tests/draw/draw_test_support.h"

namespace {

using draw_testing::ColourNear;
using draw_testing::PixelTarget;
using draw_testing::TestWindow;

constexpr COLORREF kWhite = RGB(0xFF, 0xFF, 0xFF);
constexpr COLORREF kRed = RGB(0xFF, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 0xFF);
constexpr COLORREF kGreen = RGB(0, 0x80, 0);

int CountPixels(const draw::图形& surface, COLORREF colour, const RECT& area) {
  int count = 0;
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x)
      if (surface.GetPixel(x, y) == colour) ++count;
  return count;
}

// ---- Creation.

constexpr std::uint32_t kFormWindow = 0x51A0001;
constexpr std::uint32_t kFormSelf = 0x51A0002;
constexpr std::uint32_t kFormBox = 0x51A0003;
constexpr runtime::ComponentDef kFormComponents[] = {
    {runtime::Kind::PictureBox, kFormBox, "box", 5, 7, 64, 48, true, false, false, nullptr},
};
const runtime::FormDef kForm{
    kFormWindow, kFormSelf, "CySurfaceTestForm", "surface", 200, 150, WS_POPUP, 0, nullptr,
    0,           false,     kFormComponents,     nullptr};

TEST(SurfaceCreation, FromAWindowTakesItsClientSizeOrTheGivenOne) {
  TestWindow window(150, 90);
  draw::图形 surface;
  ASSERT_TRUE(surface.创建_自窗口(window.hwnd()));
  EXPECT_EQ(surface.GetWindow(), window.hwnd());
  EXPECT_EQ(surface.GetWidth(), 150);
  EXPECT_EQ(surface.GetHeight(), 90);
  EXPECT_TRUE(surface.IsCreated());

  // Created again with a size of its own: the first device context is given back.
  ASSERT_TRUE(surface.创建_自窗口_指定尺寸(window.hwnd(), 40, 30));
  EXPECT_EQ(surface.GetWidth(), 40);
  EXPECT_EQ(surface.GetHeight(), 30);
  EXPECT_EQ(surface.GetWindowWidth(), 150);
  // The bitmap really is that size: the last column and row can be written, the next cannot.
  EXPECT_TRUE(surface.SetPixel(39, 29, kRed));
  EXPECT_EQ(surface.GetPixel(39, 29), kRed);
  EXPECT_EQ(surface.GetPixel(40, 29), CLR_INVALID);

  ASSERT_TRUE(surface.创建_自设备句柄_窗口尺寸(GetDC(window.hwnd())));
  EXPECT_EQ(surface.GetWidth(), 150);
  EXPECT_EQ(surface.GetHeight(), 90);
}

TEST(SurfaceCreation, FromAComponentUsesTheComponentsWindow) {
  auto form = runtime::Form::Create(kForm);
  ASSERT_NE(form, nullptr);
  const HWND box = form->ComponentWindow(kFormBox);
  ASSERT_NE(box, nullptr);
  draw::图形 surface;
  ASSERT_TRUE(surface.创建_自窗口组件(kFormWindow, kFormBox));
  EXPECT_EQ(surface.GetWindow(), box);
  EXPECT_EQ(surface.GetWidth(), 64);
  EXPECT_EQ(surface.GetHeight(), 48);
  ASSERT_TRUE(surface.创建_自窗口组件_指定尺寸(kFormWindow, kFormBox, 20, 10));
  EXPECT_EQ(surface.GetWindow(), box);
  EXPECT_EQ(surface.GetWidth(), 20);
  EXPECT_EQ(surface.GetHeight(), 10);
}

TEST(SurfaceCreation, MissingWindowsAndWindowlessDevicesFailWithTheirMessages) {
  draw::ReleaseLastErrorText();
  draw::图形 surface;
  {
    SCOPED_TRACE("null window");
    EXPECT_FALSE(surface.创建_自窗口(nullptr));
    EXPECT_NE(draw::LastErrorText().find("您提供的窗口句柄为0"), std::string_view::npos);
    EXPECT_FALSE(surface.IsCreated());
  }
  {
    SCOPED_TRACE("unknown component");
    draw::ReleaseLastErrorText();
    EXPECT_FALSE(surface.创建_自窗口组件(kFormWindow, 0x51A0FFF));
    EXPECT_EQ(draw::LastErrorText(),
              "找不到窗口组件(图形.创建_自窗口组件(该组件不存在或没有窗口))");
  }
  {
    SCOPED_TRACE("memory device without a window");
    draw::ReleaseLastErrorText();
    PixelTarget target(8, 8);
    EXPECT_FALSE(surface.创建_自设备句柄_窗口尺寸(target.dc()));
    EXPECT_EQ(draw::LastErrorText(),
              "设备句柄不属于任何窗口(WindowFromDC()返回值为0)无法取得窗口尺寸");
    EXPECT_FALSE(surface.IsCreated());
    EXPECT_EQ(surface.GetDeviceContext(), target.dc());
  }
  draw::ReleaseLastErrorText();
}

// ---- GDI drawing.

class SurfaceGdi : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(surface_.创建_自设备句柄(target_.dc(), 60, 40));
    ASSERT_TRUE(surface_.GdiClear(kWhite));
  }
  PixelTarget target_{60, 40};
  draw::图形 surface_;
};

TEST_F(SurfaceGdi, ShapesCoverTheirBoundsWithRightAndBottomExcluded) {
  EXPECT_EQ(surface_.GetPixel(0, 0), kWhite);
  EXPECT_EQ(surface_.GetPixel(59, 39), kWhite);
  ASSERT_TRUE(surface_.SetPixel(1, 2, kBlue));
  EXPECT_EQ(surface_.GetPixel(1, 2), kBlue);
  EXPECT_EQ(surface_.GetPixel(2, 1), kWhite);

  ASSERT_TRUE(surface_.GdiFillRectangle(10, 5, 20, 15, kRed, kBlue));
  EXPECT_EQ(surface_.GetPixel(10, 5), kBlue);   // outline
  EXPECT_EQ(surface_.GetPixel(15, 10), kRed);   // inside
  EXPECT_EQ(surface_.GetPixel(19, 14), kBlue);  // last outline pixel
  EXPECT_EQ(surface_.GetPixel(20, 14), kWhite);
  EXPECT_EQ(surface_.GetPixel(19, 15), kWhite);

  // An outline leaves the inside as it was.
  ASSERT_TRUE(surface_.GdiDrawRectangle(30, 5, 40, 15, kGreen));
  EXPECT_EQ(surface_.GetPixel(30, 10), kGreen);
  EXPECT_EQ(surface_.GetPixel(35, 10), kWhite);

  ASSERT_TRUE(surface_.GdiFillEllipse(40, 20, 60, 40, kRed, kRed));
  EXPECT_EQ(surface_.GetPixel(50, 30), kRed);
  EXPECT_EQ(surface_.GetPixel(41, 21), kWhite);  // corner outside the ellipse

  ASSERT_TRUE(surface_.GdiDrawLine(0, 30, 10, 30, kBlue));
  EXPECT_EQ(surface_.GetPixel(0, 30), kBlue);
  EXPECT_EQ(surface_.GetPixel(9, 30), kBlue);
  EXPECT_EQ(surface_.GetPixel(10, 30), kWhite);
  EXPECT_EQ(surface_.GetPixel(5, 31), kWhite);
  // The line continues from where the last one ended.
  ASSERT_TRUE(surface_.GdiLineTo(10, 35, kRed));
  EXPECT_EQ(surface_.GetPixel(10, 32), kRed);

  const POINT triangle[] = {{20, 20}, {36, 20}, {20, 36}};
  ASSERT_TRUE(surface_.GdiFillPolygon(triangle, kGreen, kGreen));
  EXPECT_EQ(surface_.GetPixel(23, 23), kGreen);
  EXPECT_EQ(surface_.GetPixel(34, 34), kWhite);

  // A pie of the lower-right quarter: from the right end round to the bottom is the top-left
  // way counter-clockwise, so start at the bottom and end at the right.
  ASSERT_TRUE(surface_.GdiFillRectangle(0, 0, 60, 40, kWhite, kWhite));
  ASSERT_TRUE(surface_.GdiFillPie(0, 0, 40, 40, 20, 40, 40, 20, kBlue, kBlue));
  EXPECT_EQ(surface_.GetPixel(26, 26), kBlue);
  EXPECT_EQ(surface_.GetPixel(14, 14), kWhite);
  EXPECT_EQ(surface_.GetPixel(26, 14), kWhite);

  ASSERT_TRUE(surface_.GdiInvertRect(0, 0, 4, 4));
  EXPECT_EQ(surface_.GetPixel(2, 2), RGB(0, 0, 0));
  EXPECT_EQ(surface_.GetPixel(4, 2), kWhite);

  // Every call deletes the pen, brush and font it made, and selects the old ones back.
  const DWORD before = draw_testing::GdiObjectCount();
  draw::GdiTextStyle style;
  for (int i = 0; i < 5; ++i) {
    ASSERT_TRUE(surface_.GdiDrawEllipse(0, 0, 10, 10, kRed, 2));
    ASSERT_TRUE(surface_.GdiFillRoundRect(0, 0, 10, 10, 3, 3, kRed, kBlue));
    ASSERT_TRUE(surface_.GdiDrawText("OK", RECT{0, 0, 30, 20}, style));
    ASSERT_TRUE(surface_.GdiClear(kWhite));
  }
  EXPECT_EQ(draw_testing::GdiObjectCount(), before);
}

TEST_F(SurfaceGdi, GradientsRegionsAndPaths) {
  ASSERT_TRUE(surface_.GdiGradientFillRectangle(0, 0, 60, 10, kRed, kBlue, false));
  EXPECT_TRUE(ColourNear(surface_.GetPixel(0, 5), kRed, 8));
  EXPECT_TRUE(ColourNear(surface_.GetPixel(59, 5), kBlue, 8));
  ASSERT_TRUE(surface_.GdiGradientFillRectangle(0, 10, 10, 40, kRed, kBlue, true));
  EXPECT_TRUE(ColourNear(surface_.GetPixel(5, 10), kRed, 12));
  EXPECT_TRUE(ColourNear(surface_.GetPixel(5, 39), kBlue, 12));

  draw::Region region;
  ASSERT_TRUE(region.CreateRect(20, 15, 30, 25));
  ASSERT_TRUE(surface_.GdiFillRegion(region.Handle(), kGreen));
  EXPECT_EQ(surface_.GetPixel(20, 15), kGreen);
  EXPECT_EQ(surface_.GetPixel(29, 24), kGreen);
  EXPECT_EQ(surface_.GetPixel(30, 24), kWhite);
  ASSERT_TRUE(surface_.GdiFrameRegion(region.Handle(), kRed, 2, 2));
  EXPECT_EQ(surface_.GetPixel(21, 20), kRed);
  EXPECT_EQ(surface_.GetPixel(25, 20), kGreen);

  // Inside a path the rectangle is only recorded; filling the path paints it.
  ASSERT_TRUE(surface_.GdiBeginPath());
  ASSERT_TRUE(surface_.GdiDrawRectangle(40, 15, 50, 25, kRed));
  ASSERT_TRUE(surface_.GdiEndPath());
  EXPECT_EQ(surface_.GetPixel(40, 15), kWhite);
  ASSERT_TRUE(surface_.GdiFillPath(kBlue));
  EXPECT_EQ(surface_.GetPixel(45, 20), kBlue);
  EXPECT_EQ(surface_.GetPixel(51, 20), kWhite);
}

TEST_F(SurfaceGdi, TextIsDrawnInsideItsRectangleInItsColours) {
  draw::GdiTextStyle style;
  style.fontName = "宋体";
  style.height = 14;
  style.color = kBlue;
  const RECT area{2, 2, 58, 20};
  ASSERT_TRUE(surface_.GdiDrawText("澄远 OK", area, style));
  EXPECT_GT(CountPixels(surface_, kBlue, area), 10);
  EXPECT_EQ(CountPixels(surface_, kBlue, RECT{0, 20, 60, 40}), 0);

  // On a background the cells around the glyphs take the background colour.
  const RECT lower{2, 22, 58, 40};
  ASSERT_TRUE(surface_.GdiDrawTextOnBackground("OK", lower, style, kGreen));
  EXPECT_GT(CountPixels(surface_, kGreen, lower), 10);
  EXPECT_GT(CountPixels(surface_, kBlue, lower), 5);
  // And the surface is back to a transparent background afterwards.
  ASSERT_TRUE(surface_.GdiClear(kWhite));
  ASSERT_TRUE(surface_.GdiDrawText("OK", lower, style));
  EXPECT_EQ(CountPixels(surface_, kGreen, lower), 0);

  ASSERT_TRUE(surface_.GdiClear(kWhite));
  ASSERT_TRUE(surface_.GdiDrawShadowText("OK", area, style, kRed, 2, 2));
  EXPECT_GT(CountPixels(surface_, kBlue, area), 5);
  EXPECT_GT(CountPixels(surface_, kRed, RECT{0, 0, 60, 40}), 5);

  // Nothing to draw is not a failure.
  EXPECT_TRUE(surface_.GdiDrawText("", area, style));
}

TEST(SurfaceGdiFailure, DrawingWithoutACreatedSurfaceAppendsTheCallsMessage) {
  draw::ReleaseLastErrorText();
  draw::图形 surface;
  EXPECT_FALSE(surface.GdiFillRectangle(0, 0, 4, 4, kRed, kRed));
  EXPECT_FALSE(surface.GdiDrawLine(0, 0, 4, 4, kRed));
  EXPECT_FALSE(surface.SetPixel(0, 0, kRed));
  EXPECT_EQ(draw::LastErrorText(),
            "绘制矩形失败(Rectangle()返回值为0)移动画笔位置失败(MoveToEx()返回值为0)"
            "设置像素失败(SetPixelV()返回值为0)");
  draw::ReleaseLastErrorText();
}

// ---- Transfers.

TEST_F(SurfaceGdi, CopiesOutAndBackKeepPositionsAndScale) {
  ASSERT_TRUE(surface_.GdiFillRectangle(0, 0, 2, 2, kRed, kRed));
  ASSERT_TRUE(surface_.GdiFillRectangle(2, 0, 4, 2, kBlue, kBlue));

  target_.Fill(kWhite);
  ASSERT_TRUE(surface_.CopyToDC(target_.dc(), 10, 20, 4, 2, 0, 0));
  EXPECT_EQ(target_.At(10, 20), kRed);
  EXPECT_EQ(target_.At(12, 21), kBlue);
  EXPECT_EQ(target_.At(14, 21), kWhite);

  // Stretched twice as large: the red half covers four columns.
  ASSERT_TRUE(surface_.StretchToDC(target_.dc(), 0, 0, 8, 4, 0, 0, 4, 2));
  EXPECT_EQ(target_.At(3, 3), kRed);
  EXPECT_EQ(target_.At(4, 3), kBlue);
  EXPECT_EQ(target_.At(8, 3), kWhite);
  // From a source rectangle off the origin: the blue half only.
  ASSERT_TRUE(surface_.StretchToDC(target_.dc(), 20, 0, 4, 4, 2, 0, 2, 1));
  EXPECT_EQ(target_.At(20, 3), kBlue);
  EXPECT_EQ(target_.At(23, 0), kBlue);

  // Red left out as transparent.
  target_.Fill(kGreen);
  ASSERT_TRUE(surface_.TransparentCopyToDC(target_.dc(), 0, 0, 4, 2, 0, 0, 4, 2, kRed));
  EXPECT_EQ(target_.At(0, 0), kGreen);
  EXPECT_EQ(target_.At(2, 0), kBlue);

  // The same through the surface's own device, from the source origin.
  surface_.SetSourceOrigin(2, 0);
  ASSERT_TRUE(surface_.StretchToDevice(0, 0, 4, 4, 2, 2));
  EXPECT_EQ(target_.At(0, 0), kBlue);
  EXPECT_EQ(target_.At(3, 3), kBlue);
  ASSERT_TRUE(surface_.TransparentCopyToDevice(10, 10, 2, 2, kBlue));
  EXPECT_EQ(target_.At(10, 10), kGreen);

  // Back into the surface: the target's pixels at another place, then stretched.
  ASSERT_TRUE(surface_.CopyFromDC(target_.dc(), 30, 30, 4, 4, 0, 0));
  EXPECT_EQ(surface_.GetPixel(30, 30), kBlue);
  ASSERT_TRUE(surface_.StretchFromDC(target_.dc(), 40, 0, 8, 8, 0, 0, 4, 4));
  EXPECT_EQ(surface_.GetPixel(47, 7), kBlue);
  target_.Fill(kRed);
  surface_.SetSourceOrigin(50, 30);
  ASSERT_TRUE(surface_.CopyFromDevice(0, 0, 3, 3));
  EXPECT_EQ(surface_.GetPixel(52, 32), kRed);
  EXPECT_EQ(surface_.GetPixel(53, 32), kWhite);
}

TEST_F(SurfaceGdi, BitmapCopiesAndPixelBitsRoundTrip) {
  std::vector<std::uint32_t> pixels(60 * 40, 0x00FFFFFF);
  pixels[0] = 0x00112233;        // top-left
  pixels[59] = 0x00445566;       // top-right
  pixels[39 * 60] = 0x00778899;  // bottom-left
  ASSERT_TRUE(surface_.WritePixels(pixels));
  EXPECT_EQ(surface_.GetPixel(0, 0), RGB(0x11, 0x22, 0x33));
  EXPECT_EQ(surface_.GetPixel(59, 0), RGB(0x44, 0x55, 0x66));
  EXPECT_EQ(surface_.GetPixel(0, 39), RGB(0x77, 0x88, 0x99));
  // The bitmap is back in the memory device context: drawing still reaches it.
  ASSERT_TRUE(surface_.SetPixel(1, 0, kBlue));

  std::vector<std::uint32_t> read(60 * 40);
  ASSERT_TRUE(surface_.ReadPixels(read));
  EXPECT_EQ(read[0] & 0xFFFFFF, 0x112233u);
  EXPECT_EQ(read[1] & 0xFFFFFF, 0x0000FFu);
  EXPECT_EQ(read[39 * 60] & 0xFFFFFF, 0x778899u);

  const HBITMAP copy = surface_.CreateBitmapCopy();
  ASSERT_NE(copy, nullptr);
  draw::图形 other;
  PixelTarget otherTarget(10, 10);
  ASSERT_TRUE(other.创建_自设备句柄(otherTarget.dc(), 10, 10));
  ASSERT_TRUE(other.CopyFromBitmap(copy, 0, 0, 2, 2, 58, 0));
  EXPECT_EQ(other.GetPixel(1, 0), RGB(0x44, 0x55, 0x66));
  DeleteObject(copy);

  draw::ReleaseLastErrorText();
  std::vector<std::uint32_t> small(10);
  EXPECT_FALSE(surface_.ReadPixels(small));
  EXPECT_FALSE(surface_.WritePixels(small));
  EXPECT_EQ(
      draw::LastErrorText(),
      "读取位图数据失败(缓冲区小于图形的宽度×高度)写入位图数据失败(缓冲区小于图形的宽度×高度)");
  draw::ReleaseLastErrorText();
}

}  // namespace
