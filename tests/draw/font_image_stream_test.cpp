// Round trips through the font, font family, font collection, image and memory stream wrappers
// under real GDI+.
#include <windows.h>
#include <shlwapi.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "draw/api_wrappers.h"
#include "draw/font.h"
#include "draw/image.h"
#include "draw/last_error.h"
#include "draw/memory_stream.h"
#include "draw/to_wide.h"
#include "tests/draw/draw_test_support.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
namespace guids = draw::image_guids;

// An installed family whose name the tests can look up again.
std::string SomeInstalledFamilyName() {
  draw::GdipFontCollection installed;
  if (!installed.UseInstalledFonts()) return {};
  draw::GdipFontFamily families[1];
  INT found = 0;
  if (!installed.GetFamilyList(families, &found) || found < 1) return {};
  std::string name;
  families[0].GetFamilyName(&name);
  return name;
}

// A graphics object on a memory device context, for the font getters that want one.
class ScreenGraphics {
 public:
  ScreenGraphics() : target_(8, 8) { draw::api::GdipCreateFromHDC(target_.dc(), &graphics_); }
  ~ScreenGraphics() {
    if (graphics_) draw::api::GdipDeleteGraphics(graphics_);
  }
  Gdiplus::GpGraphics* get() const { return graphics_; }

 private:
  draw_testing::PixelTarget target_;
  Gdiplus::GpGraphics* graphics_ = nullptr;
};

// --- fonts ---

TEST(GdipFontFamilies, InstalledCollectionListsFamiliesThatCanBeLookedUpByName) {
  draw::GdipFontCollection empty;
  INT count = 0;
  EXPECT_FALSE(empty.GetFamilyCount(&count));

  draw::GdipFontCollection installed;
  ASSERT_TRUE(installed.UseInstalledFonts());
  ASSERT_TRUE(installed.GetFamilyCount(&count));
  ASSERT_GT(count, 1);
  draw::GdipFontFamily families[2];
  INT found = 0;
  ASSERT_TRUE(installed.GetFamilyList(families, &found));
  EXPECT_EQ(found, 2);
  std::string first, second;
  ASSERT_TRUE(families[0].GetFamilyName(&first));
  ASSERT_TRUE(families[1].GetFamilyName(&second));
  EXPECT_FALSE(first.empty());
  EXPECT_NE(first, second);

  // The name comes back in the form CreateFromName takes.
  draw::GdipFontFamily again;
  ASSERT_TRUE(again.CreateFromName(first, installed));
  std::string name;
  ASSERT_TRUE(again.GetFamilyName(&name));
  EXPECT_EQ(name, first);
  draw::GdipFontFamily copy;
  ASSERT_TRUE(again.Clone(copy));
  ASSERT_TRUE(copy.GetFamilyName(&name));
  EXPECT_EQ(name, first);
}

TEST(GdipFontFamilies, ChineseFamilyNameComesBackInUtf8) {
  // The prefix maps 宋体 to a font whose own name is not 宋体, so the name GDI+ gives back is
  // looked up once more: it must name the same family.
  draw::GdipFontFamily family;
  draw::GdipFontCollection installed;
  ASSERT_TRUE(family.CreateFromName("宋体", installed));
  std::string name;
  ASSERT_TRUE(family.GetFamilyName(&name));
  ASSERT_FALSE(name.empty());
  draw::GdipFontFamily same;
  ASSERT_TRUE(same.CreateFromName(name, installed)) << name;
  std::string again;
  ASSERT_TRUE(same.GetFamilyName(&again));
  EXPECT_EQ(again, name);
}

