#pragma once
// 图形: an off-screen drawing surface. A GDI memory device context with a compatible bitmap,
// plus a GDI+ graphics object drawing into it; the result is copied to the device context the
// surface was created on. The surface owns that device context too: Release (or destruction)
// gives it back with ReleaseDC.
//
// The operations come in groups, each in a file of its own:
//   surface.cpp           accessors, creation, Release
//   surface_gdi.cpp       GDI drawing on the memory device context
//   surface_transfer.cpp  bitmap and device-independent-bitmap transfers
//   surface_graphics.cpp  GDI+ state: modes, transforms, clipping, save and containers
//   surface_gdiplus.cpp   GDI+ drawing: outlines, fills, text, images, metafiles
//
// GDI operations return true when the GDI call succeeded; otherwise they append a fixed message
// naming the call to the last-error text and return false. GDI+ operations record their status
// (see last_error.h) and return whether it is Ok; an object that holds nothing passes a null
// handle, which GDI+ refuses. Paths, matrices, regions, metafiles, cached bitmaps and image
// attributes have no wrapper class here and are passed as their GDI+ handles.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "draw/brushes.h"
#include "draw/font.h"
#include "draw/gdip_object.h"
#include "draw/image.h"
#include "draw/pen.h"
#include "draw/string_format.h"

namespace draw {

// Font, colours and layout of the GDI text operations.
struct GdiTextStyle {
  std::string fontName;  // UTF-8; empty for the system's choice
  int height = 12;       // character height in pixels
  int weight = FW_NORMAL;
  bool italic = false;
  bool underline = false;
  COLORREF color = RGB(0, 0, 0);
  UINT format = DT_LEFT | DT_TOP | DT_NOPREFIX;  // DrawTextEx format flags
};

class 图形 : public GdipObject {
 public:
  图形() = default;
  ~图形() override;

  // ---- Accessors.
  Gdiplus::GpGraphics* GetGraphics() const { return graphics_; }
  int GetWidth() const { return width_; }
  int GetHeight() const { return height_; }
  // Size of the device context's window on screen when the surface was created (0 without one).
  int GetWindowWidth() const { return windowRect_.right - windowRect_.left; }
  int GetWindowHeight() const { return windowRect_.bottom - windowRect_.top; }

  // ---- Creation. Each variant releases a surface created before. On failure a fixed message is
  // appended to the last-error text; what was created so far stays until Release.

  // On the client area of window (GetDC), as large as the client area.
  bool 创建_自窗口(HWND window);
  // The same for the window of a component of a program window (runtime::ComponentWindow).
  bool 创建_自窗口组件(std::uint32_t windowId, std::uint32_t componentId);
  bool 创建_自窗口组件_指定尺寸(std::uint32_t windowId, std::uint32_t componentId, int width,
                                int height);
  bool 创建_自窗口_指定尺寸(HWND window, int width, int height);
  // A width × height surface for deviceContext, which the surface takes over. A surface created
  // before is released first (its device context too, unless it is the same one).
  bool 创建_自设备句柄(HDC deviceContext, int width, int height);
  // As large as the window rectangle of the device context's window.
  bool 创建_自设备句柄_窗口尺寸(HDC deviceContext);

