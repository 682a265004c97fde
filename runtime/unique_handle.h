#pragma once
// Owning wrappers for native handles: one type per release function, move-only.
#include <windows.h>

#include <utility>

namespace runtime {

template <typename Handle, typename Release>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle) : handle_(handle) {}
  ~UniqueHandle() { reset(); }
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, Handle{})) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) reset(std::exchange(other.handle_, Handle{}));
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != Handle{}; }
  void reset(Handle handle = Handle{}) {
    if (handle_ != Handle{}) Release{}(handle_);
    handle_ = handle;
  }
  Handle release() { return std::exchange(handle_, Handle{}); }

 private:
  Handle handle_{};
};

struct DeleteGdiObject {
  void operator()(HGDIOBJ object) const { ::DeleteObject(object); }
};
struct DestroyMenuHandle {
  void operator()(HMENU menu) const { ::DestroyMenu(menu); }
};
struct DestroyWindowHandle {
  void operator()(HWND window) const { ::DestroyWindow(window); }
};

using UniqueBitmap = UniqueHandle<HBITMAP, DeleteGdiObject>;
using UniqueFont = UniqueHandle<HFONT, DeleteGdiObject>;
using UniqueBrush = UniqueHandle<HBRUSH, DeleteGdiObject>;
using UniqueMenu = UniqueHandle<HMENU, DestroyMenuHandle>;
using UniqueWindow = UniqueHandle<HWND, DestroyWindowHandle>;

// A device context from GetDC, released with ReleaseDC on the same window.
class WindowDC {
 public:
  explicit WindowDC(HWND window) : window_(window), dc_(::GetDC(window)) {}
  ~WindowDC() {
    if (dc_) ::ReleaseDC(window_, dc_);
  }
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// Selects an object into a device context and selects the previous one back on destruction.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(::SelectObject(dc, object)) {}
  ~SelectedObject() {
    if (previous_ && previous_ != HGDI_ERROR) ::SelectObject(dc_, previous_);
  }
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

}  // namespace runtime
