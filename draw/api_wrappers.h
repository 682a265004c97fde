#pragma once
// Entries of the table of external functions (see api.h) that only the GDI+ wrapper classes
// use beyond the ones in api.h: the creation, property and query functions of string formats,
// brushes, pens, fonts, images and their matrices.
#include "draw/api.h"

// clang-format off
#define DRAW_API_WRAPPERS(WIN32, GDIPLUS) \
  /* gdi32: the stock GUI font and its LOGFONT */ \
  WIN32(GetStockObject, "Gdi32.dll") \
  WIN32(GetObjectW, "Gdi32.dll") \
  /* gdiplus: string format */ \
  GDIPLUS(GdipCreateStringFormat) \
  GDIPLUS(GdipStringFormatGetGenericDefault) \
  GDIPLUS(GdipStringFormatGetGenericTypographic) \
  GDIPLUS(GdipCloneStringFormat) \
  GDIPLUS(GdipSetStringFormatFlags) \
  GDIPLUS(GdipGetStringFormatFlags) \
  GDIPLUS(GdipSetStringFormatAlign) \
  GDIPLUS(GdipGetStringFormatAlign) \
  GDIPLUS(GdipSetStringFormatLineAlign) \
  GDIPLUS(GdipGetStringFormatLineAlign) \
  GDIPLUS(GdipSetStringFormatTrimming) \
  GDIPLUS(GdipGetStringFormatTrimming) \
  GDIPLUS(GdipSetStringFormatHotkeyPrefix) \
  GDIPLUS(GdipGetStringFormatHotkeyPrefix) \
  GDIPLUS(GdipSetStringFormatTabStops) \
  GDIPLUS(GdipGetStringFormatTabStops) \
  GDIPLUS(GdipGetStringFormatTabStopCount) \
  GDIPLUS(GdipSetStringFormatDigitSubstitution) \
  GDIPLUS(GdipGetStringFormatDigitSubstitution) \
  GDIPLUS(GdipSetStringFormatMeasurableCharacterRanges) \
  GDIPLUS(GdipGetStringFormatMeasurableCharacterRangeCount) \
  /* gdiplus: matrices (the transforms of brushes and pens go through elements) */ \
  GDIPLUS(GdipCreateMatrix2) \
  GDIPLUS(GdipGetMatrixElements) \
  GDIPLUS(GdipDeleteMatrix) \
  /* gdiplus: brushes */ \
  GDIPLUS(GdipCloneBrush) \
  GDIPLUS(GdipGetBrushType) \
  GDIPLUS(GdipCreateLineBrush) \
  GDIPLUS(GdipCreateLineBrushI) \
  GDIPLUS(GdipCreateLineBrushFromRectI) \
  GDIPLUS(GdipCreateLineBrushFromRectWithAngle) \
  GDIPLUS(GdipCreateLineBrushFromRectWithAngleI) \
  GDIPLUS(GdipSetLineColors) \
  GDIPLUS(GdipGetLineColors) \
  GDIPLUS(GdipGetLineRect) \
  GDIPLUS(GdipGetLineRectI) \
  GDIPLUS(GdipSetLineGammaCorrection) \
  GDIPLUS(GdipGetLineGammaCorrection) \
  GDIPLUS(GdipGetLineBlendCount) \
  GDIPLUS(GdipGetLineBlend) \
  GDIPLUS(GdipSetLineBlend) \
  GDIPLUS(GdipGetLinePresetBlendCount) \
  GDIPLUS(GdipGetLinePresetBlend) \
  GDIPLUS(GdipSetLinePresetBlend) \
  GDIPLUS(GdipSetLineSigmaBlend) \
  GDIPLUS(GdipSetLineLinearBlend) \
  GDIPLUS(GdipSetLineWrapMode) \
  GDIPLUS(GdipGetLineWrapMode) \
  GDIPLUS(GdipGetLineTransform) \
  GDIPLUS(GdipSetLineTransform) \
  GDIPLUS(GdipResetLineTransform) \
  GDIPLUS(GdipMultiplyLineTransform) \
  GDIPLUS(GdipTranslateLineTransform) \
  GDIPLUS(GdipScaleLineTransform) \
  GDIPLUS(GdipRotateLineTransform) \
  GDIPLUS(GdipSetSolidFillColor) \
  GDIPLUS(GdipGetSolidFillColor) \
  /* gdiplus: pen */ \
  GDIPLUS(GdipCreatePen2) \
  GDIPLUS(GdipClonePen) \
  GDIPLUS(GdipSetPenWidth) \
  GDIPLUS(GdipGetPenWidth) \
  GDIPLUS(GdipSetPenUnit) \
  GDIPLUS(GdipGetPenUnit) \
  GDIPLUS(GdipSetPenLineCap197819) \
  GDIPLUS(GdipSetPenStartCap) \
  GDIPLUS(GdipSetPenEndCap) \
  GDIPLUS(GdipSetPenDashCap197819) \
  GDIPLUS(GdipGetPenStartCap) \
  GDIPLUS(GdipGetPenEndCap) \
  GDIPLUS(GdipGetPenDashCap197819) \
  GDIPLUS(GdipSetPenLineJoin) \
  GDIPLUS(GdipGetPenLineJoin) \
  GDIPLUS(GdipSetPenCustomStartCap) \
  GDIPLUS(GdipGetPenCustomStartCap) \
  GDIPLUS(GdipSetPenCustomEndCap) \
  GDIPLUS(GdipGetPenCustomEndCap) \
  /* Releases the custom caps the pen's getters hand out. */ \
  GDIPLUS(GdipDeleteCustomLineCap) \
  GDIPLUS(GdipSetPenMiterLimit) \
  GDIPLUS(GdipGetPenMiterLimit) \
  GDIPLUS(GdipSetPenMode) \
  GDIPLUS(GdipGetPenMode) \
  GDIPLUS(GdipSetPenTransform) \
  GDIPLUS(GdipGetPenTransform) \
  GDIPLUS(GdipResetPenTransform) \
  GDIPLUS(GdipMultiplyPenTransform) \
  GDIPLUS(GdipTranslatePenTransform) \
  GDIPLUS(GdipScalePenTransform) \
  GDIPLUS(GdipRotatePenTransform) \
  GDIPLUS(GdipSetPenColor) \
  GDIPLUS(GdipGetPenColor) \
  GDIPLUS(GdipSetPenBrushFill) \
  GDIPLUS(GdipGetPenBrushFill) \
  GDIPLUS(GdipGetPenFillType) \
  GDIPLUS(GdipGetPenDashStyle) \
  GDIPLUS(GdipSetPenDashStyle) \
  GDIPLUS(GdipGetPenDashOffset) \
  GDIPLUS(GdipSetPenDashOffset) \
  GDIPLUS(GdipGetPenDashCount) \
  GDIPLUS(GdipSetPenDashArray) \
  GDIPLUS(GdipGetPenDashArray) \
  GDIPLUS(GdipGetPenCompoundCount) \
  GDIPLUS(GdipSetPenCompoundArray) \
  GDIPLUS(GdipGetPenCompoundArray) \
  /* gdiplus: font */ \
  GDIPLUS(GdipCreateFontFromLogfontW) \
  GDIPLUS(GdipCreateFontFromDC) \
  GDIPLUS(GdipCloneFont) \
  GDIPLUS(GdipGetFamily) \
  GDIPLUS(GdipGetFontStyle) \
  GDIPLUS(GdipGetFontSize) \
  GDIPLUS(GdipGetFontUnit) \
  GDIPLUS(GdipGetFontHeight) \
  GDIPLUS(GdipGetFontHeightGivenDPI) \
  GDIPLUS(GdipGetLogFontW) \
  /* gdiplus: font family */ \
  GDIPLUS(GdipGetGenericFontFamilySansSerif) \
  GDIPLUS(GdipGetGenericFontFamilySerif) \
  GDIPLUS(GdipGetGenericFontFamilyMonospace) \
  GDIPLUS(GdipCloneFontFamily) \
  GDIPLUS(GdipGetFamilyName) \
  GDIPLUS(GdipIsStyleAvailable) \
  GDIPLUS(GdipGetEmHeight) \
  GDIPLUS(GdipGetCellAscent) \
  GDIPLUS(GdipGetCellDescent) \
  GDIPLUS(GdipGetLineSpacing) \
  /* gdiplus: font collection */ \
  GDIPLUS(GdipNewInstalledFontCollection) \
  GDIPLUS(GdipGetFontCollectionFamilyCount) \
  GDIPLUS(GdipGetFontCollectionFamilyList) \
  /* gdiplus: image */ \
  GDIPLUS(GdipLoadImageFromFile) \
  GDIPLUS(GdipLoadImageFromFileICM) \
  GDIPLUS(GdipCloneImage) \
  GDIPLUS(GdipSaveImageToFile) \
  GDIPLUS(GdipSaveAdd) \
  GDIPLUS(GdipSaveAddImage) \
  GDIPLUS(GdipGetEncoderParameterListSize) \
  GDIPLUS(GdipGetEncoderParameterList) \
  GDIPLUS(GdipGetImageRawFormat) \
  GDIPLUS(GdipGetImageBounds) \
  GDIPLUS(GdipGetImageDimension) \
  GDIPLUS(GdipGetImageType) \
  GDIPLUS(GdipGetImageHorizontalResolution) \
  GDIPLUS(GdipGetImageVerticalResolution) \
  GDIPLUS(GdipGetImageFlags) \
  GDIPLUS(GdipGetImagePixelFormat) \
  GDIPLUS(GdipGetImageThumbnail) \
  GDIPLUS(GdipImageGetFrameDimensionsCount) \
  GDIPLUS(GdipImageGetFrameDimensionsList) \
  GDIPLUS(GdipImageGetFrameCount) \
  GDIPLUS(GdipImageSelectActiveFrame) \
  GDIPLUS(GdipGetPropertyItemSize) \
  GDIPLUS(GdipGetPropertyItem) \
  GDIPLUS(GdipSetPropertyItem) \
  GDIPLUS(GdipRemovePropertyItem) \
  GDIPLUS(GdipGetPropertyCount) \
  GDIPLUS(GdipGetPropertyIdList) \
  GDIPLUS(GdipImageRotateFlip) \
  GDIPLUS(GdipGetImagePaletteSize) \
  GDIPLUS(GdipGetImagePalette) \
  GDIPLUS(GdipSetImagePalette)
// clang-format on

namespace draw::api {

DRAW_API_WRAPPERS(DRAW_DECLARE_WIN32, DRAW_DECLARE_GDIPLUS)

}  // namespace draw::api
