// Round trips through the string format, brush and pen wrappers under real GDI+: what is set
// comes back from the getter, so a swapped argument or a wrong binding shows.
#include <gtest/gtest.h>

#include <type_traits>
#include <vector>

#include "draw/api_wrappers.h"
#include "draw/brushes.h"
#include "draw/last_error.h"
#include "draw/pen.h"
#include "draw/string_format.h"

namespace {

// Sets a property to value through set and expects get to read the same value back.
template <typename Object, typename Class, typename Value>
void ExpectKept(Object& object, bool (Class::*set)(Value), bool (Class::*get)(Value*) const,
                std::type_identity_t<Value> value) {
  ASSERT_TRUE((object.*set)(value));
  Value back{};
  ASSERT_TRUE((object.*get)(&back));
  EXPECT_EQ(back, value);
}

using Gdiplus::ARGB;

void ExpectMatrix(const draw::MatrixElements& m, float m11, float m12, float m21, float m22,
                  float dx, float dy) {
  EXPECT_NEAR(m.m11, m11, 1e-4);
  EXPECT_NEAR(m.m12, m12, 1e-4);
  EXPECT_NEAR(m.m21, m21, 1e-4);
  EXPECT_NEAR(m.m22, m22, 1e-4);
  EXPECT_NEAR(m.dx, dx, 1e-4);
  EXPECT_NEAR(m.dy, dy, 1e-4);
}

// --- string format ---

TEST(GdipStringFormatFamily, PropertiesComeBackAsSet) {
  draw::GdipStringFormat format;
  ASSERT_TRUE(format.Create(Gdiplus::StringFormatFlagsNoWrap, LANG_NEUTRAL));
  INT flags = 0;
  ASSERT_TRUE(format.GetFlags(&flags));
  EXPECT_EQ(flags, Gdiplus::StringFormatFlagsNoWrap);
  ASSERT_TRUE(format.SetFlags(Gdiplus::StringFormatFlagsDirectionVertical |
                              Gdiplus::StringFormatFlagsNoClip));
  ASSERT_TRUE(format.GetFlags(&flags));
  EXPECT_EQ(flags, Gdiplus::StringFormatFlagsDirectionVertical | Gdiplus::StringFormatFlagsNoClip);

  // Different values for the two alignments, so that a swap shows.
  ASSERT_TRUE(format.SetAlign(Gdiplus::StringAlignmentFar));
  ASSERT_TRUE(format.SetLineAlign(Gdiplus::StringAlignmentCenter));
  Gdiplus::StringAlignment align{}, lineAlign{};
  ASSERT_TRUE(format.GetAlign(&align));
  ASSERT_TRUE(format.GetLineAlign(&lineAlign));
  EXPECT_EQ(align, Gdiplus::StringAlignmentFar);
  EXPECT_EQ(lineAlign, Gdiplus::StringAlignmentCenter);

  ExpectKept(format, &draw::GdipStringFormat::SetTrimming, &draw::GdipStringFormat::GetTrimming,
             Gdiplus::StringTrimmingEllipsisWord);
  ExpectKept(format, &draw::GdipStringFormat::SetHotkeyPrefix,
             &draw::GdipStringFormat::GetHotkeyPrefix, Gdiplus::HotkeyPrefixShow);

  ASSERT_TRUE(format.SetDigitSubstitution(0x0804, Gdiplus::StringDigitSubstituteNational));
  LANGID language = 0;
  Gdiplus::StringDigitSubstitute substitute{};
  ASSERT_TRUE(format.GetDigitSubstitution(&language, &substitute));
  EXPECT_EQ(language, 0x0804);
  EXPECT_EQ(substitute, Gdiplus::StringDigitSubstituteNational);

  const Gdiplus::CharacterRange ranges[] = {{0, 2}, {3, 4}};
  ASSERT_TRUE(format.SetMeasurableCharacterRanges(ranges));
  INT rangeCount = 0;
  ASSERT_TRUE(format.GetMeasurableCharacterRangeCount(&rangeCount));
  EXPECT_EQ(rangeCount, 2);
}

TEST(GdipStringFormatFamily, TabStopsComeBackAndAShortBufferGetsOnlyWhatFits) {
  draw::GdipStringFormat format;
  ASSERT_TRUE(format.Create());
  const float stops[] = {10, 20, 35};
  ASSERT_TRUE(format.SetTabStops(5, stops));
  INT count = 0;
  ASSERT_TRUE(format.GetTabStopCount(&count));
  ASSERT_EQ(count, 3);
  float first = 0;
  float back[3] = {};
  ASSERT_TRUE(format.GetTabStops(&first, back));
  EXPECT_EQ(first, 5);
  EXPECT_EQ(back[0], 10);
  EXPECT_EQ(back[1], 20);
  EXPECT_EQ(back[2], 35);
  // A longer buffer than the format has stops: only the stops are written.
  float longer[5] = {-1, -1, -1, -1, -1};
  ASSERT_TRUE(format.GetTabStops(&first, longer));
  EXPECT_EQ(longer[2], 35);
  EXPECT_EQ(longer[3], -1);
  EXPECT_EQ(longer[4], -1);
}

TEST(GdipStringFormatFamily, GenericFormatsAreCopiedAndClonesAreIndependent) {
  draw::GdipStringFormat typographic;
  ASSERT_TRUE(typographic.CreateGenericTypographic());
  INT flags = 0;
  ASSERT_TRUE(typographic.GetFlags(&flags));
  EXPECT_TRUE(flags & Gdiplus::StringFormatFlagsNoClip);
  EXPECT_TRUE(flags & Gdiplus::StringFormatFlagsLineLimit);
  // Changing this object's format leaves the shared generic one alone.
  ASSERT_TRUE(typographic.SetFlags(0));
  draw::GdipStringFormat again;
  ASSERT_TRUE(again.CreateGenericTypographic());
  ASSERT_TRUE(again.GetFlags(&flags));
  EXPECT_TRUE(flags & Gdiplus::StringFormatFlagsNoClip);
  EXPECT_NE(again.FormatHandle(), typographic.FormatHandle());

  draw::GdipStringFormat generic;
  ASSERT_TRUE(generic.CreateGenericDefault());
  ASSERT_TRUE(generic.SetAlign(Gdiplus::StringAlignmentCenter));
  draw::GdipStringFormat copy;
  ASSERT_TRUE(generic.Clone(copy));
  EXPECT_EQ(copy.GetHandle(), copy.FormatHandle());
  ASSERT_TRUE(copy.SetAlign(Gdiplus::StringAlignmentFar));
  Gdiplus::StringAlignment align{};
  ASSERT_TRUE(generic.GetAlign(&align));
  EXPECT_EQ(align, Gdiplus::StringAlignmentCenter);
  ASSERT_TRUE(copy.GetAlign(&align));
  EXPECT_EQ(align, Gdiplus::StringAlignmentFar);
}

// --- brushes ---

TEST(GdipBrushFamily, SolidColourTypeAndCloneIntoTheRightKindOnly) {
  draw::GdipSolidBrush solid;
  ASSERT_TRUE(solid.Create(0x80102030));
  ARGB colour = 0;
  ASSERT_TRUE(solid.GetColor(&colour));
  EXPECT_EQ(colour, 0x80102030u);
  ExpectKept(solid, &draw::GdipSolidBrush::SetColor, &draw::GdipSolidBrush::GetColor, 0x01020304u);
  Gdiplus::BrushType type{};
  ASSERT_TRUE(solid.GetType(&type));
  EXPECT_EQ(type, Gdiplus::BrushTypeSolidColor);

  draw::GdipSolidBrush same;
  ASSERT_TRUE(solid.Clone(same));
  EXPECT_NE(same.SolidFillHandle(), solid.SolidFillHandle());
  EXPECT_EQ(same.GetHandle(), same.SolidFillHandle());
  ASSERT_TRUE(same.GetColor(&colour));
  EXPECT_EQ(colour, 0x01020304u);

  // A linear brush object cannot hold a solid fill: refused, and like any failed clone it leaves
  // the target empty.
  draw::GdipLinearBrush linear;
  ASSERT_TRUE(linear.CreateFromRect({0, 0, 10, 10}, 0xFF000000, 0xFFFFFFFF,
                                    Gdiplus::LinearGradientModeHorizontal));
  EXPECT_FALSE(solid.Clone(linear));
  EXPECT_EQ(draw::LastStatus(), Gdiplus::InvalidParameter);
  EXPECT_EQ(linear.GetHandle(), nullptr);

  // The plain base holds any kind.
  ASSERT_TRUE(linear.CreateFromRect({0, 0, 10, 10}, 0xFF000000, 0xFFFFFFFF,
                                    Gdiplus::LinearGradientModeHorizontal));
  draw::GdipBrush any;
  ASSERT_TRUE(linear.Clone(any));
  ASSERT_TRUE(any.GetType(&type));
  EXPECT_EQ(type, Gdiplus::BrushTypeLinearGradient);
}

TEST(GdipBrushFamily, LinearCreationsColoursRectanglesAndWrapMode) {
  draw::GdipLinearBrush brush;
  ASSERT_TRUE(brush.CreateFromRect({1, 2, 30, 40}, 0xFF112233, 0x80445566,
                                   Gdiplus::LinearGradientModeVertical,
                                   Gdiplus::WrapModeTileFlipX));
  ARGB c1 = 0, c2 = 0;
  ASSERT_TRUE(brush.GetColors(&c1, &c2));
  EXPECT_EQ(c1, 0xFF112233u);
  EXPECT_EQ(c2, 0x80445566u);
  draw::RectF rect;
  ASSERT_TRUE(brush.GetRect(&rect));
  EXPECT_EQ(rect.x, 1);
  EXPECT_EQ(rect.y, 2);
  EXPECT_EQ(rect.width, 30);
  EXPECT_EQ(rect.height, 40);
  Gdiplus::WrapMode wrap{};
  ASSERT_TRUE(brush.GetWrapMode(&wrap));
  EXPECT_EQ(wrap, Gdiplus::WrapModeTileFlipX);
  ExpectKept(brush, &draw::GdipLinearBrush::SetWrapMode, &draw::GdipLinearBrush::GetWrapMode,
             Gdiplus::WrapModeTileFlipXY);
  ASSERT_TRUE(brush.SetColors(0xFF0000FF, 0xFF00FF00));
  ASSERT_TRUE(brush.GetColors(&c1, &c2));
  EXPECT_EQ(c1, 0xFF0000FFu);
  EXPECT_EQ(c2, 0xFF00FF00u);
  ExpectKept(brush, &draw::GdipLinearBrush::SetGammaCorrection,
             &draw::GdipLinearBrush::GetGammaCorrection, true);

  ASSERT_TRUE(brush.CreateFromRectI({3, 4, 50, 60}, 0xFFFFFFFF, 0xFF000000,
                                    Gdiplus::LinearGradientModeForwardDiagonal));
  Gdiplus::Rect rectI;
  ASSERT_TRUE(brush.GetRectI(&rectI));
  EXPECT_EQ(rectI.X, 3);
  EXPECT_EQ(rectI.Y, 4);
  EXPECT_EQ(rectI.Width, 50);
  EXPECT_EQ(rectI.Height, 60);

  ASSERT_TRUE(brush.CreateLine({0, 0}, {10, 0}, 0xFF010203, 0xFF040506));
  ASSERT_TRUE(brush.GetColors(&c1, &c2));
  EXPECT_EQ(c1, 0xFF010203u);
  ASSERT_TRUE(
      brush.CreateLineI({0, 0}, {0, 8}, 0xFF0A0B0C, 0xFF0D0E0F, Gdiplus::WrapModeTileFlipY));
  ASSERT_TRUE(brush.GetWrapMode(&wrap));
  EXPECT_EQ(wrap, Gdiplus::WrapModeTileFlipY);
  ASSERT_TRUE(brush.CreateFromRectWithAngle({0, 0, 20, 20}, 0xFF000001, 0xFF000002, 30, true));
  ASSERT_TRUE(brush.GetColors(&c1, &c2));
  EXPECT_EQ(c2, 0xFF000002u);
  ASSERT_TRUE(brush.CreateFromRectWithAngleI({0, 0, 20, 20}, 0xFF000003, 0xFF000004, 45, false));
  ASSERT_TRUE(brush.GetColors(&c1, &c2));
  EXPECT_EQ(c1, 0xFF000003u);
  EXPECT_EQ(brush.GetHandle(), brush.LineGradientHandle());
  EXPECT_EQ(brush.GetHandle(), brush.BrushHandle());
}

TEST(GdipBrushFamily, LinearBlendsComeBackAsSet) {
  draw::GdipLinearBrush brush;
  ASSERT_TRUE(brush.CreateFromRect({0, 0, 100, 10}, 0xFF000000, 0xFFFFFFFF,
                                   Gdiplus::LinearGradientModeHorizontal));
  const float factors[] = {0, 0.3f, 1};
  const float positions[] = {0, 0.6f, 1};
  ASSERT_TRUE(brush.SetBlend(factors, positions));
  INT count = 0;
  ASSERT_TRUE(brush.GetBlendCount(&count));
  ASSERT_EQ(count, 3);
  std::vector<float> f(3), p(3);
  ASSERT_TRUE(brush.GetBlend(f, p));
  EXPECT_FLOAT_EQ(f[1], 0.3f);
  EXPECT_FLOAT_EQ(p[1], 0.6f);
  // Lists of different lengths are refused before GDI+ sees them.
  EXPECT_FALSE(brush.SetBlend(factors, std::span<const float>(positions, 2)));
  EXPECT_EQ(draw::LastStatus(), Gdiplus::InvalidParameter);

  // A triangular fall-off peaking in the middle.
  ASSERT_TRUE(brush.SetLinearBlend(0.5f, 1.0f));
  ASSERT_TRUE(brush.GetBlendCount(&count));
  ASSERT_EQ(count, 3);
  ASSERT_TRUE(brush.GetBlend(f, p));
  EXPECT_FLOAT_EQ(f[0], 0);
  EXPECT_FLOAT_EQ(f[1], 1);
  EXPECT_FLOAT_EQ(p[1], 0.5f);
  ASSERT_TRUE(brush.SetSigmaBlend(0.5f, 1.0f));
  ASSERT_TRUE(brush.GetBlendCount(&count));
  EXPECT_GT(count, 3);

  const ARGB colours[] = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF};
  const float at[] = {0, 0.4f, 1};
  ASSERT_TRUE(brush.SetPresetBlend(colours, at));
  ASSERT_TRUE(brush.GetPresetBlendCount(&count));
  ASSERT_EQ(count, 3);
  std::vector<ARGB> c(3);
  ASSERT_TRUE(brush.GetPresetBlend(c, p));
  EXPECT_EQ(c[1], 0xFF00FF00u);
  EXPECT_EQ(c[2], 0xFF0000FFu);
  EXPECT_FLOAT_EQ(p[1], 0.4f);
}

