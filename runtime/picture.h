#pragma once
// Decoding of the pictures the window and the picture box show: PNG through libpng, JPEG through
// libjpeg. A picture with transparency is composed over the given background colour, so the
// result is opaque pixels ready to be copied to the screen.
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace runtime {

struct DecodedPicture {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // 0x00RRGGBB, top row first
  bool valid() const { return width > 0 && height > 0; }
};

// An empty result when the bytes are not a PNG or JPEG that decodes.
DecodedPicture DecodePicture(const unsigned char* bytes, std::size_t size, COLORREF background);

// The picture at width × height, every pixel the one of the picture that it falls on (nearest
// neighbour): no pixel is blended with its neighbours, so that the edges of a QR code's modules
// stay hard at any scale.
DecodedPicture ScaledNearest(const DecodedPicture& picture, int width, int height);

// Fills rect with the background colour and tiles the picture from its top-left corner (the
// picture's origin is (origin_x, origin_y) in dc coordinates), copying its pixels straight from
// memory; an invalid picture leaves the fill.
void PaintTiled(HDC dc, const RECT& rect, int origin_x, int origin_y, const DecodedPicture& picture,
                COLORREF background);

// Fills rect with the background colour and tiles the picture from rect's top-left corner,
// decoding it from its bytes for this call. A JPEG is decoded a band of rows at a time straight
// to dc, and only the rows and columns that dc's clip box lets through, so nothing of it is kept;
// other pictures are decoded whole for the call. Broken bytes leave the fill.
void PaintTiledFromBytes(HDC dc, const RECT& rect, const unsigned char* bytes, std::size_t size,
                         COLORREF background);

}  // namespace runtime
