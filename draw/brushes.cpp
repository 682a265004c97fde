#include "draw/brushes.h"

#include <climits>

#include "draw/api_wrappers.h"

namespace draw {
namespace {

Gdiplus::RectF ToNative(const RectF& r) { return Gdiplus::RectF(r.x, r.y, r.width, r.height); }

// Two lists that GDI+ takes with one count: equally long and countable in an INT.
bool SameLengthInt(size_t a, size_t b) { return a == b && a <= static_cast<size_t>(INT_MAX); }

}  // namespace

// --- matrices ---

ScopedMatrix::ScopedMatrix(const MatrixElements& e) {
  const Gdiplus::Status status =
      api::GdipCreateMatrix2(e.m11, e.m12, e.m21, e.m22, e.dx, e.dy, &matrix_);
  if (status != Gdiplus::Ok) {
    matrix_ = nullptr;
    RecordStatus(status);
  }
}

ScopedMatrix::~ScopedMatrix() {
  if (matrix_) api::GdipDeleteMatrix(matrix_);
}

bool ScopedMatrix::Read(MatrixElements* elements) const {
  if (!elements) return RecordStatus(Gdiplus::InvalidParameter);
  float m[6];
  if (!RecordStatus(api::GdipGetMatrixElements(matrix_, m))) return false;
  *elements = {m[0], m[1], m[2], m[3], m[4], m[5]};
  return true;
}

// --- the brush base ---

GdipBrush::~GdipBrush() { Delete(); }

void GdipBrush::StoreHandle(void* h) {
  brush_ = static_cast<Gdiplus::GpBrush*>(h);
  StoreBrushHandle(h);
}

bool GdipBrush::Delete() {
  if (!brush_) return false;
  const bool ok = RecordStatus(api::GdipDeleteBrush(brush_));
  SetHandle(nullptr);
  return ok;
}

Gdiplus::Status GdipBrush::CheckKind(Gdiplus::GpBrush* brush) const {
  const auto kind = Kind();
  if (!kind || !brush) return Gdiplus::Ok;
  Gdiplus::BrushType type;
  const Gdiplus::Status status = api::GdipGetBrushType(brush, &type);
  if (status != Gdiplus::Ok) return status;
  return type == *kind ? Gdiplus::Ok : Gdiplus::InvalidParameter;
}

bool GdipBrush::Adopt(Gdiplus::GpBrush* brush) {
  if (const Gdiplus::Status status = CheckKind(brush); status != Gdiplus::Ok) {
    api::GdipDeleteBrush(brush);
    return RecordStatus(status);
  }
  Delete();
  SetHandle(brush);
  return RecordStatus(Gdiplus::Ok);
}

bool GdipBrush::Clone(GdipBrush& target) const {
  Gdiplus::GpBrush* copy = nullptr;
  Gdiplus::Status status = api::GdipCloneBrush(brush_, &copy);
  if (status == Gdiplus::Ok) {
    status = target.CheckKind(copy);
    if (status != Gdiplus::Ok) api::GdipDeleteBrush(copy);
  }
  return TakeClone(*this, target, status, copy);
}

bool GdipBrush::GetType(Gdiplus::BrushType* type) const {
  return RecordStatus(api::GdipGetBrushType(brush_, type));
}

// --- linear gradient: creation ---

// The concrete brushes delete while their own field still exists, so it is cleared too.
GdipLinearBrush::~GdipLinearBrush() { Delete(); }

template <typename CreateFn>
bool GdipLinearBrush::Recreate(CreateFn create) {
  Delete();
  Gdiplus::GpLineGradient* created = nullptr;
  const bool ok = RecordStatus(create(&created));
  SetHandle(created);
  return ok;
}

bool GdipLinearBrush::CreateLine(const Gdiplus::PointF& point1, const Gdiplus::PointF& point2,
                                 Gdiplus::ARGB color1, Gdiplus::ARGB color2,
                                 Gdiplus::WrapMode wrap) {
  return Recreate([&](Gdiplus::GpLineGradient** out) {
    return api::GdipCreateLineBrush(&point1, &point2, color1, color2, wrap, out);
  });
}

bool GdipLinearBrush::CreateLineI(const Gdiplus::Point& point1, const Gdiplus::Point& point2,
                                  Gdiplus::ARGB color1, Gdiplus::ARGB color2,
                                  Gdiplus::WrapMode wrap) {
  return Recreate([&](Gdiplus::GpLineGradient** out) {
    return api::GdipCreateLineBrushI(&point1, &point2, color1, color2, wrap, out);
  });
}

bool GdipLinearBrush::CreateFromRect(const RectF& rect, Gdiplus::ARGB color1,
                                     Gdiplus::ARGB color2, Gdiplus::LinearGradientMode mode,
                                     Gdiplus::WrapMode wrap) {
  const Gdiplus::RectF native = ToNative(rect);
  return Recreate([&](Gdiplus::GpLineGradient** out) {
    return api::GdipCreateLineBrushFromRect(&native, color1, color2, mode, wrap, out);
  });
}

bool GdipLinearBrush::CreateFromRectI(const Gdiplus::Rect& rect, Gdiplus::ARGB color1,
                                      Gdiplus::ARGB color2, Gdiplus::LinearGradientMode mode,
                                      Gdiplus::WrapMode wrap) {
  return Recreate([&](Gdiplus::GpLineGradient** out) {
    return api::GdipCreateLineBrushFromRectI(&rect, color1, color2, mode, wrap, out);
  });
}

bool GdipLinearBrush::CreateFromRectWithAngle(const RectF& rect, Gdiplus::ARGB color1,
                                              Gdiplus::ARGB color2, float angle,
                                              bool isAngleScalable, Gdiplus::WrapMode wrap) {
  const Gdiplus::RectF native = ToNative(rect);
  return Recreate([&](Gdiplus::GpLineGradient** out) {
    return api::GdipCreateLineBrushFromRectWithAngle(&native, color1, color2, angle,
                                                     isAngleScalable, wrap, out);
  });
}

bool GdipLinearBrush::CreateFromRectWithAngleI(const Gdiplus::Rect& rect, Gdiplus::ARGB color1,
                                               Gdiplus::ARGB color2, float angle,
                                               bool isAngleScalable, Gdiplus::WrapMode wrap) {
  return Recreate([&](Gdiplus::GpLineGradient** out) {
    return api::GdipCreateLineBrushFromRectWithAngleI(&rect, color1, color2, angle,
                                                      isAngleScalable, wrap, out);
  });
}

// --- linear gradient: colours and rectangle ---

bool GdipLinearBrush::SetColors(Gdiplus::ARGB color1, Gdiplus::ARGB color2) {
  return RecordStatus(api::GdipSetLineColors(lineGradient_, color1, color2));
}

bool GdipLinearBrush::GetColors(Gdiplus::ARGB* color1, Gdiplus::ARGB* color2) const {
  if (!color1 || !color2) return RecordStatus(Gdiplus::InvalidParameter);
  Gdiplus::ARGB colors[2];
  if (!RecordStatus(api::GdipGetLineColors(lineGradient_, colors))) return false;
  *color1 = colors[0];
  *color2 = colors[1];
  return true;
}

bool GdipLinearBrush::GetRect(RectF* rect) const {
  if (!rect) return RecordStatus(Gdiplus::InvalidParameter);
  Gdiplus::RectF native;
  if (!RecordStatus(api::GdipGetLineRect(lineGradient_, &native))) return false;
  *rect = {native.X, native.Y, native.Width, native.Height};
  return true;
}

bool GdipLinearBrush::GetRectI(Gdiplus::Rect* rect) const {
  return RecordStatus(api::GdipGetLineRectI(lineGradient_, rect));
}

bool GdipLinearBrush::SetGammaCorrection(bool useGammaCorrection) {
  return RecordStatus(api::GdipSetLineGammaCorrection(lineGradient_, useGammaCorrection));
}

bool GdipLinearBrush::GetGammaCorrection(bool* useGammaCorrection) const {
  if (!useGammaCorrection) return RecordStatus(Gdiplus::InvalidParameter);
  BOOL value = FALSE;
  if (!RecordStatus(api::GdipGetLineGammaCorrection(lineGradient_, &value))) return false;
  *useGammaCorrection = value != FALSE;
  return true;
}

// --- linear gradient: blends ---

bool GdipLinearBrush::SetBlend(std::span<const float> factors, std::span<const float> positions) {
  if (!SameLengthInt(factors.size(), positions.size()))
    return RecordStatus(Gdiplus::InvalidParameter);
  return RecordStatus(api::GdipSetLineBlend(lineGradient_, factors.data(), positions.data(),
                                            static_cast<INT>(factors.size())));
}

bool GdipLinearBrush::GetBlendCount(INT* count) const {
  return RecordStatus(api::GdipGetLineBlendCount(lineGradient_, count));
}

bool GdipLinearBrush::GetBlend(std::span<float> factors, std::span<float> positions) const {
  if (!SameLengthInt(factors.size(), positions.size()))
    return RecordStatus(Gdiplus::InvalidParameter);
  return RecordStatus(api::GdipGetLineBlend(lineGradient_, factors.data(), positions.data(),
                                            static_cast<INT>(factors.size())));
}

bool GdipLinearBrush::SetPresetBlend(std::span<const Gdiplus::ARGB> colors,
                                     std::span<const float> positions) {
  if (!SameLengthInt(colors.size(), positions.size()))
    return RecordStatus(Gdiplus::InvalidParameter);
  return RecordStatus(api::GdipSetLinePresetBlend(lineGradient_, colors.data(), positions.data(),
                                                  static_cast<INT>(colors.size())));
}

bool GdipLinearBrush::GetPresetBlendCount(INT* count) const {
  return RecordStatus(api::GdipGetLinePresetBlendCount(lineGradient_, count));
}

bool GdipLinearBrush::GetPresetBlend(std::span<Gdiplus::ARGB> colors,
                                     std::span<float> positions) const {
  if (!SameLengthInt(colors.size(), positions.size()))
    return RecordStatus(Gdiplus::InvalidParameter);
  return RecordStatus(api::GdipGetLinePresetBlend(lineGradient_, colors.data(), positions.data(),
                                                  static_cast<INT>(colors.size())));
}

bool GdipLinearBrush::SetSigmaBlend(float focus, float scale) {
  return RecordStatus(api::GdipSetLineSigmaBlend(lineGradient_, focus, scale));
}

bool GdipLinearBrush::SetLinearBlend(float focus, float scale) {
  return RecordStatus(api::GdipSetLineLinearBlend(lineGradient_, focus, scale));
}

// --- linear gradient: wrap mode and transform ---

bool GdipLinearBrush::SetWrapMode(Gdiplus::WrapMode wrap) {
  return RecordStatus(api::GdipSetLineWrapMode(lineGradient_, wrap));
}

bool GdipLinearBrush::GetWrapMode(Gdiplus::WrapMode* wrap) const {
  return RecordStatus(api::GdipGetLineWrapMode(lineGradient_, wrap));
}

bool GdipLinearBrush::GetTransform(MatrixElements* elements) const {
  ScopedMatrix matrix;
  if (!matrix.get()) return false;
  if (!RecordStatus(api::GdipGetLineTransform(lineGradient_, matrix.get()))) return false;
  return matrix.Read(elements);
}

bool GdipLinearBrush::SetTransform(const MatrixElements& elements) {
  ScopedMatrix matrix(elements);
  if (!matrix.get()) return false;
  return RecordStatus(api::GdipSetLineTransform(lineGradient_, matrix.get()));
}

bool GdipLinearBrush::ResetTransform() {
  return RecordStatus(api::GdipResetLineTransform(lineGradient_));
}

bool GdipLinearBrush::MultiplyTransform(const MatrixElements& elements,
                                        Gdiplus::MatrixOrder order) {
  ScopedMatrix matrix(elements);
  if (!matrix.get()) return false;
  return RecordStatus(api::GdipMultiplyLineTransform(lineGradient_, matrix.get(), order));
}

bool GdipLinearBrush::TranslateTransform(float dx, float dy, Gdiplus::MatrixOrder order) {
  return RecordStatus(api::GdipTranslateLineTransform(lineGradient_, dx, dy, order));
}

bool GdipLinearBrush::ScaleTransform(float sx, float sy, Gdiplus::MatrixOrder order) {
  return RecordStatus(api::GdipScaleLineTransform(lineGradient_, sx, sy, order));
}

bool GdipLinearBrush::RotateTransform(float angle, Gdiplus::MatrixOrder order) {
  return RecordStatus(api::GdipRotateLineTransform(lineGradient_, angle, order));
}

// --- solid ---

GdipSolidBrush::~GdipSolidBrush() { Delete(); }

bool GdipSolidBrush::Create(Gdiplus::ARGB color) {
  Delete();
  Gdiplus::GpSolidFill* created = nullptr;
  const bool ok = RecordStatus(api::GdipCreateSolidFill(color, &created));
  SetHandle(created);
  return ok;
}

bool GdipSolidBrush::SetColor(Gdiplus::ARGB color) {
  return RecordStatus(api::GdipSetSolidFillColor(solidFill_, color));
}

bool GdipSolidBrush::GetColor(Gdiplus::ARGB* color) const {
  return RecordStatus(api::GdipGetSolidFillColor(solidFill_, color));
}

}  // namespace draw
