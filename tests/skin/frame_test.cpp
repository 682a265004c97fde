// The composed frame, read back pixel by pixel from the frame surface and from the window.
#include <cmath>

#include "tests/skin/skin_fixture.h"

using draw_testing::ColourNear;
using draw_testing::PixelTarget;

namespace skin_testing {
namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

int Red(COLORREF c) { return GetRValue(c); }

// Pixels in [left, right) × [top, bottom) brighter than threshold in red.
int InkIn(const PixelTarget& frame, int left, int top, int right, int bottom, int threshold) {
  int ink = 0;
  for (int y = top; y < bottom; ++y)
    for (int x = left; x < right; ++x)
      if (Red(frame.At(x, y)) > threshold) ++ink;
  return ink;
}

// Points where two frames differ, outside the rectangles in skip.
int Differences(const PixelTarget& a, const PixelTarget& b, int width, int height,
                std::initializer_list<RECT> skip = {}) {
  int differ = 0;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      bool skipped = false;
      for (const RECT& r : skip)
        skipped |= x >= r.left && x < r.right && y >= r.top && y < r.bottom;
      if (!skipped && a.At(x, y) != b.At(x, y)) ++differ;
    }
  return differ;
}

// An empty icon (given, but no bytes) draws nothing, so only the border lies over the picture.
TEST_F(SkinTest, OpaquePictureHidesTheFillFromFramePositionOneOne) {
  const COLORREF picture = RGB(0x30, 0x60, 0xA0);
  const COLORREF underBorder = RGB(0x30 * 100 / 255, 0x60 * 100 / 255, 0xA0 * 100 / 255);
  SkinArgs args;
  args.picture = SolidPng(500, 200, 0xFF3060A0);
  ASSERT_FALSE(args.picture.empty());
  SetUpSkin(args);
  SetWindowTextA(window(), "");
  skin::PaintFrame();
  auto frame = ReadFrame();
  // Column 0 and row 0 keep the black fill; from (1, 1) on the picture covers all of it.
  int fill = 0, other = 0;
  for (int y = 0; y < H(); ++y)
    for (int x = 0; x < W(); ++x) {
      const COLORREF c = frame->At(x, y);
      if (x == 0 || y == 0)
        fill += c == kBlack;
      else if (!ColourNear(c, picture, 1) && !ColourNear(c, underBorder, 1))
        ++other;
    }
  EXPECT_EQ(fill, W() + H() - 1);
  EXPECT_EQ(other, 0);
  EXPECT_TRUE(ColourNear(frame->At(1, 100), underBorder, 1));
  EXPECT_TRUE(ColourNear(frame->At(2, 100), picture, 1));
}

TEST_F(SkinTest, FillIsTheGivenColourOrAzureWhenNoneIsGiven) {
  SkinArgs args;
  args.colour = RGB(10, 200, 30);
  SetUpSkin(args);
  skin::PaintFrame();
  EXPECT_TRUE(ColourNear(ReadFrame()->At(100, 100), RGB(10, 200, 30), 0));

  args.colourGiven = 0;
  Restart();
  SetUpSkin(args);
  EXPECT_EQ(Skin().backgroundColour, 0xFF8800u);
  skin::PaintFrame();
  auto frame = ReadFrame();
  EXPECT_TRUE(ColourNear(frame->At(100, 100), RGB(0, 0x88, 0xFF), 0));
  EXPECT_TRUE(ColourNear(frame->At(0, 0), RGB(0, 0x88, 0xFF), 0));
}

// White over black: the red channel of a band pixel is the band's alpha at that point.
TEST_F(SkinTest, TopBandRunsLeftToRightAndBottomBandFromUpperRightToLowerLeft) {
  SkinArgs args;
  args.topBandOn = 1;
  args.bottomBandOn = 1;
  SetUpSkin(args);
  SetWindowTextA(window(), "");  // no caption in the band
  skin::PaintFrame();
  auto frame = ReadFrame();
  const double w = W() - 3, h = H() - 3;  // the gradient's rectangle from (1, 1)

  // Top band: rows 0 to 29 from column 1, colour by column only.
  EXPECT_NEAR(Red(frame->At(2, 27)), 50, 4);
  EXPECT_NEAR(Red(frame->At(W() - 4, 27)), 180, 4);
  for (int x : {40, 150, 250, 350, 450}) {
    EXPECT_NEAR(Red(frame->At(x, 27)), 50 + 130 * (x - 1) / w, 4) << x;
    EXPECT_EQ(frame->At(x, 0), frame->At(x, 27)) << x;
  }
  EXPECT_TRUE(ColourNear(frame->At(0, 15), kBlack, 0));
  EXPECT_TRUE(ColourNear(frame->At(100, 30), kBlack, 0));

  // Bottom band: rows H - 33 to H - 4; the start colour at the upper right, the end colour at the
  // lower left, with the other two corners half way.
  EXPECT_TRUE(ColourNear(frame->At(100, H() - 34), kBlack, 0));
  EXPECT_TRUE(ColourNear(frame->At(100, H() - 3), kBlack, 0));
  for (int y : {H() - 33, H() - 20, H() - 6}) {
    for (int x : {3, 100, 250, 400, W() - 5}) {
      const double u = (x - 1) / w, v = (y - 1) / h;
      EXPECT_NEAR(Red(frame->At(x, y)), 50 + 130 * ((1 - u) + v) / 2, 5) << x << "," << y;
    }
    EXPECT_GT(Red(frame->At(3, y)), Red(frame->At(W() - 5, y)) + 50);
  }
  EXPECT_GT(Red(frame->At(250, H() - 6)), Red(frame->At(250, H() - 33)) + 6);
}

