// GDI drawing on the surface's memory device context: pixels, shapes, lines, gradients, text,
// regions and paths. Each operation selects its own pen, brush and font for the one call and
// puts back what the device context held before.
#include <optional>
#include <string>

#include "draw/api_surface.h"
#include "draw/owners.h"
#include "draw/surface.h"
#include "draw/to_wide.h"

namespace draw {
namespace {

UniquePen MakePen(COLORREF color, int width) {
  UniquePen pen(api::CreatePen(PS_SOLID, width, color));
  if (!pen) AppendLastErrorText("创建画笔失败(CreatePen()返回值为0)");
  return pen;
}

// A solid brush for filled shapes; outlines get a hollow brush.
UniqueBrush MakeBrush(std::optional<COLORREF> fill) {
  if (fill) {
    UniqueBrush brush(api::CreateSolidBrush(*fill));
    if (!brush) AppendLastErrorText("创建刷子失败(CreateSolidBrush()返回值为0)");
    return brush;
  }
  const LOGBRUSH hollow{BS_NULL, 0, 0};
  UniqueBrush brush(api::CreateBrushIndirect(&hollow));
  if (!brush) AppendLastErrorText("创建刷子失败(CreateBrushIndirect()返回值为0)");
  return brush;
}

// A pen and a brush selected for one call; both are selected only when both exist.
class DrawingTools {
 public:
  DrawingTools(HDC dc, COLORREF lineColor, int lineWidth, std::optional<COLORREF> fill)
      : pen_(MakePen(lineColor, lineWidth)),
        brush_(pen_ ? MakeBrush(fill) : UniqueBrush()),
        selectedPen_(dc, brush_ ? pen_.get() : nullptr),
        selectedBrush_(dc, brush_.get()) {}

  bool ok() const { return static_cast<bool>(brush_); }

 private:
  UniquePen pen_;
  UniqueBrush brush_;
  SelectedObject selectedPen_;
  SelectedObject selectedBrush_;
};

// A negative height asks for the character height rather than the cell height.
UniqueFont MakeFont(const GdiTextStyle& style) {
  UniqueFont font(api::CreateFontW(-style.height, 0, 0, 0, style.weight, style.italic,
                                   style.underline, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                   CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                   DEFAULT_PITCH | FF_DONTCARE, ToWide(style.fontName).c_str()));
  if (!font) AppendLastErrorText("创建字体失败(CreateFontA()返回值为0)");
  return font;
}

// The font of a GdiTextStyle, selected for one call.
class SelectedFont {
 public:
  SelectedFont(HDC dc, const GdiTextStyle& style)
      : font_(MakeFont(style)), selected_(dc, font_.get()) {}

  bool ok() const { return static_cast<bool>(font_); }

