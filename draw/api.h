#pragma once
// The table of external functions that the drawing module and the window skin call, every one
// bound by name on its first call (see external_function.h). The type of each entry is taken from
// the SDK declaration, so calls are checked like direct calls. To add an entry, declare it here
// with DRAW_WIN32_ENTRY / DRAW_GDIPLUS_ENTRY and define it in api.cpp with its library.
//
// Call entries qualified (api::GetDC), never unqualified: inside namespace draw an unqualified
// name could find the imported function of the same name.
#include <windows.h>
#include <objbase.h>
// GDI+ is only used for its declarations; nothing links against gdiplus.
#include <gdiplus.h>

#include "draw/external_function.h"

#define DRAW_WIN32_ENTRY(name) extern ::draw::ExternalFunction<decltype(::name)> name
#define DRAW_GDIPLUS_ENTRY(name) \
  extern ::draw::ExternalFunction<decltype(::Gdiplus::DllExports::name)> name

namespace draw::api {

// user32
DRAW_WIN32_ENTRY(GetDC);
DRAW_WIN32_ENTRY(ReleaseDC);
DRAW_WIN32_ENTRY(FillRect);
DRAW_WIN32_ENTRY(LoadCursorA);
DRAW_WIN32_ENTRY(SetCursor);
DRAW_WIN32_ENTRY(SendMessageA);
DRAW_WIN32_ENTRY(GetWindowRect);
DRAW_WIN32_ENTRY(GetClientRect);
DRAW_WIN32_ENTRY(IsWindow);
DRAW_WIN32_ENTRY(IsZoomed);
DRAW_WIN32_ENTRY(IsIconic);
DRAW_WIN32_ENTRY(InvalidateRect);
// On a 32-bit build SetWindowLongPtrA/GetWindowLongPtrA are macros for the ...LongA functions.
DRAW_WIN32_ENTRY(SetWindowLongPtrA);
DRAW_WIN32_ENTRY(GetWindowLongPtrA);
DRAW_WIN32_ENTRY(CallWindowProcA);
DRAW_WIN32_ENTRY(DefWindowProcA);
DRAW_WIN32_ENTRY(BeginPaint);
DRAW_WIN32_ENTRY(EndPaint);
DRAW_WIN32_ENTRY(SetWindowRgn);
DRAW_WIN32_ENTRY(WindowFromDC);

// gdi32
DRAW_WIN32_ENTRY(CreateSolidBrush);
DRAW_WIN32_ENTRY(DeleteObject);
DRAW_WIN32_ENTRY(StretchBlt);
DRAW_WIN32_ENTRY(BitBlt);
DRAW_WIN32_ENTRY(CreateEllipticRgn);
DRAW_WIN32_ENTRY(CreateRoundRectRgn);
DRAW_WIN32_ENTRY(CreateCompatibleDC);
DRAW_WIN32_ENTRY(CreateCompatibleBitmap);
DRAW_WIN32_ENTRY(SelectObject);
DRAW_WIN32_ENTRY(SetBkMode);
DRAW_WIN32_ENTRY(DeleteDC);

// msimg32
DRAW_WIN32_ENTRY(AlphaBlend);

// kernel32
DRAW_WIN32_ENTRY(GlobalAlloc);
DRAW_WIN32_ENTRY(GlobalLock);
DRAW_WIN32_ENTRY(GlobalUnlock);
DRAW_WIN32_ENTRY(GlobalSize);
DRAW_WIN32_ENTRY(GlobalFree);
DRAW_WIN32_ENTRY(MultiByteToWideChar);
DRAW_WIN32_ENTRY(WideCharToMultiByte);
DRAW_WIN32_ENTRY(lstrlenW);

// ole32
DRAW_WIN32_ENTRY(CreateStreamOnHGlobal);
DRAW_WIN32_ENTRY(GetHGlobalFromStream);

// gdiplus: start-up and memory
extern ::draw::ExternalFunction<decltype(::Gdiplus::GdiplusStartup)> GdiplusStartup;
DRAW_GDIPLUS_ENTRY(GdipAlloc);
DRAW_GDIPLUS_ENTRY(GdipFree);

// gdiplus: string format, brushes, pen
DRAW_GDIPLUS_ENTRY(GdipDeleteStringFormat);
DRAW_GDIPLUS_ENTRY(GdipDeleteBrush);
DRAW_GDIPLUS_ENTRY(GdipCreateLineBrushFromRect);
DRAW_GDIPLUS_ENTRY(GdipCreateSolidFill);
DRAW_GDIPLUS_ENTRY(GdipDeletePen);
DRAW_GDIPLUS_ENTRY(GdipCreatePen1);

// gdiplus: fonts
DRAW_GDIPLUS_ENTRY(GdipDeleteFont);
DRAW_GDIPLUS_ENTRY(GdipCreateFont);
DRAW_GDIPLUS_ENTRY(GdipDeleteFontFamily);
DRAW_GDIPLUS_ENTRY(GdipCreateFontFamilyFromName);

// gdiplus: images
DRAW_GDIPLUS_ENTRY(GdipDisposeImage);
DRAW_GDIPLUS_ENTRY(GdipLoadImageFromStream);
DRAW_GDIPLUS_ENTRY(GdipLoadImageFromStreamICM);
DRAW_GDIPLUS_ENTRY(GdipCreateBitmapFromScan0);
DRAW_GDIPLUS_ENTRY(GdipGetImageWidth);
DRAW_GDIPLUS_ENTRY(GdipGetImageHeight);
DRAW_GDIPLUS_ENTRY(GdipGetImageEncodersSize);
DRAW_GDIPLUS_ENTRY(GdipGetImageEncoders);
DRAW_GDIPLUS_ENTRY(GdipSaveImageToStream);

// gdiplus: graphics
DRAW_GDIPLUS_ENTRY(GdipCreateFromHDC);
DRAW_GDIPLUS_ENTRY(GdipDeleteGraphics);
DRAW_GDIPLUS_ENTRY(GdipFillRectangle);
DRAW_GDIPLUS_ENTRY(GdipDrawRectangle);
DRAW_GDIPLUS_ENTRY(GdipDrawImageRect);
DRAW_GDIPLUS_ENTRY(GdipDrawString);

}  // namespace draw::api
