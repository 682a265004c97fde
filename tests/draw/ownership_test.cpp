// Every native object is released exactly once. GDI objects are counted by the system; GDI+
// objects are followed at the table of external functions, where every creation and deletion
// of the wrappers passes: the creations' results go into a set of live objects, the deletions
// take them out again, and a deletion of an object that is not live counts as a double free.
// The generic font families and string formats that GDI+ hands out are shared, not created: a
// deletion of one of them counts as a double free too.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "draw/api.h"
#include "draw/api_wrappers.h"
#include "draw/brushes.h"
#include "draw/font.h"
#include "draw/image.h"
#include "draw/pen.h"
#include "draw/string_format.h"
#include "draw/surface.h"
#include "draw/window_hook.h"
#include "tests/draw/draw_test_support.h"

namespace {

using Gdiplus::GpStatus;

// A multimap: GDI+ may hand out one object more than once, counting references (Wine's clone
// of an installed font family is the family itself).
std::multimap<void*, std::string> g_live;
std::vector<std::string> g_events;
int g_badDeletes = 0;
int g_sharedHandedOut = 0;

void Created(GpStatus status, void* object, const char* kind) {
  if (status == Gdiplus::Ok && object) g_live.emplace(object, kind);
}

// The end of a creation watcher, given the real function's status and its output, which is read
// only now that the real function has run.
template <typename Object>
GpStatus Created(GpStatus status, Object** out, const char* kind) {
  Created(status, *out, kind);
  return status;
}

void Deleting(void* object, const char* kind) {
  const auto live = g_live.find(object);
  if (live == g_live.end())
    ++g_badDeletes;
  else
    g_live.erase(live);
  g_events.push_back(kind);
}

// A deletion watcher: takes object out of the live ones, then deletes it with the real function.
template <typename Object, typename Delete>
auto Deleted(Object* object, const char* kind, Delete realDelete) {
  Deleting(object, kind);
  return realDelete(object);
}

// The real functions, saved while the watchers are in place.
decltype(draw::api::GdipCreateSolidFill)::Pointer realCreateSolidFill;
decltype(draw::api::GdipCreateLineBrushFromRect)::Pointer realCreateLineBrush;
decltype(draw::api::GdipDeleteBrush)::Pointer realDeleteBrush;
decltype(draw::api::GdipCreatePen1)::Pointer realCreatePen;
decltype(draw::api::GdipDeletePen)::Pointer realDeletePen;
decltype(draw::api::GdipCreateFont)::Pointer realCreateFont;
decltype(draw::api::GdipDeleteFont)::Pointer realDeleteFont;
decltype(draw::api::GdipCreateFontFamilyFromName)::Pointer realCreateFamily;
decltype(draw::api::GdipDeleteFontFamily)::Pointer realDeleteFamily;
decltype(draw::api::GdipLoadImageFromStream)::Pointer realLoadImage;
decltype(draw::api::GdipDisposeImage)::Pointer realDisposeImage;
decltype(draw::api::GdipCreateFromHDC)::Pointer realCreateGraphics;
decltype(draw::api::GdipDeleteGraphics)::Pointer realDeleteGraphics;
decltype(draw::api::GlobalAlloc)::Pointer realGlobalAlloc;
decltype(draw::api::GlobalFree)::Pointer realGlobalFree;
decltype(draw::api::CreateStreamOnHGlobal)::Pointer realCreateStream;
decltype(draw::api::GdipGetGenericFontFamilySansSerif)::Pointer realGenericSansSerif;
decltype(draw::api::GdipGetGenericFontFamilySerif)::Pointer realGenericSerif;
decltype(draw::api::GdipGetGenericFontFamilyMonospace)::Pointer realGenericMonospace;
decltype(draw::api::GdipCloneFontFamily)::Pointer realCloneFamily;
decltype(draw::api::GdipStringFormatGetGenericDefault)::Pointer realGenericDefault;
decltype(draw::api::GdipStringFormatGetGenericTypographic)::Pointer realGenericTypographic;
decltype(draw::api::GdipCloneStringFormat)::Pointer realCloneFormat;
decltype(draw::api::GdipDeleteStringFormat)::Pointer realDeleteFormat;
std::vector<IStream*> g_streams;

GpStatus WINGDIPAPI CreateSolidFill(Gdiplus::ARGB colour, Gdiplus::GpSolidFill** out) {
  return Created(realCreateSolidFill(colour, out), out, "brush");
}
GpStatus WINGDIPAPI CreateLineBrush(const Gdiplus::GpRectF* rect, Gdiplus::ARGB c1,
                                    Gdiplus::ARGB c2, Gdiplus::LinearGradientMode mode,
                                    Gdiplus::GpWrapMode wrap, Gdiplus::GpLineGradient** out) {
  return Created(realCreateLineBrush(rect, c1, c2, mode, wrap, out), out, "brush");
}
GpStatus WINGDIPAPI DeleteBrush(Gdiplus::GpBrush* brush) {
  return Deleted(brush, "brush", realDeleteBrush);
}
GpStatus WINGDIPAPI CreatePen(Gdiplus::ARGB colour, Gdiplus::REAL width, Gdiplus::GpUnit unit,
                              Gdiplus::GpPen** out) {
  return Created(realCreatePen(colour, width, unit, out), out, "pen");
}
GpStatus WINGDIPAPI DeletePen(Gdiplus::GpPen* pen) { return Deleted(pen, "pen", realDeletePen); }
GpStatus WINGDIPAPI CreateFont(const Gdiplus::GpFontFamily* family, Gdiplus::REAL size, INT style,
                               Gdiplus::Unit unit, Gdiplus::GpFont** out) {
  return Created(realCreateFont(family, size, style, unit, out), out, "font");
}
GpStatus WINGDIPAPI DeleteFont(Gdiplus::GpFont* font) {
  return Deleted(font, "font", realDeleteFont);
}
GpStatus WINGDIPAPI CreateFamily(const WCHAR* name, Gdiplus::GpFontCollection* collection,
                                 Gdiplus::GpFontFamily** out) {
  return Created(realCreateFamily(name, collection, out), out, "family");
}
GpStatus WINGDIPAPI DeleteFamily(Gdiplus::GpFontFamily* family) {
  return Deleted(family, "family", realDeleteFamily);
}
GpStatus WINGDIPAPI LoadImage(IStream* stream, Gdiplus::GpImage** out) {
  return Created(realLoadImage(stream, out), out, "image");
}
GpStatus WINGDIPAPI DisposeImage(Gdiplus::GpImage* image) {
  return Deleted(image, "image", realDisposeImage);
}
GpStatus WINGDIPAPI CreateGraphics(HDC dc, Gdiplus::GpGraphics** out) {
  return Created(realCreateGraphics(dc, out), out, "graphics");
}
GpStatus WINGDIPAPI DeleteGraphics(Gdiplus::GpGraphics* graphics) {
  return Deleted(graphics, "graphics", realDeleteGraphics);
}
HGLOBAL WINAPI WatchGlobalAlloc(UINT flags, SIZE_T size) {
  HGLOBAL block = realGlobalAlloc(flags, size);
  Created(Gdiplus::Ok, block, "block");
  return block;
}
HGLOBAL WINAPI WatchGlobalFree(HGLOBAL block) { return Deleted(block, "block", realGlobalFree); }
// Keeps one extra reference on every stream, so that the test can see at the end whether all
// other references were given back.
HRESULT WINAPI CreateStream(HGLOBAL block, BOOL deleteOnRelease, IStream** out) {
  HRESULT hr = realCreateStream(block, deleteOnRelease, out);
  if (SUCCEEDED(hr) && *out) {
    (*out)->AddRef();
    g_streams.push_back(*out);
  }
  return hr;
}

// The generic objects are counted, not taken as live.
GpStatus Shared(GpStatus status) {
  if (status == Gdiplus::Ok) ++g_sharedHandedOut;
  return status;
}
// The test bench may have none of the fonts GDI+ takes the generic families from; then a family
// of an installed font, which the test owns, is handed out in their place, shared in the same way.
Gdiplus::GpFontFamily* g_standIn = nullptr;
GpStatus HandOutFamily(decltype(realGenericSansSerif) real, Gdiplus::GpFontFamily** out) {
  GpStatus s = real(out);
  if (s == Gdiplus::FontFamilyNotFound && g_standIn) {
    *out = g_standIn;
    s = Gdiplus::Ok;
  }
  return Shared(s);
}
GpStatus WINGDIPAPI GenericSansSerif(Gdiplus::GpFontFamily** out) {
  return HandOutFamily(realGenericSansSerif, out);
}
GpStatus WINGDIPAPI GenericSerif(Gdiplus::GpFontFamily** out) {
  return HandOutFamily(realGenericSerif, out);
}
GpStatus WINGDIPAPI GenericMonospace(Gdiplus::GpFontFamily** out) {
  return HandOutFamily(realGenericMonospace, out);
}
GpStatus WINGDIPAPI GenericDefault(Gdiplus::GpStringFormat** out) {
  return Shared(realGenericDefault(out));
}
GpStatus WINGDIPAPI GenericTypographic(Gdiplus::GpStringFormat** out) {
  return Shared(realGenericTypographic(out));
}
GpStatus WINGDIPAPI CloneFamily(Gdiplus::GpFontFamily* family, Gdiplus::GpFontFamily** out) {
  return Created(realCloneFamily(family, out), out, "family");
}
GpStatus WINGDIPAPI CloneFormat(const Gdiplus::GpStringFormat* format,
                                Gdiplus::GpStringFormat** out) {
  return Created(realCloneFormat(format, out), out, "format");
}
GpStatus WINGDIPAPI DeleteFormat(Gdiplus::GpStringFormat* format) {
  return Deleted(format, "format", realDeleteFormat);
}

class Watchers {
 public:
  Watchers() {
    g_live.clear();
    g_events.clear();
    g_streams.clear();
    g_badDeletes = 0;
    g_sharedHandedOut = 0;
    realCreateSolidFill = draw::api::GdipCreateSolidFill.Replace(CreateSolidFill);
    realCreateLineBrush = draw::api::GdipCreateLineBrushFromRect.Replace(CreateLineBrush);
    realDeleteBrush = draw::api::GdipDeleteBrush.Replace(DeleteBrush);
    realCreatePen = draw::api::GdipCreatePen1.Replace(CreatePen);
    realDeletePen = draw::api::GdipDeletePen.Replace(DeletePen);
    realCreateFont = draw::api::GdipCreateFont.Replace(CreateFont);
    realDeleteFont = draw::api::GdipDeleteFont.Replace(DeleteFont);
    realCreateFamily = draw::api::GdipCreateFontFamilyFromName.Replace(CreateFamily);
    realDeleteFamily = draw::api::GdipDeleteFontFamily.Replace(DeleteFamily);
    realLoadImage = draw::api::GdipLoadImageFromStream.Replace(LoadImage);
    realDisposeImage = draw::api::GdipDisposeImage.Replace(DisposeImage);
    realCreateGraphics = draw::api::GdipCreateFromHDC.Replace(CreateGraphics);
    realDeleteGraphics = draw::api::GdipDeleteGraphics.Replace(DeleteGraphics);
    realGlobalAlloc = draw::api::GlobalAlloc.Replace(WatchGlobalAlloc);
    realGlobalFree = draw::api::GlobalFree.Replace(WatchGlobalFree);
    realCreateStream = draw::api::CreateStreamOnHGlobal.Replace(CreateStream);
    realGenericSansSerif = draw::api::GdipGetGenericFontFamilySansSerif.Replace(GenericSansSerif);
    realGenericSerif = draw::api::GdipGetGenericFontFamilySerif.Replace(GenericSerif);
    realGenericMonospace = draw::api::GdipGetGenericFontFamilyMonospace.Replace(GenericMonospace);
    realCloneFamily = draw::api::GdipCloneFontFamily.Replace(CloneFamily);
    realGenericDefault = draw::api::GdipStringFormatGetGenericDefault.Replace(GenericDefault);
    realGenericTypographic =
        draw::api::GdipStringFormatGetGenericTypographic.Replace(GenericTypographic);
    realCloneFormat = draw::api::GdipCloneStringFormat.Replace(CloneFormat);
    realDeleteFormat = draw::api::GdipDeleteStringFormat.Replace(DeleteFormat);
  }
  ~Watchers() {
    draw::api::GdipCreateSolidFill.Replace(realCreateSolidFill);
    draw::api::GdipCreateLineBrushFromRect.Replace(realCreateLineBrush);
    draw::api::GdipDeleteBrush.Replace(realDeleteBrush);
    draw::api::GdipCreatePen1.Replace(realCreatePen);
    draw::api::GdipDeletePen.Replace(realDeletePen);
    draw::api::GdipCreateFont.Replace(realCreateFont);
    draw::api::GdipDeleteFont.Replace(realDeleteFont);
    draw::api::GdipCreateFontFamilyFromName.Replace(realCreateFamily);
    draw::api::GdipDeleteFontFamily.Replace(realDeleteFamily);
    draw::api::GdipLoadImageFromStream.Replace(realLoadImage);
    draw::api::GdipDisposeImage.Replace(realDisposeImage);
    draw::api::GdipCreateFromHDC.Replace(realCreateGraphics);
    draw::api::GdipDeleteGraphics.Replace(realDeleteGraphics);
    draw::api::GlobalAlloc.Replace(realGlobalAlloc);
    draw::api::GlobalFree.Replace(realGlobalFree);
    draw::api::CreateStreamOnHGlobal.Replace(realCreateStream);
    draw::api::GdipGetGenericFontFamilySansSerif.Replace(realGenericSansSerif);
    draw::api::GdipGetGenericFontFamilySerif.Replace(realGenericSerif);
    draw::api::GdipGetGenericFontFamilyMonospace.Replace(realGenericMonospace);
    draw::api::GdipCloneFontFamily.Replace(realCloneFamily);
    draw::api::GdipStringFormatGetGenericDefault.Replace(realGenericDefault);
    draw::api::GdipStringFormatGetGenericTypographic.Replace(realGenericTypographic);
    draw::api::GdipCloneStringFormat.Replace(realCloneFormat);
    draw::api::GdipDeleteStringFormat.Replace(realDeleteFormat);
  }
  Watchers(const Watchers&) = delete;
  Watchers& operator=(const Watchers&) = delete;
};

std::string LiveObjects() {
  std::string text;
  for (const auto& [object, kind] : g_live) text += kind + " ";
  return text;
}

// One paint's worth of drawing objects on a surface, created twice over on the same objects.
void PaintOnce(HDC device, const std::vector<std::uint8_t>& picture) {
  draw::图形 surface;
  surface.创建_自设备句柄(device, 64, 48);
  draw::GdipSolidBrush solid;
  draw::GdipLinearBrush gradient;
  draw::GdipPen pen;
  draw::GdipFont font;
  draw::GdipImage image;
  draw::GdipStringFormat format;
  for (int i = 0; i < 2; ++i) {
    solid.Create(0xFAFFFFFF);
    gradient.CreateFromRect({1, 1, 61, 45}, 0x32FFFFFF, 0xB4FFFFFF,
                            Gdiplus::LinearGradientModeHorizontal);
    pen.Create(0x9B000000, 1.0f, Gdiplus::UnitWorld);
    font.CreateFromFamilyName("宋体", 12.0f, Gdiplus::FontStyleBold, Gdiplus::UnitPixel);
    image.LoadFromBytes(picture);
  }
  surface.FillRectangle(gradient, 1, 0, 61, 30);
  surface.DrawRectangle(pen, 1, 1, 61, 43);
  surface.DrawImageRect(image, 5, 5, 20, 20);
  surface.DrawString("标题", font, solid, {28, 9, 0, 0}, format);
  surface.CopyToDevice(0, 0, 64, 48);
  // A second creation on the same surface releases the first one.
  surface.创建_自设备句柄(device, 32, 32);
  font.CreateFromFamilyName("澄远不存在的字体", 12.0f, 0, Gdiplus::UnitPixel);
  const std::string junk = "junk";
  image.LoadFromBytes({reinterpret_cast<const std::uint8_t*>(junk.data()), junk.size()});
}

TEST(Ownership, EveryGdiplusObjectAndStreamIsReleasedExactlyOnce) {
  draw_testing::PixelTarget target(64, 48);
  const auto picture = draw_testing::EncodeSolidImage(L"image/png", 8, 8, 0xFF336699);
  ASSERT_FALSE(picture.empty());
  Watchers watchers;
  PaintOnce(target.dc(), picture);
  EXPECT_EQ(g_badDeletes, 0);
  EXPECT_TRUE(g_live.empty()) << "still live: " << LiveObjects();
  // Apart from the extra reference the watcher holds, every reference to every stream is gone.
  ASSERT_FALSE(g_streams.empty());
  for (IStream* stream : g_streams) EXPECT_EQ(stream->Release(), 0u);
}

TEST(Ownership, SetHandleNeverDeletesAndAnImageIsDisposedBeforeItsMemoryIsFreed) {
  const auto picture = draw_testing::MakeIcon(8, 0xFF000000);
  Watchers watchers;
  {
    draw::GdipSolidBrush brush;
    ASSERT_TRUE(brush.Create(0xFF000000));
    void* native = brush.GetHandle();
    brush.SetHandle(nullptr);
    EXPECT_EQ(brush.BrushHandle(), nullptr);
    EXPECT_TRUE(g_events.empty());
    brush.SetHandle(native);
    EXPECT_EQ(brush.SolidFillHandle(), native);
  }
  EXPECT_EQ(g_events, std::vector<std::string>{"brush"});
  g_events.clear();
  {
    draw::GdipImage image;
    ASSERT_TRUE(image.LoadFromBytes(picture));
  }
  EXPECT_EQ(g_events, (std::vector<std::string>{"image", "block"}));
  EXPECT_EQ(g_badDeletes, 0);
  EXPECT_TRUE(g_live.empty()) << "still live: " << LiveObjects();
  for (IStream* stream : g_streams) stream->Release();
}

TEST(Ownership, GenericFamiliesAndFormatsAreSharedEachObjectDeletesOnlyItsCopy) {
  ASSERT_EQ(draw::api::GdipCreateFontFamilyFromName(L"宋体", nullptr, &g_standIn), Gdiplus::Ok);
  {
    Watchers watchers;
    {
      draw::GdipFontFamily sansSerif, serif, monospace;
      draw::GdipStringFormat standard, typographic;
      for (int i = 0; i < 2; ++i) {
        EXPECT_TRUE(sansSerif.CreateGenericSansSerif());
        EXPECT_TRUE(serif.CreateGenericSerif());
        EXPECT_TRUE(monospace.CreateGenericMonospace());
        EXPECT_TRUE(standard.CreateGenericDefault());
        EXPECT_TRUE(typographic.CreateGenericTypographic());
      }
      // Each object holds a copy of its own, and a font can be made from the copy.
      EXPECT_EQ(g_live.size(), 5u) << LiveObjects();
      draw::GdipFont font;
      EXPECT_TRUE(font.CreateFromFamily(sansSerif, 12.0f, 0, Gdiplus::UnitPixel));
    }
    EXPECT_EQ(g_sharedHandedOut, 10);
    // No generic object was deleted: every deletion matched a copy.
    EXPECT_EQ(g_badDeletes, 0);
    EXPECT_TRUE(g_live.empty()) << "still live: " << LiveObjects();
  }
  draw::api::GdipDeleteFontFamily(g_standIn);
  g_standIn = nullptr;
}

TEST(Ownership, RepeatedCyclesLeaveTheGdiObjectCountUnchanged) {
  draw_testing::PixelTarget target(64, 48);
  draw_testing::TestWindow window(80, 60);
  const auto picture = draw_testing::EncodeSolidImage(L"image/png", 8, 8, 0xFF336699);
  draw::WindowHook hook;
  ASSERT_TRUE(hook.Hook(window.hwnd()));
  auto cycle = [&] {
    PaintOnce(target.dc(), picture);
    draw::图形 onWindow;
    onWindow.创建_自设备句柄(GetDC(window.hwnd()), 20, 20);
    hook.SetRoundRectRegion(2, 2, 79, 57, 3, 3);
  };
  cycle();  // the first round loads fonts and caches once
  const DWORD before = draw_testing::GdiObjectCount();
  for (int i = 0; i < 100; ++i) cycle();
  EXPECT_EQ(draw_testing::GdiObjectCount(), before);
}

}  // namespace
