#pragma once
// A GDI+ image decoded from bytes held in memory. The image owns the stream it was decoded from,
// because GDI+ may read the stream for as long as the image exists.
#include <cstdint>
#include <span>

#include "draw/gdip_object.h"
#include "draw/memory_stream.h"

namespace draw {

class GdipImage : public GdipObject {
 public:
  GdipImage() = default;
  ~GdipImage() override;

  Gdiplus::GpImage* ImageHandle() const { return image_; }
  const MemoryStream& Stream() const { return stream_; }

  // Disposes the native image, then releases the stream. False when no image is held: then the
  // stream is left as it is (last status unchanged).
  bool Dispose();

  // Decodes a complete image file (PNG, JPEG, ICO, ...). Disposes the image held before. On
  // failure the image stays empty and the stream keeps the copied bytes until the next load,
  // Dispose of a loaded image or destruction. Recorded.
  bool LoadFromBytes(std::span<const std::uint8_t> bytes, bool useColorManagement = false);

 protected:
  void StoreHandle(void* h) override { image_ = static_cast<Gdiplus::GpImage*>(h); }

 private:
  Gdiplus::GpImage* image_ = nullptr;
  MemoryStream stream_;
};

}  // namespace draw
