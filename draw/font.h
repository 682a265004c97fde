#pragma once
// GDI+ fonts, font families and font collections. Texts in and out are UTF-8.
#include <windows.h>

#include <span>
#include <string>
#include <string_view>

#include "draw/gdip_object.h"

namespace draw {

class GdipFontFamily;

// A font collection. An empty one (handle 0) stands for the installed fonts where a family is
// looked up by name; the family count and list need a real collection (UseInstalledFonts). It
// never deletes anything: GDI+ owns the installed collection.
class GdipFontCollection : public GdipObject {
 public:
  Gdiplus::GpFontCollection* CollectionHandle() const { return collection_; }

  // Holds GDI+'s collection of the installed fonts. Recorded.
  bool UseInstalledFonts();
  bool GetFamilyCount(INT* count) const;
  // Makes the front of families hold copies of the collection's families, as many as fit;
  // *found says how many. Each object's old family is deleted first. Recorded.
  bool GetFamilyList(std::span<GdipFontFamily> families, INT* found) const;

 protected:
  void StoreHandle(void* h) override { collection_ = static_cast<Gdiplus::GpFontCollection*>(h); }

 private:
  Gdiplus::GpFontCollection* collection_ = nullptr;
};

// Every operation except Delete is recorded; getters leave their output alone on failure.
class GdipFontFamily : public GdipObject {
 public:
  GdipFontFamily() = default;
  ~GdipFontFamily() override;

  Gdiplus::GpFontFamily* FamilyHandle() const { return family_; }

  // Deletes the native family. False when there was none (last status unchanged).
  bool Delete();

  // --- creation: each deletes the family held before ---
  // Looks the family up by its name in collection. An unknown name leaves the object empty.
  bool CreateFromName(std::string_view name, const GdipFontCollection& collection);
  // The generic families are GDI+'s own: this object gets a private copy of one.
  bool CreateGenericSansSerif();
  bool CreateGenericSerif();
  bool CreateGenericMonospace();
  // Makes target hold a copy of this family (its old family is deleted).
  bool Clone(GdipFontFamily& target) const;

  // --- getters; style is Gdiplus::FontStyle bits, metrics are in design units ---
  bool GetFamilyName(std::string* name, LANGID language = LANG_NEUTRAL) const;
  bool IsStyleAvailable(INT style, bool* available) const;
  bool GetEmHeight(INT style, UINT16* emHeight) const;
  bool GetCellAscent(INT style, UINT16* ascent) const;
  bool GetCellDescent(INT style, UINT16* descent) const;
  bool GetLineSpacing(INT style, UINT16* lineSpacing) const;

 protected:
  void StoreHandle(void* h) override { family_ = static_cast<Gdiplus::GpFontFamily*>(h); }

 private:
  // Deletes the held family, then holds a private copy of the shared family that get() gives.
  bool CopyGeneric(Gdiplus::GpStatus(WINGDIPAPI* get)(Gdiplus::GpFontFamily**));

  Gdiplus::GpFontFamily* family_ = nullptr;
};

// Every operation except Delete is recorded; getters leave their output alone on failure.
class GdipFont : public GdipObject {
 public:
  GdipFont() = default;
  ~GdipFont() override;

  Gdiplus::GpFont* FontHandle() const { return font_; }

  // Deletes the native font. False when there was none (last status unchanged).
  bool Delete();

  // --- creation: each deletes the font held before ---
  // style: Gdiplus::FontStyle bits.
  bool CreateFromFamily(const GdipFontFamily& family, float emSize, INT style, Gdiplus::Unit unit);
  // The system's default GUI font (DEFAULT_GUI_FONT), through its LOGFONT on the screen.
  bool CreateFromDefaultGuiFont();
  // The same with a family looked up by name among the installed fonts; the family is only kept
  // for the creation. When the name is unknown the font stays empty. The result and the last
  // status are those of the font creation.
  bool CreateFromFamilyName(std::string_view familyName, float emSize, INT style,
                            Gdiplus::Unit unit);
  // The font selected into dc.
  bool CreateFromDC(HDC dc);
  // A font described by a LOGFONT, its size taken in the resolution of dc or of the screen.
  bool CreateFromLogfont(HDC dc, const LOGFONTW& logfont);
  bool CreateFromLogfont(const LOGFONTW& logfont);
  // Makes target hold a copy of this font (its old font is deleted).
  bool Clone(GdipFont& target) const;

  // --- getters ---
  // Makes family hold the font's family (its old family is deleted).
  bool GetFamily(GdipFontFamily& family) const;
  bool GetStyle(INT* style) const;
  bool GetSize(float* emSize) const;
  bool GetUnit(Gdiplus::Unit* unit) const;
  // Line spacing in the unit of graphics, or in pixels at a given resolution.
  bool GetHeight(Gdiplus::GpGraphics* graphics, float* height) const;
  bool GetHeightGivenDPI(float dpi, float* height) const;
  bool GetLogFont(Gdiplus::GpGraphics* graphics, LOGFONTW* logfont) const;

 protected:
  void StoreHandle(void* h) override { font_ = static_cast<Gdiplus::GpFont*>(h); }

 private:
  Gdiplus::GpFont* font_ = nullptr;
};

}  // namespace draw
