#pragma once
// GDI+ brushes: the common base with the brush handle, and the linear-gradient and solid brushes.
#include "draw/gdip_object.h"

namespace draw {

class GdipBrush : public GdipObject {
 public:
  GdipBrush() = default;
  ~GdipBrush() override;

  // The handle every brush has, whatever its kind; what drawing operations are given.
  Gdiplus::GpBrush* BrushHandle() const { return brush_; }

  // Deletes the native brush. False when there was none (last status unchanged).
  bool Delete();

 protected:
  void StoreHandle(void* h) final;
  // Stores h in the concrete brush's own field.
  virtual void StoreBrushHandle(void* h) { (void)h; }

 private:
  Gdiplus::GpBrush* brush_ = nullptr;
};

class GdipLinearBrush : public GdipBrush {
 public:
  GdipLinearBrush() = default;
  ~GdipLinearBrush() override;

  Gdiplus::GpLineGradient* LineGradientHandle() const { return lineGradient_; }

  // A gradient over rect from color1 to color2 (ARGB) in the given direction, tiled beyond it.
  // Deletes the brush held before. Recorded.
  bool CreateFromRect(const RectF& rect, Gdiplus::ARGB color1, Gdiplus::ARGB color2,
                      Gdiplus::LinearGradientMode mode);

 protected:
  void StoreBrushHandle(void* h) override {
    lineGradient_ = static_cast<Gdiplus::GpLineGradient*>(h);
  }

 private:
  Gdiplus::GpLineGradient* lineGradient_ = nullptr;
};

class GdipSolidBrush : public GdipBrush {
 public:
  GdipSolidBrush() = default;
  ~GdipSolidBrush() override;

  Gdiplus::GpSolidFill* SolidFillHandle() const { return solidFill_; }

  // A brush of one ARGB colour. Deletes the brush held before. Recorded.
  bool Create(Gdiplus::ARGB color);

 protected:
  void StoreBrushHandle(void* h) override { solidFill_ = static_cast<Gdiplus::GpSolidFill*>(h); }

 private:
  Gdiplus::GpSolidFill* solidFill_ = nullptr;
};

}  // namespace draw
