// GDI+ state of the surface's graphics: rendering modes, world and page transforms, resolution,
// clipping and visibility, saved states and containers. Every call is recorded.
#include "draw/api_surface.h"
#include "draw/surface.h"

namespace draw {

// ---- Rendering modes.

bool 图形::SetCompositingMode(Gdiplus::CompositingMode mode) {
  return RecordStatus(api::GdipSetCompositingMode(graphics_, mode));
}

bool 图形::GetCompositingMode(Gdiplus::CompositingMode* mode) {
  return RecordStatus(api::GdipGetCompositingMode(graphics_, mode));
}

bool 图形::SetCompositingQuality(Gdiplus::CompositingQuality quality) {
  return RecordStatus(api::GdipSetCompositingQuality(graphics_, quality));
}

bool 图形::GetCompositingQuality(Gdiplus::CompositingQuality* quality) {
  return RecordStatus(api::GdipGetCompositingQuality(graphics_, quality));
}

bool 图形::SetRenderingOrigin(int x, int y) {
  return RecordStatus(api::GdipSetRenderingOrigin(graphics_, x, y));
}

bool 图形::GetRenderingOrigin(int* x, int* y) {
  return RecordStatus(api::GdipGetRenderingOrigin(graphics_, x, y));
}

bool 图形::SetSmoothingMode(Gdiplus::SmoothingMode mode) {
  return RecordStatus(api::GdipSetSmoothingMode(graphics_, mode));
}

bool 图形::GetSmoothingMode(Gdiplus::SmoothingMode* mode) {
  return RecordStatus(api::GdipGetSmoothingMode(graphics_, mode));
}

bool 图形::SetTextRenderingHint(Gdiplus::TextRenderingHint hint) {
  return RecordStatus(api::GdipSetTextRenderingHint(graphics_, hint));
}

bool 图形::GetTextRenderingHint(Gdiplus::TextRenderingHint* hint) {
  return RecordStatus(api::GdipGetTextRenderingHint(graphics_, hint));
}

bool 图形::SetInterpolationMode(Gdiplus::InterpolationMode mode) {
  return RecordStatus(api::GdipSetInterpolationMode(graphics_, mode));
}

bool 图形::GetInterpolationMode(Gdiplus::InterpolationMode* mode) {
  return RecordStatus(api::GdipGetInterpolationMode(graphics_, mode));
}

bool 图形::SetPixelOffsetMode(Gdiplus::PixelOffsetMode mode) {
  return RecordStatus(api::GdipSetPixelOffsetMode(graphics_, mode));
}

bool 图形::GetPixelOffsetMode(Gdiplus::PixelOffsetMode* mode) {
  return RecordStatus(api::GdipGetPixelOffsetMode(graphics_, mode));
}

// ---- Transforms, resolution, points and colours.

bool 图形::SetWorldTransform(Gdiplus::GpMatrix* matrix) {
  return RecordStatus(api::GdipSetWorldTransform(graphics_, matrix));
}

bool 图形::GetWorldTransform(Gdiplus::GpMatrix* matrix) {
  return RecordStatus(api::GdipGetWorldTransform(graphics_, matrix));
}

bool 图形::ResetWorldTransform() { return RecordStatus(api::GdipResetWorldTransform(graphics_)); }

bool 图形::MultiplyWorldTransform(const Gdiplus::GpMatrix* matrix, Gdiplus::MatrixOrder order) {
  return RecordStatus(api::GdipMultiplyWorldTransform(graphics_, matrix, order));
}

bool 图形::TranslateWorldTransform(float dx, float dy, Gdiplus::MatrixOrder order) {
  return RecordStatus(api::GdipTranslateWorldTransform(graphics_, dx, dy, order));
}

bool 图形::ScaleWorldTransform(float sx, float sy, Gdiplus::MatrixOrder order) {
  return RecordStatus(api::GdipScaleWorldTransform(graphics_, sx, sy, order));
}

bool 图形::RotateWorldTransform(float angle, Gdiplus::MatrixOrder order) {
  return RecordStatus(api::GdipRotateWorldTransform(graphics_, angle, order));
}

bool 图形::SetPageUnit(Gdiplus::Unit unit) {
  return RecordStatus(api::GdipSetPageUnit(graphics_, unit));
}

bool 图形::GetPageUnit(Gdiplus::Unit* unit) {
  return RecordStatus(api::GdipGetPageUnit(graphics_, unit));
}

bool 图形::SetPageScale(float scale) {
  return RecordStatus(api::GdipSetPageScale(graphics_, scale));
}

bool 图形::GetPageScale(float* scale) {
  return RecordStatus(api::GdipGetPageScale(graphics_, scale));
}

bool 图形::GetDpiX(float* dpi) { return RecordStatus(api::GdipGetDpiX(graphics_, dpi)); }

bool 图形::GetDpiY(float* dpi) { return RecordStatus(api::GdipGetDpiY(graphics_, dpi)); }

bool 图形::TransformPoints(Gdiplus::CoordinateSpace destination, Gdiplus::CoordinateSpace source,
                           std::span<Gdiplus::PointF> points) {
  return RecordStatus(api::GdipTransformPoints(graphics_, destination, source, points.data(),
                                               static_cast<INT>(points.size())));
}

bool 图形::TransformPointsI(Gdiplus::CoordinateSpace destination, Gdiplus::CoordinateSpace source,
                            std::span<Gdiplus::Point> points) {
  return RecordStatus(api::GdipTransformPointsI(graphics_, destination, source, points.data(),
                                                static_cast<INT>(points.size())));
}

bool 图形::GetNearestColor(Gdiplus::ARGB* color) {
  return RecordStatus(api::GdipGetNearestColor(graphics_, color));
}

// ---- Clipping and visibility.

bool 图形::SetClipGraphics(const 图形& other, Gdiplus::CombineMode mode) {
  return RecordStatus(api::GdipSetClipGraphics(graphics_, other.graphics_, mode));
}

bool 图形::SetClipRect(float x, float y, float width, float height, Gdiplus::CombineMode mode) {
  return RecordStatus(api::GdipSetClipRect(graphics_, x, y, width, height, mode));
}

bool 图形::SetClipRectI(int x, int y, int width, int height, Gdiplus::CombineMode mode) {
  return RecordStatus(api::GdipSetClipRectI(graphics_, x, y, width, height, mode));
}

bool 图形::SetClipPath(Gdiplus::GpPath* path, Gdiplus::CombineMode mode) {
  return RecordStatus(api::GdipSetClipPath(graphics_, path, mode));
}

bool 图形::SetClipRegion(Gdiplus::GpRegion* region, Gdiplus::CombineMode mode) {
  return RecordStatus(api::GdipSetClipRegion(graphics_, region, mode));
}

bool 图形::SetClipHrgn(HRGN region, Gdiplus::CombineMode mode) {
  return RecordStatus(api::GdipSetClipHrgn(graphics_, region, mode));
}

bool 图形::ResetClip() { return RecordStatus(api::GdipResetClip(graphics_)); }

bool 图形::TranslateClip(float dx, float dy) {
  return RecordStatus(api::GdipTranslateClip(graphics_, dx, dy));
}

bool 图形::TranslateClipI(int dx, int dy) {
  return RecordStatus(api::GdipTranslateClipI(graphics_, dx, dy));
}

bool 图形::GetClip(Gdiplus::GpRegion* region) {
  return RecordStatus(api::GdipGetClip(graphics_, region));
}

bool 图形::GetClipBounds(Gdiplus::RectF* bounds) {
  return RecordStatus(api::GdipGetClipBounds(graphics_, bounds));
}

bool 图形::GetClipBoundsI(Gdiplus::Rect* bounds) {
  return RecordStatus(api::GdipGetClipBoundsI(graphics_, bounds));
}

bool 图形::GetVisibleClipBounds(Gdiplus::RectF* bounds) {
  return RecordStatus(api::GdipGetVisibleClipBounds(graphics_, bounds));
}

bool 图形::GetVisibleClipBoundsI(Gdiplus::Rect* bounds) {
  return RecordStatus(api::GdipGetVisibleClipBoundsI(graphics_, bounds));
}

bool 图形::IsClipEmpty(BOOL* empty) { return RecordStatus(api::GdipIsClipEmpty(graphics_, empty)); }

bool 图形::IsVisibleClipEmpty(BOOL* empty) {
  return RecordStatus(api::GdipIsVisibleClipEmpty(graphics_, empty));
}

bool 图形::IsVisiblePoint(float x, float y, BOOL* visible) {
  return RecordStatus(api::GdipIsVisiblePoint(graphics_, x, y, visible));
}

bool 图形::IsVisiblePointI(int x, int y, BOOL* visible) {
  return RecordStatus(api::GdipIsVisiblePointI(graphics_, x, y, visible));
}

bool 图形::IsVisibleRect(float x, float y, float width, float height, BOOL* visible) {
  return RecordStatus(api::GdipIsVisibleRect(graphics_, x, y, width, height, visible));
}

bool 图形::IsVisibleRectI(int x, int y, int width, int height, BOOL* visible) {
  return RecordStatus(api::GdipIsVisibleRectI(graphics_, x, y, width, height, visible));
}

// ---- Saved states, containers, comments.

bool 图形::Save(Gdiplus::GraphicsState* state) {
  return RecordStatus(api::GdipSaveGraphics(graphics_, state));
}

bool 图形::Restore(Gdiplus::GraphicsState state) {
  return RecordStatus(api::GdipRestoreGraphics(graphics_, state));
}

bool 图形::BeginContainer(const Gdiplus::RectF& destination, const Gdiplus::RectF& source,
                          Gdiplus::Unit unit, Gdiplus::GraphicsContainer* container) {
  return RecordStatus(api::GdipBeginContainer(graphics_, &destination, &source, unit, container));
}

bool 图形::BeginContainerI(const Gdiplus::Rect& destination, const Gdiplus::Rect& source,
                           Gdiplus::Unit unit, Gdiplus::GraphicsContainer* container) {
  return RecordStatus(api::GdipBeginContainerI(graphics_, &destination, &source, unit, container));
}

bool 图形::BeginContainer2(Gdiplus::GraphicsContainer* container) {
  return RecordStatus(api::GdipBeginContainer2(graphics_, container));
}

bool 图形::EndContainer(Gdiplus::GraphicsContainer container) {
  return RecordStatus(api::GdipEndContainer(graphics_, container));
}

bool 图形::Comment(std::span<const BYTE> data) {
  return RecordStatus(api::GdipComment(graphics_, static_cast<UINT>(data.size()), data.data()));
}

}  // namespace draw
