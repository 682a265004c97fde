#include "runtime/picture.h"

#include "runtime/bitmap_info.h"
#include "runtime/unique_handle.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstring>

#include <jpeglib.h>
#include <png.h>

namespace runtime {
namespace {

constexpr std::size_t kMaxPixels = 16u * 1024u * 1024u;  // refuse absurd sizes from bad headers

bool IsJpeg(const unsigned char* bytes, std::size_t size) {
  return bytes && size >= 8 && bytes[0] == 0xFF && bytes[1] == 0xD8;
}

std::uint32_t Blend(std::uint8_t r, std::uint8_t g, std::uint8_t b, std::uint8_t a,
                    COLORREF background) {
  auto mix = [a](unsigned fg, unsigned bg) { return (fg * a + bg * (255u - a) + 127u) / 255u; };
  return (mix(r, GetRValue(background)) << 16) | (mix(g, GetGValue(background)) << 8) |
         mix(b, GetBValue(background));
}

DecodedPicture DecodePng(const unsigned char* bytes, std::size_t size, COLORREF background) {
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, bytes, size)) return {};
  DecodedPicture result;
  if (std::size_t(image.width) * image.height > kMaxPixels) {
    png_image_free(&image);
    return {};
  }
  image.format = PNG_FORMAT_RGBA;
  std::vector<std::uint8_t> rgba(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, rgba.data(), 0, nullptr)) {
    png_image_free(&image);
    return {};
  }
  result.width = static_cast<int>(image.width);
  result.height = static_cast<int>(image.height);
  result.pixels.resize(std::size_t(result.width) * result.height);
  for (std::size_t i = 0; i < result.pixels.size(); ++i) {
    const std::uint8_t* p = &rgba[i * 4];
    result.pixels[i] = Blend(p[0], p[1], p[2], p[3], background);
  }
  return result;
}

struct JpegErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
};

void JpegErrorExit(j_common_ptr info) {
  std::longjmp(reinterpret_cast<JpegErrorManager*>(info->err)->jump, 1);
}

void JpegSilence(j_common_ptr, int) {}

constexpr int kBandRows = 16;

// Receives a JPEG's pixels a band of rows at a time, 32 bits a pixel (blue, green, red, and a byte
// to ignore), top row first.
class JpegBands {
 public:
  // The picture's size is known: set the part wanted (picture coordinates, inside the picture)
  // and return true, or return false to decode nothing.
  virtual bool Begin(int width, int height, RECT* wanted) = 0;
  // A band of `rows` rows of `width` pixels whose top-left pixel is (left, top) in the picture.
  virtual void Band(int left, int top, int width, int rows, const std::uint32_t* pixels) = 0;

 protected:
  ~JpegBands() = default;
};

// Decodes the rows the sink wants, and the columns it wants widened to libjpeg's block
// boundaries; the rows above are skipped without being drawn, those below are never decoded.
// band is the caller's, so that no object with a destructor is created between setjmp and the
// jumps of the error handler. False when the bytes are not a JPEG that decodes.
bool DecodeJpegBands(const unsigned char* bytes, std::size_t size, JpegBands& sink,
                     std::vector<std::uint32_t>* band) {
  jpeg_decompress_struct info;
  JpegErrorManager errors;
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = JpegErrorExit;
  errors.base.emit_message = JpegSilence;
  if (setjmp(errors.jump)) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, bytes, static_cast<unsigned long>(size));
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_EXT_BGRX;
  jpeg_start_decompress(&info);
  RECT wanted{};
  const bool decode = std::size_t(info.output_width) * info.output_height <= kMaxPixels &&
                      info.output_components == 4 &&
                      sink.Begin(static_cast<int>(info.output_width),
                                 static_cast<int>(info.output_height), &wanted) &&
                      wanted.left < wanted.right && wanted.top < wanted.bottom;
  if (!decode) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  JDIMENSION left = static_cast<JDIMENSION>(wanted.left);
  JDIMENSION width = static_cast<JDIMENSION>(wanted.right - wanted.left);
  if (width < info.output_width) jpeg_crop_scanline(&info, &left, &width);
  if (wanted.top > 0) jpeg_skip_scanlines(&info, static_cast<JDIMENSION>(wanted.top));
  band->resize(std::size_t(info.output_width) * kBandRows);
  JSAMPROW rows[kBandRows];
  for (int i = 0; i < kBandRows; ++i)
    rows[i] = reinterpret_cast<JSAMPROW>(band->data() + std::size_t(i) * info.output_width);
  const JDIMENSION bottom = static_cast<JDIMENSION>(wanted.bottom);
  while (info.output_scanline < bottom) {
    const JDIMENSION top = info.output_scanline;
    const JDIMENSION count = std::min<JDIMENSION>(kBandRows, bottom - top);
    JDIMENSION read = 0;
    while (read < count) {
      const JDIMENSION got = jpeg_read_scanlines(&info, rows + read, count - read);
      if (got == 0) break;  // no more data: what was read is shown
      read += got;
    }
    if (read > 0)
      sink.Band(static_cast<int>(left), static_cast<int>(top), static_cast<int>(info.output_width),
                static_cast<int>(read), band->data());
    if (read < count) break;
  }
  jpeg_destroy_decompress(&info);
  return true;
}

