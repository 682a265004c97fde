#pragma once
// 图形: an off-screen drawing surface. A GDI memory device context with a compatible bitmap,
// plus a GDI+ graphics object drawing into it; the result is copied to the device context the
// surface was created on. The surface owns that device context too: Release (or destruction)
// gives it back with ReleaseDC.
#include <windows.h>

#include <string_view>

#include "draw/brushes.h"
#include "draw/font.h"
#include "draw/gdip_object.h"
#include "draw/image.h"
#include "draw/pen.h"
#include "draw/string_format.h"

namespace draw {

class 图形 : public GdipObject {
 public:
  图形() = default;
  ~图形() override;

  // Accessors.
  Gdiplus::GpGraphics* GetGraphics() const { return graphics_; }
  int GetWidth() const { return width_; }
  int GetHeight() const { return height_; }
  // Size of the device context's window on screen when the surface was created (0 without one).
  int GetWindowWidth() const { return windowRect_.right - windowRect_.left; }
  int GetWindowHeight() const { return windowRect_.bottom - windowRect_.top; }
  const RECT& GetWindowRectangle() const { return windowRect_; }
  HDC GetDeviceContext() const { return deviceContext_; }
  HWND GetWindow() const { return window_; }
  HDC GetMemoryDC() const { return memoryDC_; }
  int GetSourceX() const { return sourceX_; }
  int GetSourceY() const { return sourceY_; }

  // Creates a width × height surface for deviceContext and takes the device context over. A
  // surface that was already created is released first (its device context too, unless it is
  // the same one). On failure appends a fixed message to the last-error text and returns false;
  // what was created so far stays until Release.
  bool 创建_自设备句柄(HDC deviceContext, int width, int height);

  // GDI+ drawing, recorded. An object that holds nothing passes a null handle, which GDI+ refuses.
  bool FillRectangle(const GdipBrush& brush, float x, float y, float width, float height);
  bool DrawRectangle(const GdipPen& pen, float x, float y, float width, float height);
  bool DrawImageRect(const GdipImage& image, float x, float y, float width, float height);
  // text is code page 936; an empty string format means GDI+'s default format.
  bool DrawString(std::string_view text, const GdipFont& font, const GdipBrush& brush,
                  const RectF& layout, const GdipStringFormat& format);

  // Copies (x, y, width, height) of the device context from the source origin of the surface.
  bool CopyToDevice(int x, int y, int width, int height, DWORD rasterOperation = SRCCOPY);
  // The same, blended over the device's pixels with a constant alpha (255 = opaque).
  bool AlphaCopyToDevice(int x, int y, int width, int height, BYTE alpha);
  // Moves the origin the copies are taken from by (-dx, -dy).
  void MoveSourceOrigin(int dx, int dy);

  // Deletes the graphics, the bitmap and the memory device context and releases the device
  // context. Returns whether the graphics deletion succeeded; false when there was none.
  bool Release();

 protected:
  void StoreHandle(void* h) override { graphics_ = static_cast<Gdiplus::GpGraphics*>(h); }

 private:
  bool ReleaseObjects(bool releaseDeviceContext);

  HDC deviceContext_ = nullptr;
  HDC memoryDC_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ previousObject_ = nullptr;
  HWND window_ = nullptr;
  RECT windowRect_{};
  int width_ = 0;
  int height_ = 0;
  int sourceX_ = 0;
  int sourceY_ = 0;
  Gdiplus::GpGraphics* graphics_ = nullptr;
};

}  // namespace draw