TEST(GdipBrushFamily, LinearTransformIsAppliedAndReadBack) {
  draw::GdipLinearBrush brush;
  ASSERT_TRUE(brush.CreateFromRect({0, 0, 10, 10}, 0xFF000000, 0xFFFFFFFF,
                                   Gdiplus::LinearGradientModeHorizontal));
  ASSERT_TRUE(brush.SetTransform({2, 0, 0, 3, 5, 7}));
  draw::MatrixElements m;
  ASSERT_TRUE(brush.GetTransform(&m));
  ExpectMatrix(m, 2, 0, 0, 3, 5, 7);
  ASSERT_TRUE(brush.TranslateTransform(1, 2, Gdiplus::MatrixOrderAppend));
  ASSERT_TRUE(brush.GetTransform(&m));
  ExpectMatrix(m, 2, 0, 0, 3, 6, 9);
  ASSERT_TRUE(brush.ResetTransform());
  ASSERT_TRUE(brush.ScaleTransform(2, 4));
  ASSERT_TRUE(brush.GetTransform(&m));
  ExpectMatrix(m, 2, 0, 0, 4, 0, 0);
  ASSERT_TRUE(brush.MultiplyTransform({1, 0, 0, 1, 10, 20}, Gdiplus::MatrixOrderAppend));
  ASSERT_TRUE(brush.GetTransform(&m));
  ExpectMatrix(m, 2, 0, 0, 4, 10, 20);
  ASSERT_TRUE(brush.ResetTransform());
  // Wine leaves rotating a line gradient unimplemented.
  if (!brush.RotateTransform(90)) {
    EXPECT_EQ(draw::LastStatus(), Gdiplus::NotImplemented);
    return;
  }
  ASSERT_TRUE(brush.GetTransform(&m));
  ExpectMatrix(m, 0, 1, -1, 0, 0, 0);
}

