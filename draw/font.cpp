#include "draw/font.h"

#include "draw/api.h"
#include "draw/to_wide.h"

namespace draw {

GdipFontFamily::~GdipFontFamily() { Delete(); }

bool GdipFontFamily::Delete() {
  if (!family_) return false;
  const bool ok = RecordStatus(api::GdipDeleteFontFamily(family_));
  SetHandle(nullptr);
  return ok;
}

bool GdipFontFamily::CreateFromName(std::string_view name, const GdipFontCollection& collection) {
  Delete();
  const std::wstring wide = ToWide(name);
  Gdiplus::GpFontFamily* created = nullptr;
  const bool ok = RecordStatus(api::GdipCreateFontFamilyFromName(
      wide.c_str(), collection.CollectionHandle(), &created));
  SetHandle(created);
  return ok;
}

GdipFont::~GdipFont() { Delete(); }

bool GdipFont::Delete() {
  if (!font_) return false;
  const bool ok = RecordStatus(api::GdipDeleteFont(font_));
  SetHandle(nullptr);
  return ok;
}

bool GdipFont::CreateFromFamily(const GdipFontFamily& family, float emSize, INT style,
                                Gdiplus::Unit unit) {
  Delete();
  Gdiplus::GpFont* created = nullptr;
  const bool ok =
      RecordStatus(api::GdipCreateFont(family.FamilyHandle(), emSize, style, unit, &created));
  SetHandle(created);
  return ok;
}

bool GdipFont::CreateFromFamilyName(std::string_view familyName, float emSize, INT style,
                                    Gdiplus::Unit unit) {
  GdipFontFamily family;
  Delete();
  {
    const GdipFontCollection installed;
    family.CreateFromName(familyName, installed);
  }
  Gdiplus::GpFont* created = nullptr;
  const Gdiplus::Status status =
      api::GdipCreateFont(family.FamilyHandle(), emSize, style, unit, &created);
  SetHandle(created);
  family.Delete();
  // The family's deletion records its own status; the font's is the one that matters here.
  return RecordStatus(status);
}

}  // namespace draw
