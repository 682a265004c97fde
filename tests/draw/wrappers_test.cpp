#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "draw/api.h"
#include "draw/brushes.h"
#include "draw/font.h"
#include "draw/image.h"
#include "draw/last_error.h"
#include "draw/pen.h"
#include "draw/string_format.h"
#include "draw/to_wide.h"
#include "tests/draw/draw_test_support.h"

namespace {

using Gdiplus::FontStyleBold;
using Gdiplus::Ok;
using Gdiplus::UnitPixel;

TEST(ToWide, ConvertsUtf8BothWaysAndStopsAtTheFirstZero) {
  EXPECT_EQ(draw::ToWide("宋体 ab"), std::wstring(L"\u5B8B\u4F53 ab"));
  EXPECT_EQ(draw::ToNarrow(L"Muñoz-한국\0x"), "Muñoz-한국");
  EXPECT_EQ(draw::ToWide(""), std::wstring());
  EXPECT_EQ(draw::ToWide(std::string_view("微软\0x", 6)), std::wstring(L"\u5FAE\u8F6F"));
}

TEST(LastErrorText, SetReplacesAppendAddsWithoutSeparatorAndReleaseEmpties) {
  draw::ReleaseLastErrorText();
  EXPECT_EQ(draw::LastErrorText(), "");
  draw::AppendLastErrorText("甲");
  draw::AppendLastErrorText("乙");
  EXPECT_EQ(draw::LastErrorText(), "甲乙");
  draw::SetLastErrorText("丙");
  EXPECT_EQ(draw::LastErrorText(), "丙");
  draw::ReleaseLastErrorText();
  EXPECT_EQ(draw::LastErrorText(), "");
  draw::ReleaseLastErrorText();
}

TEST(GdipObjects, DeletingAnEmptyObjectReturnsFalseAndKeepsTheLastStatus) {
  draw::RecordStatus(Gdiplus::OutOfMemory);
  draw::GdipSolidBrush solid;
  draw::GdipLinearBrush linear;
  draw::GdipPen pen;
  draw::GdipFont font;
  draw::GdipFontFamily family;
  draw::GdipStringFormat format;
  draw::GdipImage image;
  EXPECT_FALSE(solid.Delete());
  EXPECT_FALSE(linear.Delete());
  EXPECT_FALSE(pen.Delete());
  EXPECT_FALSE(font.Delete());
  EXPECT_FALSE(family.Delete());
  EXPECT_FALSE(format.Delete());
  EXPECT_FALSE(image.Dispose());
  EXPECT_EQ(draw::LastStatus(), Gdiplus::OutOfMemory);
}

TEST(GdipObjects, HandleAndOwnFieldAgreeAfterCreateRecreateAndDelete) {
  draw::GdipSolidBrush solid;
  ASSERT_TRUE(solid.Create(0x80FF0000));
  EXPECT_EQ(draw::LastStatus(), Ok);
  void* first = solid.GetHandle();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first, solid.SolidFillHandle());
  EXPECT_EQ(first, solid.BrushHandle());
  ASSERT_TRUE(solid.Create(0xFF00FF00));
  EXPECT_EQ(solid.GetHandle(), solid.SolidFillHandle());
  EXPECT_EQ(solid.GetHandle(), solid.BrushHandle());
  EXPECT_TRUE(solid.Delete());
  EXPECT_EQ(solid.GetHandle(), nullptr);
  EXPECT_EQ(solid.SolidFillHandle(), nullptr);
  EXPECT_EQ(solid.BrushHandle(), nullptr);

  draw::GdipLinearBrush linear;
  ASSERT_TRUE(linear.CreateFromRect({1, 1, 50, 20}, 0x32FFFFFF, 0xB4FFFFFF,
                                    Gdiplus::LinearGradientModeBackwardDiagonal));
  EXPECT_EQ(linear.GetHandle(), linear.LineGradientHandle());
  EXPECT_EQ(linear.GetHandle(), linear.BrushHandle());

  draw::GdipPen pen;
  ASSERT_TRUE(pen.Create(0x9B000000, 1.0f, Gdiplus::UnitWorld));
  EXPECT_EQ(pen.GetHandle(), pen.PenHandle());
  EXPECT_TRUE(pen.Delete());
  EXPECT_EQ(pen.PenHandle(), nullptr);
}

TEST(GdipObjects, AllocAndFreeUseTheGdiplusAllocator) {
  void* block = draw::GdipObject::Alloc(64);
  ASSERT_NE(block, nullptr);
  std::memset(block, 0xAB, 64);
  draw::GdipObject::Free(block);
}

