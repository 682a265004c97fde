#pragma once
// A GDI+ string format: creation, the generic formats, and the layout properties.
#include <span>

#include "draw/gdip_object.h"

namespace draw {

// An object that holds no format makes the surface's DrawString use GDI+'s default format.
// Every operation but Delete is recorded; the getters leave their output alone on failure.
class GdipStringFormat : public GdipObject {
 public:
  GdipStringFormat() = default;
  ~GdipStringFormat() override;

  Gdiplus::GpStringFormat* FormatHandle() const { return format_; }

  // Deletes the native format. False when there was none (last status unchanged).
  bool Delete();

  // Creation. Each deletes the format held before. The generic formats are shared GDI+
  // objects: this object gets a private copy of one, so that changing or deleting it leaves the
  // shared one alone.
  bool Create(INT formatFlags = 0, LANGID language = LANG_NEUTRAL);
  bool CreateGenericDefault();
  bool CreateGenericTypographic();
  // Makes target hold a copy of this format (target's old format is deleted).
  bool Clone(GdipStringFormat& target) const;

  // Properties.
  bool SetFlags(INT flags);  // Gdiplus::StringFormatFlags bits
  bool GetFlags(INT* flags) const;
  bool SetAlign(Gdiplus::StringAlignment align);
  bool GetAlign(Gdiplus::StringAlignment* align) const;
  bool SetLineAlign(Gdiplus::StringAlignment align);
  bool GetLineAlign(Gdiplus::StringAlignment* align) const;
  bool SetTrimming(Gdiplus::StringTrimming trimming);
  bool GetTrimming(Gdiplus::StringTrimming* trimming) const;
  bool SetHotkeyPrefix(Gdiplus::HotkeyPrefix prefix);
  bool GetHotkeyPrefix(Gdiplus::HotkeyPrefix* prefix) const;

  // Tab stops: the offset of the first one and the distances between the following ones.
  bool SetTabStops(float firstTabOffset, std::span<const float> tabStops);
  bool GetTabStopCount(INT* count) const;
  // Fills the front of tabStops with the distances, as many as fit and the format has (size it
  // with GetTabStopCount).
  bool GetTabStops(float* firstTabOffset, std::span<float> tabStops) const;

  bool SetDigitSubstitution(LANGID language, Gdiplus::StringDigitSubstitute substitute);
  bool GetDigitSubstitution(LANGID* language, Gdiplus::StringDigitSubstitute* substitute) const;

  // The character ranges that MeasureCharacterRanges measures.
  bool SetMeasurableCharacterRanges(std::span<const Gdiplus::CharacterRange> ranges);
  bool GetMeasurableCharacterRangeCount(INT* count) const;

 protected:
  void StoreHandle(void* h) override { format_ = static_cast<Gdiplus::GpStringFormat*>(h); }

 private:
  // Deletes the held format, then holds a private copy of the shared format that get() returns.
  bool CopyShared(Gdiplus::GpStatus(WINGDIPAPI* get)(Gdiplus::GpStringFormat**));

  Gdiplus::GpStringFormat* format_ = nullptr;
};

}  // namespace draw
