#pragma once
// GDI+ fonts, font families and font collections.
#include <string_view>

#include "draw/gdip_object.h"

namespace draw {

// A font collection. An empty one (handle 0) stands for the installed fonts. It never deletes
// anything: GDI+ owns the installed collection.
class GdipFontCollection : public GdipObject {
 public:
  Gdiplus::GpFontCollection* CollectionHandle() const { return collection_; }

 protected:
  void StoreHandle(void* h) override { collection_ = static_cast<Gdiplus::GpFontCollection*>(h); }

 private:
  Gdiplus::GpFontCollection* collection_ = nullptr;
};

class GdipFontFamily : public GdipObject {
 public:
  GdipFontFamily() = default;
  ~GdipFontFamily() override;

  Gdiplus::GpFontFamily* FamilyHandle() const { return family_; }

  // Deletes the native family. False when there was none (last status unchanged).
  bool Delete();

  // Looks the family up by its name (code page 936) in collection. Deletes the family held
  // before. Recorded; an unknown name leaves the object empty.
  bool CreateFromName(std::string_view name, const GdipFontCollection& collection);

 protected:
  void StoreHandle(void* h) override { family_ = static_cast<Gdiplus::GpFontFamily*>(h); }

 private:
  Gdiplus::GpFontFamily* family_ = nullptr;
};

class GdipFont : public GdipObject {
 public:
  GdipFont() = default;
  ~GdipFont() override;

  Gdiplus::GpFont* FontHandle() const { return font_; }

  // Deletes the native font. False when there was none (last status unchanged).
  bool Delete();

  // style: Gdiplus::FontStyle bits. Deletes the font held before. Recorded.
  bool CreateFromFamily(const GdipFontFamily& family, float emSize, INT style, Gdiplus::Unit unit);

  // The same with a family looked up by name among the installed fonts; the family is only kept
  // for the creation. When the name is unknown the font stays empty. The result and the last
  // status are those of the font creation.
  bool CreateFromFamilyName(std::string_view familyName, float emSize, INT style,
                            Gdiplus::Unit unit);

 protected:
  void StoreHandle(void* h) override { font_ = static_cast<Gdiplus::GpFont*>(h); }

 private:
  Gdiplus::GpFont* font_ = nullptr;
};

}  // namespace draw