TEST(GdipFontFamilies, MetricsOfAnInstalledFamily) {
  draw::GdipFontFamily family;
  ASSERT_TRUE(family.CreateFromName(SomeInstalledFamilyName(), draw::GdipFontCollection()));
  bool available = false;
  ASSERT_TRUE(family.IsStyleAvailable(Gdiplus::FontStyleRegular, &available));
  EXPECT_TRUE(available);
  UINT16 em = 0, ascent = 0, descent = 0, spacing = 0;
  ASSERT_TRUE(family.GetEmHeight(Gdiplus::FontStyleRegular, &em));
  ASSERT_TRUE(family.GetCellAscent(Gdiplus::FontStyleRegular, &ascent));
  ASSERT_TRUE(family.GetCellDescent(Gdiplus::FontStyleRegular, &descent));
  ASSERT_TRUE(family.GetLineSpacing(Gdiplus::FontStyleRegular, &spacing));
  EXPECT_GT(em, 0);
  EXPECT_GT(ascent, descent);
  EXPECT_GT(descent, 0);
  EXPECT_GE(spacing, ascent + descent);
}

TEST(GdipFontFamilies, GenericFamiliesAreFoundOrReportedMissing) {
  // GDI+ takes the generic families from particular installed fonts; a system without them
  // answers FontFamilyNotFound, and the object stays empty.
  draw::GdipFontFamily family;
  for (auto create :
       {&draw::GdipFontFamily::CreateGenericSansSerif, &draw::GdipFontFamily::CreateGenericSerif,
        &draw::GdipFontFamily::CreateGenericMonospace}) {
    if ((family.*create)()) {
      std::string name;
      ASSERT_TRUE(family.GetFamilyName(&name));
      EXPECT_FALSE(name.empty());
      EXPECT_EQ(family.GetHandle(), family.FamilyHandle());
    } else {
      EXPECT_EQ(draw::LastStatus(), Gdiplus::FontFamilyNotFound);
      EXPECT_EQ(family.GetHandle(), nullptr);
    }
  }
}

TEST(GdipFontFamilies, FontSizeStyleUnitFamilyAndHeights) {
  const std::string familyName = SomeInstalledFamilyName();
  ASSERT_FALSE(familyName.empty());
  draw::GdipFontFamily family;
  ASSERT_TRUE(family.CreateFromName(familyName, draw::GdipFontCollection()));
  draw::GdipFont font;
  ASSERT_TRUE(font.CreateFromFamily(
      family, 12.5f, Gdiplus::FontStyleBold | Gdiplus::FontStyleItalic, Gdiplus::UnitPoint));
  float size = 0;
  INT style = 0;
  Gdiplus::Unit unit{};
  ASSERT_TRUE(font.GetSize(&size));
  ASSERT_TRUE(font.GetStyle(&style));
  ASSERT_TRUE(font.GetUnit(&unit));
  EXPECT_EQ(size, 12.5f);
  EXPECT_EQ(style, Gdiplus::FontStyleBold | Gdiplus::FontStyleItalic);
  EXPECT_EQ(unit, Gdiplus::UnitPoint);

  draw::GdipFontFamily back;
  ASSERT_TRUE(font.GetFamily(back));
  std::string name;
  ASSERT_TRUE(back.GetFamilyName(&name));
  EXPECT_EQ(name, familyName);

  float at96 = 0, at192 = 0;
  ASSERT_TRUE(font.GetHeightGivenDPI(96, &at96));
  ASSERT_TRUE(font.GetHeightGivenDPI(192, &at192));
  EXPECT_GT(at96, 12.5f);
  EXPECT_NEAR(at192, 2 * at96, 0.01);
  ScreenGraphics graphics;
  ASSERT_NE(graphics.get(), nullptr);
  float height = 0;
  ASSERT_TRUE(font.GetHeight(graphics.get(), &height));
  EXPECT_GT(height, 0);

  LOGFONTW logfont{};
  ASSERT_TRUE(font.GetLogFont(graphics.get(), &logfont));
  EXPECT_EQ(logfont.lfWeight, FW_BOLD);
  EXPECT_TRUE(logfont.lfItalic);
  EXPECT_EQ(draw::ToNarrow(logfont.lfFaceName), familyName);

  draw::GdipFont copy;
  ASSERT_TRUE(font.Clone(copy));
  EXPECT_NE(copy.FontHandle(), font.FontHandle());
  ASSERT_TRUE(copy.GetSize(&size));
  EXPECT_EQ(size, 12.5f);
}

