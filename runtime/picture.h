#pragma once
// Decoding of the pictures the window and the picture box show: PNG through libpng, JPEG through
// libjpeg. A picture with transparency is composed over the given background colour, so the
// result is an opaque bitmap ready to be copied to the screen.
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <vector>

#include "runtime/unique_handle.h"

namespace runtime {

struct DecodedPicture {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // 0x00RRGGBB, top row first
  bool valid() const { return width > 0 && height > 0; }
};

// An empty result when the bytes are not a PNG or JPEG that decodes.
DecodedPicture DecodePicture(const unsigned char* bytes, std::size_t size, COLORREF background);

// The decoded picture as a top-down 32-bit DIB section; null for an invalid picture.
UniqueBitmap ToBitmap(const DecodedPicture& picture);

// Fills rect with the background colour and tiles the bitmap from its top-left corner (the
// picture's origin is (origin_x, origin_y) in dc coordinates); a null bitmap leaves the fill.
void PaintTiled(HDC dc, const RECT& rect, int origin_x, int origin_y, HBITMAP bitmap, int width,
                int height, COLORREF background);

}  // namespace runtime