 private:
  UniqueFont font_;
  SelectedObject selected_;
};

int Count(std::span<const POINT> points) { return static_cast<int>(points.size()); }

// Calls of the shape functions that take a bounding rectangle (Rectangle, Ellipse), and of those
// that take it with the two points whose radials cut the shape from the ellipse (Arc, Chord, Pie).
auto BoxCall(ExternalFunction<decltype(::Rectangle)>& function, int left, int top, int right,
             int bottom) {
  return [&function, left, top, right, bottom](HDC dc) {
    return function(dc, left, top, right, bottom);
  };
}

auto ArcCall(ExternalFunction<decltype(::Arc)>& function, int left, int top, int right, int bottom,
             int startX, int startY, int endX, int endY) {
  return [=, &function](HDC dc) {
    return function(dc, left, top, right, bottom, startX, startY, endX, endY);
  };
}

}  // namespace

template <typename Shape>
bool 图形::GdiShape(Shape shape, std::optional<COLORREF> fill, COLORREF lineColor, int lineWidth,
                    const char* failure) {
  DrawingTools tools(memoryDC_, lineColor, lineWidth, fill);
  return tools.ok() && Check(shape(memoryDC_), failure);
}

COLORREF 图形::GetPixel(int x, int y) const { return api::GetPixel(memoryDC_, x, y); }

bool 图形::SetPixel(int x, int y, COLORREF color) {
  return Check(api::SetPixelV(memoryDC_, x, y, color), "设置像素失败(SetPixelV()返回值为0)");
}

bool 图形::GdiClear(COLORREF color) {
  const UniqueBrush brush(api::CreateSolidBrush(color));
  if (!Check(static_cast<bool>(brush), "创建刷子失败(CreateSolidBrush()返回值为0)")) return false;
  const RECT all{0, 0, width_, height_};
  const bool ok = api::FillRect(memoryDC_, &all, brush.get());
  return Check(ok, "清除图形失败(FillRect()返回值为0)");
}

bool 图形::GdiDrawRectangle(int left, int top, int right, int bottom, COLORREF lineColor,
                            int lineWidth) {
  return GdiShape(BoxCall(api::Rectangle, left, top, right, bottom), std::nullopt, lineColor,
                  lineWidth, "绘制矩形失败(Rectangle()返回值为0)");
}

bool 图形::GdiFillRectangle(int left, int top, int right, int bottom, COLORREF fillColor,
                            COLORREF lineColor, int lineWidth) {
  return GdiShape(BoxCall(api::Rectangle, left, top, right, bottom), fillColor, lineColor,
                  lineWidth, "绘制矩形失败(Rectangle()返回值为0)");
}

bool 图形::GdiDrawEllipse(int left, int top, int right, int bottom, COLORREF lineColor,
                          int lineWidth) {
  return GdiShape(BoxCall(api::Ellipse, left, top, right, bottom), std::nullopt, lineColor,
                  lineWidth, "绘制椭圆失败(Ellipse()返回值为0)");
}

bool 图形::GdiFillEllipse(int left, int top, int right, int bottom, COLORREF fillColor,
                          COLORREF lineColor, int lineWidth) {
  return GdiShape(BoxCall(api::Ellipse, left, top, right, bottom), fillColor, lineColor, lineWidth,
                  "绘制椭圆失败(Ellipse()返回值为0)");
}

bool 图形::GdiDrawArc(int left, int top, int right, int bottom, int startX, int startY, int endX,
                      int endY, COLORREF lineColor, int lineWidth) {
  return GdiShape(ArcCall(api::Arc, left, top, right, bottom, startX, startY, endX, endY),
                  std::nullopt, lineColor, lineWidth, "绘制弧线失败(Arc()返回值为0)");
}

bool 图形::GdiDrawChord(int left, int top, int right, int bottom, int startX, int startY, int endX,
                        int endY, COLORREF lineColor, int lineWidth) {
  return GdiShape(ArcCall(api::Chord, left, top, right, bottom, startX, startY, endX, endY),
                  std::nullopt, lineColor, lineWidth, "绘制弦形失败(Chord()返回值为0)");
}

bool 图形::GdiFillChord(int left, int top, int right, int bottom, int startX, int startY, int endX,
                        int endY, COLORREF fillColor, COLORREF lineColor, int lineWidth) {
  return GdiShape(ArcCall(api::Chord, left, top, right, bottom, startX, startY, endX, endY),
                  fillColor, lineColor, lineWidth, "绘制弦形失败(Chord()返回值为0)");
}

bool 图形::GdiDrawPie(int left, int top, int right, int bottom, int startX, int startY, int endX,
                      int endY, COLORREF lineColor, int lineWidth) {
  return GdiShape(ArcCall(api::Pie, left, top, right, bottom, startX, startY, endX, endY),
                  std::nullopt, lineColor, lineWidth, "绘制饼形失败(Pie()返回值为0)");
}

bool 图形::GdiFillPie(int left, int top, int right, int bottom, int startX, int startY, int endX,
                      int endY, COLORREF fillColor, COLORREF lineColor, int lineWidth) {
  return GdiShape(ArcCall(api::Pie, left, top, right, bottom, startX, startY, endX, endY),
                  fillColor, lineColor, lineWidth, "绘制饼形失败(Pie()返回值为0)");
}

bool 图形::GdiDrawLine(int x1, int y1, int x2, int y2, COLORREF lineColor, int lineWidth) {
  return GdiMoveTo(x1, y1) && GdiLineTo(x2, y2, lineColor, lineWidth);
}

bool 图形::GdiMoveTo(int x, int y) {
  return Check(api::MoveToEx(memoryDC_, x, y, nullptr), "移动画笔位置失败(MoveToEx()返回值为0)");
}

bool 图形::GdiLineTo(int x, int y, COLORREF lineColor, int lineWidth) {
  return GdiShape([x, y](HDC dc) { return api::LineTo(dc, x, y); }, std::nullopt, lineColor,
                  lineWidth, "绘制直线失败(LineTo()返回值为0)");
}

bool 图形::GdiGradientFillRectangle(int left, int top, int right, int bottom, COLORREF color1,
                                    COLORREF color2, bool vertical) {
  // TRIVERTEX colours are 16 bits per channel.
  auto vertex = [](int x, int y, COLORREF c) {
    return TRIVERTEX{x,
                     y,
                     static_cast<COLOR16>(GetRValue(c) << 8),
                     static_cast<COLOR16>(GetGValue(c) << 8),
                     static_cast<COLOR16>(GetBValue(c) << 8),
                     0};
  };
  const TRIVERTEX vertices[2] = {vertex(left, top, color1), vertex(right, bottom, color2)};
  const GRADIENT_RECT mesh{0, 1};
  return GdiGradientFill(vertices, &mesh, 1,
                         vertical ? GRADIENT_FILL_RECT_V : GRADIENT_FILL_RECT_H);
}

bool 图形::GdiGradientFill(std::span<const TRIVERTEX> vertices, const void* mesh, ULONG meshCount,
                           ULONG mode) {
  // GradientFill takes non-const pointers but only reads them.
  return Check(api::GradientFill(memoryDC_, const_cast<TRIVERTEX*>(vertices.data()),
                                 static_cast<ULONG>(vertices.size()), const_cast<void*>(mesh),
                                 meshCount, mode),
               "渐变填充失败(GradientFill()返回值为0)");
}

bool 图形::GdiDrawRoundRect(int left, int top, int right, int bottom, int cornerWidth,
                            int cornerHeight, COLORREF lineColor, int lineWidth) {
  return GdiShape(
      [=](HDC dc) {
        return api::RoundRect(dc, left, top, right, bottom, cornerWidth, cornerHeight);
      },
      std::nullopt, lineColor, lineWidth, "绘制圆角矩形失败(RoundRect()返回值为0)");
}

bool 图形::GdiFillRoundRect(int left, int top, int right, int bottom, int cornerWidth,
                            int cornerHeight, COLORREF fillColor, COLORREF lineColor,
                            int lineWidth) {
  return GdiShape(
      [=](HDC dc) {
        return api::RoundRect(dc, left, top, right, bottom, cornerWidth, cornerHeight);
      },
      fillColor, lineColor, lineWidth, "绘制圆角矩形失败(RoundRect()返回值为0)");
}

bool 图形::GdiDrawBezier(std::span<const POINT> points, COLORREF lineColor, int lineWidth) {
  return GdiShape(
      [points](HDC dc) {
        return api::PolyBezier(dc, points.data(), static_cast<DWORD>(points.size()));
      },
      std::nullopt, lineColor, lineWidth, "绘制贝塞尔曲线失败(PolyBezier()返回值为0)");
}

bool 图形::GdiDrawPolyline(std::span<const POINT> points, COLORREF lineColor, int lineWidth) {
  return GdiShape([points](HDC dc) { return api::Polyline(dc, points.data(), Count(points)); },
                  std::nullopt, lineColor, lineWidth, "绘制折线失败(Polyline()返回值为0)");
}

bool 图形::GdiDrawPolygon(std::span<const POINT> points, COLORREF lineColor, int lineWidth) {
  return GdiShape([points](HDC dc) { return api::Polygon(dc, points.data(), Count(points)); },
                  std::nullopt, lineColor, lineWidth, "绘制多边形失败(Polygon()返回值为0)");
}

bool 图形::GdiFillPolygon(std::span<const POINT> points, COLORREF fillColor, COLORREF lineColor,
                          int lineWidth) {
  return GdiShape([points](HDC dc) { return api::Polygon(dc, points.data(), Count(points)); },
                  fillColor, lineColor, lineWidth, "绘制多边形失败(Polygon()返回值为0)");
}

bool 图形::GdiDrawText(std::string_view text, const RECT& rect, const GdiTextStyle& style) {
  if (text.empty()) return true;
  SelectedFont font(memoryDC_, style);
  if (!font.ok()) return false;
  api::SetTextColor(memoryDC_, style.color);
  // DrawTextExW takes a writable text; the converted copy keeps the caller's intact.
  // DT_MODIFYSTRING is left out since the modified text is not handed back.
  std::wstring buffer = ToWide(text);
  RECT bounds = rect;
  return Check(api::DrawTextExW(memoryDC_, buffer.data(), static_cast<int>(buffer.size()), &bounds,
                                style.format & ~static_cast<UINT>(DT_MODIFYSTRING), nullptr) != 0,
               "绘制文本失败(DrawTextExA()返回值为0)");
}

bool 图形::GdiDrawTextOnBackground(std::string_view text, const RECT& rect,
                                   const GdiTextStyle& style, COLORREF background) {
  api::SetBkColor(memoryDC_, background);
  api::SetBkMode(memoryDC_, OPAQUE);
  const bool ok = GdiDrawText(text, rect, style);
  // The surface draws with a transparent background otherwise (see 创建_自设备句柄).
  api::SetBkMode(memoryDC_, TRANSPARENT);
  return ok;
}

bool 图形::GdiDrawShadowText(std::string_view text, const RECT& rect, const GdiTextStyle& style,
                             COLORREF shadowColor, int shadowX, int shadowY) {
  if (text.empty()) return true;
  SelectedFont font(memoryDC_, style);
  if (!font.ok()) return false;
  const std::wstring wide = ToWide(text);
  RECT bounds = rect;
  return Check(api::DrawShadowText(memoryDC_, wide.c_str(), static_cast<UINT>(wide.size()), &bounds,
                                   style.format & ~static_cast<UINT>(DT_MODIFYSTRING), style.color,
                                   shadowColor, shadowX, shadowY) != 0,
               "绘制阴影文本失败(DrawShadowText()返回值为0)");
}

bool 图形::GdiInvertRect(int left, int top, int right, int bottom) {
  const RECT rect{left, top, right, bottom};
  return Check(api::InvertRect(memoryDC_, &rect), "反转矩形失败(InvertRect()返回值为0)");
}

bool 图形::GdiFillRegion(HRGN region, COLORREF color) {
  const UniqueBrush brush(api::CreateSolidBrush(color));
  if (!Check(static_cast<bool>(brush), "创建刷子失败(CreateSolidBrush()返回值为0)")) return false;
  const bool ok = api::FillRgn(memoryDC_, region, brush.get());
  return Check(ok, "填充区域失败(FillRgn()返回值为0)");
}

bool 图形::GdiFrameRegion(HRGN region, COLORREF color, int frameWidth, int frameHeight) {
  const UniqueBrush brush(api::CreateSolidBrush(color));
  if (!Check(static_cast<bool>(brush), "创建刷子失败(CreateSolidBrush()返回值为0)")) return false;
  const bool ok = api::FrameRgn(memoryDC_, region, brush.get(), frameWidth, frameHeight);
  return Check(ok, "绘制区域边框失败(FrameRgn()返回值为0)");
}

bool 图形::GdiBeginPath() {
  return Check(api::BeginPath(memoryDC_), "开始路径失败(BeginPath()返回值为0)");
}

bool 图形::GdiEndPath() {
  return Check(api::EndPath(memoryDC_), "结束路径失败(EndPath()返回值为0)");
}

bool 图形::GdiFillPath(COLORREF fillColor) {
  DrawingTools tools(memoryDC_, fillColor, 1, fillColor);
  return tools.ok() && Check(api::FillPath(memoryDC_), "填充路径失败(FillPath()返回值为0)");
}

bool 图形::GdiStrokePath(COLORREF lineColor, int lineWidth) {
  DrawingTools tools(memoryDC_, lineColor, lineWidth, std::nullopt);
  return tools.ok() && Check(api::StrokePath(memoryDC_), "描绘路径失败(StrokePath()返回值为0)");
}

}  // namespace draw