TEST(GdipFontFamilies, FontsFromLogfontDeviceContextAndTheDefaultGuiFont) {
  const std::string familyName = SomeInstalledFamilyName();
  LOGFONTW logfont{};
  logfont.lfHeight = -20;
  logfont.lfWeight = FW_BOLD;
  logfont.lfCharSet = DEFAULT_CHARSET;
  lstrcpynW(logfont.lfFaceName, draw::ToWide(familyName).c_str(), LF_FACESIZE);
  draw::GdipFont font;
  ASSERT_TRUE(font.CreateFromLogfont(logfont));
  INT style = 0;
  float size = 0;
  ASSERT_TRUE(font.GetStyle(&style));
  ASSERT_TRUE(font.GetSize(&size));
  EXPECT_EQ(style & Gdiplus::FontStyleBold, Gdiplus::FontStyleBold);
  EXPECT_NEAR(size, 20, 0.5);

  draw_testing::PixelTarget target(4, 4);
  HFONT gdiFont = CreateFontIndirectW(&logfont);
  HGDIOBJ previous = SelectObject(target.dc(), gdiFont);
  ASSERT_TRUE(font.CreateFromDC(target.dc()));
  ASSERT_TRUE(font.GetSize(&size));
  EXPECT_NEAR(size, 20, 0.5);
  SelectObject(target.dc(), previous);
  DeleteObject(gdiFont);

  ASSERT_TRUE(font.CreateFromDefaultGuiFont()) << draw::LastStatus();
  ASSERT_TRUE(font.GetSize(&size));
  EXPECT_GT(size, 0);
}

// --- images ---

// A bottom-up 8-bit palette BMP of width × height, every pixel colour index (y + x) % 4, with a
// four-entry palette.
Bytes MakeBmp8(int width, int height) {
  const int stride = (width + 3) & ~3;
  const std::uint32_t headers = 14 + 40 + 4 * 4;
  const std::uint32_t total = headers + static_cast<std::uint32_t>(stride * height);
  Bytes out;
  auto put16 = [&](std::uint32_t v) { out.push_back(v & 0xFF), out.push_back((v >> 8) & 0xFF); };
  auto put32 = [&](std::uint32_t v) { put16(v & 0xFFFF), put16(v >> 16); };
  out.push_back('B'), out.push_back('M');
  put32(total), put32(0), put32(headers);
  put32(40), put32(static_cast<std::uint32_t>(width)), put32(static_cast<std::uint32_t>(height));
  put16(1), put16(8), put32(BI_RGB), put32(0), put32(2835), put32(2835), put32(4), put32(0);
  for (std::uint32_t rgb : {0x000000u, 0xFF0000u, 0x00FF00u, 0x0000FFu}) put32(rgb);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < stride; ++x) out.push_back(static_cast<std::uint8_t>((x + y) % 4));
  return out;
}

std::uint32_t Crc32(const std::uint8_t* data, size_t size) {
  std::uint32_t crc = 0xFFFFFFFF;
  for (size_t i = 0; i < size; ++i) {
    crc ^= data[i];
    for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
  }
  return ~crc;
}

// png with a tEXt chunk keyword\0text put in front of its IEND chunk.
Bytes WithPngText(Bytes png, const std::string& keyword, const std::string& text) {
  Bytes chunk = {'t', 'E', 'X', 't'};
  chunk.insert(chunk.end(), keyword.begin(), keyword.end());
  chunk.push_back(0);
  chunk.insert(chunk.end(), text.begin(), text.end());
  const std::uint32_t length = static_cast<std::uint32_t>(chunk.size() - 4);
  const std::uint32_t crc = Crc32(chunk.data(), chunk.size());
  Bytes full = {std::uint8_t(length >> 24), std::uint8_t(length >> 16), std::uint8_t(length >> 8),
                std::uint8_t(length)};
  full.insert(full.end(), chunk.begin(), chunk.end());
  for (int shift : {24, 16, 8, 0}) full.push_back(static_cast<std::uint8_t>(crc >> shift));
  png.insert(png.end() - 12, full.begin(), full.end());
  return png;
}

