#pragma once
// The table of external functions that the drawing module and the window skin call, every one
// bound by name on its first call (see external_function.h). The type of each entry is taken from
// the SDK declaration, so calls are checked like direct calls.
//
// Each table is one list macro with an entry a line: WIN32(name, library) for a function the
// Windows headers declare, GDIPLUS(name) for one of GDI+'s flat interface (gdiplus.dll). The list
// is expanded once with DRAW_DECLARE_* for the declarations and once, in api.cpp, with
// DRAW_DEFINE_* for the definitions, so adding a function is adding its line to a list.
//
// Call entries qualified (api::GetDC), never unqualified: inside namespace draw an unqualified
// name could find the imported function of the same name.
#include <windows.h>
#include <objbase.h>
// GDI+ is only used for its declarations; nothing links against gdiplus.
#include <gdiplus.h>

#include "draw/external_function.h"

#define DRAW_DECLARE_WIN32(name, library) extern ::draw::ExternalFunction<decltype(::name)> name;
#define DRAW_DECLARE_GDIPLUS(name) \
  extern ::draw::ExternalFunction<decltype(::Gdiplus::DllExports::name)> name;
// The extra step expands the name first: on a 32-bit build SetWindowLongPtrA and
// GetWindowLongPtrA are macros for SetWindowLongA and GetWindowLongA, the names user32 exports.
#define DRAW_DEFINE_WIN32(name, library) DRAW_DEFINE_WIN32_EXPANDED(name, library)
#define DRAW_DEFINE_WIN32_EXPANDED(name, library) \
  ::draw::ExternalFunction<decltype(::name)> name{library, #name};
#define DRAW_DEFINE_GDIPLUS(name) \
  ::draw::ExternalFunction<decltype(::Gdiplus::DllExports::name)> name{"gdiplus.dll", #name};

// Functions of the window skin, the hook and the core of the drawing classes.
// clang-format off
#define DRAW_API_BASE(WIN32, GDIPLUS) \
  /* user32 */ \
  WIN32(GetDC, "User32.dll") \
  WIN32(ReleaseDC, "User32.dll") \
  WIN32(FillRect, "User32.dll") \
  WIN32(LoadCursorW, "User32.dll") \
  WIN32(SetCursor, "User32.dll") \
  WIN32(SendMessageW, "User32.dll") \
  WIN32(GetWindowRect, "User32.dll") \
  WIN32(GetClientRect, "User32.dll") \
  WIN32(IsWindow, "User32.dll") \
  WIN32(IsZoomed, "User32.dll") \
  WIN32(IsIconic, "User32.dll") \
  WIN32(InvalidateRect, "User32.dll") \
  /* On a 32-bit build, macros for SetWindowLongW and GetWindowLongW. */ \
  WIN32(SetWindowLongPtrW, "User32.dll") \
  WIN32(GetWindowLongPtrW, "User32.dll") \
  WIN32(CallWindowProcW, "User32.dll") \
  WIN32(DefWindowProcW, "User32.dll") \
  WIN32(BeginPaint, "User32.dll") \
  WIN32(EndPaint, "User32.dll") \
  WIN32(SetWindowRgn, "User32.dll") \
  WIN32(WindowFromDC, "User32.dll") \
  /* gdi32 */ \
  WIN32(CreateSolidBrush, "Gdi32.dll") \
  WIN32(DeleteObject, "Gdi32.dll") \
  WIN32(StretchBlt, "Gdi32.dll") \
  WIN32(BitBlt, "Gdi32.dll") \
  WIN32(CreateEllipticRgn, "Gdi32.dll") \
  WIN32(CreateRoundRectRgn, "Gdi32.dll") \
  WIN32(CreateCompatibleDC, "Gdi32.dll") \
  WIN32(CreateCompatibleBitmap, "Gdi32.dll") \
  WIN32(SelectObject, "Gdi32.dll") \
  WIN32(SetBkMode, "Gdi32.dll") \
  WIN32(DeleteDC, "Gdi32.dll") \
  /* msimg32 */ \
  WIN32(AlphaBlend, "msimg32.dll") \
  /* kernel32 */ \
  WIN32(GlobalAlloc, "Kernel32.dll") \
  WIN32(GlobalLock, "Kernel32.dll") \
  WIN32(GlobalUnlock, "Kernel32.dll") \
  WIN32(GlobalSize, "Kernel32.dll") \
  WIN32(GlobalFree, "Kernel32.dll") \
  WIN32(MultiByteToWideChar, "Kernel32.dll") \
  WIN32(WideCharToMultiByte, "Kernel32.dll") \
  WIN32(lstrlenW, "Kernel32.dll") \
  /* ole32 */ \
  WIN32(CreateStreamOnHGlobal, "ole32.dll") \
  WIN32(GetHGlobalFromStream, "ole32.dll") \
  /* gdiplus: start-up and memory */ \
  GDIPLUS(GdipAlloc) \
  GDIPLUS(GdipFree) \
  /* gdiplus: string format, brushes, pen */ \
  GDIPLUS(GdipDeleteStringFormat) \
  GDIPLUS(GdipDeleteBrush) \
  GDIPLUS(GdipCreateLineBrushFromRect) \
  GDIPLUS(GdipCreateSolidFill) \
  GDIPLUS(GdipDeletePen) \
  GDIPLUS(GdipCreatePen1) \
  /* gdiplus: fonts */ \
  GDIPLUS(GdipDeleteFont) \
  GDIPLUS(GdipCreateFont) \
  GDIPLUS(GdipDeleteFontFamily) \
  GDIPLUS(GdipCreateFontFamilyFromName) \
  /* gdiplus: images */ \
  GDIPLUS(GdipDisposeImage) \
  GDIPLUS(GdipLoadImageFromStream) \
  GDIPLUS(GdipLoadImageFromStreamICM) \
  GDIPLUS(GdipCreateBitmapFromScan0) \
  GDIPLUS(GdipGetImageWidth) \
  GDIPLUS(GdipGetImageHeight) \
  GDIPLUS(GdipGetImageEncodersSize) \
  GDIPLUS(GdipGetImageEncoders) \
  GDIPLUS(GdipSaveImageToStream) \
  /* gdiplus: graphics */ \
  GDIPLUS(GdipCreateFromHDC) \
  GDIPLUS(GdipDeleteGraphics) \
  GDIPLUS(GdipFillRectangle) \
  GDIPLUS(GdipDrawRectangle) \
  GDIPLUS(GdipDrawImageRect) \
  GDIPLUS(GdipDrawString)
// clang-format on

namespace draw::api {

DRAW_API_BASE(DRAW_DECLARE_WIN32, DRAW_DECLARE_GDIPLUS)
// GDI+'s entry point is declared outside its flat interface.
extern ::draw::ExternalFunction<decltype(::Gdiplus::GdiplusStartup)> GdiplusStartup;

}  // namespace draw::api
