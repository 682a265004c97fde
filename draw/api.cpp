#include "draw/api.h"

// Definitions in the order of api.h; each names its library and export. The order here is the
// order in which the entries are listed when the table is walked.
#define DRAW_WIN32(name, library) ::draw::ExternalFunction<decltype(::name)> name{library, #name}
#define DRAW_GDIPLUS(name) \
  ::draw::ExternalFunction<decltype(::Gdiplus::DllExports::name)> name{"gdiplus.dll", #name}

namespace draw::api {

DRAW_WIN32(GetDC, "User32.dll");
DRAW_WIN32(ReleaseDC, "User32.dll");
DRAW_WIN32(FillRect, "User32.dll");
DRAW_WIN32(LoadCursorA, "User32.dll");
DRAW_WIN32(SetCursor, "User32.dll");
DRAW_WIN32(SendMessageA, "User32.dll");
DRAW_WIN32(GetWindowRect, "User32.dll");
DRAW_WIN32(GetClientRect, "User32.dll");
DRAW_WIN32(IsWindow, "User32.dll");
DRAW_WIN32(IsZoomed, "User32.dll");
DRAW_WIN32(IsIconic, "User32.dll");
DRAW_WIN32(InvalidateRect, "User32.dll");
// A 32-bit user32 has no ...LongPtrA exports: there the SDK names are macros for ...LongA.
#ifdef _WIN64
DRAW_WIN32(SetWindowLongPtrA, "User32.dll");
DRAW_WIN32(GetWindowLongPtrA, "User32.dll");
#else
DRAW_WIN32(SetWindowLongA, "User32.dll");
DRAW_WIN32(GetWindowLongA, "User32.dll");
#endif
DRAW_WIN32(CallWindowProcA, "User32.dll");
DRAW_WIN32(DefWindowProcA, "User32.dll");
DRAW_WIN32(BeginPaint, "User32.dll");
DRAW_WIN32(EndPaint, "User32.dll");
DRAW_WIN32(SetWindowRgn, "User32.dll");
DRAW_WIN32(WindowFromDC, "User32.dll");

DRAW_WIN32(CreateSolidBrush, "Gdi32.dll");
DRAW_WIN32(DeleteObject, "Gdi32.dll");
DRAW_WIN32(StretchBlt, "Gdi32.dll");
DRAW_WIN32(BitBlt, "Gdi32.dll");
DRAW_WIN32(CreateEllipticRgn, "Gdi32.dll");
DRAW_WIN32(CreateRoundRectRgn, "Gdi32.dll");
DRAW_WIN32(CreateCompatibleDC, "Gdi32.dll");
DRAW_WIN32(CreateCompatibleBitmap, "Gdi32.dll");
DRAW_WIN32(SelectObject, "Gdi32.dll");
DRAW_WIN32(SetBkMode, "Gdi32.dll");
DRAW_WIN32(DeleteDC, "Gdi32.dll");

DRAW_WIN32(AlphaBlend, "msimg32.dll");

DRAW_WIN32(GlobalAlloc, "Kernel32.dll");
DRAW_WIN32(GlobalLock, "Kernel32.dll");
DRAW_WIN32(GlobalUnlock, "Kernel32.dll");
DRAW_WIN32(GlobalSize, "Kernel32.dll");
DRAW_WIN32(GlobalFree, "Kernel32.dll");
DRAW_WIN32(MultiByteToWideChar, "Kernel32.dll");
DRAW_WIN32(WideCharToMultiByte, "Kernel32.dll");
DRAW_WIN32(lstrlenW, "Kernel32.dll");

DRAW_WIN32(CreateStreamOnHGlobal, "ole32.dll");
DRAW_WIN32(GetHGlobalFromStream, "ole32.dll");

::draw::ExternalFunction<decltype(::Gdiplus::GdiplusStartup)> GdiplusStartup{
    "gdiplus.dll", "GdiplusStartup"};
DRAW_GDIPLUS(GdipAlloc);
DRAW_GDIPLUS(GdipFree);
DRAW_GDIPLUS(GdipDeleteStringFormat);
DRAW_GDIPLUS(GdipDeleteBrush);
DRAW_GDIPLUS(GdipCreateLineBrushFromRect);
DRAW_GDIPLUS(GdipCreateSolidFill);
DRAW_GDIPLUS(GdipDeletePen);
DRAW_GDIPLUS(GdipCreatePen1);
DRAW_GDIPLUS(GdipDeleteFont);
DRAW_GDIPLUS(GdipCreateFont);
DRAW_GDIPLUS(GdipDeleteFontFamily);
DRAW_GDIPLUS(GdipCreateFontFamilyFromName);
DRAW_GDIPLUS(GdipDisposeImage);
DRAW_GDIPLUS(GdipLoadImageFromStream);
DRAW_GDIPLUS(GdipLoadImageFromStreamICM);
DRAW_GDIPLUS(GdipCreateBitmapFromScan0);
DRAW_GDIPLUS(GdipGetImageWidth);
DRAW_GDIPLUS(GdipGetImageHeight);
DRAW_GDIPLUS(GdipGetImageEncodersSize);
DRAW_GDIPLUS(GdipGetImageEncoders);
DRAW_GDIPLUS(GdipSaveImageToStream);
DRAW_GDIPLUS(GdipCreateFromHDC);
DRAW_GDIPLUS(GdipDeleteGraphics);
DRAW_GDIPLUS(GdipFillRectangle);
DRAW_GDIPLUS(GdipDrawRectangle);
DRAW_GDIPLUS(GdipDrawImageRect);
DRAW_GDIPLUS(GdipDrawString);

}  // namespace draw::api
