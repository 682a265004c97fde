#include "draw/window_hook.h"

#include <algorithm>
#include <cstring>

#include "draw/api.h"
#include "draw/last_error.h"
#include "draw/owners.h"
#include "draw/region.h"

namespace draw {
namespace {

PAINTSTRUCT ToPaintStruct(const PaintRecord& record) {
  PAINTSTRUCT flat{};
  flat.hdc = record.deviceContext;
  flat.fErase = record.erase;
  flat.rcPaint = record.paint;
  flat.fRestore = record.restore;
  flat.fIncUpdate = record.incrementalUpdate;
  std::memcpy(flat.rgbReserved, record.reserved.data(),
              std::min(sizeof flat.rgbReserved, record.reserved.size()));
  return flat;
}

void CopyBack(const PAINTSTRUCT& flat, PaintRecord& record) {
  record.deviceContext = flat.hdc;
  record.erase = flat.fErase;
  record.paint = flat.rcPaint;
  record.restore = flat.fRestore;
  record.incrementalUpdate = flat.fIncUpdate;
  std::memcpy(record.reserved.data(), flat.rgbReserved,
              std::min(sizeof flat.rgbReserved, record.reserved.size()));
}

}  // namespace

bool WindowHook::Hook(HWND window, WNDPROC procedure) {
  const bool sameWindow = window == window_;
  window_ = window;
  forwarding_ = false;
  if (!procedure) return true;
  forwarding_ = true;
  const auto replaced = reinterpret_cast<WNDPROC>(
      api::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
  if (replaced == procedure) {
    // The window already runs procedure. Hooked by this object before, the procedure it replaced
    // then is still the one to forward to. Otherwise the procedure before it is unknown, and
    // taking procedure as its own predecessor would make every forwarded message recurse.
    if (sameWindow && previousProcedure_ && previousProcedure_ != procedure) return true;
    previousProcedure_ = nullptr;
  } else {
    previousProcedure_ = replaced;
  }
  if (previousProcedure_) return true;
  SetLastErrorText("设置窗口信息失败(SetWindowLongA()返回值为0)");
  return false;
}

LONG_PTR WindowHook::Unhook() {
  LONG_PTR result = 0;
  // Without a previous procedure there is nothing to put back: installing 0 would leave the
  // window without a procedure.
  if (previousProcedure_)
    result = api::SetWindowLongPtrW(window_, GWLP_WNDPROC,
                                    reinterpret_cast<LONG_PTR>(previousProcedure_));
  window_ = nullptr;
  return result;
}

HDC WindowHook::BeginPaint() {
  PAINTSTRUCT flat = ToPaintStruct(paint_);
  const HDC dc = api::BeginPaint(window_, &flat);
  CopyBack(flat, paint_);
  return dc;
}

BOOL WindowHook::EndPaint() {
  const PAINTSTRUCT flat = ToPaintStruct(paint_);
  return api::EndPaint(window_, &flat);
}

LRESULT WindowHook::CallPrevious(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!forwarding_) {
    SetLastErrorText("您未提供 窗口消息回调 子程序指针！");
    return 0;
  }
  if (!previousProcedure_) return 0;
  return api::CallWindowProcW(previousProcedure_, window, message, wParam, lParam);
}

bool WindowHook::ApplyRegion(HRGN region, BOOL redraw) {
  if (api::SetWindowRgn(window_, region, redraw)) return true;
  AppendLastErrorText("设置窗口区域失败(SetWindowRgn()返回值为0)");
  return false;
}

bool WindowHook::ApplyNewRegion(HRGN created, BOOL redraw, const char* failure) {
  UniqueRegion region(created);
  if (!region) {
    AppendLastErrorText(failure);
    return false;
  }
  // Once set, the region belongs to the window.
  if (!ApplyRegion(region.get(), redraw)) return false;
  region.release();
  return true;
}

bool WindowHook::SetRegion(HRGN region, BOOL redraw) { return ApplyRegion(region, redraw); }

bool WindowHook::SetRegion(Region& region, BOOL redraw) {
  if (!ApplyRegion(region.Handle(), redraw)) return false;
  region.Detach();
  return true;
}

bool WindowHook::SetEllipticRegion(int x, int y, int width, int height, BOOL redraw) {
  return ApplyNewRegion(api::CreateEllipticRgn(x, y, x + width, y + height), redraw,
                        "创建椭圆区域失败(CreateEllipticRgn()返回值为0)");
}

bool WindowHook::SetRoundRectRegion(int x, int y, int width, int height, int cornerWidth,
                                    int cornerHeight, BOOL redraw) {
  return ApplyNewRegion(
      api::CreateRoundRectRgn(x, y, x + width, y + height, cornerWidth, cornerHeight), redraw,
      "创建圆角矩形区域失败(CreateRoundRectRgn()返回值为0)");
}

}  // namespace draw
