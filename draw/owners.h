#pragma once
// The owners of native handles (runtime/unique_handle.h) for the drawing module and the skin:
// their releases go through the table of bound functions, like every other call of these modules.
#include "draw/api.h"
#include "runtime/unique_handle.h"

namespace draw {

struct BoundCalls {
  static BOOL DeleteObject(HGDIOBJ object) { return api::DeleteObject(object); }
  static BOOL DeleteDC(HDC dc) { return api::DeleteDC(dc); }
  static HDC GetDC(HWND window) { return api::GetDC(window); }
  static int ReleaseDC(HWND window, HDC dc) { return api::ReleaseDC(window, dc); }
  static HGDIOBJ SelectObject(HDC dc, HGDIOBJ object) { return api::SelectObject(dc, object); }
};

using DeleteGdiObject = runtime::DeleteGdiObjectWith<BoundCalls>;
using UniqueGdiObject = runtime::UniqueHandle<HGDIOBJ, DeleteGdiObject>;
using UniqueBitmap = runtime::UniqueHandle<HBITMAP, DeleteGdiObject>;
using UniqueBrush = runtime::UniqueHandle<HBRUSH, DeleteGdiObject>;
using UniquePen = runtime::UniqueHandle<HPEN, DeleteGdiObject>;
using UniqueFont = runtime::UniqueHandle<HFONT, DeleteGdiObject>;
using UniqueRegion = runtime::UniqueHandle<HRGN, DeleteGdiObject>;
using UniqueMemoryDC = runtime::UniqueHandle<HDC, runtime::DeleteDCWith<BoundCalls>>;
using WindowDC = runtime::BasicWindowDC<BoundCalls>;
using SelectedObject = runtime::BasicSelectedObject<BoundCalls>;

}  // namespace draw