// --- pen ---

TEST(GdipPenFamily, WidthUnitColourCapsJoinsAndMode) {
  draw::GdipPen pen;
  ASSERT_TRUE(pen.Create(0xFF112233, 2.5f, Gdiplus::UnitPixel));
  ARGB colour = 0;
  float width = 0;
  Gdiplus::Unit unit{};
  ASSERT_TRUE(pen.GetColor(&colour));
  ASSERT_TRUE(pen.GetWidth(&width));
  ASSERT_TRUE(pen.GetUnit(&unit));
  EXPECT_EQ(colour, 0xFF112233u);
  EXPECT_EQ(width, 2.5f);
  EXPECT_EQ(unit, Gdiplus::UnitPixel);
  ASSERT_TRUE(pen.SetColor(0x40506070));
  ASSERT_TRUE(pen.SetWidth(4));
  ASSERT_TRUE(pen.GetColor(&colour));
  ASSERT_TRUE(pen.GetWidth(&width));
  EXPECT_EQ(colour, 0x40506070u);
  EXPECT_EQ(width, 4);
  // Wine exports GdipSetPenUnit as a stub that ends the process, so SetUnit is not called here;
  // the unit is checked on a second creation instead.
  draw::GdipPen other;
  ASSERT_TRUE(other.Create(0xFF000000, 1, Gdiplus::UnitWorld));
  ASSERT_TRUE(other.GetUnit(&unit));
  EXPECT_EQ(unit, Gdiplus::UnitWorld);

  Gdiplus::LineCap start{}, end{};
  Gdiplus::DashCap dash{};
  ASSERT_TRUE(
      pen.SetLineCap(Gdiplus::LineCapRound, Gdiplus::LineCapTriangle, Gdiplus::DashCapRound));
  ASSERT_TRUE(pen.GetStartCap(&start));
  ASSERT_TRUE(pen.GetEndCap(&end));
  ASSERT_TRUE(pen.GetDashCap(&dash));
  EXPECT_EQ(start, Gdiplus::LineCapRound);
  EXPECT_EQ(end, Gdiplus::LineCapTriangle);
  EXPECT_EQ(dash, Gdiplus::DashCapRound);
  ASSERT_TRUE(pen.SetStartCap(Gdiplus::LineCapSquare));
  ASSERT_TRUE(pen.SetEndCap(Gdiplus::LineCapArrowAnchor));
  ASSERT_TRUE(pen.SetDashCap(Gdiplus::DashCapTriangle));
  ASSERT_TRUE(pen.GetStartCap(&start));
  ASSERT_TRUE(pen.GetEndCap(&end));
  ASSERT_TRUE(pen.GetDashCap(&dash));
  EXPECT_EQ(start, Gdiplus::LineCapSquare);
  EXPECT_EQ(end, Gdiplus::LineCapArrowAnchor);
  EXPECT_EQ(dash, Gdiplus::DashCapTriangle);

  ExpectKept(pen, &draw::GdipPen::SetLineJoin, &draw::GdipPen::GetLineJoin, Gdiplus::LineJoinRound);
  ExpectKept(pen, &draw::GdipPen::SetMiterLimit, &draw::GdipPen::GetMiterLimit, 7);
  ExpectKept(pen, &draw::GdipPen::SetMode, &draw::GdipPen::GetMode, Gdiplus::PenAlignmentInset);

  draw::GdipPen copy;
  ASSERT_TRUE(pen.Clone(copy));
  EXPECT_NE(copy.PenHandle(), pen.PenHandle());
  ASSERT_TRUE(copy.SetWidth(9));
  ASSERT_TRUE(pen.GetWidth(&width));
  EXPECT_EQ(width, 4);
  Gdiplus::LineJoin join{};
  ASSERT_TRUE(copy.GetLineJoin(&join));
  EXPECT_EQ(join, Gdiplus::LineJoinRound);
}