TEST_F(SkinTest, MiddlePanelCoversTheWindowBelowTheCaptionBand) {
  SkinArgs args;
  args.panelOn = 1;
  SetUpSkin(args);
  skin::PaintFrame();
  auto frame = ReadFrame();
  // Near-opaque white (alpha 250) from row 30 to row H - 34, columns 1 to W - 1.
  for (POINT p : {POINT{2, 30}, POINT{250, 100}, POINT{W() - 3, H() - 34}})
    EXPECT_TRUE(ColourNear(frame->At(p.x, p.y), RGB(250, 250, 250), 1)) << p.x << "," << p.y;
  for (POINT p : {POINT{0, 100}, POINT{250, 29}, POINT{250, H() - 32}})
    EXPECT_TRUE(ColourNear(frame->At(p.x, p.y), kBlack, 0)) << p.x << "," << p.y;
}

TEST_F(SkinTest, BorderIsTranslucentBlackOnTheRectangleFromOneOne) {
  SkinArgs args;
  args.colour = kWhite;
  SetUpSkin(args);
  skin::PaintFrame();
  auto frame = ReadFrame();
  // 155 of 255 black over white leaves 100.
  const COLORREF line = RGB(100, 100, 100);
  for (POINT p : {POINT{1, 100}, POINT{W() - 2, 100}, POINT{100, 1}, POINT{300, H() - 4}})
    EXPECT_TRUE(ColourNear(frame->At(p.x, p.y), line, 2)) << p.x << "," << p.y;
  for (POINT p : {POINT{0, 100}, POINT{2, 100}, POINT{W() - 3, 100}, POINT{W() - 1, 100},
                  POINT{100, 0}, POINT{100, 2}, POINT{300, H() - 5}, POINT{300, H() - 3}})
    EXPECT_TRUE(ColourNear(frame->At(p.x, p.y), kWhite, 0)) << p.x << "," << p.y;
}

TEST_F(SkinTest, IconIsScaledIntoTwentyByTwentyAtFiveFive) {
  SkinArgs args;
  args.icon = SolidPng(48, 48, 0xFF00C000);
  SetUpSkin(args);
  SetWindowTextA(window(), "");
  skin::PaintFrame();
  auto frame = ReadFrame();
  const COLORREF green = RGB(0, 0xC0, 0);
  // Wine's scaling leaves the box's first row and column to the background.
  for (POINT p : {POINT{6, 6}, POINT{24, 6}, POINT{6, 24}, POINT{24, 24}, POINT{15, 15}})
    EXPECT_TRUE(ColourNear(frame->At(p.x, p.y), green, 2)) << p.x << "," << p.y;
  for (POINT p : {POINT{4, 15}, POINT{25, 15}, POINT{15, 4}, POINT{15, 25}})
    EXPECT_FALSE(ColourNear(frame->At(p.x, p.y), green, 60)) << p.x << "," << p.y;
}

// Caption "澄远" in white and the tip line in grey, both in "宋体" (a replacement face under
// Wine). A face that is not installed gives no font and neither line; nothing else changes.
TEST_F(SkinTest, CaptionAndTipLineAreDrawnOnlyWhenTheFontExists) {
  SkinArgs args;
  args.tip = "本程序由墨鸢制作，点击右上角菜单按钮了解更多。";
  SetUpSkin(args);
  const RECT caption{28, 9, 120, 27};
  const RECT tip{5, H() - 25, 450, H() - 8};
  skin::PaintFrame();
  auto withText = ReadFrame();
  EXPECT_GT(InkIn(*withText, caption.left, caption.top, caption.right, caption.bottom, 200), 30);
  EXPECT_GT(InkIn(*withText, tip.left, tip.top, tip.right, tip.bottom, 40), 150);
  // The tip line is grey at alpha 200 over black: never brighter than 128 · 200 / 255.
  EXPECT_EQ(InkIn(*withText, tip.left, tip.top, tip.right, tip.bottom, 110), 0);

  skin::Seams().captionFontFamily = "没有这种字体";
  skin::PaintFrame();
  auto withoutFont = ReadFrame();
  EXPECT_EQ(InkIn(*withoutFont, caption.left, caption.top, caption.right, caption.bottom, 40), 0);
  EXPECT_EQ(InkIn(*withoutFont, tip.left, tip.top, tip.right, tip.bottom, 40), 0);
  EXPECT_EQ(Differences(*withText, *withoutFont, W(), H(), {caption, tip}), 0);

  // With the font back, an empty caption and an empty tip text give the same frame.
  skin::Seams().captionFontFamily = "宋体";
  SetWindowTextA(window(), "");
  Skin().tipText = "";
  skin::PaintFrame();
  EXPECT_EQ(Differences(*ReadFrame(), *withoutFont, W(), H()), 0);
  Skin().tipText.reset();
  skin::PaintFrame();
  EXPECT_EQ(Differences(*ReadFrame(), *withoutFont, W(), H()), 0);
}

