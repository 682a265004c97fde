#pragma once
// A GDI+ image loaded from a file or decoded from bytes held in memory, with its saving, frame,
// property, palette and query operations. The image owns the stream it was decoded from,
// because GDI+ may read the stream for as long as the image exists; its clones and thumbnails
// share that stream.
#include <cstdint>
#include <span>
#include <string_view>

#include "draw/gdip_object.h"
#include "draw/memory_stream.h"

namespace draw {

// GDI+'s identifiers of image formats (GdipImage::GetRawFormat) and frame dimensions.
namespace image_guids {
// The image formats' identifiers differ in their first field only.
constexpr GUID ImageFormat(unsigned long first) {
  return {first, 0x0728, 0x11d3, {0x9d, 0x7b, 0, 0, 0xf8, 0x1e, 0xf3, 0x2e}};
}
inline constexpr GUID kMemoryBmp = ImageFormat(0xb96b3caa);
inline constexpr GUID kBmp = ImageFormat(0xb96b3cab);
inline constexpr GUID kJpeg = ImageFormat(0xb96b3cae);
inline constexpr GUID kPng = ImageFormat(0xb96b3caf);
inline constexpr GUID kGif = ImageFormat(0xb96b3cb0);
inline constexpr GUID kTiff = ImageFormat(0xb96b3cb1);
inline constexpr GUID kFrameDimensionTime = {
    0x6aedbd6d, 0x3fb5, 0x418a, {0x83, 0xa6, 0x7f, 0x45, 0x22, 0x9d, 0xc8, 0x72}};
inline constexpr GUID kFrameDimensionPage = {
    0x7462dc86, 0x6180, 0x4c7e, {0x8e, 0x3f, 0xee, 0x73, 0x33, 0xa7, 0xa4, 0x83}};
}  // namespace image_guids

// Every operation except Dispose is recorded; getters leave their output alone on failure.
class GdipImage : public GdipObject {
 public:
  GdipImage() = default;
  ~GdipImage() override;

  Gdiplus::GpImage* ImageHandle() const { return image_; }
  const MemoryStream& Stream() const { return stream_; }

  // Disposes the native image, then releases the stream. False when no image is held: then the
  // stream is left as it is (last status unchanged).
  bool Dispose();

  // --- loading and cloning: each disposes the image held before ---
  // path: UTF-8.
  bool LoadFromFile(std::string_view path, bool useColorManagement = false);
  // Decodes a complete image file (PNG, JPEG, ICO, ...). On failure the image stays empty and
  // the stream keeps the copied bytes until the next load, Dispose of a loaded image or
  // destruction.
  bool LoadFromBytes(std::span<const std::uint8_t> bytes, bool useColorManagement = false);
  // Makes target hold a copy of this image (its old image is disposed).
  bool Clone(GdipImage& target) const;

  // --- saving ---
  // The encoder for a MIME type ("image/png"; UTF-8, any case). UnknownImageFormat is
  // recorded when there is none.
  static bool FindEncoder(std::string_view mimeType, CLSID* encoder);
  // The encoder for the image's own format (a bitmap made in memory saves as BMP).
  bool FindOwnEncoder(CLSID* encoder) const;
  // Saves with the encoder of mimeType, or of the image's own format when mimeType is empty.
  // parameters may be null.
  bool SaveToFile(std::string_view path, std::string_view mimeType = {},
                  const Gdiplus::EncoderParameters* parameters = nullptr) const;
  // Saves into out, which is opened empty first: out.GetBytes() gives the encoded file.
  bool SaveToStream(MemoryStream& out, std::string_view mimeType = {},
                    const Gdiplus::EncoderParameters* parameters = nullptr) const;
  // Multi-frame files: after a save with EncoderSaveFlag = MultiFrame, adds a frame (another
  // image) or, with Flush / LastFrame parameters, ends the file.
  bool SaveAdd(const Gdiplus::EncoderParameters* parameters);
  bool SaveAddImage(const GdipImage& frame, const Gdiplus::EncoderParameters* parameters);
  // The parameters the encoder takes for this image; size bytes for GetEncoderParameterList.
  bool GetEncoderParameterListSize(const CLSID& encoder, UINT* size) const;
  // buffer: at least that many bytes, suitably aligned (e.g. an array of EncoderParameters).
  bool GetEncoderParameterList(const CLSID& encoder, std::span<std::uint8_t> buffer) const;

  // --- queries ---
  bool GetRawFormat(GUID* format) const;
  bool GetBounds(RectF* bounds, Gdiplus::Unit* unit) const;
  bool GetDimension(float* width, float* height) const;
  bool GetType(Gdiplus::ImageType* type) const;
  bool GetWidth(UINT* width) const;
  bool GetHeight(UINT* height) const;
  bool GetHorizontalResolution(float* dpi) const;
  bool GetVerticalResolution(float* dpi) const;
  bool GetFlags(UINT* flags) const;  // Gdiplus::ImageFlags bits
  bool GetPixelFormat(Gdiplus::PixelFormat* format) const;
  // Makes target hold a width × height thumbnail (its old image is disposed).
  bool GetThumbnail(UINT width, UINT height, GdipImage& target) const;

  // --- frames ---
  bool GetFrameDimensionsCount(UINT* count) const;
  bool GetFrameDimensionsList(std::span<GUID> dimensions) const;
  bool GetFrameCount(const GUID& dimension, UINT* count) const;
  bool SelectActiveFrame(const GUID& dimension, UINT index);
  bool RotateFlip(Gdiplus::RotateFlipType type);

  // --- property items ---
  bool GetPropertyCount(UINT* count) const;
  bool GetPropertyIdList(std::span<PROPID> ids) const;
  bool GetPropertyItemSize(PROPID id, UINT* size) const;
  // buffer: at least GetPropertyItemSize bytes; it starts with the PropertyItem, whose value
  // points into the rest of it.
  bool GetPropertyItem(PROPID id, std::span<std::uint8_t> buffer) const;
  bool SetPropertyItem(const Gdiplus::PropertyItem& item);
  bool RemovePropertyItem(PROPID id);

  // --- palette ---
  bool GetPaletteSize(INT* size) const;
  // buffer: at least GetPaletteSize bytes; it receives a ColorPalette.
  bool GetPalette(std::span<std::uint8_t> buffer) const;
  bool SetPalette(const Gdiplus::ColorPalette& palette);

 protected:
  void StoreHandle(void* h) override { image_ = static_cast<Gdiplus::GpImage*>(h); }

 private:
  // Disposes target's image and, when status is Ok, makes it hold image, reading from this
  // image's stream; records status. A failure leaves target empty, unless it is this image.
  bool HandOver(Gdiplus::Status status, Gdiplus::GpImage* image, GdipImage& target) const;
  // The encoder of mimeType, or of the image's own format when it is empty. Recorded.
  bool ChooseEncoder(std::string_view mimeType, CLSID* encoder) const;

  Gdiplus::GpImage* image_ = nullptr;
  MemoryStream stream_;
};

}  // namespace draw