TEST(GdipPenFamily, DashesCompoundLinesAndTransform) {
  draw::GdipPen pen;
  ASSERT_TRUE(pen.Create(0xFF000000, 3, Gdiplus::UnitPixel));
  ExpectKept(pen, &draw::GdipPen::SetDashStyle, &draw::GdipPen::GetDashStyle,
             Gdiplus::DashStyleDot);
  ExpectKept(pen, &draw::GdipPen::SetDashOffset, &draw::GdipPen::GetDashOffset, 1.5f);
  Gdiplus::DashStyle style{};

  const float dashes[] = {3, 1, 2, 5};
  ASSERT_TRUE(pen.SetDashArray(dashes));
  ASSERT_TRUE(pen.GetDashStyle(&style));
  EXPECT_EQ(style, Gdiplus::DashStyleCustom);
  INT count = 0;
  ASSERT_TRUE(pen.GetDashCount(&count));
  ASSERT_EQ(count, 4);
  std::vector<float> back(4);
  ASSERT_TRUE(pen.GetDashArray(back));
  EXPECT_EQ(back, std::vector<float>(dashes, dashes + 4));

  const float edges[] = {0, 0.25f, 0.75f, 1};
  ASSERT_TRUE(pen.SetCompoundArray(edges));
  ASSERT_TRUE(pen.GetCompoundCount(&count));
  ASSERT_EQ(count, 4);
  ASSERT_TRUE(pen.GetCompoundArray(back));
  EXPECT_EQ(back, std::vector<float>(edges, edges + 4));

  draw::MatrixElements m;
  ASSERT_TRUE(pen.SetTransform({1, 0, 0, 2, 0, 0}));
  ASSERT_TRUE(pen.GetTransform(&m));
  ExpectMatrix(m, 1, 0, 0, 2, 0, 0);
  ASSERT_TRUE(pen.ScaleTransform(3, 1));
  ASSERT_TRUE(pen.GetTransform(&m));
  ExpectMatrix(m, 3, 0, 0, 2, 0, 0);
  ASSERT_TRUE(pen.MultiplyTransform({2, 0, 0, 2, 0, 0}));
  ASSERT_TRUE(pen.GetTransform(&m));
  ExpectMatrix(m, 6, 0, 0, 4, 0, 0);
  ASSERT_TRUE(pen.ResetTransform());
  ASSERT_TRUE(pen.RotateTransform(90));
  ASSERT_TRUE(pen.GetTransform(&m));
  ExpectMatrix(m, 0, 1, -1, 0, 0, 0);
  ASSERT_TRUE(pen.ResetTransform());
  ASSERT_TRUE(pen.TranslateTransform(4, 5));
  ASSERT_TRUE(pen.GetTransform(&m));
  ExpectMatrix(m, 1, 0, 0, 1, 4, 5);
}