bool StartsWith(const Bytes& bytes, const char* prefix) {
  const size_t n = std::strlen(prefix);
  return bytes.size() >= n && std::memcmp(bytes.data(), prefix, n) == 0;
}

// Expects image to be width × height pixels.
void ExpectSize(const draw::GdipImage& image, UINT width, UINT height) {
  UINT actualWidth = 0, actualHeight = 0;
  ASSERT_TRUE(image.GetWidth(&actualWidth));
  ASSERT_TRUE(image.GetHeight(&actualHeight));
  EXPECT_EQ(actualWidth, width);
  EXPECT_EQ(actualHeight, height);
}

void ExpectFormat(const draw::GdipImage& image, const GUID& expected) {
  GUID format{};
  ASSERT_TRUE(image.GetRawFormat(&format));
  EXPECT_TRUE(IsEqualGUID(format, expected));
}

TEST(GdipImageFamily, SizesFormatsAndBoundsOfADecodedImage) {
  draw::GdipImage image;
  ASSERT_TRUE(image.LoadFromBytes(draw_testing::EncodeSolidImage(L"image/png", 6, 4, 0xFF2040C0)));
  ASSERT_NO_FATAL_FAILURE(ExpectSize(image, 6, 4));
  ASSERT_NO_FATAL_FAILURE(ExpectFormat(image, guids::kPng));
  Gdiplus::ImageType type{};
  ASSERT_TRUE(image.GetType(&type));
  EXPECT_EQ(type, Gdiplus::ImageTypeBitmap);
  draw::RectF bounds;
  Gdiplus::Unit unit{};
  ASSERT_TRUE(image.GetBounds(&bounds, &unit));
  EXPECT_EQ(bounds.width, 6);
  EXPECT_EQ(bounds.height, 4);
  EXPECT_EQ(unit, Gdiplus::UnitPixel);
  float w = 0, h = 0;
  ASSERT_TRUE(image.GetDimension(&w, &h));
  EXPECT_GT(w, h);
  float dpiX = 0, dpiY = 0;
  ASSERT_TRUE(image.GetHorizontalResolution(&dpiX));
  ASSERT_TRUE(image.GetVerticalResolution(&dpiY));
  EXPECT_GT(dpiX, 0);
  EXPECT_GT(dpiY, 0);
  UINT flags = 0;
  ASSERT_TRUE(image.GetFlags(&flags));
  EXPECT_TRUE(flags & Gdiplus::ImageFlagsHasRealPixelSize);

  // Rotating a quarter turn swaps width and height.
  ASSERT_TRUE(image.RotateFlip(Gdiplus::Rotate90FlipNone));
  ASSERT_NO_FATAL_FAILURE(ExpectSize(image, 4, 6));

  // An indexed BMP: its pixel format and palette.
  draw::GdipImage indexed;
  ASSERT_TRUE(indexed.LoadFromBytes(MakeBmp8(5, 3)));
  Gdiplus::PixelFormat pixelFormat = 0;
  ASSERT_TRUE(indexed.GetPixelFormat(&pixelFormat));
  EXPECT_EQ(pixelFormat, PixelFormat8bppIndexed);
  ASSERT_NO_FATAL_FAILURE(ExpectFormat(indexed, guids::kBmp));
  INT paletteSize = 0;
  ASSERT_TRUE(indexed.GetPaletteSize(&paletteSize));
  ASSERT_GE(paletteSize, static_cast<INT>(sizeof(Gdiplus::ColorPalette)));
  std::vector<std::uint32_t> storage((paletteSize + 3) / 4);
  std::span<std::uint8_t> buffer(reinterpret_cast<std::uint8_t*>(storage.data()),
                                 static_cast<size_t>(paletteSize));
  ASSERT_TRUE(indexed.GetPalette(buffer));
  auto* palette = reinterpret_cast<Gdiplus::ColorPalette*>(storage.data());
  ASSERT_GE(palette->Count, 4u);
  EXPECT_EQ(palette->Entries[1], 0xFFFF0000u);
  EXPECT_EQ(palette->Entries[3], 0xFF0000FFu);
  palette->Entries[1] = 0xFF123456;
  ASSERT_TRUE(indexed.SetPalette(*palette));
  std::vector<std::uint32_t> again(storage.size());
  ASSERT_TRUE(indexed.GetPalette(
      {reinterpret_cast<std::uint8_t*>(again.data()), static_cast<size_t>(paletteSize)}));
  EXPECT_EQ(reinterpret_cast<Gdiplus::ColorPalette*>(again.data())->Entries[1], 0xFF123456u);
}

