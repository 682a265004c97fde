// Decoding of the form's pictures with libpng and libjpeg, and what a bad picture shows.
#include "runtime/picture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "app/pictures.h"
#include "runtime/bitmap_info.h"

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

// A top-down 32-bit canvas whose pixels the test reads straight from memory.
class Canvas {
 public:
  Canvas(int width, int height) : width_(width), height_(height) {
    const BITMAPINFO info = runtime::TopDown32(width, height);
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ =
        CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
    previous_ = SelectObject(dc_, bitmap_);
  }
  ~Canvas() {
    SelectObject(dc_, previous_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  HDC dc() const { return dc_; }
  RECT all() const { return {0, 0, width_, height_}; }
  void Fill(std::uint32_t rgb) {
    GdiFlush();
    std::fill(bits_, bits_ + std::size_t(width_) * height_, rgb);
  }
  std::uint32_t At(int x, int y) const {  // 0x00RRGGBB
    GdiFlush();
    return bits_[std::size_t(y) * width_ + x] & 0xFFFFFF;
  }
  // Pixels in `inside` that differ from the picture tiled from (0, 0), and pixels outside it that
  // differ from `outside`.
  int Mismatches(const runtime::DecodedPicture& picture, const RECT& inside,
                 std::uint32_t outside) const {
    int wrong = 0;
    for (int y = 0; y < height_; ++y)
      for (int x = 0; x < width_; ++x) {
        const POINT point{x, y};
        const std::uint32_t expected =
            PtInRect(&inside, point)
                ? picture
                      .pixels[std::size_t(y % picture.height) * picture.width + x % picture.width]
                : outside;
        if (At(x, y) != expected) ++wrong;
      }
    return wrong;
  }

 private:
  int width_, height_;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ previous_ = nullptr;
  std::uint32_t* bits_ = nullptr;
};

struct Bytes {
  const unsigned char* data;
  std::size_t size;
};
const Bytes kJpeg{app::pictures::kBackgroundJpeg, app::pictures::kBackgroundJpegSize};
const Bytes kPng{app::pictures::kPanelPng, app::pictures::kPanelPngSize};

// Painting from the bytes shows exactly the pixels of the whole decode, tiled from the corner,
// also where a second row and column of tiles begin.
TEST(PictureFromBytes, ShowsTheWholeDecodeTiled) {
  for (const Bytes& bytes : {kJpeg, kPng}) {
    SCOPED_TRACE(bytes.size);
    const runtime::DecodedPicture picture = runtime::DecodePicture(bytes.data, bytes.size, kFace);
    ASSERT_TRUE(picture.valid());
    Canvas canvas(picture.width + 100, picture.height + 40);
    runtime::PaintTiledFromBytes(canvas.dc(), canvas.all(), bytes.data, bytes.size, kFace);
    EXPECT_EQ(canvas.Mismatches(picture, canvas.all(), 0), 0);
  }
}

// An erase clipped to a part of the window decodes only that part, and it is the same as the
// same part of the whole decode: blocks cut at any column or row, and areas across the joins of
// the tiles. Nothing outside the clip is touched.
TEST(PictureFromBytes, PaintsTheClippedPartAsTheWholeDecodeShowsIt) {
  const runtime::DecodedPicture picture = runtime::DecodePicture(kJpeg.data, kJpeg.size, kFace);
  ASSERT_EQ(picture.width, 600);
  const RECT clips[] = {
      {0, 0, 40, 20},        // the top-left corner
      {137, 61, 233, 93},    // inside, at no block boundary
      {403, 117, 483, 149},  // where a button's corners show the background
      {599, 5, 601, 9},      // across the join of two tiles side by side
      {20, 210, 70, 230},    // across the join of two tiles one above the other
      {590, 200, 700, 260},  // across all four
  };
  constexpr std::uint32_t kUntouched = 0x00ABCDEF;
  Canvas canvas(700, 260);
  for (const RECT& clip : clips) {
    SCOPED_TRACE(testing::Message()
                 << clip.left << "," << clip.top << "," << clip.right << "," << clip.bottom);
    canvas.Fill(kUntouched);
    SelectClipRgn(canvas.dc(), nullptr);
    IntersectClipRect(canvas.dc(), clip.left, clip.top, clip.right, clip.bottom);
    runtime::PaintTiledFromBytes(canvas.dc(), canvas.all(), kJpeg.data, kJpeg.size, kFace);
    EXPECT_EQ(canvas.Mismatches(picture, clip, kUntouched), 0);
  }
  SelectClipRgn(canvas.dc(), nullptr);
}

// Bytes that do not decode leave the background colour, whether they look like a JPEG or not.
TEST(PictureFromBytes, BrokenBytesLeaveTheFill) {
  std::string notAJpeg = "\xFF\xD8\xFF\xE0 and then nothing a decoder understands";
  Canvas canvas(64, 48);
  for (const std::string& bytes : {notAJpeg, std::string("short")}) {
    SCOPED_TRACE(bytes.size());
    canvas.Fill(0);
    runtime::PaintTiledFromBytes(canvas.dc(), canvas.all(),
                                 reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(),
                                 kFace);
    EXPECT_EQ(canvas.At(0, 0), 0x123456u);
    EXPECT_EQ(canvas.At(63, 47), 0x123456u);
  }
}

}  // namespace
