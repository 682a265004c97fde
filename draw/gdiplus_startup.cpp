#include "draw/gdiplus_startup.h"

#include "draw/api.h"

namespace draw {
namespace {
ULONG_PTR g_token = 0;
}  // namespace

void StartGdiplus() {
  Gdiplus::GdiplusStartupInput input;
  input.GdiplusVersion = 1;
  input.DebugEventCallback = nullptr;
  input.SuppressBackgroundThread = FALSE;
  input.SuppressExternalCodecs = FALSE;
  api::GdiplusStartup(&g_token, &input, nullptr);
}

ULONG_PTR GdiplusToken() { return g_token; }

}  // namespace draw
