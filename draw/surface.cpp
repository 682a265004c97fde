#include "draw/surface.h"

#include "draw/api.h"
#include "runtime/component_directory.h"

namespace draw {

图形::~图形() { Release(); }

bool 图形::Check(bool ok, const char* message) {
  if (!ok) AppendLastErrorText(message);
  return ok;
}

// Creation from windows: the surface takes a device context of the window's client area and
// hands it to 创建_自设备句柄, which then owns it.

bool 图形::创建_自窗口(HWND window) {
  RECT client{};
  if (window) api::GetClientRect(window, &client);
  return 创建_自窗口_指定尺寸(window, client.right - client.left, client.bottom - client.top);
}

bool 图形::创建_自窗口_指定尺寸(HWND window, int width, int height) {
  // GetDC(0) would give the whole screen, which is not what a window surface is for.
  if (!window) {
    Release();
    AppendLastErrorText(
        "您提供的窗口句柄为0(图形.创建_自窗口(此处您提供的是一个值为0的整数))"
        "请检查您获得窗口句柄的方法");
    return false;
  }
  const HDC dc = api::GetDC(window);
  if (!dc) {
    Release();
    AppendLastErrorText("取窗口设备句柄失败(GetDC()返回值为0)");
    return false;
  }
  return 创建_自设备句柄(dc, width, height);
}

bool 图形::创建_自窗口组件(std::uint32_t windowId, std::uint32_t componentId) {
  const HWND window = runtime::ComponentWindow(windowId, componentId);
  if (!window) {
    Release();
    AppendLastErrorText("找不到窗口组件(图形.创建_自窗口组件(该组件不存在或没有窗口))");
    return false;
  }
  return 创建_自窗口(window);
}

bool 图形::创建_自窗口组件_指定尺寸(std::uint32_t windowId, std::uint32_t componentId,
                                    int width, int height) {
  const HWND window = runtime::ComponentWindow(windowId, componentId);
  if (!window) {
    Release();
    AppendLastErrorText("找不到窗口组件(图形.创建_自窗口组件(该组件不存在或没有窗口))");
    return false;
  }
  return 创建_自窗口_指定尺寸(window, width, height);
}

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

bool 图形::创建_自设备句柄_窗口尺寸(HDC deviceContext) {
  RECT window{};
  const HWND owner = deviceContext ? api::WindowFromDC(deviceContext) : nullptr;
  if (deviceContext && !owner) {
    // Without a window there is no size to take. The device context is still the surface's to
    // give back, as with every creation.
    Release();
    deviceContext_ = deviceContext;
    window_ = nullptr;
    AppendLastErrorText("设备句柄不属于任何窗口(WindowFromDC()返回值为0)无法取得窗口尺寸");
    return false;
  }
  if (owner) api::GetWindowRect(owner, &window);
  return 创建_自设备句柄(deviceContext, window.right - window.left, window.bottom - window.top);
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
