#pragma once
// A GDI+ pen: creation from a colour or a brush, and its width, caps, joins, dashes, compound
// lines, alignment, transform and fill.
#include <span>

#include "draw/brushes.h"
#include "draw/gdip_object.h"

namespace draw {

// Every operation except Delete is recorded; getters leave their output alone on failure.
class GdipPen : public GdipObject {
 public:
  GdipPen() = default;
  ~GdipPen() override;

  Gdiplus::GpPen* PenHandle() const { return pen_; }

  // Deletes the native pen. False when there was none (last status unchanged).
  bool Delete();

  // --- creation: each deletes the pen held before ---
  // A solid pen of an ARGB colour and a width in the given unit.
  bool Create(Gdiplus::ARGB color, float width, Gdiplus::Unit unit);
  // A pen that fills its strokes with (a copy of) brush.
  bool CreateFromBrush(const GdipBrush& brush, float width, Gdiplus::Unit unit);
  // Makes target hold a copy of this pen (its old pen is deleted).
  bool Clone(GdipPen& target) const;

  // --- width and unit ---
  bool SetWidth(float width);
  bool GetWidth(float* width) const;
  bool SetUnit(Gdiplus::Unit unit);
  bool GetUnit(Gdiplus::Unit* unit) const;

  // --- caps and joins ---
  bool SetLineCap(Gdiplus::LineCap startCap, Gdiplus::LineCap endCap, Gdiplus::DashCap dashCap);
  bool SetStartCap(Gdiplus::LineCap cap);
  bool SetEndCap(Gdiplus::LineCap cap);
  bool SetDashCap(Gdiplus::DashCap cap);
  bool GetStartCap(Gdiplus::LineCap* cap) const;
  bool GetEndCap(Gdiplus::LineCap* cap) const;
  bool GetDashCap(Gdiplus::DashCap* cap) const;
  bool SetLineJoin(Gdiplus::LineJoin join);
  bool GetLineJoin(Gdiplus::LineJoin* join) const;
  // The pen keeps its own copy of cap. The getters hand out a new copy that the caller deletes
  // with api::GdipDeleteCustomLineCap.
  bool SetCustomStartCap(Gdiplus::GpCustomLineCap* cap);
  bool GetCustomStartCap(Gdiplus::GpCustomLineCap** cap) const;
  bool SetCustomEndCap(Gdiplus::GpCustomLineCap* cap);
  bool GetCustomEndCap(Gdiplus::GpCustomLineCap** cap) const;
  bool SetMiterLimit(float miterLimit);
  bool GetMiterLimit(float* miterLimit) const;
  // Where the stroke lies relative to the line (centred or inset).
  bool SetMode(Gdiplus::PenAlignment alignment);
  bool GetMode(Gdiplus::PenAlignment* alignment) const;

  // --- transform ---
  bool SetTransform(const MatrixElements& elements);
  bool GetTransform(MatrixElements* elements) const;
  bool ResetTransform();
  bool MultiplyTransform(const MatrixElements& elements,
                         Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend);
  bool RotateTransform(float angle, Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend);
  bool ScaleTransform(float sx, float sy, Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend);
  bool TranslateTransform(float dx, float dy,
                          Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend);

  // --- colour and fill ---
  bool SetColor(Gdiplus::ARGB color);
  bool GetColor(Gdiplus::ARGB* color) const;
  // The pen keeps its own copy of brush.
  bool SetBrushFill(const GdipBrush& brush);
  // Makes brush hold a copy of the pen's fill (see GdipBrush::Adopt for the kinds it takes).
  bool GetBrushFill(GdipBrush& brush) const;
  bool GetFillType(Gdiplus::PenType* type) const;

  // --- dashes and compound lines ---
  bool GetDashStyle(Gdiplus::DashStyle* style) const;
  bool SetDashStyle(Gdiplus::DashStyle style);
  bool GetDashOffset(float* offset) const;
  bool SetDashOffset(float offset);
  bool GetDashCount(INT* count) const;
  // Dash and gap lengths in multiples of the width; sets the dash style to custom.
  bool SetDashArray(std::span<const float> dashes);
  // dashes no longer than GetDashCount says (GDI+ refuses longer ones).
  bool GetDashArray(std::span<float> dashes) const;
  bool GetCompoundCount(INT* count) const;
  // Edges of the parallel lines as rising fractions of the width (0..1), an even number of them.
  bool SetCompoundArray(std::span<const float> edges);
  bool GetCompoundArray(std::span<float> edges) const;

 protected:
  void StoreHandle(void* h) override { pen_ = static_cast<Gdiplus::GpPen*>(h); }

 private:
  Gdiplus::GpPen* pen_ = nullptr;
};

}  // namespace draw
