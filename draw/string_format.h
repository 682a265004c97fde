#pragma once
#include "draw/gdip_object.h"

namespace draw {

// A GDI+ string format. An object that holds none makes the surface's DrawString use GDI+'s
// default format.
class GdipStringFormat : public GdipObject {
 public:
  GdipStringFormat() = default;
  ~GdipStringFormat() override;

  Gdiplus::GpStringFormat* FormatHandle() const { return format_; }

  // Deletes the native format. False when there was none (last status unchanged).
  bool Delete();

 protected:
  void StoreHandle(void* h) override { format_ = static_cast<Gdiplus::GpStringFormat*>(h); }

 private:
  Gdiplus::GpStringFormat* format_ = nullptr;
};

}  // namespace draw