// The whole picture, as a DecodedPicture.
class WholePicture final : public JpegBands {
 public:
  explicit WholePicture(DecodedPicture* out) : out_(out) {}
  bool Begin(int width, int height, RECT* wanted) override {
    out_->width = width;
    out_->height = height;
    out_->pixels.assign(std::size_t(width) * height, 0);
    *wanted = {0, 0, width, height};
    return true;
  }
  void Band(int, int top, int width, int rows, const std::uint32_t* pixels) override {
    std::uint32_t* target = &out_->pixels[std::size_t(top) * out_->width];
    for (std::size_t i = 0; i < std::size_t(width) * rows; ++i) target[i] = pixels[i] & 0xFFFFFF;
  }

 private:
  DecodedPicture* out_;
};

// The part of a tiling that `area` shows: the tiles start at `origin` and repeat every `size`
// pixels. Returns the range of picture coordinates needed (the whole picture when the area
// crosses from one tile into the next) and the first tile's start.
struct TileSpan {
  int first;  // picture coordinates [first, last)
  int last;
  int tileStart;
};
TileSpan SpanOf(int areaStart, int areaEnd, int origin, int size) {
  const int tileStart = origin + (areaStart - origin) / size * size;
  if (areaEnd - tileStart > size) return {0, size, tileStart};
  return {areaStart - tileStart, areaEnd - tileStart, tileStart};
}

// Tiles of the picture over `area` of dc, drawn band by band as they are decoded.
class TilesOnScreen final : public JpegBands {
 public:
  TilesOnScreen(HDC dc, const RECT& area, int originX, int originY)
      : dc_(dc), area_(area), originX_(originX), originY_(originY) {}
  bool Begin(int width, int height, RECT* wanted) override {
    width_ = width;
    height_ = height;
    const TileSpan columns = SpanOf(area_.left, area_.right, originX_, width);
    const TileSpan rows = SpanOf(area_.top, area_.bottom, originY_, height);
    firstTileX_ = columns.tileStart;
    firstTileY_ = rows.tileStart;
    *wanted = {columns.first, rows.first, columns.last, rows.last};
    return true;
  }
  void Band(int left, int top, int width, int rows, const std::uint32_t* pixels) override {
    const BITMAPINFO info = TopDown32(width, rows);
    for (int y = firstTileY_; y < area_.bottom; y += height_)
      for (int x = firstTileX_; x < area_.right; x += width_)
        ::SetDIBitsToDevice(dc_, x + left, y + top, width, rows, 0, 0, 0, rows, pixels, &info,
                            DIB_RGB_COLORS);
  }

 private:
  HDC dc_;
  RECT area_;
  int originX_, originY_;
  int width_ = 0, height_ = 0, firstTileX_ = 0, firstTileY_ = 0;
};

}  // namespace

DecodedPicture DecodePicture(const unsigned char* bytes, std::size_t size, COLORREF background) {
  if (!bytes || size < 8) return {};
  if (png_sig_cmp(bytes, 0, 8) == 0) return DecodePng(bytes, size, background);
  if (IsJpeg(bytes, size)) {
    DecodedPicture picture;
    WholePicture whole(&picture);
    std::vector<std::uint32_t> band;
    if (DecodeJpegBands(bytes, size, whole, &band)) return picture;
  }
  return {};
}

DecodedPicture ScaledNearest(const DecodedPicture& picture, int width, int height) {
  if (!picture.valid() || width <= 0 || height <= 0) return {};
  DecodedPicture scaled{width, height, {}};
  scaled.pixels.resize(std::size_t(width) * height);
  for (int y = 0; y < height; ++y) {
    const std::uint32_t* row =
        &picture.pixels[std::size_t(y) * picture.height / height * picture.width];
    for (int x = 0; x < width; ++x)
      scaled.pixels[std::size_t(y) * width + x] = row[std::size_t(x) * picture.width / width];
  }
  return scaled;
}

void PaintTiled(HDC dc, const RECT& rect, int origin_x, int origin_y, const DecodedPicture& picture,
                COLORREF background) {
  const UniqueBrush brush(::CreateSolidBrush(background));
  ::FillRect(dc, &rect, brush.get());
  if (!picture.valid()) return;
  const int width = picture.width;
  const int height = picture.height;
  const BITMAPINFO info = TopDown32(width, height);
  for (int y = origin_y; y < rect.bottom; y += height) {
    if (y + height <= rect.top) continue;
    for (int x = origin_x; x < rect.right; x += width) {
      if (x + width <= rect.left) continue;
      ::SetDIBitsToDevice(dc, x, y, width, height, 0, 0, 0, height, picture.pixels.data(), &info,
                          DIB_RGB_COLORS);
    }
  }
}

void PaintTiledFromBytes(HDC dc, const RECT& rect, const unsigned char* bytes, std::size_t size,
                         COLORREF background) {
  if (!IsJpeg(bytes, size)) {
    PaintTiled(dc, rect, rect.left, rect.top, DecodePicture(bytes, size, background), background);
    return;
  }
  const UniqueBrush brush(::CreateSolidBrush(background));
  ::FillRect(dc, &rect, brush.get());
  RECT clip, area;
  if (::GetClipBox(dc, &clip) == ERROR) clip = rect;
  if (!::IntersectRect(&area, &rect, &clip)) return;
  TilesOnScreen tiles(dc, area, rect.left, rect.top);
  std::vector<std::uint32_t> band;
  DecodeJpegBands(bytes, size, tiles, &band);
}

}  // namespace runtime