TEST(GdipImageFamily, SavedToAStreamAndLoadedAgain) {
  draw::GdipImage image;
  ASSERT_TRUE(image.LoadFromBytes(MakeBmp8(7, 3)));
  draw::MemoryStream out;
  // The image's own format: BMP.
  ASSERT_TRUE(image.SaveToStream(out));
  Bytes saved = out.GetBytes();
  EXPECT_EQ(saved.size(), out.GetSize());
  EXPECT_TRUE(StartsWith(saved, "BM"));

  ASSERT_TRUE(image.SaveToStream(out, "IMAGE/PNG"));
  saved = out.GetBytes();
  ASSERT_TRUE(StartsWith(saved, "\x89PNG\r\n\x1a\n"));
  draw::GdipImage loaded;
  ASSERT_TRUE(loaded.LoadFromBytes(saved));
  ASSERT_NO_FATAL_FAILURE(ExpectSize(loaded, 7, 3));
  ASSERT_NO_FATAL_FAILURE(ExpectFormat(loaded, guids::kPng));

  // No encoder for the type: nothing is written and the failure is recorded.
  EXPECT_FALSE(image.SaveToStream(out, "image/x-cy-none"));
  EXPECT_EQ(draw::LastStatus(), Gdiplus::UnknownImageFormat);
  CLSID encoder;
  EXPECT_TRUE(draw::GdipImage::FindEncoder("image/jpeg", &encoder));
}

TEST(GdipImageFamily, SavedToAFileAndLoadedFromIt) {
  char folder[MAX_PATH];
  ASSERT_GT(GetTempPathA(MAX_PATH, folder), 0u);
  const std::string path = std::string(folder) + "cy_wrapper_图片.png";
  draw::GdipImage image;
  ASSERT_TRUE(image.LoadFromBytes(draw_testing::EncodeSolidImage(L"image/png", 9, 2, 0xFF00FF00)));
  ASSERT_TRUE(image.SaveToFile(path));
  draw::GdipImage loaded;
  ASSERT_TRUE(loaded.LoadFromFile(path));
  UINT width = 0;
  ASSERT_TRUE(loaded.GetWidth(&width));
  EXPECT_EQ(width, 9u);
  loaded.Dispose();
  EXPECT_TRUE(DeleteFileW(draw::ToWide(path).c_str()));
  EXPECT_FALSE(loaded.LoadFromFile(path));
  EXPECT_EQ(loaded.ImageHandle(), nullptr);
}

TEST(GdipImageFamily, ClonesAndThumbnailsOutliveTheImageTheyCameFrom) {
  draw::GdipImage clone, thumbnail;
  {
    draw::GdipImage image;
    ASSERT_TRUE(
        image.LoadFromBytes(draw_testing::EncodeSolidImage(L"image/png", 8, 6, 0xFF336699)));
    ASSERT_TRUE(image.Clone(clone));
    ASSERT_TRUE(image.GetThumbnail(4, 3, thumbnail));
    EXPECT_EQ(clone.Stream().GetStream(), image.Stream().GetStream());
  }
  // The source and its stream are gone; the clone still reads what it shares.
  ASSERT_NE(clone.Stream().GetStream(), nullptr);
  UINT width = 0, height = 0;
  ASSERT_TRUE(clone.GetWidth(&width));
  EXPECT_EQ(width, 8u);
  draw::MemoryStream out;
  ASSERT_TRUE(clone.SaveToStream(out, "image/bmp"));
  EXPECT_TRUE(StartsWith(out.GetBytes(), "BM"));
  ASSERT_NO_FATAL_FAILURE(ExpectSize(thumbnail, 4, 3));
  // Cloning an image into itself keeps it whole.
  ASSERT_TRUE(clone.Clone(clone));
  ASSERT_TRUE(clone.GetHeight(&height));
  EXPECT_EQ(height, 6u);
}

