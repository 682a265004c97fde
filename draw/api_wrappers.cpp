#include "draw/api_wrappers.h"

// Definitions in the order of api_wrappers.h, each with its library and export name.
#define DRAW_WIN32(name, library) ::draw::ExternalFunction<decltype(::name)> name{library, #name}
#define DRAW_GDIPLUS(name) \
  ::draw::ExternalFunction<decltype(::Gdiplus::DllExports::name)> name{"gdiplus.dll", #name}

namespace draw::api {

// gdi32: the stock GUI font and its LOGFONT
DRAW_WIN32(GetStockObject, "Gdi32.dll");
DRAW_WIN32(GetObjectA, "Gdi32.dll");

// gdiplus: string format
DRAW_GDIPLUS(GdipCreateStringFormat);
DRAW_GDIPLUS(GdipStringFormatGetGenericDefault);
DRAW_GDIPLUS(GdipStringFormatGetGenericTypographic);
DRAW_GDIPLUS(GdipCloneStringFormat);
DRAW_GDIPLUS(GdipSetStringFormatFlags);
DRAW_GDIPLUS(GdipGetStringFormatFlags);
DRAW_GDIPLUS(GdipSetStringFormatAlign);
DRAW_GDIPLUS(GdipGetStringFormatAlign);
DRAW_GDIPLUS(GdipSetStringFormatLineAlign);
DRAW_GDIPLUS(GdipGetStringFormatLineAlign);
DRAW_GDIPLUS(GdipSetStringFormatTrimming);
DRAW_GDIPLUS(GdipGetStringFormatTrimming);
DRAW_GDIPLUS(GdipSetStringFormatHotkeyPrefix);
DRAW_GDIPLUS(GdipGetStringFormatHotkeyPrefix);
DRAW_GDIPLUS(GdipSetStringFormatTabStops);
DRAW_GDIPLUS(GdipGetStringFormatTabStops);
DRAW_GDIPLUS(GdipGetStringFormatTabStopCount);
DRAW_GDIPLUS(GdipSetStringFormatDigitSubstitution);
DRAW_GDIPLUS(GdipGetStringFormatDigitSubstitution);
DRAW_GDIPLUS(GdipSetStringFormatMeasurableCharacterRanges);
DRAW_GDIPLUS(GdipGetStringFormatMeasurableCharacterRangeCount);

// gdiplus: matrices (the transforms of brushes and pens go through elements)
DRAW_GDIPLUS(GdipCreateMatrix2);
DRAW_GDIPLUS(GdipGetMatrixElements);
DRAW_GDIPLUS(GdipDeleteMatrix);

// gdiplus: brushes
DRAW_GDIPLUS(GdipCloneBrush);
DRAW_GDIPLUS(GdipGetBrushType);
DRAW_GDIPLUS(GdipCreateLineBrush);
DRAW_GDIPLUS(GdipCreateLineBrushI);
DRAW_GDIPLUS(GdipCreateLineBrushFromRectI);
DRAW_GDIPLUS(GdipCreateLineBrushFromRectWithAngle);
DRAW_GDIPLUS(GdipCreateLineBrushFromRectWithAngleI);
DRAW_GDIPLUS(GdipSetLineColors);
DRAW_GDIPLUS(GdipGetLineColors);
DRAW_GDIPLUS(GdipGetLineRect);
DRAW_GDIPLUS(GdipGetLineRectI);
DRAW_GDIPLUS(GdipSetLineGammaCorrection);
DRAW_GDIPLUS(GdipGetLineGammaCorrection);
DRAW_GDIPLUS(GdipGetLineBlendCount);
DRAW_GDIPLUS(GdipGetLineBlend);
DRAW_GDIPLUS(GdipSetLineBlend);
DRAW_GDIPLUS(GdipGetLinePresetBlendCount);
DRAW_GDIPLUS(GdipGetLinePresetBlend);
DRAW_GDIPLUS(GdipSetLinePresetBlend);
DRAW_GDIPLUS(GdipSetLineSigmaBlend);
DRAW_GDIPLUS(GdipSetLineLinearBlend);
DRAW_GDIPLUS(GdipSetLineWrapMode);
DRAW_GDIPLUS(GdipGetLineWrapMode);
DRAW_GDIPLUS(GdipGetLineTransform);
DRAW_GDIPLUS(GdipSetLineTransform);
DRAW_GDIPLUS(GdipResetLineTransform);
DRAW_GDIPLUS(GdipMultiplyLineTransform);
DRAW_GDIPLUS(GdipTranslateLineTransform);
DRAW_GDIPLUS(GdipScaleLineTransform);
DRAW_GDIPLUS(GdipRotateLineTransform);
DRAW_GDIPLUS(GdipSetSolidFillColor);
DRAW_GDIPLUS(GdipGetSolidFillColor);

// gdiplus: pen
DRAW_GDIPLUS(GdipCreatePen2);
DRAW_GDIPLUS(GdipClonePen);
DRAW_GDIPLUS(GdipSetPenWidth);
DRAW_GDIPLUS(GdipGetPenWidth);
DRAW_GDIPLUS(GdipSetPenUnit);
DRAW_GDIPLUS(GdipGetPenUnit);
DRAW_GDIPLUS(GdipSetPenLineCap197819);
DRAW_GDIPLUS(GdipSetPenStartCap);
DRAW_GDIPLUS(GdipSetPenEndCap);
DRAW_GDIPLUS(GdipSetPenDashCap197819);
DRAW_GDIPLUS(GdipGetPenStartCap);
DRAW_GDIPLUS(GdipGetPenEndCap);
DRAW_GDIPLUS(GdipGetPenDashCap197819);
DRAW_GDIPLUS(GdipSetPenLineJoin);
DRAW_GDIPLUS(GdipGetPenLineJoin);
DRAW_GDIPLUS(GdipSetPenCustomStartCap);
DRAW_GDIPLUS(GdipGetPenCustomStartCap);
DRAW_GDIPLUS(GdipSetPenCustomEndCap);
DRAW_GDIPLUS(GdipGetPenCustomEndCap);
DRAW_GDIPLUS(GdipDeleteCustomLineCap);
DRAW_GDIPLUS(GdipSetPenMiterLimit);
DRAW_GDIPLUS(GdipGetPenMiterLimit);
DRAW_GDIPLUS(GdipSetPenMode);
DRAW_GDIPLUS(GdipGetPenMode);
DRAW_GDIPLUS(GdipSetPenTransform);
DRAW_GDIPLUS(GdipGetPenTransform);
DRAW_GDIPLUS(GdipResetPenTransform);
DRAW_GDIPLUS(GdipMultiplyPenTransform);
DRAW_GDIPLUS(GdipTranslatePenTransform);
DRAW_GDIPLUS(GdipScalePenTransform);
DRAW_GDIPLUS(GdipRotatePenTransform);
DRAW_GDIPLUS(GdipSetPenColor);
DRAW_GDIPLUS(GdipGetPenColor);
DRAW_GDIPLUS(GdipSetPenBrushFill);
DRAW_GDIPLUS(GdipGetPenBrushFill);
DRAW_GDIPLUS(GdipGetPenFillType);
DRAW_GDIPLUS(GdipGetPenDashStyle);
DRAW_GDIPLUS(GdipSetPenDashStyle);
DRAW_GDIPLUS(GdipGetPenDashOffset);
DRAW_GDIPLUS(GdipSetPenDashOffset);
DRAW_GDIPLUS(GdipGetPenDashCount);
DRAW_GDIPLUS(GdipSetPenDashArray);
DRAW_GDIPLUS(GdipGetPenDashArray);
DRAW_GDIPLUS(GdipGetPenCompoundCount);
DRAW_GDIPLUS(GdipSetPenCompoundArray);
DRAW_GDIPLUS(GdipGetPenCompoundArray);

// gdiplus: font
DRAW_GDIPLUS(GdipCreateFontFromLogfontA);
DRAW_GDIPLUS(GdipCreateFontFromDC);
DRAW_GDIPLUS(GdipCloneFont);
DRAW_GDIPLUS(GdipGetFamily);
DRAW_GDIPLUS(GdipGetFontStyle);
DRAW_GDIPLUS(GdipGetFontSize);
DRAW_GDIPLUS(GdipGetFontUnit);
DRAW_GDIPLUS(GdipGetFontHeight);
DRAW_GDIPLUS(GdipGetFontHeightGivenDPI);
DRAW_GDIPLUS(GdipGetLogFontA);

// gdiplus: font family
DRAW_GDIPLUS(GdipGetGenericFontFamilySansSerif);
DRAW_GDIPLUS(GdipGetGenericFontFamilySerif);
DRAW_GDIPLUS(GdipGetGenericFontFamilyMonospace);
DRAW_GDIPLUS(GdipCloneFontFamily);
DRAW_GDIPLUS(GdipGetFamilyName);
DRAW_GDIPLUS(GdipIsStyleAvailable);
DRAW_GDIPLUS(GdipGetEmHeight);
DRAW_GDIPLUS(GdipGetCellAscent);
DRAW_GDIPLUS(GdipGetCellDescent);
DRAW_GDIPLUS(GdipGetLineSpacing);

// gdiplus: font collection
DRAW_GDIPLUS(GdipNewInstalledFontCollection);
DRAW_GDIPLUS(GdipGetFontCollectionFamilyCount);
DRAW_GDIPLUS(GdipGetFontCollectionFamilyList);

// gdiplus: image
DRAW_GDIPLUS(GdipLoadImageFromFile);
DRAW_GDIPLUS(GdipLoadImageFromFileICM);
DRAW_GDIPLUS(GdipCloneImage);
DRAW_GDIPLUS(GdipSaveImageToFile);
DRAW_GDIPLUS(GdipSaveAdd);
DRAW_GDIPLUS(GdipSaveAddImage);
DRAW_GDIPLUS(GdipGetEncoderParameterListSize);
DRAW_GDIPLUS(GdipGetEncoderParameterList);
DRAW_GDIPLUS(GdipGetImageRawFormat);
DRAW_GDIPLUS(GdipGetImageBounds);
DRAW_GDIPLUS(GdipGetImageDimension);
DRAW_GDIPLUS(GdipGetImageType);
DRAW_GDIPLUS(GdipGetImageHorizontalResolution);
DRAW_GDIPLUS(GdipGetImageVerticalResolution);
DRAW_GDIPLUS(GdipGetImageFlags);
DRAW_GDIPLUS(GdipGetImagePixelFormat);
DRAW_GDIPLUS(GdipGetImageThumbnail);
DRAW_GDIPLUS(GdipImageGetFrameDimensionsCount);
DRAW_GDIPLUS(GdipImageGetFrameDimensionsList);
DRAW_GDIPLUS(GdipImageGetFrameCount);
DRAW_GDIPLUS(GdipImageSelectActiveFrame);
DRAW_GDIPLUS(GdipGetPropertyItemSize);
DRAW_GDIPLUS(GdipGetPropertyItem);
DRAW_GDIPLUS(GdipSetPropertyItem);
DRAW_GDIPLUS(GdipRemovePropertyItem);
DRAW_GDIPLUS(GdipGetPropertyCount);
DRAW_GDIPLUS(GdipGetPropertyIdList);
DRAW_GDIPLUS(GdipImageRotateFlip);
DRAW_GDIPLUS(GdipGetImagePaletteSize);
DRAW_GDIPLUS(GdipGetImagePalette);
DRAW_GDIPLUS(GdipSetImagePalette);

}  // namespace draw::api
