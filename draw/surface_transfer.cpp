// Bitmap transfers into and out of the surface (BitBlt, StretchBlt, TransparentBlt, AlphaBlend)
// and device-independent-bitmap transfers of its pixels (GetDIBits, SetDIBits).
#include "draw/api_surface.h"
#include "runtime/bitmap_info.h"
#include "draw/owners.h"
#include "draw/surface.h"

namespace draw {
namespace {

constexpr char kToDeviceBitBlt[] =
    "将内存设备场景内容复制到窗口设备场景失败(BitBlt()返回值为0)请检查图形是否创建成功";
constexpr char kToDeviceStretchBlt[] =
    "将内存设备场景内容复制到窗口设备场景失败(StretchBlt()返回值为0)请检查图形是否创建成功";
constexpr char kToDeviceTransparentBlt[] =
    "将内存设备场景内容复制到窗口设备场景失败(TransparentBlt()返回值为0)请检查图形是否创建成功";
constexpr char kToDeviceAlphaBlend[] =
    "将内存设备场景内容复制到窗口设备场景失败(AlphaBlend()返回值为0)请检查图形是否创建成功";
constexpr char kToDcBitBlt[] =
    "将内存设备场景内容复制到设备场景失败(BitBlt()返回值为0)请检查图形是否创建成功";
constexpr char kToDcStretchBlt[] =
    "将内存设备场景内容复制到设备场景失败(StretchBlt()返回值为0)请检查图形是否创建成功";
constexpr char kToDcTransparentBlt[] =
    "将内存设备场景内容复制到设备场景失败(TransparentBlt()返回值为0)请检查图形是否创建成功";
constexpr char kToDcAlphaBlend[] =
    "将内存设备场景内容复制到设备场景失败(AlphaBlend()返回值为0)请检查图形是否创建成功";
constexpr char kFromBitBlt[] =
    "将设备场景内容复制到内存设备场景失败(BitBlt()返回值为0)请检查图形是否创建成功";
constexpr char kFromStretchBlt[] =
    "将设备场景内容复制到内存设备场景失败(StretchBlt()返回值为0)请检查图形是否创建成功";
constexpr char kFromTransparentBlt[] =
    "将设备场景内容复制到内存设备场景失败(TransparentBlt()返回值为0)请检查图形是否创建成功";

}  // namespace

// ---- Into the surface.

bool 图形::CopyFromDevice(int x, int y, int width, int height, DWORD rasterOperation) {
  return Check(api::BitBlt(memoryDC_, sourceX_, sourceY_, width, height, deviceContext_, x, y,
                           rasterOperation),
               kFromBitBlt);
}

bool 图形::CopyFromDC(HDC source, int x, int y, int width, int height, int sourceX, int sourceY,
                      DWORD rasterOperation) {
  return Check(
      api::BitBlt(memoryDC_, x, y, width, height, source, sourceX, sourceY, rasterOperation),
      kFromBitBlt);
}

bool 图形::StretchFromDC(HDC source, int x, int y, int width, int height, int sourceX, int sourceY,
                         int sourceWidth, int sourceHeight, DWORD rasterOperation) {
  return Check(api::StretchBlt(memoryDC_, x, y, width, height, source, sourceX, sourceY,
                               sourceWidth, sourceHeight, rasterOperation),
               kFromStretchBlt);
}

bool 图形::TransparentFromDC(HDC source, int x, int y, int width, int height, int sourceX,
                             int sourceY, int sourceWidth, int sourceHeight,
                             COLORREF transparentColor) {
  return Check(api::TransparentBlt(memoryDC_, x, y, width, height, source, sourceX, sourceY,
                                   sourceWidth, sourceHeight, transparentColor),
               kFromTransparentBlt);
}

bool 图形::CopyFromBitmap(HBITMAP bitmap, int x, int y, int width, int height, int sourceX,
                          int sourceY) {
  const UniqueMemoryDC source(api::CreateCompatibleDC(memoryDC_));
  if (!Check(static_cast<bool>(source), "创建内存设备句柄失败（CreateCompatibleDC()结果为0）"))
    return false;
  const SelectedObject selected(source.get(), bitmap);
  return Check(selected.ok(), "选入位图到内存设备失败（SelectObject()结果为0）") &&
         CopyFromDC(source.get(), x, y, width, height, sourceX, sourceY);
}

// ---- Out of the surface.

bool 图形::CopyToDevice(int x, int y, int width, int height, DWORD rasterOperation) {
  return Check(api::BitBlt(deviceContext_, x, y, width, height, memoryDC_, sourceX_, sourceY_,
                           rasterOperation),
               kToDeviceBitBlt);
}

bool 图形::CopyToDC(HDC target, int x, int y, int width, int height, int sourceX, int sourceY,
                    DWORD rasterOperation) {
  return Check(
      api::BitBlt(target, x, y, width, height, memoryDC_, sourceX, sourceY, rasterOperation),
      kToDcBitBlt);
}

bool 图形::StretchToDevice(int x, int y, int width, int height, int sourceWidth, int sourceHeight,
                           DWORD rasterOperation) {
  return Check(api::StretchBlt(deviceContext_, x, y, width, height, memoryDC_, sourceX_, sourceY_,
                               sourceWidth, sourceHeight, rasterOperation),
               kToDeviceStretchBlt);
}

bool 图形::StretchToDC(HDC target, int x, int y, int width, int height, int sourceX, int sourceY,
                       int sourceWidth, int sourceHeight, DWORD rasterOperation) {
  return Check(api::StretchBlt(target, x, y, width, height, memoryDC_, sourceX, sourceY,
                               sourceWidth, sourceHeight, rasterOperation),
               kToDcStretchBlt);
}

bool 图形::TransparentCopyToDevice(int x, int y, int width, int height, COLORREF transparentColor) {
  return Check(api::TransparentBlt(deviceContext_, x, y, width, height, memoryDC_, sourceX_,
                                   sourceY_, width, height, transparentColor),
               kToDeviceTransparentBlt);
}

bool 图形::TransparentCopyToDC(HDC target, int x, int y, int width, int height, int sourceX,
                               int sourceY, int sourceWidth, int sourceHeight,
                               COLORREF transparentColor) {
  return Check(api::TransparentBlt(target, x, y, width, height, memoryDC_, sourceX, sourceY,
                                   sourceWidth, sourceHeight, transparentColor),
               kToDcTransparentBlt);
}

bool 图形::AlphaCopyToDevice(int x, int y, int width, int height, BYTE alpha) {
  const BLENDFUNCTION blend{AC_SRC_OVER, 0, alpha, 0};
  return Check(api::AlphaBlend(deviceContext_, x, y, width, height, memoryDC_, sourceX_, sourceY_,
                               width, height, blend),
               kToDeviceAlphaBlend);
}

bool 图形::AlphaCopyToDC(HDC target, int x, int y, int width, int height, int sourceX, int sourceY,
                         int sourceWidth, int sourceHeight, BYTE alpha, bool perPixelAlpha) {
  const BLENDFUNCTION blend{AC_SRC_OVER, 0, alpha,
                            static_cast<BYTE>(perPixelAlpha ? AC_SRC_ALPHA : 0)};
  return Check(api::AlphaBlend(target, x, y, width, height, memoryDC_, sourceX, sourceY,
                               sourceWidth, sourceHeight, blend),
               kToDcAlphaBlend);
}

void 图形::MoveSourceOrigin(int dx, int dy) {
  sourceX_ -= dx;
  sourceY_ -= dy;
}

void 图形::SetSourceOrigin(int x, int y) {
  sourceX_ = x;
  sourceY_ = y;
}

HBITMAP 图形::CreateBitmapCopy() const {
  if (!memoryDC_) {
    AppendLastErrorText(kToDcBitBlt);
    return nullptr;
  }
  UniqueBitmap copy(api::CreateCompatibleBitmap(deviceContext_, width_, height_));
  if (!Check(static_cast<bool>(copy), "创建设备位图失败（CreateCompatibleBitmap()结果为0）"))
    return nullptr;
  {
    const UniqueMemoryDC target(api::CreateCompatibleDC(memoryDC_));
    if (!Check(static_cast<bool>(target), "创建内存设备句柄失败（CreateCompatibleDC()结果为0）"))
      return nullptr;
    // The copy is selected out of the target again before it is handed over.
    const SelectedObject selected(target.get(), copy.get());
    if (!Check(api::BitBlt(target.get(), 0, 0, width_, height_, memoryDC_, 0, 0, SRCCOPY),
               kToDcBitBlt))
      return nullptr;
  }
  return copy.release();
}

// ---- Device-independent bits. GetDIBits and SetDIBits want the bitmap out of any device
// context, so it is selected out for the call and back in afterwards.

int 图形::GetDIBits(UINT startScan, UINT scanLines, void* bits, BITMAPINFO* info, UINT usage) {
  if (memoryDC_ && previousObject_) api::SelectObject(memoryDC_, previousObject_);
  const int lines = api::GetDIBits(memoryDC_, bitmap_, startScan, scanLines, bits, info, usage);
  if (memoryDC_ && previousObject_) api::SelectObject(memoryDC_, bitmap_);
  Check(lines != 0, "读取位图数据失败(GetDIBits()返回值为0)");
  return lines;
}

int 图形::SetDIBits(UINT startScan, UINT scanLines, const void* bits, const BITMAPINFO* info,
                    UINT usage) {
  if (memoryDC_ && previousObject_) api::SelectObject(memoryDC_, previousObject_);
  const int lines = api::SetDIBits(memoryDC_, bitmap_, startScan, scanLines, bits, info, usage);
  if (memoryDC_ && previousObject_) api::SelectObject(memoryDC_, bitmap_);
  Check(lines != 0, "写入位图数据失败(SetDIBits()返回值为0)");
  return lines;
}

bool 图形::ReadPixels(std::span<std::uint32_t> pixels) {
  if (width_ <= 0 || height_ <= 0 ||
      pixels.size() < static_cast<size_t>(width_) * static_cast<size_t>(height_)) {
    AppendLastErrorText("读取位图数据失败(缓冲区小于图形的宽度×高度)");
    return false;
  }
  BITMAPINFO info = runtime::TopDown32(width_, height_);
  return GetDIBits(0, static_cast<UINT>(height_), pixels.data(), &info, DIB_RGB_COLORS) == height_;
}

bool 图形::WritePixels(std::span<const std::uint32_t> pixels) {
  if (width_ <= 0 || height_ <= 0 ||
      pixels.size() < static_cast<size_t>(width_) * static_cast<size_t>(height_)) {
    AppendLastErrorText("写入位图数据失败(缓冲区小于图形的宽度×高度)");
    return false;
  }
  const BITMAPINFO info = runtime::TopDown32(width_, height_);
  return SetDIBits(0, static_cast<UINT>(height_), pixels.data(), &info, DIB_RGB_COLORS) == height_;
}

}  // namespace draw