TEST(GdipImageFamily, FramesOfAMultiPageTiff) {
  draw::GdipImage first, second;
  ASSERT_TRUE(first.LoadFromBytes(draw_testing::EncodeSolidImage(L"image/png", 5, 5, 0xFFFF0000)));
  ASSERT_TRUE(second.LoadFromBytes(draw_testing::EncodeSolidImage(L"image/png", 3, 2, 0xFF0000FF)));

  // A single-frame image has one page.
  UINT dimensionCount = 0;
  ASSERT_TRUE(first.GetFrameDimensionsCount(&dimensionCount));
  ASSERT_EQ(dimensionCount, 1u);
  GUID dimension{};
  ASSERT_TRUE(first.GetFrameDimensionsList({&dimension, 1}));
  EXPECT_TRUE(IsEqualGUID(dimension, guids::kFrameDimensionPage));
  UINT frames = 0;
  ASSERT_TRUE(first.GetFrameCount(guids::kFrameDimensionPage, &frames));
  EXPECT_EQ(frames, 1u);

  ULONG multiFrame = Gdiplus::EncoderValueMultiFrame;
  ULONG flush = Gdiplus::EncoderValueFlush;
  // EncoderSaveFlag
  const GUID saveFlag = {
      0x292266fc, 0xac40, 0x47bf, {0x8c, 0xfc, 0xa8, 0x5b, 0x89, 0xa6, 0x55, 0xde}};
  Gdiplus::EncoderParameters parameters{};
  parameters.Count = 1;
  parameters.Parameter[0].Guid = saveFlag;
  parameters.Parameter[0].Type = Gdiplus::EncoderParameterValueTypeLong;
  parameters.Parameter[0].NumberOfValues = 1;
  parameters.Parameter[0].Value = &multiFrame;
  draw::MemoryStream out;
  ASSERT_TRUE(first.SaveToStream(out, "image/tiff", &parameters));
  parameters.Parameter[0].Value = &multiFrame;
  ULONG framePage = Gdiplus::EncoderValueFrameDimensionPage;
  parameters.Parameter[0].Value = &framePage;
  ASSERT_TRUE(first.SaveAddImage(second, &parameters)) << draw::LastStatus();
  parameters.Parameter[0].Value = &flush;
  ASSERT_TRUE(first.SaveAdd(&parameters)) << draw::LastStatus();

  draw::GdipImage tiff;
  ASSERT_TRUE(tiff.LoadFromBytes(out.GetBytes()));
  ASSERT_TRUE(tiff.GetFrameCount(guids::kFrameDimensionPage, &frames));
  ASSERT_EQ(frames, 2u);
  UINT width = 0;
  ASSERT_TRUE(tiff.GetWidth(&width));
  EXPECT_EQ(width, 5u);
  ASSERT_TRUE(tiff.SelectActiveFrame(guids::kFrameDimensionPage, 1));
  ASSERT_TRUE(tiff.GetWidth(&width));
  EXPECT_EQ(width, 3u);
}

