#include "draw/surface.h"

#include "draw/api.h"
#include "draw/to_wide.h"

namespace draw {

图形::~图形() { Release(); }

bool 图形::创建_自设备句柄(HDC deviceContext, int width, int height) {
  if (graphics_ || memoryDC_ || bitmap_ || deviceContext_)
    ReleaseObjects(deviceContext_ != deviceContext);

  deviceContext_ = deviceContext;
  window_ = deviceContext ? api::WindowFromDC(deviceContext) : nullptr;
  if (!deviceContext) {
    AppendLastErrorText(
        "您提供的设备句柄为0(图形.创建_自设备句柄(此处您提供的是一个值为0的整数))"
        "请检查您获得设备句柄的方法");
    return false;
  }
  memoryDC_ = api::CreateCompatibleDC(deviceContext);
  if (!memoryDC_) {
    AppendLastErrorText("创建内存设备句柄失败（CreateCompatibleDC()结果为0）");
    return false;
  }
  windowRect_ = RECT{};
  if (window_) api::GetWindowRect(window_, &windowRect_);
  width_ = width;
  height_ = height;
  bitmap_ = api::CreateCompatibleBitmap(deviceContext, width, height);
  if (!bitmap_) {
    AppendLastErrorText("创建设备位图失败（CreateCompatibleBitmap()结果为0）");
    return false;
  }
  previousObject_ = api::SelectObject(memoryDC_, bitmap_);
  Gdiplus::GpGraphics* graphics = nullptr;
  api::GdipCreateFromHDC(memoryDC_, &graphics);
  SetHandle(graphics);
  api::SetBkMode(memoryDC_, TRANSPARENT);
  if (previousObject_) return true;
  AppendLastErrorText("选入位图到内存设备失败（SelectObject()结果为0）");
  return false;
}

bool 图形::FillRectangle(const GdipBrush& brush, float x, float y, float width, float height) {
  return RecordStatus(
      api::GdipFillRectangle(graphics_, brush.BrushHandle(), x, y, width, height));
}

bool 图形::DrawRectangle(const GdipPen& pen, float x, float y, float width, float height) {
  return RecordStatus(api::GdipDrawRectangle(graphics_, pen.PenHandle(), x, y, width, height));
}

bool 图形::DrawImageRect(const GdipImage& image, float x, float y, float width, float height) {
  return RecordStatus(
      api::GdipDrawImageRect(graphics_, image.ImageHandle(), x, y, width, height));
}

bool 图形::DrawString(std::string_view text, const GdipFont& font, const GdipBrush& brush,
                      const RectF& layout, const GdipStringFormat& format) {
  const std::wstring wide = ToWide(text);
  const int length = api::lstrlenW(wide.c_str());
  const Gdiplus::RectF native(layout.x, layout.y, layout.width, layout.height);
  return RecordStatus(api::GdipDrawString(graphics_, wide.c_str(), length, font.FontHandle(),
                                          &native, format.FormatHandle(), brush.BrushHandle()));
}

bool 图形::CopyToDevice(int x, int y, int width, int height, DWORD rasterOperation) {
  if (api::BitBlt(deviceContext_, x, y, width, height, memoryDC_, sourceX_, sourceY_,
                  rasterOperation))
    return true;
  AppendLastErrorText(
      "将内存设备场景内容复制到窗口设备场景失败(BitBlt()返回值为0)请检查图形是否创建成功");
  return false;
}

bool 图形::AlphaCopyToDevice(int x, int y, int width, int height, BYTE alpha) {
  const BLENDFUNCTION blend{AC_SRC_OVER, 0, alpha, 0};
  if (api::AlphaBlend(deviceContext_, x, y, width, height, memoryDC_, sourceX_, sourceY_, width,
                      height, blend))
    return true;
  AppendLastErrorText(
      "将内存设备场景内容复制到窗口设备场景失败(AlphaBlend()返回值为0)请检查图形是否创建成功");
  return false;
}

void 图形::MoveSourceOrigin(int dx, int dy) {
  sourceX_ -= dx;
  sourceY_ -= dy;
}

bool 图形::Release() { return ReleaseObjects(true); }

bool 图形::ReleaseObjects(bool releaseDeviceContext) {
  bool ok = false;
  if (graphics_) {
    ok = RecordStatus(api::GdipDeleteGraphics(graphics_));
    SetHandle(nullptr);
  }
  // The bitmap is selected out before it is deleted.
  if (memoryDC_ && previousObject_) api::SelectObject(memoryDC_, previousObject_);
  if (bitmap_) api::DeleteObject(bitmap_);
  if (memoryDC_) api::DeleteDC(memoryDC_);
  if (deviceContext_ && releaseDeviceContext) api::ReleaseDC(window_, deviceContext_);
  deviceContext_ = nullptr;
  memoryDC_ = nullptr;
  bitmap_ = nullptr;
  previousObject_ = nullptr;
  return ok;
}

}  // namespace draw