// The window clipped to the rounded rectangle: what the platform leaves visible is (2, 2) to
// (W, H - 2), exclusive, without the rounded corners.
TEST_F(SkinTest, WindowIsClippedToTheRoundedRectangle) {
  SetUpSkin({});
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_EQ(GetWindowRgn(window(), region), COMPLEXREGION);
  RECT box;
  GetRgnBox(region, &box);
  EXPECT_EQ(box.left, 2);
  EXPECT_EQ(box.top, 2);
  EXPECT_EQ(box.right, W());
  EXPECT_EQ(box.bottom, H() - 2);
  for (POINT p : {POINT{2, 100}, POINT{W() - 1, 100}, POINT{250, 2}, POINT{250, H() - 3},
                  POINT{4, 4}, POINT{W() - 3, H() - 5}})
    EXPECT_TRUE(PtInRegion(region, p.x, p.y)) << p.x << "," << p.y;
  for (POINT p : {POINT{1, 100}, POINT{W(), 100}, POINT{250, 1}, POINT{250, H() - 2}, POINT{2, 2},
                  POINT{W() - 1, 2}, POINT{2, H() - 3}, POINT{W() - 1, H() - 3}})
    EXPECT_FALSE(PtInRegion(region, p.x, p.y)) << p.x << "," << p.y;
  DeleteObject(region);
}

// Shown, the window gets its frame from WM_PAINT one pixel right and down of the surface, the
// buttons one pixel below their rectangles, and the runtime's labels on top of the frame.
TEST_F(SkinTest, ShownWindowCarriesTheFrameTheButtonsAndTheLabelsOnTop) {
  SkinArgs args;
  args.picture = SolidPng(16, 8, 0xFF3060A0);
  SetUpSkin(args);
  ShowWindow(window(), SW_SHOWNOACTIVATE);
  UpdateWindow(window());
  auto frame = ReadFrame();
  auto shown = ReadWindow();
  for (POINT p : {POINT{200, 40}, POINT{50, 170}, POINT{10, 10}})
    EXPECT_EQ(shown->At(p.x + 1, p.y + 1), frame->At(p.x, p.y)) << p.x << "," << p.y;

  // The close button's normal image lies over the frame at its rectangle moved one row down.
  const skin::SkinRect close = Skin().Button(1).rect;
  EXPECT_GT(
      Differences(*shown, *frame, W(), H(),
                  {RECT{0, 0, close.x, H()}, RECT{close.x + close.width, 0, W(), H()},
                   RECT{0, 0, W(), close.y + 1}, RECT{0, close.y + 1 + close.height, W(), H()}}),
      50);

  // The labels' white text is on the window, not in the frame.
  const RECT label = form->LabelRect(app::ids::透明标签2);
  int whiteShown = 0, whiteFrame = 0;
  for (int y = label.top; y < label.bottom; ++y)
    for (int x = label.left; x < label.right; ++x) {
      whiteShown += shown->At(x, y) == kWhite;
      whiteFrame += frame->At(x - 1, y - 1) == kWhite;
    }
  EXPECT_GT(whiteShown, 200);
  EXPECT_EQ(whiteFrame, 0);
}

// Each paint builds a new composition and releases the one before; the teardown releases the
// last one. Nothing else is kept between paints.
TEST_F(SkinTest, PaintsKeepOneCompositionAndTeardownReleasesIt) {
  SkinArgs args;
  args.picture = SolidPng(16, 8, 0xFF3060A0);
  args.topBandOn = args.bottomBandOn = 1;
  args.tip = "提示";
  SetUpSkin(args);
  {
    // Window device contexts come from a cache that keeps them once made: make the two that a
    // paint holds at a time before counting.
    HDC first = GetDC(window()), second = GetDC(window());
    ReleaseDC(window(), second);
    ReleaseDC(window(), first);
  }
  const DWORD before = draw_testing::GdiObjectCount();
  skin::PaintFrame();
  const DWORD afterOne = draw_testing::GdiObjectCount();
  EXPECT_EQ(afterOne, before + 2);  // the composition's bitmap and memory device context
  for (int i = 0; i < 5; ++i) skin::PaintFrame();
  EXPECT_EQ(draw_testing::GdiObjectCount(), afterOne);
  skin::TearDownSkin();
  EXPECT_EQ(draw_testing::GdiObjectCount(), before);
}

}  // namespace
}  // namespace skin_testing
