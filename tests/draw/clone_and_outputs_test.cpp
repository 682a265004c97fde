// One rule for clones across the wrapper classes, and getters given null outputs. A failed clone
// leaves its target empty, like a failed creation, except a clone into the source itself, which
// keeps what it had; a successful clone into itself leaves a working object.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>

#include "draw/api_wrappers.h"
#include "draw/brushes.h"
#include "draw/font.h"
#include "draw/image.h"
#include "draw/last_error.h"
#include "draw/pen.h"
#include "draw/string_format.h"
#include "tests/draw/draw_test_support.h"

namespace {

// One object of every wrapper class, empty.
struct Objects {
  draw::GdipPen pen;
  draw::GdipSolidBrush solid;
  draw::GdipLinearBrush linear;
  draw::GdipFontFamily family;
  draw::GdipFont font;
  draw::GdipStringFormat format;
  draw::GdipImage image;
};

// Clones every object of from into its counterpart in to, in the order above, and hands each
// result to check.
void CloneEach(Objects& from, Objects& to, const std::function<void(bool)>& check) {
  check(from.pen.Clone(to.pen));
  check(from.solid.Clone(to.solid));
  check(from.linear.Clone(to.linear));
  check(from.family.Clone(to.family));
  check(from.font.Clone(to.font));
  check(from.format.Clone(to.format));
  check(from.image.Clone(to.image));
}

// The same objects, each holding a native object.
struct Filled : Objects {
  Filled() {
    EXPECT_TRUE(pen.Create(0xFF102030, 3.0f, Gdiplus::UnitPixel));
    EXPECT_TRUE(solid.Create(0xFF405060));
    EXPECT_TRUE(linear.CreateFromRect({0, 0, 8, 8}, 0xFF000000, 0xFFFFFFFF,
                                      Gdiplus::LinearGradientModeVertical));
    EXPECT_TRUE(family.CreateFromName("宋体", draw::GdipFontCollection()));
    EXPECT_TRUE(font.CreateFromFamily(family, 11.0f, 0, Gdiplus::UnitPixel));
    EXPECT_TRUE(format.Create());
    EXPECT_TRUE(format.SetAlign(Gdiplus::StringAlignmentFar));
    EXPECT_TRUE(
        image.LoadFromBytes(draw_testing::EncodeSolidImage(L"image/png", 7, 5, 0xFF336699)));
  }

  // Whether each object still holds a native object that answers, in the same order as above.
  void ExpectWorking() const {
    float width = 0;
    EXPECT_TRUE(pen.GetWidth(&width));
    EXPECT_EQ(width, 3.0f);
    Gdiplus::ARGB colour = 0, other = 0;
    EXPECT_TRUE(solid.GetColor(&colour));
    EXPECT_EQ(colour, 0xFF405060u);
    EXPECT_TRUE(linear.GetColors(&colour, &other));
    EXPECT_EQ(other, 0xFFFFFFFFu);
    std::string name;
    EXPECT_TRUE(family.GetFamilyName(&name));
    EXPECT_FALSE(name.empty());
    float size = 0;
    EXPECT_TRUE(font.GetSize(&size));
    EXPECT_EQ(size, 11.0f);
    Gdiplus::StringAlignment align{};
    EXPECT_TRUE(format.GetAlign(&align));
    EXPECT_EQ(align, Gdiplus::StringAlignmentFar);
    UINT imageWidth = 0;
    EXPECT_TRUE(image.GetWidth(&imageWidth));
    EXPECT_EQ(imageWidth, 7u);
    draw::MemoryStream encoded;
    EXPECT_TRUE(image.SaveToStream(encoded, "image/bmp"));
    EXPECT_GT(encoded.GetSize(), 7u * 5u * 3u);
  }
};

TEST(CloneRule, AFailedCloneLeavesTheTargetEmptyInEveryClass) {
  Filled target;
  // Empty sources: GDI+ refuses to copy nothing.
  Objects empty;
  CloneEach(empty, target, [](bool cloned) { EXPECT_FALSE(cloned); });
  EXPECT_EQ(target.pen.PenHandle(), nullptr);
  EXPECT_EQ(target.solid.SolidFillHandle(), nullptr);
  EXPECT_EQ(target.solid.BrushHandle(), nullptr);
  EXPECT_EQ(target.linear.LineGradientHandle(), nullptr);
  EXPECT_EQ(target.family.FamilyHandle(), nullptr);
  EXPECT_EQ(target.font.FontHandle(), nullptr);
  EXPECT_EQ(target.format.FormatHandle(), nullptr);
  EXPECT_EQ(target.image.ImageHandle(), nullptr);
  EXPECT_EQ(target.image.Stream().GetStream(), nullptr);

  // A brush of the wrong kind for the target is a failed clone as well.
  Filled other;
  EXPECT_FALSE(other.solid.Clone(other.linear));
  EXPECT_EQ(draw::LastStatus(), Gdiplus::InvalidParameter);
  EXPECT_EQ(other.linear.GetHandle(), nullptr);
  EXPECT_EQ(other.linear.BrushHandle(), nullptr);
  // So is a thumbnail of nothing.
  EXPECT_FALSE(empty.image.GetThumbnail(2, 2, other.image));
  EXPECT_EQ(other.image.ImageHandle(), nullptr);
}

TEST(CloneRule, ACloneIntoItselfLeavesAWorkingObject) {
  Filled objects;
  CloneEach(objects, objects, [](bool cloned) { EXPECT_TRUE(cloned); });
  objects.ExpectWorking();
  EXPECT_EQ(objects.image.GetHandle(), objects.image.ImageHandle());
  EXPECT_TRUE(objects.image.GetThumbnail(7, 5, objects.image));
  objects.ExpectWorking();
}

template <typename Source, typename Copy>
Gdiplus::GpStatus WINGDIPAPI FailToCopy(Source*, Copy**) {
  return Gdiplus::OutOfMemory;
}

// Puts a failing function in the place of a clone function for the life of the object.
template <typename Entry>
class Failing {
 public:
  Failing(Entry& entry, typename Entry::Pointer fake) : entry_(entry), real_(entry.Replace(fake)) {}
  ~Failing() { entry_.Replace(real_); }
  Failing(const Failing&) = delete;
  Failing& operator=(const Failing&) = delete;

