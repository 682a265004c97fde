#pragma once
// GDI+ brushes: the common base with the brush handle, and the linear-gradient and solid brushes.
// Also the matrix elements through which the transforms of brushes and pens are set and read.
#include <optional>
#include <span>

#include "draw/gdip_object.h"

namespace draw {

// The six elements of an affine transform in GDI+'s order: a point (x, y) goes to
// (m11·x + m21·y + dx, m12·x + m22·y + dy). The default is the identity.
struct MatrixElements {
  float m11 = 1;
  float m12 = 0;
  float m21 = 0;
  float m22 = 1;
  float dx = 0;
  float dy = 0;
};

// A native matrix that lives for one call. Creation is recorded when it fails.
class ScopedMatrix {
 public:
  explicit ScopedMatrix(const MatrixElements& elements = {});
  ~ScopedMatrix();
  ScopedMatrix(const ScopedMatrix&) = delete;
  ScopedMatrix& operator=(const ScopedMatrix&) = delete;

  // Null when the matrix could not be created (the failure is then the last status).
  Gdiplus::GpMatrix* get() const { return matrix_; }
  // Reads the elements back. Recorded.
  bool Read(MatrixElements* elements) const;

 private:
  Gdiplus::GpMatrix* matrix_ = nullptr;
};

// Every operation except Delete is recorded; getters leave their output alone on failure.
class GdipBrush : public GdipObject {
 public:
  GdipBrush() = default;
  ~GdipBrush() override;

  // The handle every brush has, whatever its kind; what drawing operations are given.
  Gdiplus::GpBrush* BrushHandle() const { return brush_; }

  // Deletes the native brush. False when there was none (last status unchanged).
  bool Delete();

  // Makes target hold a copy of this brush (its old brush is deleted). A concrete target takes
  // only a brush of its own kind; a plain GdipBrush takes any. On failure target is left empty,
  // as after any clone of the wrapper classes, unless target is this brush: then it is kept.
  bool Clone(GdipBrush& target) const;
  bool GetType(Gdiplus::BrushType* type) const;

  // Takes over a native brush that the caller owns: deletes the brush held before and holds
  // brush. A brush of a kind this object cannot hold is deleted instead and InvalidParameter
  // recorded. Recorded (the type query).
  bool Adopt(Gdiplus::GpBrush* brush);

 protected:
  void StoreHandle(void* h) final;
  // Stores h in the concrete brush's own field.
  virtual void StoreBrushHandle(void* h) { (void)h; }
  // The kind of brush a concrete class holds; none for the plain base.
  virtual std::optional<Gdiplus::BrushType> Kind() const { return std::nullopt; }

 private:
  // Ok when this object can hold brush (a null brush included), else the reason it cannot.
  Gdiplus::Status CheckKind(Gdiplus::GpBrush* brush) const;

  Gdiplus::GpBrush* brush_ = nullptr;
};

class GdipLinearBrush : public GdipBrush {
 public:
  GdipLinearBrush() = default;
  ~GdipLinearBrush() override;

  Gdiplus::GpLineGradient* LineGradientHandle() const { return lineGradient_; }

  // --- creation: each deletes the brush held before ---
  // From color1 at point1 to color2 at point2.
  bool CreateLine(const Gdiplus::PointF& point1, const Gdiplus::PointF& point2,
                  Gdiplus::ARGB color1, Gdiplus::ARGB color2,
                  Gdiplus::WrapMode wrap = Gdiplus::WrapModeTile);
  bool CreateLineI(const Gdiplus::Point& point1, const Gdiplus::Point& point2, Gdiplus::ARGB color1,
                   Gdiplus::ARGB color2, Gdiplus::WrapMode wrap = Gdiplus::WrapModeTile);
  // Over rect from color1 to color2 in the given direction, tiled beyond it.
  bool CreateFromRect(const RectF& rect, Gdiplus::ARGB color1, Gdiplus::ARGB color2,
                      Gdiplus::LinearGradientMode mode,
                      Gdiplus::WrapMode wrap = Gdiplus::WrapModeTile);
  bool CreateFromRectI(const Gdiplus::Rect& rect, Gdiplus::ARGB color1, Gdiplus::ARGB color2,
                       Gdiplus::LinearGradientMode mode,
                       Gdiplus::WrapMode wrap = Gdiplus::WrapModeTile);
  // Along a direction angle degrees clockwise from the x axis.
  bool CreateFromRectWithAngle(const RectF& rect, Gdiplus::ARGB color1, Gdiplus::ARGB color2,
                               float angle, bool isAngleScalable,
                               Gdiplus::WrapMode wrap = Gdiplus::WrapModeTile);
  bool CreateFromRectWithAngleI(const Gdiplus::Rect& rect, Gdiplus::ARGB color1,
                                Gdiplus::ARGB color2, float angle, bool isAngleScalable,
                                Gdiplus::WrapMode wrap = Gdiplus::WrapModeTile);

