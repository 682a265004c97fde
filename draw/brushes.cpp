#include "draw/brushes.h"

#include "draw/api.h"

namespace draw {

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

// The concrete brushes delete while their own field still exists, so it is cleared too.
GdipLinearBrush::~GdipLinearBrush() { Delete(); }

bool GdipLinearBrush::CreateFromRect(const RectF& rect, Gdiplus::ARGB color1,
                                     Gdiplus::ARGB color2, Gdiplus::LinearGradientMode mode) {
  Delete();
  const Gdiplus::RectF native(rect.x, rect.y, rect.width, rect.height);
  Gdiplus::GpLineGradient* created = nullptr;
  const bool ok = RecordStatus(api::GdipCreateLineBrushFromRect(
      &native, color1, color2, mode, Gdiplus::WrapModeTile, &created));
  SetHandle(created);
  return ok;
}

GdipSolidBrush::~GdipSolidBrush() { Delete(); }

bool GdipSolidBrush::Create(Gdiplus::ARGB color) {
  Delete();
  Gdiplus::GpSolidFill* created = nullptr;
  const bool ok = RecordStatus(api::GdipCreateSolidFill(color, &created));
  SetHandle(created);
  return ok;
}

}  // namespace draw