 private:
  Entry& entry_;
  typename Entry::Pointer real_;
};

TEST(CloneRule, AFailedCloneIntoItselfKeepsTheSource) {
  Filled objects;
  Filled targets;
  {
    Failing pen(draw::api::GdipClonePen, FailToCopy<Gdiplus::GpPen, Gdiplus::GpPen>);
    Failing brush(draw::api::GdipCloneBrush, FailToCopy<Gdiplus::GpBrush, Gdiplus::GpBrush>);
    Failing family(draw::api::GdipCloneFontFamily,
                   FailToCopy<Gdiplus::GpFontFamily, Gdiplus::GpFontFamily>);
    Failing font(draw::api::GdipCloneFont, FailToCopy<Gdiplus::GpFont, Gdiplus::GpFont>);
    Failing format(draw::api::GdipCloneStringFormat,
                   FailToCopy<const Gdiplus::GpStringFormat, Gdiplus::GpStringFormat>);
    Failing image(draw::api::GdipCloneImage, FailToCopy<Gdiplus::GpImage, Gdiplus::GpImage>);
    const auto expectOutOfMemory = [](bool result) {
      EXPECT_FALSE(result);
      EXPECT_EQ(draw::LastStatus(), Gdiplus::OutOfMemory);
    };
    CloneEach(objects, objects, expectOutOfMemory);
    // Into another object the same failure empties the target.
    expectOutOfMemory(objects.pen.Clone(targets.pen));
    expectOutOfMemory(objects.solid.Clone(targets.solid));
    expectOutOfMemory(objects.image.Clone(targets.image));
    EXPECT_EQ(targets.pen.GetHandle(), nullptr);
    EXPECT_EQ(targets.solid.GetHandle(), nullptr);
    EXPECT_EQ(targets.image.GetHandle(), nullptr);
  }
  objects.ExpectWorking();
}

TEST(NullOutputs, GettersGivenANullOutputFailWithInvalidParameter) {
  Filled objects;
  draw::GdipFontCollection installed;
  ASSERT_TRUE(installed.UseInstalledFonts());
  draw::GdipFontFamily listed[1];
  Gdiplus::ARGB colour = 0;
  draw::RectF* noRect = nullptr;
  draw::RectF rect;
  Gdiplus::Unit unit{};
  const std::pair<const char*, std::function<bool()>> calls[] = {
      {"pen width", [&] { return objects.pen.GetWidth(nullptr); }},
      {"pen transform", [&] { return objects.pen.GetTransform(nullptr); }},
      {"solid colour", [&] { return objects.solid.GetColor(nullptr); }},
      {"first line colour", [&] { return objects.linear.GetColors(nullptr, &colour); }},
      {"second line colour", [&] { return objects.linear.GetColors(&colour, nullptr); }},
      {"line rectangle", [&] { return objects.linear.GetRect(noRect); }},
      {"gamma correction", [&] { return objects.linear.GetGammaCorrection(nullptr); }},
      {"line transform", [&] { return objects.linear.GetTransform(nullptr); }},
      {"family name", [&] { return objects.family.GetFamilyName(nullptr); }},
      {"style available", [&] { return objects.family.IsStyleAvailable(0, nullptr); }},
      {"em height", [&] { return objects.family.GetEmHeight(0, nullptr); }},
      {"family list count", [&] { return installed.GetFamilyList(listed, nullptr); }},
      {"font size", [&] { return objects.font.GetSize(nullptr); }},
      {"format flags", [&] { return objects.format.GetFlags(nullptr); }},
      {"hotkey prefix", [&] { return objects.format.GetHotkeyPrefix(nullptr); }},
      {"first tab offset", [&] { return objects.format.GetTabStops(nullptr, {}); }},
      {"image bounds", [&] { return objects.image.GetBounds(nullptr, &unit); }},
      {"image bounds unit", [&] { return objects.image.GetBounds(&rect, nullptr); }},
      {"image width", [&] { return objects.image.GetWidth(nullptr); }},
      {"encoder", [&] { return draw::GdipImage::FindEncoder("image/png", nullptr); }},
      {"own encoder", [&] { return objects.image.FindOwnEncoder(nullptr); }},
  };
  for (const auto& [name, call] : calls) {
    SCOPED_TRACE(name);
    draw::RecordStatus(Gdiplus::Ok);
    EXPECT_FALSE(call());
    EXPECT_EQ(draw::LastStatus(), Gdiplus::InvalidParameter);
  }
  // The refused family list leaves the caller's objects as they were.
  EXPECT_EQ(listed[0].FamilyHandle(), nullptr);
  objects.ExpectWorking();
}

}  // namespace