  // --- colours and rectangle ---
  bool SetColors(Gdiplus::ARGB color1, Gdiplus::ARGB color2);
  bool GetColors(Gdiplus::ARGB* color1, Gdiplus::ARGB* color2) const;
  bool GetRect(RectF* rect) const;
  bool GetRectI(Gdiplus::Rect* rect) const;
  bool SetGammaCorrection(bool useGammaCorrection);
  bool GetGammaCorrection(bool* useGammaCorrection) const;

  // --- blends: factors (0..1 of color2) or colours at positions (0..1 along the gradient) ---
  // The two lists must be equally long, else InvalidParameter is recorded.
  bool SetBlend(std::span<const float> factors, std::span<const float> positions);
  bool GetBlendCount(INT* count) const;
  // Both lists as long as GetBlendCount says (GDI+ refuses shorter ones).
  bool GetBlend(std::span<float> factors, std::span<float> positions) const;
  bool SetPresetBlend(std::span<const Gdiplus::ARGB> colors, std::span<const float> positions);
  bool GetPresetBlendCount(INT* count) const;
  bool GetPresetBlend(std::span<Gdiplus::ARGB> colors, std::span<float> positions) const;
  // A bell-shaped and a triangular fall-off with the peak at focus (0..1), scaled by scale.
  bool SetSigmaBlend(float focus, float scale);
  bool SetLinearBlend(float focus, float scale);

  // --- wrap mode and transform ---
  bool SetWrapMode(Gdiplus::WrapMode wrap);
  bool GetWrapMode(Gdiplus::WrapMode* wrap) const;
  bool GetTransform(MatrixElements* elements) const;
  bool SetTransform(const MatrixElements& elements);
  bool ResetTransform();
  bool MultiplyTransform(const MatrixElements& elements,
                         Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend);
  bool TranslateTransform(float dx, float dy,
                          Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend);
  bool ScaleTransform(float sx, float sy, Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend);
  bool RotateTransform(float angle, Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend);

 protected:
  void StoreBrushHandle(void* h) override {
    lineGradient_ = static_cast<Gdiplus::GpLineGradient*>(h);
  }
  std::optional<Gdiplus::BrushType> Kind() const override {
    return Gdiplus::BrushTypeLinearGradient;
  }

 private:
  // Deletes the brush held before, then holds what create made. Recorded.
  template <typename CreateFn>
  bool Recreate(CreateFn create);

  Gdiplus::GpLineGradient* lineGradient_ = nullptr;
};

class GdipSolidBrush : public GdipBrush {
 public:
  GdipSolidBrush() = default;
  ~GdipSolidBrush() override;

  Gdiplus::GpSolidFill* SolidFillHandle() const { return solidFill_; }

  // A brush of one ARGB colour. Deletes the brush held before.
  bool Create(Gdiplus::ARGB color);
  bool SetColor(Gdiplus::ARGB color);
  bool GetColor(Gdiplus::ARGB* color) const;

 protected:
  void StoreBrushHandle(void* h) override { solidFill_ = static_cast<Gdiplus::GpSolidFill*>(h); }
  std::optional<Gdiplus::BrushType> Kind() const override { return Gdiplus::BrushTypeSolidColor; }

 private:
  Gdiplus::GpSolidFill* solidFill_ = nullptr;
};

}  // namespace draw
