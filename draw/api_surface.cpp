#include "draw/api_surface.h"

// Definitions in the order of api_surface.h, each with its library.
#define DRAW_WIN32(name, library) ::draw::ExternalFunction<decltype(::name)> name{library, #name}
#define DRAW_GDIPLUS(name) \
  ::draw::ExternalFunction<decltype(::Gdiplus::DllExports::name)> name{"gdiplus.dll", #name}

namespace draw::api {

DRAW_WIN32(DrawTextExA, "User32.dll");
DRAW_WIN32(InvertRect, "User32.dll");

DRAW_WIN32(GetPixel, "Gdi32.dll");
DRAW_WIN32(SetPixelV, "Gdi32.dll");
DRAW_WIN32(CreatePen, "Gdi32.dll");
DRAW_WIN32(CreateBrushIndirect, "Gdi32.dll");
DRAW_WIN32(Rectangle, "Gdi32.dll");
DRAW_WIN32(Ellipse, "Gdi32.dll");
DRAW_WIN32(Arc, "Gdi32.dll");
DRAW_WIN32(Chord, "Gdi32.dll");
DRAW_WIN32(Pie, "Gdi32.dll");
DRAW_WIN32(MoveToEx, "Gdi32.dll");
DRAW_WIN32(LineTo, "Gdi32.dll");
DRAW_WIN32(RoundRect, "Gdi32.dll");
DRAW_WIN32(PolyBezier, "Gdi32.dll");
DRAW_WIN32(Polyline, "Gdi32.dll");
DRAW_WIN32(Polygon, "Gdi32.dll");
DRAW_WIN32(CreateFontA, "Gdi32.dll");
DRAW_WIN32(SetTextColor, "Gdi32.dll");
DRAW_WIN32(SetBkColor, "Gdi32.dll");
DRAW_WIN32(FillRgn, "Gdi32.dll");
DRAW_WIN32(FrameRgn, "Gdi32.dll");
DRAW_WIN32(BeginPath, "Gdi32.dll");
DRAW_WIN32(EndPath, "Gdi32.dll");
DRAW_WIN32(FillPath, "Gdi32.dll");
DRAW_WIN32(StrokePath, "Gdi32.dll");
DRAW_WIN32(GetDIBits, "Gdi32.dll");
DRAW_WIN32(SetDIBits, "Gdi32.dll");
DRAW_WIN32(CreateRectRgn, "Gdi32.dll");
DRAW_WIN32(CreatePolygonRgn, "Gdi32.dll");
DRAW_WIN32(CombineRgn, "Gdi32.dll");
DRAW_WIN32(PtInRegion, "Gdi32.dll");

DRAW_WIN32(GradientFill, "msimg32.dll");
DRAW_WIN32(TransparentBlt, "msimg32.dll");

DRAW_WIN32(DrawShadowText, "comctl32.dll");

DRAW_GDIPLUS(GdipSetCompositingMode);
DRAW_GDIPLUS(GdipGetCompositingMode);
DRAW_GDIPLUS(GdipSetCompositingQuality);
DRAW_GDIPLUS(GdipGetCompositingQuality);
DRAW_GDIPLUS(GdipSetRenderingOrigin);
DRAW_GDIPLUS(GdipGetRenderingOrigin);
DRAW_GDIPLUS(GdipSetSmoothingMode);
DRAW_GDIPLUS(GdipGetSmoothingMode);
DRAW_GDIPLUS(GdipSetTextRenderingHint);
DRAW_GDIPLUS(GdipGetTextRenderingHint);
DRAW_GDIPLUS(GdipSetInterpolationMode);
DRAW_GDIPLUS(GdipGetInterpolationMode);
DRAW_GDIPLUS(GdipSetPixelOffsetMode);
DRAW_GDIPLUS(GdipGetPixelOffsetMode);

DRAW_GDIPLUS(GdipSetWorldTransform);
DRAW_GDIPLUS(GdipGetWorldTransform);
DRAW_GDIPLUS(GdipResetWorldTransform);
DRAW_GDIPLUS(GdipMultiplyWorldTransform);
DRAW_GDIPLUS(GdipTranslateWorldTransform);
DRAW_GDIPLUS(GdipScaleWorldTransform);
DRAW_GDIPLUS(GdipRotateWorldTransform);
DRAW_GDIPLUS(GdipSetPageUnit);
DRAW_GDIPLUS(GdipGetPageUnit);
DRAW_GDIPLUS(GdipSetPageScale);
DRAW_GDIPLUS(GdipGetPageScale);
DRAW_GDIPLUS(GdipGetDpiX);
DRAW_GDIPLUS(GdipGetDpiY);
DRAW_GDIPLUS(GdipTransformPoints);
DRAW_GDIPLUS(GdipTransformPointsI);
DRAW_GDIPLUS(GdipGetNearestColor);

DRAW_GDIPLUS(GdipDrawLine);
DRAW_GDIPLUS(GdipDrawLineI);
DRAW_GDIPLUS(GdipDrawLines);
DRAW_GDIPLUS(GdipDrawLinesI);
DRAW_GDIPLUS(GdipDrawArc);
DRAW_GDIPLUS(GdipDrawArcI);
DRAW_GDIPLUS(GdipDrawBezier);
DRAW_GDIPLUS(GdipDrawBezierI);
DRAW_GDIPLUS(GdipDrawBeziers);
DRAW_GDIPLUS(GdipDrawBeziersI);
DRAW_GDIPLUS(GdipDrawRectangleI);
DRAW_GDIPLUS(GdipDrawRectangles);
DRAW_GDIPLUS(GdipDrawRectanglesI);
DRAW_GDIPLUS(GdipDrawEllipse);
DRAW_GDIPLUS(GdipDrawEllipseI);
DRAW_GDIPLUS(GdipDrawPie);
DRAW_GDIPLUS(GdipDrawPieI);
DRAW_GDIPLUS(GdipDrawPolygon);
DRAW_GDIPLUS(GdipDrawPolygonI);
DRAW_GDIPLUS(GdipDrawPath);
DRAW_GDIPLUS(GdipDrawCurve);
DRAW_GDIPLUS(GdipDrawCurveI);
DRAW_GDIPLUS(GdipDrawCurve2);
DRAW_GDIPLUS(GdipDrawCurve2I);
DRAW_GDIPLUS(GdipDrawCurve3);
DRAW_GDIPLUS(GdipDrawCurve3I);
DRAW_GDIPLUS(GdipDrawClosedCurve);
DRAW_GDIPLUS(GdipDrawClosedCurveI);
DRAW_GDIPLUS(GdipDrawClosedCurve2);
DRAW_GDIPLUS(GdipDrawClosedCurve2I);

DRAW_GDIPLUS(GdipGraphicsClear);
DRAW_GDIPLUS(GdipFillRectangleI);
DRAW_GDIPLUS(GdipFillRectangles);
DRAW_GDIPLUS(GdipFillRectanglesI);
DRAW_GDIPLUS(GdipFillPolygon);
DRAW_GDIPLUS(GdipFillPolygonI);
DRAW_GDIPLUS(GdipFillPolygon2);
DRAW_GDIPLUS(GdipFillPolygon2I);
DRAW_GDIPLUS(GdipFillEllipse);
DRAW_GDIPLUS(GdipFillEllipseI);
DRAW_GDIPLUS(GdipFillPie);
DRAW_GDIPLUS(GdipFillPieI);
DRAW_GDIPLUS(GdipFillPath);
DRAW_GDIPLUS(GdipFillClosedCurve);
DRAW_GDIPLUS(GdipFillClosedCurveI);
DRAW_GDIPLUS(GdipFillClosedCurve2);
DRAW_GDIPLUS(GdipFillClosedCurve2I);
DRAW_GDIPLUS(GdipFillRegion);

DRAW_GDIPLUS(GdipMeasureString);
DRAW_GDIPLUS(GdipMeasureCharacterRanges);
DRAW_GDIPLUS(GdipDrawDriverString);

DRAW_GDIPLUS(GdipDrawImage);
DRAW_GDIPLUS(GdipDrawImageI);
DRAW_GDIPLUS(GdipDrawCachedBitmap);
DRAW_GDIPLUS(GdipDrawImageRectI);
DRAW_GDIPLUS(GdipDrawImagePoints);
DRAW_GDIPLUS(GdipDrawImagePointsI);
DRAW_GDIPLUS(GdipDrawImagePointRect);
DRAW_GDIPLUS(GdipDrawImagePointRectI);
DRAW_GDIPLUS(GdipDrawImageRectRect);
DRAW_GDIPLUS(GdipDrawImageRectRectI);
DRAW_GDIPLUS(GdipDrawImagePointsRect);
DRAW_GDIPLUS(GdipDrawImagePointsRectI);
DRAW_GDIPLUS(GdipEnumerateMetafileDestPoint);
DRAW_GDIPLUS(GdipEnumerateMetafileDestPointI);

DRAW_GDIPLUS(GdipEnumerateMetafileDestRect);
DRAW_GDIPLUS(GdipEnumerateMetafileDestRectI);
DRAW_GDIPLUS(GdipEnumerateMetafileDestPoints);
DRAW_GDIPLUS(GdipEnumerateMetafileDestPointsI);
DRAW_GDIPLUS(GdipEnumerateMetafileSrcRectDestPoint);
DRAW_GDIPLUS(GdipEnumerateMetafileSrcRectDestPointI);
DRAW_GDIPLUS(GdipEnumerateMetafileSrcRectDestRect);
DRAW_GDIPLUS(GdipEnumerateMetafileSrcRectDestRectI);
DRAW_GDIPLUS(GdipEnumerateMetafileSrcRectDestPoints);
DRAW_GDIPLUS(GdipEnumerateMetafileSrcRectDestPointsI);
DRAW_GDIPLUS(GdipSetClipGraphics);
DRAW_GDIPLUS(GdipSetClipRect);

DRAW_GDIPLUS(GdipSetClipRectI);
DRAW_GDIPLUS(GdipSetClipPath);
DRAW_GDIPLUS(GdipSetClipRegion);
DRAW_GDIPLUS(GdipSetClipHrgn);
DRAW_GDIPLUS(GdipResetClip);
DRAW_GDIPLUS(GdipTranslateClip);
DRAW_GDIPLUS(GdipTranslateClipI);
DRAW_GDIPLUS(GdipGetClip);
DRAW_GDIPLUS(GdipGetClipBounds);
DRAW_GDIPLUS(GdipGetClipBoundsI);
DRAW_GDIPLUS(GdipGetVisibleClipBounds);
DRAW_GDIPLUS(GdipGetVisibleClipBoundsI);
DRAW_GDIPLUS(GdipIsClipEmpty);
DRAW_GDIPLUS(GdipIsVisibleClipEmpty);
DRAW_GDIPLUS(GdipIsVisiblePoint);
DRAW_GDIPLUS(GdipIsVisiblePointI);
DRAW_GDIPLUS(GdipIsVisibleRect);
DRAW_GDIPLUS(GdipIsVisibleRectI);
DRAW_GDIPLUS(GdipSaveGraphics);

DRAW_GDIPLUS(GdipRestoreGraphics);
DRAW_GDIPLUS(GdipBeginContainer);
DRAW_GDIPLUS(GdipBeginContainerI);
DRAW_GDIPLUS(GdipBeginContainer2);
DRAW_GDIPLUS(GdipEndContainer);
DRAW_GDIPLUS(GdipComment);

}  // namespace draw::api
