#pragma once
// Entries of the table of external functions used by the drawing surface 图形 and its regions,
// beyond those of api.h (see there for how a list is written, expanded and called).
#include "draw/api.h"
// After api.h, which brings windows.h.
#include <commctrl.h>

// clang-format off
#define DRAW_API_SURFACE(WIN32, GDIPLUS) \
  /* user32 */ \
  WIN32(DrawTextExW, "User32.dll") \
  WIN32(InvertRect, "User32.dll") \
  /* gdi32: pixels, pens, shapes, text, regions, paths, device-independent bits */ \
  WIN32(GetPixel, "Gdi32.dll") \
  WIN32(SetPixelV, "Gdi32.dll") \
  WIN32(CreatePen, "Gdi32.dll") \
  WIN32(CreateBrushIndirect, "Gdi32.dll") \
  WIN32(Rectangle, "Gdi32.dll") \
  WIN32(Ellipse, "Gdi32.dll") \
  WIN32(Arc, "Gdi32.dll") \
  WIN32(Chord, "Gdi32.dll") \
  WIN32(Pie, "Gdi32.dll") \
  WIN32(MoveToEx, "Gdi32.dll") \
  WIN32(LineTo, "Gdi32.dll") \
  WIN32(RoundRect, "Gdi32.dll") \
  WIN32(PolyBezier, "Gdi32.dll") \
  WIN32(Polyline, "Gdi32.dll") \
  WIN32(Polygon, "Gdi32.dll") \
  WIN32(CreateFontW, "Gdi32.dll") \
  WIN32(SetTextColor, "Gdi32.dll") \
  WIN32(SetBkColor, "Gdi32.dll") \
  WIN32(FillRgn, "Gdi32.dll") \
  WIN32(FrameRgn, "Gdi32.dll") \
  WIN32(BeginPath, "Gdi32.dll") \
  WIN32(EndPath, "Gdi32.dll") \
  WIN32(FillPath, "Gdi32.dll") \
  WIN32(StrokePath, "Gdi32.dll") \
  WIN32(GetDIBits, "Gdi32.dll") \
  WIN32(SetDIBits, "Gdi32.dll") \
  WIN32(CreateRectRgn, "Gdi32.dll") \
  WIN32(CreatePolygonRgn, "Gdi32.dll") \
  WIN32(CombineRgn, "Gdi32.dll") \
  WIN32(PtInRegion, "Gdi32.dll") \
  /* msimg32 */ \
  WIN32(GradientFill, "msimg32.dll") \
  WIN32(TransparentBlt, "msimg32.dll") \
  /* comctl32 (version 6, which the program's manifest asks for) */ \
  WIN32(DrawShadowText, "comctl32.dll") \
  /* gdiplus: graphics settings */ \
  GDIPLUS(GdipSetCompositingMode) \
  GDIPLUS(GdipGetCompositingMode) \
  GDIPLUS(GdipSetCompositingQuality) \
  GDIPLUS(GdipGetCompositingQuality) \
  GDIPLUS(GdipSetRenderingOrigin) \
  GDIPLUS(GdipGetRenderingOrigin) \
  GDIPLUS(GdipSetSmoothingMode) \
  GDIPLUS(GdipGetSmoothingMode) \
  GDIPLUS(GdipSetTextRenderingHint) \
  GDIPLUS(GdipGetTextRenderingHint) \
  GDIPLUS(GdipSetInterpolationMode) \
  GDIPLUS(GdipGetInterpolationMode) \
  GDIPLUS(GdipSetPixelOffsetMode) \
  GDIPLUS(GdipGetPixelOffsetMode) \
  /* gdiplus: world and page transforms, resolution, points, colour */ \
  GDIPLUS(GdipSetWorldTransform) \
  GDIPLUS(GdipGetWorldTransform) \
  GDIPLUS(GdipResetWorldTransform) \
  GDIPLUS(GdipMultiplyWorldTransform) \
  GDIPLUS(GdipTranslateWorldTransform) \
  GDIPLUS(GdipScaleWorldTransform) \
  GDIPLUS(GdipRotateWorldTransform) \
  GDIPLUS(GdipSetPageUnit) \
  GDIPLUS(GdipGetPageUnit) \
  GDIPLUS(GdipSetPageScale) \
  GDIPLUS(GdipGetPageScale) \
  GDIPLUS(GdipGetDpiX) \
  GDIPLUS(GdipGetDpiY) \
  GDIPLUS(GdipTransformPoints) \
  GDIPLUS(GdipTransformPointsI) \
  GDIPLUS(GdipGetNearestColor) \
  /* gdiplus: lines, curves and outlines */ \
  GDIPLUS(GdipDrawLine) \
  GDIPLUS(GdipDrawLineI) \
  GDIPLUS(GdipDrawLines) \
  GDIPLUS(GdipDrawLinesI) \
  GDIPLUS(GdipDrawArc) \
  GDIPLUS(GdipDrawArcI) \
  GDIPLUS(GdipDrawBezier) \
  GDIPLUS(GdipDrawBezierI) \
  GDIPLUS(GdipDrawBeziers) \
  GDIPLUS(GdipDrawBeziersI) \
  GDIPLUS(GdipDrawRectangleI) \
  GDIPLUS(GdipDrawRectangles) \
  GDIPLUS(GdipDrawRectanglesI) \
  GDIPLUS(GdipDrawEllipse) \
  GDIPLUS(GdipDrawEllipseI) \
  GDIPLUS(GdipDrawPie) \
  GDIPLUS(GdipDrawPieI) \
  GDIPLUS(GdipDrawPolygon) \
  GDIPLUS(GdipDrawPolygonI) \
  GDIPLUS(GdipDrawPath) \
  GDIPLUS(GdipDrawCurve) \
  GDIPLUS(GdipDrawCurveI) \
  GDIPLUS(GdipDrawCurve2) \
  GDIPLUS(GdipDrawCurve2I) \
  GDIPLUS(GdipDrawCurve3) \
  GDIPLUS(GdipDrawCurve3I) \
  GDIPLUS(GdipDrawClosedCurve) \
  GDIPLUS(GdipDrawClosedCurveI) \
  GDIPLUS(GdipDrawClosedCurve2) \
  GDIPLUS(GdipDrawClosedCurve2I) \
  /* gdiplus: clear and fills */ \
  GDIPLUS(GdipGraphicsClear) \
  GDIPLUS(GdipFillRectangleI) \
  GDIPLUS(GdipFillRectangles) \
  GDIPLUS(GdipFillRectanglesI) \
  GDIPLUS(GdipFillPolygon) \
  GDIPLUS(GdipFillPolygonI) \
  GDIPLUS(GdipFillPolygon2) \
  GDIPLUS(GdipFillPolygon2I) \
  GDIPLUS(GdipFillEllipse) \
  GDIPLUS(GdipFillEllipseI) \
  GDIPLUS(GdipFillPie) \
  GDIPLUS(GdipFillPieI) \
  GDIPLUS(GdipFillPath) \
  GDIPLUS(GdipFillClosedCurve) \
  GDIPLUS(GdipFillClosedCurveI) \
  GDIPLUS(GdipFillClosedCurve2) \
  GDIPLUS(GdipFillClosedCurve2I) \
  GDIPLUS(GdipFillRegion) \
  /* gdiplus: text */ \
  GDIPLUS(GdipMeasureString) \
  GDIPLUS(GdipMeasureCharacterRanges) \
  GDIPLUS(GdipDrawDriverString) \
  /* gdiplus: images */ \
  GDIPLUS(GdipDrawImage) \
  GDIPLUS(GdipDrawImageI) \
  GDIPLUS(GdipDrawCachedBitmap) \
  GDIPLUS(GdipDrawImageRectI) \
  GDIPLUS(GdipDrawImagePoints) \
  GDIPLUS(GdipDrawImagePointsI) \
  GDIPLUS(GdipDrawImagePointRect) \
  GDIPLUS(GdipDrawImagePointRectI) \
  GDIPLUS(GdipDrawImageRectRect) \
  GDIPLUS(GdipDrawImageRectRectI) \
  GDIPLUS(GdipDrawImagePointsRect) \
  GDIPLUS(GdipDrawImagePointsRectI) \
  GDIPLUS(GdipEnumerateMetafileDestPoint) \
  GDIPLUS(GdipEnumerateMetafileDestPointI) \
  /* gdiplus: metafile enumeration */ \
  GDIPLUS(GdipEnumerateMetafileDestRect) \
  GDIPLUS(GdipEnumerateMetafileDestRectI) \
  GDIPLUS(GdipEnumerateMetafileDestPoints) \
  GDIPLUS(GdipEnumerateMetafileDestPointsI) \
  GDIPLUS(GdipEnumerateMetafileSrcRectDestPoint) \
  GDIPLUS(GdipEnumerateMetafileSrcRectDestPointI) \
  GDIPLUS(GdipEnumerateMetafileSrcRectDestRect) \
  GDIPLUS(GdipEnumerateMetafileSrcRectDestRectI) \
  GDIPLUS(GdipEnumerateMetafileSrcRectDestPoints) \
  GDIPLUS(GdipEnumerateMetafileSrcRectDestPointsI) \
  GDIPLUS(GdipSetClipGraphics) \
  GDIPLUS(GdipSetClipRect) \
  /* gdiplus: clipping and visibility */ \
  GDIPLUS(GdipSetClipRectI) \
  GDIPLUS(GdipSetClipPath) \
  GDIPLUS(GdipSetClipRegion) \
  GDIPLUS(GdipSetClipHrgn) \
  GDIPLUS(GdipResetClip) \
  GDIPLUS(GdipTranslateClip) \
  GDIPLUS(GdipTranslateClipI) \
  GDIPLUS(GdipGetClip) \
  GDIPLUS(GdipGetClipBounds) \
  GDIPLUS(GdipGetClipBoundsI) \
  GDIPLUS(GdipGetVisibleClipBounds) \
  GDIPLUS(GdipGetVisibleClipBoundsI) \
  GDIPLUS(GdipIsClipEmpty) \
  GDIPLUS(GdipIsVisibleClipEmpty) \
  GDIPLUS(GdipIsVisiblePoint) \
  GDIPLUS(GdipIsVisiblePointI) \
  GDIPLUS(GdipIsVisibleRect) \
  GDIPLUS(GdipIsVisibleRectI) \
  GDIPLUS(GdipSaveGraphics) \
  /* gdiplus: state, containers, comment */ \
  GDIPLUS(GdipRestoreGraphics) \
  GDIPLUS(GdipBeginContainer) \
  GDIPLUS(GdipBeginContainerI) \
  GDIPLUS(GdipBeginContainer2) \
  GDIPLUS(GdipEndContainer) \
  GDIPLUS(GdipComment)
// clang-format on

namespace draw::api {

DRAW_API_SURFACE(DRAW_DECLARE_WIN32, DRAW_DECLARE_GDIPLUS)

}  // namespace draw::api
