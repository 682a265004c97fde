// The surface's GDI+ operations: state set and read back, transforms and clipping checked
// through points and pixels, outlines, fills, text measures and images.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "draw/last_error.h"
#include "draw/region.h"
#include "draw/surface.h"
#include "tests/draw/draw_test_support.h"

namespace {

using draw_testing::ColourNear;
using draw_testing::PixelTarget;

constexpr COLORREF kWhite = RGB(0xFF, 0xFF, 0xFF);
constexpr COLORREF kRed = RGB(0xFF, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 0xFF);

class SurfaceGraphics : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(surface_.创建_自设备句柄(target_.dc(), 60, 40));
    ASSERT_TRUE(surface_.Clear(0xFFFFFFFF));
    ASSERT_TRUE(red_.Create(0xFFFF0000));
    ASSERT_TRUE(bluePen_.Create(0xFF0000FF, 1.0f, Gdiplus::UnitPixel));
  }
  COLORREF At(int x, int y) const { return surface_.GetPixel(x, y); }

  PixelTarget target_{60, 40};
  draw::图形 surface_;
  draw::GdipSolidBrush red_;
  draw::GdipPen bluePen_;
};

TEST_F(SurfaceGraphics, ModesAreSetAndReadBack) {
  ASSERT_TRUE(surface_.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias));
  Gdiplus::SmoothingMode smoothing{};
  ASSERT_TRUE(surface_.GetSmoothingMode(&smoothing));
  EXPECT_EQ(smoothing, Gdiplus::SmoothingModeAntiAlias);

  ASSERT_TRUE(surface_.SetInterpolationMode(Gdiplus::InterpolationModeNearestNeighbor));
  Gdiplus::InterpolationMode interpolation{};
  ASSERT_TRUE(surface_.GetInterpolationMode(&interpolation));
  EXPECT_EQ(interpolation, Gdiplus::InterpolationModeNearestNeighbor);

  ASSERT_TRUE(surface_.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf));
  Gdiplus::PixelOffsetMode offset{};
  ASSERT_TRUE(surface_.GetPixelOffsetMode(&offset));
  EXPECT_EQ(offset, Gdiplus::PixelOffsetModeHalf);

  ASSERT_TRUE(surface_.SetCompositingMode(Gdiplus::CompositingModeSourceCopy));
  Gdiplus::CompositingMode compositing{};
  ASSERT_TRUE(surface_.GetCompositingMode(&compositing));
  EXPECT_EQ(compositing, Gdiplus::CompositingModeSourceCopy);

  ASSERT_TRUE(surface_.SetCompositingQuality(Gdiplus::CompositingQualityHighQuality));
  Gdiplus::CompositingQuality quality{};
  ASSERT_TRUE(surface_.GetCompositingQuality(&quality));
  EXPECT_EQ(quality, Gdiplus::CompositingQualityHighQuality);

  ASSERT_TRUE(surface_.SetTextRenderingHint(Gdiplus::TextRenderingHintAntiAlias));
  Gdiplus::TextRenderingHint hint{};
  ASSERT_TRUE(surface_.GetTextRenderingHint(&hint));
  EXPECT_EQ(hint, Gdiplus::TextRenderingHintAntiAlias);

  ASSERT_TRUE(surface_.SetRenderingOrigin(3, 4));
  int x = 0, y = 0;
  ASSERT_TRUE(surface_.GetRenderingOrigin(&x, &y));
  EXPECT_EQ(x, 3);
  EXPECT_EQ(y, 4);

  float dpiX = 0, dpiY = 0;
  ASSERT_TRUE(surface_.GetDpiX(&dpiX));
  ASSERT_TRUE(surface_.GetDpiY(&dpiY));
  EXPECT_GT(dpiX, 0);
  EXPECT_GT(dpiY, 0);
  Gdiplus::ARGB colour = 0xFF123456;
  ASSERT_TRUE(surface_.GetNearestColor(&colour));
  EXPECT_EQ(colour, 0xFF123456u);  // a 32-bit surface has every colour
}

