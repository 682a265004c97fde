#include "draw/image.h"

#include "draw/api.h"

namespace draw {

// Disposes the image first; the stream member is destroyed (and released) after this body.
GdipImage::~GdipImage() { Dispose(); }

bool GdipImage::Dispose() {
  if (!image_) return false;
  const bool ok = RecordStatus(api::GdipDisposeImage(image_));
  SetHandle(nullptr);
  stream_.Release();
  return ok;
}

bool GdipImage::LoadFromBytes(std::span<const std::uint8_t> bytes, bool useColorManagement) {
  Dispose();
  IStream* stream = stream_.Open(bytes);
  Gdiplus::GpImage* loaded = nullptr;
  const Gdiplus::Status status = useColorManagement
                                     ? api::GdipLoadImageFromStreamICM(stream, &loaded)
                                     : api::GdipLoadImageFromStream(stream, &loaded);
  const bool ok = RecordStatus(status);
  SetHandle(loaded);
  return ok;
}

}  // namespace draw
