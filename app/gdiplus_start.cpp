#include "app/gdiplus_start.h"

#include <windows.h>

#include <gdiplus.h>

namespace app {

ULONG_PTR g_gdiplusToken = 0;

void StartGdiplus() {
  Gdiplus::GdiplusStartupInput input;  // version 1, no debug callback, nothing suppressed
  Gdiplus::GdiplusStartup(&g_gdiplusToken, &input, nullptr);
}

}  // namespace app