TEST_F(SurfaceGraphics, PageUnitAndScaleChangeWhatAUnitCovers) {
  ASSERT_TRUE(surface_.SetPageUnit(Gdiplus::UnitPixel));
  ASSERT_TRUE(surface_.SetPageScale(2.0f));
  Gdiplus::Unit unit{};
  float scale = 0;
  ASSERT_TRUE(surface_.GetPageUnit(&unit));
  ASSERT_TRUE(surface_.GetPageScale(&scale));
  EXPECT_EQ(unit, Gdiplus::UnitPixel);
  EXPECT_FLOAT_EQ(scale, 2.0f);
  ASSERT_TRUE(surface_.FillRectangle(red_, 0, 0, 5, 5));
  EXPECT_EQ(At(9, 9), kRed);
  EXPECT_EQ(At(10, 10), kWhite);

  ASSERT_TRUE(surface_.SetPageUnit(Gdiplus::UnitInch));
  ASSERT_TRUE(surface_.GetPageUnit(&unit));
  EXPECT_EQ(unit, Gdiplus::UnitInch);
}

TEST_F(SurfaceGraphics, WorldTransformsMovePointsAndDrawing) {
  ASSERT_TRUE(surface_.TranslateWorldTransform(10, 5));
  Gdiplus::PointF p[] = {{1, 1}};
  ASSERT_TRUE(
      surface_.TransformPoints(Gdiplus::CoordinateSpaceDevice, Gdiplus::CoordinateSpaceWorld, p));
  EXPECT_FLOAT_EQ(p[0].X, 11);
  EXPECT_FLOAT_EQ(p[0].Y, 6);

  // Prepended: the scale applies before the translation.
  ASSERT_TRUE(surface_.ScaleWorldTransform(2, 3));
  Gdiplus::Point q[] = {{1, 1}};
  ASSERT_TRUE(
      surface_.TransformPointsI(Gdiplus::CoordinateSpaceDevice, Gdiplus::CoordinateSpaceWorld, q));
  EXPECT_EQ(q[0].X, 12);
  EXPECT_EQ(q[0].Y, 8);

  ASSERT_TRUE(surface_.FillRectangleI(red_, 0, 0, 2, 2));
  EXPECT_EQ(At(10, 5), kRed);
  EXPECT_EQ(At(13, 10), kRed);
  EXPECT_EQ(At(14, 10), kWhite);
  EXPECT_EQ(At(13, 11), kWhite);

  // Saved and restored: the transform comes back after a reset in between.
  Gdiplus::GraphicsState state = 0;
  ASSERT_TRUE(surface_.Save(&state));
  ASSERT_TRUE(surface_.ResetWorldTransform());
  ASSERT_TRUE(surface_.RotateWorldTransform(90));
  ASSERT_TRUE(surface_.Restore(state));
  Gdiplus::PointF r[] = {{1, 1}};
  ASSERT_TRUE(
      surface_.TransformPoints(Gdiplus::CoordinateSpaceDevice, Gdiplus::CoordinateSpaceWorld, r));
  EXPECT_FLOAT_EQ(r[0].X, 12);
  EXPECT_FLOAT_EQ(r[0].Y, 8);
}

