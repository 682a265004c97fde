#pragma once
// Entries of the table of external functions (see api.h) that only the GDI+ wrapper classes
// use beyond the ones in api.h: the creation, property and query functions of string formats,
// brushes, pens, fonts, images and their matrices. Declared and called like the entries of
// api.h (qualified, draw::api::Name); they register themselves in the same table.
#include "draw/api.h"

namespace draw::api {

// gdi32: the stock GUI font and its LOGFONT
DRAW_WIN32_ENTRY(GetStockObject);
DRAW_WIN32_ENTRY(GetObjectA);

// gdiplus: string format
DRAW_GDIPLUS_ENTRY(GdipCreateStringFormat);
DRAW_GDIPLUS_ENTRY(GdipStringFormatGetGenericDefault);
DRAW_GDIPLUS_ENTRY(GdipStringFormatGetGenericTypographic);
DRAW_GDIPLUS_ENTRY(GdipCloneStringFormat);
DRAW_GDIPLUS_ENTRY(GdipSetStringFormatFlags);
DRAW_GDIPLUS_ENTRY(GdipGetStringFormatFlags);
DRAW_GDIPLUS_ENTRY(GdipSetStringFormatAlign);
DRAW_GDIPLUS_ENTRY(GdipGetStringFormatAlign);
DRAW_GDIPLUS_ENTRY(GdipSetStringFormatLineAlign);
DRAW_GDIPLUS_ENTRY(GdipGetStringFormatLineAlign);
DRAW_GDIPLUS_ENTRY(GdipSetStringFormatTrimming);
DRAW_GDIPLUS_ENTRY(GdipGetStringFormatTrimming);
DRAW_GDIPLUS_ENTRY(GdipSetStringFormatHotkeyPrefix);
DRAW_GDIPLUS_ENTRY(GdipGetStringFormatHotkeyPrefix);
DRAW_GDIPLUS_ENTRY(GdipSetStringFormatTabStops);
DRAW_GDIPLUS_ENTRY(GdipGetStringFormatTabStops);
DRAW_GDIPLUS_ENTRY(GdipGetStringFormatTabStopCount);
DRAW_GDIPLUS_ENTRY(GdipSetStringFormatDigitSubstitution);
DRAW_GDIPLUS_ENTRY(GdipGetStringFormatDigitSubstitution);
DRAW_GDIPLUS_ENTRY(GdipSetStringFormatMeasurableCharacterRanges);
DRAW_GDIPLUS_ENTRY(GdipGetStringFormatMeasurableCharacterRangeCount);

// gdiplus: matrices (the transforms of brushes and pens go through elements)
DRAW_GDIPLUS_ENTRY(GdipCreateMatrix2);
DRAW_GDIPLUS_ENTRY(GdipGetMatrixElements);
DRAW_GDIPLUS_ENTRY(GdipDeleteMatrix);

// gdiplus: brushes
DRAW_GDIPLUS_ENTRY(GdipCloneBrush);
DRAW_GDIPLUS_ENTRY(GdipGetBrushType);
DRAW_GDIPLUS_ENTRY(GdipCreateLineBrush);
DRAW_GDIPLUS_ENTRY(GdipCreateLineBrushI);
DRAW_GDIPLUS_ENTRY(GdipCreateLineBrushFromRectI);
DRAW_GDIPLUS_ENTRY(GdipCreateLineBrushFromRectWithAngle);
DRAW_GDIPLUS_ENTRY(GdipCreateLineBrushFromRectWithAngleI);
DRAW_GDIPLUS_ENTRY(GdipSetLineColors);
DRAW_GDIPLUS_ENTRY(GdipGetLineColors);
DRAW_GDIPLUS_ENTRY(GdipGetLineRect);
DRAW_GDIPLUS_ENTRY(GdipGetLineRectI);
DRAW_GDIPLUS_ENTRY(GdipSetLineGammaCorrection);
DRAW_GDIPLUS_ENTRY(GdipGetLineGammaCorrection);
DRAW_GDIPLUS_ENTRY(GdipGetLineBlendCount);
DRAW_GDIPLUS_ENTRY(GdipGetLineBlend);
DRAW_GDIPLUS_ENTRY(GdipSetLineBlend);
DRAW_GDIPLUS_ENTRY(GdipGetLinePresetBlendCount);
DRAW_GDIPLUS_ENTRY(GdipGetLinePresetBlend);
DRAW_GDIPLUS_ENTRY(GdipSetLinePresetBlend);
DRAW_GDIPLUS_ENTRY(GdipSetLineSigmaBlend);
DRAW_GDIPLUS_ENTRY(GdipSetLineLinearBlend);
DRAW_GDIPLUS_ENTRY(GdipSetLineWrapMode);
DRAW_GDIPLUS_ENTRY(GdipGetLineWrapMode);
DRAW_GDIPLUS_ENTRY(GdipGetLineTransform);
DRAW_GDIPLUS_ENTRY(GdipSetLineTransform);
DRAW_GDIPLUS_ENTRY(GdipResetLineTransform);
DRAW_GDIPLUS_ENTRY(GdipMultiplyLineTransform);
DRAW_GDIPLUS_ENTRY(GdipTranslateLineTransform);
DRAW_GDIPLUS_ENTRY(GdipScaleLineTransform);
DRAW_GDIPLUS_ENTRY(GdipRotateLineTransform);
DRAW_GDIPLUS_ENTRY(GdipSetSolidFillColor);
DRAW_GDIPLUS_ENTRY(GdipGetSolidFillColor);

// gdiplus: pen
DRAW_GDIPLUS_ENTRY(GdipCreatePen2);
DRAW_GDIPLUS_ENTRY(GdipClonePen);
DRAW_GDIPLUS_ENTRY(GdipSetPenWidth);
DRAW_GDIPLUS_ENTRY(GdipGetPenWidth);
DRAW_GDIPLUS_ENTRY(GdipSetPenUnit);
DRAW_GDIPLUS_ENTRY(GdipGetPenUnit);
DRAW_GDIPLUS_ENTRY(GdipSetPenLineCap197819);
DRAW_GDIPLUS_ENTRY(GdipSetPenStartCap);
DRAW_GDIPLUS_ENTRY(GdipSetPenEndCap);
DRAW_GDIPLUS_ENTRY(GdipSetPenDashCap197819);
DRAW_GDIPLUS_ENTRY(GdipGetPenStartCap);
DRAW_GDIPLUS_ENTRY(GdipGetPenEndCap);
DRAW_GDIPLUS_ENTRY(GdipGetPenDashCap197819);
DRAW_GDIPLUS_ENTRY(GdipSetPenLineJoin);
DRAW_GDIPLUS_ENTRY(GdipGetPenLineJoin);
DRAW_GDIPLUS_ENTRY(GdipSetPenCustomStartCap);
DRAW_GDIPLUS_ENTRY(GdipGetPenCustomStartCap);
DRAW_GDIPLUS_ENTRY(GdipSetPenCustomEndCap);
DRAW_GDIPLUS_ENTRY(GdipGetPenCustomEndCap);
// Releases the custom caps the pen's getters hand out.
DRAW_GDIPLUS_ENTRY(GdipDeleteCustomLineCap);
DRAW_GDIPLUS_ENTRY(GdipSetPenMiterLimit);
DRAW_GDIPLUS_ENTRY(GdipGetPenMiterLimit);
DRAW_GDIPLUS_ENTRY(GdipSetPenMode);
DRAW_GDIPLUS_ENTRY(GdipGetPenMode);
DRAW_GDIPLUS_ENTRY(GdipSetPenTransform);
DRAW_GDIPLUS_ENTRY(GdipGetPenTransform);
DRAW_GDIPLUS_ENTRY(GdipResetPenTransform);
DRAW_GDIPLUS_ENTRY(GdipMultiplyPenTransform);
DRAW_GDIPLUS_ENTRY(GdipTranslatePenTransform);
DRAW_GDIPLUS_ENTRY(GdipScalePenTransform);
DRAW_GDIPLUS_ENTRY(GdipRotatePenTransform);
DRAW_GDIPLUS_ENTRY(GdipSetPenColor);
DRAW_GDIPLUS_ENTRY(GdipGetPenColor);
DRAW_GDIPLUS_ENTRY(GdipSetPenBrushFill);
DRAW_GDIPLUS_ENTRY(GdipGetPenBrushFill);
DRAW_GDIPLUS_ENTRY(GdipGetPenFillType);
DRAW_GDIPLUS_ENTRY(GdipGetPenDashStyle);
DRAW_GDIPLUS_ENTRY(GdipSetPenDashStyle);
DRAW_GDIPLUS_ENTRY(GdipGetPenDashOffset);
DRAW_GDIPLUS_ENTRY(GdipSetPenDashOffset);
DRAW_GDIPLUS_ENTRY(GdipGetPenDashCount);
DRAW_GDIPLUS_ENTRY(GdipSetPenDashArray);
DRAW_GDIPLUS_ENTRY(GdipGetPenDashArray);
DRAW_GDIPLUS_ENTRY(GdipGetPenCompoundCount);
DRAW_GDIPLUS_ENTRY(GdipSetPenCompoundArray);
DRAW_GDIPLUS_ENTRY(GdipGetPenCompoundArray);

// gdiplus: font
DRAW_GDIPLUS_ENTRY(GdipCreateFontFromLogfontA);
DRAW_GDIPLUS_ENTRY(GdipCreateFontFromDC);
DRAW_GDIPLUS_ENTRY(GdipCloneFont);
DRAW_GDIPLUS_ENTRY(GdipGetFamily);
DRAW_GDIPLUS_ENTRY(GdipGetFontStyle);
DRAW_GDIPLUS_ENTRY(GdipGetFontSize);
DRAW_GDIPLUS_ENTRY(GdipGetFontUnit);
DRAW_GDIPLUS_ENTRY(GdipGetFontHeight);
DRAW_GDIPLUS_ENTRY(GdipGetFontHeightGivenDPI);
DRAW_GDIPLUS_ENTRY(GdipGetLogFontA);

// gdiplus: font family
DRAW_GDIPLUS_ENTRY(GdipGetGenericFontFamilySansSerif);
DRAW_GDIPLUS_ENTRY(GdipGetGenericFontFamilySerif);
DRAW_GDIPLUS_ENTRY(GdipGetGenericFontFamilyMonospace);
DRAW_GDIPLUS_ENTRY(GdipCloneFontFamily);
DRAW_GDIPLUS_ENTRY(GdipGetFamilyName);
DRAW_GDIPLUS_ENTRY(GdipIsStyleAvailable);
DRAW_GDIPLUS_ENTRY(GdipGetEmHeight);
DRAW_GDIPLUS_ENTRY(GdipGetCellAscent);
DRAW_GDIPLUS_ENTRY(GdipGetCellDescent);
DRAW_GDIPLUS_ENTRY(GdipGetLineSpacing);

// gdiplus: font collection
DRAW_GDIPLUS_ENTRY(GdipNewInstalledFontCollection);
DRAW_GDIPLUS_ENTRY(GdipGetFontCollectionFamilyCount);
DRAW_GDIPLUS_ENTRY(GdipGetFontCollectionFamilyList);

// gdiplus: image
DRAW_GDIPLUS_ENTRY(GdipLoadImageFromFile);
DRAW_GDIPLUS_ENTRY(GdipLoadImageFromFileICM);
DRAW_GDIPLUS_ENTRY(GdipCloneImage);
DRAW_GDIPLUS_ENTRY(GdipSaveImageToFile);
DRAW_GDIPLUS_ENTRY(GdipSaveAdd);
DRAW_GDIPLUS_ENTRY(GdipSaveAddImage);
DRAW_GDIPLUS_ENTRY(GdipGetEncoderParameterListSize);
DRAW_GDIPLUS_ENTRY(GdipGetEncoderParameterList);
DRAW_GDIPLUS_ENTRY(GdipGetImageRawFormat);
DRAW_GDIPLUS_ENTRY(GdipGetImageBounds);
DRAW_GDIPLUS_ENTRY(GdipGetImageDimension);
DRAW_GDIPLUS_ENTRY(GdipGetImageType);
DRAW_GDIPLUS_ENTRY(GdipGetImageHorizontalResolution);
DRAW_GDIPLUS_ENTRY(GdipGetImageVerticalResolution);
DRAW_GDIPLUS_ENTRY(GdipGetImageFlags);
DRAW_GDIPLUS_ENTRY(GdipGetImagePixelFormat);
DRAW_GDIPLUS_ENTRY(GdipGetImageThumbnail);
DRAW_GDIPLUS_ENTRY(GdipImageGetFrameDimensionsCount);
DRAW_GDIPLUS_ENTRY(GdipImageGetFrameDimensionsList);
DRAW_GDIPLUS_ENTRY(GdipImageGetFrameCount);
DRAW_GDIPLUS_ENTRY(GdipImageSelectActiveFrame);
DRAW_GDIPLUS_ENTRY(GdipGetPropertyItemSize);
DRAW_GDIPLUS_ENTRY(GdipGetPropertyItem);
DRAW_GDIPLUS_ENTRY(GdipSetPropertyItem);
DRAW_GDIPLUS_ENTRY(GdipRemovePropertyItem);
DRAW_GDIPLUS_ENTRY(GdipGetPropertyCount);
DRAW_GDIPLUS_ENTRY(GdipGetPropertyIdList);
DRAW_GDIPLUS_ENTRY(GdipImageRotateFlip);
DRAW_GDIPLUS_ENTRY(GdipGetImagePaletteSize);
DRAW_GDIPLUS_ENTRY(GdipGetImagePalette);
DRAW_GDIPLUS_ENTRY(GdipSetImagePalette);

}  // namespace draw::api
