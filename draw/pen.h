#pragma once
#include "draw/gdip_object.h"

namespace draw {

class GdipPen : public GdipObject {
 public:
  GdipPen() = default;
  ~GdipPen() override;

  Gdiplus::GpPen* PenHandle() const { return pen_; }

  // Deletes the native pen. False when there was none (last status unchanged).
  bool Delete();

  // A solid pen of an ARGB colour and a width in the given unit. Deletes the pen held before.
  // Recorded.
  bool Create(Gdiplus::ARGB color, float width, Gdiplus::Unit unit);

 protected:
  void StoreHandle(void* h) override { pen_ = static_cast<Gdiplus::GpPen*>(h); }

 private:
  Gdiplus::GpPen* pen_ = nullptr;
};

}  // namespace draw
