#include "draw/image.h"

#include <cwchar>
#include <string>
#include <vector>

#include "draw/api_wrappers.h"
#include "draw/to_wide.h"

namespace draw {
namespace {

template <typename T>
bool Aligned(const void* p) {
  return reinterpret_cast<std::uintptr_t>(p) % alignof(T) == 0;
}

// GDI+ takes list lengths as UINT or INT; a span longer than that cannot be passed on.
bool FitsInt(size_t size) { return size <= 0x7FFFFFFF; }

// Looks through the installed encoders for the first that accepts, and records the outcome:
// UnknownImageFormat when none does.
template <typename Accepts>
bool FindCodec(Accepts accepts, CLSID* encoder) {
  if (!encoder) return RecordStatus(Gdiplus::InvalidParameter);
  UINT count = 0, size = 0;
  if (!RecordStatus(api::GdipGetImageEncodersSize(&count, &size))) return false;
  // The codec records come first in the buffer, followed by the texts they point to.
  std::vector<Gdiplus::ImageCodecInfo> codecs((size + sizeof(Gdiplus::ImageCodecInfo) - 1) /
                                              sizeof(Gdiplus::ImageCodecInfo));
  if (count > codecs.size()) return RecordStatus(Gdiplus::GenericError);
  if (size && !RecordStatus(api::GdipGetImageEncoders(count, size, codecs.data()))) return false;
  for (UINT i = 0; i < count; ++i) {
    if (accepts(codecs[i])) {
      *encoder = codecs[i].Clsid;
      return true;
    }
  }
  return RecordStatus(Gdiplus::UnknownImageFormat);
}

}  // namespace

// Disposes the image first; the stream member is destroyed (and released) after this body.
GdipImage::~GdipImage() { Dispose(); }

bool GdipImage::Dispose() {
  if (!image_) return false;
  const bool ok = DeleteWith(image_, api::GdipDisposeImage);
  stream_.Release();
  return ok;
}

// --- loading and cloning ---

bool GdipImage::LoadFromFile(std::string_view path, bool useColorManagement) {
  Dispose();
  // Bytes kept from an earlier failed load are of no more use.
  stream_.Release();
  const std::wstring wide = ToWide(path);
  Gdiplus::GpImage* loaded = nullptr;
  const Gdiplus::Status status = useColorManagement
                                     ? api::GdipLoadImageFromFileICM(wide.c_str(), &loaded)
                                     : api::GdipLoadImageFromFile(wide.c_str(), &loaded);
  SetHandle(status == Gdiplus::Ok ? loaded : nullptr);
  return RecordStatus(status);
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

bool GdipImage::HandOver(Gdiplus::Status status, Gdiplus::GpImage* image, GdipImage& target) const {
  // A failed copy of an image into itself leaves it as it was.
  if (status != Gdiplus::Ok && &target == this) return RecordStatus(status);
  // Kept aside first: target may be this image.
  MemoryStream source;
  source.Share(stream_);
  target.Dispose();
  if (status == Gdiplus::Ok) {
    target.SetHandle(image);
    target.stream_.Share(source);
  }
  return RecordStatus(status);
}

bool GdipImage::Clone(GdipImage& target) const {
  Gdiplus::GpImage* copy = nullptr;
  const Gdiplus::Status status = api::GdipCloneImage(image_, &copy);
  return HandOver(status, copy, target);
}

// --- saving ---

bool GdipImage::FindEncoder(std::string_view mimeType, CLSID* encoder) {
  const std::wstring wide = ToWide(mimeType);
  return FindCodec(
      [&](const Gdiplus::ImageCodecInfo& codec) {
        return codec.MimeType && _wcsicmp(codec.MimeType, wide.c_str()) == 0;
      },
      encoder);
}

bool GdipImage::FindOwnEncoder(CLSID* encoder) const {
  GUID format;
  if (!GetRawFormat(&format)) return false;
  if (IsEqualGUID(format, image_guids::kMemoryBmp)) format = image_guids::kBmp;
  return FindCodec(
      [&](const Gdiplus::ImageCodecInfo& codec) { return IsEqualGUID(codec.FormatID, format); },
      encoder);
}

bool GdipImage::ChooseEncoder(std::string_view mimeType, CLSID* encoder) const {
  return mimeType.empty() ? FindOwnEncoder(encoder) : FindEncoder(mimeType, encoder);
}

bool GdipImage::SaveToFile(std::string_view path, std::string_view mimeType,
                           const Gdiplus::EncoderParameters* parameters) const {
  CLSID encoder;
  if (!ChooseEncoder(mimeType, &encoder)) return false;
  const std::wstring wide = ToWide(path);
  return RecordStatus(api::GdipSaveImageToFile(image_, wide.c_str(), &encoder, parameters));
}

bool GdipImage::SaveToStream(MemoryStream& out, std::string_view mimeType,
                             const Gdiplus::EncoderParameters* parameters) const {
  CLSID encoder;
  if (!ChooseEncoder(mimeType, &encoder)) return false;
  IStream* stream = out.OpenEmpty();
  if (!stream) return RecordStatus(Gdiplus::OutOfMemory);
  return RecordStatus(api::GdipSaveImageToStream(image_, stream, &encoder, parameters));
}

bool GdipImage::SaveAdd(const Gdiplus::EncoderParameters* parameters) {
  return RecordStatus(api::GdipSaveAdd(image_, parameters));
}

bool GdipImage::SaveAddImage(const GdipImage& frame, const Gdiplus::EncoderParameters* parameters) {
  return RecordStatus(api::GdipSaveAddImage(image_, frame.image_, parameters));
}

bool GdipImage::GetEncoderParameterListSize(const CLSID& encoder, UINT* size) const {
  return RecordStatus(api::GdipGetEncoderParameterListSize(image_, &encoder, size));
}

bool GdipImage::GetEncoderParameterList(const CLSID& encoder,
                                        std::span<std::uint8_t> buffer) const {
  if (!FitsInt(buffer.size()) || !Aligned<Gdiplus::EncoderParameters>(buffer.data()))
    return RecordStatus(Gdiplus::InvalidParameter);
  return RecordStatus(api::GdipGetEncoderParameterList(
      image_, &encoder, static_cast<UINT>(buffer.size()),
      reinterpret_cast<Gdiplus::EncoderParameters*>(buffer.data())));
}

// --- queries ---

bool GdipImage::GetRawFormat(GUID* format) const {
  return RecordStatus(api::GdipGetImageRawFormat(image_, format));
}

bool GdipImage::GetBounds(RectF* bounds, Gdiplus::Unit* unit) const {
  if (!bounds || !unit) return RecordStatus(Gdiplus::InvalidParameter);
  Gdiplus::RectF native;
  Gdiplus::Unit nativeUnit;
  if (!RecordStatus(api::GdipGetImageBounds(image_, &native, &nativeUnit))) return false;
  *bounds = {native.X, native.Y, native.Width, native.Height};
  *unit = nativeUnit;
  return true;
}

bool GdipImage::GetDimension(float* width, float* height) const {
  return RecordStatus(api::GdipGetImageDimension(image_, width, height));
}

bool GdipImage::GetType(Gdiplus::ImageType* type) const {
  return RecordStatus(api::GdipGetImageType(image_, type));
}

bool GdipImage::GetWidth(UINT* width) const {
  return RecordStatus(api::GdipGetImageWidth(image_, width));
}

bool GdipImage::GetHeight(UINT* height) const {
  return RecordStatus(api::GdipGetImageHeight(image_, height));
}

bool GdipImage::GetHorizontalResolution(float* dpi) const {
  return RecordStatus(api::GdipGetImageHorizontalResolution(image_, dpi));
}

bool GdipImage::GetVerticalResolution(float* dpi) const {
  return RecordStatus(api::GdipGetImageVerticalResolution(image_, dpi));
}

bool GdipImage::GetFlags(UINT* flags) const {
  return RecordStatus(api::GdipGetImageFlags(image_, flags));
}

bool GdipImage::GetPixelFormat(Gdiplus::PixelFormat* format) const {
  return RecordStatus(api::GdipGetImagePixelFormat(image_, format));
}

bool GdipImage::GetThumbnail(UINT width, UINT height, GdipImage& target) const {
  Gdiplus::GpImage* thumbnail = nullptr;
  const Gdiplus::Status status =
      api::GdipGetImageThumbnail(image_, width, height, &thumbnail, nullptr, nullptr);
  return HandOver(status, thumbnail, target);
}

// --- frames ---

bool GdipImage::GetFrameDimensionsCount(UINT* count) const {
  return RecordStatus(api::GdipImageGetFrameDimensionsCount(image_, count));
}

bool GdipImage::GetFrameDimensionsList(std::span<GUID> dimensions) const {
  if (!FitsInt(dimensions.size())) return RecordStatus(Gdiplus::InvalidParameter);
  return RecordStatus(api::GdipImageGetFrameDimensionsList(image_, dimensions.data(),
                                                           static_cast<UINT>(dimensions.size())));
}

bool GdipImage::GetFrameCount(const GUID& dimension, UINT* count) const {
  return RecordStatus(api::GdipImageGetFrameCount(image_, &dimension, count));
}

bool GdipImage::SelectActiveFrame(const GUID& dimension, UINT index) {
  return RecordStatus(api::GdipImageSelectActiveFrame(image_, &dimension, index));
}

bool GdipImage::RotateFlip(Gdiplus::RotateFlipType type) {
  return RecordStatus(api::GdipImageRotateFlip(image_, type));
}

// --- property items ---

bool GdipImage::GetPropertyCount(UINT* count) const {
  return RecordStatus(api::GdipGetPropertyCount(image_, count));
}

bool GdipImage::GetPropertyIdList(std::span<PROPID> ids) const {
  if (!FitsInt(ids.size())) return RecordStatus(Gdiplus::InvalidParameter);
  return RecordStatus(
      api::GdipGetPropertyIdList(image_, static_cast<UINT>(ids.size()), ids.data()));
}

bool GdipImage::GetPropertyItemSize(PROPID id, UINT* size) const {
  return RecordStatus(api::GdipGetPropertyItemSize(image_, id, size));
}

bool GdipImage::GetPropertyItem(PROPID id, std::span<std::uint8_t> buffer) const {
  if (!FitsInt(buffer.size()) || !Aligned<Gdiplus::PropertyItem>(buffer.data()))
    return RecordStatus(Gdiplus::InvalidParameter);
  return RecordStatus(
      api::GdipGetPropertyItem(image_, id, static_cast<UINT>(buffer.size()),
                               reinterpret_cast<Gdiplus::PropertyItem*>(buffer.data())));
}

bool GdipImage::SetPropertyItem(const Gdiplus::PropertyItem& item) {
  return RecordStatus(api::GdipSetPropertyItem(image_, &item));
}

bool GdipImage::RemovePropertyItem(PROPID id) {
  return RecordStatus(api::GdipRemovePropertyItem(image_, id));
}

// --- palette ---

bool GdipImage::GetPaletteSize(INT* size) const {
  return RecordStatus(api::GdipGetImagePaletteSize(image_, size));
}

bool GdipImage::GetPalette(std::span<std::uint8_t> buffer) const {
  if (!FitsInt(buffer.size()) || !Aligned<Gdiplus::ColorPalette>(buffer.data()))
    return RecordStatus(Gdiplus::InvalidParameter);
  return RecordStatus(
      api::GdipGetImagePalette(image_, reinterpret_cast<Gdiplus::ColorPalette*>(buffer.data()),
                               static_cast<INT>(buffer.size())));
}

bool GdipImage::SetPalette(const Gdiplus::ColorPalette& palette) {
  return RecordStatus(api::GdipSetImagePalette(image_, &palette));
}

}  // namespace draw
