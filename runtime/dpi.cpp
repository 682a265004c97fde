#include "runtime/dpi.h"

#include "runtime/unique_handle.h"

namespace runtime {
namespace {

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);

// Looked up by hand: through the table of imports, a Windows without the function would refuse
// to start the program.
GetDpiForWindowFunction BoundGetDpiForWindow() {
  static const auto function = reinterpret_cast<GetDpiForWindowFunction>(reinterpret_cast<void*>(
      ::GetProcAddress(::GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
  return function;
}

int SystemWindowDpi(HWND window) {
  if (const GetDpiForWindowFunction function = BoundGetDpiForWindow()) {
    if (const UINT dpi = function(window)) return static_cast<int>(dpi);
  }
  const WindowDC screen(nullptr);
  const int dpi = screen.get() ? ::GetDeviceCaps(screen.get(), LOGPIXELSX) : 0;
  return dpi > 0 ? dpi : kDesignDpi;
}

}  // namespace

int Scaled(int value, int dpi) { return ::MulDiv(value, dpi, kDesignDpi); }

int WindowDpi(HWND window) { return DpiSeam().windowDpi(window); }

DpiSeams& DpiSeam() {
  static DpiSeams seams{SystemWindowDpi};
  return seams;
}

}  // namespace runtime
