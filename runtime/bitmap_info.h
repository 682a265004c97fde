#pragma once
// The pixel layout that pictures are copied to the screen in and that the drawing surface's
// transfers (ReadPixels, WritePixels) use: 32 bits a pixel, the top row first.
#include <windows.h>

namespace runtime {

// A 32-bit top-down description of a width × height bitmap.
inline BITMAPINFO TopDown32(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

}  // namespace runtime