TEST(GdipImageFamily, PropertyItemsOfAPngTextChunk) {
  constexpr PROPID kImageTitle = 0x0320;
  draw::GdipImage image;
  ASSERT_TRUE(image.LoadFromBytes(WithPngText(
      draw_testing::EncodeSolidImage(L"image/png", 2, 2, 0xFF000000), "Title", "hello")));
  UINT count = 0;
  ASSERT_TRUE(image.GetPropertyCount(&count));
  ASSERT_GE(count, 1u);
  std::vector<PROPID> ids(count);
  ASSERT_TRUE(image.GetPropertyIdList(ids));
  EXPECT_NE(std::find(ids.begin(), ids.end(), kImageTitle), ids.end());
  UINT size = 0;
  ASSERT_TRUE(image.GetPropertyItemSize(kImageTitle, &size));
  ASSERT_GE(size, sizeof(Gdiplus::PropertyItem));
  std::vector<std::uint64_t> storage((size + 7) / 8);
  ASSERT_TRUE(
      image.GetPropertyItem(kImageTitle, {reinterpret_cast<std::uint8_t*>(storage.data()), size}));
  const auto* item = reinterpret_cast<const Gdiplus::PropertyItem*>(storage.data());
  EXPECT_EQ(item->id, kImageTitle);
  EXPECT_EQ(std::string(static_cast<const char*>(item->value)), "hello");

  // Wine leaves the removal unimplemented; where it works the item is gone afterwards.
  if (!image.RemovePropertyItem(kImageTitle)) {
    EXPECT_EQ(draw::LastStatus(), Gdiplus::NotImplemented);
    return;
  }
  UINT after = 0;
  ASSERT_TRUE(image.GetPropertyCount(&after));
  EXPECT_EQ(after, count - 1);
  EXPECT_FALSE(image.GetPropertyItemSize(kImageTitle, &size));
}

// --- memory stream ---

TEST(MemoryStream, EmptyStreamGrowsAsWrittenAndGivesItsBytesBack) {
  draw::MemoryStream stream;
  IStream* s = stream.OpenEmpty();
  ASSERT_NE(s, nullptr);
  EXPECT_EQ(stream.GetSize(), 0u);
  EXPECT_TRUE(stream.GetBytes().empty());
  const char text[] = "hello, stream";
  ULONG written = 0;
  ASSERT_EQ(s->Write(text, sizeof text - 1, &written), S_OK);
  ASSERT_EQ(s->Write("!", 1, &written), S_OK);
  EXPECT_EQ(stream.GetSize(), sizeof text);
  const Bytes bytes = stream.GetBytes();
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "hello, stream!");
  // The stream owns its block: releasing it frees everything.
  stream.Release();
  EXPECT_EQ(stream.GetStream(), nullptr);
  EXPECT_EQ(stream.GetSize(), 0u);
}

TEST(MemoryStream, OpenCopiesAttachReferencesAndShareKeepsTheContentsAlive) {
  const Bytes data = {1, 2, 3, 4, 5};
  draw::MemoryStream copy;
  ASSERT_NE(copy.Open(data), nullptr);
  EXPECT_EQ(GlobalSize(copy.GetBlock()), data.size());
  EXPECT_EQ(copy.GetBytes(), data);
  {
    draw::MemoryStream sharer;
    sharer.Share(copy);
    copy.Release();
    EXPECT_EQ(copy.GetBlock(), nullptr);
    EXPECT_EQ(sharer.GetBytes(), data);
  }

  // A stream on global memory made elsewhere: read through its block, one reference taken.
  IStream* foreign = nullptr;
  ASSERT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, &foreign), S_OK);
  foreign->Write("abc", 3, nullptr);
  draw::MemoryStream attached;
  ASSERT_TRUE(attached.Attach(foreign));
  EXPECT_NE(attached.GetBlock(), nullptr);
  EXPECT_EQ(attached.GetBytes(), (Bytes{'a', 'b', 'c'}));
  attached.Release();
  // Only the caller's own reference is left.
  EXPECT_EQ(foreign->Release(), 0u);

  // A stream not on global memory is read from its start, its position kept.
  IStream* plain = SHCreateMemStream(reinterpret_cast<const BYTE*>("xyz!"), 4);
  ASSERT_NE(plain, nullptr);
  LARGE_INTEGER two;
  two.QuadPart = 2;
  plain->Seek(two, STREAM_SEEK_SET, nullptr);
  ASSERT_TRUE(attached.Attach(plain));
  EXPECT_EQ(attached.GetBytes(), (Bytes{'x', 'y', 'z', '!'}));
  ULARGE_INTEGER position{};
  plain->Seek(LARGE_INTEGER{}, STREAM_SEEK_CUR, &position);
  EXPECT_EQ(position.QuadPart, 2u);
  attached.Release();
  plain->Release();
  EXPECT_FALSE(attached.Attach(nullptr));
}

}  // namespace
