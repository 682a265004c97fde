#include "runtime/picture.h"

#include "runtime/unique_handle.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>

#include <jpeglib.h>
#include <png.h>

namespace runtime {
namespace {

constexpr std::size_t kMaxPixels = 16u * 1024u * 1024u;  // refuse absurd sizes from bad headers

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

// Decodes into the caller's objects: no object with a destructor is created between setjmp and
// the jumps of the error handler.
bool DecodeJpegInto(const unsigned char* bytes, std::size_t size, DecodedPicture* out,
                    std::vector<std::uint8_t>* row) {
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
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  if (std::size_t(info.output_width) * info.output_height > kMaxPixels ||
      info.output_components != 3) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  out->width = static_cast<int>(info.output_width);
  out->height = static_cast<int>(info.output_height);
  out->pixels.resize(std::size_t(out->width) * out->height);
  row->resize(std::size_t(info.output_width) * 3);
  while (info.output_scanline < info.output_height) {
    JSAMPROW rows[1] = {row->data()};
    std::size_t y = info.output_scanline;
    jpeg_read_scanlines(&info, rows, 1);
    std::uint32_t* target = &out->pixels[y * out->width];
    for (int x = 0; x < out->width; ++x)
      target[x] = (std::uint32_t((*row)[x * 3]) << 16) | (std::uint32_t((*row)[x * 3 + 1]) << 8) |
                  (*row)[x * 3 + 2];
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return true;
}

}  // namespace

DecodedPicture DecodePicture(const unsigned char* bytes, std::size_t size, COLORREF background) {
  if (!bytes || size < 8) return {};
  if (png_sig_cmp(bytes, 0, 8) == 0) return DecodePng(bytes, size, background);
  if (bytes[0] == 0xFF && bytes[1] == 0xD8) {
    DecodedPicture picture;
    std::vector<std::uint8_t> row;
    if (DecodeJpegInto(bytes, size, &picture, &row)) return picture;
  }
  return {};
}

void PaintTiled(HDC dc, const RECT& rect, int origin_x, int origin_y, const DecodedPicture& picture,
                COLORREF background) {
  const UniqueBrush brush(::CreateSolidBrush(background));
  ::FillRect(dc, &rect, brush.get());
  if (!picture.valid()) return;
  const int width = picture.width;
  const int height = picture.height;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  for (int y = origin_y; y < rect.bottom; y += height) {
    if (y + height <= rect.top) continue;
    for (int x = origin_x; x < rect.right; x += width) {
      if (x + width <= rect.left) continue;
      ::SetDIBitsToDevice(dc, x, y, width, height, 0, 0, 0, height, picture.pixels.data(), &info,
                          DIB_RGB_COLORS);
    }
  }
}

}  // namespace runtime