  // ---- GDI drawing on the memory device context. Lines are solid, lineWidth pixels wide;
  // "Draw" operations only outline, "Fill" operations fill and outline. Coordinates of the
  // bounding rectangles are left, top, right, bottom, as GDI takes them.
  COLORREF GetPixel(int x, int y) const;  // CLR_INVALID outside the bitmap
  bool SetPixel(int x, int y, COLORREF color);
  bool GdiClear(COLORREF color);
  bool GdiDrawRectangle(int left, int top, int right, int bottom, COLORREF lineColor,
                        int lineWidth = 1);
  bool GdiFillRectangle(int left, int top, int right, int bottom, COLORREF fillColor,
                        COLORREF lineColor, int lineWidth = 1);
  bool GdiDrawEllipse(int left, int top, int right, int bottom, COLORREF lineColor,
                      int lineWidth = 1);
  bool GdiFillEllipse(int left, int top, int right, int bottom, COLORREF fillColor,
                      COLORREF lineColor, int lineWidth = 1);
  // Arcs, chords and pies run counter-clockwise from the radial through (startX, startY) to the
  // radial through (endX, endY).
  bool GdiDrawArc(int left, int top, int right, int bottom, int startX, int startY, int endX,
                  int endY, COLORREF lineColor, int lineWidth = 1);
  bool GdiDrawChord(int left, int top, int right, int bottom, int startX, int startY, int endX,
                    int endY, COLORREF lineColor, int lineWidth = 1);
  bool GdiFillChord(int left, int top, int right, int bottom, int startX, int startY, int endX,
                    int endY, COLORREF fillColor, COLORREF lineColor, int lineWidth = 1);
  bool GdiDrawPie(int left, int top, int right, int bottom, int startX, int startY, int endX,
                  int endY, COLORREF lineColor, int lineWidth = 1);
  bool GdiFillPie(int left, int top, int right, int bottom, int startX, int startY, int endX,
                  int endY, COLORREF fillColor, COLORREF lineColor, int lineWidth = 1);
  // From (x1, y1) up to, not including, (x2, y2); the current position ends at (x2, y2).
  bool GdiDrawLine(int x1, int y1, int x2, int y2, COLORREF lineColor, int lineWidth = 1);
  bool GdiMoveTo(int x, int y);
  bool GdiLineTo(int x, int y, COLORREF lineColor, int lineWidth = 1);
  // A rectangle shaded from color1 to color2, left to right or top to bottom.
  bool GdiGradientFillRectangle(int left, int top, int right, int bottom, COLORREF color1,
                                COLORREF color2, bool vertical);
  // GradientFill as GDI takes it: vertices and rectangle or triangle meshes; mode is
  // GRADIENT_FILL_RECT_H, GRADIENT_FILL_RECT_V or GRADIENT_FILL_TRIANGLE.
  bool GdiGradientFill(std::span<const TRIVERTEX> vertices, const void* mesh, ULONG meshCount,
                       ULONG mode);
  bool GdiDrawRoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight,
                        COLORREF lineColor, int lineWidth = 1);
  bool GdiFillRoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight,
                        COLORREF fillColor, COLORREF lineColor, int lineWidth = 1);
  // 3n + 1 points: a start point, then two control points and an end point per curve.
  bool GdiDrawBezier(std::span<const POINT> points, COLORREF lineColor, int lineWidth = 1);
  bool GdiDrawPolyline(std::span<const POINT> points, COLORREF lineColor, int lineWidth = 1);
  bool GdiDrawPolygon(std::span<const POINT> points, COLORREF lineColor, int lineWidth = 1);
  bool GdiFillPolygon(std::span<const POINT> points, COLORREF fillColor, COLORREF lineColor,
                      int lineWidth = 1);
  // text is UTF-8, drawn into rect with a transparent background.
  bool GdiDrawText(std::string_view text, const RECT& rect, const GdiTextStyle& style);
  // The same on a background of one colour.
  bool GdiDrawTextOnBackground(std::string_view text, const RECT& rect, const GdiTextStyle& style,
                               COLORREF background);
  // Text with a shadow shifted by (shadowX, shadowY), drawn by the common controls.
  bool GdiDrawShadowText(std::string_view text, const RECT& rect, const GdiTextStyle& style,
                         COLORREF shadowColor, int shadowX, int shadowY);
  bool GdiInvertRect(int left, int top, int right, int bottom);
  // region: a GDI region in the surface's coordinates (see region.h); it stays the caller's.
  bool GdiFillRegion(HRGN region, COLORREF color);
  bool GdiFrameRegion(HRGN region, COLORREF color, int frameWidth = 1, int frameHeight = 1);
  // A path: GdiBeginPath, then GDI drawing operations (which record outlines instead of drawing),
  // GdiEndPath, and GdiFillPath or GdiStrokePath to draw it.
  bool GdiBeginPath();
  bool GdiEndPath();
  bool GdiFillPath(COLORREF fillColor);
  bool GdiStrokePath(COLORREF lineColor, int lineWidth = 1);

  // ---- Bitmap transfers. "Device" is the device context the surface was created on, taken
  // from or copied to at the source origin; "DC" is any device context the caller gives.

  // Into the surface at the source origin, from (x, y) of the device context.
  bool CopyFromDevice(int x, int y, int width, int height, DWORD rasterOperation = SRCCOPY);
  bool CopyFromDC(HDC source, int x, int y, int width, int height, int sourceX, int sourceY,
                  DWORD rasterOperation = SRCCOPY);
  bool StretchFromDC(HDC source, int x, int y, int width, int height, int sourceX, int sourceY,
                     int sourceWidth, int sourceHeight, DWORD rasterOperation = SRCCOPY);
  // Pixels of transparentColor in the source are left out.
  bool TransparentFromDC(HDC source, int x, int y, int width, int height, int sourceX, int sourceY,
                         int sourceWidth, int sourceHeight, COLORREF transparentColor);
  // A bitmap that is not selected into any device context.
  bool CopyFromBitmap(HBITMAP bitmap, int x, int y, int width, int height, int sourceX,
                      int sourceY);
  // Copies (x, y, width, height) of the device context from the source origin of the surface.
  bool CopyToDevice(int x, int y, int width, int height, DWORD rasterOperation = SRCCOPY);
  bool CopyToDC(HDC target, int x, int y, int width, int height, int sourceX, int sourceY,
                DWORD rasterOperation = SRCCOPY);
  bool StretchToDevice(int x, int y, int width, int height, int sourceWidth, int sourceHeight,
                       DWORD rasterOperation = SRCCOPY);
  bool StretchToDC(HDC target, int x, int y, int width, int height, int sourceX, int sourceY,
                   int sourceWidth, int sourceHeight, DWORD rasterOperation = SRCCOPY);
  bool TransparentCopyToDevice(int x, int y, int width, int height, COLORREF transparentColor);
  bool TransparentCopyToDC(HDC target, int x, int y, int width, int height, int sourceX,
                           int sourceY, int sourceWidth, int sourceHeight,
                           COLORREF transparentColor);
  // The same, blended over the device's pixels with a constant alpha (255 = opaque).
  bool AlphaCopyToDevice(int x, int y, int width, int height, BYTE alpha);
  // perPixelAlpha: the surface's pixels carry premultiplied alpha (AC_SRC_ALPHA).
  bool AlphaCopyToDC(HDC target, int x, int y, int width, int height, int sourceX, int sourceY,
                     int sourceWidth, int sourceHeight, BYTE alpha, bool perPixelAlpha = false);
  // Moves the origin the copies are taken from by (-dx, -dy).
  void MoveSourceOrigin(int dx, int dy);
  void SetSourceOrigin(int x, int y);
  // A new bitmap compatible with the device context holding the surface's pixels; the caller
  // deletes it. Null on failure.
  HBITMAP CreateBitmapCopy() const;

  // ---- Device-independent-bitmap transfers. The bitmap is selected out of the memory device
  // context for the call, as GetDIBits and SetDIBits require.

  // The surface as 32-bit 0x00RRGGBB pixels, top row first; pixels holds width × height.
  bool ReadPixels(std::span<std::uint32_t> pixels);
  bool WritePixels(std::span<const std::uint32_t> pixels);
  // GetDIBits and SetDIBits on the surface's bitmap as GDI takes them; the number of scan lines
  // copied, 0 on failure (with a message).
  int GetDIBits(UINT startScan, UINT scanLines, void* bits, BITMAPINFO* info, UINT usage);
  int SetDIBits(UINT startScan, UINT scanLines, const void* bits, const BITMAPINFO* info,
                UINT usage);

  // ---- The memory device context and related accessors.
  HDC GetMemoryDC() const { return memoryDC_; }
  HDC GetDeviceContext() const { return deviceContext_; }
  HWND GetWindow() const { return window_; }
  HBITMAP GetBitmap() const { return bitmap_; }
  const RECT& GetWindowRectangle() const { return windowRect_; }
  int GetSourceX() const { return sourceX_; }
  int GetSourceY() const { return sourceY_; }
  bool IsCreated() const { return graphics_ && memoryDC_ && bitmap_; }

  // Deletes the graphics, the bitmap and the memory device context and releases the device
  // context. Returns whether the graphics deletion succeeded; false when there was none.
  bool Release();

  // ---- GDI+ state (surface_graphics.cpp).
  bool SetCompositingMode(Gdiplus::CompositingMode mode);
  bool GetCompositingMode(Gdiplus::CompositingMode* mode);
  bool SetCompositingQuality(Gdiplus::CompositingQuality quality);
  bool GetCompositingQuality(Gdiplus::CompositingQuality* quality);
  bool SetRenderingOrigin(int x, int y);
  bool GetRenderingOrigin(int* x, int* y);
  bool SetSmoothingMode(Gdiplus::SmoothingMode mode);
  bool GetSmoothingMode(Gdiplus::SmoothingMode* mode);
  bool SetTextRenderingHint(Gdiplus::TextRenderingHint hint);
  bool GetTextRenderingHint(Gdiplus::TextRenderingHint* hint);
  bool SetInterpolationMode(Gdiplus::InterpolationMode mode);
  bool GetInterpolationMode(Gdiplus::InterpolationMode* mode);
  bool SetPixelOffsetMode(Gdiplus::PixelOffsetMode mode);
  bool GetPixelOffsetMode(Gdiplus::PixelOffsetMode* mode);

  bool SetWorldTransform(Gdiplus::GpMatrix* matrix);
  bool GetWorldTransform(Gdiplus::GpMatrix* matrix);
  bool ResetWorldTransform();
  bool MultiplyWorldTransform(const Gdiplus::GpMatrix* matrix,
                              Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend);
  bool TranslateWorldTransform(float dx, float dy,
                               Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend);
  bool ScaleWorldTransform(float sx, float sy,
                           Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend);
  bool RotateWorldTransform(float angle, Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend);
  bool SetPageUnit(Gdiplus::Unit unit);
  bool GetPageUnit(Gdiplus::Unit* unit);
  bool SetPageScale(float scale);
  bool GetPageScale(float* scale);
  bool GetDpiX(float* dpi);
  bool GetDpiY(float* dpi);
  // Converts points in place from one coordinate space to another.
  bool TransformPoints(Gdiplus::CoordinateSpace destination, Gdiplus::CoordinateSpace source,
                       std::span<Gdiplus::PointF> points);
  bool TransformPointsI(Gdiplus::CoordinateSpace destination, Gdiplus::CoordinateSpace source,
                        std::span<Gdiplus::Point> points);
  bool GetNearestColor(Gdiplus::ARGB* color);

  // ---- GDI+ clipping and visibility (surface_graphics.cpp).
  bool SetClipGraphics(const 图形& other, Gdiplus::CombineMode mode = Gdiplus::CombineModeReplace);
  bool SetClipRect(float x, float y, float width, float height,
                   Gdiplus::CombineMode mode = Gdiplus::CombineModeReplace);
  bool SetClipRectI(int x, int y, int width, int height,
                    Gdiplus::CombineMode mode = Gdiplus::CombineModeReplace);
  bool SetClipPath(Gdiplus::GpPath* path, Gdiplus::CombineMode mode = Gdiplus::CombineModeReplace);
  bool SetClipRegion(Gdiplus::GpRegion* region,
                     Gdiplus::CombineMode mode = Gdiplus::CombineModeReplace);
  // region stays the caller's.
  bool SetClipHrgn(HRGN region, Gdiplus::CombineMode mode = Gdiplus::CombineModeReplace);
  bool ResetClip();
  bool TranslateClip(float dx, float dy);
  bool TranslateClipI(int dx, int dy);
  bool GetClip(Gdiplus::GpRegion* region);
  bool GetClipBounds(Gdiplus::RectF* bounds);
  bool GetClipBoundsI(Gdiplus::Rect* bounds);
  bool GetVisibleClipBounds(Gdiplus::RectF* bounds);
  bool GetVisibleClipBoundsI(Gdiplus::Rect* bounds);
  bool IsClipEmpty(BOOL* empty);
  bool IsVisibleClipEmpty(BOOL* empty);
  bool IsVisiblePoint(float x, float y, BOOL* visible);
  bool IsVisiblePointI(int x, int y, BOOL* visible);
  bool IsVisibleRect(float x, float y, float width, float height, BOOL* visible);
  bool IsVisibleRectI(int x, int y, int width, int height, BOOL* visible);

  // ---- GDI+ saved states and containers (surface_graphics.cpp).
  bool Save(Gdiplus::GraphicsState* state);
  bool Restore(Gdiplus::GraphicsState state);
  bool BeginContainer(const Gdiplus::RectF& destination, const Gdiplus::RectF& source,
                      Gdiplus::Unit unit, Gdiplus::GraphicsContainer* container);
  bool BeginContainerI(const Gdiplus::Rect& destination, const Gdiplus::Rect& source,
                       Gdiplus::Unit unit, Gdiplus::GraphicsContainer* container);
  bool BeginContainer2(Gdiplus::GraphicsContainer* container);
  bool EndContainer(Gdiplus::GraphicsContainer container);
  // A comment record; only metafile graphics keep it.
  bool Comment(std::span<const BYTE> data);

  // ---- GDI+ outlines (surface_gdiplus.cpp). Angles are in degrees, clockwise.
  bool DrawLine(const GdipPen& pen, float x1, float y1, float x2, float y2);
  bool DrawLineI(const GdipPen& pen, int x1, int y1, int x2, int y2);
  bool DrawLines(const GdipPen& pen, std::span<const Gdiplus::PointF> points);
  bool DrawLinesI(const GdipPen& pen, std::span<const Gdiplus::Point> points);
  bool DrawArc(const GdipPen& pen, float x, float y, float width, float height, float startAngle,
               float sweepAngle);
  bool DrawArcI(const GdipPen& pen, int x, int y, int width, int height, float startAngle,
                float sweepAngle);
  bool DrawBezier(const GdipPen& pen, float x1, float y1, float x2, float y2, float x3, float y3,
                  float x4, float y4);
  bool DrawBezierI(const GdipPen& pen, int x1, int y1, int x2, int y2, int x3, int y3, int x4,
                   int y4);
  bool DrawBeziers(const GdipPen& pen, std::span<const Gdiplus::PointF> points);
  bool DrawBeziersI(const GdipPen& pen, std::span<const Gdiplus::Point> points);
  bool DrawRectangle(const GdipPen& pen, float x, float y, float width, float height);
  bool DrawRectangleI(const GdipPen& pen, int x, int y, int width, int height);
  bool DrawRectangles(const GdipPen& pen, std::span<const Gdiplus::RectF> rects);
  bool DrawRectanglesI(const GdipPen& pen, std::span<const Gdiplus::Rect> rects);
  bool DrawEllipse(const GdipPen& pen, float x, float y, float width, float height);
  bool DrawEllipseI(const GdipPen& pen, int x, int y, int width, int height);
  bool DrawPie(const GdipPen& pen, float x, float y, float width, float height, float startAngle,
               float sweepAngle);
  bool DrawPieI(const GdipPen& pen, int x, int y, int width, int height, float startAngle,
                float sweepAngle);
  bool DrawPolygon(const GdipPen& pen, std::span<const Gdiplus::PointF> points);
  bool DrawPolygonI(const GdipPen& pen, std::span<const Gdiplus::Point> points);
  bool DrawPath(const GdipPen& pen, Gdiplus::GpPath* path);
  bool DrawCurve(const GdipPen& pen, std::span<const Gdiplus::PointF> points);
  bool DrawCurveI(const GdipPen& pen, std::span<const Gdiplus::Point> points);
  bool DrawCurve2(const GdipPen& pen, std::span<const Gdiplus::PointF> points, float tension);
  bool DrawCurve2I(const GdipPen& pen, std::span<const Gdiplus::Point> points, float tension);
  // The segments from point offset on, numberOfSegments of them.
  bool DrawCurve3(const GdipPen& pen, std::span<const Gdiplus::PointF> points, int offset,
                  int numberOfSegments, float tension);
  bool DrawCurve3I(const GdipPen& pen, std::span<const Gdiplus::Point> points, int offset,
                   int numberOfSegments, float tension);
  bool DrawClosedCurve(const GdipPen& pen, std::span<const Gdiplus::PointF> points);
  bool DrawClosedCurveI(const GdipPen& pen, std::span<const Gdiplus::Point> points);
  bool DrawClosedCurve2(const GdipPen& pen, std::span<const Gdiplus::PointF> points, float tension);
  bool DrawClosedCurve2I(const GdipPen& pen, std::span<const Gdiplus::Point> points, float tension);

  // ---- GDI+ clear and fills (surface_gdiplus.cpp).
  bool Clear(Gdiplus::ARGB color);
  bool FillRectangle(const GdipBrush& brush, float x, float y, float width, float height);
  bool FillRectangleI(const GdipBrush& brush, int x, int y, int width, int height);
  bool FillRectangles(const GdipBrush& brush, std::span<const Gdiplus::RectF> rects);
  bool FillRectanglesI(const GdipBrush& brush, std::span<const Gdiplus::Rect> rects);
  bool FillPolygon(const GdipBrush& brush, std::span<const Gdiplus::PointF> points,
                   Gdiplus::FillMode fillMode);
  bool FillPolygonI(const GdipBrush& brush, std::span<const Gdiplus::Point> points,
                    Gdiplus::FillMode fillMode);
  // Alternate fill mode.
  bool FillPolygon2(const GdipBrush& brush, std::span<const Gdiplus::PointF> points);
  bool FillPolygon2I(const GdipBrush& brush, std::span<const Gdiplus::Point> points);
  bool FillEllipse(const GdipBrush& brush, float x, float y, float width, float height);
  bool FillEllipseI(const GdipBrush& brush, int x, int y, int width, int height);
  bool FillPie(const GdipBrush& brush, float x, float y, float width, float height,
               float startAngle, float sweepAngle);
  bool FillPieI(const GdipBrush& brush, int x, int y, int width, int height, float startAngle,
                float sweepAngle);
  bool FillPath(const GdipBrush& brush, Gdiplus::GpPath* path);
  bool FillClosedCurve(const GdipBrush& brush, std::span<const Gdiplus::PointF> points);
  bool FillClosedCurveI(const GdipBrush& brush, std::span<const Gdiplus::Point> points);
  bool FillClosedCurve2(const GdipBrush& brush, std::span<const Gdiplus::PointF> points,
                        float tension, Gdiplus::FillMode fillMode);
  bool FillClosedCurve2I(const GdipBrush& brush, std::span<const Gdiplus::Point> points,
                         float tension, Gdiplus::FillMode fillMode);
  bool FillRegion(const GdipBrush& brush, Gdiplus::GpRegion* region);

  // ---- GDI+ text (surface_gdiplus.cpp). Texts are UTF-8; an empty string format
  // means GDI+'s default format.
  bool DrawString(std::string_view text, const GdipFont& font, const GdipBrush& brush,
                  const RectF& layout, const GdipStringFormat& format);
  // The rectangle the text would take in layout; codepointsFitted and linesFilled may be null.
  bool MeasureString(std::string_view text, const GdipFont& font, const RectF& layout,
                     const GdipStringFormat& format, RectF* bounds, int* codepointsFitted = nullptr,
                     int* linesFilled = nullptr);
  // One region per character range set in format (its measurable character ranges); regions
  // holds regions.size() regions created by the caller.
  bool MeasureCharacterRanges(std::string_view text, const GdipFont& font, const RectF& layout,
                              const GdipStringFormat& format,
                              std::span<Gdiplus::GpRegion*> regions);
  // Glyphs at given positions: one position per character, or only the first one with
  // DriverStringOptionsRealizedAdvance in flags. matrix may be null.
  bool DrawDriverString(std::string_view text, const GdipFont& font, const GdipBrush& brush,
                        std::span<const Gdiplus::PointF> positions, int flags,
                        const Gdiplus::GpMatrix* matrix = nullptr);

  // ---- GDI+ images (surface_gdiplus.cpp). Source rectangles are in sourceUnit; image
  // attributes may be null.
  bool DrawImage(const GdipImage& image, float x, float y);
  bool DrawImageI(const GdipImage& image, int x, int y);
  bool DrawCachedBitmap(Gdiplus::GpCachedBitmap* cachedBitmap, int x, int y);
  bool DrawImageRect(const GdipImage& image, float x, float y, float width, float height);
  bool DrawImageRectI(const GdipImage& image, int x, int y, int width, int height);
  // Three points: where the image's upper-left, upper-right and lower-left corners go.
  bool DrawImagePoints(const GdipImage& image, std::span<const Gdiplus::PointF> points);
  bool DrawImagePointsI(const GdipImage& image, std::span<const Gdiplus::Point> points);
  bool DrawImagePointRect(const GdipImage& image, float x, float y, float sourceX, float sourceY,
                          float sourceWidth, float sourceHeight, Gdiplus::Unit sourceUnit);
  bool DrawImagePointRectI(const GdipImage& image, int x, int y, int sourceX, int sourceY,
                           int sourceWidth, int sourceHeight, Gdiplus::Unit sourceUnit);
  bool DrawImageRectRect(const GdipImage& image, float x, float y, float width, float height,
                         float sourceX, float sourceY, float sourceWidth, float sourceHeight,
                         Gdiplus::Unit sourceUnit,
                         const Gdiplus::GpImageAttributes* attributes = nullptr);
  bool DrawImageRectRectI(const GdipImage& image, int x, int y, int width, int height, int sourceX,
                          int sourceY, int sourceWidth, int sourceHeight, Gdiplus::Unit sourceUnit,
                          const Gdiplus::GpImageAttributes* attributes = nullptr);
  bool DrawImagePointsRect(const GdipImage& image, std::span<const Gdiplus::PointF> points,
                           float sourceX, float sourceY, float sourceWidth, float sourceHeight,
                           Gdiplus::Unit sourceUnit,
                           const Gdiplus::GpImageAttributes* attributes = nullptr);
  bool DrawImagePointsRectI(const GdipImage& image, std::span<const Gdiplus::Point> points,
                            int sourceX, int sourceY, int sourceWidth, int sourceHeight,
                            Gdiplus::Unit sourceUnit,
                            const Gdiplus::GpImageAttributes* attributes = nullptr);

  // ---- GDI+ metafile enumeration (surface_gdiplus.cpp): callback gets each record of
  // metafile as it would be played at the destination; callbackData is passed through.
  using EnumerateProc = Gdiplus::EnumerateMetafileProc;
  bool EnumerateMetafileDestPoint(const Gdiplus::GpMetafile* metafile,
                                  const Gdiplus::PointF& destination, EnumerateProc callback,
                                  void* callbackData,
                                  const Gdiplus::GpImageAttributes* attributes = nullptr);
  bool EnumerateMetafileDestPointI(const Gdiplus::GpMetafile* metafile,
                                   const Gdiplus::Point& destination, EnumerateProc callback,
                                   void* callbackData,
                                   const Gdiplus::GpImageAttributes* attributes = nullptr);
  bool EnumerateMetafileDestRect(const Gdiplus::GpMetafile* metafile,
                                 const Gdiplus::RectF& destination, EnumerateProc callback,
                                 void* callbackData,
                                 const Gdiplus::GpImageAttributes* attributes = nullptr);
  bool EnumerateMetafileDestRectI(const Gdiplus::GpMetafile* metafile,
                                  const Gdiplus::Rect& destination, EnumerateProc callback,
                                  void* callbackData,
                                  const Gdiplus::GpImageAttributes* attributes = nullptr);
  bool EnumerateMetafileDestPoints(const Gdiplus::GpMetafile* metafile,
                                   std::span<const Gdiplus::PointF> destination,
                                   EnumerateProc callback, void* callbackData,
                                   const Gdiplus::GpImageAttributes* attributes = nullptr);
  bool EnumerateMetafileDestPointsI(const Gdiplus::GpMetafile* metafile,
                                    std::span<const Gdiplus::Point> destination,
                                    EnumerateProc callback, void* callbackData,
                                    const Gdiplus::GpImageAttributes* attributes = nullptr);
  bool EnumerateMetafileSrcRectDestPoint(const Gdiplus::GpMetafile* metafile,
                                         const Gdiplus::PointF& destination,
                                         const Gdiplus::RectF& source, Gdiplus::Unit sourceUnit,
                                         EnumerateProc callback, void* callbackData,
                                         const Gdiplus::GpImageAttributes* attributes = nullptr);
  bool EnumerateMetafileSrcRectDestPointI(const Gdiplus::GpMetafile* metafile,
                                          const Gdiplus::Point& destination,
                                          const Gdiplus::Rect& source, Gdiplus::Unit sourceUnit,
                                          EnumerateProc callback, void* callbackData,
                                          const Gdiplus::GpImageAttributes* attributes = nullptr);
  bool EnumerateMetafileSrcRectDestRect(const Gdiplus::GpMetafile* metafile,
                                        const Gdiplus::RectF& destination,
                                        const Gdiplus::RectF& source, Gdiplus::Unit sourceUnit,
                                        EnumerateProc callback, void* callbackData,
                                        const Gdiplus::GpImageAttributes* attributes = nullptr);
  bool EnumerateMetafileSrcRectDestRectI(const Gdiplus::GpMetafile* metafile,
                                         const Gdiplus::Rect& destination,
                                         const Gdiplus::Rect& source, Gdiplus::Unit sourceUnit,
                                         EnumerateProc callback, void* callbackData,
                                         const Gdiplus::GpImageAttributes* attributes = nullptr);
  bool EnumerateMetafileSrcRectDestPoints(const Gdiplus::GpMetafile* metafile,
                                          std::span<const Gdiplus::PointF> destination,
                                          const Gdiplus::RectF& source, Gdiplus::Unit sourceUnit,
                                          EnumerateProc callback, void* callbackData,
                                          const Gdiplus::GpImageAttributes* attributes = nullptr);
  bool EnumerateMetafileSrcRectDestPointsI(const Gdiplus::GpMetafile* metafile,
                                           std::span<const Gdiplus::Point> destination,
                                           const Gdiplus::Rect& source, Gdiplus::Unit sourceUnit,
                                           EnumerateProc callback, void* callbackData,
                                           const Gdiplus::GpImageAttributes* attributes = nullptr);

 protected:
  void StoreHandle(void* h) override { graphics_ = static_cast<Gdiplus::GpGraphics*>(h); }

 private:
  bool ReleaseObjects(bool releaseDeviceContext);
  // Appends message to the last-error text when ok is false; returns ok.
  static bool Check(bool ok, const char* message);
  // One GDI call shape(memoryDC_) made with a pen of lineColor and lineWidth and a brush of fill
  // (hollow when there is none) selected; failure names the call.
  template <typename Shape>
  bool GdiShape(Shape shape, std::optional<COLORREF> fill, COLORREF lineColor, int lineWidth,
                const char* failure);

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