TEST(GdipFont, CreatesFromAnInstalledFamilyNameOrFromAFamily) {
  draw::GdipFont font;
  EXPECT_TRUE(font.CreateFromFamilyName("宋体", 12.0f, FontStyleBold, UnitPixel));
  EXPECT_EQ(draw::LastStatus(), Ok);
  EXPECT_NE(font.FontHandle(), nullptr);
  EXPECT_EQ(font.GetHandle(), font.FontHandle());

  draw::GdipFontFamily family;
  draw::GdipFontCollection installed;
  ASSERT_TRUE(family.CreateFromName("微软雅黑", installed));
  EXPECT_EQ(family.GetHandle(), family.FamilyHandle());
  EXPECT_TRUE(font.CreateFromFamily(family, 9.0f, 0, Gdiplus::UnitPoint));
  EXPECT_NE(font.FontHandle(), nullptr);
}

TEST(GdipFont, UnknownFamilyLeavesFontAndFamilyEmptyWithAFailedStatus) {
  draw::GdipFontFamily family;
  draw::GdipFontCollection installed;
  EXPECT_FALSE(family.CreateFromName("澄远不存在的字体", installed));
  EXPECT_NE(draw::LastStatus(), Ok);
  EXPECT_EQ(family.GetHandle(), nullptr);

  draw::GdipFont font;
  ASSERT_TRUE(font.CreateFromFamilyName("宋体", 12.0f, 0, UnitPixel));
  // The old font is deleted before the lookup; the failure leaves nothing behind.
  EXPECT_FALSE(font.CreateFromFamilyName("澄远不存在的字体", 12.0f, 0, UnitPixel));
  EXPECT_NE(draw::LastStatus(), Ok);
  EXPECT_EQ(font.GetHandle(), nullptr);
  EXPECT_EQ(font.FontHandle(), nullptr);
}

TEST(GdipImage, DecodesPngJpegAndIconBytes) {
  struct Case {
    const char* name;
    std::vector<std::uint8_t> bytes;
    UINT size;
  } cases[] = {
      {"png", draw_testing::EncodeSolidImage(L"image/png", 6, 4, 0xFF2040C0), 6},
      {"jpeg", draw_testing::EncodeSolidImage(L"image/jpeg", 16, 4, 0xFF2040C0), 16},
      {"ico", draw_testing::MakeIcon(16, 0xFF2040C0), 16},
  };
  for (auto& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_FALSE(c.bytes.empty());
    draw::GdipImage image;
    ASSERT_TRUE(image.LoadFromBytes(c.bytes));
    EXPECT_EQ(draw::LastStatus(), Ok);
    EXPECT_EQ(image.GetHandle(), image.ImageHandle());
    UINT width = 0;
    draw::api::GdipGetImageWidth(image.ImageHandle(), &width);
    EXPECT_EQ(width, c.size);
    // The stream holds an exact copy of the bytes.
    const draw::MemoryStream& stream = image.Stream();
    ASSERT_NE(stream.GetBlock(), nullptr);
    ASSERT_NE(stream.GetStream(), nullptr);
    EXPECT_EQ(std::memcmp(GlobalLock(stream.GetBlock()), c.bytes.data(), c.bytes.size()), 0);
    GlobalUnlock(stream.GetBlock());
    EXPECT_TRUE(image.Dispose());
    EXPECT_EQ(image.ImageHandle(), nullptr);
    EXPECT_EQ(stream.GetBlock(), nullptr);
    EXPECT_EQ(stream.GetStream(), nullptr);
  }
}

TEST(GdipImage, UndecodableBytesFailAndTheStreamIsKeptUntilTheNextLoad) {
  const std::string junk = "this is not a picture";
  const std::span<const std::uint8_t> bytes(reinterpret_cast<const std::uint8_t*>(junk.data()),
                                            junk.size());
  draw::GdipImage image;
  EXPECT_FALSE(image.LoadFromBytes(bytes));
  EXPECT_NE(draw::LastStatus(), Ok);
  EXPECT_EQ(image.GetHandle(), nullptr);
  EXPECT_EQ(image.ImageHandle(), nullptr);
  const HGLOBAL kept = image.Stream().GetBlock();
  ASSERT_NE(kept, nullptr);
  EXPECT_NE(image.Stream().GetStream(), nullptr);
  // Nothing to dispose: the stream stays.
  EXPECT_FALSE(image.Dispose());
  EXPECT_EQ(image.Stream().GetBlock(), kept);

  ASSERT_TRUE(image.LoadFromBytes(draw_testing::MakeIcon(8, 0xFFFFFFFF)));
  EXPECT_NE(image.Stream().GetBlock(), nullptr);
  EXPECT_EQ(GlobalSize(image.Stream().GetBlock()), draw_testing::MakeIcon(8, 0).size());
}

TEST(GdipImage, EmptyBytesFailWithoutCrashing) {
  draw::GdipImage image;
  EXPECT_FALSE(image.LoadFromBytes({}));
  EXPECT_EQ(image.ImageHandle(), nullptr);
}

}  // namespace
