#include "draw/pen.h"

#include <climits>

#include "draw/api_wrappers.h"

namespace draw {
namespace {

bool FitsInt(size_t size) { return size <= static_cast<size_t>(INT_MAX); }

}  // namespace

GdipPen::~GdipPen() { Delete(); }

bool GdipPen::Delete() {
  if (!pen_) return false;
  const bool ok = RecordStatus(api::GdipDeletePen(pen_));
  SetHandle(nullptr);
  return ok;
}

// --- creation ---

bool GdipPen::Create(Gdiplus::ARGB color, float width, Gdiplus::Unit unit) {
  Delete();
  Gdiplus::GpPen* created = nullptr;
  const bool ok = RecordStatus(api::GdipCreatePen1(color, width, unit, &created));
  SetHandle(created);
  return ok;
}

bool GdipPen::CreateFromBrush(const GdipBrush& brush, float width, Gdiplus::Unit unit) {
  Delete();
  Gdiplus::GpPen* created = nullptr;
  const bool ok = RecordStatus(api::GdipCreatePen2(brush.BrushHandle(), width, unit, &created));
  SetHandle(created);
  return ok;
}

bool GdipPen::Clone(GdipPen& target) const {
  Gdiplus::GpPen* copy = nullptr;
  const Gdiplus::Status status = api::GdipClonePen(pen_, &copy);
  return TakeClone(*this, target, status, copy);
}

// --- width and unit ---

bool GdipPen::SetWidth(float width) { return RecordStatus(api::GdipSetPenWidth(pen_, width)); }

bool GdipPen::GetWidth(float* width) const {
  return RecordStatus(api::GdipGetPenWidth(pen_, width));
}

bool GdipPen::SetUnit(Gdiplus::Unit unit) { return RecordStatus(api::GdipSetPenUnit(pen_, unit)); }

bool GdipPen::GetUnit(Gdiplus::Unit* unit) const {
  return RecordStatus(api::GdipGetPenUnit(pen_, unit));
}

// --- caps and joins ---

bool GdipPen::SetLineCap(Gdiplus::LineCap startCap, Gdiplus::LineCap endCap,
                         Gdiplus::DashCap dashCap) {
  return RecordStatus(api::GdipSetPenLineCap197819(pen_, startCap, endCap, dashCap));
}

bool GdipPen::SetStartCap(Gdiplus::LineCap cap) {
  return RecordStatus(api::GdipSetPenStartCap(pen_, cap));
}

bool GdipPen::SetEndCap(Gdiplus::LineCap cap) {
  return RecordStatus(api::GdipSetPenEndCap(pen_, cap));
}

bool GdipPen::SetDashCap(Gdiplus::DashCap cap) {
  return RecordStatus(api::GdipSetPenDashCap197819(pen_, cap));
}

bool GdipPen::GetStartCap(Gdiplus::LineCap* cap) const {
  return RecordStatus(api::GdipGetPenStartCap(pen_, cap));
}

bool GdipPen::GetEndCap(Gdiplus::LineCap* cap) const {
  return RecordStatus(api::GdipGetPenEndCap(pen_, cap));
}

bool GdipPen::GetDashCap(Gdiplus::DashCap* cap) const {
  return RecordStatus(api::GdipGetPenDashCap197819(pen_, cap));
}

bool GdipPen::SetLineJoin(Gdiplus::LineJoin join) {
  return RecordStatus(api::GdipSetPenLineJoin(pen_, join));
}

bool GdipPen::GetLineJoin(Gdiplus::LineJoin* join) const {
  return RecordStatus(api::GdipGetPenLineJoin(pen_, join));
}

bool GdipPen::SetCustomStartCap(Gdiplus::GpCustomLineCap* cap) {
  return RecordStatus(api::GdipSetPenCustomStartCap(pen_, cap));
}

bool GdipPen::GetCustomStartCap(Gdiplus::GpCustomLineCap** cap) const {
  return RecordStatus(api::GdipGetPenCustomStartCap(pen_, cap));
}

bool GdipPen::SetCustomEndCap(Gdiplus::GpCustomLineCap* cap) {
  return RecordStatus(api::GdipSetPenCustomEndCap(pen_, cap));
}

bool GdipPen::GetCustomEndCap(Gdiplus::GpCustomLineCap** cap) const {
  return RecordStatus(api::GdipGetPenCustomEndCap(pen_, cap));
}

bool GdipPen::SetMiterLimit(float miterLimit) {
  return RecordStatus(api::GdipSetPenMiterLimit(pen_, miterLimit));
}

bool GdipPen::GetMiterLimit(float* miterLimit) const {
  return RecordStatus(api::GdipGetPenMiterLimit(pen_, miterLimit));
}

bool GdipPen::SetMode(Gdiplus::PenAlignment alignment) {
  return RecordStatus(api::GdipSetPenMode(pen_, alignment));
}

bool GdipPen::GetMode(Gdiplus::PenAlignment* alignment) const {
  return RecordStatus(api::GdipGetPenMode(pen_, alignment));
}

// --- transform ---

bool GdipPen::SetTransform(const MatrixElements& elements) {
  ScopedMatrix matrix(elements);
  if (!matrix.get()) return false;
  return RecordStatus(api::GdipSetPenTransform(pen_, matrix.get()));
}

bool GdipPen::GetTransform(MatrixElements* elements) const {
  ScopedMatrix matrix;
  if (!matrix.get()) return false;
  if (!RecordStatus(api::GdipGetPenTransform(pen_, matrix.get()))) return false;
  return matrix.Read(elements);
}

bool GdipPen::ResetTransform() { return RecordStatus(api::GdipResetPenTransform(pen_)); }

bool GdipPen::MultiplyTransform(const MatrixElements& elements, Gdiplus::MatrixOrder order) {
  ScopedMatrix matrix(elements);
  if (!matrix.get()) return false;
  return RecordStatus(api::GdipMultiplyPenTransform(pen_, matrix.get(), order));
}

bool GdipPen::RotateTransform(float angle, Gdiplus::MatrixOrder order) {
  return RecordStatus(api::GdipRotatePenTransform(pen_, angle, order));
}

bool GdipPen::ScaleTransform(float sx, float sy, Gdiplus::MatrixOrder order) {
  return RecordStatus(api::GdipScalePenTransform(pen_, sx, sy, order));
}

bool GdipPen::TranslateTransform(float dx, float dy, Gdiplus::MatrixOrder order) {
  return RecordStatus(api::GdipTranslatePenTransform(pen_, dx, dy, order));
}

// --- colour and fill ---

bool GdipPen::SetColor(Gdiplus::ARGB color) { return RecordStatus(api::GdipSetPenColor(pen_, color)); }

bool GdipPen::GetColor(Gdiplus::ARGB* color) const {
  return RecordStatus(api::GdipGetPenColor(pen_, color));
}

bool GdipPen::SetBrushFill(const GdipBrush& brush) {
  return RecordStatus(api::GdipSetPenBrushFill(pen_, brush.BrushHandle()));
}

bool GdipPen::GetBrushFill(GdipBrush& brush) const {
  Gdiplus::GpBrush* fill = nullptr;
  if (!RecordStatus(api::GdipGetPenBrushFill(pen_, &fill))) return false;
  return brush.Adopt(fill);
}

bool GdipPen::GetFillType(Gdiplus::PenType* type) const {
  return RecordStatus(api::GdipGetPenFillType(pen_, type));
}

// --- dashes and compound lines ---

bool GdipPen::GetDashStyle(Gdiplus::DashStyle* style) const {
  return RecordStatus(api::GdipGetPenDashStyle(pen_, style));
}

bool GdipPen::SetDashStyle(Gdiplus::DashStyle style) {
  return RecordStatus(api::GdipSetPenDashStyle(pen_, style));
}

bool GdipPen::GetDashOffset(float* offset) const {
  return RecordStatus(api::GdipGetPenDashOffset(pen_, offset));
}

bool GdipPen::SetDashOffset(float offset) {
  return RecordStatus(api::GdipSetPenDashOffset(pen_, offset));
}

bool GdipPen::GetDashCount(INT* count) const {
  return RecordStatus(api::GdipGetPenDashCount(pen_, count));
}

bool GdipPen::SetDashArray(std::span<const float> dashes) {
  if (!FitsInt(dashes.size())) return RecordStatus(Gdiplus::InvalidParameter);
  return RecordStatus(
      api::GdipSetPenDashArray(pen_, dashes.data(), static_cast<INT>(dashes.size())));
}

bool GdipPen::GetDashArray(std::span<float> dashes) const {
  if (!FitsInt(dashes.size())) return RecordStatus(Gdiplus::InvalidParameter);
  return RecordStatus(
      api::GdipGetPenDashArray(pen_, dashes.data(), static_cast<INT>(dashes.size())));
}

bool GdipPen::GetCompoundCount(INT* count) const {
  return RecordStatus(api::GdipGetPenCompoundCount(pen_, count));
}

bool GdipPen::SetCompoundArray(std::span<const float> edges) {
  if (!FitsInt(edges.size())) return RecordStatus(Gdiplus::InvalidParameter);
  return RecordStatus(
      api::GdipSetPenCompoundArray(pen_, edges.data(), static_cast<INT>(edges.size())));
}

bool GdipPen::GetCompoundArray(std::span<float> edges) const {
  if (!FitsInt(edges.size())) return RecordStatus(Gdiplus::InvalidParameter);
  return RecordStatus(
      api::GdipGetPenCompoundArray(pen_, edges.data(), static_cast<INT>(edges.size())));
}

}  // namespace draw