TEST_F(SurfaceGraphics, ClipLimitsDrawingAndAnswersVisibility) {
  // x from 10 to 30, y from 5 to 30.
  ASSERT_TRUE(surface_.SetClipRect(10, 5, 20, 25));
  BOOL visible = FALSE;
  ASSERT_TRUE(surface_.IsVisiblePoint(15, 6, &visible));
  EXPECT_TRUE(visible);
  ASSERT_TRUE(surface_.IsVisiblePoint(6, 15, &visible));
  EXPECT_FALSE(visible);
  ASSERT_TRUE(surface_.IsVisiblePointI(15, 35, &visible));
  EXPECT_FALSE(visible);
  ASSERT_TRUE(surface_.IsVisibleRect(0, 0, 5, 5, &visible));
  EXPECT_FALSE(visible);
  ASSERT_TRUE(surface_.IsVisibleRectI(25, 25, 10, 10, &visible));
  EXPECT_TRUE(visible);
  Gdiplus::RectF bounds;
  ASSERT_TRUE(surface_.GetClipBounds(&bounds));
  EXPECT_FLOAT_EQ(bounds.X, 10);
  EXPECT_FLOAT_EQ(bounds.Y, 5);
  EXPECT_FLOAT_EQ(bounds.Width, 20);
  EXPECT_FLOAT_EQ(bounds.Height, 25);

  ASSERT_TRUE(surface_.TranslateClipI(5, 0));
  Gdiplus::Rect moved;
  ASSERT_TRUE(surface_.GetClipBoundsI(&moved));
  EXPECT_EQ(moved.X, 15);
  EXPECT_EQ(moved.Y, 5);

  ASSERT_TRUE(surface_.FillRectangle(red_, 0, 0, 60, 40));
  EXPECT_EQ(At(15, 5), kRed);
  EXPECT_EQ(At(34, 29), kRed);
  EXPECT_EQ(At(14, 5), kWhite);
  EXPECT_EQ(At(15, 4), kWhite);
  EXPECT_EQ(At(35, 29), kWhite);
  EXPECT_EQ(At(34, 30), kWhite);

  // Intersected with a GDI region that misses it: nothing is left.
  draw::Region region;
  ASSERT_TRUE(region.CreateRect(40, 0, 60, 10));
  ASSERT_TRUE(surface_.SetClipHrgn(region.Handle(), Gdiplus::CombineModeIntersect));
  BOOL empty = FALSE;
  ASSERT_TRUE(surface_.IsClipEmpty(&empty));
  EXPECT_TRUE(empty);

  ASSERT_TRUE(surface_.ResetClip());
  ASSERT_TRUE(surface_.IsClipEmpty(&empty));
  EXPECT_FALSE(empty);
  ASSERT_TRUE(surface_.GetVisibleClipBounds(&bounds));
  EXPECT_FLOAT_EQ(bounds.Width, 60);
  EXPECT_FLOAT_EQ(bounds.Height, 40);

  // A container starts unclipped and its clip ends with it.
  Gdiplus::GraphicsContainer container = 0;
  ASSERT_TRUE(surface_.SetClipRectI(0, 0, 10, 10));
  ASSERT_TRUE(surface_.BeginContainer2(&container));
  ASSERT_TRUE(surface_.SetClipRectI(0, 0, 5, 5, Gdiplus::CombineModeReplace));
  ASSERT_TRUE(surface_.IsVisiblePointI(7, 7, &visible));
  EXPECT_FALSE(visible);
  ASSERT_TRUE(surface_.EndContainer(container));
  ASSERT_TRUE(surface_.IsVisiblePointI(7, 7, &visible));
  EXPECT_TRUE(visible);
}

TEST_F(SurfaceGraphics, OutlinesAndFillsLandWhereTheirArgumentsSay) {
  ASSERT_TRUE(surface_.DrawLineI(bluePen_, 2, 30, 20, 30));
  EXPECT_EQ(At(10, 30), kBlue);
  EXPECT_EQ(At(10, 31), kWhite);
  ASSERT_TRUE(surface_.DrawLine(bluePen_, 30, 2, 30, 20));
  EXPECT_EQ(At(30, 10), kBlue);
  EXPECT_EQ(At(31, 10), kWhite);

  ASSERT_TRUE(surface_.FillEllipse(red_, 40, 0, 20, 20));
  EXPECT_EQ(At(50, 10), kRed);
  EXPECT_EQ(At(41, 1), kWhite);

  const Gdiplus::Point triangle[] = {{0, 0}, {20, 0}, {0, 20}};
  ASSERT_TRUE(surface_.FillPolygonI(red_, triangle, Gdiplus::FillModeAlternate));
  EXPECT_EQ(At(3, 3), kRed);
  EXPECT_EQ(At(17, 17), kWhite);

  // The pie from 0° (right) through 90° (down) fills the lower-right quarter.
  ASSERT_TRUE(surface_.Clear(0xFFFFFFFF));
  ASSERT_TRUE(surface_.FillPie(red_, 0, 0, 40, 40, 0, 90));
  EXPECT_EQ(At(26, 26), kRed);
  EXPECT_EQ(At(26, 14), kWhite);
  EXPECT_EQ(At(14, 26), kWhite);

  const Gdiplus::Rect rects[] = {{45, 0, 5, 5}, {50, 30, 5, 5}};
  ASSERT_TRUE(surface_.FillRectanglesI(red_, rects));
  EXPECT_EQ(At(52, 32), kRed);
  ASSERT_TRUE(surface_.DrawRectangleI(bluePen_, 45, 10, 10, 10));
  EXPECT_EQ(At(45, 15), kBlue);
  EXPECT_EQ(At(50, 15), kWhite);

  // Clear paints every pixel, alpha byte aside.
  ASSERT_TRUE(surface_.Clear(0xFF00FF00));
  EXPECT_EQ(At(0, 0), RGB(0, 0xFF, 0));
  EXPECT_EQ(At(59, 39), RGB(0, 0xFF, 0));

  // An uncreated surface passes a null graphics, which GDI+ refuses.
  draw::图形 empty;
  EXPECT_FALSE(empty.Clear(0xFF000000));
  EXPECT_EQ(draw::LastStatus(), Gdiplus::InvalidParameter);
}

