// Decoding of the form's pictures with libpng and libjpeg, and what a bad picture shows.
#include "runtime/picture.h"

#include <gtest/gtest.h>

#include <string>

#include "app/pictures.h"

namespace {

constexpr COLORREF kFace = RGB(0x12, 0x34, 0x56);

TEST(Picture, DecodesTheFormsJpegAndPngAtTheirSizes) {
  runtime::DecodedPicture background = runtime::DecodePicture(
      app::pictures::kBackgroundJpeg, app::pictures::kBackgroundJpegSize, kFace);
  EXPECT_EQ(background.width, 600);
  EXPECT_EQ(background.height, 219);
  runtime::DecodedPicture panel =
      runtime::DecodePicture(app::pictures::kPanelPng, app::pictures::kPanelPngSize, kFace);
  EXPECT_EQ(panel.width, 500);
  EXPECT_EQ(panel.height, 170);
  // The panel's ground is opaque white: no trace of the background colour there.
  EXPECT_EQ(panel.pixels[0], 0xFFFFFFu);
}

// Transparent pixels are composed over the background colour, half-transparent ones blended.
TEST(Picture, TransparencyIsComposedOverTheBackgroundColour) {
  // A 2 x 1 RGBA PNG: one transparent pixel, one half-transparent white one.
  const unsigned char png[] = {
      0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A, 0x00, 0x00, 0x00, 0x0D, 0x49, 0x48, 0x44,
      0x52, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x01, 0x08, 0x06, 0x00, 0x00, 0x00, 0xF4,
      0x22, 0x7F, 0x8A, 0x00, 0x00, 0x00, 0x10, 0x49, 0x44, 0x41, 0x54, 0x78, 0x9C, 0x63, 0x60,
      0x00, 0x82, 0xFF, 0xFF, 0xFF, 0x37, 0x00, 0x00, 0x09, 0x80, 0x03, 0x7E, 0xDB, 0xBC, 0x21,
      0x41, 0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4E, 0x44, 0xAE, 0x42, 0x60, 0x82};
  runtime::DecodedPicture picture = runtime::DecodePicture(png, sizeof png, kFace);
  ASSERT_TRUE(picture.valid());
  ASSERT_EQ(picture.width, 2);
  EXPECT_EQ(picture.pixels[0], 0x123456u);  // 0x00RRGGBB of kFace
  const std::uint32_t half = picture.pixels[1];
  EXPECT_NEAR(static_cast<int>(half >> 16), (0x12 + 0xFF) / 2, 2);
  EXPECT_NEAR(static_cast<int>(half & 0xFF), (0x56 + 0xFF) / 2, 2);
}

// Broken pictures give nothing, never a crash: the window then shows its background colour.
TEST(Picture, BrokenPicturesDecodeToNothing) {
  const std::string garbage = "not a picture at all";
  EXPECT_FALSE(runtime::DecodePicture(reinterpret_cast<const unsigned char*>(garbage.data()),
                                      garbage.size(), kFace)
                   .valid());
  EXPECT_FALSE(runtime::DecodePicture(nullptr, 0, kFace).valid());
  for (std::size_t cut : {16u, 200u, 2000u}) {
    SCOPED_TRACE(cut);
    EXPECT_FALSE(runtime::DecodePicture(app::pictures::kPanelPng, cut, kFace).valid());
    // A JPEG cut short decodes what is there (libjpeg pads the rest) or nothing; both are fine,
    // as long as the size is the picture's own when it does decode.
    runtime::DecodedPicture jpeg =
        runtime::DecodePicture(app::pictures::kBackgroundJpeg, cut, kFace);
    if (jpeg.valid()) {
      EXPECT_EQ(jpeg.width, 600);
    }
  }
}

TEST(Picture, TilingWithoutAPictureFillsTheBackgroundColour) {
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP target = CreateCompatibleBitmap(screen, 40, 30);
  ReleaseDC(nullptr, screen);
  HGDIOBJ previous = SelectObject(dc, target);
  const RECT all{0, 0, 40, 30};
  runtime::PaintTiled(dc, all, 0, 0, runtime::DecodedPicture{}, kFace);
  EXPECT_EQ(GetPixel(dc, 0, 0), kFace);
  EXPECT_EQ(GetPixel(dc, 39, 29), kFace);

  // A 16 x 16 tile repeats from the top-left corner.
  runtime::DecodedPicture tile;
  tile.width = tile.height = 16;
  tile.pixels.assign(256, 0x00FF00);
  tile.pixels[0] = 0x0000FF;
  runtime::PaintTiled(dc, all, 0, 0, tile, kFace);
  EXPECT_EQ(GetPixel(dc, 0, 0), RGB(0, 0, 255));
  EXPECT_EQ(GetPixel(dc, 16, 16), RGB(0, 0, 255));
  EXPECT_EQ(GetPixel(dc, 32, 16), RGB(0, 0, 255));
  EXPECT_EQ(GetPixel(dc, 1, 1), RGB(0, 255, 0));
  SelectObject(dc, previous);
  DeleteObject(target);
  DeleteDC(dc);
}

}  // namespace
