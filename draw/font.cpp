#include "draw/font.h"

#include <climits>
#include <vector>

#include "draw/api_wrappers.h"
#include "draw/owners.h"
#include "draw/to_wide.h"

namespace draw {
// --- font collection ---

bool GdipFontCollection::UseInstalledFonts() {
  Gdiplus::GpFontCollection* installed = nullptr;
  const bool ok = RecordStatus(api::GdipNewInstalledFontCollection(&installed));
  SetHandle(installed);
  return ok;
}

bool GdipFontCollection::GetFamilyCount(INT* count) const {
  return RecordStatus(api::GdipGetFontCollectionFamilyCount(collection_, count));
}

bool GdipFontCollection::GetFamilyList(std::span<GdipFontFamily> families, INT* found) const {
  if (!found) return RecordStatus(Gdiplus::InvalidParameter);
  if (families.size() > static_cast<size_t>(INT_MAX))
    return RecordStatus(Gdiplus::InvalidParameter);
  std::vector<Gdiplus::GpFontFamily*> natives(families.size(), nullptr);
  INT listed = 0;
  if (!RecordStatus(api::GdipGetFontCollectionFamilyList(
          collection_, static_cast<INT>(natives.size()), natives.data(), &listed)))
    return false;
  // The listed families belong to the collection; each object gets a copy of its own.
  Gdiplus::Status status = Gdiplus::Ok;
  for (INT i = 0; i < listed && static_cast<size_t>(i) < families.size(); ++i) {
    families[i].Delete();
    Gdiplus::GpFontFamily* copy = nullptr;
    const Gdiplus::Status cloned = api::GdipCloneFontFamily(natives[i], &copy);
    if (cloned != Gdiplus::Ok) status = cloned;
    families[i].SetHandle(cloned == Gdiplus::Ok ? copy : nullptr);
  }
  *found = listed;
  return RecordStatus(status);
}

// --- font family ---

GdipFontFamily::~GdipFontFamily() { Delete(); }

bool GdipFontFamily::Delete() { return DeleteWith(family_, api::GdipDeleteFontFamily); }

bool GdipFontFamily::CreateFromName(std::string_view name, const GdipFontCollection& collection) {
  Delete();
  const std::wstring wide = ToWide(name);
  Gdiplus::GpFontFamily* created = nullptr;
  const bool ok = RecordStatus(
      api::GdipCreateFontFamilyFromName(wide.c_str(), collection.CollectionHandle(), &created));
  SetHandle(created);
  return ok;
}

// GDI+ hands out the generic families without handing them over: like the generic string
// formats, they are not the caller's to delete. The object holds a copy of its own.
bool GdipFontFamily::CopyGeneric(Gdiplus::GpStatus(WINGDIPAPI* get)(Gdiplus::GpFontFamily**)) {
  Delete();
  Gdiplus::GpFontFamily* shared = nullptr;
  if (!RecordStatus(get(&shared))) return false;
  Gdiplus::GpFontFamily* copy = nullptr;
  const Gdiplus::Status status = api::GdipCloneFontFamily(shared, &copy);
  SetHandle(status == Gdiplus::Ok ? copy : nullptr);
  return RecordStatus(status);
}

bool GdipFontFamily::CreateGenericSansSerif() {
  return CopyGeneric(api::GdipGetGenericFontFamilySansSerif.Get());
}

bool GdipFontFamily::CreateGenericSerif() {
  return CopyGeneric(api::GdipGetGenericFontFamilySerif.Get());
}

bool GdipFontFamily::CreateGenericMonospace() {
  return CopyGeneric(api::GdipGetGenericFontFamilyMonospace.Get());
}

bool GdipFontFamily::Clone(GdipFontFamily& target) const {
  Gdiplus::GpFontFamily* copy = nullptr;
  const Gdiplus::Status status = api::GdipCloneFontFamily(family_, &copy);
  return TakeClone(*this, target, status, copy);
}

bool GdipFontFamily::GetFamilyName(std::string* name, LANGID language) const {
  if (!name) return RecordStatus(Gdiplus::InvalidParameter);
  WCHAR wide[LF_FACESIZE] = {};
  if (!RecordStatus(api::GdipGetFamilyName(family_, wide, language))) return false;
  wide[LF_FACESIZE - 1] = L'\0';
  *name = ToNarrow(wide);
  return true;
}

bool GdipFontFamily::IsStyleAvailable(INT style, bool* available) const {
  if (!available) return RecordStatus(Gdiplus::InvalidParameter);
  BOOL value = FALSE;
  if (!RecordStatus(api::GdipIsStyleAvailable(family_, style, &value))) return false;
  *available = value != FALSE;
  return true;
}

bool GdipFontFamily::GetEmHeight(INT style, UINT16* emHeight) const {
  return RecordStatus(api::GdipGetEmHeight(family_, style, emHeight));
}

bool GdipFontFamily::GetCellAscent(INT style, UINT16* ascent) const {
  return RecordStatus(api::GdipGetCellAscent(family_, style, ascent));
}

bool GdipFontFamily::GetCellDescent(INT style, UINT16* descent) const {
  return RecordStatus(api::GdipGetCellDescent(family_, style, descent));
}

bool GdipFontFamily::GetLineSpacing(INT style, UINT16* lineSpacing) const {
  return RecordStatus(api::GdipGetLineSpacing(family_, style, lineSpacing));
}

// --- font: creation ---

GdipFont::~GdipFont() { Delete(); }

bool GdipFont::Delete() { return DeleteWith(font_, api::GdipDeleteFont); }

bool GdipFont::CreateFromFamily(const GdipFontFamily& family, float emSize, INT style,
                                Gdiplus::Unit unit) {
  Delete();
  Gdiplus::GpFont* created = nullptr;
  const bool ok =
      RecordStatus(api::GdipCreateFont(family.FamilyHandle(), emSize, style, unit, &created));
  SetHandle(created);
  return ok;
}

bool GdipFont::CreateFromDefaultGuiFont() {
  Delete();
  LOGFONTW logfont{};
  const HGDIOBJ stock = api::GetStockObject(DEFAULT_GUI_FONT);
  if (!stock || api::GetObjectW(stock, sizeof logfont, &logfont) != sizeof logfont)
    return RecordStatus(Gdiplus::Win32Error);
  return CreateFromLogfont(logfont);
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

bool GdipFont::CreateFromDC(HDC dc) {
  Delete();
  Gdiplus::GpFont* created = nullptr;
  const bool ok = RecordStatus(api::GdipCreateFontFromDC(dc, &created));
  SetHandle(created);
  return ok;
}

bool GdipFont::CreateFromLogfont(HDC dc, const LOGFONTW& logfont) {
  Delete();
  Gdiplus::GpFont* created = nullptr;
  const bool ok = RecordStatus(api::GdipCreateFontFromLogfontW(dc, &logfont, &created));
  SetHandle(created);
  return ok;
}

bool GdipFont::CreateFromLogfont(const LOGFONTW& logfont) {
  const WindowDC screen(nullptr);
  if (!screen.get()) {
    Delete();
    return RecordStatus(Gdiplus::Win32Error);
  }
  return CreateFromLogfont(screen.get(), logfont);
}

bool GdipFont::Clone(GdipFont& target) const {
  Gdiplus::GpFont* copy = nullptr;
  const Gdiplus::Status status = api::GdipCloneFont(font_, &copy);
  return TakeClone(*this, target, status, copy);
}

// --- font: getters ---

bool GdipFont::GetFamily(GdipFontFamily& family) const {
  Gdiplus::GpFontFamily* copy = nullptr;
  const Gdiplus::Status status = api::GdipGetFamily(font_, &copy);
  family.Delete();
  family.SetHandle(status == Gdiplus::Ok ? copy : nullptr);
  return RecordStatus(status);
}

bool GdipFont::GetStyle(INT* style) const {
  return RecordStatus(api::GdipGetFontStyle(font_, style));
}

bool GdipFont::GetSize(float* emSize) const {
  return RecordStatus(api::GdipGetFontSize(font_, emSize));
}

bool GdipFont::GetUnit(Gdiplus::Unit* unit) const {
  return RecordStatus(api::GdipGetFontUnit(font_, unit));
}

bool GdipFont::GetHeight(Gdiplus::GpGraphics* graphics, float* height) const {
  return RecordStatus(api::GdipGetFontHeight(font_, graphics, height));
}

bool GdipFont::GetHeightGivenDPI(float dpi, float* height) const {
  return RecordStatus(api::GdipGetFontHeightGivenDPI(font_, dpi, height));
}

bool GdipFont::GetLogFont(Gdiplus::GpGraphics* graphics, LOGFONTW* logfont) const {
  return RecordStatus(api::GdipGetLogFontW(font_, graphics, logfont));
}

}  // namespace draw
