#include "draw/pen.h"

#include "draw/api.h"

namespace draw {

GdipPen::~GdipPen() { Delete(); }

bool GdipPen::Delete() {
  if (!pen_) return false;
  const bool ok = RecordStatus(api::GdipDeletePen(pen_));
  SetHandle(nullptr);
  return ok;
}

bool GdipPen::Create(Gdiplus::ARGB color, float width, Gdiplus::Unit unit) {
  Delete();
  Gdiplus::GpPen* created = nullptr;
  const bool ok = RecordStatus(api::GdipCreatePen1(color, width, unit, &created));
  SetHandle(created);
  return ok;
}

}  // namespace draw
