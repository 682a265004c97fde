#include "draw/string_format.h"

#include "draw/api.h"

namespace draw {

GdipStringFormat::~GdipStringFormat() { Delete(); }

bool GdipStringFormat::Delete() {
  if (!format_) return false;
  const bool ok = RecordStatus(api::GdipDeleteStringFormat(format_));
  SetHandle(nullptr);
  return ok;
}

}  // namespace draw