TEST(GdipPenFamily, BrushFillAndCustomCaps) {
  draw::GdipLinearBrush gradient;
  ASSERT_TRUE(gradient.CreateFromRect({0, 0, 10, 10}, 0xFF102030, 0xFF405060,
                                      Gdiplus::LinearGradientModeHorizontal));
  draw::GdipPen pen;
  ASSERT_TRUE(pen.CreateFromBrush(gradient, 2, Gdiplus::UnitPixel));
  Gdiplus::PenType type{};
  ASSERT_TRUE(pen.GetFillType(&type));
  EXPECT_EQ(type, Gdiplus::PenTypeLinearGradient);
  draw::GdipLinearBrush fill;
  ASSERT_TRUE(pen.GetBrushFill(fill));
  EXPECT_NE(fill.GetHandle(), gradient.GetHandle());
  ARGB c1 = 0, c2 = 0;
  ASSERT_TRUE(fill.GetColors(&c1, &c2));
  EXPECT_EQ(c1, 0xFF102030u);
  EXPECT_EQ(c2, 0xFF405060u);

  draw::GdipSolidBrush solid;
  ASSERT_TRUE(solid.Create(0x7F0A0B0C));
  ASSERT_TRUE(pen.SetBrushFill(solid));
  ASSERT_TRUE(pen.GetFillType(&type));
  EXPECT_EQ(type, Gdiplus::PenTypeSolidColor);
  ARGB colour = 0;
  ASSERT_TRUE(pen.GetColor(&colour));
  EXPECT_EQ(colour, 0x7F0A0B0Cu);
  // The fill is now solid: the linear object refuses it and keeps its own.
  EXPECT_FALSE(pen.GetBrushFill(fill));
  ASSERT_TRUE(fill.GetColors(&c1, &c2));

  draw::ExternalFunction<decltype(Gdiplus::DllExports::GdipCreateAdjustableArrowCap)> createArrow{
      "gdiplus.dll", "GdipCreateAdjustableArrowCap"};
  Gdiplus::GpAdjustableArrowCap* arrow = nullptr;
  ASSERT_EQ(createArrow(3.0f, 3.0f, TRUE, &arrow), Gdiplus::Ok);
  ASSERT_TRUE(pen.SetCustomEndCap(arrow));
  ASSERT_TRUE(pen.SetCustomStartCap(arrow));
  Gdiplus::LineCap end{};
  ASSERT_TRUE(pen.GetEndCap(&end));
  EXPECT_EQ(end, Gdiplus::LineCapCustom);
  Gdiplus::GpCustomLineCap* got = nullptr;
  ASSERT_TRUE(pen.GetCustomEndCap(&got));
  ASSERT_NE(got, nullptr);
  EXPECT_NE(got, static_cast<Gdiplus::GpCustomLineCap*>(arrow));
  draw::api::GdipDeleteCustomLineCap(got);
  got = nullptr;
  ASSERT_TRUE(pen.GetCustomStartCap(&got));
  ASSERT_NE(got, nullptr);
  draw::api::GdipDeleteCustomLineCap(got);
  draw::api::GdipDeleteCustomLineCap(arrow);
}

}  // namespace
