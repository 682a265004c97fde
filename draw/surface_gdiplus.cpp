// GDI+ drawing on the surface: outlines, clear and fills, text, images and metafile enumeration.
// Every call is recorded. Pens, brushes, fonts, images and string formats give their handles at
// the moment of the call.
#include <string>

#include "draw/api_surface.h"
#include "draw/surface.h"
#include "draw/to_wide.h"

namespace draw {
namespace {

template <typename T>
INT Count(std::span<T> items) {
  return static_cast<INT>(items.size());
}

Gdiplus::RectF Native(const RectF& r) { return Gdiplus::RectF(r.x, r.y, r.width, r.height); }

}  // namespace

// ---- Outlines.

bool 图形::DrawLine(const GdipPen& pen, float x1, float y1, float x2, float y2) {
  return RecordStatus(api::GdipDrawLine(graphics_, pen.PenHandle(), x1, y1, x2, y2));
}

bool 图形::DrawLineI(const GdipPen& pen, int x1, int y1, int x2, int y2) {
  return RecordStatus(api::GdipDrawLineI(graphics_, pen.PenHandle(), x1, y1, x2, y2));
}

bool 图形::DrawLines(const GdipPen& pen, std::span<const Gdiplus::PointF> points) {
  return RecordStatus(api::GdipDrawLines(graphics_, pen.PenHandle(), points.data(), Count(points)));
}

bool 图形::DrawLinesI(const GdipPen& pen, std::span<const Gdiplus::Point> points) {
  return RecordStatus(
      api::GdipDrawLinesI(graphics_, pen.PenHandle(), points.data(), Count(points)));
}

bool 图形::DrawArc(const GdipPen& pen, float x, float y, float width, float height,
                   float startAngle, float sweepAngle) {
  return RecordStatus(
      api::GdipDrawArc(graphics_, pen.PenHandle(), x, y, width, height, startAngle, sweepAngle));
}

bool 图形::DrawArcI(const GdipPen& pen, int x, int y, int width, int height, float startAngle,
                    float sweepAngle) {
  return RecordStatus(
      api::GdipDrawArcI(graphics_, pen.PenHandle(), x, y, width, height, startAngle, sweepAngle));
}

bool 图形::DrawBezier(const GdipPen& pen, float x1, float y1, float x2, float y2, float x3,
                      float y3, float x4, float y4) {
  return RecordStatus(
      api::GdipDrawBezier(graphics_, pen.PenHandle(), x1, y1, x2, y2, x3, y3, x4, y4));
}

bool 图形::DrawBezierI(const GdipPen& pen, int x1, int y1, int x2, int y2, int x3, int y3, int x4,
                       int y4) {
  return RecordStatus(
      api::GdipDrawBezierI(graphics_, pen.PenHandle(), x1, y1, x2, y2, x3, y3, x4, y4));
}

bool 图形::DrawBeziers(const GdipPen& pen, std::span<const Gdiplus::PointF> points) {
  return RecordStatus(
      api::GdipDrawBeziers(graphics_, pen.PenHandle(), points.data(), Count(points)));
}

bool 图形::DrawBeziersI(const GdipPen& pen, std::span<const Gdiplus::Point> points) {
  return RecordStatus(
      api::GdipDrawBeziersI(graphics_, pen.PenHandle(), points.data(), Count(points)));
}

bool 图形::DrawRectangle(const GdipPen& pen, float x, float y, float width, float height) {
  return RecordStatus(api::GdipDrawRectangle(graphics_, pen.PenHandle(), x, y, width, height));
}

bool 图形::DrawRectangleI(const GdipPen& pen, int x, int y, int width, int height) {
  return RecordStatus(api::GdipDrawRectangleI(graphics_, pen.PenHandle(), x, y, width, height));
}

bool 图形::DrawRectangles(const GdipPen& pen, std::span<const Gdiplus::RectF> rects) {
  return RecordStatus(
      api::GdipDrawRectangles(graphics_, pen.PenHandle(), rects.data(), Count(rects)));
}

bool 图形::DrawRectanglesI(const GdipPen& pen, std::span<const Gdiplus::Rect> rects) {
  return RecordStatus(
      api::GdipDrawRectanglesI(graphics_, pen.PenHandle(), rects.data(), Count(rects)));
}

bool 图形::DrawEllipse(const GdipPen& pen, float x, float y, float width, float height) {
  return RecordStatus(api::GdipDrawEllipse(graphics_, pen.PenHandle(), x, y, width, height));
}

bool 图形::DrawEllipseI(const GdipPen& pen, int x, int y, int width, int height) {
  return RecordStatus(api::GdipDrawEllipseI(graphics_, pen.PenHandle(), x, y, width, height));
}

bool 图形::DrawPie(const GdipPen& pen, float x, float y, float width, float height,
                   float startAngle, float sweepAngle) {
  return RecordStatus(
      api::GdipDrawPie(graphics_, pen.PenHandle(), x, y, width, height, startAngle, sweepAngle));
}

bool 图形::DrawPieI(const GdipPen& pen, int x, int y, int width, int height, float startAngle,
                    float sweepAngle) {
  return RecordStatus(
      api::GdipDrawPieI(graphics_, pen.PenHandle(), x, y, width, height, startAngle, sweepAngle));
}

bool 图形::DrawPolygon(const GdipPen& pen, std::span<const Gdiplus::PointF> points) {
  return RecordStatus(
      api::GdipDrawPolygon(graphics_, pen.PenHandle(), points.data(), Count(points)));
}

bool 图形::DrawPolygonI(const GdipPen& pen, std::span<const Gdiplus::Point> points) {
  return RecordStatus(
      api::GdipDrawPolygonI(graphics_, pen.PenHandle(), points.data(), Count(points)));
}

bool 图形::DrawPath(const GdipPen& pen, Gdiplus::GpPath* path) {
  return RecordStatus(api::GdipDrawPath(graphics_, pen.PenHandle(), path));
}

bool 图形::DrawCurve(const GdipPen& pen, std::span<const Gdiplus::PointF> points) {
  return RecordStatus(api::GdipDrawCurve(graphics_, pen.PenHandle(), points.data(), Count(points)));
}

bool 图形::DrawCurveI(const GdipPen& pen, std::span<const Gdiplus::Point> points) {
  return RecordStatus(
      api::GdipDrawCurveI(graphics_, pen.PenHandle(), points.data(), Count(points)));
}

bool 图形::DrawCurve2(const GdipPen& pen, std::span<const Gdiplus::PointF> points, float tension) {
  return RecordStatus(
      api::GdipDrawCurve2(graphics_, pen.PenHandle(), points.data(), Count(points), tension));
}

bool 图形::DrawCurve2I(const GdipPen& pen, std::span<const Gdiplus::Point> points, float tension) {
  return RecordStatus(
      api::GdipDrawCurve2I(graphics_, pen.PenHandle(), points.data(), Count(points), tension));
}

bool 图形::DrawCurve3(const GdipPen& pen, std::span<const Gdiplus::PointF> points, int offset,
                      int numberOfSegments, float tension) {
  return RecordStatus(api::GdipDrawCurve3(graphics_, pen.PenHandle(), points.data(), Count(points),
                                          offset, numberOfSegments, tension));
}

bool 图形::DrawCurve3I(const GdipPen& pen, std::span<const Gdiplus::Point> points, int offset,
                       int numberOfSegments, float tension) {
  return RecordStatus(api::GdipDrawCurve3I(graphics_, pen.PenHandle(), points.data(), Count(points),
                                           offset, numberOfSegments, tension));
}

bool 图形::DrawClosedCurve(const GdipPen& pen, std::span<const Gdiplus::PointF> points) {
  return RecordStatus(
      api::GdipDrawClosedCurve(graphics_, pen.PenHandle(), points.data(), Count(points)));
}

bool 图形::DrawClosedCurveI(const GdipPen& pen, std::span<const Gdiplus::Point> points) {
  return RecordStatus(
      api::GdipDrawClosedCurveI(graphics_, pen.PenHandle(), points.data(), Count(points)));
}

bool 图形::DrawClosedCurve2(const GdipPen& pen, std::span<const Gdiplus::PointF> points,
                            float tension) {
  return RecordStatus(
      api::GdipDrawClosedCurve2(graphics_, pen.PenHandle(), points.data(), Count(points), tension));
}

bool 图形::DrawClosedCurve2I(const GdipPen& pen, std::span<const Gdiplus::Point> points,
                             float tension) {
  return RecordStatus(api::GdipDrawClosedCurve2I(graphics_, pen.PenHandle(), points.data(),
                                                 Count(points), tension));
}

// ---- Clear and fills.

bool 图形::Clear(Gdiplus::ARGB color) {
  return RecordStatus(api::GdipGraphicsClear(graphics_, color));
}

bool 图形::FillRectangle(const GdipBrush& brush, float x, float y, float width, float height) {
  return RecordStatus(api::GdipFillRectangle(graphics_, brush.BrushHandle(), x, y, width, height));
}

bool 图形::FillRectangleI(const GdipBrush& brush, int x, int y, int width, int height) {
  return RecordStatus(api::GdipFillRectangleI(graphics_, brush.BrushHandle(), x, y, width, height));
}

bool 图形::FillRectangles(const GdipBrush& brush, std::span<const Gdiplus::RectF> rects) {
  return RecordStatus(
      api::GdipFillRectangles(graphics_, brush.BrushHandle(), rects.data(), Count(rects)));
}

bool 图形::FillRectanglesI(const GdipBrush& brush, std::span<const Gdiplus::Rect> rects) {
  return RecordStatus(
      api::GdipFillRectanglesI(graphics_, brush.BrushHandle(), rects.data(), Count(rects)));
}

bool 图形::FillPolygon(const GdipBrush& brush, std::span<const Gdiplus::PointF> points,
                       Gdiplus::FillMode fillMode) {
  return RecordStatus(
      api::GdipFillPolygon(graphics_, brush.BrushHandle(), points.data(), Count(points), fillMode));
}

bool 图形::FillPolygonI(const GdipBrush& brush, std::span<const Gdiplus::Point> points,
                        Gdiplus::FillMode fillMode) {
  return RecordStatus(api::GdipFillPolygonI(graphics_, brush.BrushHandle(), points.data(),
                                            Count(points), fillMode));
}

bool 图形::FillPolygon2(const GdipBrush& brush, std::span<const Gdiplus::PointF> points) {
  return RecordStatus(
      api::GdipFillPolygon2(graphics_, brush.BrushHandle(), points.data(), Count(points)));
}

bool 图形::FillPolygon2I(const GdipBrush& brush, std::span<const Gdiplus::Point> points) {
  return RecordStatus(
      api::GdipFillPolygon2I(graphics_, brush.BrushHandle(), points.data(), Count(points)));
}

bool 图形::FillEllipse(const GdipBrush& brush, float x, float y, float width, float height) {
  return RecordStatus(api::GdipFillEllipse(graphics_, brush.BrushHandle(), x, y, width, height));
}

bool 图形::FillEllipseI(const GdipBrush& brush, int x, int y, int width, int height) {
  return RecordStatus(api::GdipFillEllipseI(graphics_, brush.BrushHandle(), x, y, width, height));
}

bool 图形::FillPie(const GdipBrush& brush, float x, float y, float width, float height,
                   float startAngle, float sweepAngle) {
  return RecordStatus(api::GdipFillPie(graphics_, brush.BrushHandle(), x, y, width, height,
                                       startAngle, sweepAngle));
}

bool 图形::FillPieI(const GdipBrush& brush, int x, int y, int width, int height, float startAngle,
                    float sweepAngle) {
  return RecordStatus(api::GdipFillPieI(graphics_, brush.BrushHandle(), x, y, width, height,
                                        startAngle, sweepAngle));
}

bool 图形::FillPath(const GdipBrush& brush, Gdiplus::GpPath* path) {
  return RecordStatus(api::GdipFillPath(graphics_, brush.BrushHandle(), path));
}

bool 图形::FillClosedCurve(const GdipBrush& brush, std::span<const Gdiplus::PointF> points) {
  return RecordStatus(
      api::GdipFillClosedCurve(graphics_, brush.BrushHandle(), points.data(), Count(points)));
}

bool 图形::FillClosedCurveI(const GdipBrush& brush, std::span<const Gdiplus::Point> points) {
  return RecordStatus(
      api::GdipFillClosedCurveI(graphics_, brush.BrushHandle(), points.data(), Count(points)));
}

bool 图形::FillClosedCurve2(const GdipBrush& brush, std::span<const Gdiplus::PointF> points,
                            float tension, Gdiplus::FillMode fillMode) {
  return RecordStatus(api::GdipFillClosedCurve2(graphics_, brush.BrushHandle(), points.data(),
                                                Count(points), tension, fillMode));
}

bool 图形::FillClosedCurve2I(const GdipBrush& brush, std::span<const Gdiplus::Point> points,
                             float tension, Gdiplus::FillMode fillMode) {
  return RecordStatus(api::GdipFillClosedCurve2I(graphics_, brush.BrushHandle(), points.data(),
                                                 Count(points), tension, fillMode));
}

bool 图形::FillRegion(const GdipBrush& brush, Gdiplus::GpRegion* region) {
  return RecordStatus(api::GdipFillRegion(graphics_, brush.BrushHandle(), region));
}

// ---- Text.

bool 图形::DrawString(std::string_view text, const GdipFont& font, const GdipBrush& brush,
                      const RectF& layout, const GdipStringFormat& format) {
  const std::wstring wide = ToWide(text);
  const int length = api::lstrlenW(wide.c_str());
  const Gdiplus::RectF native = Native(layout);
  return RecordStatus(api::GdipDrawString(graphics_, wide.c_str(), length, font.FontHandle(),
                                          &native, format.FormatHandle(), brush.BrushHandle()));
}

bool 图形::MeasureString(std::string_view text, const GdipFont& font, const RectF& layout,
                         const GdipStringFormat& format, RectF* bounds, int* codepointsFitted,
                         int* linesFilled) {
  const std::wstring wide = ToWide(text);
  const Gdiplus::RectF native = Native(layout);
  Gdiplus::RectF measured;
  const bool ok = RecordStatus(api::GdipMeasureString(
      graphics_, wide.c_str(), static_cast<INT>(wide.size()), font.FontHandle(), &native,
      format.FormatHandle(), bounds ? &measured : nullptr, codepointsFitted, linesFilled));
  if (ok && bounds) *bounds = RectF{measured.X, measured.Y, measured.Width, measured.Height};
  return ok;
}

bool 图形::MeasureCharacterRanges(std::string_view text, const GdipFont& font, const RectF& layout,
                                  const GdipStringFormat& format,
                                  std::span<Gdiplus::GpRegion*> regions) {
  const std::wstring wide = ToWide(text);
  const Gdiplus::RectF native = Native(layout);
  return RecordStatus(api::GdipMeasureCharacterRanges(
      graphics_, wide.c_str(), static_cast<INT>(wide.size()), font.FontHandle(), native,
      format.FormatHandle(), Count(regions), regions.data()));
}

bool 图形::DrawDriverString(std::string_view text, const GdipFont& font, const GdipBrush& brush,
                            std::span<const Gdiplus::PointF> positions, int flags,
                            const Gdiplus::GpMatrix* matrix) {
  const std::wstring wide = ToWide(text);
  // GDI+ reads one position per character unless it places the glyphs itself from the first.
  const size_t needed = (flags & Gdiplus::DriverStringOptionsRealizedAdvance) ? 1 : wide.size();
  if (positions.size() < needed) return RecordStatus(Gdiplus::InvalidParameter);
  return RecordStatus(api::GdipDrawDriverString(
      graphics_, reinterpret_cast<const UINT16*>(wide.c_str()), static_cast<INT>(wide.size()),
      font.FontHandle(), brush.BrushHandle(), positions.data(), flags, matrix));
}

// ---- Images.

bool 图形::DrawImage(const GdipImage& image, float x, float y) {
  return RecordStatus(api::GdipDrawImage(graphics_, image.ImageHandle(), x, y));
}

bool 图形::DrawImageI(const GdipImage& image, int x, int y) {
  return RecordStatus(api::GdipDrawImageI(graphics_, image.ImageHandle(), x, y));
}

bool 图形::DrawCachedBitmap(Gdiplus::GpCachedBitmap* cachedBitmap, int x, int y) {
  return RecordStatus(api::GdipDrawCachedBitmap(graphics_, cachedBitmap, x, y));
}

bool 图形::DrawImageRect(const GdipImage& image, float x, float y, float width, float height) {
  return RecordStatus(api::GdipDrawImageRect(graphics_, image.ImageHandle(), x, y, width, height));
}

bool 图形::DrawImageRectI(const GdipImage& image, int x, int y, int width, int height) {
  return RecordStatus(api::GdipDrawImageRectI(graphics_, image.ImageHandle(), x, y, width, height));
}

bool 图形::DrawImagePoints(const GdipImage& image, std::span<const Gdiplus::PointF> points) {
  return RecordStatus(
      api::GdipDrawImagePoints(graphics_, image.ImageHandle(), points.data(), Count(points)));
}

bool 图形::DrawImagePointsI(const GdipImage& image, std::span<const Gdiplus::Point> points) {
  return RecordStatus(
      api::GdipDrawImagePointsI(graphics_, image.ImageHandle(), points.data(), Count(points)));
}

bool 图形::DrawImagePointRect(const GdipImage& image, float x, float y, float sourceX,
                              float sourceY, float sourceWidth, float sourceHeight,
                              Gdiplus::Unit sourceUnit) {
  return RecordStatus(api::GdipDrawImagePointRect(graphics_, image.ImageHandle(), x, y, sourceX,
                                                  sourceY, sourceWidth, sourceHeight, sourceUnit));
}

bool 图形::DrawImagePointRectI(const GdipImage& image, int x, int y, int sourceX, int sourceY,
                               int sourceWidth, int sourceHeight, Gdiplus::Unit sourceUnit) {
  return RecordStatus(api::GdipDrawImagePointRectI(graphics_, image.ImageHandle(), x, y, sourceX,
                                                   sourceY, sourceWidth, sourceHeight, sourceUnit));
}

bool 图形::DrawImageRectRect(const GdipImage& image, float x, float y, float width, float height,
                             float sourceX, float sourceY, float sourceWidth, float sourceHeight,
                             Gdiplus::Unit sourceUnit,
                             const Gdiplus::GpImageAttributes* attributes) {
  return RecordStatus(api::GdipDrawImageRectRect(
      graphics_, image.ImageHandle(), x, y, width, height, sourceX, sourceY, sourceWidth,
      sourceHeight, sourceUnit, attributes, nullptr, nullptr));
}

bool 图形::DrawImageRectRectI(const GdipImage& image, int x, int y, int width, int height,
                              int sourceX, int sourceY, int sourceWidth, int sourceHeight,
                              Gdiplus::Unit sourceUnit,
                              const Gdiplus::GpImageAttributes* attributes) {
  return RecordStatus(api::GdipDrawImageRectRectI(
      graphics_, image.ImageHandle(), x, y, width, height, sourceX, sourceY, sourceWidth,
      sourceHeight, sourceUnit, attributes, nullptr, nullptr));
}

bool 图形::DrawImagePointsRect(const GdipImage& image, std::span<const Gdiplus::PointF> points,
                               float sourceX, float sourceY, float sourceWidth, float sourceHeight,
                               Gdiplus::Unit sourceUnit,
                               const Gdiplus::GpImageAttributes* attributes) {
  return RecordStatus(api::GdipDrawImagePointsRect(
      graphics_, image.ImageHandle(), points.data(), Count(points), sourceX, sourceY, sourceWidth,
      sourceHeight, sourceUnit, attributes, nullptr, nullptr));
}

bool 图形::DrawImagePointsRectI(const GdipImage& image, std::span<const Gdiplus::Point> points,
                                int sourceX, int sourceY, int sourceWidth, int sourceHeight,
                                Gdiplus::Unit sourceUnit,
                                const Gdiplus::GpImageAttributes* attributes) {
  return RecordStatus(api::GdipDrawImagePointsRectI(
      graphics_, image.ImageHandle(), points.data(), Count(points), sourceX, sourceY, sourceWidth,
      sourceHeight, sourceUnit, attributes, nullptr, nullptr));
}

// ---- Metafile enumeration.

bool 图形::EnumerateMetafileDestPoint(const Gdiplus::GpMetafile* metafile,
                                      const Gdiplus::PointF& destination, EnumerateProc callback,
                                      void* callbackData,
                                      const Gdiplus::GpImageAttributes* attributes) {
  return RecordStatus(api::GdipEnumerateMetafileDestPoint(graphics_, metafile, destination,
                                                          callback, callbackData, attributes));
}

bool 图形::EnumerateMetafileDestPointI(const Gdiplus::GpMetafile* metafile,
                                       const Gdiplus::Point& destination, EnumerateProc callback,
                                       void* callbackData,
                                       const Gdiplus::GpImageAttributes* attributes) {
  return RecordStatus(api::GdipEnumerateMetafileDestPointI(graphics_, metafile, destination,
                                                           callback, callbackData, attributes));
}

bool 图形::EnumerateMetafileDestRect(const Gdiplus::GpMetafile* metafile,
                                     const Gdiplus::RectF& destination, EnumerateProc callback,
                                     void* callbackData,
                                     const Gdiplus::GpImageAttributes* attributes) {
  return RecordStatus(api::GdipEnumerateMetafileDestRect(graphics_, metafile, destination, callback,
                                                         callbackData, attributes));
}

bool 图形::EnumerateMetafileDestRectI(const Gdiplus::GpMetafile* metafile,
                                      const Gdiplus::Rect& destination, EnumerateProc callback,
                                      void* callbackData,
                                      const Gdiplus::GpImageAttributes* attributes) {
  return RecordStatus(api::GdipEnumerateMetafileDestRectI(graphics_, metafile, destination,
                                                          callback, callbackData, attributes));
}

bool 图形::EnumerateMetafileDestPoints(const Gdiplus::GpMetafile* metafile,
                                       std::span<const Gdiplus::PointF> destination,
                                       EnumerateProc callback, void* callbackData,
                                       const Gdiplus::GpImageAttributes* attributes) {
  return RecordStatus(api::GdipEnumerateMetafileDestPoints(graphics_, metafile, destination.data(),
                                                           Count(destination), callback,
                                                           callbackData, attributes));
}

bool 图形::EnumerateMetafileDestPointsI(const Gdiplus::GpMetafile* metafile,
                                        std::span<const Gdiplus::Point> destination,
                                        EnumerateProc callback, void* callbackData,
                                        const Gdiplus::GpImageAttributes* attributes) {
  return RecordStatus(api::GdipEnumerateMetafileDestPointsI(graphics_, metafile, destination.data(),
                                                            Count(destination), callback,
                                                            callbackData, attributes));
}

bool 图形::EnumerateMetafileSrcRectDestPoint(const Gdiplus::GpMetafile* metafile,
                                             const Gdiplus::PointF& destination,
                                             const Gdiplus::RectF& source, Gdiplus::Unit sourceUnit,
                                             EnumerateProc callback, void* callbackData,
                                             const Gdiplus::GpImageAttributes* attributes) {
  return RecordStatus(api::GdipEnumerateMetafileSrcRectDestPoint(
      graphics_, metafile, destination, source, sourceUnit, callback, callbackData, attributes));
}

bool 图形::EnumerateMetafileSrcRectDestPointI(const Gdiplus::GpMetafile* metafile,
                                              const Gdiplus::Point& destination,
                                              const Gdiplus::Rect& source, Gdiplus::Unit sourceUnit,
                                              EnumerateProc callback, void* callbackData,
                                              const Gdiplus::GpImageAttributes* attributes) {
  return RecordStatus(api::GdipEnumerateMetafileSrcRectDestPointI(
      graphics_, metafile, destination, source, sourceUnit, callback, callbackData, attributes));
}

bool 图形::EnumerateMetafileSrcRectDestRect(const Gdiplus::GpMetafile* metafile,
                                            const Gdiplus::RectF& destination,
                                            const Gdiplus::RectF& source, Gdiplus::Unit sourceUnit,
                                            EnumerateProc callback, void* callbackData,
                                            const Gdiplus::GpImageAttributes* attributes) {
  return RecordStatus(api::GdipEnumerateMetafileSrcRectDestRect(
      graphics_, metafile, destination, source, sourceUnit, callback, callbackData, attributes));
}

bool 图形::EnumerateMetafileSrcRectDestRectI(const Gdiplus::GpMetafile* metafile,
                                             const Gdiplus::Rect& destination,
                                             const Gdiplus::Rect& source, Gdiplus::Unit sourceUnit,
                                             EnumerateProc callback, void* callbackData,
                                             const Gdiplus::GpImageAttributes* attributes) {
  return RecordStatus(api::GdipEnumerateMetafileSrcRectDestRectI(
      graphics_, metafile, destination, source, sourceUnit, callback, callbackData, attributes));
}

bool 图形::EnumerateMetafileSrcRectDestPoints(const Gdiplus::GpMetafile* metafile,
                                              std::span<const Gdiplus::PointF> destination,
                                              const Gdiplus::RectF& source,
                                              Gdiplus::Unit sourceUnit, EnumerateProc callback,
                                              void* callbackData,
                                              const Gdiplus::GpImageAttributes* attributes) {
  return RecordStatus(api::GdipEnumerateMetafileSrcRectDestPoints(
      graphics_, metafile, destination.data(), Count(destination), source, sourceUnit, callback,
      callbackData, attributes));
}

bool 图形::EnumerateMetafileSrcRectDestPointsI(const Gdiplus::GpMetafile* metafile,
                                               std::span<const Gdiplus::Point> destination,
                                               const Gdiplus::Rect& source,
                                               Gdiplus::Unit sourceUnit, EnumerateProc callback,
                                               void* callbackData,
                                               const Gdiplus::GpImageAttributes* attributes) {
  return RecordStatus(api::GdipEnumerateMetafileSrcRectDestPointsI(
      graphics_, metafile, destination.data(), Count(destination), source, sourceUnit, callback,
      callbackData, attributes));
}

}  // namespace draw
