#pragma once
// Entries of the table of external functions used by the drawing surface 图形 and its regions,
// beyond those of api.h (see there for how entries are declared and called). Each entry is
// defined in api_surface.cpp with its library and registers itself like the others.
#include "draw/api.h"
// After api.h, which brings windows.h.
#include <commctrl.h>

namespace draw::api {

// user32
DRAW_WIN32_ENTRY(DrawTextExA);
DRAW_WIN32_ENTRY(InvertRect);

// gdi32: pixels, pens, shapes, text, regions, paths, device-independent bits
DRAW_WIN32_ENTRY(GetPixel);
DRAW_WIN32_ENTRY(SetPixelV);
DRAW_WIN32_ENTRY(CreatePen);
DRAW_WIN32_ENTRY(CreateBrushIndirect);
DRAW_WIN32_ENTRY(Rectangle);
DRAW_WIN32_ENTRY(Ellipse);
DRAW_WIN32_ENTRY(Arc);
DRAW_WIN32_ENTRY(Chord);
DRAW_WIN32_ENTRY(Pie);
DRAW_WIN32_ENTRY(MoveToEx);
DRAW_WIN32_ENTRY(LineTo);
DRAW_WIN32_ENTRY(RoundRect);
DRAW_WIN32_ENTRY(PolyBezier);
DRAW_WIN32_ENTRY(Polyline);
DRAW_WIN32_ENTRY(Polygon);
DRAW_WIN32_ENTRY(CreateFontA);
DRAW_WIN32_ENTRY(SetTextColor);
DRAW_WIN32_ENTRY(SetBkColor);
DRAW_WIN32_ENTRY(FillRgn);
DRAW_WIN32_ENTRY(FrameRgn);
DRAW_WIN32_ENTRY(BeginPath);
DRAW_WIN32_ENTRY(EndPath);
DRAW_WIN32_ENTRY(FillPath);
DRAW_WIN32_ENTRY(StrokePath);
DRAW_WIN32_ENTRY(GetDIBits);
DRAW_WIN32_ENTRY(SetDIBits);
DRAW_WIN32_ENTRY(CreateRectRgn);
DRAW_WIN32_ENTRY(CreatePolygonRgn);
DRAW_WIN32_ENTRY(CombineRgn);
DRAW_WIN32_ENTRY(PtInRegion);

// msimg32
DRAW_WIN32_ENTRY(GradientFill);
DRAW_WIN32_ENTRY(TransparentBlt);

// comctl32 (version 6, which the program's manifest asks for)
DRAW_WIN32_ENTRY(DrawShadowText);

// gdiplus: graphics settings
DRAW_GDIPLUS_ENTRY(GdipSetCompositingMode);
DRAW_GDIPLUS_ENTRY(GdipGetCompositingMode);
DRAW_GDIPLUS_ENTRY(GdipSetCompositingQuality);
DRAW_GDIPLUS_ENTRY(GdipGetCompositingQuality);
DRAW_GDIPLUS_ENTRY(GdipSetRenderingOrigin);
DRAW_GDIPLUS_ENTRY(GdipGetRenderingOrigin);
DRAW_GDIPLUS_ENTRY(GdipSetSmoothingMode);
DRAW_GDIPLUS_ENTRY(GdipGetSmoothingMode);
DRAW_GDIPLUS_ENTRY(GdipSetTextRenderingHint);
DRAW_GDIPLUS_ENTRY(GdipGetTextRenderingHint);
DRAW_GDIPLUS_ENTRY(GdipSetInterpolationMode);
DRAW_GDIPLUS_ENTRY(GdipGetInterpolationMode);
DRAW_GDIPLUS_ENTRY(GdipSetPixelOffsetMode);
DRAW_GDIPLUS_ENTRY(GdipGetPixelOffsetMode);

// gdiplus: world and page transforms, resolution, points, colour
DRAW_GDIPLUS_ENTRY(GdipSetWorldTransform);
DRAW_GDIPLUS_ENTRY(GdipGetWorldTransform);
DRAW_GDIPLUS_ENTRY(GdipResetWorldTransform);
DRAW_GDIPLUS_ENTRY(GdipMultiplyWorldTransform);
DRAW_GDIPLUS_ENTRY(GdipTranslateWorldTransform);
DRAW_GDIPLUS_ENTRY(GdipScaleWorldTransform);
DRAW_GDIPLUS_ENTRY(GdipRotateWorldTransform);
DRAW_GDIPLUS_ENTRY(GdipSetPageUnit);
DRAW_GDIPLUS_ENTRY(GdipGetPageUnit);
DRAW_GDIPLUS_ENTRY(GdipSetPageScale);
DRAW_GDIPLUS_ENTRY(GdipGetPageScale);
DRAW_GDIPLUS_ENTRY(GdipGetDpiX);
DRAW_GDIPLUS_ENTRY(GdipGetDpiY);
DRAW_GDIPLUS_ENTRY(GdipTransformPoints);
DRAW_GDIPLUS_ENTRY(GdipTransformPointsI);
DRAW_GDIPLUS_ENTRY(GdipGetNearestColor);

// gdiplus: lines, curves and outlines
DRAW_GDIPLUS_ENTRY(GdipDrawLine);
DRAW_GDIPLUS_ENTRY(GdipDrawLineI);
DRAW_GDIPLUS_ENTRY(GdipDrawLines);
DRAW_GDIPLUS_ENTRY(GdipDrawLinesI);
DRAW_GDIPLUS_ENTRY(GdipDrawArc);
DRAW_GDIPLUS_ENTRY(GdipDrawArcI);
DRAW_GDIPLUS_ENTRY(GdipDrawBezier);
DRAW_GDIPLUS_ENTRY(GdipDrawBezierI);
DRAW_GDIPLUS_ENTRY(GdipDrawBeziers);
DRAW_GDIPLUS_ENTRY(GdipDrawBeziersI);
DRAW_GDIPLUS_ENTRY(GdipDrawRectangleI);
DRAW_GDIPLUS_ENTRY(GdipDrawRectangles);
DRAW_GDIPLUS_ENTRY(GdipDrawRectanglesI);
DRAW_GDIPLUS_ENTRY(GdipDrawEllipse);
DRAW_GDIPLUS_ENTRY(GdipDrawEllipseI);
DRAW_GDIPLUS_ENTRY(GdipDrawPie);
DRAW_GDIPLUS_ENTRY(GdipDrawPieI);
DRAW_GDIPLUS_ENTRY(GdipDrawPolygon);
DRAW_GDIPLUS_ENTRY(GdipDrawPolygonI);
DRAW_GDIPLUS_ENTRY(GdipDrawPath);
DRAW_GDIPLUS_ENTRY(GdipDrawCurve);
DRAW_GDIPLUS_ENTRY(GdipDrawCurveI);
DRAW_GDIPLUS_ENTRY(GdipDrawCurve2);
DRAW_GDIPLUS_ENTRY(GdipDrawCurve2I);
DRAW_GDIPLUS_ENTRY(GdipDrawCurve3);
DRAW_GDIPLUS_ENTRY(GdipDrawCurve3I);
DRAW_GDIPLUS_ENTRY(GdipDrawClosedCurve);
DRAW_GDIPLUS_ENTRY(GdipDrawClosedCurveI);
DRAW_GDIPLUS_ENTRY(GdipDrawClosedCurve2);
DRAW_GDIPLUS_ENTRY(GdipDrawClosedCurve2I);

// gdiplus: clear and fills
DRAW_GDIPLUS_ENTRY(GdipGraphicsClear);
DRAW_GDIPLUS_ENTRY(GdipFillRectangleI);
DRAW_GDIPLUS_ENTRY(GdipFillRectangles);
DRAW_GDIPLUS_ENTRY(GdipFillRectanglesI);
DRAW_GDIPLUS_ENTRY(GdipFillPolygon);
DRAW_GDIPLUS_ENTRY(GdipFillPolygonI);
DRAW_GDIPLUS_ENTRY(GdipFillPolygon2);
DRAW_GDIPLUS_ENTRY(GdipFillPolygon2I);
DRAW_GDIPLUS_ENTRY(GdipFillEllipse);
DRAW_GDIPLUS_ENTRY(GdipFillEllipseI);
DRAW_GDIPLUS_ENTRY(GdipFillPie);
DRAW_GDIPLUS_ENTRY(GdipFillPieI);
DRAW_GDIPLUS_ENTRY(GdipFillPath);
DRAW_GDIPLUS_ENTRY(GdipFillClosedCurve);
DRAW_GDIPLUS_ENTRY(GdipFillClosedCurveI);
DRAW_GDIPLUS_ENTRY(GdipFillClosedCurve2);
DRAW_GDIPLUS_ENTRY(GdipFillClosedCurve2I);
DRAW_GDIPLUS_ENTRY(GdipFillRegion);

// gdiplus: text
DRAW_GDIPLUS_ENTRY(GdipMeasureString);
DRAW_GDIPLUS_ENTRY(GdipMeasureCharacterRanges);
DRAW_GDIPLUS_ENTRY(GdipDrawDriverString);

// gdiplus: images
DRAW_GDIPLUS_ENTRY(GdipDrawImage);
DRAW_GDIPLUS_ENTRY(GdipDrawImageI);
DRAW_GDIPLUS_ENTRY(GdipDrawCachedBitmap);
DRAW_GDIPLUS_ENTRY(GdipDrawImageRectI);
DRAW_GDIPLUS_ENTRY(GdipDrawImagePoints);
DRAW_GDIPLUS_ENTRY(GdipDrawImagePointsI);
DRAW_GDIPLUS_ENTRY(GdipDrawImagePointRect);
DRAW_GDIPLUS_ENTRY(GdipDrawImagePointRectI);
DRAW_GDIPLUS_ENTRY(GdipDrawImageRectRect);
DRAW_GDIPLUS_ENTRY(GdipDrawImageRectRectI);
DRAW_GDIPLUS_ENTRY(GdipDrawImagePointsRect);
DRAW_GDIPLUS_ENTRY(GdipDrawImagePointsRectI);
DRAW_GDIPLUS_ENTRY(GdipEnumerateMetafileDestPoint);
DRAW_GDIPLUS_ENTRY(GdipEnumerateMetafileDestPointI);

// gdiplus: metafile enumeration
DRAW_GDIPLUS_ENTRY(GdipEnumerateMetafileDestRect);
DRAW_GDIPLUS_ENTRY(GdipEnumerateMetafileDestRectI);
DRAW_GDIPLUS_ENTRY(GdipEnumerateMetafileDestPoints);
DRAW_GDIPLUS_ENTRY(GdipEnumerateMetafileDestPointsI);
DRAW_GDIPLUS_ENTRY(GdipEnumerateMetafileSrcRectDestPoint);
DRAW_GDIPLUS_ENTRY(GdipEnumerateMetafileSrcRectDestPointI);
DRAW_GDIPLUS_ENTRY(GdipEnumerateMetafileSrcRectDestRect);
DRAW_GDIPLUS_ENTRY(GdipEnumerateMetafileSrcRectDestRectI);
DRAW_GDIPLUS_ENTRY(GdipEnumerateMetafileSrcRectDestPoints);
DRAW_GDIPLUS_ENTRY(GdipEnumerateMetafileSrcRectDestPointsI);
DRAW_GDIPLUS_ENTRY(GdipSetClipGraphics);
DRAW_GDIPLUS_ENTRY(GdipSetClipRect);

// gdiplus: clipping and visibility
DRAW_GDIPLUS_ENTRY(GdipSetClipRectI);
DRAW_GDIPLUS_ENTRY(GdipSetClipPath);
DRAW_GDIPLUS_ENTRY(GdipSetClipRegion);
DRAW_GDIPLUS_ENTRY(GdipSetClipHrgn);
DRAW_GDIPLUS_ENTRY(GdipResetClip);
DRAW_GDIPLUS_ENTRY(GdipTranslateClip);
DRAW_GDIPLUS_ENTRY(GdipTranslateClipI);
DRAW_GDIPLUS_ENTRY(GdipGetClip);
DRAW_GDIPLUS_ENTRY(GdipGetClipBounds);
DRAW_GDIPLUS_ENTRY(GdipGetClipBoundsI);
DRAW_GDIPLUS_ENTRY(GdipGetVisibleClipBounds);
DRAW_GDIPLUS_ENTRY(GdipGetVisibleClipBoundsI);
DRAW_GDIPLUS_ENTRY(GdipIsClipEmpty);
DRAW_GDIPLUS_ENTRY(GdipIsVisibleClipEmpty);
DRAW_GDIPLUS_ENTRY(GdipIsVisiblePoint);
DRAW_GDIPLUS_ENTRY(GdipIsVisiblePointI);
DRAW_GDIPLUS_ENTRY(GdipIsVisibleRect);
DRAW_GDIPLUS_ENTRY(GdipIsVisibleRectI);
DRAW_GDIPLUS_ENTRY(GdipSaveGraphics);

// gdiplus: state, containers, comment
DRAW_GDIPLUS_ENTRY(GdipRestoreGraphics);
DRAW_GDIPLUS_ENTRY(GdipBeginContainer);
DRAW_GDIPLUS_ENTRY(GdipBeginContainerI);
DRAW_GDIPLUS_ENTRY(GdipBeginContainer2);
DRAW_GDIPLUS_ENTRY(GdipEndContainer);
DRAW_GDIPLUS_ENTRY(GdipComment);

}  // namespace draw::api