TEST_F(SurfaceGraphics, MeasuredStringsGrowWithTheirText) {
  draw::GdipFont font;
  ASSERT_TRUE(
      font.CreateFromFamilyName("宋体", 12.0f, Gdiplus::FontStyleRegular, Gdiplus::UnitPixel));
  draw::GdipStringFormat format;
  draw::RectF shortBounds, longBounds;
  int fitted = 0, lines = 0;
  ASSERT_TRUE(
      surface_.MeasureString("澄远", font, {0, 0, 0, 0}, format, &shortBounds, &fitted, &lines));
  EXPECT_EQ(fitted, 2);
  EXPECT_EQ(lines, 1);
  EXPECT_GE(shortBounds.height, 12.0f);
  EXPECT_GE(shortBounds.width, 20.0f);
  ASSERT_TRUE(surface_.MeasureString("澄远澄远澄远", font, {0, 0, 0, 0}, format, &longBounds));
  EXPECT_GT(longBounds.width, shortBounds.width * 2);
  EXPECT_FLOAT_EQ(longBounds.height, shortBounds.height);

  // Too few glyph positions for the text: refused before GDI+ reads past them.
  const Gdiplus::PointF one[] = {{0, 20}};
  EXPECT_FALSE(
      surface_.DrawDriverString("OK", font, red_, one, Gdiplus::DriverStringOptionsCmapLookup));
  EXPECT_EQ(draw::LastStatus(), Gdiplus::InvalidParameter);
}

TEST_F(SurfaceGraphics, ImagesAreDrawnFromTheirSourceRectangles) {
  // 4 × 4 blue image; its top-left 2 × 2 drawn over 20 × 20 pixels.
  draw::GdipImage image;
  ASSERT_TRUE(image.LoadFromBytes(draw_testing::EncodeSolidImage(L"image/png", 4, 4, 0xFF0000FF)));
  ASSERT_TRUE(surface_.DrawImageI(image, 0, 0));
  EXPECT_EQ(At(3, 3), kBlue);
  EXPECT_EQ(At(4, 4), kWhite);

  ASSERT_TRUE(surface_.SetInterpolationMode(Gdiplus::InterpolationModeNearestNeighbor));
  ASSERT_TRUE(surface_.DrawImageRectRectI(image, 10, 10, 20, 20, 0, 0, 2, 2, Gdiplus::UnitPixel));
  EXPECT_EQ(At(12, 12), kBlue);
  EXPECT_EQ(At(28, 28), kBlue);
  EXPECT_EQ(At(31, 31), kWhite);

  // Three corner points: upper-left, upper-right, lower-left.
  const Gdiplus::Point corners[] = {{40, 0}, {60, 0}, {40, 10}};
  ASSERT_TRUE(surface_.DrawImagePointsI(image, corners));
  EXPECT_EQ(At(55, 5), kBlue);
  EXPECT_EQ(At(55, 15), kWhite);
}

}  // namespace
