#pragma once
// Owners of native handles: one type per release function, move-only, each releasing its handle
// once. The release goes through a Calls type: SystemCalls calls the imported functions; the
// drawing module, which reaches gdi32 and user32 only through its table of bound functions, hands
// in its own (draw/owners.h), so both use the same owners.
#include <windows.h>

#include <utility>

namespace runtime {

// A release policy is a function object; one whose handles use another value than Handle{} for
// "none" says so with a static Empty().
template <typename Handle, typename Release>
class UniqueHandle {
 public:
  static Handle Empty() {
    if constexpr (requires { Release::Empty(); })
      return Release::Empty();
    else
      return Handle{};
  }

  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle) : handle_(handle) {}
  ~UniqueHandle() { reset(); }
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, Empty())) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) reset(std::exchange(other.handle_, Empty()));
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != Empty(); }
  void reset(Handle handle = Empty()) {
    if (handle_ != Empty()) Release{}(handle_);
    handle_ = handle;
  }
  Handle release() { return std::exchange(handle_, Empty()); }

 private:
  Handle handle_ = Empty();
};

// The platform functions the owners release with, called through their import.
struct SystemCalls {
  static BOOL DeleteObject(HGDIOBJ object) { return ::DeleteObject(object); }
  static BOOL DeleteDC(HDC dc) { return ::DeleteDC(dc); }
  static HDC GetDC(HWND window) { return ::GetDC(window); }
  static int ReleaseDC(HWND window, HDC dc) { return ::ReleaseDC(window, dc); }
  static HGDIOBJ SelectObject(HDC dc, HGDIOBJ object) { return ::SelectObject(dc, object); }
};

template <typename Calls>
struct DeleteGdiObjectWith {
  void operator()(HGDIOBJ object) const { Calls::DeleteObject(object); }
};
template <typename Calls>
struct DeleteDCWith {
  void operator()(HDC dc) const { Calls::DeleteDC(dc); }
};
struct DestroyMenuHandle {
  void operator()(HMENU menu) const { ::DestroyMenu(menu); }
};
struct DestroyWindowHandle {
  void operator()(HWND window) const { ::DestroyWindow(window); }
};
struct CloseFindHandle {
  static HANDLE Empty() { return INVALID_HANDLE_VALUE; }
  void operator()(HANDLE find) const { ::FindClose(find); }
};

struct CloseFileHandle {
  static HANDLE Empty() { return INVALID_HANDLE_VALUE; }
  void operator()(HANDLE file) const { ::CloseHandle(file); }
};

using DeleteGdiObject = DeleteGdiObjectWith<SystemCalls>;
using UniqueBitmap = UniqueHandle<HBITMAP, DeleteGdiObject>;
using UniqueFont = UniqueHandle<HFONT, DeleteGdiObject>;
using UniqueBrush = UniqueHandle<HBRUSH, DeleteGdiObject>;
using UniqueMemoryDC = UniqueHandle<HDC, DeleteDCWith<SystemCalls>>;
using UniqueMenu = UniqueHandle<HMENU, DestroyMenuHandle>;
using UniqueWindow = UniqueHandle<HWND, DestroyWindowHandle>;
// A search handle of FindFirstFileA; INVALID_HANDLE_VALUE is "none".
using UniqueFind = UniqueHandle<HANDLE, CloseFindHandle>;
// A handle closed with CloseHandle whose "none" is INVALID_HANDLE_VALUE: a file of CreateFileA, a
// snapshot of CreateToolhelp32Snapshot.
using UniqueFile = UniqueHandle<HANDLE, CloseFileHandle>;

// A device context from GetDC, released with ReleaseDC on the same window.
template <typename Calls>
class BasicWindowDC {
 public:
  explicit BasicWindowDC(HWND window) : window_(window), dc_(Calls::GetDC(window)) {}
  ~BasicWindowDC() {
    if (dc_) Calls::ReleaseDC(window_, dc_);
  }
  BasicWindowDC(const BasicWindowDC&) = delete;
  BasicWindowDC& operator=(const BasicWindowDC&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// Selects an object into a device context and selects the previous one back on destruction.
// Nothing is selected for a null object; a failed selection puts nothing back.
template <typename Calls>
class BasicSelectedObject {
 public:
  BasicSelectedObject(HDC dc, HGDIOBJ object)
      : dc_(dc), previous_(object ? Calls::SelectObject(dc, object) : nullptr) {}
  ~BasicSelectedObject() {
    if (previous_ && previous_ != HGDI_ERROR) Calls::SelectObject(dc_, previous_);
  }
  BasicSelectedObject(const BasicSelectedObject&) = delete;
  BasicSelectedObject& operator=(const BasicSelectedObject&) = delete;
  bool ok() const { return previous_ && previous_ != HGDI_ERROR; }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

using WindowDC = BasicWindowDC<SystemCalls>;
using SelectedObject = BasicSelectedObject<SystemCalls>;

}  // namespace runtime
